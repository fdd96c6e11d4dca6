// SPDX-License-Identifier: GPL-3.0-or-later
// What the game takes from the player's devices, its command line and the
// screen: orders, options, the canvas in the window.
#include "evenements.h"
#include "outils.h"
#include "jeu/commandes.h"
#include "profil/settings.h"
#include "rendu/boucle.h"
#include "rendu/display.h"
#include "systeme/toile.h"
#include "systeme/fenetre.h"
#include "systeme/manettes.h"
#include "systeme/options.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

struct Appareils : ::testing::Test {
    void TearDown() override { currentSettings.initSettings(); }
    Commandes commandes;
};

TEST_F(Appareils, EachDevicesEventsAreItsPlayersOrdersTheMouseOneToOneTheStickPastADeadZone) {
    // Player 1 plays with the mouse by default, player 2 here with pad 2: 60
    // pixels of motion are 60 pixels of the field's plane, and twice as far at
    // the top sensitivity.
    currentSettings.setPeripherique(2, Settings::PERIPH_MANETTE2);
    const Commandes::Lecture l = commandes.lire(mouvementSouris(60));
    EXPECT_EQ(std::tuple(l.joueur, l.ordre), std::tuple(1, Commandes::GLISSER));
    EXPECT_NEAR(l.distance * Disposition::pixelsParUnite(), 60.0, 1e-3);
    currentSettings.setSensibiliteSouris(Settings::sensibiliteMax);
    EXPECT_NEAR(commandes.lire(mouvementSouris(-60)).distance, -2 * l.distance, 1e-3);
    const struct {
        SDL_Event e;
        int joueur;
        Commandes::Ordre ordre;
    } boutons[] = {{boutonSouris(SDL_BUTTON_LEFT), 1, Commandes::ACTION},
                   {boutonSouris(SDL_BUTTON_RIGHT), 0, Commandes::AUCUN},
                   {manette(SDL_JOYBUTTONDOWN, 1, 0), 2, Commandes::ACTION},
                   {manette(SDL_JOYBUTTONDOWN, 1, 7), 2, Commandes::PAUSE_PRESSEE},
                   {manette(SDL_JOYBUTTONUP, 1, 9), 2, Commandes::PAUSE_RELACHEE},
                   {manette(SDL_JOYBUTTONDOWN, 1, 3), 0, Commandes::AUCUN},
                   {manette(SDL_JOYBUTTONDOWN, 0, 0), 0, Commandes::AUCUN}, // nobody's pad
                   {manette(SDL_JOYBUTTONDOWN, 2, 0), 0, Commandes::AUCUN}, // a third pad
                   // The keys as bound by default, player 2's after player 1's.
                   {touche(SDLK_RIGHT, SDL_KEYUP), 1, Commandes::DROITE_RELACHEE},
                   {touche(SDLK_a), 2, Commandes::GAUCHE_PRESSEE},
                   {touche(SDLK_z), 2, Commandes::DROITE_PRESSEE},
                   {touche(SDLK_a, SDL_KEYUP), 2, Commandes::GAUCHE_RELACHEE},
                   {touche(SDLK_w), 2, Commandes::ACTION},
                   {touche(SDLK_w, SDL_KEYUP), 0, Commandes::AUCUN},
                   {touche(SDLK_p, SDL_KEYUP), 0, Commandes::PAUSE_RELACHEE},
                   {touche(SDLK_ESCAPE), 0, Commandes::QUITTER},
                   {touche(SDLK_q), 0, Commandes::AUTRE_TOUCHE}};
    for (const auto& b : boutons) {
        const Commandes::Lecture lu = commandes.lire(b.e);
        EXPECT_EQ(std::tuple(lu.joueur, lu.ordre), std::tuple(b.joueur, b.ordre))
            << int(b.e.type) << " " << int(b.e.jbutton.button) << " " << b.e.key.keysym.sym;
    }
    // On a screen with items: the arrows and Return, and a pad in their stead, one step per
    // lean, its second button back; Escape is no order there. What waits for any key takes a
    // key, a click or a pad's button pressed, nothing else.
    using C = Commandes;
    for (const auto& [e, ordre, quelconque] :
         {std::tuple(touche(SDLK_UP), C::MENU_HAUT, true),
          {touche(SDLK_RETURN), C::MENU_CHOISIR, true},
          {touche(SDLK_ESCAPE), C::MENU_AUCUN, true},
          {touche(SDLK_q, SDL_KEYUP), C::MENU_AUCUN, false},
          {boutonSouris(SDL_BUTTON_RIGHT), C::MENU_AUCUN, true},
          {mouvementSouris(3), C::MENU_AUCUN, false},
          {manette(SDL_JOYAXISMOTION, 0, 0, -20000), C::MENU_MOINS, false},
          {manette(SDL_JOYAXISMOTION, 0, 0, -30000), C::MENU_AUCUN, false},
          {manette(SDL_JOYAXISMOTION, 0, 1, 20000), C::MENU_BAS, false},
          {manette(SDL_JOYHATMOTION, 0, 0, SDL_HAT_RIGHT), C::MENU_PLUS, false},
          {manette(SDL_JOYBUTTONDOWN, 0, 1), C::MENU_RETOUR, true}}) {
        AttenteTouche attente;
        attente.traiter(e);
        EXPECT_EQ(std::tuple(commandes.lireMenu(e), attente.parTouche()),
                  std::tuple(ordre, quelconque))
            << int(e.type);
    }
    // The stick's lean, and how far the paddle glides a frame for it: never
    // faster than the keys.
    const std::pair<Sint16, float> inclinaisons[] = {
        {0, 0.0f}, {7999, 0.0f}, {-8000, 0.0f}, {20384, 0.5f}, {-32767, -1.0f}, {-32768, -1.0f}};
    for (const auto& [valeur, glissement] : inclinaisons) {
        commandes.lire(manette(SDL_JOYAXISMOTION, 1, 0, valeur));
        EXPECT_NEAR(commandes.glissementManette(2), glissement, 1e-3) << valeur;
        EXPECT_EQ(commandes.glissementManette(1), 0.0f) << "pad 2 is player 2's";
    }
    commandes.lire(manette(SDL_JOYAXISMOTION, 1, 1, 32767)); // the other axis moves nothing
    EXPECT_NEAR(commandes.glissementManette(2), -1.0f, 1e-3);
    commandes.lire(manette(SDL_JOYAXISMOTION, 1, 0, 0));
    commandes.lire(manette(SDL_JOYHATMOTION, 1, 0, SDL_HAT_RIGHT));
    EXPECT_EQ(commandes.glissementManette(2), 1.0f) << "the cross moves as the keys do";
    // A third pad plays for nobody: its stick and its cross are not read.
    currentSettings.setPeripherique(1, Settings::PERIPH_MANETTE1);
    commandes.lire(manette(SDL_JOYAXISMOTION, 2, 0, -32767));
    commandes.lire(manette(SDL_JOYHATMOTION, 2, 0, SDL_HAT_LEFT));
    EXPECT_EQ(std::pair(commandes.glissementManette(1), commandes.glissementManette(2)),
              std::pair(0.0f, 1.0f));
    commandes.lire(manette(SDL_JOYHATMOTION, 1, 0, SDL_HAT_CENTERED));
    EXPECT_EQ(commandes.glissementManette(2), 0.0f) << "the cross let go";
    currentSettings.setPeripherique(1, Settings::PERIPH_SOURIS);
    // Given to player 2, the mouse is player 2's; on the keyboard alone, nobody's.
    currentSettings.setPeripherique(2, Settings::PERIPH_SOURIS);
    EXPECT_EQ(commandes.lire(mouvementSouris(5)).joueur, 2);
    EXPECT_EQ(currentSettings.getPeripherique(1), Settings::PERIPH_CLAVIER);
    currentSettings.setPeripherique(2, Settings::PERIPH_CLAVIER);
    EXPECT_EQ(commandes.lire(mouvementSouris(5)).ordre, Commandes::AUCUN);
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
    // A pad a player plays with, gone from the list since the last look, is pulled out,
    // once; a pad no one plays with is nobody's loss.
    const DossierTemporaire dossier;
    const std::string fichier = (dossier.chemin / "devices").string();
    const auto lister = [&fichier](const char* nom) {
        std::ofstream(fichier) << "N: Name=\"" << nom << "\"\nH: Handlers=js0 event5\n";
    };
    const std::vector<std::string> ouverte = {"Pad A"};
    Commandes commandes;
    currentSettings.setPeripherique(2, Settings::PERIPH_MANETTE1);
    const std::pair<const char*, bool> regards[] = {
        {"Pad A", false}, {"Pad A", false}, {"Clavier", true}, {"Clavier", false}};
    for (const auto& [liste, debranchee] : regards) {
        lister(liste);
        EXPECT_EQ(commandes.manetteDebranchee(ouverte, fichier.c_str()), debranchee) << liste;
    }
    EXPECT_FALSE(commandes.manetteDebranchee(ouverte, "/sans/liste")) << "no list, no news";
    currentSettings.setPeripherique(2, Settings::PERIPH_CLAVIER);
    lister("Pad A");
    commandes.manetteDebranchee(ouverte, fichier.c_str());
    lister("Clavier");
    EXPECT_FALSE(commandes.manetteDebranchee(ouverte, fichier.c_str()));
    currentSettings.initSettings();
}

