// SPDX-License-Identifier: GPL-3.0-or-later
// Where the replays are kept, in the player's data folder: the last match's,
// always, and one for each line of the high-score tables, named after its
// line so that every copy of the game finds it, and deleted once its line has
// left the tables.
#ifndef VORLEN_REJEUX_H
#define VORLEN_REJEUX_H

#include "jeu/rejeu.h"
#include "profil/fichiers.h"
#include "profil/scores.h"

#include <string>

namespace rejeux {

// The last match's replay; empty when the player has no data folder.
std::string cheminDernier();

// The attract mode's demo: the game's own, in its run-time directory.
std::string cheminDemo();

// The replay kept for `ligne` of `mode`'s table: score, level, date and a
// digest of the names; empty when the player has no data folder.
std::string cheminLigne(MeilleursScores::Mode mode, const LigneScore& ligne);

// The best line's replay among both tables' that kept one; empty when none did.
std::string cheminMeilleur(const MeilleursScores& scores);

// Keeps `rejeu`, dated today, as the last match's, in place of the one
// before. A file there that is not a replay is kept aside, not overwritten.
fichiers::Enregistrement garderDernier(Rejeu rejeu);

// Keeps `rejeu` as the replay of `ligne`, whose names it then shows.
fichiers::Enregistrement garderPourLigne(Rejeu rejeu, MeilleursScores::Mode mode,
                                         const LigneScore& ligne);

// Deletes the kept replays whose line is in neither table of the file
// `fichierScores` any more; files not named as ours are left alone, and all
// of them while that file does not read whole.
void oublierHorsTables(const std::string& fichierScores);

} // namespace rejeux

#endif
