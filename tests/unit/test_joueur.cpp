#include "horloge.h"
#include "joueur.h"

#include <gtest/gtest.h>

namespace {

Uint32 tempsTest = 0;
Uint32 lireTempsTest() {
    return tempsTest;
}

// Drives the game's clock for the length of one test.
class HorlogeFixe : public ::testing::Test {
protected:
    void SetUp() override {
        tempsTest = 0;
        horloge::remplacerSource(lireTempsTest);
    }
    void TearDown() override { horloge::remplacerSource(nullptr); }
};

// Holds one steering key until the paddle stops; returns where it stopped.
float tenirJusquABlocage(Joueur& J, bool droite) {
    droite ? J.commandeDroite(true) : J.commandeGauche(true);
    for (int pas = 0; pas < 200; ++pas) {
        J.deplacer();
    }
    droite ? J.commandeDroite(false) : J.commandeGauche(false);
    return J.getBatteRef().getPosition()->X;
}

} // namespace

TEST(Batte, TravelStopsOneStepPastTheLimitForEveryLength) {
    // Each paddle length and where its centre stops, held right from 0.
    const struct {
        int agrandissements;
        int reductions;
        float longueur;
        float butee;
    } cas[] = {{0, 2, 5.0f, 37.0f},
               {0, 1, 7.5f, 36.0f},
               {0, 0, 10.0f, 35.0f},
               {1, 0, 12.5f, 33.0f},
               {2, 0, 15.0f, 32.0f}};
    for (const auto& c : cas) {
        Joueur J(1);
        J.setSide(COTE_BAS);
        for (int k = 0; k < c.agrandissements; ++k) {
            J.getBatteRef().agrandir();
        }
        for (int k = 0; k < c.reductions; ++k) {
            J.getBatteRef().reduire();
        }
        ASSERT_FLOAT_EQ(J.getBatteRef().getLongueur(), c.longueur);
        EXPECT_FLOAT_EQ(tenirJusquABlocage(J, true), c.butee) << "length " << c.longueur;
        EXPECT_FLOAT_EQ(tenirJusquABlocage(J, false), -c.butee) << "length " << c.longueur;
    }
}

TEST(Joueur, SteeringMovesByTheHeldKeyAndNotWithBoth) {
    Joueur J(1);
    EXPECT_EQ(J.deplacer(), 0);
    J.commandeDroite(true);
    EXPECT_EQ(J.deplacer(), 1);
    J.commandeGauche(true);
    EXPECT_EQ(J.deplacer(), 0);
    J.commandeDroite(false);
    EXPECT_EQ(J.deplacer(), -1);
    EXPECT_FLOAT_EQ(J.getBatteRef().getPosition()->X, 0.0f);
}

TEST(Batte, ResizingKeepsLengthAndBoxTogetherWithinBounds) {
    Batte batte(nullptr, 1);
    for (int k = 0; k < 5; ++k) {
        batte.agrandir();
    }
    EXPECT_FLOAT_EQ(batte.getLongueur(), 15.0f);
    EXPECT_FLOAT_EQ(batte.getBoiteCol()->lX, 15.0f);
    for (int k = 0; k < 6; ++k) {
        batte.reduire();
    }
    EXPECT_FLOAT_EQ(batte.getLongueur(), 5.0f);
    EXPECT_FLOAT_EQ(batte.getBoiteCol()->lX, 5.0f);
    EXPECT_FLOAT_EQ(batte.getBoiteCol()->lY, 1.0f);
    EXPECT_FLOAT_EQ(batte.getPosition()->X, 0.0f);
}

TEST(Joueur, SidePlacesEachPlayersPaddle) {
    Joueur j1(1);
    Joueur j2(2);
    j1.setSide(COTE_BAS);
    j2.setSide(COTE_BAS);
    EXPECT_FLOAT_EQ(j1.getBatteRef().getPosition()->Y, -35.0f);
    EXPECT_FLOAT_EQ(j2.getBatteRef().getPosition()->Y, -33.0f);
    j1.setSide(COTE_HAUT);
    j2.setSide(COTE_HAUT);
    EXPECT_FLOAT_EQ(j1.getBatteRef().getPosition()->Y, 35.0f);
    EXPECT_FLOAT_EQ(j2.getBatteRef().getPosition()->Y, 35.0f);
    EXPECT_EQ(j2.getNum(), 2);
    EXPECT_EQ(j2.getNbVie(), 3);
    EXPECT_EQ(j2.getScore(), 0);
}

TEST_F(HorlogeFixe, ReloadingLastsFiveHundredMillisecondsInclusive) {
    Joueur J(1);
    tempsTest = 500;
    EXPECT_TRUE(J.isReloading()) << "the last shot counts from time 0";
    tempsTest = 501;
    EXPECT_FALSE(J.isReloading());
    tempsTest = 10000;
    J.reload();
    tempsTest = 10500;
    EXPECT_TRUE(J.isReloading());
    tempsTest = 10501;
    EXPECT_FALSE(J.isReloading());
}

TEST_F(HorlogeFixe, RecoveryComesStrictlyAfterThreeSeconds) {
    Joueur J(1);
    tempsTest = 7000;
    J.destroy();
    EXPECT_TRUE(J.isDestroyed());
    tempsTest = 10000;
    EXPECT_FALSE(J.hasRecovered());
    tempsTest = 10001;
    EXPECT_TRUE(J.hasRecovered());
    J.recover();
    EXPECT_FALSE(J.isDestroyed());
}

TEST_F(HorlogeFixe, TimersSurviveTheClockWrappingRound) {
    Joueur J(1);
    tempsTest = 0xFFFFFF00u;
    J.destroy();
    J.reload();
    tempsTest = 0xFFFFFF00u + 400u; // past 2^32
    EXPECT_TRUE(J.isReloading());
    EXPECT_FALSE(J.hasRecovered());
    tempsTest = 0xFFFFFF00u + 3001u;
    EXPECT_TRUE(J.hasRecovered());
}
