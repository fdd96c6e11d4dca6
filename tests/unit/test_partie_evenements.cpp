#include "banc.h"

#include <gtest/gtest.h>

#include <tuple>

struct Evenements : ::testing::Test {
    HorlogeDeTest horloge;
    Banc<Normal1j> partie;
    Joueur& j1 = partie.j1();
};

TEST_F(Evenements, BoxesTouchUpToTheirEdgesAndTheBallsSquareCorner) {
    partie.poserNiveau({{7, 0, 1}});
    Brique& brique = *partie.niveau().tabBriques[7][0]; // 4 by 2, at y = 3
    const float bx = brique.getPosition()->X;
    Batte& batte = j1.getBatteRef(); // 10 by 1, at (0, -35)
    Balle& balle = partie.poserBalle(j1, 0.0f, 0.0f, 0.0f);
    balle.agrandir(); // a radius of 1, placed exactly
    // Ball centre, then whether it touches the paddle, or the brick from bx.
    const std::tuple<float, float, bool> contreBatte[] = {
        {6.0f, -35.0f, true},   {6.01f, -35.0f, false}, {-6.0f, -35.0f, true},
        {0.0f, -33.49f, false}, {0.0f, -36.5f, true},   {5.9f, -33.6f, true}};
    for (const auto& [x, y, touche] : contreBatte) {
        *balle.getPosition() = Vecteur(x, y, 0.0f);
        EXPECT_EQ(partie.eventCollision(balle, batte), touche) << x << ", " << y;
    }
    const std::tuple<float, float, bool> contreBrique[] = {
        {0.0f, 1.0f, true}, {0.0f, 0.99f, false}, {3.0f, 3.0f, true}, {3.01f, 3.0f, false}};
    for (const auto& [dx, y, touche] : contreBrique) {
        *balle.getPosition() = Vecteur(bx + dx, y, 0.0f);
        EXPECT_EQ(partie.eventCollision(brique, balle), touche) << dx << ", " << y;
    }
    partie.tirs().emplace_back(&j1, bx - 2.3f, 4.3f, false);
    EXPECT_TRUE(partie.eventCollision(brique, partie.tirs().back()));
    partie.tirs().emplace_back(&j1, bx, 4.41f, false);
    EXPECT_FALSE(partie.eventCollision(brique, partie.tirs().back()));
    partie.bonus().emplace_back(6.0f, -35.0f, BONUS_LIFE, -1);
    EXPECT_TRUE(partie.eventCollision(partie.bonus().back(), batte));
    partie.bonus().emplace_back(6.5f, -35.0f, BONUS_LIFE, -1);
    EXPECT_FALSE(partie.eventCollision(partie.bonus().back(), batte));
}

TEST_F(Evenements, BallsAndShotsStartAtThePaddleAndLaunchingTouchesOnlyThePlayersHeldBalls) {
    j1.commandeDroite(true);
    for (int k = 0; k < 7; ++k) {
        j1.deplacer();
    }
    partie.newBall(&j1, true);
    partie.newTir(&j1);
    EXPECT_FLOAT_EQ(partie.balles().back().getPosition()->X, 7.0f);
    EXPECT_FLOAT_EQ(partie.balles().back().getPosition()->Y, -34.0f);
    EXPECT_EQ(j1.getnBalles(), 1);
    EXPECT_FLOAT_EQ(partie.tirs().back().getPosition()->X, 7.0f);
    EXPECT_FLOAT_EQ(partie.tirs().back().getPosition()->Y, -35.0f);
    partie.newBall(&partie.j2(), true);
    Balle& libre = partie.poserBalle(j1, 3.0f, 3.0f, 0.2f);
    const Vecteur v = libre.getVitesse();
    partie.lancerBalles(partie.j2());
    auto it = partie.balles().begin();
    EXPECT_TRUE(it->isHooked()) << "player 1's ball stays";
    EXPECT_FALSE((++it)->isHooked()) << "player 2's ball goes";
    partie.lancerBalles(j1);
    EXPECT_FALSE(partie.balles().front().isHooked());
    EXPECT_FLOAT_EQ(libre.getVitesse().X, v.X) << "a free ball is left alone";
}
