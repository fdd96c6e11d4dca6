// SPDX-License-Identifier: GPL-3.0-or-later
#include "systeme/pleinecran.h"

#include "profil/preferences.h"
#include "profil/settings.h"

#include <SDL.h>

#include <iostream>

namespace pleinecran {

namespace {

// Switches the open window; false, with one line, where it cannot.
bool changerFenetre(bool versPleinEcran) {
    SDL_Surface* ecran = SDL_GetVideoSurface();
    if (ecran != nullptr && SDL_WM_ToggleFullScreen(ecran) != 0) {
        return true;
    }
    std::cerr << (versPleinEcran ? "Vorlen: l'affichage refuse le plein écran; le jeu reste "
                                   "en fenêtre"
                                 : "Vorlen: l'affichage refuse de quitter le plein écran")
              << std::endl;
    return false;
}

} // namespace

void basculer() {
    if (changerFenetre(!currentSettings.getPleinEcranState())) {
        currentSettings.switchStatePleinEcran();
        preferences::enregistrer(currentSettings);
    }
}

void appliquerAuDemarrage() {
    if (currentSettings.getPleinEcranState() && !changerFenetre(true)) {
        currentSettings.imposerPleinEcran(false);
    }
}

} // namespace pleinecran
