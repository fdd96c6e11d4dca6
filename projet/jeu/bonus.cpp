// SPDX-License-Identifier: GPL-3.0-or-later
#include "jeu/bonus.h"

#include <GL/gl.h>

#include <iostream>

namespace {

// The box is larger than the drawn cube, so capsules are easy to catch.
const float coteBoite = 2.0f;
const float echelleCube = 0.7f;

// Colours of the kinds BONUS_LIFE to BONUS_ARME, in that order.
const Couleur couleursBonus[] = {
    {255, 255, 255}, {0, 255, 0},   {255, 0, 0},   {0, 50, 255},
    {255, 0, 255},   {0, 255, 255}, {255, 255, 0},
};

const std::array<Face, Bonus::nbFaces> facesCube = {{
    {{0, 1, 0}, 4, {{1, 1, -1}, {-1, 1, -1}, {-1, 1, 1}, {1, 1, 1}}},
    {{0, -1, 0}, 4, {{1, -1, 1}, {-1, -1, 1}, {-1, -1, -1}, {1, -1, -1}}},
    {{0, 0, 1}, 4, {{1, 1, 1}, {-1, 1, 1}, {-1, -1, 1}, {1, -1, 1}}},
    {{0, 0, -1}, 4, {{-1, 1, -1}, {1, 1, -1}, {1, -1, -1}, {-1, -1, -1}}},
    {{1, 0, 0}, 4, {{1, 1, -1}, {1, 1, 1}, {1, -1, 1}, {1, -1, -1}}},
    {{-1, 0, 0}, 4, {{-1, 1, 1}, {-1, 1, -1}, {-1, -1, -1}, {-1, -1, 1}}},
}};

} // namespace

Bonus::Bonus(float X, float Y, TYPEBONUS T)
    : Item(X, Y), type(T), bc{coteBoite, coteBoite, coteBoite},
      mRotation(Matrice::rotationAleatoire()), mOrientation(Matrice::identite()) {}

void Bonus::deplacer() {
    position.Y -= vDescente;
    tourner();
}

const std::array<Face, Bonus::nbFaces>& Bonus::faces() {
    return facesCube;
}

void Bonus::afficher() {
    glPushMatrix();
    glTranslatef(position.X, position.Y, position.Z);
    glMultMatrixf(mOrientation.m);
    if (type >= BONUS_LIFE && type <= BONUS_ARME) {
        const Couleur& c = couleursBonus[type - BONUS_LIFE];
        glColor3ub(c.r, c.v, c.b);
    } else {
        // A capsule that carries nothing keeps the current colour.
        std::cout << " bonus en bois" << std::endl;
    }
    glScalef(echelleCube, echelleCube, echelleCube);
    glBegin(GL_QUADS);
    for (const Face& face : facesCube) {
        face.emettre();
    }
    glEnd();
    glPopMatrix();
}
