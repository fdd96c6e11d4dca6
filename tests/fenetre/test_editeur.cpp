// SPDX-License-Identifier: GPL-3.0-or-later
// The level editor as a level designer uses it: cells painted with the mouse
// and the keys, what the checks show, a level tried, a save that fails.
#include "banc.h"
#include "erreurs.h"
#include "ecrans/editeur.h"
#include "niveaux/lecture.h"
#include "evenements.h"
#include "fenetre.h"
#include "jeu/essai.h"
#include "niveaux/verification.h"
#include "outils.h"
#include "profil/settings.h"
#include "rendu/display.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

// The centre of cell (i, j) of the one-player grid.
std::pair<int, int> cellule(int i, int j) {
    return {colonneDe(-34.5f + 4.6f * i), ligneDe(3.0f + 2.4f * j)};
}

SDL_Event clic(std::pair<int, int> ou, Uint8 bouton = SDL_BUTTON_LEFT) {
    return boutonSouris(bouton, ou.first, ou.second);
}
SDL_Event glisse(std::pair<int, int> ou, Uint8 boutons) {
    SDL_Event e = mouvementSouris(0, ou.first, ou.second);
    e.motion.state = boutons;
    return e;
}

// Whether a key waits in SDL's queue, which is emptied: the window's own
// events (another test's window may cover it) are not keys.
bool touchesEnAttente() {
    bool touche = false;
    for (SDL_Event e; SDL_PollEvent(&e);) {
        touche = touche || e.type == SDL_KEYDOWN;
    }
    return touche;
}

// The level file as the game reads it back: its entries' grids.
std::vector<Niveau::Grille> relire(const std::string& fichier) {
    std::vector<Niveau::Grille> grilles;
    std::ostringstream rapport;
    lireNiveaux(fichier.c_str(), rapport, [&grilles](const EntreeNiveaux& e) {
        EXPECT_EQ(e.valeursLues, 160);
        grilles.push_back(e.points);
        return true;
    });
    EXPECT_EQ(rapport.str(), "");
    return grilles;
}

// An editor on a level file of its own, run event by event.
struct Edition : ::testing::Test {
    void SetUp() override { viderFile(); }
    void faire(std::initializer_list<SDL_Event> evenements) {
        for (const SDL_Event& e : evenements) {
            editeur->traiter(e);
        }
    }

    const DossierTemporaire dossier;
    const std::string fichier = (dossier.chemin / "niveaux.lvl").string();
    std::unique_ptr<Editeur> editeur = std::make_unique<Editeur>(fichier, "niveaux.lvl");
};

} // namespace

TEST_F(Edition, TheMouseAndTheKeysPaintExactlyTheCellsAskedAndTheFileSaysSo) {
    // A click paints the chosen brick (1 at first); 0 chooses 10, and a drag
    // with the button held paints each cell it crosses, in one leap of the pointer
    // too; the right button erases.
    faire({clic(cellule(0, 9)), touche(SDLK_0), clic(cellule(1, 9)),
           glisse(cellule(4, 9), SDL_BUTTON(1)), glisse(cellule(5, 5), 0),
           clic(cellule(4, 9), SDL_BUTTON_RIGHT)});
    // The palette's sixth brick is 5; the arrows and Return paint from (4, 9).
    faire({clic({colonneDe(-0.5f * 6.2f), ligneDe(-14.0f)}), touche(SDLK_DOWN), touche(SDLK_DOWN),
           touche(SDLK_RETURN), touche(SDLK_MINUS), touche(SDLK_RIGHT), touche(SDLK_SPACE),
           touche(SDLK_BACKSPACE), touche(SDLK_DOWN), touche(SDLK_RETURN)});
    // A gamepad's cross and first button do as the arrows and Return.
    faire({touche(SDLK_2), manette(SDL_JOYHATMOTION, 0, 0, SDL_HAT_DOWN),
           manette(SDL_JOYBUTTONDOWN, 0, 0)});
    EXPECT_FALSE(fs::exists(fichier)) << "saved only on the way out";
    faire({touche(SDLK_ESCAPE)});
    Niveau::Grille attendue{};
    attendue[0][9] = 1;
    attendue[1][9] = attendue[2][9] = attendue[3][9] = 10;
    attendue[4][7] = 5;
    attendue[5][7] = -1;
    attendue[5][5] = 2;
    const std::vector<Niveau::Grille> lues = relire(fichier);
    ASSERT_EQ(lues.size(), 1u);
    EXPECT_EQ(lues[0], attendue) << lireFichier(fichier);
    std::ostringstream rapport;
    EXPECT_EQ(verifierNiveaux(fichier.c_str(), rapport), VERIF_FINISSABLE) << rapport.str();
}

