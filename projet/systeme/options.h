// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: what the player asks of this run of the game.
#ifndef VORLEN_OPTIONS_H
#define VORLEN_OPTIONS_H

#include <iosfwd>
#include <string>
#include <vector>

struct Options {
    // What the run does.
    enum Action {
        ACTION_JOUER,
        ACTION_AIDE,
        ACTION_VERSION,
        ACTION_VERIFIER,
        ACTION_ERREUR,
        ACTION_VERIFIER_REJEU
    };
    // How the window opens; left to the remembered settings when not given.
    enum Ecran { ECRAN_NON_PRECISE, ECRAN_PLEIN, ECRAN_FENETRE };

    // Exit statuses of the command line's own outcomes.
    static constexpr int statutErreur = 2;

    Action action = ACTION_JOUER;
    std::string donnees;   // --donnees DIR, as given
    std::string niveaux;   // --niveaux FILE, made absolute against the starting folder
    std::string aVerifier; // --verifier FILE
    std::string rejeu;     // --rejouer FILE, made absolute likewise
    Ecran ecran = ECRAN_NON_PRECISE;
    std::vector<std::string> ignores; // arguments the game does not know
    std::string erreur;               // the one line for ACTION_ERREUR
};

// Reads the arguments after the program's name; `dossierDepart` is the folder
// the game was started in, against which relative level files are taken.
Options lireOptions(int argc, const char* const* argv, const std::string& dossierDepart);

// Answers what needs nothing but the command line (help, version, a faulty
// command line), giving the exit status; -1 when the game is to be played or
// a level file checked. Names the ignored arguments on the error stream.
int repondreSansFenetre(const Options& options);

// Usage, for --help.
void afficherAide(std::ostream& flux);
// Name and version, for --version.
void afficherVersion(std::ostream& flux);

#endif
