// SPDX-License-Identifier: GPL-3.0-or-later
// The player's own levels as the editor keeps them: numbered in play order
// whatever is done to them, saved in the game's format, never lost.
#include "outils.h"
#include "niveaux/lecture.h"
#include "niveaux/recueil.h"
#include "niveaux/serie.h"
#include "niveaux/verification.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct DossierRecueil : ::testing::Test {
    const DossierTemporaire dossier;
    const std::string fichier = (dossier.chemin / "niveaux.lvl").string();
};

// Level `marque`: its bottom-left cell holds that many points.
Niveau::Grille marquee(int marque) {
    Niveau::Grille points{};
    points[0][0] = marque;
    return points;
}

// Entry `numero` of a level file as a designer writes it: its first value
// (top left) `premiere`, then `zeros` empty cells.
std::string entree(int numero, int premiere, int zeros = 159) {
    std::string texte = "[" + std::to_string(numero) + "]\n" + std::to_string(premiere);
    for (int k = 0; k < zeros; ++k) {
        texte += " 0";
    }
    return texte + "\n";
}

// The numbers and bottom-left cells of the file's entries, as the game reads them.
std::vector<std::pair<int, int>> relire(const std::string& fichier) {
    std::vector<std::pair<int, int>> entrees;
    std::ostringstream rapport;
    lireNiveaux(fichier.c_str(), rapport, [&entrees](const EntreeNiveaux& e) {
        EXPECT_EQ(e.valeursLues, 160);
        entrees.emplace_back(e.numero, e.points[0][0]);
        return true;
    });
    EXPECT_EQ(rapport.str(), "");
    return entrees;
}

} // namespace

TEST_F(DossierRecueil, NewCopyAndDeleteKeepTheLevelsNumberedFromOneInOrder) {
    Recueil recueil(fichier);
    recueil.remplacer(1, marquee(1));
    for (int marque : {2, 3}) {
        recueil.remplacer(recueil.nouveau(), marquee(marque));
    }
    struct Etape {
        const char* quoi;
        std::function<int(Recueil&)> faire;
        int montre;
        std::vector<std::pair<int, int>> fichier;
    } etapes[] = {
        {"copy of 2",
         [](Recueil& r) { return r.dupliquer(2); },
         3,
         {{1, 1}, {2, 2}, {3, 2}, {4, 3}}},
        {"delete 1", [](Recueil& r) { return r.supprimer(1); }, 1, {{1, 2}, {2, 2}, {3, 3}}},
        {"delete the last", [](Recueil& r) { return r.supprimer(3); }, 2, {{1, 2}, {2, 2}}},
        {"new", [](Recueil& r) { return r.nouveau(); }, 3, {{1, 2}, {2, 2}, {3, 0}}},
        {"delete down to one",
         [](Recueil& r) { return r.supprimer(1) + r.supprimer(1); },
         2,
         {{1, 0}}},
        {"delete the only one", [](Recueil& r) { return r.supprimer(1); }, 1, {{1, 0}}},
    };
    for (Etape& etape : etapes) {
        SCOPED_TRACE(etape.quoi);
        ASSERT_EQ(etape.faire(recueil), etape.montre);
        EXPECT_TRUE(recueil.modifie());
        EXPECT_EQ(recueil.surDisque(), &etape != &etapes[0]) << "saved at the step before";
        ASSERT_TRUE(recueil.enregistrer().reussi);
        EXPECT_TRUE(recueil.surDisque() && !recueil.modifie());
        EXPECT_EQ(relire(fichier), etape.fichier);
    }
}

TEST_F(DossierRecueil, AFileMadeByHandIsRenumberedAndKeptAsideBeforeItsJunkIsDropped) {
    // Entry 1 twice, the second cut short; a stray word between entries.
    const std::string original = entree(3, 0) + entree(1, 7) + "x\n" + entree(1, -1, 0);
    std::ofstream(fichier) << original;
    Recueil recueil(fichier);
    std::ostringstream rapport;
    EXPECT_EQ(recueil.charger(rapport), "Fichier abime: il\nsera garde a cote");
    EXPECT_NE(rapport.str().find("niveaux numerotes de nouveau de 1 a 3"), std::string::npos)
        << rapport.str();
    EXPECT_FALSE(recueil.surDisque()) << "the file is not what the editor shows";
    ASSERT_EQ(recueil.nbNiveaux(), 3);
    // The first entry 1 is the one the match played: it stays first.
    EXPECT_EQ(recueil.grille(1)[0][Niveau::nbBriquesY - 1], 7);
    EXPECT_EQ(recueil.grille(2)[5][5], -1) << "a short entry is filled as the game fills it";
    recueil.poser(3, 2, 0, 10);
    ASSERT_TRUE(recueil.enregistrer().reussi);
    EXPECT_EQ(lireFichier(fichier + ".illisible"), original);
    EXPECT_EQ(relire(fichier), (std::vector<std::pair<int, int>>{{1, 0}, {2, -1}, {3, 0}}));
    EXPECT_EQ(lireFichier(fichier).substr(0, 57),
              "[1]\n 7  0  0  0  0  0  0  0  0  0  0  0  0  0  0  0\n 0  0");
    // Saved again, the file is the editor's own: nothing more is kept aside.
    recueil.poser(1, 0, 0, 1);
    ASSERT_TRUE(recueil.enregistrer().reussi);
    EXPECT_FALSE(fs::exists(fichier + ".illisible-2"));
    std::ostringstream verification;
    EXPECT_EQ(verifierNiveaux(fichier.c_str(), verification), VERIF_PROBLEMES)
        << "level 2 has no brick to break";
}

