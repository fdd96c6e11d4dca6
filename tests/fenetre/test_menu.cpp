// SPDX-License-Identifier: GPL-3.0-or-later
#include "banc.h"
#include "clavier.h"
#include "erreurs.h"
#include "fenetre.h"
#include "outils.h"
#include "ecrans/menu.h"
#include "jeu/partie.h"
#include "niveaux/recueil.h"
#include "profil/settings.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <tuple>
#include <vector>

using clavier::fermeture;

static void fermer() {
    SDL_Event event = {SDL_QUIT};
    SDL_PushEvent(&event);
}

// Runs the menu until it ends while a player presses each key once the game
// has handled the one before.
static std::unique_ptr<Menu> menuJoue(const std::vector<SDLKey>& touches) {
    std::vector<clavier::Touche> suite;
    for (const SDLKey touche : touches) {
        suite.push_back({touche});
    }
    clavier::jouer(suite);
    auto menu = std::make_unique<Menu>(0.0f, 0.0f, 20.0f, -20.0f);
    EXPECT_FALSE(clavier::aAttenduPlus()) << "the menu went on after the last key";
    // What the menu left unread is not for the next one.
    for (SDL_Event reste; SDL_PollEvent(&reste);) {
    }
    return menu;
}

// A menu whose main loop has already ended: its operations are called directly.
struct MenuArrete : ::testing::Test {
    // Moves the highlight `pas` items down (up when negative), then activates it.
    void choisir(int pas) {
        for (int k = 0; k < std::abs(pas); ++k) {
            pas > 0 ? menu->nextChoice() : menu->precChoice();
        }
        menu->activateChoice();
    }
    // Steps: how far to move before activating, whether a match started there
    // is left at once, then the menu reached and its highlighted item.
    using Etape = std::tuple<int, bool, const char*, int>;
    void suivre(std::initializer_list<Etape> etapes) {
        for (const auto& [pas, partie, titre, choix] : etapes) {
            if (partie) {
                presser(SDLK_ESCAPE);
            }
            choisir(pas);
            ASSERT_EQ(menu->getTitle(), titre);
            ASSERT_EQ(menu->getCurrentChoice(), choix) << titre;
        }
    }
    void TearDown() override { currentSettings.initSettings(); }

    std::unique_ptr<Menu> menu = (fermer(), std::make_unique<Menu>(0.0f, 0.0f, 20.0f, -20.0f));
};

TEST_F(MenuArrete, TheHighlightNeitherWrapsNorForgetsWhereItCameFrom) {
    menu->precChoice();
    EXPECT_EQ(menu->getCurrentChoice(), 0);
    for (int k = 0; k < 7; ++k) {
        menu->nextChoice();
    }
    EXPECT_EQ(menu->getCurrentChoice(), 5);
    // Back in the main menu, the item left from: after a match, the game type's;
    // the game types have always led back to "Credits".
    suivre({{-5, false, "Type de Partie", 0},
            {1, true, "Menu Principal", 1},
            {-1, false, "Type de Partie", 0},
            {0, true, "Menu Principal", 0},
            {0, false, "Type de Partie", 0},
            {2, false, "Menu Principal", Menu::CHOIX_CREDITS},
            {-3, false, "Options", 0},
            {5, false, "Menu Principal", Menu::CHOIX_OPTIONS}});
}

TEST_F(MenuArrete, ThePlayersOwnLevelsAreOfferedOnceTheyHoldALevelToPlay) {
    const std::string fichier = Recueil::fichierDuJoueur();
    Recueil recueil(fichier);
    recueil.poser(1, 0, 0, -1);
    recueil.enregistrer();
    suivre({{0, false, "Type de Partie", 0}, {0, true, "Menu Principal", 0}});
    recueil.poser(1, 0, 1, 1);
    recueil.enregistrer();
    suivre({{0, false, "Type de Partie", 0},
            {1, false, "Niveaux", 0},
            {2, false, "Type de Partie", 1},
            {0, false, "Niveaux", 0},
            {1, true, "Menu Principal", Menu::NIVEAUX_DU_JOUEUR}});
    EXPECT_EQ(Partie::fichierNiveaux, Niveau::fichierParDefaut) << "for that match only";
    // A level file given on the command line holds for every match.
    Partie::fichierNiveaux = "niveaux.lvl.choisi";
    suivre({{-1, false, "Type de Partie", 0}, {0, true, "Menu Principal", 0}});
    Partie::fichierNiveaux = Niveau::fichierParDefaut;
    std::remove(fichier.c_str());
}

