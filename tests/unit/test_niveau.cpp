// SPDX-License-Identifier: GPL-3.0-or-later
// Level files as a designer writes them, checked with --verifier and loaded by
// the game.
#include "niveaux/niveau.h"
#include "niveaux/verification.h"
#include "systeme/signalements.h"

#include "erreurs.h"
#include "outils.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <regex>
#include <tuple>
#include <vector>

namespace {

constexpr int nbCellules = Niveau::nbBriquesX * Niveau::nbBriquesY;

// A folder for one test's level files.
struct Dossier : DossierTemporaire {
    std::string dans(const std::string& nom) const { return (chemin / nom).string(); }
    std::string ecrire(const std::string& nom, const std::string& contenu) const {
        std::ofstream(dans(nom), std::ios::binary) << contenu;
        return dans(nom);
    }
};

// Loads entry `n` of `fichier`; gives what it wrote on the error stream, and
// its trace (standard output) in `trace`.
std::string charger(Niveau& niveau, const std::string& fichier, int n,
                    std::string* trace = nullptr) {
    testing::internal::CaptureStdout();
    const std::string erreurs = erreursDe([&] { niveau.initBriques(fichier.c_str(), n); });
    const std::string sortie = testing::internal::GetCapturedStdout();
    if (trace) {
        *trace = sortie;
    }
    return erreurs;
}

// An entry as a level designer writes it: the header, then rows of 16 values,
// each line ended by `fin`.
std::string entree(int numero, const std::function<int(int)>& valeur, int nbValeurs = nbCellules,
                   const char* fin = "\n") {
    std::string texte = "[" + std::to_string(numero) + "]" + fin;
    for (int k = 0; k < nbValeurs; ++k) {
        texte += std::to_string(valeur(k)) + (k % 16 == 15 ? fin : " ");
    }
    return texte;
}

std::string entree(int numero, int valeur, const char* fin = "\n") {
    return entree(
        numero, [valeur](int) { return valeur; }, nbCellules, fin);
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
        for (int k : {0, 1, 2, 10, 159}) { // the cell the k-th value lands in, 0 when empty
            const Brique* brique = niveau.tabBriques[k % 16][9 - k / 16];
            points += (k ? " " : "") + std::to_string(brique ? brique->getPtsVie() : 0);
        }
        EXPECT_EQ(niveau.getNumNiveau(), numero);
        EXPECT_EQ(niveau.nbBriquesRestantes(), briques);
        EXPECT_EQ(points, cellules);
    }
}

