// SPDX-License-Identifier: GPL-3.0-or-later
#include "ecrans/boucle.h"

#include "profil/preferences.h"
#include "profil/settings.h"
#include "systeme/fenetre.h"

namespace {
const Uint32 dureePassage = 50;
} // namespace

bool evenementSuivant(SDL_Event& event, bool& aRedessiner) {
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_F11) {
            basculerPleinEcranRetenu();
        } else if (event.type == SDL_VIDEORESIZE) {
            // A drag sends size after size: only the last one counts.
            SDL_Event plusRecent;
            while (SDL_PeepEvents(&plusRecent, 1, SDL_GETEVENT, SDL_VIDEORESIZEMASK) == 1) {
                event = plusRecent;
            }
            if (fenetre::redimensionner(event.resize.w, event.resize.h)) {
                preferences::enregistrer(currentSettings);
            }
        } else {
            return true;
        }
        aRedessiner = true;
    }
    return false;
}

void basculerPleinEcranRetenu() {
    if (fenetre::basculerPleinEcran()) {
        preferences::enregistrer(currentSettings);
    }
}

bool toucheQuelconque(const SDL_Event& event) {
    return event.type == SDL_KEYDOWN || event.type == SDL_MOUSEBUTTONDOWN ||
           event.type == SDL_JOYBUTTONDOWN;
}

SDLKey toucheDeManette(const SDL_Event& event, int (&axes)[2]) {
    if (event.type == SDL_JOYAXISMOTION && event.jaxis.axis < 2) {
        const int seuil = 16000;
        const int sens = event.jaxis.value < -seuil ? -1 : event.jaxis.value > seuil ? 1 : 0;
        int& avant = axes[event.jaxis.axis];
        const bool nouvellePente = sens != 0 && sens != avant;
        avant = sens;
        const SDLKey fleches[2][2] = {{SDLK_LEFT, SDLK_RIGHT}, {SDLK_UP, SDLK_DOWN}};
        return nouvellePente ? fleches[event.jaxis.axis][sens > 0] : SDLK_UNKNOWN;
    }
    if (event.type == SDL_JOYHATMOTION) {
        const Uint8 v = event.jhat.value;
        return (v & SDL_HAT_UP)      ? SDLK_UP
               : (v & SDL_HAT_DOWN)  ? SDLK_DOWN
               : (v & SDL_HAT_LEFT)  ? SDLK_LEFT
               : (v & SDL_HAT_RIGHT) ? SDLK_RIGHT
                                     : SDLK_UNKNOWN;
    }
    if (event.type == SDL_JOYBUTTONDOWN && event.jbutton.button < 2) {
        return event.jbutton.button == 0 ? SDLK_RETURN : SDLK_ESCAPE;
    }
    return SDLK_UNKNOWN;
}

void finirPassage(Uint32 debut, Uint32 pas) {
    while (SDL_GetTicks() - debut < dureePassage) {
        SDL_Delay(pas);
    }
}
