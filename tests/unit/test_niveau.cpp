// SPDX-License-Identifier: GPL-3.0-or-later
#include "niveaux/niveau.h"
#include "niveaux/verification.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <regex>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr int nbCellules = Niveau::nbBriquesX * Niveau::nbBriquesY;

// A fresh directory for one test's level files, removed afterwards.
struct Dossier {
    std::string chemin =
        mkdtemp((std::filesystem::temp_directory_path() / "vorlen_niveau_XXXXXX").string().data());
    ~Dossier() {
        std::error_code ignore;
        std::filesystem::remove_all(chemin, ignore);
    }
    std::string ecrire(const std::string& nom, const std::string& contenu) const {
        std::ofstream(chemin + "/" + nom, std::ios::binary) << contenu;
        return chemin + "/" + nom;
    }
};

// Loads entry `n` of `fichier`; gives what it wrote on the error stream, its trace dropped.
std::string charger(Niveau& niveau, const std::string& fichier, int n) {
    std::ostringstream trace, erreurs;
    std::streambuf* const avant[2] = {std::cout.rdbuf(trace.rdbuf()),
                                      std::cerr.rdbuf(erreurs.rdbuf())};
    niveau.initBriques(fichier.c_str(), n);
    std::cout.rdbuf(avant[0]);
    std::cerr.rdbuf(avant[1]);
    return erreurs.str();
}

// An entry as a level designer writes it: the header, then rows of 16 values.
std::string entree(int numero, const std::function<int(int)>& valeur, int nbValeurs = nbCellules) {
    std::string texte = "[" + std::to_string(numero) + "]\n";
    for (int k = 0; k < nbValeurs; ++k) {
        texte += std::to_string(valeur(k)) + (k % 16 == 15 ? "\n" : " ");
    }
    return texte + "\n";
}

std::string entree(int numero, int valeur) {
    return entree(numero, [valeur](int) { return valeur; });
}

// Hit points of the cell the k-th value of an entry lands in; 0 when empty.
int pointsCellule(const Niveau& niveau, int k) {
    const Brique* brique = niveau.tabBriques[k % 16][9 - k / 16];
    return brique ? brique->getPtsVie() : 0;
}

// File, entry asked for, error stream (@ for the path), level number (0 when
// left as it was), bricks counted, points of values 0, 1, 2, 10 and 159.
using Chargement = std::tuple<std::string, int, std::string, int, int, std::string>;
const std::string parDefaut = "1 1 2 6 8";
const std::string bascule = "on bascule sur un niveau par defaut\n";

// Loads each case over the built-in level and checks what the player gets.
void verifier(const std::vector<Chargement>& cas) {
    for (const auto& [fichier, demande, erreurs, numero, briques, cellules] : cas) {
        SCOPED_TRACE(fichier + ", niveau " + std::to_string(demande));
        Niveau niveau(3.0f);
        niveau.defaultLevel();
        EXPECT_EQ(charger(niveau, fichier, demande),
                  std::regex_replace(erreurs, std::regex("@"), fichier));
        std::string points;
        for (int k : {0, 1, 2, 10, 159}) {
            points += (k ? " " : "") + std::to_string(pointsCellule(niveau, k));
        }
        EXPECT_EQ(niveau.getNumNiveau(), numero);
        EXPECT_EQ(niveau.nbBriquesRestantes(), briques);
        EXPECT_EQ(points, cellules);
    }
}

