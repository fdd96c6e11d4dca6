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
} // namespace

Uint32 tempsReel() {
    return sourceCourante ? sourceCourante() : SDL_GetTicks();
}

Uint32 maintenant() {
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

void remplacerSource(Source source) {
    sourceCourante = source;
    tempsSuspendu = 0;
    suspendue = false;
}

} // namespace horloge
