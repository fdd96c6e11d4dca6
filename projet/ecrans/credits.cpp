// SPDX-License-Identifier: GPL-3.0-or-later
#include "ecrans/credits.h"
#include "systeme/langue.h"

void Credits::dessiner() {
    // The title image, dimmed, across the whole width behind the text.
    const float fond[4][4] = {
        {0, 1, -1.0f, 0.8f}, {0, 0, -1.0f, -0.8f}, {1, 0, 1.0f, -0.8f}, {1, 1, 1.0f, 0.8f}};
    const float gl[4][4] = {
        {0, 1, 0.1f, -0.75f}, {0, 0, 0.1f, -0.95f}, {1, 0, 0.4f, -0.95f}, {1, 1, 0.4f, -0.75f}};
    const float sdl[4] = {-0.4f, -1.0f, -0.1f, -0.7f};
    decor.dessiner(200, fond, gl, sdl);

    glColor3ub(200, 255, 255);
    freetype::print(police, 270, 510, "%s", _("Sons et bruitages:"));
    freetype::print(police, 140, 300, "%s", _("Documentation et bibliotheques:"));

    glColor3ub(230, 230, 230);
    freetype::print(police, 150, 470, "%s", _("Effets sonores de Vorlen,"));
    freetype::print(police, 150, 440, "%s", _("synthetises avec SoX"));
    freetype::print(police, 100, 270, "SDL, SDL_image, SDL_mixer:");
    freetype::print(police, 130, 240, "%s", _("Sam Lantinga et libsdl.org"));
    freetype::print(police, 100, 180, "%s", _("FreeType, OpenGL (Mesa), police"));
    freetype::print(police, 130, 150, "DejaVu (Bitstream, DejaVu)");
    SDL_GL_SwapBuffers();
}