TEST(NiveauFichier, EntreesEnToutOrdreRetourAu1EntreeCoupeeEtFichierAbimeSignaleSansBloquer) {
    Dossier d;
    const int debut[] = {11, -1, 10};
    const auto premiere = [&debut](int k) { return k < 3 ? debut[k] : k == 159 ? 3 : 0; };
    const auto hautSeul = [](int k) { return k < 16 ? 1 : 0; };
    const auto grisEtVide = [](int k) { return k % 3 ? 0 : -1; };
    const std::string regles = d.ecrire("r.lvl", entree(2, 6) + entree(1, premiere) +
                                                     entree(3, hautSeul) + entree(4, grisEtVide));
    const auto coupure = [](int k) { return k < 99 ? 4 : 7; };
    const std::string coupee = d.ecrire("c.lvl", entree(1, 1) + entree(2, coupure, 100));
    const std::string onze = "@: niveau 1, rangee 1, colonne 1: 11 lu comme 10 (la plus solide)\n";
    verifier({{regles, 1, onze, 1, 3, "10 -1 10 0 3"},
              {regles, 2, "", 2, 160, "6 6 6 6 6"},
              {regles, 3, "", 3, 16, "1 1 1 1 0"},
              {regles, 4, "", 4, 0, "-1 0 0 0 -1"},
              {regles, 5, onze, 1, 3, "10 -1 10 0 3"},
              {coupee, 2, "", 2, 160, "4 4 4 4 7"},
              {coupee, 3, "", 1, 160, "1 1 1 1 1"},
              {d.ecrire("loin.lvl", entree(1, 0) + entree(3, 2)), 1, // 3 never follows 1
               "le fichier @ n'a aucun niveau a finir (aucune brique cassable)\n" + bascule, 0, 160,
               parDefaut},
              {d.ecrire("un.lvl", entree(1, 0) + entree(2, [](int k) { return k == 20 ? 1 : 0; })),
               1, "", 1, 0, "0 0 0 0 0"}}); // one brick to break is a level to finish
    // A damaged file: a few clear lines naming it, and the match goes on.
    std::string dixGris;
    for (int colonne = 1; colonne <= 10; ++colonne) {
        dixGris += "@: niveau 1, rangee 1, colonne " + std::to_string(colonne) +
                   ": -7 lu comme -1 (incassable)\n";
    }
    const std::string grands =
        "[99999999999] " +
        entree(1, 3).replace(4, 1, "99999999999 -99999999999 " + std::string(100, '9'));
    ASSERT_EQ(mkfifo(d.dans("t.lvl").c_str(), 0600), 0);
    // A sparse file of a few gigabytes is refused before a byte of it is read.
    ASSERT_EQ(truncate(d.ecrire("enorme.lvl", entree(1, 2)).c_str(), 4LL << 30), 0);
    const std::string marque = d.ecrire("bom.lvl", "\xEF\xBB\xBF" + entree(1, 2) + entree(2, 3));
    verifier({
        {d.dans("x.lvl"), 3, "le fichier @ est introuvable\n" + bascule, 0, 160, parDefaut},
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
        {d.dans("coupe.lvl"), 2, "@: niveau 1: coupe par l'en-tete [2]\n", 2, 160, "4 4 4 4 4"},
        {d.chemin.string(), 1, "le fichier @ est un dossier\n" + bascule, 0, 160, parDefaut},
        {d.dans("t.lvl"), 1, "le fichier @ est illisible\n" + bascule, 0, 160, parDefaut},
        {d.dans("enorme.lvl"), 1,
         "le fichier @ est trop grand pour un fichier de niveaux (plus de 8 Mio)\n" + bascule, 0,
         160, parDefaut},
        // Past its last level the search starts again after the byte-order mark.
        {marque, 3, "", 1, 160, "2 2 2 2 2"},
    });
}

