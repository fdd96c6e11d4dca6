// SPDX-License-Identifier: GPL-3.0-or-later
#include "profil/scores.h"

#include "erreurs.h"
#include "outils.h"

#include <gtest/gtest.h>

#include <algorithm>

static LigneScore ligne(int score, const char* nom) {
    return {score, 2, "2026-12-07", {nom}};
}

TEST(TableScores, KeepsTheTenBestInOrderEqualScoresByAgeAndDropsTheEleventh) {
    TableScores table;
    // Score entered, then the rank it takes (-1: it does not enter).
    const int entrees[][2] = {{500, 0}, {900, 0}, {500, 2}, {0, -1}, {100, 3}, {700, 1}, {300, 4},
                              {200, 5}, {50, 7},  {80, 7},  {60, 8}, {400, 4}, {60, -1}, {1000, 0}};
    std::vector<int> scores;
    for (const auto& [score, rang] : entrees) {
        EXPECT_EQ(table.rangPour(score), rang) << score;
        EXPECT_EQ(table.ajouter(ligne(score, "A")), rang) << score;
    }
    for (const LigneScore& l : table.getLignes()) {
        scores.push_back(l.score);
    }
    EXPECT_EQ(scores, (std::vector<int>{1000, 900, 700, 500, 500, 400, 300, 200, 100, 80}));
}

TEST(SaisieNom, TakesTwelveCharactersOfANameAccentsIncludedAndBackspaceRemovesTheLastWhole) {
    SaisieNom saisie("jean.dupont-42");
    EXPECT_EQ(saisie.getTexte(), "jeandupont-4") << "the login name, cut to what a name holds";
    for (int k = 0; k < 10; ++k) {
        saisie.effacer();
    }
    for (const char32_t c : std::u32string(U"el\t Zo\u00e9-4'2!xyz")) {
        saisie.taper(c);
    }
    EXPECT_EQ(saisie.getTexte(), "jeel Zo\u00e9-4'2") << "twelve characters, thirteen bytes";
    for (int k = 0; k < 5; ++k) {
        saisie.effacer();
    }
    saisie.taper(0xD7); // the multiplication sign is no letter
    saisie.taper('Q');
    EXPECT_EQ(saisie.nom("Joueur 1"), "jeel ZoQ");
    EXPECT_EQ(SaisieNom("  ").nom("Joueur 1"), "Joueur 1") << "nothing typed but spaces";
}

