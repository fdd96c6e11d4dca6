// SPDX-License-Identifier: GPL-3.0-or-later
// A match and the menus in a real window as the player's keys, mouse and
// gamepads drive them: the pause, the paddle, the items, full screen.
#include "banc.h"
#include "ecrans/menu.h"
#include "fenetre.h"
#include "profil/preferences.h"
#include "profil/settings.h"
#include "rendu/boucle.h"
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
// A key, or the focus lost (gain 0), for the keyboard.
void pousser(Uint8 type, SDLKey sym) {
    SDL_Event event = touche(sym, type);
    event.active.state = SDL_APPINPUTFOCUS;
    SDL_PushEvent(&event);
}
const auto blanc = [](Pixel p) { return p.r > 230 && p.v > 230 && p.b > 230; };

struct Match : ::testing::Test {
    void SetUp() override { viderFile(); }
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

// Player 2, idle in a one-player match, shows the paddle's 3 s return.
TEST_F(Match, ThePauseKeyOrALostFocusFreezesTheMatchAndItsTimersEscapeStillLeaves) {
    partie.frame();
    const Balle& balle = partie.poserBalle(partie.j1(), 0.0f, 0.0f, 0.3f);
    partie.j2().destroy();
    for (const Uint8 arret : {SDL_KEYDOWN, SDL_ACTIVEEVENT}) {
        pousser(arret, SDLK_p);
        pousser(arret, SDLK_p); // the key held and repeated, or the focus lost twice
        EXPECT_TRUE(partie.frame());
        const float y = balle.getPosition()->Y;
        const Uint32 temps = horloge::maintenant();
        horloge.avancer(1500);
        EXPECT_TRUE(partie.frame());
        EXPECT_EQ(balle.getPosition()->Y, y);
        EXPECT_EQ(horloge::maintenant(), temps) << "play time stands still";
        const Capture pause;
        EXPECT_TRUE(pause.unPixelDans(230, 420, 240, 290, blanc)) << "\"Pause\" over the field";
        pousser(SDL_KEYUP, SDLK_p);
        pousser(SDL_KEYDOWN, SDLK_p);
        pousser(SDL_KEYUP, SDLK_p);
        partie.frame();
        EXPECT_NE(balle.getPosition()->Y, y) << "the same key resumes";
    }
    horloge.avancer(3000);
    EXPECT_FALSE(partie.j2().hasRecovered()) << "3000 ms played, 3000 paused";
    EXPECT_TRUE((horloge.avancer(1), partie.j2().hasRecovered()));
    pousser(SDL_KEYDOWN, SDLK_p);
    pousser(SDL_KEYDOWN, SDLK_ESCAPE);
    EXPECT_FALSE(partie.frame());
}

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
    // of the options, which are too many to start as high, 422 down too;
    // both at 1.25 times in this window.
    fenetre::redimensionner(1000, 750, currentSettings.getChoixFenetre());
    pousser(mouvementSouris(0, 420, 515));
    pousser(boutonSouris(SDL_BUTTON_LEFT, 420, 515));
    pousser(boutonSouris(SDL_BUTTON_RIGHT, 420, 528));
    const auto souris = menuApres();
    fenetre::redimensionner(Capture::largeur, Capture::hauteur, currentSettings.getChoixFenetre());
    EXPECT_EQ(souris->getTitle(), "Options");
    EXPECT_EQ(souris->getCleCourante(), Menu::OPTION_VOLUME);
    EXPECT_EQ(currentSettings.getVolume(), Settings::volumeMax - 1) << "a right click lowers it";
    Settings relus;
    preferences::charger(relus);
    EXPECT_EQ(relus.getVolume(), Settings::volumeMax - 1) << "saved at once";
    currentSettings.initSettings();

    pousser(manette(SDL_JOYHATMOTION, 0, 0, SDL_HAT_DOWN));
    pousser(manette(SDL_JOYBUTTONDOWN, 0, 0)); // "Options"
    pousser(manette(SDL_JOYAXISMOTION, 0, 1, 30000));
    pousser(manette(SDL_JOYAXISMOTION, 0, 1, 31000)); // still leaning: no second step
    const auto pas = menuApres();
    EXPECT_EQ(pas->getTitle(), "Options");
    EXPECT_EQ(pas->getCleCourante(), Menu::OPTION_PLEIN_ECRAN);
    pousser(manette(SDL_JOYHATMOTION, 0, 0, SDL_HAT_DOWN));
    pousser(manette(SDL_JOYBUTTONDOWN, 0, 0));
    pousser(manette(SDL_JOYBUTTONDOWN, 0, 1)); // back, as the options' "Retour" goes
    const auto retour = menuApres();
    EXPECT_EQ(retour->getTitle(), "Menu Principal");
    EXPECT_EQ(retour->getCleCourante(), Menu::CHOIX_OPTIONS);
}

TEST(Menus, FullScreenKeepsTheContextAndTheLongestMenuFitsTheWindow) {
    const auto menu = menuApres();
    menu->reinitControlesMenu();
    for (int k = 0; k < 7; ++k) {
        menu->nextChoice();
    }
    for (const bool plein : {true, false}) {
        basculerPleinEcranRetenu();
        EXPECT_EQ((SDL_GetVideoSurface()->flags & SDL_FULLSCREEN) != 0, plein);
        menu->display();
        const Capture controles;
        // The fonts survive; "retour", the last of eight lines, is whole above the bottom edge.
        const Cadre retour = controles.cadreDans(310, 600, 300, 599, blanc);
        EXPECT_TRUE(retour.lig0 > 560 && retour.lig1 - retour.lig0 > 20 && retour.lig1 < 596)
            << retour.lig0 << " to " << retour.lig1;
    }
}
