// SPDX-License-Identifier: GPL-3.0-or-later
#include "rendu/toile.h"
#include "systeme/fenetre.h"

#include <gtest/gtest.h>

TEST(Toile, TheCanvasFillsTheWindowsHeightOrWidthCentredBetweenBarsAndComesBackThroughTheInverse) {
    const struct {
        int largeur, hauteur;
        toile::Rectangle canvas, champ, panneau;
    } cas[] = {
        {800, 600, {0, 0, 800, 600}, {0, 0, 650, 600}, {650, 0, 150, 600}},
        {640, 480, {0, 0, 640, 480}, {0, 0, 520, 480}, {520, 0, 120, 480}},
        // Full height on a wide screen, bars left and right.
        {1920, 1080, {240, 0, 1440, 1080}, {240, 0, 1170, 1080}, {1410, 0, 270, 1080}},
        // Full width in a tall window, bars above and below.
        {1000, 1000, {0, 125, 1000, 750}, {0, 125, 813, 750}, {813, 125, 187, 750}},
    };
    for (const auto& c : cas) {
        toile::adapter(c.largeur, c.hauteur);
        EXPECT_EQ(toile::versFenetre({0, 0, 800, 600}), c.canvas) << c.largeur;
        EXPECT_EQ(toile::versFenetre({0, 0, 650, 600}), c.champ) << c.largeur;
        EXPECT_EQ(toile::versFenetre({650, 0, 150, 600}), c.panneau) << c.largeur;
        EXPECT_EQ(toile::versToile(c.panneau), (toile::Rectangle{650, 0, 150, 600})) << c.largeur;
    }
    // The pointer: the window's top-left pixel of the picture is the canvas's
    // top-left corner; the bars are outside.
    float x, y;
    EXPECT_TRUE(toile::pointVersToile(1000 - 1, 125, x, y));
    EXPECT_NEAR(x, 799.6, 0.1);
    EXPECT_NEAR(y, 599.6, 0.1);
    EXPECT_FALSE(toile::pointVersToile(500, 124, x, y));
    EXPECT_FALSE(toile::pointVersToile(500, 875, x, y));
    toile::adapter(800, 600);
}

TEST(Toile, ARememberedWindowSizeIsKeptWhereItFitsElseShrunkInProportion) {
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
        EXPECT_EQ(l, c.attenduL) << c.largeur << "x" << c.hauteur << " on " << c.ecranL;
        EXPECT_EQ(h, c.attenduH) << c.largeur << "x" << c.hauteur << " on " << c.ecranL;
    }
}
