// SPDX-License-Identifier: GPL-3.0-or-later
// Finding the run-time directory (levels, font, images, sounds) wherever
// the game is started from, installed or in its build tree.
#ifndef VORLEN_DONNEES_H
#define VORLEN_DONNEES_H

#include <string>
#include <vector>

// The font every text of the game is drawn with, under the name the
// run-time directory gives it. Its presence marks that directory: without the
// font the game cannot draw a word.
constexpr const char* fichierPolice = "AXAXAX.TTF";

// The directories to look in, in order: `choisi` (from --donnees) and the
// environment's VORLEN_DONNEES when set, the data folder chosen when the game
// was configured (VORLEN_DONNEES_RELATIVES, from the program's own folder),
// then the current directory.
std::vector<std::string> dossiersCandidats(const std::string& choisi);

// Makes the first candidate that holds the font the working directory;
// false when none does, the game then staying where it was started.
bool allerAuxDonnees(const std::vector<std::string>& candidats);

// The candidates as one list for a message: "a, b, c".
std::string listeDossiers(const std::vector<std::string>& candidats);

// Where the translations' catalogues are, found like the data: the locale
// folder of the prefix installed (VORLEN_CATALOGUES_RELATIFS from the
// program's folder), else the build's own beside the program; empty for none.
std::string dossierCatalogues();

#endif
