// SPDX-License-Identifier: GPL-3.0-or-later
#include "rendu/toile.h"
#include "systeme/fenetre.h"

#include <gtest/gtest.h>

// The screens' end-to-end test sees smaller, larger and wider pictures: here,
// a tall window, the bars above and below, and the pointer brought back.
TEST(Toile, InATallWindowTheCanvasFillsTheWidthCentredBetweenBarsAndComesBackThroughTheInverse) {
    toile::adapter(1000, 1000);
    EXPECT_EQ(toile::versFenetre({0, 0, 800, 600}), (toile::Rectangle{0, 125, 1000, 750}));
    EXPECT_EQ(toile::versFenetre({0, 0, 650, 600}), (toile::Rectangle{0, 125, 813, 750}));
    EXPECT_EQ(toile::versFenetre({650, 0, 150, 600}), (toile::Rectangle{813, 125, 187, 750}));
    EXPECT_EQ(toile::versToile({813, 125, 187, 750}), (toile::Rectangle{650, 0, 150, 600}));
    // The window's top-left pixel of the picture is the canvas's top-left
    // corner; the bars are outside.
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
