// SPDX-License-Identifier: GPL-3.0-or-later
// The heavy scene both benchmarks measure: a full grid, 10 balls, 20
// capsules, 10 shots and 2,000 debris, the same in every run.
#ifndef VORLEN_BENCH_SCENE_H
#define VORLEN_BENCH_SCENE_H

#include "banc.h"
#include "profil/settings.h"

#include <cstdlib>

// The matches as a returning player sees them: no line on how to launch.
inline void commeUnHabitue() {
    currentSettings.setAstuceLancer(false);
}

inline void remplirSceneLourde(Banc<Normal1j>& partie) {
    srand(1);
    partie.niveau().defaultLevel();
    Joueur& J = partie.j1();
    for (int k = 0; k < 10; ++k) {
        partie.poserBalle(J, -30.0f + 6.0f * k, -20.0f + 1.5f * k, -0.6f + 0.13f * k);
    }
    for (int k = 0; k < 20; ++k) {
        partie.bonus().emplace_back(-38.0f + 4.0f * k, 20.0f - k,
                                    static_cast<TYPEBONUS>(1 + k % 7));
    }
    for (int k = 0; k < 10; ++k) {
        partie.tirs().emplace_back(&J, -36.0f + 8.0f * k, -30.0f);
    }
    for (int k = 0; k < 2000; ++k) {
        partie.debris().emplace_back(Vecteur(-35.0f + (k % 70), 25.0f - (k % 30), 0.0f), 0, 0, 0);
    }
}

#endif
