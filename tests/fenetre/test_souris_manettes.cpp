// SPDX-License-Identifier: GPL-3.0-or-later
#include "banc.h"
#include "fenetre.h"
#include "ecrans/menu.h"
#include "profil/settings.h"
#include "rendu/display.h"
#include "systeme/fenetre.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace {

void pousser(SDL_Event event) {
    SDL_PushEvent(&event);
}
void glisser(float unites) {
    SDL_Event e = {SDL_MOUSEMOTION};
    e.motion.xrel = static_cast<Sint16>(unites * Disposition::pixelsParUnite());
    pousser(e);
}
void cliquer(Uint8 bouton, int x, int y) {
    SDL_Event e = {SDL_MOUSEBUTTONDOWN};
    e.button.button = bouton;
    e.button.x = static_cast<Uint16>(x);
    e.button.y = static_cast<Uint16>(y);
    pousser(e);
}
void pointer(int x, int y) {
    SDL_Event e = {SDL_MOUSEMOTION};
    e.motion.x = static_cast<Uint16>(x);
    e.motion.y = static_cast<Uint16>(y);
    pousser(e);
}
bool souristenue() {
    return SDL_WM_GrabInput(SDL_GRAB_QUERY) == SDL_GRAB_ON;
}

struct Match : ::testing::Test {
    // The window's own pointer events so far are not the test's.
    void SetUp() override {
        for (SDL_Event e; SDL_PollEvent(&e);) {
        }
    }
    void TearDown() override { currentSettings.initSettings(); }
    float x() { return partie.j1().getBatteRef().getPosition()->X; }
    HorlogeDeTest horloge;
    Banc<Normal1j> partie;
};

} // namespace

TEST_F(Match, TheMouseSlidesItsPaddleToTheWallsWithItsHeldBallLaunchesAndIsHeldOnlyWhilePlaying) {
    partie.gerer(); // level 1 and the ball held on the paddle
    glisser(10.0f);
    partie.jouerSansDessiner();
    EXPECT_NEAR(x(), 10.0f, 0.2f);
    EXPECT_NEAR(partie.balles().front().getPosition()->X, x(), 1e-4) << "the held ball follows";
    EXPECT_TRUE(souristenue()) << "held, the pointer hidden, while the mouse plays";
    glisser(100.0f);
    partie.jouerSansDessiner();
    EXPECT_FLOAT_EQ(x(), 35.0f) << "the paddle's edge stops at the wall";
    glisser(-200.0f);
    partie.jouerSansDessiner();
    EXPECT_FLOAT_EQ(x(), -35.0f);
    cliquer(SDL_BUTTON_LEFT, 0, 0);
    partie.jouerSansDessiner();
    EXPECT_FALSE(partie.balles().front().isHooked()) << "the left button launches";

    presser(SDLK_p);
    glisser(5.0f);
    partie.jouerSansDessiner();
    EXPECT_FLOAT_EQ(x(), -35.0f) << "paused, nothing moves";
    EXPECT_FALSE(souristenue()) << "paused, the pointer is the player's again";
}

TEST_F(Match, AGamepadsStickMovesThePaddleEachFrameOnlyPastItsDeadZone) {
    currentSettings.setPeripherique(1, Settings::PERIPH_MANETTE1);
    partie.gerer();
    SDL_Event e = {SDL_JOYAXISMOTION};
    e.jaxis.value = Commandes::zoneMorte - 1;
    pousser(e);
    for (int k = 0; k < 3; ++k) {
        partie.jouerSansDessiner();
    }
    EXPECT_EQ(x(), 0.0f) << "inside the dead zone";
    EXPECT_FALSE(souristenue()) << "nobody plays with the mouse";
    e.jaxis.value = 32767;
    pousser(e);
    for (int k = 0; k < 3; ++k) {
        partie.jouerSansDessiner();
    }
    EXPECT_NEAR(x(), 3.0f, 1e-4) << "full lean: the keys' speed";
    SDL_Event start = {SDL_JOYBUTTONDOWN};
    start.jbutton.button = 7;
    pousser(start);
    partie.jouerSansDessiner();
    partie.jouerSansDessiner();
    EXPECT_NEAR(x(), 3.0f, 1e-4) << "start pauses";
}

TEST(MenuALaSouris, PointingHighlightsAClickChoosesAtAScaledWindowRightClickLowersTheVolume) {
    fenetre::redimensionner(1000, 750);
    // "Options", the second item, 422 canvas rows down; "Volume", the third
    // of the options, 453 down; both at 1.25 times in this window.
    pointer(420, 515);
    cliquer(SDL_BUTTON_LEFT, 420, 515);
    cliquer(SDL_BUTTON_RIGHT, 420, 554);
    SDL_Event fin = {SDL_QUIT};
    pousser(fin);
    Menu menu(0.0f, 0.0f, 20.0f, -20.0f);
    fenetre::redimensionner(Capture::largeur, Capture::hauteur);
    EXPECT_EQ(menu.getTitle(), "Options");
    EXPECT_EQ(menu.getCurrentChoice(), Menu::OPTION_VOLUME);
    EXPECT_EQ(currentSettings.getVolume(), Settings::volumeMax - 1);
    currentSettings.initSettings();
}

TEST(MenuALaManette, TheCrossAndStickStepOncePerLeanTheFirstButtonChoosesTheSecondGoesBack) {
    SDL_Event croix = {SDL_JOYHATMOTION};
    croix.jhat.value = SDL_HAT_DOWN;
    pousser(croix);
    SDL_Event bouton = {SDL_JOYBUTTONDOWN};
    pousser(bouton); // "Options"
    SDL_Event axe = {SDL_JOYAXISMOTION};
    axe.jaxis.axis = 1;
    axe.jaxis.value = 30000;
    pousser(axe);
    pousser(axe); // still leaning: no second step
    SDL_Event fin = {SDL_QUIT};
    pousser(fin);
    Menu menu(0.0f, 0.0f, 20.0f, -20.0f);
    EXPECT_EQ(menu.getTitle(), "Options");
    EXPECT_EQ(menu.getCurrentChoice(), Menu::OPTION_PLEIN_ECRAN);
    pousser(croix);
    pousser(bouton);
    bouton.jbutton.button = 1;
    pousser(bouton); // back from the options, as their "Retour" goes
    pousser(fin);
    Menu retour(0.0f, 0.0f, 20.0f, -20.0f);
    EXPECT_EQ(retour.getTitle(), "Menu Principal");
    EXPECT_EQ(retour.getCurrentChoice(), Menu::CHOIX_OPTIONS);
}