// What was read, on one line: action, --donnees, --niveaux, --verifier, screen, ignored, error.
static std::string optionsLues(std::vector<const char*> argv) {
    argv.insert(argv.begin(), "vorlen");
    const Options o = lireOptions(int(argv.size()), argv.data(), "/depart");
    return std::to_string(o.action) + " " + o.donnees + "|" + o.niveaux + "|" + o.aVerifier + "|" +
           o.rejeu + " " + std::to_string(o.ecran) + " " + testing::PrintToString(o.ignores) + " " +
           o.erreur;
}

TEST(Options, LigneDeCommandeLueCommeLeJoueurLaTape) {
    const auto manque = [](const std::string& option) {
        return "vorlen: l'option --" + option + " attend une valeur; voyez vorlen --help";
    };
    const std::pair<std::vector<const char*>, std::string> cas[] = {
        {{}, "0 ||| 0 {} "},
        {{"--donnees", "/d", "--niveaux", "a.lvl", "--fenetre"}, "0 /d|/depart/a.lvl|| 2 {} "},
        {{"--niveaux=/x.lvl", "--plein-ecran", "-psn_0", "--donnees=d"},
         "0 d|/x.lvl|| 1 { \"-psn_0\" } "},
        {{"--verifier", "n.lvl", "--donnees"}, "4 ||n.lvl| 0 {} " + manque("donnees")},
        {{"--niveaux="}, "4 ||| 0 {} " + manque("niveaux")},
        {{"--verifier", "n.lvl", "x"}, "3 ||n.lvl| 0 { \"x\" } "},
        {{"--verifier", "n.lvl", "--help"}, "1 ||n.lvl| 0 {} "},
        {{"--rejouer", "r.rejeu", "--verifier-replay"}, "5 |||/depart/r.rejeu 0 {} "},
        {{"--verifier-replay"},
         "4 ||| 0 {} vorlen: --verifier-replay rejoue le fichier de --rejouer FICHIER"},
        {{"--version", "--donneesX"}, "2 ||| 0 { \"--donneesX\" } "},
    };
    for (const auto& [ligne, attendu] : cas) {
        EXPECT_EQ(optionsLues(ligne), attendu) << testing::PrintToString(ligne);
    }
}

