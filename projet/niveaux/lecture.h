// SPDX-License-Identifier: GPL-3.0-or-later
// The level file's reader: the entry the match asks for, found as the match
// looks for it, and every entry in turn for the checker, the editor and the
// level sets. Whatever the file holds, the reading costs bounded time and
// memory, and each problem met is one line naming the file.
#ifndef VORLEN_LECTURE_H
#define VORLEN_LECTURE_H

#include "niveaux/niveau.h"

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <map>
#include <string>

// Entry `nNiveau` of the level file `fichier` into `points`, looked for as
// the match does: from the file's start, going round to entry 1 past the
// end, so that `nNiveau` becomes the number found. False, with the file's
// problem in one line, when the match must play the built-in level instead.
bool lireEntree(const char* fichier, int& nNiveau, Niveau::Grille& points);

// How far the game looks for a level to play past one with nothing to
// break: far beyond any level file made by hand, and read in a blink.
constexpr long maxEntreesCherchees = 10000;

// The cells a ball can break: a level without one is skipped by the match.
int nbBriquesCassables(const Niveau::Grille& points);

// One entry of a level file as the loader reads it.
struct EntreeNiveaux {
    int numero = 0;
    Niveau::Grille points{};
    int valeursLues = 0; // fewer than the 160 cells when the entry is cut short
};

// 999 levels take half a megabyte, the 10,000 entries the game looks at
// five: a longer file is not a level file, and is refused before it is read.
constexpr std::size_t tailleMaxFichierNiveaux = 8u << 20;

// What the reader says of a level file that is not there.
inline constexpr const char* fichierIntrouvable = "est introuvable";

// What reading a whole level file came to.
struct LectureNiveaux {
    const char* echec = nullptr; // what kept the file from being read, e.g. fichierIntrouvable
    long nbEntrees = 0;
    int nbSignalements = 0; // problems met, each reported or counted
    bool complete = true;   // false when the reading was stopped before the end
};

// Reads `fichier` entry by entry, in file order, with the game's own reader,
// handing each to `chaqueEntree`, which returns false to stop there: one entry
// at a time in memory, whatever the file's size. Each problem met is one line
// on `rapport`, naming the file, as the game reports them while it plays.
LectureNiveaux lireNiveaux(const char* fichier, std::ostream& rapport,
                           const std::function<bool(const EntreeNiveaux&)>& chaqueEntree);

// The same over a level file's text already read, named `nom` in reports.
LectureNiveaux lireTexteNiveaux(const std::string& texte, const char* nom, std::ostream& rapport,
                                const std::function<bool(const EntreeNiveaux&)>& chaqueEntree);

// The breakable bricks of each level of the file, as the match plays it:
// the first entry of each number, among the entries the game looks at.
// `lecture` says how the reading went.
std::map<int, int> cassablesParNiveau(const char* fichier, LectureNiveaux& lecture);

#endif
