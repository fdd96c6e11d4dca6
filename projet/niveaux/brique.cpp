// SPDX-License-Identifier: GPL-3.0-or-later
#include "niveaux/brique.h"

#include <GL/gl.h>

namespace {

const Couleur couleurIncassable = {200, 200, 200};
const int pointsIncassable = -1;

// The block's corners: the flat faces stop short of the full extents
// (2.0, 1.0, 0.5) so that every edge and corner is bevelled.
const float A = 1.5f; // X of the top, bottom, front and back faces
const float B = 2.0f; // X of the side faces
const float H = 1.0f; // Y of the top and bottom faces
const float D = 0.6f; // Y of the side, front and back faces
const float E = 0.3f; // Z of the top, bottom and side faces
const float F = 0.5f; // Z of the front and back faces

const std::array<Face, Brique::nbFaces> facesBrique = {{
    // Flat faces: top, bottom, right, left, front, back.
    {{0, 1, 0}, 4, {{A, H, -E}, {-A, H, -E}, {-A, H, E}, {A, H, E}}},
    {{0, -1, 0}, 4, {{A, -H, E}, {-A, -H, E}, {-A, -H, -E}, {A, -H, -E}}},
    {{1, 0, 0}, 4, {{B, D, -E}, {B, D, E}, {B, -D, E}, {B, -D, -E}}},
    {{-1, 0, 0}, 4, {{-B, D, E}, {-B, D, -E}, {-B, -D, -E}, {-B, -D, E}}},
    {{0, 0, 1}, 4, {{A, D, F}, {-A, D, F}, {-A, -D, F}, {A, -D, F}}},
    {{0, 0, -1}, 4, {{-A, D, -F}, {A, D, -F}, {A, -D, -F}, {-A, -D, -F}}},
    // Bevels along the front edges, then the back edges, then the sides.
    {{0, 1, 1}, 4, {{A, D, F}, {A, H, E}, {-A, H, E}, {-A, D, F}}},
    {{0, -1, 1}, 4, {{A, -H, E}, {A, -D, F}, {-A, -D, F}, {-A, -H, E}}},
    {{1, 0, 1}, 4, {{A, D, F}, {A, -D, F}, {B, -D, E}, {B, D, E}}},
    {{-1, 0, 1}, 4, {{-A, D, F}, {-B, D, E}, {-B, -D, E}, {-A, -D, F}}},
    {{0, 1, -1}, 4, {{-A, D, -F}, {-A, H, -E}, {A, H, -E}, {A, D, -F}}},
    {{0, -1, -1}, 4, {{-A, -H, -E}, {-A, -D, -F}, {A, -D, -F}, {A, -H, -E}}},
    {{1, 0, -1}, 4, {{B, D, -E}, {B, -D, -E}, {A, -D, -F}, {A, D, -F}}},
    {{-1, 0, -1}, 4, {{-A, -D, -F}, {-B, -D, -E}, {-B, D, -E}, {-A, D, -F}}},
    {{-1, 1, 0}, 4, {{-A, H, E}, {-A, H, -E}, {-B, D, -E}, {-B, D, E}}},
    {{-1, -1, 0}, 4, {{-B, -D, E}, {-B, -D, -E}, {-A, -H, -E}, {-A, -H, E}}},
    {{1, 1, 0}, 4, {{B, D, E}, {B, D, -E}, {A, H, -E}, {A, H, E}}},
    {{1, -1, 0}, 4, {{A, -H, E}, {A, -H, -E}, {B, -D, -E}, {B, -D, E}}},
    // Corner triangles, front ones first.
    {{-1, 1, 1}, 3, {{-A, D, F}, {-A, H, E}, {-B, D, E}}},
    {{1, 1, 1}, 3, {{B, D, E}, {A, H, E}, {A, D, F}}},
    {{-1, -1, 1}, 3, {{-B, -D, E}, {-A, -H, E}, {-A, -D, F}}},
    {{1, -1, 1}, 3, {{A, -D, F}, {A, -H, E}, {B, -D, E}}},
    {{-1, 1, -1}, 3, {{-B, D, -E}, {-A, H, -E}, {-A, D, -F}}},
    {{1, 1, -1}, 3, {{A, D, -F}, {A, H, -E}, {B, D, -E}}},
    {{-1, -1, -1}, 3, {{-A, -D, -F}, {-A, -H, -E}, {-B, -D, -E}}},
    {{1, -1, -1}, 3, {{B, -D, -E}, {A, -H, -E}, {A, -D, -F}}},
}};

// One channel of the hit-point colour, wrapped to 8 bits.
unsigned char canal(unsigned base, int parPoint, int points) {
    return static_cast<unsigned char>(base + static_cast<unsigned>(parPoint) *
                                                 static_cast<unsigned>(points));
}

} // namespace

Brique::Brique(int solidite, float X, float Y)
    : Item(X, Y), ptsVie(solidite), bc{2.0f * demieLongX, 2.0f * demieLongY, 1.0f} {}

bool Brique::faireDegats(int n) {
    // Unbreakable and already broken bricks take no damage.
    if (ptsVie < 1) {
        return false;
    }
    ptsVie -= n;
    return ptsVie < 1;
}

Couleur Brique::couleurPourPoints(int points) {
    if (points == pointsIncassable) {
        return couleurIncassable;
    }
    return {canal(240, -15, points), canal(50, 20, points), canal(150, -2, points)};
}

const std::array<Face, Brique::nbFaces>& Brique::faces() {
    return facesBrique;
}

void Brique::afficher() {
    glPushMatrix();
    glTranslatef(position.X, position.Y, position.Z);
    const Couleur c = couleurPourPoints(ptsVie);
    glColor3ub(c.r, c.v, c.b);
    glBegin(GL_QUADS);
    for (int i = 0; i < nbQuadrilateres; ++i) {
        facesBrique[i].emettre();
    }
    glEnd();
    glBegin(GL_TRIANGLES);
    for (int i = nbQuadrilateres; i < nbFaces; ++i) {
        facesBrique[i].emettre();
    }
    glEnd();
    glPopMatrix();
}

void Brique::emettreEnPlace(bool triangles) const {
    const Couleur c = couleurPourPoints(ptsVie);
    glColor3ub(c.r, c.v, c.b);
    const int premiere = triangles ? nbQuadrilateres : 0;
    const int fin = triangles ? nbFaces : nbQuadrilateres;
    for (int i = premiere; i < fin; ++i) {
        // The camera faces the field from far in front: faces turned to the
        // back are always culled, yet their corners would still be lit.
        if (facesBrique[i].normale[2] >= 0) {
            facesBrique[i].emettre(position.X, position.Y, position.Z);
        }
    }
}
