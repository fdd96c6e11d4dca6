// SPDX-License-Identifier: GPL-3.0-or-later
// The ten best scores of each game mode, kept between runs in a text file a
// player can read and mend by hand, and the name a player types to enter one.
#ifndef VORLEN_SCORES_H
#define VORLEN_SCORES_H

#include "profil/difficulte.h"
#include "profil/fichiers.h"

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

// One score of a table: what the match reached and who played it.
struct LigneScore {
    int score;
    int niveau;
    std::string date;              // YYYY-MM-DD, the day the match ended
    std::vector<std::string> noms; // one per player, in player order
    difficulte::Choix difficulte = difficulte::NORMAL;
};

// The best scores of one mode, best first; equal scores keep their age order.
class TableScores {
public:
    static constexpr int taille = 10;

    // The rank (0 for the best) a new score would take, or -1 when too low
    // or not above 0.
    int rangPour(int score) const;
    // Inserts the line below the scores at least as good; returns its rank,
    // or -1 when it does not enter. The line pushed past the tenth is dropped.
    int ajouter(const LigneScore& ligne);
    const std::vector<LigneScore>& getLignes() const { return lignes; }

private:
    std::vector<LigneScore> lignes;
};

// Both tables and the file that keeps them.
class MeilleursScores {
public:
    enum Mode { MODE_1J, MODE_COOP, nbModes };
    // The section names in the file, which are also the tables' headings.
    static const char* const nomsModes[nbModes];

    // The player's table file: dossierDonneesJoueur()/scores.txt, or empty
    // when the player has no data folder (the scores then last one run).
    static std::string fichierDuJoueur();

    // Reads the tables from `chemin`. A missing file gives empty tables; each
    // line that does not read is dropped and named, with its number, on
    // standard error (a few at most); a file that cannot be read at all is
    // one line and empty tables. The file itself is left as it is. True when
    // the tables hold the whole file: absent, or read without a line dropped.
    bool charger(const std::string& chemin);
    // Enters the line in its mode's table and, when it entered, saves the file
    // as it stands now (another copy of the game may have saved meanwhile)
    // merged with this copy's new lines, the ten best of each table kept; a
    // file with lines that did not read is kept aside as it was first.
    // Returns the line's rank, or -1. A failed save is told in one line on
    // standard error and kept for the screen; the line stays in memory and
    // goes with the next save.
    int inscrire(Mode mode, const LigneScore& ligne);
    // Why the last inscription could not be saved, and the file; not
    // reussi only when it was not.
    const fichiers::Enregistrement& getEnregistrement() const { return enregistrement; }

    const TableScores& table(Mode mode) const { return tables[mode]; }
    // The file's text; lire() accepts it back.
    std::string texte() const;
    // Replaces the tables with every line of `texte` that reads; each one that
    // does not is named on `rapport`. Gives how many were dropped.
    int lire(const std::string& texte, std::ostream& rapport);

private:
    static std::string texteDe(const TableScores (&tables)[nbModes]);

    std::string chemin;
    TableScores tables[nbModes];
    // Lines entered in this run and not yet in the file.
    std::vector<LigneScore> nonEnregistrees[nbModes];
    fichiers::Enregistrement enregistrement = fichiers::Enregistrement::reussite();
};

// A name as a player types it: letters, digits and spaces, 12 at most, and
// no more than its box shows.
class SaisieNom {
public:
    static constexpr std::size_t longueurMax = 12;
    // Whether a text fits the box the name is typed in.
    using Tient = std::function<bool(const std::string&)>;

    // Starts from `propose`, cut to what a name may hold; any text fits when
    // `dansLaBoite` is empty.
    explicit SaisieNom(const std::string& propose, Tient dansLaBoite = {});
    // A typed character (its code): kept if a name may hold it and room is left.
    void taper(unsigned int caractere);
    // Removes the last character, if any.
    void effacer();
    const std::string& getTexte() const { return texte; }
    // The name to keep: the text without its outer spaces, or `parDefaut`
    // when nothing else is left.
    std::string nom(const std::string& parDefaut) const;

private:
    std::string texte;
    Tient tient;
};

// The login name, as far as a name may hold it; empty when unknown.
std::string nomDeConnexion();
// Today's local date, YYYY-MM-DD.
std::string dateDuJour();

#endif