// Each key of the palette, the keypad's and Tab's included, paints its brick with Return;
// a click a little off the grid paints nothing, one a little inside its cell.
TEST_F(Edition, EachPaletteKeyChoosesItsBrickAndAClickOffTheGridPaintsNothing) {
    SDL_Event arriere = touche(SDLK_TAB);
    arriere.key.keysym.mod = KMOD_LSHIFT;
    const std::pair<SDL_Event, int> touches[] = {
        {touche(SDLK_KP7), 7},  {touche(SDLK_9), 9},   {touche(SDLK_KP0), 10},
        {touche(SDLK_TAB), -1}, {touche(SDLK_TAB), 0}, {arriere, -1},
        {touche(SDLK_KP1), 1},  {arriere, 0},          {touche(SDLK_KP_MINUS), -1}};
    for (const auto& [choix, points] : touches) {
        faire({choix, touche(SDLK_RETURN)});
        EXPECT_EQ(editeur->getRecueil().grille(1)[0][9], points) << choix.key.keysym.sym;
    }
    const auto [x, y] = cellule(0, 0);
    const auto [x15, y9] = cellule(15, 9);
    faire({touche(SDLK_5), clic({x - 16, y}), clic({x, y + 11}), clic({x15 + 16, y9}),
           clic({x15, y9 - 11}), clic({x - 12, y + 7})});
    int peintes = 0;
    for (const auto& colonne : editeur->getRecueil().grille(1)) {
        peintes += static_cast<int>(std::count(colonne.begin(), colonne.end(), 5));
    }
    EXPECT_EQ(std::pair(peintes, editeur->getRecueil().grille(1)[0][0]), std::pair(1, 5));
}

// Every change, a drag as one, is undone and redone with Ctrl and the panel's buttons; a
// new change forgets what was undone.
TEST_F(Edition, UndoAndRedoBringBackEveryChangeInTurn) {
    const auto ctrl = [](SDLKey sym) {
        SDL_Event e = touche(sym);
        e.key.keysym.mod = KMOD_LCTRL;
        return e;
    };
    const auto etat = [this] {
        const Recueil& r = editeur->getRecueil();
        return std::pair(r.nbNiveaux(), r.grille(1)[0][0] + r.grille(1)[1][0] + r.grille(1)[2][0]);
    };
    faire({clic(cellule(0, 0)), glisse(cellule(2, 0), SDL_BUTTON(1)), touche(SDLK_n)});
    ASSERT_EQ(etat(), std::pair(2, 3));
    // Undo's button on the panel, 22 pixels a line down from row 95.
    const std::pair<int, int> boutonAnnuler = {700, 95 + 6 * 22};
    const std::pair<SDL_Event, std::pair<int, int>> pas[] = {{ctrl(SDLK_z), {1, 3}},
                                                             {clic(boutonAnnuler), {1, 0}},
                                                             {ctrl(SDLK_z), {1, 0}},
                                                             {ctrl(SDLK_y), {1, 3}},
                                                             {touche(SDLK_z), {1, 3}},
                                                             {ctrl(SDLK_y), {2, 3}},
                                                             {ctrl(SDLK_y), {2, 3}},
                                                             {ctrl(SDLK_z), {1, 3}},
                                                             {touche(SDLK_BACKSPACE), {1, 3}},
                                                             {touche(SDLK_RETURN), {1, 2}},
                                                             {ctrl(SDLK_y), {1, 2}}};
    int k = 0;
    for (const auto& [evenement, attendu] : pas) {
        faire({evenement});
        EXPECT_EQ(etat(), attendu) << "step " << k++;
    }
    EXPECT_EQ(editeur->getMessage(), "Rien a refaire");
    faire({ctrl(SDLK_z)});
    EXPECT_EQ(etat(), std::pair(1, 3));
    // Back from a new level with Page Up, the level deleted is the first.
    faire({touche(SDLK_n), touche(SDLK_PAGEUP), touche(SDLK_s), touche(SDLK_o)});
    EXPECT_EQ(etat(), std::pair(1, 0));
}

