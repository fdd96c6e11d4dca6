// SPDX-License-Identifier: GPL-3.0-or-later
#include "jeu/balle.h"

#include "jeu/joueur.h"
#include "niveaux/terrain.h"
#include "systeme/hasard.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Launch angles: rand() % nbAnglesLancement, centred on the vertical so that
// none of them is straight up.
const int nbAnglesLancement = 15;
const double centreAnglesLancement = 7.5;
const double pasAnglesLancement = 10.0;

const int finesseSphere = 10;
const GLfloat rien[] = {0.0f, 0.0f, 0.0f, 0.0f};

// A random upward velocity at speed `vitesse`, its speed cached in `norme`.
Vecteur vitesseLancement(float vitesse) {
    const float angle =
        (hasard::tirer() % nbAnglesLancement - centreAnglesLancement) / pasAnglesLancement;
    Vecteur v(static_cast<float>(std::sin(static_cast<double>(angle)) * vitesse),
              static_cast<float>(std::cos(static_cast<double>(angle)) * vitesse), 0.0f);
    v.norme = vitesse;
    return v;
}

} // namespace

Balle::Balle(Joueur* prop, float X, float Y, bool hooked, float vitesseDepart)
    : Item(X, Y), rayon(rayonInit), proprietaire(prop), vitesse(vitesseLancement(vitesseDepart)),
      traversante(false), accrochee(hooked), indiceRayon(1), quadric(nouvelleQuadrique()) {}

void Balle::deplacer() {
    position = position + vitesse;
}

void Balle::undoDeplacer() {
    position = position - vitesse;
}

void Balle::rebondBatte(float angle) {
    vitesse.X = std::sin(angle) * vitesse.norme;
    vitesse.Y = std::cos(angle) * vitesse.norme;
}

void Balle::collision(Vecteur normale) {
    vitesse = vitesse * normale;
}

void Balle::suivreBatte(int sens) {
    const float pas = proprietaire->getBatteRef().getPasDep();
    if (sens > 0) {
        position.X += pas;
    } else if (sens < 0) {
        position.X -= pas;
    }
}

void Balle::restaurer(const Vecteur& vitesseGardee, int indiceRayonGarde, bool traversanteGardee) {
    vitesse = vitesseGardee;
    while (indiceRayon < std::min(indiceRayonGarde, indiceRmax)) {
        agrandir();
    }
    traversante = traversanteGardee;
}

void Balle::agrandir() {
    if (indiceRayon < indiceRmax) {
        rayon += pasRayon;
        indiceRayon += 1;
    }
}

void Balle::afficher() {
    glPushMatrix();
    const terrain::CouleursJoueur& couleurs = terrain::couleursJoueur(proprietaire->getNum());
    glMaterialfv(GL_FRONT, GL_EMISSION, couleurs.lueurBalle);
    glColor3ub(couleurs.balle.r, couleurs.balle.v, couleurs.balle.b);
    glTranslatef(position.X, position.Y, position.Z);
    // A piercing ball shows as a cloud of dots.
    gluQuadricDrawStyle(quadric.get(), traversante ? GLU_POINT : GLU_FILL);
    gluSphere(quadric.get(), rayon, finesseSphere, finesseSphere);
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, rien);
    glPopMatrix();
}
