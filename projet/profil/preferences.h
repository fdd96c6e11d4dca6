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
// not a choice, one key twice) is one line on standard error naming the file;
// what was wrong keeps its default and the file is left as it is.
void charger(Settings& settings);

// The file's text for these choices.
std::string texte(const Settings& settings);

// Saves the choices, atomically; a failure is one line and the game goes on.
// Without a place for the file, nothing is written.
void enregistrer(const Settings& settings);

} // namespace preferences

#endif
