// SPDX-License-Identifier: GPL-3.0-or-later
// Checking a level file for its designer, without a window: what each entry
// holds, what the reader had to skip or guess, and what can never be finished.
#ifndef VORLEN_VERIFICATION_H
#define VORLEN_VERIFICATION_H

#include "niveaux/niveau.h"

#include <iosfwd>
#include <utility>
#include <vector>

// Exit statuses of the check.
enum StatutVerification { VERIF_FINISSABLE = 0, VERIF_PROBLEMES = 1, VERIF_ILLISIBLE = 2 };

// The breakable bricks no ball can reach, as (column, row) cells: a ball
// reaches the grid from below, by its sides or over its top, cannot slip
// between unbreakable bricks, and a breakable brick opens the way once broken.
std::vector<std::pair<int, int>> briquesEmmurees(const Niveau::Grille& points);

// Reads the level file `fichier` and writes its report on `rapport`.
StatutVerification verifierNiveaux(const char* fichier, std::ostream& rapport);

#endif
