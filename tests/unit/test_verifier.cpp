// SPDX-License-Identifier: GPL-3.0-or-later
// The command line as a player types it, and level files as a designer writes
// them, checked with --verifier and loaded by the game.
#include "niveaux/niveau.h"
#include "niveaux/verification.h"
#include "systeme/options.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

// One file per process: a package build runs these tests two at a time.
const std::string chemin = (std::filesystem::temp_directory_path() /
                            ("vorlen_verifier-" + std::to_string(getpid()) + ".lvl"))
                               .string();

// An entry whose 160 values are `valeur`, save the first ones given.
std::string entree(int numero, int valeur, std::vector<int> debut = {}, const char* fin = "\n") {
    std::string texte = "[" + std::to_string(numero) + "]" + fin;
    for (int k = 0; k < 160; ++k) {
        texte +=
            std::to_string(k < int(debut.size()) ? debut[k] : valeur) + (k % 16 == 15 ? fin : " ");
    }
    return texte;
}

TEST(Verifier, RapportEtStatutDeChaqueFichier) {
    std::vector<int> mur(34, 0); // a 5 walled in by four grey bricks
    mur[17] = 5, mur[1] = mur[16] = mur[18] = mur[33] = -1;
    // File; status; lines each in the report, after the file's name.
    const std::tuple<std::string, int, std::vector<std::string>> cas[] = {
        {entree(2, 1) + entree(1, -1, std::vector<int>(144, 1)), // the sides are open
         0,
         {"niveau 2: 160 briques cassables, 0 incassables",
          "niveau 1: 144 briques cassables, 16 incassables", "2 niveaux, tous peuvent etre finis"}},
        {"\xEF\xBB\xBF" + entree(1, 4, {}, "\r\n"), 0, {"1 niveaux, tous peuvent etre finis"}},
        {entree(1, 0, mur) + entree(2, -1) + entree(4, 1) + entree(2, 1),
         1,
         {"niveau 1: brique cassable emmuree, rangee 2, colonne 2",
          "niveau 2: aucune brique cassable, le jeu passe au suivant",
          "niveau 4 jamais joue: le jeu va du niveau 1 au niveau 2 puis revient au 1",
          "niveau 2 en double: seul le premier est joue", "4 probleme(s)"}},
        {"[1] 1 2 3 4 5 6 7 8 9 10 1 2 3 4 5 6\n1 x 2 25",
         1,
         {"niveau 1, rangee 2, colonne 2: \"x\" n'est pas un nombre, ignore; la suite de "
          "l'entree est decalee d'une case",
          "niveau 1, rangee 2, colonne 3: 25 lu comme 10 (la plus solide)",
          "niveau 1: coupe par la fin du fichier, 19 valeurs sur 160", "3 probleme(s)"}},
        {entree(1, 4, {11}),
         1,
         {"niveau 1, rangee 1, colonne 1: 11 lu comme 10 (la plus solide)", "1 probleme(s)"}},
        {entree(3, 1), 1, {"pas de niveau 1: le jeu joue son niveau par defaut"}},
    };
    for (const auto& [contenu, statut, lignes] : cas) {
        std::ofstream(chemin, std::ios::binary) << contenu;
        std::ostringstream rapport;
        EXPECT_EQ(verifierNiveaux(chemin.c_str(), rapport), statut) << rapport.str();
        for (const std::string& ligne : lignes) {
            EXPECT_NE(rapport.str().find(chemin + ": " + ligne + "\n"), std::string::npos)
                << ligne << " missing from\n"
                << rapport.str();
        }
    }
    std::ostringstream rapport;
    EXPECT_EQ(verifierNiveaux("/absent/n.lvl", rapport), VERIF_ILLISIBLE);
    EXPECT_EQ(rapport.str(), "le fichier /absent/n.lvl est introuvable\n");
}

