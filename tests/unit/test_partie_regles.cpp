#include "banc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iostream>
#include <sstream>

namespace {

const float quartDeTour = 0.78539816f;

class Regles : public ::testing::Test {
protected:
    HorlogeDeTest horloge;
    Banc<Normal1j> partie;
};

// The value rand() % 100 will give next, after the seed this returns.
unsigned graineDonnant(int tmp) {
    for (unsigned graine = 1;; ++graine) {
        srand(graine);
        if (rand() % 100 == tmp) {
            srand(graine);
            return graine;
        }
    }
}

} // namespace

TEST(ReglesBriques, BounceOutcomeForEachAxisThatHits) {
    // Start offsets from the brick's centre; the ball moves up and right at 45 degrees.
    const struct {
        const char* cas;
        float dx;
        float dy;
        bool avanceEnY;
        float signeVx;
        float signeVy;
    } cas[] = {
        {"X alone hits, Y alone clear", -3.0f, 0.0f, true, -1.0f, 1.0f},
        {"both hit (already touching)", 0.0f, -1.5f, false, -1.0f, -1.0f},
        {"X alone clear, Y alone hits", 0.0f, -2.0f, false, 1.0f, -1.0f},
        {"corner: neither alone hits", -2.9f, -1.9f, false, -1.0f, -1.0f},
    };
    for (const auto& c : cas) {
        HorlogeDeTest horloge;
        Banc<Normal1j> partie;
        partie.poserNiveau({{7, 4, 5}});
        const Vecteur brique = partie.centre(7, 4);
        Balle& balle =
            partie.poserBalle(partie.j1(), brique.X + c.dx, brique.Y + c.dy, quartDeTour);
        const Vecteur depart = *balle.getPosition();
        const Vecteur v = balle.getVitesse();
        balle.deplacer();
        partie.verifier();
        EXPECT_FLOAT_EQ(balle.getPosition()->X, depart.X) << c.cas;
        EXPECT_FLOAT_EQ(balle.getPosition()->Y, depart.Y + (c.avanceEnY ? v.Y : 0.0f)) << c.cas;
        EXPECT_FLOAT_EQ(balle.getVitesse().X, c.signeVx * v.X) << c.cas;
        EXPECT_FLOAT_EQ(balle.getVitesse().Y, c.signeVy * v.Y) << c.cas;
        EXPECT_EQ(partie.niveau().tabBriques[7][4]->getPtsVie(), 4) << c.cas;
        EXPECT_EQ(partie.j1().getScore(), 1) << c.cas;
    }
}

TEST_F(Regles, CellWindowExamplesAndClamps) {
    const struct {
        float x;
        float y;
        int iFirst, iLast, jFirst, jLast;
    } cas[] = {
        {0.0f, 10.0f, 6, 10, 1, 5},      {-30.0f, 4.0f, 0, 2, 0, 2},
        {100.0f, 100.0f, 15, 16, 9, 10}, {-100.0f, -100.0f, 0, 1, 0, 1},
        {37.0f, 27.0f, 16, 16, 10, 10}, // a first index of exactly 16 (10) is kept
    };
    for (const auto& c : cas) {
        const auto f = partie.fenetre(c.x, c.y, 0.8f);
        EXPECT_EQ(f.iFirst, c.iFirst) << c.x << ", " << c.y;
        EXPECT_EQ(f.iLast, c.iLast) << c.x << ", " << c.y;
        EXPECT_EQ(f.jFirst, c.jFirst) << c.x << ", " << c.y;
        EXPECT_EQ(f.jLast, c.jLast) << c.x << ", " << c.y;
    }
}

TEST_F(Regles, WallsTurnTheBallSideBeforeCeiling) {
    Balle& gauche = partie.poserBalle(partie.j1(), -39.5f, 0.0f, -quartDeTour);
    Balle& coin = partie.poserBalle(partie.j1(), -39.5f, 34.5f, -quartDeTour);
    Balle& haut = partie.poserBalle(partie.j1(), 0.0f, 34.5f, quartDeTour);
    const Vecteur v = gauche.getVitesse();
    partie.verifier();
    EXPECT_FLOAT_EQ(gauche.getVitesse().X, -v.X);
    EXPECT_FLOAT_EQ(gauche.getVitesse().Y, v.Y);
    EXPECT_FLOAT_EQ(gauche.getPosition()->X, -39.5f - v.X - v.X);
    EXPECT_FLOAT_EQ(coin.getVitesse().X, -v.X) << "side wall first";
    EXPECT_FLOAT_EQ(coin.getVitesse().Y, v.Y) << "and only the side wall";
    EXPECT_FLOAT_EQ(haut.getVitesse().Y, -v.Y);
    EXPECT_FLOAT_EQ(haut.getPosition()->Y, 34.5f - 2 * v.Y);
}