TEST(Verifier, RapportEtStatutDeChaqueFichier) {
    const Dossier d;
    const auto emmure = [](int k) { // a 5 walled in by four grey bricks
        return k == 17 ? 5 : k == 1 || k == 16 || k == 18 || k == 33 ? -1 : 0;
    };
    // File; status; lines each in the report, after the file's name.
    const std::tuple<std::string, int, std::vector<std::string>> cas[] = {
        {entree(2, 1) + entree(1, [](int k) { return k < 144 ? 1 : -1; }), // the sides are open
         0,
         {"niveau 2: 160 briques cassables, 0 incassables",
          "niveau 1: 144 briques cassables, 16 incassables", "2 niveaux, tous peuvent etre finis"}},
        {"\xEF\xBB\xBF" + entree(1, 4, "\r\n"), 0, {"1 niveaux, tous peuvent etre finis"}},
        {entree(1, [](int k) { return k == 152                           ? 1
                                      : k == 136 || k == 151 || k == 153 ? -1
                                                                         : 0; }),
         0, // walled in on three sides, the brick is open to the field below
         {"1 niveaux, tous peuvent etre finis"}},
        {entree(1, emmure) + entree(2, -1) + entree(4, 1) + entree(2, 1),
         1,
         {"niveau 1: brique cassable emmuree, rangee 2, colonne 2",
          "niveau 2: aucune brique cassable, le jeu passe au suivant",
          "niveau 4 jamais joue: le jeu va du niveau 1 au niveau 2 puis revient au 1",
          "niveau 2 en double: seul le premier est joue", "4 probleme(s)"}},
        {"[1] 1 25",
         1,
         {"niveau 1, rangee 1, colonne 2: 25 lu comme 10 (la plus solide)",
          "niveau 1: coupe par la fin du fichier, 2 valeurs sur 160", "2 probleme(s)"}},
        {entree(3, 1), 1, {"pas de niveau 1: le jeu joue son niveau par defaut"}},
    };
    for (const auto& [contenu, statut, lignes] : cas) {
        const std::string chemin = d.ecrire("n.lvl", contenu);
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

// 2998 bare entries passed over on the way to level 1 once flooded the error
// stream and the trace.
TEST(NiveauFichier, MilliersDEntreesVidesSignaleesEtTraceesDansLeurBorne) {
    const Dossier d;
    std::string enTetes;
    for (int n = 2; n < 3000; ++n) {
        enTetes += "[" + std::to_string(n) + "]\n";
    }
    const std::string chemin = d.ecrire("n.lvl", enTetes + entree(1, 1));
    Niveau niveau(3.0f);
    std::string trace;
    const std::string erreurs = charger(niveau, chemin, 1, &trace);
    EXPECT_EQ(std::count(erreurs.begin(), erreurs.end(), '\n'), Signalements::maxLignes + 1);
    const std::string fin = chemin + ": trop d'erreurs, 2988 autres non signalees\n";
    EXPECT_EQ(erreurs.substr(erreurs.size() - fin.size()), fin);
    EXPECT_EQ(std::tuple(niveau.getNumNiveau(), niveau.nbBriquesRestantes()), std::tuple(1, 160));
    const std::string finTrace = "\ntrace: 491273 lignes omises\n"; // 400 kept
    EXPECT_EQ(trace.substr(trace.size() - finTrace.size()), finTrace);
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
    const Dossier d;
    const std::string chemin = d.ecrire("n.lvl", enTetes + entree(2, 1));
    const long avant = picMemoire();
    std::ostream muet(nullptr);
    EXPECT_EQ(verifierNiveaux(chemin.c_str(), muet), VERIF_PROBLEMES);
    Niveau niveau(3.0f);
    charger(niveau, chemin, 1); // looks for a level to finish, in bounded time
    EXPECT_EQ(niveau.nbBriquesRestantes(), 160) << "the built-in level";
#ifndef __SANITIZE_ADDRESS__ // which holds freed blocks back for a while
    EXPECT_LT(picMemoire() - avant, 32 * 1024) << "KiB more for 2 MB of entries";
#endif
}

} // namespace

// A point of the field falls in the cell whose centre is nearest, each cell reaching half a
// step round its centre; the grid's outer half-steps are the last points it takes.
TEST(Grille, EachPointFallsInItsNearestCellAndNothingOffTheGrid) {
    const Niveau niveau(3.0f);
    const Vecteur dernier = niveau.centreCellule(15, 9);
    EXPECT_TRUE(dernier.X == 34.5f && dernier.Y == 24.6f);
    // Points of the field around the first and the last cell; -1 is off the grid.
    const std::tuple<float, float, int, int> points[] = {
        {-34.5f, 3.0f, 0, 0},    {-32.21f, 4.19f, 0, 0},  {-32.19f, 3.0f, 1, 0},
        {-36.79f, 1.81f, 0, 0},  {-36.81f, 3.0f, -1, -1}, {-34.5f, 1.79f, -1, -1},
        {36.79f, 25.79f, 15, 9}, {36.81f, 24.6f, -1, -1}, {34.5f, 25.81f, -1, -1}};
    for (const auto& [x, y, i, j] : points) {
        int ci = -1, cj = -1;
        const bool dedans = niveau.celluleSous(x, y, ci, cj);
        EXPECT_EQ(std::tuple(dedans, dedans ? ci : -1, dedans ? cj : -1), std::tuple(i >= 0, i, j))
            << x << "," << y;
    }
    // The cells an object may touch, widened by the spacings' integer parts and held in the
    // grid; a first column of exactly 16 stays, and the window is empty.
    const struct {
        float x, y;
        int iFirst, iLast, jFirst, jLast;
    } fenetres[] = {{0.0f, 10.0f, 6, 10, 1, 5},
                    {-30.0f, 4.0f, 0, 2, 0, 2},
                    {36.8f, 10.0f, 16, 16, 1, 5},
                    {41.0f, 30.0f, 15, 16, 9, 10},
                    {-60.0f, -20.0f, 0, 1, 0, 1}};
    for (const auto& f : fenetres) {
        const Niveau::FenetreCellules c = niveau.fenetreCellules(f.x, f.y, 0.8f);
        EXPECT_EQ(std::tuple(c.iFirst, c.iLast, c.jFirst, c.jLast),
                  std::tuple(f.iFirst, f.iLast, f.jFirst, f.jLast))
            << f.x << "," << f.y;
    }
}
