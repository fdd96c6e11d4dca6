// SPDX-License-Identifier: GPL-3.0-or-later
#include "jeu/batte.h"

#include "niveaux/terrain.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

const Couleur couleurCanon = {255, 255, 0};

const float demieHauteur = 0.5f;
const float demieProfondeur = 0.5f;
const float canonDlarg = 0.4f;
const float canonDLong = 0.8f;
const float canonDProf = 0.4f;

// A box of half-extents (dx, dy, dz) around the current origin, faces in the
// order +Y, +Z, +X, -Z, -X, -Y, each counter-clockwise seen from outside.
void dessinerBoite(float dx, float dy, float dz) {
    glBegin(GL_QUADS);
    glNormal3i(0, 1, 0);
    glVertex3f(dx, dy, -dz);
    glVertex3f(-dx, dy, -dz);
    glVertex3f(-dx, dy, dz);
    glVertex3f(dx, dy, dz);

    glNormal3i(0, 0, 1);
    glVertex3f(dx, dy, dz);
    glVertex3f(-dx, dy, dz);
    glVertex3f(-dx, -dy, dz);
    glVertex3f(dx, -dy, dz);

    glNormal3i(1, 0, 0);
    glVertex3f(dx, dy, -dz);
    glVertex3f(dx, dy, dz);
    glVertex3f(dx, -dy, dz);
    glVertex3f(dx, -dy, -dz);

    glNormal3i(0, 0, -1);
    glVertex3f(-dx, dy, -dz);
    glVertex3f(dx, dy, -dz);
    glVertex3f(dx, -dy, -dz);
    glVertex3f(-dx, -dy, -dz);

    glNormal3i(-1, 0, 0);
    glVertex3f(-dx, dy, dz);
    glVertex3f(-dx, dy, -dz);
    glVertex3f(-dx, -dy, -dz);
    glVertex3f(-dx, -dy, dz);

    glNormal3i(0, -1, 0);
    glVertex3f(dx, -dy, dz);
    glVertex3f(-dx, -dy, dz);
    glVertex3f(-dx, -dy, -dz);
    glVertex3f(dx, -dy, -dz);
    glEnd();
}

} // namespace

Batte::Batte(Joueur* prop, int num)
    : Item(0.0f, num == 2 ? terrain::ligneBasJoueur2 : terrain::ligneBasJoueur1),
      longueur(longueurInit), proprietaire(prop), bc{longueurInit, 1.0f, 1.0f}, enableShoot(false),
      numJoueur(num) {}

int Batte::deplacer(int sens) {
    // The edge is tested before the step, so it may end one step past the limit.
    const float demi = bc.lX / 2.0f;
    if (position.X + demi <= limiteDeplacement && sens > 0) {
        position.X += pasDeplacement;
        return 1;
    }
    if (position.X - demi >= -limiteDeplacement && sens < 0) {
        position.X -= pasDeplacement;
        return -1;
    }
    return 0;
}

float Batte::glisser(float distance) {
    const float demi = bc.lX / 2.0f;
    const float avant = position.X;
    position.X =
        std::clamp(position.X + distance, terrain::murGauche + demi, terrain::murDroit - demi);
    return position.X - avant;
}

void Batte::restaurer(float x, float longueurGardee, bool canon) {
    const int pas = static_cast<int>(std::lround((longueurGardee - longueur) / pasAgrandissement));
    for (int n = 0; n < std::abs(pas); ++n) {
        if (pas > 0) {
            agrandir();
        } else {
            reduire();
        }
    }
    position.X = x;
    enableShoot = canon;
}

void Batte::agrandir() {
    if (longueur + pasAgrandissement <= longueurMax) {
        longueur += pasAgrandissement;
        bc.lX += pasAgrandissement;
    }
}

void Batte::reduire() {
    if (longueur - pasAgrandissement >= longueurMin) {
        longueur -= pasAgrandissement;
        bc.lX -= pasAgrandissement;
    }
}

void Batte::afficher() {
    glPushMatrix();
    glTranslatef(position.X, position.Y, 0.0f);
    const Couleur& couleur = terrain::couleursJoueur(numJoueur).batte;
    glColor3ub(couleur.r, couleur.v, couleur.b);
    dessinerBoite(longueur / 2.0f, demieHauteur, demieProfondeur);
    if (enableShoot) {
        // The cannon sits on the edge between the top and the front faces.
        glColor3ub(couleurCanon.r, couleurCanon.v, couleurCanon.b);
        glTranslatef(0.0f, demieHauteur, demieProfondeur);
        dessinerBoite(canonDlarg, canonDLong, canonDProf);
    }
    glPopMatrix();
}