TEST(NiveauFichier, EntreesEnToutOrdreRetourAu1EntreeCoupeeEtFichierAbimeSignaleSansBloquer) {
    Dossier d;
    const int debut[] = {25, -1, 10};
    const auto premiere = [&debut](int k) { return k < 3 ? debut[k] : k == 159 ? 3 : 0; };
    const auto hautSeul = [](int k) { return k < 16 ? 1 : 0; };
    const auto grisEtVide = [](int k) { return k % 3 ? 0 : -1; };
    const std::string regles = d.ecrire("r.lvl", entree(2, 6) + entree(1, premiere) +
                                                     entree(3, hautSeul) + entree(4, grisEtVide));
    const auto coupure = [](int k) { return k < 99 ? 4 : 7; };
    const std::string coupee = d.ecrire("c.lvl", entree(1, 1) + entree(2, coupure, 100));
    const std::string vingtCinq =
        "@: niveau 1, rangee 1, colonne 1: 25 lu comme 10 (la plus solide)\n";
    verifier({{regles, 1, vingtCinq, 1, 3, "10 -1 10 0 3"},
              {regles, 2, "", 2, 160, "6 6 6 6 6"},
              {regles, 3, "", 3, 16, "1 1 1 1 0"},
              {regles, 4, "", 4, 0, "-1 0 0 0 -1"},
              {regles, 5, vingtCinq, 1, 3, "10 -1 10 0 3"},
              {coupee, 2, "", 2, 160, "4 4 4 4 7"},
              {coupee, 3, "", 1, 160, "1 1 1 1 1"}});
    // A damaged file: a few clear lines naming it, and the match goes on.
    std::string dixGris;
    for (int colonne = 1; colonne <= 10; ++colonne) {
        dixGris += "@: niveau 1, rangee 1, colonne " + std::to_string(colonne) +
                   ": -7 lu comme -1 (incassable)\n";
    }
    const std::string grands =
        "[99999999999] " +
        entree(1, 3).replace(4, 1, "99999999999 -99999999999 " + std::string(100, '9'));
    ASSERT_EQ(mkfifo((d.chemin + "/t.lvl").c_str(), 0600), 0);
    verifier({
        {d.chemin + "/x.lvl", 3, "le fichier @ est introuvable\n" + bascule, 0, 160, parDefaut},
        {d.ecrire("vide.lvl", " \n\t "), 3, "le fichier @ est vide\n", 0, 160, parDefaut},
        {d.ecrire("sans1.lvl", entree(2, 2) + entree(3, 3)), 5,
         "le fichier @ n'a pas de niveau 1\n" + bascule, 0, 160, parDefaut},
        {d.ecrire("m.lvl", entree(1, 2).insert(4, "abc ") + "42 " + entree(2, 5)), 2,
         "@: niveau 1, rangee 1, colonne 1: \"abc\" n'est pas un nombre, ignore; la suite de "
         "l'entree est decalee d'une case\n"
         "@: apres le niveau 1: \"42\" n'est pas un en-tete, ignore\n",
         2, 160, "5 5 5 5 5"},
        {d.ecrire("rien.lvl", "[1]\n"), 1,
         "@: niveau 1: aucune valeur lue, cases vides\nle fichier @ n'a aucun niveau a finir "
         "(aucune brique cassable)\n" +
             bascule,
         0, 160, parDefaut},
        {d.ecrire("gris.lvl", entree(1, [](int k) { return k == 10 ? 1 : -7; })), 1,
         dixGris + "@: trop d'erreurs, 149 autres non signalees\n", 1, 1, "-1 -1 -1 1 -1"},
        {d.ecrire("grands.lvl", grands), 1,
         "@: \"[99999999999]\" est hors limites, ignore\n"
         "@: niveau 1, rangee 1, colonne 1: 99999999999 est hors limites, lu comme 10\n"
         "@: niveau 1, rangee 1, colonne 2: -99999999999 est hors limites, lu comme -1\n"
         "@: niveau 1, rangee 1, colonne 3: 999999999999999999999999... est hors limites, lu "
         "comme 10\n",
         1, 159, "10 -1 10 3 3"},
        {d.ecrire("coupe.lvl", "[1] 1 2 3\n" + entree(2, 4)), 1,
         "@: niveau 1: coupe par l'en-tete [2]\n", 1, 160, "1 2 3 3 3"},
        {d.chemin + "/coupe.lvl", 2, "@: niveau 1: coupe par l'en-tete [2]\n", 2, 160, "4 4 4 4 4"},
        {d.chemin, 1, "le fichier @ est un dossier\n" + bascule, 0, 160, parDefaut},
        {d.chemin + "/t.lvl", 1, "le fichier @ est illisible\n" + bascule, 0, 160, parDefaut},
    });
}

TEST(NiveauFichier, NiveauxDuJeuSansErreurEtFinissables) {
    const std::string chemin = "niveaux.lvl";
    int n = 1;
    for (Niveau niveau(3.0f); charger(niveau, chemin, n) == "" && niveau.getNumNiveau() == n; ++n) {
        EXPECT_GE(niveau.nbBriquesRestantes(), 1) << "level " << n;
        EXPECT_TRUE(briquesEmmurees(niveau.grille()).empty()) << "walled-in bricks in level " << n;
    }
    EXPECT_GE(n - 1, 12) << "levels in " << chemin;
}

} // namespace