TEST_F(Edition, EachCheckShowsOnScreenAsTheLevelChanges) {
    const auto montre = [this](int c0, int c1, int l0, int l1, auto teste) {
        editeur->dessiner();
        return Capture().unPixelDans(c0, c1, l0, l1, teste);
    };
    const auto rouge = [](Pixel p) { return p.r > 200 && p.v < 100 && p.b < 100; };
    const auto vert = [](Pixel p) { return p.v > 200 && p.r < 100; };
    // The panel's state line, under the actions.
    EXPECT_TRUE(montre(655, 795, 305, 325, rouge)) << "no breakable brick";
    // Its last lines say what went wrong in red, what was done in grey.
    faire({touche(SDLK_e)});
    EXPECT_TRUE(montre(655, 795, 410, 470, rouge)) << "nothing to try";
    faire({touche(SDLK_n)});
    EXPECT_FALSE(montre(655, 795, 410, 470, rouge)) << "a level added";
    EXPECT_TRUE(montre(655, 795, 410, 470, [](Pixel p) { return p.r > 150 && p.r == p.v; }));
    faire({touche(SDLK_PAGEUP)});
    faire({touche(SDLK_3), clic(cellule(8, 4)), touche(SDLK_MINUS)});
    EXPECT_TRUE(montre(655, 795, 305, 325, vert)) << "a level to play";
    EXPECT_TRUE(editeur->getEmmurees().empty());
    faire({clic(cellule(7, 4)), clic(cellule(9, 4)), clic(cellule(8, 3)), clic(cellule(8, 5))});
    EXPECT_EQ(editeur->getEmmurees(), (std::vector<std::pair<int, int>>{{8, 4}}));
    const auto [x, y] = cellule(8, 4);
    EXPECT_TRUE(montre(x - 3, x + 3, y - 3, y + 3, rouge)) << "the walled-in brick crossed out";
    EXPECT_TRUE(montre(655, 795, 305, 325, rouge));
    faire({clic(cellule(8, 5), SDL_BUTTON_RIGHT)});
    EXPECT_TRUE(editeur->getEmmurees().empty()) << "opened from above";
    EXPECT_FALSE(montre(x - 3, x + 3, y - 3, y + 3, rouge));
    // Lit brightly whatever the match's lighting: a 5 in its own colour, no grey.
    ASSERT_FALSE(currentSettings.getEclairageVif());
    Disposition(nullptr, 0, 0, Disposition::largeurChamp, hauteurToile).initAffichage();
    faire({touche(SDLK_5), clic(cellule(2, 2))});
    const auto [x5, y5] = cellule(2, 2);
    EXPECT_TRUE(montre(x5 - 2, x5 + 2, y5 - 2, y5 + 2, [](Pixel p) { return p.r > 100; }));
}

