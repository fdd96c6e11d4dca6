// SPDX-License-Identifier: GPL-3.0-or-later
#include "clavier.h"
#include "ecrans/ecranscores.h"
#include "ecrans/menu.h"
#include "fenetre.h"
#include "erreurs.h"
#include "outils.h"

#include <SDL.h>
#include <gtest/gtest.h>

// Player 1 is offered the login name, which goes; the table is left with a key
// once it has been drawn.
TEST(EcranScores, TheTeamNamedSeesItsLineHighlightedThatItWasNotSavedAndWideNamesStayInTheirBoxes) {
    MeilleursScores scores;
    erreursDe([&] { scores.charger("/dev/null/vorlen/scores.txt"); }); // a folder no one can make
    freetype::font_data grande;
    grande.init("AXAXAX.TTF", 26);
    initGL();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    std::vector<clavier::Touche> touches = clavier::saisie(std::string(12, '\b') + "Ann!");
    for (const clavier::Touche& t : clavier::saisie("  Bob Martin  ")) {
        touches.push_back(t);
    }
    touches.push_back({SDLK_SPACE, ' '});
    clavier::jouer(touches);
    EcranScores ecran(grande);
    EXPECT_TRUE(ecran.inscrire(scores, MeilleursScores::MODE_COOP, {2040, 5, "2026-12-07", {}}));
    EXPECT_FALSE(clavier::aAttenduPlus());
    const Capture capture;
    EXPECT_EQ(scores.table(MeilleursScores::MODE_COOP).getLignes().at(0).noms,
              (std::vector<std::string>{"Ann", "Bob Martin"}));
    const auto barre = [](const Pixel& p) { return p.r == 0 && p.v == 0 && p.b == 150; };
    const auto rouge = [](const Pixel& p) { return p.r > 200 && p.v < 100 && p.b < 100; };
    const auto blanc = [](const Pixel& p) { return p.r > 200 && p.v > 200 && p.b > 200; };
    EXPECT_TRUE(capture.unPixelDans(290, 500, 20, 45, rouge)) << "the red heading";
    EXPECT_TRUE(barre(capture.at(35, 360))) << "the co-operative table's first line stands out";
    EXPECT_FALSE(barre(capture.at(35, 120))) << "the one-player table is empty";
    EXPECT_TRUE(capture.unPixelDans(90, 300, 352, 368, blanc)) << "the names in white on the bar";
    EXPECT_TRUE(capture.unPixelDans(40, 400, 536, 562, rouge))
        << "the failed save under the tables";

    touches = clavier::saisie(std::string(12, '\b') + std::string(12, 'W'));
    touches.push_back({SDLK_SPACE, ' '});
    clavier::jouer(touches);
    EXPECT_TRUE(ecran.inscrire(scores, MeilleursScores::MODE_1J, {500, 2, "2026-12-07", {}}));
    EXPECT_FALSE(clavier::aAttenduPlus());
    const std::string nom = scores.table(MeilleursScores::MODE_1J).getLignes().at(0).noms.at(0);
    EXPECT_EQ(nom.find_first_not_of('W'), std::string::npos) << nom;
    EXPECT_TRUE(nom.size() >= 6 && nom.size() < 12) << "the entry box takes " << nom.size() << " W";
    // Two names of twelve wide letters, as a hand-edited file may hold them.
    scores.inscrire(MeilleursScores::MODE_COOP,
                    {3000, 5, "2026-12-07", {std::string(12, 'W'), std::string(12, 'M')}});
    clavier::jouer({{SDLK_SPACE, ' '}});
    EXPECT_TRUE(ecran.montrer(scores, MeilleursScores::MODE_COOP, 0));
    EXPECT_FALSE(clavier::aAttenduPlus());
    const Capture larges;
    const Cadre noms = larges.cadreDans(90, 409, 352, 368, blanc);
    EXPECT_TRUE(!noms.vide() && noms.col1 < 404) << "the names end at column " << noms.col1;
    EXPECT_TRUE(larges.unPixelDans(410, 460, 352, 368, blanc)) << "the score is left whole";
}
