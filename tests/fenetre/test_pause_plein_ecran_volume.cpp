// SPDX-License-Identifier: GPL-3.0-or-later
#include "banc.h"
#include "ecrans/menu.h"
#include "fenetre.h"
#include "systeme/fenetre.h"

#include <gtest/gtest.h>

static void pousser(Uint8 type, SDLKey sym) {
    SDL_Event event = {type};
    event.key.keysym.sym = sym;
    event.active.state = SDL_APPINPUTFOCUS; // and gain 0: the keyboard is lost
    SDL_PushEvent(&event);
}
static const auto blanc = [](Pixel p) { return p.r > 230 && p.v > 230 && p.b > 230; };

// Player 2, idle in a one-player match, shows the paddle's 3 s return.
TEST(PauseEtOptions, ThePauseKeyOrALostFocusFreezesTheMatchAndItsTimersEscapeStillLeaves) {
    HorlogeDeTest horloge;
    Banc<Normal1j> partie;
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

TEST(PauseEtOptions, FullScreenKeepsTheContextAndTheLongestMenuFitsTheWindow) {
    pousser(SDL_QUIT, SDLK_UNKNOWN);
    Menu menu(0.0f, 0.0f, 20.0f, -20.0f);
    menu.reinitControlesMenu();
    for (int k = 0; k < 7; ++k) {
        menu.nextChoice();
    }
    for (const bool plein : {true, false}) {
        fenetre::basculerPleinEcran();
        EXPECT_EQ((SDL_GetVideoSurface()->flags & SDL_FULLSCREEN) != 0, plein);
        menu.display();
        const Capture controles;
        // The fonts survive; "retour", the last of eight lines, is whole above the bottom edge.
        const Cadre retour = controles.cadreDans(310, 600, 300, 599, blanc);
        EXPECT_TRUE(retour.lig0 > 560 && retour.lig1 - retour.lig0 > 20 && retour.lig1 < 596)
            << retour.lig0 << " to " << retour.lig1;
    }
}
