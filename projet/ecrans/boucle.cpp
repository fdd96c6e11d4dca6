// SPDX-License-Identifier: GPL-3.0-or-later
#include "ecrans/boucle.h"

#include "systeme/fenetre.h"

namespace {
const Uint32 dureePassage = 50;
} // namespace

bool evenementSuivant(SDL_Event& event, bool& aRedessiner) {
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_F11) {
            fenetre::basculerPleinEcran();
        } else if (event.type == SDL_VIDEORESIZE) {
            // A drag sends size after size: only the last one counts.
            SDL_Event plusRecent;
            while (SDL_PeepEvents(&plusRecent, 1, SDL_GETEVENT, SDL_VIDEORESIZEMASK) == 1) {
                event = plusRecent;
            }
            fenetre::redimensionner(event.resize.w, event.resize.h);
        } else {
            return true;
        }
        aRedessiner = true;
    }
    return false;
}

void finirPassage(Uint32 debut, Uint32 pas) {
    while (SDL_GetTicks() - debut < dureePassage) {
        SDL_Delay(pas);
    }
}
