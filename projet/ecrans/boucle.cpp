// SPDX-License-Identifier: GPL-3.0-or-later
#include "ecrans/boucle.h"

namespace {
const Uint32 dureePassage = 50;
} // namespace

void finirPassage(Uint32 debut, Uint32 pas) {
    while (SDL_GetTicks() - debut < dureePassage) {
        SDL_Delay(pas);
    }
}