TEST_F(Regles, PaddleSendsTheBallUpByWhereItMeetsIt) {
    const struct {
        float x;
        float vx;
        float vy;
    } cas[] = {{0.0f, 0.0f, 0.5f},
               {5.0f, 0.5f * std::sin(0.785f), 0.5f * std::cos(0.785f)},
               {-5.0f, -0.5f * std::sin(0.785f), 0.5f * std::cos(0.785f)}};
    for (const auto& c : cas) {
        Balle& balle = partie.poserBalle(partie.j1(), c.x, -34.0f, 3.14159265f);
        partie.verifier();
        EXPECT_NEAR(balle.getVitesse().X, c.vx, 1e-6) << c.x;
        EXPECT_NEAR(balle.getVitesse().Y, c.vy, 1e-6) << c.x;
        partie.balles().clear();
    }
    Balle& montante = partie.poserBalle(partie.j1(), 0.0f, -34.5f, 0.3f);
    const Vecteur v = montante.getVitesse();
    partie.verifier();
    EXPECT_FLOAT_EQ(montante.getVitesse().X, v.X) << "a rising ball passes through";
    EXPECT_FLOAT_EQ(montante.getVitesse().Y, v.Y);
}

TEST_F(Regles, PiercingBallHitsABrickFrameAfterFrameWithoutTurning) {
    partie.poserNiveau({{7, 4, 3}, {0, 0, 1}});
    const Vecteur brique = partie.centre(7, 4);
    Balle& balle = partie.poserBalle(partie.j1(), brique.X, brique.Y - 2.5f, 0.0f);
    balle.setTraversante();
    for (int k = 0; k < 12 && partie.niveau().tabBriques[7][4]; ++k) {
        partie.deplacer();
        partie.verifier();
    }
    EXPECT_EQ(partie.niveau().tabBriques[7][4], nullptr);
    EXPECT_EQ(partie.j1().getScore(), 3);
    EXPECT_FLOAT_EQ(balle.getVitesse().Y, 0.5f);
    EXPECT_EQ(partie.niveau().nbBriquesRestantes(), 1);
}

TEST_F(Regles, UnbreakableBricksTurnBallsStopShotsAndScoreNothing) {
    partie.poserNiveau({{7, 4, -1}, {9, 4, -1}});
    const Vecteur brique = partie.centre(7, 4);
    Balle& balle = partie.poserBalle(partie.j1(), brique.X, brique.Y - 2.0f, 0.0f);
    balle.deplacer();
    const Vecteur tir = partie.centre(9, 4);
    partie.tirs().emplace_back(&partie.j1(), tir.X, tir.Y - 1.2f, false);
    partie.verifier();
    EXPECT_LT(balle.getVitesse().Y, 0.0f);
    EXPECT_TRUE(partie.tirs().empty());
    EXPECT_EQ(partie.niveau().tabBriques[7][4]->getPtsVie(), -1);
    EXPECT_EQ(partie.j1().getScore(), 0);
}

TEST_F(Regles, BiggerBallsHitHarderAndScoreMore) {
    partie.poserNiveau({{7, 4, 10}});
    const Vecteur brique = partie.centre(7, 4);
    Balle& balle = partie.poserBalle(partie.j1(), brique.X, brique.Y - 2.4f, 0.0f);
    balle.agrandir();
    balle.agrandir();
    balle.deplacer();
    partie.verifier();
    EXPECT_EQ(partie.niveau().tabBriques[7][4]->getPtsVie(), 7);
    EXPECT_EQ(partie.j1().getScore(), 3);
}

