// SPDX-License-Identifier: GPL-3.0-or-later
// Where the replays are kept: the last match's, always, in the player's data
// folder.
#ifndef VORLEN_REJEUX_H
#define VORLEN_REJEUX_H

#include "jeu/rejeu.h"
#include "profil/fichiers.h"

#include <string>

namespace rejeux {

// The last match's replay; empty when the player has no data folder.
std::string cheminDernier();

// The attract mode's demo: the game's own, in its run-time directory.
std::string cheminDemo();

// Keeps `rejeu`, dated today, as the last match's, in place of the one
// before. A file there that is not a replay is kept aside, not overwritten.
fichiers::Enregistrement garderDernier(Rejeu rejeu);

} // namespace rejeux

#endif
