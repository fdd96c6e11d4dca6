#include "debris.h"

#include "horloge.h"

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
const float mur = 40.0f;

float tirageVitesse() {
    return (std::rand() % nbVitesses - centreVitesses) / pasVitesses;
}

unsigned char tirageTeinte() {
    return static_cast<unsigned char>(std::rand() % nbTeintes);
}

} // namespace

Debris::Debris(Vecteur pos, unsigned char R, unsigned char V, unsigned char B)
    : Item(pos, 0.0f, 0.0f, 0.0f) {
    // Every draw is its own statement: the order of the rand() calls matters.
    vitesse.X = tirageVitesse();
    vitesse.Y = tirageVitesse();
    vitesse.Z = tirageVitesse();
    bc.lX = (std::rand() % nbTailles) / diviseurLargeur;
    bc.lY = (std::rand() % nbTailles) / diviseurHauteur;
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
    mRotation = Matrice::rotationAleatoire();
    mOrientation = Matrice::identite();
}

bool Debris::isTooOld() const {
    return horloge::maintenant() - dateCreation > static_cast<Uint32>(lifeTime);
}

void Debris::deplacer() {
    vitesse.Y -= gravite;
    position = position + vitesse;
    // Only the side walls stop fragments, which fall through the floor. One
    // already heading back in is left alone: a fragment born past a wall (a
    // paddle may stick out) would otherwise flip every frame and stay there.
    const bool contreMurGauche = position.X <= -mur && vitesse.X < 0.0f;
    const bool contreMurDroit = position.X >= mur && vitesse.X > 0.0f;
    if (contreMurGauche || contreMurDroit) {
        vitesse.X = -vitesse.X;
    }
    mOrientation.tourner(mRotation);
}

void Debris::afficher() {
    const float largeur = bc.lX;
    const float hauteur = bc.lY;
    glPushMatrix();
    glTranslatef(position.X, position.Y, position.Z);
    glMultMatrixf(mOrientation.m);
    glColor3ub(cR, cV, cB);
    glBegin(GL_QUADS);
    glNormal3i(0, 0, 1);
    glVertex3f(largeur, hauteur, 0.0f);
    glVertex3f(-largeur, hauteur, 0.0f);
    glVertex3f(-largeur, -hauteur, 0.0f);
    glVertex3f(largeur, -hauteur, 0.0f);
    glEnd();
    glPopMatrix();
}
