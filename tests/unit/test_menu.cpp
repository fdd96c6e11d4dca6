#include "menu.h"
#include "settings.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

namespace {

SDL_Event touche(SDLKey sym) {
    SDL_Event event = {};
    event.type = SDL_KEYDOWN;
    event.key.type = SDL_KEYDOWN;
    event.key.state = SDL_PRESSED;
    event.key.keysym.sym = sym;
    return event;
}

SDL_Event fermeture() {
    SDL_Event event = {};
    event.type = SDL_QUIT;
    return event;
}

// A player at the keyboard: sends each event a while after the one before,
// from another thread, while the menu runs its loops.
class Clavier {
public:
    explicit Clavier(std::vector<SDL_Event> evenements)
        : fil([evenements] {
              for (SDL_Event event : evenements) {
                  std::this_thread::sleep_for(std::chrono::milliseconds(250));
                  SDL_PushEvent(&event);
              }
          }) {}
    ~Clavier() { fil.join(); }

private:
    std::thread fil;
};

// A menu whose main loop has already ended: its operations are called directly.
class MenuArrete : public ::testing::Test {
protected:
    static Menu* construire() {
        SDL_Event quitter = fermeture();
        SDL_PushEvent(&quitter);
        return new Menu(0.0f, 0.0f, 20.0f, -20.0f);
    }
    void TearDown() override { currentSettings.initSettings(); }

    std::unique_ptr<Menu> menu{construire()};
};

} // namespace

TEST_F(MenuArrete, TheHighlightNeitherWrapsNorForgetsWhereItCameFrom) {
    EXPECT_EQ(menu->getTitle(), "Menu Principal");
    menu->precChoice();
    EXPECT_EQ(menu->getCurrentChoice(), 0);
    for (int k = 0; k < 6; ++k) {
        menu->nextChoice();
    }
    EXPECT_EQ(menu->getCurrentChoice(), 3);

    // Nouvelle Partie, then retour: the main menu arrives on Credits.
    menu->reinit("Menu Principal", menu->getLabels(), Menu::MENU_PRINCIPAL, 0);
    menu->activateChoice();
    EXPECT_EQ(menu->getTitle(), "Type de Partie");
    EXPECT_EQ(menu->getCurrentChoice(), 0);
    menu->nextChoice();
    menu->nextChoice();
    menu->activateChoice();
    EXPECT_EQ(menu->getIdMenu(), Menu::MENU_PRINCIPAL);
    EXPECT_EQ(menu->getCurrentChoice(), 2);

    // Options, then Retour: back on Options.
    menu->precChoice();
    menu->activateChoice();
    EXPECT_EQ(menu->getTitle(), "Options");
    EXPECT_EQ(menu->getCurrentChoice(), 0);
    menu->nextChoice();
    menu->activateChoice();
    EXPECT_EQ(menu->getIdMenu(), Menu::MENU_PRINCIPAL);
    EXPECT_EQ(menu->getCurrentChoice(), 1);
}

TEST_F(MenuArrete, AfterAMatchTheMainMenuShowsTheGameTypeIndex) {
    for (const int type : {0, 1}) {
        menu->reinitPartieType();
        for (int k = 0; k < type; ++k) {
            menu->nextChoice();
        }
        SDL_Event echap = touche(SDLK_ESCAPE);
        SDL_PushEvent(&echap);
        menu->activateChoice();
        EXPECT_EQ(menu->getIdMenu(), Menu::MENU_PRINCIPAL);
        EXPECT_EQ(menu->getCurrentChoice(), type);
    }
}

TEST_F(MenuArrete, ControlsShowTheBindingsAndRebindAFreeKeyOnly) {
    menu->reinitOptionsMenu();
    menu->activateChoice();
    const std::vector<std::string> attendus = {"J1 gauche <GAUCHE>",
                                               "J1 droite <DROITE>",
                                               "J1 action <ESPACE>",
                                               "J2 gauche <a>",
                                               "J2 droite <z>",
                                               "J2 action <w>",
                                               "retour"};
    EXPECT_EQ(menu->getLabels(), attendus);
    EXPECT_EQ(menu->getCurrentChoice(), 0);
    for (int k = 0; k < 5; ++k) {
        menu->nextChoice();
    }
    // Escape keeps the key, space is player 1's, D is free.
    for (const SDLKey sym : {SDLK_ESCAPE, SDLK_SPACE}) {
        SDL_Event event = touche(sym);
        SDL_PushEvent(&event);
        menu->activateChoice();
        EXPECT_EQ(menu->getLabels()[5], "J2 action <w>");
    }
    SDL_Event d = touche(SDLK_d);
    SDL_PushEvent(&d);
    menu->activateChoice();
    EXPECT_EQ(menu->getLabels()[5], "J2 action <d>");
    EXPECT_EQ(currentSettings.getAssignedKey(2, 2), 100);
    EXPECT_EQ(menu->getCurrentChoice(), 5);
    menu->nextChoice();
    menu->activateChoice();
    EXPECT_EQ(menu->getTitle(), "Options");
}

TEST_F(MenuArrete, GuardsEndTheProgramWithTheirMessage) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            menu->initMenu("?", {"?"}, 7);
            menu->activateChoice();
        },
        ::testing::ExitedWithCode(1), "menu not yet implemented: 7");
    EXPECT_EXIT(
        {
            menu->reinit("Menu Principal", {"Nouvelle Partie"}, Menu::MENU_PRINCIPAL, 5);
            menu->activateChoice();
        },
        ::testing::ExitedWithCode(1), "Incorrect position: 5 in menu nr1");
}

// The window closing ends the program from the menu and from the credits,
// only the match during a match, only the capture during a capture.
TEST(MenuEnMarche, ClosingTheWindowEndsOnlyWhatIsRunning) {
    {
        const Clavier clavier({touche(SDLK_RETURN), touche(SDLK_RETURN), fermeture(),
                               touche(SDLK_DOWN), fermeture()});
        const Menu menu(0.0f, 0.0f, 20.0f, -20.0f);
        EXPECT_EQ(menu.getCurrentChoice(), 1) << "the menu went on after the match";
    }
    {
        const Clavier clavier({touche(SDLK_DOWN), touche(SDLK_RETURN), touche(SDLK_RETURN),
                               touche(SDLK_RETURN), fermeture(), touche(SDLK_DOWN), fermeture()});
        const Menu menu(0.0f, 0.0f, 20.0f, -20.0f);
        EXPECT_EQ(menu.getLabels()[0], "J1 gauche <GAUCHE>") << "the capture took nothing";
        EXPECT_EQ(menu.getCurrentChoice(), 1) << "the menu went on after the capture";
    }
    {
        const Clavier clavier(
            {touche(SDLK_DOWN), touche(SDLK_DOWN), touche(SDLK_RETURN), fermeture()});
        const Menu menu(0.0f, 0.0f, 20.0f, -20.0f);
        EXPECT_EQ(menu.getCurrentChoice(), 2) << "closed from the credits";
    }
}
