// SPDX-License-Identifier: GPL-3.0-or-later
#include "profil/scores.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

static LigneScore ligne(int score, const char* nom) {
    return {score, 2, "2026-12-07", {nom}};
}

static std::string lire(const std::string& chemin) {
    std::ostringstream s;
    s << std::ifstream(chemin).rdbuf();
    return s.str();
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

TEST(SaisieNom, TakesLettersDigitsAndSpacesUpToTwelveAndBackspaceRemovesTheLast) {
    SaisieNom saisie("jean.dupont-42");
    EXPECT_EQ(saisie.getTexte(), "jeandupont42") << "the login name, cut to what a name holds";
    for (int k = 0; k < 10; ++k) {
        saisie.effacer();
    }
    for (const char32_t c : std::u32string(U"el\t Z\u00e90!xyzwvuts")) {
        saisie.taper(c);
    }
    EXPECT_EQ(saisie.getTexte(), "jeel Z0xyzwv");
    saisie.effacer();
    saisie.taper('Q');
    EXPECT_EQ(saisie.nom("Joueur 1"), "jeel Z0xyzwQ");
    EXPECT_EQ(SaisieNom("  ").nom("Joueur 1"), "Joueur 1") << "nothing typed but spaces";
}

TEST(MeilleursScores, ASavedTableReadsBackAndAnUnreadableOneIsKeptAsideWithOneLine) {
    const auto dossier =
        std::filesystem::temp_directory_path() / ("vorlen-scores-" + std::to_string(getpid()));
    const std::string fichier = (dossier / "scores.txt").string();
    std::filesystem::remove_all(dossier);
    MeilleursScores scores;
    scores.charger(fichier);
    scores.inscrire(MeilleursScores::MODE_1J, ligne(1520, "Alice"));
    scores.inscrire(MeilleursScores::MODE_COOP, {2040, 5, "2026-12-07", {"Alice", "Bob Martin"}});
    const std::string sauve = lire(fichier);
    EXPECT_NE(sauve.find("[2 joueurs cooperatif]\n2040 5 2026-12-07 Alice / Bob Martin\n"),
              std::string::npos)
        << sauve;
    MeilleursScores relus;
    relus.charger(fichier);
    EXPECT_EQ(relus.texte(), sauve);

    const char* const illisibles[] = {
        "1520 3 2026-12-07 Alice\n",                  // before any section
        "[1 joueur]\n1520 3 2026-12-07\n",            // no name
        "[1 joueur]\n1520 3 07/12/2026 Alice\n",      // a date of another form
        "[2 joueurs cooperatif]\n9 1 2026-12-07 A\n", // one name of two
        "[1 joueur]\n99999999999 1 2026-12-07 A\n",   // beyond an int
        "[1 joueur]\n5 1 2026-12-07 Abcdefghijklm\n", // a name too long
        "[3 joueurs]\n",
    };
    for (const char* contenu : illisibles) {
        std::filesystem::remove(fichier + ".illisible");
        std::ofstream(fichier) << contenu;
        ::testing::internal::CaptureStderr();
        scores.charger(fichier);
        const std::string erreurs = ::testing::internal::GetCapturedStderr();
        EXPECT_TRUE(scores.table(MeilleursScores::MODE_1J).getLignes().empty()) << contenu;
        EXPECT_EQ(std::count(erreurs.begin(), erreurs.end(), '\n'), 1) << erreurs;
        EXPECT_NE(erreurs.find(fichier), std::string::npos) << erreurs;
        scores.inscrire(MeilleursScores::MODE_1J, ligne(10, "Zoe"));
        EXPECT_EQ(lire(fichier + ".illisible"), contenu) << "kept as it was";
        EXPECT_NE(lire(fichier).find("[1 joueur]\n10 2 2026-12-07 Zoe\n[2"), std::string::npos);
    }
    std::filesystem::remove_all(dossier);
}
