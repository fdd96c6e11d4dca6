// SPDX-License-Identifier: GPL-3.0-or-later
#include "systeme/options.h"

#include "systeme/langue.h"
#include "systeme/version.h"

#include <cstring>
#include <iostream>

namespace {

// An option that takes a value, and where the value goes.
struct OptionAValeur {
    const char* nom;
    std::string Options::*cible;
};

const OptionAValeur optionsAValeur[] = {
    {"--donnees", &Options::donnees},
    {"--niveaux", &Options::niveaux},
    {"--verifier", &Options::aVerifier},
    {"--rejouer", &Options::rejeu},
};

std::string absolu(const std::string& chemin, const std::string& dossierDepart) {
    if (chemin.empty() || chemin[0] == '/' || dossierDepart.empty()) {
        return chemin;
    }
    return dossierDepart + "/" + chemin;
}

// Takes the value of `option` from "--nom=VALEUR" or from the next argument;
// false when there is none.
bool prendreValeur(const OptionAValeur& option, int argc, const char* const* argv, int& k,
                   Options& options) {
    const std::size_t longueur = std::strlen(option.nom);
    const char* argument = argv[k];
    if (argument[longueur] == '=') {
        options.*option.cible = argument + longueur + 1;
    } else if (k + 1 < argc) {
        options.*option.cible = argv[++k];
    } else {
        return false;
    }
    return !(options.*option.cible).empty();
}

// The option with a value that `argument` names, alone or as "--nom=...".
const OptionAValeur* trouverOptionAValeur(const char* argument) {
    for (const OptionAValeur& option : optionsAValeur) {
        const std::size_t longueur = std::strlen(option.nom);
        if (std::strncmp(argument, option.nom, longueur) == 0 &&
            (argument[longueur] == '\0' || argument[longueur] == '=')) {
            return &option;
        }
    }
    return nullptr;
}

// Options without a value; false when `argument` is none of them.
bool lireDrapeau(const std::string& argument, Options& options) {
    if (argument == "--help" || argument == "-h") {
        options.action = Options::ACTION_AIDE;
    } else if (argument == "--version") {
        options.action = Options::ACTION_VERSION;
    } else if (argument == "--plein-ecran") {
        options.ecran = Options::ECRAN_PLEIN;
    } else if (argument == "--fenetre") {
        options.ecran = Options::ECRAN_FENETRE;
    } else if (argument == "--verifier-replay") {
        options.action = Options::ACTION_VERIFIER_REJEU;
    } else {
        return false;
    }
    return true;
}

// Help and version win over everything else; a check needs no window.
void choisirAction(Options& options) {
    if (options.action == Options::ACTION_JOUER && !options.aVerifier.empty()) {
        options.action = Options::ACTION_VERIFIER;
    }
    if (options.action == Options::ACTION_VERIFIER_REJEU && options.rejeu.empty()) {
        options.action = Options::ACTION_ERREUR;
        options.erreur = "vorlen: --verifier-replay rejoue le fichier de --rejouer FICHIER";
    }
}

} // namespace

Options lireOptions(int argc, const char* const* argv, const std::string& dossierDepart) {
    Options options;
    for (int k = 1; k < argc; ++k) {
        if (lireDrapeau(argv[k], options)) {
            continue;
        }
        const OptionAValeur* option = trouverOptionAValeur(argv[k]);
        if (option == nullptr) {
            options.ignores.push_back(argv[k]);
        } else if (!prendreValeur(*option, argc, argv, k, options)) {
            options.action = Options::ACTION_ERREUR;
            options.erreur = std::string("vorlen: l'option ") + option->nom +
                             " attend une valeur; voyez vorlen --help";
            return options;
        }
    }
    options.niveaux = absolu(options.niveaux, dossierDepart);
    options.rejeu = absolu(options.rejeu, dossierDepart);
    choisirAction(options);
    return options;
}

void afficherAide(std::ostream& flux) {
    // TRANSLATORS: keep the options' names and the lines within 80 columns.
    flux << langue::formater(
        _("Usage: vorlen [OPTION]...\n"
          "Casse-briques en trois dimensions, a un joueur ou a deux joueurs cooperatifs.\n"
          "\n"
          "  --donnees DIR     prend les niveaux, la police, les images et les sons dans DIR\n"
          "  --niveaux FICHIER joue les niveaux de FICHIER au lieu de ceux du jeu\n"
          "  --verifier FICHIER\n"
          "                    verifie un fichier de niveaux sans ouvrir de fenetre\n"
          "                    (statut 0: tous les niveaux peuvent etre finis, 1: problemes,\n"
          "                    2: fichier illisible)\n"
          "  --rejouer FICHIER montre le match que FICHIER a enregistre\n"
          "  --verifier-replay avec --rejouer: rejoue sans fenetre, au plus vite, et\n"
          "                    ecrit l'empreinte du match chaque seconde de jeu et les\n"
          "                    scores (statut 0: le match est celui enregistre, 1: il\n"
          "                    s'en ecarte, 2: fichier illisible)\n"
          "  --plein-ecran     demarre en plein ecran\n"
          "  --fenetre         demarre dans une fenetre\n"
          "  --help            affiche cette aide\n"
          "  --version         affiche la version\n"
          "\n"
          "Sans --donnees, le jeu cherche ses donnees dans $VORLEN_DONNEES, puis dans\n"
          "%s a cote du programme, puis dans le dossier courant.\n"
          "Voir aussi: man vorlen\n"),
        VORLEN_DONNEES_RELATIVES);
}

void afficherVersion(std::ostream& flux) {
    flux << "Vorlen " << version::complete << "\n";
}

int repondreSansFenetre(const Options& options) {
    if (!options.ignores.empty()) {
        std::cerr << "vorlen: arguments inconnus ignores:";
        for (const std::string& argument : options.ignores) {
            std::cerr << ' ' << argument;
        }
        std::cerr << std::endl;
    }
    switch (options.action) {
    case Options::ACTION_AIDE:
        afficherAide(std::cout);
        return 0;
    case Options::ACTION_VERSION:
        afficherVersion(std::cout);
        return 0;
    case Options::ACTION_ERREUR:
        std::cerr << options.erreur << std::endl;
        return Options::statutErreur;
    case Options::ACTION_VERIFIER:
    case Options::ACTION_VERIFIER_REJEU:
    case Options::ACTION_JOUER:
        break;
    }
    return -1;
}