TEST_F(MenuArrete, ControlsShowTheBindingsAndRebindAFreeKeyOnly) {
    menu->reinitOptionsMenu();
    choisir(0);
    EXPECT_EQ(menu->getLabels(),
              (std::vector<std::string>{"J1 gauche <GAUCHE>", "J1 droite <DROITE>",
                                        "J1 action <ESPACE>", "J2 gauche <a>", "J2 droite <z>",
                                        "J2 action <w>", "Pause <p>", "retour"}));
    ASSERT_EQ(menu->getCurrentChoice(), 0);
    // Player 2's action: Escape keeps its key, space is player 1's, D is free.
    const std::tuple<int, SDLKey, const char*> saisies[] = {
        {5, SDLK_ESCAPE, "w"}, {0, SDLK_SPACE, "w"}, {0, SDLK_d, "d"}};
    for (const auto& [pas, sym, nom] : saisies) {
        presser(sym);
        choisir(pas);
        EXPECT_EQ(menu->getLabels()[5], "J2 action <" + std::string(nom) + ">");
        EXPECT_EQ(menu->getCurrentChoice(), 5);
    }
    EXPECT_EQ(currentSettings.getAssignedKey(2, 2), 100);
    choisir(2);
    EXPECT_EQ(menu->getTitle(), "Options");
}

// Above the title image, in one line cut to the width, until a save goes through.
TEST_F(MenuArrete, AFailedSettingsSaveSaysWhyOnTheMenu) {
    const auto orange = [](Pixel p) { return p.r > 150 && p.v > 60 && p.b < 60; };
    const VariableGardee garde("XDG_CONFIG_HOME");
    const DossierTemporaire tmp;
    // A file where the settings folder should be, with a name long enough
    // that the line giving it cannot fit.
    const std::filesystem::path fichier = tmp.chemin / std::string(200, 'x');
    std::ofstream(fichier) << "";
    setenv("XDG_CONFIG_HOME", fichier.c_str(), 1);
    menu->reinitOptionsMenu();
    for (int k = 0; k < Menu::OPTION_ECLAIRAGE; ++k) {
        menu->nextChoice();
    }
    for (const bool echec : {true, false}) {
        if (!echec) {
            std::filesystem::remove(fichier);
        }
        erreursDe([&] { menu->activateChoice(); });
        menu->display();
        const Capture ecran;
        EXPECT_EQ(ecran.unPixelDans(0, 799, 0, 29, orange), echec);
        EXPECT_FALSE(ecran.unPixelDans(791, 799, 0, 29, orange)) << "past the width";
    }
}

TEST(Textures, AnyImageReachesOpenGlWithPowerOfTwoSidesAndItsColours) {
    SDL_Surface* image = SDL_CreateRGBSurface(0, 5, 3, 32, 0xFF, 0xFF00, 0xFF0000, 0);
    SDL_FillRect(image, nullptr, SDL_MapRGB(image->format, 0, 200, 0));
    SDL_SaveBMP(image, "impaire.bmp");
    SDL_FreeSurface(image);
    for (const bool mipmaps : {false, true}) {
        const Texture texture(loadTexture("impaire.bmp", mipmaps));
        GLint l = 0, h = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &l);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
        std::vector<GLubyte> rvba(64 * 64 * 4);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, rvba.data());
        EXPECT_EQ(std::tuple(l, h, +rvba[28], +rvba[29], +rvba[30]), std::tuple(4, 2, 0, 200, 0))
            << "with mipmaps: " << mipmaps;
    }
    std::remove("impaire.bmp");
}

// Closing the window ends the program from the menu or the credits, else only what runs.
TEST(MenuEnMarche, ClosingTheWindowEndsOnlyWhatIsRunning) {
    const auto partie = menuJoue({SDLK_RETURN, SDLK_RETURN, fermeture, SDLK_DOWN, fermeture});
    EXPECT_EQ(partie->getCurrentChoice(), 1) << "the menu went on after the match";
    const auto capture = menuJoue(
        {SDLK_DOWN, SDLK_RETURN, SDLK_RETURN, SDLK_RETURN, fermeture, SDLK_DOWN, fermeture});
    EXPECT_EQ(capture->getLabels()[0], "J1 gauche <GAUCHE>") << "the capture took nothing";
    EXPECT_EQ(capture->getCurrentChoice(), 1) << "the menu went on after the capture";
    const auto credits =
        menuJoue({SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_RETURN, fermeture});
    EXPECT_EQ(credits->getCurrentChoice(), Menu::CHOIX_CREDITS) << "closed from the credits";
}
