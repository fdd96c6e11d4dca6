// SPDX-License-Identifier: GPL-3.0-or-later
#include "jeu/commandes.h"
#include "profil/settings.h"
#include "rendu/display.h"
#include "systeme/manettes.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

SDL_Event mouvement(Sint16 xrel) {
    SDL_Event e = {SDL_MOUSEMOTION};
    e.motion.xrel = xrel;
    return e;
}
SDL_Event bouton(Uint8 type, Uint8 quelle, Uint8 numero) {
    SDL_Event e = {type};
    e.jbutton.which = quelle;
    e.jbutton.button = numero;
    e.button.button = numero;
    return e;
}
SDL_Event axe(Uint8 quelle, Uint8 numero, Sint16 valeur) {
    SDL_Event e = {SDL_JOYAXISMOTION};
    e.jaxis.which = quelle;
    e.jaxis.axis = numero;
    e.jaxis.value = valeur;
    return e;
}
SDL_Event croix(Uint8 quelle, Uint8 valeur) {
    SDL_Event e = {SDL_JOYHATMOTION};
    e.jhat.which = quelle;
    e.jhat.value = valeur;
    return e;
}

struct Appareils : ::testing::Test {
    void TearDown() override { currentSettings.initSettings(); }
    Commandes commandes;
};

} // namespace

TEST_F(Appareils, TheMouseGlidesItsPlayersPaddleOneToOneAtMidSensitivityAndItsLeftButtonActs) {
    // Player 1 plays with the mouse by default: 60 pixels of motion are 60
    // pixels of the field's plane, about 10 world units.
    const Commandes::Lecture l = commandes.lire(mouvement(60));
    EXPECT_EQ(l.joueur, 1);
    EXPECT_EQ(l.ordre, Commandes::GLISSER);
    EXPECT_NEAR(l.distance * Disposition::pixelsParUnite(), 60.0, 1e-3);
    currentSettings.setSensibiliteSouris(Settings::sensibiliteMax);
    EXPECT_NEAR(commandes.lire(mouvement(-60)).distance, -2 * l.distance, 1e-3);
    EXPECT_EQ(commandes.lire(bouton(SDL_MOUSEBUTTONDOWN, 0, SDL_BUTTON_LEFT)).ordre,
              Commandes::ACTION);
    EXPECT_EQ(commandes.lire(bouton(SDL_MOUSEBUTTONDOWN, 0, SDL_BUTTON_RIGHT)).ordre,
              Commandes::AUCUN);
    // Given to player 2, the mouse is player 2's; on the keyboard alone, nobody's.
    currentSettings.setPeripherique(2, Settings::PERIPH_SOURIS);
    EXPECT_EQ(commandes.lire(mouvement(5)).joueur, 2);
    EXPECT_EQ(currentSettings.getPeripherique(1), Settings::PERIPH_CLAVIER);
    currentSettings.setPeripherique(2, Settings::PERIPH_CLAVIER);
    EXPECT_EQ(commandes.lire(mouvement(5)).ordre, Commandes::AUCUN);
}

TEST_F(Appareils, AGamepadsStickLeansPastADeadZoneNeverFasterThanTheKeysItsButtonsActAndPause) {
    currentSettings.setPeripherique(2, Settings::PERIPH_MANETTE2);
    const struct {
        Sint16 valeur;
        float glissement;
    } inclinaisons[] = {{0, 0.0f},     {7999, 0.0f},    {-8000, 0.0f},
                        {20384, 0.5f}, {-32767, -1.0f}, {-32768, -1.0f}};
    for (const auto& i : inclinaisons) {
        EXPECT_EQ(commandes.lire(axe(1, 0, i.valeur)).ordre, Commandes::AUCUN);
        EXPECT_NEAR(commandes.glissementManette(2), i.glissement, 1e-3) << i.valeur;
        EXPECT_EQ(commandes.glissementManette(1), 0.0f) << "pad 2 is player 2's";
    }
    commandes.lire(axe(1, 1, 32767)); // the other axis moves nothing
    EXPECT_NEAR(commandes.glissementManette(2), -1.0f, 1e-3);
    commandes.lire(axe(1, 0, 0));
    commandes.lire(croix(1, SDL_HAT_RIGHT));
    EXPECT_EQ(commandes.glissementManette(2), 1.0f) << "the cross moves as the keys do";
    commandes.lire(croix(1, SDL_HAT_CENTERED));
    EXPECT_EQ(commandes.glissementManette(2), 0.0f);

    EXPECT_EQ(commandes.lire(bouton(SDL_JOYBUTTONDOWN, 1, 0)).ordre, Commandes::ACTION);
    EXPECT_EQ(commandes.lire(bouton(SDL_JOYBUTTONDOWN, 1, 7)).ordre, Commandes::PAUSE_PRESSEE);
    EXPECT_EQ(commandes.lire(bouton(SDL_JOYBUTTONUP, 1, 9)).ordre, Commandes::PAUSE_RELACHEE);
    EXPECT_EQ(commandes.lire(bouton(SDL_JOYBUTTONDOWN, 1, 3)).ordre, Commandes::AUCUN);
    EXPECT_EQ(commandes.lire(bouton(SDL_JOYBUTTONDOWN, 0, 0)).ordre, Commandes::AUCUN)
        << "nobody plays with pad 1";
}

TEST(Manettes, TheSystemsListNamesTheJoysticksAmongItsInputDevices) {
    std::istringstream liste("I: Bus=0003 Vendor=045e Product=028e Version=0114\n"
                             "N: Name=\"Microsoft X-Box 360 pad\"\n"
                             "H: Handlers=event5 js0 \n"
                             "\n"
                             "N: Name=\"AT Translated Set 2 keyboard\"\n"
                             "H: Handlers=sysrq kbd event0 leds \n"
                             "\n"
                             "N: Name=\"Logitech Dual Action\"\n"
                             "H: Handlers=js1 event7 \n");
    EXPECT_EQ(manettesListees(liste),
              (std::vector<std::string>{"Microsoft X-Box 360 pad", "Logitech Dual Action"}));
}