// The game looks at the first 10,000 entries of a file for a level to play,
// no further; a set counts the levels the match plays before going round.
TEST_F(DossierRecueil, ASetIsOfferedOnlyWhenTheMatchWouldPlayOneOfItsLevels) {
    const auto vides = [](int n) {
        std::string enTetes;
        for (int k = 1; k <= n; ++k) {
            enTetes += "[" + std::to_string(k) + "]\n";
        }
        return enTetes;
    };
    std::ostringstream rapport;
    EXPECT_FALSE(Serie::lire(fichier, rapport).jouable()) << "no file";
    EXPECT_FALSE(Serie::lire("", rapport).jouable()) << "no place for one";
    struct Cas {
        std::string texte;
        bool jouable;
        int total;
    };
    const Cas cas[] = {{entree(1, 0) + entree(2, 3), true, 2},
                       {entree(1, -1), false, 1},
                       {entree(2, 3), false, 0},
                       {entree(1, 0) + entree(3, 3), false, 1},
                       {entree(3, 3) + entree(1, 2) + entree(2, 1), true, 3},
                       {vides(9999) + entree(10000, 3), true, 10000},
                       {vides(10000) + entree(10001, 3), false, 10000}};
    for (const Cas& c : cas) {
        std::ofstream(fichier) << c.texte;
        const Serie serie = Serie::lire(fichier, rapport);
        EXPECT_EQ(serie.jouable(), c.jouable) << c.texte.substr(0, 40);
        EXPECT_EQ(serie.nbNiveaux(), c.total) << c.texte.substr(0, 40);
    }
}

// The titles live beside the level file, which the game reads as ever.
TEST_F(DossierRecueil, TitlesAreReadBesideTheLevelFileAndTheLevelFileReadsAsEver) {
    std::ofstream(fichier) << entree(1, 2) << entree(2, 3);
    const std::string titres = (dossier.chemin / "niveaux.ini").string();
    std::ostringstream rapport;
    EXPECT_EQ(Serie::fichierTitres(fichier), titres);
    EXPECT_EQ(Serie::lire(Niveau::fichierParDefaut, rapport).getNom(), "Niveaux du jeu");
    EXPECT_EQ(Serie::lire(fichier, rapport).getNom(), "niveaux") << "another by its file name";
    EXPECT_EQ(Serie::lire(fichier, rapport, "Mes niveaux").getNom(), "Mes niveaux");
    std::ofstream(titres) << "# des mots\n[serie]\nnom = Jardins d'hiver\n\n[niveau 2]\n"
                             "titre = Une fleur\nauteur = Zoé\n[niveau 1x]\ntitre = perdu\n"
                             "[niveau 1]\nauteur = "
                          << std::string(60, 'a') << "\n";
    const Serie serie = Serie::lire(fichier, rapport, "Mes niveaux");
    EXPECT_EQ(serie.getNom(), "Jardins d'hiver");
    EXPECT_EQ(serie.titre(2).titre, "Une fleur");
    EXPECT_EQ(serie.titre(2).auteur, "Zoé");
    EXPECT_EQ(serie.titre(1).titre, "") << "a section not quite a level's is not one";
    EXPECT_EQ(serie.titre(1).auteur, std::string(Serie::longueurMaxTexte, 'a'));
    EXPECT_EQ(serie.titre(3).titre, "");
    EXPECT_EQ(rapport.str(), "");
    EXPECT_EQ(relire(fichier), (std::vector<std::pair<int, int>>{{1, 0}, {2, 0}}))
        << "the level file alone is read, as the match reads it";
    // Titles that cannot be read cost one line, and the set is played without them.
    fs::remove(titres);
    fs::create_directory(titres);
    const Serie sansMots = Serie::lire(fichier, rapport);
    EXPECT_EQ(sansMots.getNom(), "niveaux");
    EXPECT_TRUE(sansMots.jouable());
    EXPECT_NE(rapport.str().find(titres), std::string::npos) << rapport.str();
}

