#include "scores.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

static LigneScore ligne(int score, const char* nom) {
    return {score, 2, "2026-12-07", {nom}};
}

static std::string lire(const fs::path& chemin) {
    std::ifstream f(chemin);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

TEST(TableScores, KeepsTheTenBestInOrderEqualScoresByAgeAndDropsTheEleventh) {
    TableScores table;
    // Score entered, then the rank it takes (-1: it does not enter).
    const int entrees[][2] = {{500, 0}, {900, 0}, {500, 2}, {0, -1}, {100, 3}, {700, 1}, {300, 4},
                              {200, 5}, {50, 7},  {80, 7},  {60, 8}, {400, 4}, {60, -1}, {1000, 0}};
    for (const auto& [score, rang] : entrees) {
        EXPECT_EQ(table.rangPour(score), rang) << score;
        EXPECT_EQ(table.ajouter(ligne(score, std::to_string(score).c_str())), rang) << score;
    }
    std::vector<int> scores;
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
    for (int k = 0; k < 20; ++k) {
        saisie.effacer();
    }
    saisie.taper(' ');
    EXPECT_EQ(saisie.nom("Joueur 1"), "Joueur 1") << "nothing typed but spaces";
}

// A folder of the player's own, emptied after each test.
struct DossierJoueur : ::testing::Test {
    void SetUp() override { fs::create_directories(dossier); }
    void TearDown() override { fs::remove_all(dossier); }
    const fs::path dossier =
        fs::temp_directory_path() / ("vorlen-scores-" + std::to_string(getpid()));
    const fs::path fichier = dossier / "scores.txt";
};

TEST_F(DossierJoueur, ASavedTableReadsBackAndAnUnreadableOneIsKeptAsideWithOneLine) {
    MeilleursScores scores;
    scores.charger(fichier.string());
    scores.inscrire(MeilleursScores::MODE_1J, ligne(1520, "Alice"));
    scores.inscrire(MeilleursScores::MODE_COOP, {2040, 5, "2026-12-07", {"Alice", "Bob Martin"}});
    const std::string sauve = lire(fichier);
    EXPECT_NE(sauve.find("[2 joueurs cooperatif]\n2040 5 2026-12-07 Alice / Bob Martin\n"),
              std::string::npos)
        << sauve;
    MeilleursScores relus;
    relus.charger(fichier.string());
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
        fs::remove_all(dossier);
        fs::create_directories(dossier);
        std::ofstream(fichier) << contenu;
        ::testing::internal::CaptureStderr();
        scores.charger(fichier.string());
        const std::string erreurs = ::testing::internal::GetCapturedStderr();
        EXPECT_TRUE(scores.table(MeilleursScores::MODE_1J).getLignes().empty()) << contenu;
        EXPECT_EQ(std::count(erreurs.begin(), erreurs.end(), '\n'), 1) << erreurs;
        EXPECT_NE(erreurs.find(fichier.string()), std::string::npos) << erreurs;
        EXPECT_EQ(lire(fichier.string() + ".illisible"), contenu);
        scores.inscrire(MeilleursScores::MODE_1J, ligne(10, "Zoe"));
        EXPECT_EQ(lire(fichier.string() + ".illisible"), contenu) << "kept as it was";
        EXPECT_EQ(lire(fichier).substr(lire(fichier).find("[1")),
                  "[1 joueur]\n10 2 2026-12-07 Zoe\n[2 joueurs cooperatif]\n");
    }
}