TEST_F(Edition, ItAsksBeforeDeletingOrOverwritingALevelAndBeforeDroppingLevelsItCouldNotSave) {
    // "Copier jeu" fills an empty level at once, and asks before replacing bricks.
    faire({touche(SDLK_c)});
    EXPECT_FALSE(editeur->enQuestion());
    const Niveau::Grille premier = editeur->getRecueil().grille(1);
    faire({touche(SDLK_c), touche(SDLK_n), touche(SDLK_c)});
    EXPECT_EQ(editeur->getRecueil().grille(1), premier) << "not replaced without a yes";
    faire({touche(SDLK_o)});
    EXPECT_NE(editeur->getRecueil().grille(1), premier) << "the game's level 2";
    // The question stands in white above the actions, which are never white unpointed.
    const auto questionMontree = [this] {
        editeur->dessiner();
        return Capture().unPixelDans(658, 795, 78, 98,
                                     [](Pixel p) { return p.r > 200 && p.v > 200 && p.b > 200; });
    };
    faire({clic(cellule(0, 0)), touche(SDLK_d), touche(SDLK_s)});
    EXPECT_TRUE(editeur->enQuestion() && questionMontree());
    faire({touche(SDLK_ESCAPE)});
    EXPECT_FALSE(editeur->enQuestion() || questionMontree()) << "Escape says no";
    faire({touche(SDLK_s), touche(SDLK_n), touche(SDLK_s), touche(SDLK_o)});
    EXPECT_EQ(editeur->getRecueil().nbNiveaux(), 1) << "the copy deleted, once confirmed";
    faire({touche(SDLK_d), touche(SDLK_s), touche(SDLK_RETURN)});
    EXPECT_EQ(editeur->getRecueil().nbNiveaux(), 1) << "Return says yes";
    faire({touche(SDLK_ESCAPE)});
    const std::string avant = lireFichier(fichier);
    editeur = std::make_unique<Editeur>(fichier, "niveaux.lvl");
    faire({clic(cellule(1, 0))});
    const std::string erreurs = erreursDe([this] {
        const DisquePlein plein(400);
        faire({touche(SDLK_ESCAPE)});
    });
    EXPECT_EQ(std::count(erreurs.begin(), erreurs.end(), '\n'), 1) << erreurs;
    EXPECT_NE(erreurs.find("niveaux non enregistres"), std::string::npos) << erreurs;
    EXPECT_EQ(lireFichier(fichier), avant);
    EXPECT_EQ(std::distance(fs::directory_iterator(dossier.chemin), fs::directory_iterator()), 2)
        << "the file and its lock, no temporary left";
    EXPECT_TRUE(editeur->enQuestion()) << "asked before leaving";
    faire({touche(SDLK_n), touche(SDLK_ESCAPE)});
    EXPECT_FALSE(editeur->enQuestion()) << "saved this time, and left";
    EXPECT_EQ(relire(fichier).at(0)[1][0], 1);
    EXPECT_NE(Recueil("").enregistrer().erreur.find("ni XDG_DATA_HOME ni HOME"), std::string::npos);
}

TEST_F(Edition, TryingALevelPlaysThatLevelAloneThenComesBackWhereItWas) {
    pousser(touche(SDLK_ESCAPE));
    faire({touche(SDLK_e)});
    EXPECT_NE(editeur->getMessage().find("Rien a casser"), std::string::npos);
    ASSERT_TRUE(touchesEnAttente()) << "no match for a level with nothing to break";

    // The game's level 1, copied, tried, and left with Escape at once.
    faire({touche(SDLK_c), touche(SDLK_RIGHT)});
    Niveau duJeu(3.0f);
    duJeu.initBriques("niveaux.lvl", 1);
    ASSERT_EQ(editeur->getRecueil().grille(1), duJeu.grille());
    pousser(touche(SDLK_ESCAPE));
    faire({touche(SDLK_e)});
    EXPECT_FALSE(touchesEnAttente()) << "the match read the Escape";
    EXPECT_EQ(editeur->getCurseur(), std::make_pair(1, Niveau::nbBriquesY - 1));
    EXPECT_EQ(relire(fichier), std::vector<Niveau::Grille>{duJeu.grille()}) << "saved first";

    // The match of a trial: that level (a brick in its first column too), its number, and
    // again once cleared.
    Niveau::Grille essaye = duJeu.grille();
    essaye[0][0] = 3;
    Banc<Essai> essai(essaye, 7);
    for (int fois = 0; fois < 2; ++fois) {
        essai.gerer();
        EXPECT_EQ(std::tuple(essai.niveau().grille() == essaye, essai.niveau().getNumNiveau(),
                             essai.balles().size()),
                  std::tuple(true, 7, 1u));
        essai.niveau().charger(Niveau::Grille{}, 7); // cleared
    }
}
