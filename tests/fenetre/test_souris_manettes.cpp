// SPDX-License-Identifier: GPL-3.0-or-later
#include "banc.h"
#include "ecrans/menu.h"
#include "evenements.h"
#include "fenetre.h"
#include "profil/settings.h"
#include "rendu/display.h"
#include "systeme/fenetre.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace {

void glisser(float unites) {
    pousser(mouvementSouris(static_cast<int>(unites * Disposition::pixelsParUnite())));
}
bool sourisTenue() {
    return SDL_WM_GrabInput(SDL_GRAB_QUERY) == SDL_GRAB_ON;
}
// Runs a menu until the events pushed so far, and a close, are handled.
std::unique_ptr<Menu> menuApres() {
    pousser(SDL_Event{SDL_QUIT});
    return std::make_unique<Menu>(0.0f, 0.0f, 20.0f, -20.0f);
}

struct Match : ::testing::Test {
    // The window's own pointer events so far are not the test's.
    void SetUp() override {
        for (SDL_Event e; SDL_PollEvent(&e);) {
        }
    }
    void TearDown() override { currentSettings.initSettings(); }
    // The frames of the match, without drawing; then where player 1's paddle is.
    float apres(int frames) {
        for (int k = 0; k < frames; ++k) {
            partie.jouerSansDessiner();
        }
        return partie.j1().getBatteRef().getPosition()->X;
    }
    HorlogeDeTest horloge;
    Banc<Normal1j> partie;
};

} // namespace

TEST_F(Match, TheMouseSlidesItsPaddleToTheWallsWithItsHeldBallLaunchesAndIsHeldOnlyWhilePlaying) {
    partie.gerer(); // level 1 and the ball held on the paddle
    glisser(10.0f);
    EXPECT_NEAR(apres(1), 10.0f, 0.2f);
    EXPECT_NEAR(partie.balles().front().getPosition()->X, apres(0), 1e-4) << "the ball follows";
    EXPECT_TRUE(sourisTenue()) << "held, the pointer hidden, while the mouse plays";
    glisser(100.0f);
    EXPECT_FLOAT_EQ(apres(1), 35.0f) << "the paddle's edge stops at the wall";
    glisser(-200.0f);
    EXPECT_FLOAT_EQ(apres(1), -35.0f);
    pousser(boutonSouris(SDL_BUTTON_LEFT));
    apres(1);
    EXPECT_FALSE(partie.balles().front().isHooked()) << "the left button launches";
    presser(SDLK_p);
    glisser(5.0f);
    EXPECT_FLOAT_EQ(apres(1), -35.0f) << "paused, nothing moves";
    EXPECT_FALSE(sourisTenue()) << "paused, the pointer is the player's again";
}

TEST_F(Match, AGamepadsStickMovesThePaddleEachFrameOnlyPastItsDeadZoneAndStartPauses) {
    currentSettings.setPeripherique(1, Settings::PERIPH_MANETTE1);
    partie.gerer();
    pousser(manette(SDL_JOYAXISMOTION, 0, 0, Commandes::zoneMorte - 1));
    EXPECT_EQ(apres(3), 0.0f) << "inside the dead zone";
    EXPECT_FALSE(sourisTenue()) << "nobody plays with the mouse";
    pousser(manette(SDL_JOYAXISMOTION, 0, 0, 32767));
    EXPECT_NEAR(apres(3), 3.0f, 1e-4) << "full lean: the keys' speed";
    pousser(manette(SDL_JOYBUTTONDOWN, 0, 7));
    EXPECT_NEAR(apres(2), 3.0f, 1e-4) << "start pauses";
}

TEST(Menus, PointingAndClickingChooseInAScaledWindowAndAGamepadStepsChoosesAndGoesBack) {
    // "Options", the second item, 422 canvas rows down; "Volume", the third
    // of the options, 453 down; both at 1.25 times in this window.
    fenetre::redimensionner(1000, 750);
    pousser(mouvementSouris(0, 420, 515));
    pousser(boutonSouris(SDL_BUTTON_LEFT, 420, 515));
    pousser(boutonSouris(SDL_BUTTON_RIGHT, 420, 554));
    const auto souris = menuApres();
    fenetre::redimensionner(Capture::largeur, Capture::hauteur);
    EXPECT_EQ(souris->getTitle(), "Options");
    EXPECT_EQ(souris->getCurrentChoice(), Menu::OPTION_VOLUME);
    EXPECT_EQ(currentSettings.getVolume(), Settings::volumeMax - 1) << "a right click lowers it";
    currentSettings.initSettings();

    pousser(manette(SDL_JOYHATMOTION, 0, 0, SDL_HAT_DOWN));
    pousser(manette(SDL_JOYBUTTONDOWN, 0, 0)); // "Options"
    pousser(manette(SDL_JOYAXISMOTION, 0, 1, 30000));
    pousser(manette(SDL_JOYAXISMOTION, 0, 1, 31000)); // still leaning: no second step
    const auto pas = menuApres();
    EXPECT_EQ(pas->getTitle(), "Options");
    EXPECT_EQ(pas->getCurrentChoice(), Menu::OPTION_PLEIN_ECRAN);
    pousser(manette(SDL_JOYHATMOTION, 0, 0, SDL_HAT_DOWN));
    pousser(manette(SDL_JOYBUTTONDOWN, 0, 0));
    pousser(manette(SDL_JOYBUTTONDOWN, 0, 1)); // back, as the options' "Retour" goes
    const auto retour = menuApres();
    EXPECT_EQ(retour->getTitle(), "Menu Principal");
    EXPECT_EQ(retour->getCurrentChoice(), Menu::CHOIX_OPTIONS);
}