TEST_F(Regles, AShotHitsTheFirstBrickInWindowOrderThenIsGone) {
    partie.poserNiveau({{7, 2, 2}, {7, 3, 2}, {2, 2, 1}});
    const Vecteur bas = partie.centre(7, 2);
    // Between two rows, the shot touches both bricks.
    partie.tirs().emplace_back(&partie.j1(), bas.X, bas.Y + 1.2f, false);
    partie.tirs().emplace_back(&partie.j1(), 20.0f, 35.5f, false);
    partie.verifier();
    EXPECT_TRUE(partie.tirs().empty());
    EXPECT_EQ(partie.niveau().tabBriques[7][2]->getPtsVie(), 1);
    EXPECT_EQ(partie.niveau().tabBriques[7][3]->getPtsVie(), 2);
    EXPECT_EQ(partie.j1().getScore(), 1);

    // A brick a shot breaks always drops a capsule.
    const Vecteur faible = partie.centre(2, 2);
    partie.tirs().emplace_back(&partie.j1(), faible.X, faible.Y, false);
    partie.verifier();
    EXPECT_EQ(partie.niveau().tabBriques[2][2], nullptr);
    ASSERT_EQ(partie.bonus().size(), 1u);
    EXPECT_FLOAT_EQ(partie.bonus().front().getPosition()->X, faible.X);
    EXPECT_GE(partie.debris().size(), 5u);
    EXPECT_LE(partie.debris().size(), 14u);
}

TEST(Bonus, KindsFollowTheirWeights) {
    const struct {
        int tmp;
        TYPEBONUS type;
    } cas[] = {{0, BONUS_LIFE},          {1, BONUS_LIFE},       {2, BONUS_ABATTE},
               {26, BONUS_ABATTE},       {27, BONUS_RBATTE},    {51, BONUS_RBATTE},
               {52, BONUS_MULTIBALL},    {71, BONUS_MULTIBALL}, {72, BONUS_BTRAVERSANTE},
               {81, BONUS_BTRAVERSANTE}, {82, BONUS_ABALLE},    {91, BONUS_ABALLE},
               {92, BONUS_ARME},         {99, BONUS_ARME}};
    for (const auto& c : cas) {
        graineDonnant(c.tmp);
        EXPECT_EQ(tirerTypeBonus(), c.type) << "tmp = " << c.tmp;
    }
}

TEST_F(Regles, EachCapsuleActsOnItsCatcherAndScoresFive) {
    Joueur& j1 = partie.j1();
    partie.newBall(&j1, true);
    // Catches one capsule of `type` on the paddle.
    auto attraper = [&](TYPEBONUS type) {
        // Its box just reaches over the paddle's right end.
        const Batte& batte = j1.getBatteRef();
        partie.bonus().emplace_back(batte.getPosition()->X + batte.getLongueur() / 2 + 0.9f,
                                    batte.getPosition()->Y, type, -1);
        const int score = j1.getScore();
        partie.verifier();
        EXPECT_TRUE(partie.bonus().empty()) << type;
        EXPECT_EQ(j1.getScore(), score + 5) << type;
    };
    attraper(BONUS_LIFE);
    EXPECT_EQ(j1.getNbVie(), 4);
    for (int k = 0; k < 3; ++k) {
        attraper(BONUS_ABATTE);
    }
    EXPECT_FLOAT_EQ(j1.getBatteRef().getLongueur(), 15.0f);
    for (int k = 0; k < 5; ++k) {
        attraper(BONUS_RBATTE);
    }
    EXPECT_FLOAT_EQ(j1.getBatteRef().getLongueur(), 5.0f);
    attraper(BONUS_BTRAVERSANTE);
    EXPECT_TRUE(partie.balles().front().isTraversante()) << "held balls pierce too";
    for (int k = 0; k < 4; ++k) {
        attraper(BONUS_ABALLE);
    }
    EXPECT_EQ(partie.balles().front().getIRayon(), 3);
    attraper(BONUS_ARME);
    EXPECT_TRUE(j1.canShoot());
    attraper(BONUS_MULTIBALL);
    ASSERT_EQ(partie.balles().size(), 2u);
    EXPECT_EQ(j1.getnBalles(), 2);
    EXPECT_FALSE(partie.balles().back().isHooked());
    EXPECT_FALSE(partie.balles().back().isTraversante()) << "new balls start plain";

    std::ostringstream sortie;
    std::streambuf* ancien = std::cout.rdbuf(sortie.rdbuf());
    attraper(BONUS_NONE);
    std::cout.rdbuf(ancien);
    EXPECT_EQ(sortie.str(), " bonus en bois\n");
}

