// SPDX-License-Identifier: GPL-3.0-or-later
#include "ecrans/ecranscores.h"
#include "ecrans/menu.h"
#include "fenetre.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

static void pousser(SDLKey touche, Uint16 caractere = 0) {
    SDL_Event event = {SDL_KEYDOWN};
    event.key.keysym.sym = touche;
    event.key.keysym.unicode = caractere;
    SDL_PushEvent(&event);
}

static void taper(const std::string& texte) {
    for (const char c : texte) {
        pousser(static_cast<SDLKey>(c), static_cast<Uint16>(c));
    }
    pousser(SDLK_RETURN);
}

TEST(EcranScores, BothPlayersNameTheTeamThenSeeItsLineHighlightedAndThatItWasNotSaved) {
    MeilleursScores scores;
    ::testing::internal::CaptureStderr();
    scores.charger("/dev/null/vorlen/scores.txt"); // a folder no one can make
    ::testing::internal::GetCapturedStderr();
    freetype::font_data grande;
    grande.init("AXAXAX.TTF", 26);
    initGL();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    // The login name offered to player 1 goes, then each types a name; the
    // table is left with a key once it has been drawn.
    taper(std::string(12, '\b') + "Ann!");
    taper("  Bob Martin  ");
    std::thread clavier([] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        pousser(SDLK_SPACE, ' ');
    });
    EcranScores ecran(grande);
    EXPECT_TRUE(ecran.inscrire(scores, MeilleursScores::MODE_COOP, {2040, 5, "2026-12-07", {}}));
    clavier.join();
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
    EXPECT_TRUE(capture.unPixelDans(40, 400, 536, 562, [](const Pixel& p) {
        return p.r > 200 && p.v < 100 && p.b < 100;
    })) << "the failed save in red under the tables";
}
