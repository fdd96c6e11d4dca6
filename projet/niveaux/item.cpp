// SPDX-License-Identifier: GPL-3.0-or-later
#include "niveaux/item.h"

#include "systeme/hasard.h"
#include <GL/gl.h>

#include <cmath>
#include <cstdlib>

namespace {

const float sansNorme = -1.0f;
// Below this angle from +X a normal is taken as pointing straight along X.
const double angleNegligeable = 0.01;
const float pi = 3.14159265358979f;

// Spin draws: rand() % tiragesSpin, divided by diviseurSpin.
const int tiragesSpin = 30;
const float diviseurSpin = 3.0f;

float produitScalaire(const float* a, const float* b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

void normaliser(float* a) {
    const float longueur = std::sqrt(produitScalaire(a, a));
    for (int i = 0; i < 3; ++i) {
        a[i] /= longueur;
    }
}

// One spin draw: 0, 1/3, ..., 29/3.
float tirageSpin() {
    return (hasard::tirer() % tiragesSpin) / diviseurSpin;
}

} // namespace

Vecteur::Vecteur() : X(0.0f), Y(0.0f), Z(0.0f), norme(sansNorme) {}

Vecteur::Vecteur(float x, float y, float z) : X(x), Y(y), Z(z), norme(sansNorme) {}

Vecteur::Vecteur(const Vecteur& v) : X(v.X), Y(v.Y), Z(v.Z), norme(v.norme) {}

Vecteur& Vecteur::operator=(const Vecteur& v) {
    X = v.X;
    Y = v.Y;
    Z = v.Z;
    return *this;
}

Vecteur Vecteur::operator+(const Vecteur& v) const {
    return Vecteur(X + v.X, Y + v.Y, Z + v.Z);
}

Vecteur Vecteur::operator-(const Vecteur& v) const {
    return Vecteur(X - v.X, Y - v.Y, Z - v.Z);
}

Vecteur Vecteur::operator*(const Vecteur& n) const {
    // The reflected velocity keeps the speed its owner cached.
    Vecteur r;
    r.norme = norme;
    if ((n.X == 1.0f || n.X == -1.0f) && n.Y == 0.0f) {
        r.X = -X;
        r.Y = Y;
        return r;
    }
    if ((n.Y == 1.0f || n.Y == -1.0f) && n.X == 0.0f) {
        r.X = X;
        r.Y = -Y;
        return r;
    }
    float angle = std::atan2(static_cast<double>(n.Y), static_cast<double>(n.X));
    const float k = (X * n.X + Y * n.Y) * -2.0f;
    if (std::fabs(angle) <= angleNegligeable) {
        angle = 0.0f;
    }
    r.X = X + std::cos(angle) * k;
    r.Y = Y + std::sin(angle) * k;
    return r;
}

Item::Item(float X, float Y) : position(X, Y, 0.0f) {}

Item::Item(Vecteur pos) {
    // Assigned, not copied: the position never carries a cached length.
    position = pos;
}

void Face::emettre() const {
    glNormal3i(normale[0], normale[1], normale[2]);
    for (int i = 0; i < nbSommets; ++i) {
        glVertex3fv(sommets[i]);
    }
}

void Face::emettre(float dx, float dy, float dz) const {
    glNormal3i(normale[0], normale[1], normale[2]);
    for (int i = 0; i < nbSommets; ++i) {
        glVertex3f(sommets[i][0] + dx, sommets[i][1] + dy, sommets[i][2] + dz);
    }
}

Matrice Matrice::identite() {
    Matrice r = {};
    r.m[0] = r.m[5] = r.m[10] = r.m[15] = 1.0f;
    return r;
}

Matrice Matrice::rotation(float degres, float x, float y, float z) {
    float axe[3] = {x, y, z};
    normaliser(axe);
    x = axe[0];
    y = axe[1];
    z = axe[2];
    const float radians = degres * pi / 180.0f;
    const float c = std::cos(radians);
    const float s = std::sin(radians);
    const float t = 1.0f - c;
    Matrice r = identite();
    r.m[0] = x * x * t + c;
    r.m[1] = y * x * t + z * s;
    r.m[2] = x * z * t - y * s;
    r.m[4] = x * y * t - z * s;
    r.m[5] = y * y * t + c;
    r.m[6] = y * z * t + x * s;
    r.m[8] = x * z * t + y * s;
    r.m[9] = y * z * t - x * s;
    r.m[10] = z * z * t + c;
    return r;
}

Matrice Matrice::rotationAleatoire() {
    const Spin spin = Spin::aleatoire();
    return spin.orientation(spin.degres);
}

Spin Spin::aleatoire() {
    // Separate statements: the draws must come in this order.
    const float u = tirageSpin();
    const float v = tirageSpin();
    const float w = tirageSpin();
    return {w, {v, u, 1.0f}};
}

Matrice Spin::orientation(float angle) const {
    return Matrice::rotation(angle, axe[0], axe[1], axe[2]);
}

Matrice Matrice::operator*(const Matrice& droite) const {
    Matrice r;
    for (int colonne = 0; colonne < 4; ++colonne) {
        for (int ligne = 0; ligne < 4; ++ligne) {
            float somme = 0.0f;
            for (int k = 0; k < 4; ++k) {
                somme += m[k * 4 + ligne] * droite.m[colonne * 4 + k];
            }
            r.m[colonne * 4 + ligne] = somme;
        }
    }
    return r;
}

void Matrice::tourner(const Matrice& spin) {
    *this = *this * spin;
    // Gram-Schmidt on the three axes, the third rebuilt as the cross product.
    float* axeX = &m[0];
    float* axeY = &m[4];
    float* axeZ = &m[8];
    normaliser(axeX);
    const float projection = produitScalaire(axeX, axeY);
    for (int i = 0; i < 3; ++i) {
        axeY[i] -= projection * axeX[i];
    }
    normaliser(axeY);
    axeZ[0] = axeX[1] * axeY[2] - axeX[2] * axeY[1];
    axeZ[1] = axeX[2] * axeY[0] - axeX[0] * axeY[2];
    axeZ[2] = axeX[0] * axeY[1] - axeX[1] * axeY[0];
}
