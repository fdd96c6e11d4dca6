// SPDX-License-Identifier: GPL-3.0-or-later
#include "clavier.h"
#include "ecrans/ecranscores.h"
#include "ecrans/menu.h"
#include "fenetre.h"

#include <SDL.h>
#include <gtest/gtest.h>

TEST(EcranScores, BothPlayersNameTheTeamThenSeeItsLineHighlighted) {
    MeilleursScores scores;
    freetype::font_data grande;
    grande.init("AXAXAX.TTF", 26);
    initGL();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glViewport(0, 0, Capture::largeur, Capture::hauteur);
    // The login name offered to player 1 goes, then each types a name; the
    // table is left with a key once it has been drawn.
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
    const auto& lignes = scores.table(MeilleursScores::MODE_COOP).getLignes();
    EXPECT_EQ(lignes.size(), 1u);
    EXPECT_EQ(lignes.at(0).noms, (std::vector<std::string>{"Ann", "Bob Martin"}));

    const auto barre = [](const Pixel& p) { return p.r == 0 && p.v == 0 && p.b == 150; };
    EXPECT_TRUE(capture.unPixelDans(290, 500, 20, 45, [](const Pixel& p) {
        return p.r > 200 && p.v < 40 && p.b < 40;
    })) << "the red heading";
    EXPECT_TRUE(barre(capture.at(35, 360))) << "the co-operative table's first line stands out";
    EXPECT_FALSE(barre(capture.at(35, 120))) << "the one-player table is empty";
    EXPECT_TRUE(capture.unPixelDans(90, 300, 352, 368, [](const Pixel& p) {
        return p.r > 200 && p.v > 200 && p.b > 200;
    })) << "the names in white on the bar";
}
