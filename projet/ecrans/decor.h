// SPDX-License-Identifier: GPL-3.0-or-later
// The images behind the menus and the credits: the title image and the SDL
// and OpenGL badges.
#ifndef VORLEN_DECOR_H
#define VORLEN_DECOR_H

#include "rendu/ressourcesgl.h"

#include <GL/gl.h>

class Decor {
public:
    // Reads the three images; one that cannot be read draws blank.
    Decor();

    // Clears the screen and draws the title image tinted grey `teinte` and the
    // two badges, each quad given as texture coordinates then corners.
    void dessiner(GLubyte teinte, const float (*titre)[4], const float (*gl)[4],
                  const float* sdl) const;

private:
    Texture imageTitre;
    Texture logoSDL;
    Texture logoGL;
};

#endif