// That a save reads back as it was made, the fuzzer proves on any file.
TEST(MeilleursScores, ASavedTableIsPlainTextAndABadLineDropsAloneNamedByItsNumberFileKeptAside) {
    const DossierTemporaire tmp;
    const std::string fichier = (tmp.chemin / "vorlen" / "scores.txt").string();
    MeilleursScores scores;
    scores.charger(fichier);
    scores.inscrire(MeilleursScores::MODE_1J, ligne(1520, "Alice"));
    scores.inscrire(MeilleursScores::MODE_COOP,
                    {2040, 5, "2026-12-07", {"Zo\u00e9-42", "O'Brien"}, difficulte::FACILE});
    const std::string sauve = lireFichier(fichier);
    EXPECT_NE(sauve.find("\n1520 2 2026-12-07 Alice\n[2 joueurs cooperatif]\n"
                         "2040 5 2026-12-07 (facile) Zo\u00e9-42 / O'Brien\n"),
              std::string::npos)
        << "a line played as written says nothing of how hard: " << sauve;
    MeilleursScores relues;
    relues.charger(fichier);
    EXPECT_EQ(relues.table(MeilleursScores::MODE_COOP).getLignes().at(0).difficulte,
              difficulte::FACILE);

    // A line that does not read drops alone; the others stay, and the file is
    // kept as it was, under a name not yet taken, before the next save
    // rewrites it. A looping link holds the first such name.
    std::filesystem::create_symlink("scores.txt.illisible", fichier + ".illisible");
    int aCote = 2;
    const std::string bonne = "[1 joueur]\n800 4 2026-12-01 Ann\n";
    const std::pair<std::string, std::vector<int>> abimes[] = {
        {"1520 3 2026-12-07 Alice\n" + bonne, {1}},                  // before any section
        {bonne + "1520 3 2026-12-07\n", {3}},                        // no name
        {bonne + "1520 3 07/12/2026 Alice\n", {3}},                  // a date of another form
        {bonne + "1520 3 x026-12-07 Alice\n", {3}},                  // a letter in the year
        {"[2 joueurs cooperatif]\n9 1 2026-12-07 A\n" + bonne, {2}}, // one name of two
        {bonne + "99999999999 1 2026-12-07 A\n", {3}},               // beyond an int
        {bonne + "15x0 1 2026-12-07 A\n", {3}},                      // not a number
        {bonne + "5 1 2026-12-07 Abcdefghijklm\n", {3}},             // a name too long
        {bonne + "5 1 2026-12-07 Zo\xE9\n", {3}},                    // Latin-1, not UTF-8
        {bonne + "5 1 2026-12-07 (normal) A\n", {3}},                // never written
        {bonne + "5 1 2026-12-07 (facile A\n", {3}},                 // a bracket left open
        {"[3 joueurs]\n5 1 2026-12-07 A\n" + bonne, {1, 2}},         // an unknown section
    };
    for (const auto& [contenu, numeros] : abimes) {
        std::ofstream(fichier) << contenu;
        const std::string erreurs = erreursDe([&] { scores.charger(fichier); });
        const auto& lignes = scores.table(MeilleursScores::MODE_1J).getLignes();
        EXPECT_TRUE(lignes.size() == 1 && lignes[0].noms[0] == "Ann") << contenu;
        EXPECT_EQ(std::count(erreurs.begin(), erreurs.end(), '\n'), numeros.size()) << erreurs;
        EXPECT_EQ(erreurs.back(), '\n');
        for (const int n : numeros) {
            const std::string attendu = fichier + ": ligne " + std::to_string(n) + ": ";
            EXPECT_NE(erreurs.find(attendu), std::string::npos) << attendu << " in " << erreurs;
        }
        scores.inscrire(MeilleursScores::MODE_1J, ligne(10, "Zoe"));
        EXPECT_EQ(lireFichier(fichier + ".illisible-" + std::to_string(aCote++)), contenu);
        EXPECT_NE(
            lireFichier(fichier).find("[1 joueur]\n800 4 2026-12-01 Ann\n10 2 2026-12-07 Zoe\n[2"),
            std::string::npos);
    }
}

// Two copies of the game on one score file, each entering a score in turn.
TEST(MeilleursScores, TwoCopiesSavingInTurnKeepBothAndAFailedSaveIsToldThenCaughtUp) {
    const DossierTemporaire tmp;
    const auto dossier = tmp.chemin / "vorlen";
    const std::string fichier = (dossier / "scores.txt").string();
    MeilleursScores a, b;
    a.charger(fichier);
    b.charger(fichier);
    EXPECT_EQ(a.inscrire(MeilleursScores::MODE_1J, ligne(300, "Alice")), 0);
    EXPECT_EQ(b.inscrire(MeilleursScores::MODE_1J, ligne(200, "Bob")), 1) << "below Alice";
    const std::string ailleurs = dossier.string() + ".ailleurs";
    std::filesystem::rename(dossier, ailleurs);
    std::ofstream(dossier) << "a file where the folder should be";
    erreursDe([&] { EXPECT_EQ(a.inscrire(MeilleursScores::MODE_1J, ligne(100, "Carl")), 1); });
    EXPECT_EQ(a.getEnregistrement().fichier, dossier.string());
    EXPECT_FALSE(a.getEnregistrement().reussi);
    std::filesystem::remove(dossier);
    std::filesystem::rename(ailleurs, dossier);
    EXPECT_EQ(a.inscrire(MeilleursScores::MODE_1J, ligne(50, "Dan")), 3) << "Carl caught up";
    EXPECT_TRUE(a.getEnregistrement().reussi) << a.getEnregistrement().erreur;
    EXPECT_NE(lireFichier(fichier).find("Alice\n200 2 2026-12-07 Bob\n100 2 2026-12-07 Carl\n50"),
              std::string::npos)
        << lireFichier(fichier);
}
