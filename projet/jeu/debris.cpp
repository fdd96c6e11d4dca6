// SPDX-License-Identifier: GPL-3.0-or-later
#include "jeu/debris.h"

#include "niveaux/terrain.h"
#include "systeme/horloge.h"
#include "systeme/hasard.h"

#include <GL/gl.h>

#include <cstdlib>

namespace {

// Speed draws: rand() % nbVitesses, centred on 0, in tenths.
const int nbVitesses = 15;
const double centreVitesses = 7.5;
const double pasVitesses = 10.0;
// Size draws: rand() % nbTailles, divided per axis.
const int nbTailles = 20;
const double diviseurLargeur = 18.0;
const double diviseurHauteur = 20.0;
const int nbTeintes = 256;
const float tour = 360.0f;

float tirageVitesse() {
    return (hasard::tirer() % nbVitesses - centreVitesses) / pasVitesses;
}

unsigned char tirageTeinte() {
    return static_cast<unsigned char>(hasard::tirer() % nbTeintes);
}

} // namespace

Debris::Debris(Vecteur pos, unsigned char R, unsigned char V, unsigned char B) : Item(pos) {
    // Every draw is its own statement: the order of the rand() calls matters.
    vitesse.X = tirageVitesse();
    vitesse.Y = tirageVitesse();
    vitesse.Z = tirageVitesse();
    bc.lX = (hasard::tirer() % nbTailles) / diviseurLargeur;
    bc.lY = (hasard::tirer() % nbTailles) / diviseurHauteur;
    bc.lZ = 0.0f;
    // Black asks for a random colour.
    if (R + V + B == 0) {
        cR = tirageTeinte();
        cV = tirageTeinte();
        cB = tirageTeinte();
    } else {
        cR = R;
        cV = V;
        cB = B;
    }
    dateCreation = horloge::maintenant();
    spin = Spin::aleatoire();
    angleParcouru = 0.0f;
    mOrientation = Matrice::identite();
}

bool Debris::isTooOld() const {
    return isTooOld(horloge::maintenant());
}

bool Debris::isTooOld(Uint32 maintenant) const {
    return maintenant - dateCreation > static_cast<Uint32>(lifeTime);
}

void Debris::deplacer() {
    vitesse.Y -= gravite;
    position.X += vitesse.X;
    position.Y += vitesse.Y;
    position.Z += vitesse.Z;
    // Only the side walls stop fragments, which fall through the floor. One
    // already heading back in is left alone: a fragment born past a wall (a
    // paddle may stick out) would otherwise flip every frame and stay there.
    const bool contreMurGauche = position.X <= terrain::murGauche && vitesse.X < 0.0f;
    const bool contreMurDroit = position.X >= terrain::murDroit && vitesse.X > 0.0f;
    if (contreMurGauche || contreMurDroit) {
        vitesse.X = -vitesse.X;
    }
    angleParcouru += spin.degres;
    if (angleParcouru >= tour) {
        angleParcouru -= tour;
    }
}

const Matrice& Debris::getOrientation() const {
    mOrientation = spin.orientation(angleParcouru);
    return mOrientation;
}

void Debris::coins(float sommets[4][3], float normale[3]) const {
    const float* m = getOrientation().m;
    // The quad's corners (+-width, +-height, 0), turned, then moved to its place.
    const float signes[4][2] = {{1, 1}, {-1, 1}, {-1, -1}, {1, -1}};
    for (int k = 0; k < 4; ++k) {
        const float x = signes[k][0] * bc.lX;
        const float y = signes[k][1] * bc.lY;
        sommets[k][0] = position.X + m[0] * x + m[4] * y;
        sommets[k][1] = position.Y + m[1] * x + m[5] * y;
        sommets[k][2] = position.Z + m[2] * x + m[6] * y;
    }
    // The face's normal (0, 0, 1), turned.
    normale[0] = m[8];
    normale[1] = m[9];
    normale[2] = m[10];
}

void Debris::afficher() {
    float sommets[4][3];
    float normale[3];
    coins(sommets, normale);
    glColor3ub(cR, cV, cB);
    glBegin(GL_QUADS);
    glNormal3fv(normale);
    for (const float* sommet : sommets) {
        glVertex3fv(sommet);
    }
    glEnd();
}