// A remembered window size is kept where it fits, else shrunk in proportion.
// The screens' end-to-end test sees smaller, larger and wider pictures: here,
// a tall window, the bars above and below, and the pointer brought back.
TEST(Toile, AWindowFitsTheScreenAndInATallOneTheCanvasStandsCentredBetweenBars) {
    const struct {
        int largeur, hauteur, ecranL, ecranH, attenduL, attenduH;
    } cas[] = {
        {800, 600, 1024, 768, 800, 600},     {800, 600, 640, 480, 640, 480},
        {3000, 1500, 1920, 1080, 1920, 960}, {1000, 750, 1920, 1080, 1000, 750},
        {800, 600, 0, 0, 800, 600}, // a screen SDL cannot measure
    };
    for (const auto& c : cas) {
        int l = c.largeur, h = c.hauteur;
        fenetre::ajusterAEcran(l, h, c.ecranL, c.ecranH);
        EXPECT_EQ(std::tuple(l, h), std::tuple(c.attenduL, c.attenduH))
            << c.largeur << "x" << c.hauteur << " on " << c.ecranL;
    }
    toile::adapter(1000, 1000);
    EXPECT_EQ(toile::versFenetre({0, 0, 800, 600}), (toile::Rectangle{0, 125, 1000, 750}));
    EXPECT_EQ(toile::versFenetre({0, 0, 650, 600}), (toile::Rectangle{0, 125, 813, 750}));
    EXPECT_EQ(toile::versFenetre({650, 0, 150, 600}), (toile::Rectangle{813, 125, 187, 750}));
    EXPECT_EQ(toile::versToile({813, 125, 187, 750}), (toile::Rectangle{650, 0, 150, 600}));
    // The window's top-left pixel of the picture is the canvas's top-left
    // corner; the bars are outside.
    float x, y;
    EXPECT_TRUE(toile::pointVersToile(1000 - 1, 125, x, y));
    EXPECT_TRUE(std::abs(x - 799.6) < 0.1 && std::abs(y - 599.6) < 0.1) << x << ", " << y;
    EXPECT_FALSE(toile::pointVersToile(500, 124, x, y));
    EXPECT_FALSE(toile::pointVersToile(500, 875, x, y));
    // In a wide one, the bars stand left and right.
    toile::adapter(1200, 600);
    EXPECT_EQ(toile::versToile({200, 0, 800, 600}), (toile::Rectangle{0, 0, 800, 600}));
    EXPECT_FALSE(toile::pointVersToile(199, 300, x, y));
    EXPECT_FALSE(toile::pointVersToile(1000, 300, x, y));
    EXPECT_TRUE(toile::pointVersToile(200, 0, x, y) && std::abs(x - 0.5) < 0.1 &&
                std::abs(y - 599.5) < 0.1)
        << x << ", " << y;
    EXPECT_TRUE(toile::pointVersToile(999, 599, x, y) && std::abs(x - 799.5) < 0.1 &&
                std::abs(y - 0.5) < 0.1)
        << x << ", " << y;
    toile::adapter(800, 600);
}
