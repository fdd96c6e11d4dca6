// SPDX-License-Identifier: GPL-3.0-or-later
// How hard a match is played: the player's choice, as the screens name it and
// as the files (settings, kept matches, replays, high scores) spell it.
#ifndef VORLEN_DIFFICULTE_H
#define VORLEN_DIFFICULTE_H

#include "systeme/langue.h"

#include <optional>
#include <string>

namespace difficulte {

// "Normal" is the game as it has always been played.
enum Choix { FACILE, NORMAL, DIFFICILE, nbChoix };

// As the files spell each choice, in order.
inline constexpr const char* mots[nbChoix] = {"facile", "normal", "difficile"};
// As the screens show each choice, to be translated there.
inline constexpr const char* noms[nbChoix] = {N_("Facile"), N_("Normal"), N_("Difficile")};

// The choice a file's word spells; none for a word that spells none.
inline std::optional<Choix> lire(const std::string& mot) {
    for (int c = 0; c < nbChoix; ++c) {
        if (mot == mots[c]) {
            return static_cast<Choix>(c);
        }
    }
    return std::nullopt;
}

} // namespace difficulte

#endif
