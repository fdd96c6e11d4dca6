#include "menu.h"
#include "settings.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <thread>
#include <tuple>
#include <vector>

const SDL_Event fermeture = {SDL_QUIT};

static SDL_Event touche(SDLKey sym) {
    SDL_Event event = {SDL_KEYDOWN};
    event.key.keysym.sym = sym;
    return event;
}

const auto pousser = [](SDL_Event event) { SDL_PushEvent(&event); };

// Runs the menu until it ends while a player at the keyboard, from another
// thread, sends each event a while after the one before.
static std::unique_ptr<Menu> menuJoue(const std::vector<SDL_Event>& evenements) {
    std::thread clavier([evenements] {
        for (const SDL_Event& event : evenements) {
            std::this_thread::sleep_for(std::chrono::milliseconds(250));
            pousser(event);
        }
    });
    auto menu = std::make_unique<Menu>(0.0f, 0.0f, 20.0f, -20.0f);
    clavier.join();
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
    void TearDown() override { currentSettings.initSettings(); }

    std::unique_ptr<Menu> menu =
        (pousser(fermeture), std::make_unique<Menu>(0.0f, 0.0f, 20.0f, -20.0f));
};

TEST_F(MenuArrete, TheHighlightNeitherWrapsNorForgetsWhereItCameFrom) {
    menu->precChoice();
    EXPECT_EQ(menu->getCurrentChoice(), 0);
    for (int k = 0; k < 6; ++k) {
        menu->nextChoice();
    }
    EXPECT_EQ(menu->getCurrentChoice(), 4);
    // Steps, then the menu reached and its item: back in the main one, the item left
    // from (the game types have always led back to "Credits").
    const std::tuple<int, const char*, int> etapes[] = {{-4, "Type de Partie", 0},
                                                        {2, "Menu Principal", 3},
                                                        {-2, "Options", 0},
                                                        {4, "Menu Principal", 1}};
    for (const auto& [pas, titre, choix] : etapes) {
        choisir(pas);
        ASSERT_EQ(menu->getTitle(), titre);
        ASSERT_EQ(menu->getCurrentChoice(), choix) << titre;
    }
}

TEST_F(MenuArrete, AfterAMatchTheMainMenuShowsTheGameTypeIndex) {
    for (const int type : {0, 1}) {
        menu->reinitPartieType();
        pousser(touche(SDLK_ESCAPE));
        choisir(type);
        EXPECT_EQ(menu->getIdMenu(), Menu::MENU_PRINCIPAL);
        EXPECT_EQ(menu->getCurrentChoice(), type);
    }
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
        pousser(touche(sym));
        choisir(pas);
        EXPECT_EQ(menu->getLabels()[5], "J2 action <" + std::string(nom) + ">");
        EXPECT_EQ(menu->getCurrentChoice(), 5);
    }
    EXPECT_EQ(currentSettings.getAssignedKey(2, 2), 100);
    choisir(2);
    EXPECT_EQ(menu->getTitle(), "Options");
}

TEST_F(MenuArrete, GuardsEndTheProgramWithTheirMessage) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    menu->initMenu("?", {"?"}, 7);
    EXPECT_EXIT(menu->activateChoice(), ::testing::ExitedWithCode(1),
                "menu not yet implemented: 7");
    menu->reinit("Menu Principal", {"Nouvelle Partie"}, Menu::MENU_PRINCIPAL, 5);
    EXPECT_EXIT(menu->activateChoice(), ::testing::ExitedWithCode(1),
                "Incorrect position: 5 in menu nr1");
}

// Closing the window ends the program from the menu or the credits, else only what runs.
TEST(MenuEnMarche, ClosingTheWindowEndsOnlyWhatIsRunning) {
    const auto partie = menuJoue(
        {touche(SDLK_RETURN), touche(SDLK_RETURN), fermeture, touche(SDLK_DOWN), fermeture});
    EXPECT_EQ(partie->getCurrentChoice(), 1) << "the menu went on after the match";
    const auto capture = menuJoue({touche(SDLK_DOWN), touche(SDLK_RETURN), touche(SDLK_RETURN),
                                   touche(SDLK_RETURN), fermeture, touche(SDLK_DOWN), fermeture});
    EXPECT_EQ(capture->getLabels()[0], "J1 gauche <GAUCHE>") << "the capture took nothing";
    EXPECT_EQ(capture->getCurrentChoice(), 1) << "the menu went on after the capture";
    const auto credits = menuJoue(
        {touche(SDLK_DOWN), touche(SDLK_DOWN), touche(SDLK_DOWN), touche(SDLK_RETURN), fermeture});
    EXPECT_EQ(credits->getCurrentChoice(), 3) << "closed from the credits";
}