TEST(NiveauFichier, FichiersQuiBloquaientLaPartieOuInondaientLaTrace) {
    const std::string aucun = "le fichier " + chemin +
                              " n'a aucun niveau a finir (aucune brique cassable)\n"
                              "on bascule sur un niveau par defaut\n";
    std::string enTetes; // 2998 bare entries passed over, each traced in 164 lines
    std::string coupees; // and reported, up to the bound
    for (int n = 2; n < 3000; ++n) {
        enTetes += "[" + std::to_string(n) + "]\n";
        coupees += n < 12 ? chemin + ": niveau " + std::to_string(n) + ": coupe par l'en-tete [" +
                                std::to_string(n + 1) + "]\n"
                          : "";
    }
    coupees += chemin + ": trop d'erreurs, 2988 autres non signalees\n";
    // File, entry asked for; what is said, the level number, the bricks to break, trace's end.
    const std::tuple<std::string, int, std::string, int, int, std::string> cas[] = {
        {entree(1, 0) + entree(3, 2), 1, aucun, 0, 160, ""}, // 3 is never reached from 1
        {entree(1, -1) + entree(2, 2), 1, "", 1, 0, ""},     // skipped, as the next one plays
        {"\xEF\xBB\xBF" + entree(2, 5) + entree(1, 3), 7, "", 1, 160, ""}, // round, past the mark
        {enTetes + entree(1, 1), 1, coupees, 1, 160, "\ntrace: 491273 lignes omises\n"}, // 400 kept
    };
    for (const auto& [contenu, demande, erreurs, numero, briques, finTrace] : cas) {
        std::ofstream(chemin, std::ios::binary) << contenu;
        std::ostringstream sortie, sortieErreurs;
        std::streambuf* avant[] = {std::cout.rdbuf(sortie.rdbuf()),
                                   std::cerr.rdbuf(sortieErreurs.rdbuf())};
        Niveau niveau(3.0f);
        niveau.initBriques(chemin.c_str(), demande);
        std::cout.rdbuf(avant[0]), std::cerr.rdbuf(avant[1]);
        EXPECT_EQ(sortieErreurs.str(), erreurs) << contenu.substr(0, 8);
        EXPECT_EQ(niveau.getNumNiveau(), numero);
        EXPECT_EQ(niveau.nbBriquesRestantes(), briques);
        EXPECT_EQ(sortie.str().substr(sortie.str().size() - finTrace.size()), finTrace);
    }
    std::filesystem::remove(chemin);
}

// Peak resident memory of this process so far, in KiB.
long picMemoire() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

TEST(NiveauFichier, UnFichierEnormeSeVerifieEtSeJoueEnMemoireBornee) {
    std::string enTetes;
    for (int k = 0; k < 500000; ++k) {
        enTetes += "[1] "; // each an entry with nothing to break
    }
    // A level to play at last, past where the game stops looking.
    std::ofstream(chemin, std::ios::binary) << enTetes << entree(2, 1);
    const long avant = picMemoire();
    std::ostream muet(nullptr);
    EXPECT_EQ(verifierNiveaux(chemin.c_str(), muet), VERIF_PROBLEMES);
    std::streambuf* sorties[] = {std::cout.rdbuf(nullptr), std::cerr.rdbuf(nullptr)};
    Niveau niveau(3.0f);
    niveau.initBriques(chemin.c_str(), 1); // looks for a level to finish, in bounded time
    std::cout.rdbuf(sorties[0]), std::cerr.rdbuf(sorties[1]);
    EXPECT_EQ(niveau.nbBriquesRestantes(), 160) << "the built-in level";
#ifndef __SANITIZE_ADDRESS__ // which holds freed blocks back for a while
    EXPECT_LT(picMemoire() - avant, 32 * 1024) << "KiB more for 2 MB of entries";
#endif
    std::filesystem::remove(chemin);
}

// What was read, on one line: action, --donnees, --niveaux, --verifier, screen, ignored, error.
std::string lire(std::vector<const char*> argv) {
    argv.insert(argv.begin(), "vorlen");
    const Options o = lireOptions(int(argv.size()), argv.data(), "/depart");
    return std::to_string(o.action) + " " + o.donnees + "|" + o.niveaux + "|" + o.aVerifier + " " +
           std::to_string(o.ecran) + " " + testing::PrintToString(o.ignores) + " " + o.erreur;
}

TEST(Options, LigneDeCommandeLueCommeLeJoueurLaTape) {
    const auto manque = [](const std::string& option) {
        return "vorlen: l'option --" + option + " attend une valeur; voyez vorlen --help";
    };
    const std::pair<std::vector<const char*>, std::string> cas[] = {
        {{}, "0 || 0 {} "},
        {{"--donnees", "/d", "--niveaux", "a.lvl", "--fenetre"}, "0 /d|/depart/a.lvl| 2 {} "},
        {{"--niveaux=/x.lvl", "--plein-ecran", "-psn_0", "--donnees=d"},
         "0 d|/x.lvl| 1 { \"-psn_0\" } "},
        {{"--verifier", "n.lvl", "--donnees"}, "4 ||n.lvl 0 {} " + manque("donnees")},
        {{"--niveaux="}, "4 || 0 {} " + manque("niveaux")},
        {{"--verifier", "n.lvl", "x"}, "3 ||n.lvl 0 { \"x\" } "},
        {{"--verifier", "n.lvl", "--help"}, "1 ||n.lvl 0 {} "},
        {{"--version", "--donneesX"}, "2 || 0 { \"--donneesX\" } "},
    };
    for (const auto& [ligne, attendu] : cas) {
        EXPECT_EQ(lire(ligne), attendu) << testing::PrintToString(ligne);
    }
}

} // namespace
