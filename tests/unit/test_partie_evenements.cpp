#include "banc.h"

#include <gtest/gtest.h>

namespace {

class Evenements : public ::testing::Test {
protected:
    HorlogeDeTest horloge;
    Banc<Normal1j> partie;
};

} // namespace

TEST_F(Evenements, BallAndPaddleTouchAtTheEdgeAndAtTheSquaresCorner) {
    Batte& batte = partie.j1().getBatteRef(); // centre (0, -35), 10 by 1
    Balle& balle = partie.poserBalle(partie.j1(), 6.0f, -35.0f, 0.0f);
    balle.agrandir();
    ASSERT_EQ(balle.getRayon(), 1.0f) << "a radius the tests can place exactly";
    EXPECT_TRUE(partie.eventCollision(balle, batte)) << "edges touching";
    *balle.getPosition() = Vecteur(6.01f, -35.0f, 0.0f);
    EXPECT_FALSE(partie.eventCollision(balle, batte));
    *balle.getPosition() = Vecteur(-6.0f, -35.0f, 0.0f);
    EXPECT_TRUE(partie.eventCollision(balle, batte));
    *balle.getPosition() = Vecteur(0.0f, -33.49f, 0.0f);
    EXPECT_FALSE(partie.eventCollision(balle, batte)) << "air above";
    *balle.getPosition() = Vecteur(0.0f, -36.5f, 0.0f);
    EXPECT_TRUE(partie.eventCollision(balle, batte)) << "touching below";
    *balle.getPosition() = Vecteur(5.9f, -33.6f, 0.0f);
    EXPECT_TRUE(partie.eventCollision(balle, batte)) << "the square's corner";
}

TEST_F(Evenements, BricksTouchBallsAndShotsAtTheirEdges) {
    partie.poserNiveau({{7, 0, 1}});
    Brique& brique = *partie.niveau().tabBriques[7][0];
    const Vecteur c = *brique.getPosition(); // row 0 stands at y = 3
    Balle& balle = partie.poserBalle(partie.j1(), c.X, 1.0f, 0.0f);
    balle.agrandir();
    EXPECT_TRUE(partie.eventCollision(brique, balle)) << "edges touching";
    *balle.getPosition() = Vecteur(c.X, 0.99f, 0.0f);
    EXPECT_FALSE(partie.eventCollision(brique, balle));
    *balle.getPosition() = Vecteur(c.X + 3.0f, 3.0f, 0.0f);
    EXPECT_TRUE(partie.eventCollision(brique, balle));
    *balle.getPosition() = Vecteur(c.X + 3.01f, 3.0f, 0.0f);
    EXPECT_FALSE(partie.eventCollision(brique, balle));

    partie.tirs().emplace_back(&partie.j1(), c.X - 2.3f, c.Y + 1.3f, false);
    EXPECT_TRUE(partie.eventCollision(brique, partie.tirs().back()));
    partie.tirs().emplace_back(&partie.j1(), c.X, c.Y + 1.41f, false);
    EXPECT_FALSE(partie.eventCollision(brique, partie.tirs().back()));
}

TEST_F(Evenements, CapsulesAreCaughtUpToThePaddlesEnd) {
    Batte& batte = partie.j1().getBatteRef();
    partie.bonus().emplace_back(6.0f, -35.0f, BONUS_LIFE, -1);
    EXPECT_TRUE(partie.eventCollision(partie.bonus().back(), batte));
    partie.bonus().emplace_back(6.5f, -35.0f, BONUS_LIFE, -1);
    EXPECT_FALSE(partie.eventCollision(partie.bonus().back(), batte));
}

TEST_F(Evenements, BallsAndShotsStartAtTheirPlayersPaddle) {
    Joueur& j1 = partie.j1();
    j1.commandeDroite(true);
    for (int k = 0; k < 7; ++k) {
        j1.deplacer();
    }
    partie.newBall(&j1, true);
    const Balle& balle = partie.balles().back();
    EXPECT_FLOAT_EQ(balle.getPosition()->X, 7.0f);
    EXPECT_FLOAT_EQ(balle.getPosition()->Y, -34.0f);
    EXPECT_TRUE(balle.isHooked());
    EXPECT_EQ(j1.getnBalles(), 1);

    partie.newTir(&j1);
    ASSERT_EQ(partie.tirs().size(), 1u);
    Tir& tir = partie.tirs().back();
    EXPECT_FLOAT_EQ(tir.getPosition()->X, 7.0f);
    EXPECT_FLOAT_EQ(tir.getPosition()->Y, -35.0f);
    tir.deplacer();
    EXPECT_GT(tir.getPosition()->Y, -35.0f) << "shots go up";
}

TEST_F(Evenements, LaunchingTouchesOnlyThePlayersHeldBalls) {
    partie.newBall(&partie.j1(), true);
    partie.newBall(&partie.j2(), true);
    Balle& libre = partie.poserBalle(partie.j1(), 3.0f, 3.0f, 0.2f);
    const Vecteur v = libre.getVitesse();
    partie.lancerBalles(partie.j2());
    partie.lancerBalles(partie.j2());
    auto it = partie.balles().begin();
    EXPECT_TRUE(it->isHooked()) << "player 1's ball stays";
    EXPECT_FALSE((++it)->isHooked()) << "player 2's ball goes";
    partie.lancerBalles(partie.j1());
    EXPECT_FALSE(partie.balles().front().isHooked());
    EXPECT_FLOAT_EQ(libre.getVitesse().X, v.X) << "a free ball is left alone";
}
