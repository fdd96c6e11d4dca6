// SPDX-License-Identifier: GPL-3.0-or-later
#include "jeu/tir.h"

namespace {

const int finesseSphere = 5;
const GLfloat jaune[] = {0.4f, 0.4f, 0.0f, 0.5f};
const GLfloat rien[] = {0.0f, 0.0f, 0.0f, 0.0f};
const Couleur couleurTir = {200, 200, 200};

} // namespace

Tir::Tir(Joueur* prop, float X, float Y)
    : Item(X, Y), proprietaire(prop), quadric(nouvelleQuadrique()), rayon(rayonTir),
      vitesse(vitesseTir) {}

void Tir::deplacer() {
    position.Y += vitesse;
}

void Tir::afficher() {
    glPushMatrix();
    glMaterialfv(GL_FRONT, GL_EMISSION, jaune);
    glColor3ub(couleurTir.r, couleurTir.v, couleurTir.b);
    glTranslatef(position.X, position.Y, position.Z);
    gluSphere(quadric.get(), rayon, finesseSphere, finesseSphere);
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, rien);
    glPopMatrix();
}