// The player's sets: the editor's first, then the folder's in the order of
// their names, each once, those with nothing to play left out.
TEST_F(DossierRecueil, ThePlayersSetsAreTheEditorsThenTheFoldersInOrder) {
    const fs::path series = dossier.chemin / "series";
    fs::create_directory(series);
    std::ofstream((series / "b.lvl").string()) << entree(1, 1);
    std::ofstream((series / "a.lvl").string()) << entree(1, 1);
    std::ofstream((series / "vide.lvl").string()) << entree(1, 0);
    std::ofstream((series / "c.txt").string()) << entree(1, 1);
    fs::create_directory(series / "d.lvl");
    std::ofstream((series / ".lvl").string()) << entree(1, 1);
    std::ofstream((series / "niveaux.lvl").string()) << entree(1, 1);
    const auto noms = [&](const std::string& editeur) {
        std::ostringstream rapport;
        std::vector<std::string> lus;
        for (const Serie& s : seriesDuJoueur(series.string(), editeur, "Mes niveaux", rapport)) {
            lus.push_back(s.getNom());
        }
        return lus;
    };
    EXPECT_EQ(noms((series / "niveaux.lvl").string()),
              (std::vector<std::string>{"Mes niveaux", ".lvl", "a", "b"}));
    std::ofstream(fichier) << entree(1, 1);
    EXPECT_EQ(noms(fichier),
              (std::vector<std::string>{"Mes niveaux", ".lvl", "a", "b", "niveaux"}));
    EXPECT_EQ(noms((dossier.chemin / "absent.lvl").string()),
              (std::vector<std::string>{".lvl", "a", "b", "niveaux"}));
}

// The editor's file moved into the sets' folder, but one an earlier game
// kept beside it stays where the player has it.
TEST(Recueil, TheEditorsFileIsInThePlayersFolderUnlessAnEarlierGameKeptOneBesideIt) {
    const DossierTemporaire dossier;
    const VariableGardee donnees("XDG_DATA_HOME");
    setenv("XDG_DATA_HOME", dossier.chemin.c_str(), 1);
    EXPECT_EQ(Recueil::dossierDuJoueur(), (dossier.chemin / "vorlen/niveaux").string());
    EXPECT_EQ(Recueil::fichierDuJoueur(), (dossier.chemin / "vorlen/niveaux/niveaux.lvl").string());
    fs::create_directories(dossier.chemin / "vorlen");
    std::ofstream((dossier.chemin / "vorlen/niveaux.lvl").string()) << entree(1, 1);
    EXPECT_EQ(Recueil::fichierDuJoueur(), (dossier.chemin / "vorlen/niveaux.lvl").string());
    Recueil recueil(Recueil::fichierDuJoueur());
    std::ostringstream rapport;
    recueil.charger(rapport);
    EXPECT_EQ(recueil.grille(1)[0][9], 1) << "its levels are the editor's";
}

// Two copies of the game editing one file, and a hand between them.
TEST_F(DossierRecueil, TwoEditorsSavingInTurnAndAHandEditLoseNoLevel) {
    {
        Recueil premier(fichier);
        premier.remplacer(1, marquee(1));
        premier.remplacer(premier.nouveau(), marquee(2));
        ASSERT_TRUE(premier.enregistrer().reussi);
    }
    std::ostream muet(nullptr);
    Recueil a(fichier), b(fichier);
    a.charger(muet);
    b.charger(muet);
    a.remplacer(a.nouveau(), marquee(3));
    ASSERT_TRUE(a.enregistrer().reussi);
    EXPECT_EQ(a.niveauxRepris(), 0);
    b.poser(1, 0, 0, 4);
    ASSERT_TRUE(b.enregistrer().reussi);
    EXPECT_EQ(b.niveauxRepris(), 1) << "a's level 3, kept after b's";
    EXPECT_EQ(b.nbNiveaux(), 3);
    EXPECT_EQ(relire(fichier), (std::vector<std::pair<int, int>>{{1, 4}, {2, 2}, {3, 3}}));
    // a never saw b's level 1: it comes after a's own.
    a.poser(2, 0, 0, 5);
    ASSERT_TRUE(a.enregistrer().reussi);
    EXPECT_EQ(relire(fichier), (std::vector<std::pair<int, int>>{{1, 1}, {2, 5}, {3, 3}, {4, 4}}));
    // A hand adds a level and a word the reader skips: the level is taken,
    // and the hand's file kept as it was written.
    const std::string parLaMain = lireFichier(fichier) + "\nnote\n" + entree(5, 6);
    std::ofstream(fichier) << parLaMain;
    a.poser(1, 0, 0, 7);
    const fichiers::Enregistrement e = a.enregistrer();
    ASSERT_TRUE(e.reussi);
    EXPECT_EQ(lireFichier(e.aCote), parLaMain);
    EXPECT_EQ(a.niveauxRepris(), 1);
    EXPECT_EQ(relire(fichier).back(), std::make_pair(5, 0));
    EXPECT_EQ(a.grille(5)[0][Niveau::nbBriquesY - 1], 6);
    // Unchanged since, the file is the editor's alone again.
    a.poser(1, 0, 0, 8);
    ASSERT_TRUE(a.enregistrer().reussi);
    EXPECT_EQ(a.niveauxRepris(), 0);
    EXPECT_EQ(relire(fichier).size(), 5u);
}
