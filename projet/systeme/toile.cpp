// SPDX-License-Identifier: GPL-3.0-or-later
#include "systeme/toile.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

namespace toile {

namespace {

// Until the window says otherwise, it is exactly the canvas.
int largeurActuelle = largeurToile;
int hauteurActuelle = hauteurToile;
float echelleActuelle = 1.0f;
// The picture's lower-left corner in the window: the left or bottom bar.
int decalageX = 0;
int decalageY = 0;

int arrondi(float v) {
    return static_cast<int>(std::lround(v));
}

} // namespace

void adapter(int largeurFenetre, int hauteurFenetre) {
    largeurActuelle = std::max(largeurFenetre, 1);
    hauteurActuelle = std::max(hauteurFenetre, 1);
    echelleActuelle = std::min(static_cast<float>(largeurActuelle) / largeurToile,
                               static_cast<float>(hauteurActuelle) / hauteurToile);
    decalageX = (largeurActuelle - arrondi(largeurToile * echelleActuelle)) / 2;
    decalageY = (hauteurActuelle - arrondi(hauteurToile * echelleActuelle)) / 2;
}

int largeurFenetre() {
    return largeurActuelle;
}

int hauteurFenetre() {
    return hauteurActuelle;
}

float echelle() {
    return echelleActuelle;
}

Rectangle versFenetre(const Rectangle& r) {
    const int x0 = decalageX + arrondi(r.x * echelleActuelle);
    const int y0 = decalageY + arrondi(r.y * echelleActuelle);
    const int x1 = decalageX + arrondi((r.x + r.largeur) * echelleActuelle);
    const int y1 = decalageY + arrondi((r.y + r.hauteur) * echelleActuelle);
    return {x0, y0, x1 - x0, y1 - y0};
}

Rectangle versToile(const Rectangle& r) {
    const int x0 = arrondi((r.x - decalageX) / echelleActuelle);
    const int y0 = arrondi((r.y - decalageY) / echelleActuelle);
    const int x1 = arrondi((r.x + r.largeur - decalageX) / echelleActuelle);
    const int y1 = arrondi((r.y + r.hauteur - decalageY) / echelleActuelle);
    return {x0, y0, x1 - x0, y1 - y0};
}

bool pointVersToile(int xFenetre, int yFenetre, float& x, float& y) {
    // The pixel's centre, with y turned to count from the bottom.
    x = (xFenetre + 0.5f - decalageX) / echelleActuelle;
    y = (hauteurActuelle - yFenetre - 0.5f - decalageY) / echelleActuelle;
    return x >= 0.0f && x < largeurToile && y >= 0.0f && y < hauteurToile;
}

void vue(const Rectangle& r) {
    const Rectangle f = versFenetre(r);
    glViewport(f.x, f.y, f.largeur, f.hauteur);
}

void vueEntiere() {
    vue({0, 0, largeurToile, hauteurToile});
}

void nouvelleImage() {
    vueEntiere();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

} // namespace toile
