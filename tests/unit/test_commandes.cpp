// SPDX-License-Identifier: GPL-3.0-or-later
#include "evenements.h"
#include "jeu/commandes.h"
#include "profil/settings.h"
#include "rendu/display.h"
#include "systeme/manettes.h"
#include "systeme/options.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

struct Appareils : ::testing::Test {
    void TearDown() override { currentSettings.initSettings(); }
    Commandes commandes;
};

TEST_F(Appareils, TheMouseGlidesItsPlayersPaddleOneToOneAtTheDefaultSensitivityItsLeftButtonActs) {
    // Player 1 plays with the mouse by default: 60 pixels of motion are 60
    // pixels of the field's plane, and twice as far at the top sensitivity.
    const Commandes::Lecture l = commandes.lire(mouvementSouris(60));
    EXPECT_EQ(l.joueur, 1);
    EXPECT_EQ(l.ordre, Commandes::GLISSER);
    EXPECT_NEAR(l.distance * Disposition::pixelsParUnite(), 60.0, 1e-3);
    currentSettings.setSensibiliteSouris(Settings::sensibiliteMax);
    EXPECT_NEAR(commandes.lire(mouvementSouris(-60)).distance, -2 * l.distance, 1e-3);
    EXPECT_EQ(commandes.lire(boutonSouris(SDL_BUTTON_LEFT)).ordre, Commandes::ACTION);
    EXPECT_EQ(commandes.lire(boutonSouris(SDL_BUTTON_RIGHT)).ordre, Commandes::AUCUN);
    // Given to player 2, the mouse is player 2's; on the keyboard alone, nobody's.
    currentSettings.setPeripherique(2, Settings::PERIPH_SOURIS);
    EXPECT_EQ(commandes.lire(mouvementSouris(5)).joueur, 2);
    EXPECT_EQ(currentSettings.getPeripherique(1), Settings::PERIPH_CLAVIER);
    currentSettings.setPeripherique(2, Settings::PERIPH_CLAVIER);
    EXPECT_EQ(commandes.lire(mouvementSouris(5)).ordre, Commandes::AUCUN);
}

TEST_F(Appareils, AGamepadsStickLeansPastADeadZoneNeverFasterThanTheKeysItsButtonsActAndPause) {
    currentSettings.setPeripherique(2, Settings::PERIPH_MANETTE2);
    const struct {
        Sint16 valeur;
        float glissement;
    } inclinaisons[] = {{0, 0.0f},     {7999, 0.0f},    {-8000, 0.0f},
                        {20384, 0.5f}, {-32767, -1.0f}, {-32768, -1.0f}};
    for (const auto& i : inclinaisons) {
        commandes.lire(manette(SDL_JOYAXISMOTION, 1, 0, i.valeur));
        EXPECT_NEAR(commandes.glissementManette(2), i.glissement, 1e-3) << i.valeur;
        EXPECT_EQ(commandes.glissementManette(1), 0.0f) << "pad 2 is player 2's";
    }
    commandes.lire(manette(SDL_JOYAXISMOTION, 1, 1, 32767)); // the other axis moves nothing
    EXPECT_NEAR(commandes.glissementManette(2), -1.0f, 1e-3);
    commandes.lire(manette(SDL_JOYAXISMOTION, 1, 0, 0));
    commandes.lire(manette(SDL_JOYHATMOTION, 1, 0, SDL_HAT_RIGHT));
    EXPECT_EQ(commandes.glissementManette(2), 1.0f) << "the cross moves as the keys do";

    const struct {
        Uint8 type, quelle, bouton;
        Commandes::Ordre ordre;
    } boutons[] = {{SDL_JOYBUTTONDOWN, 1, 0, Commandes::ACTION},
                   {SDL_JOYBUTTONDOWN, 1, 7, Commandes::PAUSE_PRESSEE},
                   {SDL_JOYBUTTONUP, 1, 9, Commandes::PAUSE_RELACHEE},
                   {SDL_JOYBUTTONDOWN, 1, 3, Commandes::AUCUN},
                   {SDL_JOYBUTTONDOWN, 0, 0, Commandes::AUCUN}}; // nobody's pad
    for (const auto& b : boutons) {
        EXPECT_EQ(commandes.lire(manette(b.type, b.quelle, b.bouton)).ordre, b.ordre)
            << int(b.quelle) << " " << int(b.bouton);
    }
}

TEST(Manettes, TheSystemsListNamesTheJoysticksAmongItsInputDevices) {
    std::istringstream liste("N: Name=\"Microsoft X-Box 360 pad\"\n"
                             "H: Handlers=event5 js0 \n\n"
                             "N: Name=\"AT Translated Set 2 keyboard\"\n"
                             "H: Handlers=sysrq kbd event0 leds \n\n"
                             "N: Name=\"Logitech Dual Action\"\n"
                             "H: Handlers=js1 event7 \n");
    EXPECT_EQ(manettesListees(liste),
              (std::vector<std::string>{"Microsoft X-Box 360 pad", "Logitech Dual Action"}));
}

// What was read, on one line: action, --donnees, --niveaux, --verifier, screen, ignored, error.
static std::string optionsLues(std::vector<const char*> argv) {
    argv.insert(argv.begin(), "vorlen");
    const Options o = lireOptions(int(argv.size()), argv.data(), "/depart");
    return std::to_string(o.action) + " " + o.donnees + "|" + o.niveaux + "|" + o.aVerifier + " " +
           std::to_string(o.ecran) + " " + testing::PrintToString(o.ignores) + " " + o.erreur;
}

TEST(Options, LigneDeCommandeLueCommeLeJoueurLaTape) {
    const auto manque = [](const std::string& option) {
        return "vorlen: l'option --" + option + " attend une valeur; voyez vorlen --help";
    };
    const std::pair<std::vector<const char*>, std::string> cas[] = {
        {{}, "0 || 0 {} "},
        {{"--donnees", "/d", "--niveaux", "a.lvl", "--fenetre"}, "0 /d|/depart/a.lvl| 2 {} "},
        {{"--niveaux=/x.lvl", "--plein-ecran", "-psn_0", "--donnees=d"},
         "0 d|/x.lvl| 1 { \"-psn_0\" } "},
        {{"--verifier", "n.lvl", "--donnees"}, "4 ||n.lvl 0 {} " + manque("donnees")},
        {{"--niveaux="}, "4 || 0 {} " + manque("niveaux")},
        {{"--verifier", "n.lvl", "x"}, "3 ||n.lvl 0 { \"x\" } "},
        {{"--verifier", "n.lvl", "--help"}, "1 ||n.lvl 0 {} "},
        {{"--version", "--donneesX"}, "2 || 0 { \"--donneesX\" } "},
    };
    for (const auto& [ligne, attendu] : cas) {
        EXPECT_EQ(optionsLues(ligne), attendu) << testing::PrintToString(ligne);
    }
}
