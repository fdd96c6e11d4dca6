// SPDX-License-Identifier: GPL-3.0-or-later
#include "ecrans/decor.h"

#include "rendu/imagesgl.h"
#include "systeme/toile.h"

namespace {

// One textured quad: texture coordinates then corners, in the given order.
void quadTexture(const float (*coins)[4]) {
    glBegin(GL_QUADS);
    for (int k = 0; k < 4; ++k) {
        glTexCoord2f(coins[k][0], coins[k][1]);
        glVertex2f(coins[k][2], coins[k][3]);
    }
    glEnd();
}

// The SDL badge between (gauche, bas) and (droite, haut), a tint at each corner.
void quadSDL(float gauche, float bas, float droite, float haut) {
    glBegin(GL_QUADS);
    glColor3ub(255, 255, 200);
    glTexCoord2f(0, 1);
    glVertex2f(gauche, haut);
    glColor3ub(220, 220, 220);
    glTexCoord2f(0, 0);
    glVertex2f(gauche, bas);
    glColor3ub(200, 200, 255);
    glTexCoord2f(1, 0);
    glVertex2f(droite, bas);
    glColor3ub(220, 220, 220);
    glTexCoord2f(1, 1);
    glVertex2f(droite, haut);
    glEnd();
}

} // namespace

Decor::Decor() {
    imageTitre.reset(loadTexture("vorlen.jpg", true));
    logoSDL.reset(loadTexture("SDL.jpg", false));
    logoGL.reset(loadTexture("OpenGL_logo.jpg", true));
}

void Decor::dessiner(GLubyte teinte, const float (*titre)[4], const float (*gl)[4],
                     const float* sdl) const {
    toile::nouvelleImage();
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, imageTitre.nom());
    glColor3ub(teinte, teinte, teinte);
    quadTexture(titre);
    glBindTexture(GL_TEXTURE_2D, logoGL.nom());
    quadTexture(gl);
    glBindTexture(GL_TEXTURE_2D, logoSDL.nom());
    quadSDL(sdl[0], sdl[1], sdl[2], sdl[3]);
    glDisable(GL_TEXTURE_2D);
}
