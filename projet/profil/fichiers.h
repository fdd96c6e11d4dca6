// SPDX-License-Identifier: GPL-3.0-or-later
// Where the player's own files live (settings, high scores), and how they are
// written so that a crash or a full disk never leaves half a file behind.
#ifndef VORLEN_FICHIERS_H
#define VORLEN_FICHIERS_H

#include <string>

namespace fichiers {

// $XDG_CONFIG_HOME/vorlen, else ~/.config/vorlen; empty when neither
// XDG_CONFIG_HOME nor HOME gives a place (the choices then live in memory).
std::string dossierPreferences();
// $XDG_DATA_HOME/vorlen, else ~/.local/share/vorlen; empty likewise.
std::string dossierDonneesJoueur();

// Writes `contenu` to a temporary file beside `chemin`, flushes it to disk and
// renames it over `chemin`, creating the folder first. On failure the old file
// is untouched, `erreur` says what went wrong and the result is false.
bool ecrireAtomiquement(const std::string& chemin, const std::string& contenu, std::string& erreur);

// Moves a file we cannot read out of the way under a name not yet taken
// ("scores.txt" becomes "scores.txt.illisible", then ".illisible-2"…), so that
// the next save does not destroy what the player may want to mend by hand.
// Returns the new name, or an empty string when the rename failed.
std::string mettreDeCote(const std::string& chemin);

} // namespace fichiers

#endif