TEST_F(Regles, CapsulesWaitWhileThePlayerIsAway) {
    partie.newBall(&partie.j1(), true);
    partie.j1().destroy();
    partie.bonus().emplace_back(0.0f, -45.0f, BONUS_LIFE, -1);
    partie.bonus().emplace_back(0.0f, -35.0f, BONUS_LIFE, -1);
    partie.verifier();
    EXPECT_EQ(partie.bonus().size(), 2u) << "neither caught nor dropped";
    horloge.avancer(3001);
    partie.verifier();
    EXPECT_TRUE(partie.bonus().empty()) << "the fallen one goes, the one on the paddle is caught";
    EXPECT_EQ(partie.j1().getNbVie(), 3) << "one life lost, one caught";
}

TEST_F(Regles, TheLastBallLostCostsALifeThreeSecondsLater) {
    Joueur& j1 = partie.j1();
    j1.getBatteRef().putCanon();
    partie.poserBalle(j1, 0.0f, -41.0f, 3.0f);
    partie.verifier();
    EXPECT_TRUE(j1.isDestroyed());
    EXPECT_EQ(partie.debris().size(), 25u);
    const Couleur vert = partie.debris().front().getCouleur();
    EXPECT_EQ(vert.r, 0);
    EXPECT_EQ(vert.v, 255);
    EXPECT_FLOAT_EQ(partie.debris().front().getPosition()->X, 5.0f);
    EXPECT_FLOAT_EQ(partie.debris().back().getPosition()->X, 5.0f - 24 * 10.0f / 25);
    horloge.avancer(3000);
    partie.verifier();
    EXPECT_TRUE(j1.isDestroyed());
    EXPECT_EQ(j1.getNbVie(), 3) << "the panel still shows every life";
    horloge.avancer(1);
    partie.verifier();
    EXPECT_FALSE(j1.isDestroyed());
    EXPECT_EQ(j1.getNbVie(), 2);
    EXPECT_FALSE(j1.canShoot());
    ASSERT_EQ(partie.balles().size(), 1u);
    EXPECT_TRUE(partie.balles().front().isHooked());
    EXPECT_EQ(j1.getnBalles(), 1);
    EXPECT_FALSE(partie.perdu());
}

TEST_F(Regles, WithNoLifeLeftTheMatchEndsOnTheNextFrame) {
    Joueur& j1 = partie.j1();
    for (int k = 0; k < 3; ++k) {
        j1.perteVie();
    }
    partie.poserBalle(j1, 0.0f, 0.0f, 0.0f);
    partie.poserBalle(j1, 0.0f, -41.0f, 3.0f);
    partie.verifier();
    EXPECT_EQ(j1.getnBalles(), 1) << "one ball of two lost";
    EXPECT_FALSE(j1.isDestroyed());
    *partie.balles().front().getPosition() = Vecteur(0.0f, -41.0f, 0.0f);
    partie.verifier();
    EXPECT_TRUE(j1.isDestroyed());
    EXPECT_FALSE(partie.perdu());
    partie.verifier();
    EXPECT_TRUE(partie.perdu());
}

TEST_F(Regles, ClearingALevelResetsTheFieldButKeepsDebris) {
    partie.poserNiveau({{3, 3, 1}});
    partie.poserBalle(partie.j1(), 10.0f, 10.0f, 0.5f);
    partie.poserBalle(partie.j1(), -10.0f, 10.0f, 0.5f);
    partie.tirs().emplace_back(&partie.j1(), 0.0f, 0.0f, false);
    partie.bonus().emplace_back(0.0f, 0.0f, BONUS_LIFE, -1);
    partie.debris().emplace_back(Vecteur(1.0f, 2.0f, 0.0f), 0, 0, 0);
    partie.j1().commandeDroite(true);
    partie.niveau().detruire(3, 3);

    partie.gerer();
    EXPECT_TRUE(partie.tirs().empty());
    EXPECT_TRUE(partie.bonus().empty());
    ASSERT_EQ(partie.debris().size(), 1u);
    EXPECT_FLOAT_EQ(partie.debris().front().getPosition()->X, 1.0f) << "nothing moves";
    EXPECT_FLOAT_EQ(partie.j1().getBatteRef().getPosition()->X, 0.0f) << "nothing moves";
    ASSERT_EQ(partie.balles().size(), 1u);
    EXPECT_TRUE(partie.balles().front().isHooked());
    EXPECT_EQ(partie.j1().getnBalles(), 1);
    EXPECT_EQ(partie.niveau().getNumNiveau(), 2) << "the next level of niveaux.lvl";
    EXPECT_GT(partie.niveau().nbBriquesRestantes(), 0);
}
