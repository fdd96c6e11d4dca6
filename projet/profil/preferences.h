// SPDX-License-Identifier: GPL-3.0-or-later
// The player's settings file, vorlen.ini in the settings folder: what it
// holds, reading it at start and writing it at each change. A plain INI file
// a player can read and edit by hand.
#ifndef VORLEN_PREFERENCES_H
#define VORLEN_PREFERENCES_H

#include <string>

class Settings;

namespace preferences {

// The file's path; empty when there is no place for it.
std::string cheminFichier();

// Reads the file into `settings`. A missing file leaves the defaults. Each
// problem (unreadable file or line, unknown name, value that is not a key or
// not a choice, one key twice, a NUL byte past which nothing is read) is one
// line on standard error naming the file, a few at most; what was wrong keeps
// its default and the file is left as it is.
void charger(Settings& settings);

// The file's text for these choices, as a save writes a new file.
std::string texte(const Settings& settings);

// Saves the choices this run changed over the file as it stands now, which
// another copy of the game may have saved meanwhile: atomically, through a
// link to its target. The file is edited in place, so that only the lines of
// the values the save changes are rewritten and the player's own text stays;
// an unreadable file, or one a NUL byte cut short, is kept aside and written
// afresh. A failure is one line on standard error and the game goes on.
// What the save did is left in the settings for the menus to show. Without a
// place for the file, nothing is written.
void enregistrer(Settings& settings);

} // namespace preferences

#endif
