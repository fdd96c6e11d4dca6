// SPDX-License-Identifier: GPL-3.0-or-later
#include "systeme/horloge.h"

#include <SDL_timer.h>

namespace horloge {

namespace {
Source sourceCourante = nullptr;
// Time spent in pauses that are over, and the start of the current one.
Uint32 tempsSuspendu = 0;
bool suspendue = false;
Uint32 debutSuspension = 0;
bool figee = false;
Uint32 instantFige = 0;
} // namespace

Uint32 tempsReel() {
    return sourceCourante ? sourceCourante() : SDL_GetTicks();
}

Uint32 maintenant() {
    if (figee) {
        return instantFige;
    }
    return (suspendue ? debutSuspension : tempsReel()) - tempsSuspendu;
}

void suspendre() {
    if (!suspendue) {
        suspendue = true;
        debutSuspension = tempsReel();
    }
}

void reprendre() {
    if (suspendue) {
        suspendue = false;
        tempsSuspendu += tempsReel() - debutSuspension;
    }
}

void figer() {
    figee = false;
    imposer(maintenant());
}

void imposer(Uint32 ms) {
    instantFige = ms;
    figee = true;
}

void liberer() {
    figee = false;
}

void remplacerSource(Source source) {
    sourceCourante = source;
    figee = false;
    tempsSuspendu = 0;
    suspendue = false;
}

} // namespace horloge
