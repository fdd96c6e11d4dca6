// SPDX-License-Identifier: GPL-3.0-or-later
#include "systeme/icone.h"

#include "systeme/surfaces.h"

#include <SDL_image.h>

#include <cstdio>

const char* const icone::fichierIcone = "vorlen.png";

void icone::poser() {
    const Surface image(IMG_Load(fichierIcone));
    if (!image) {
        std::fprintf(stderr,
                     "Vorlen: icône %s illisible (%s); la fenêtre garde l'icône par défaut, "
                     "remettez l'image dans le dossier du jeu\n",
                     fichierIcone, IMG_GetError());
        return;
    }
    SDL_WM_SetIcon(image.get(), nullptr);
}
