#include "banc.h"

#include <gtest/gtest.h>

// Holds one steering key until the paddle stops; returns where it stopped.
static float tenirJusquABlocage(Joueur& J, bool droite) {
    J.commandeDroite(droite);
    J.commandeGauche(!droite);
    for (int pas = 0; pas < 200; ++pas) {
        J.deplacer();
    }
    return J.getBatteRef().getPosition()->X;
}

TEST(Batte, ResizingKeepsLengthAndBoxTogetherWithinBoundsTravelStopsOneStepPastTheLimitForEach) {
    // Each length from the shortest up, and where its centre stops either way.
    const struct {
        float longueur, butee;
    } cas[] = {{5.0f, 37.0f}, {7.5f, 36.0f}, {10.0f, 35.0f}, {12.5f, 33.0f}, {15.0f, 32.0f}};
    Joueur J(1);
    Batte& batte = J.getBatteRef();
    for (int k = 0; k < 3; ++k) {
        batte.reduire();
    }
    EXPECT_FLOAT_EQ(batte.getPosition()->X, 0.0f) << "resizing keeps the centre";
    for (const auto& c : cas) {
        EXPECT_FLOAT_EQ(batte.getLongueur(), c.longueur);
        EXPECT_FLOAT_EQ(batte.getBoiteCol()->lX, c.longueur);
        EXPECT_FLOAT_EQ(tenirJusquABlocage(J, true), c.butee) << "length " << c.longueur;
        EXPECT_FLOAT_EQ(tenirJusquABlocage(J, false), -c.butee) << "length " << c.longueur;
        batte.agrandir();
    }
    EXPECT_FLOAT_EQ(batte.getLongueur(), 15.0f);
    EXPECT_FLOAT_EQ(batte.getBoiteCol()->lX, 15.0f);
    EXPECT_FLOAT_EQ(batte.getBoiteCol()->lY, 1.0f);
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

TEST(Joueur, SidePlacesEachPlayersPaddle) {
    Joueur j1(1), j2(2);
    for (const SIDE cote : {COTE_BAS, COTE_HAUT}) {
        j1.setSide(cote);
        j2.setSide(cote);
        EXPECT_FLOAT_EQ(j1.getBatteRef().getPosition()->Y, cote == COTE_BAS ? -35.0f : 35.0f);
        EXPECT_FLOAT_EQ(j2.getBatteRef().getPosition()->Y, cote == COTE_BAS ? -33.0f : 35.0f);
    }
    EXPECT_EQ(j2.getNum(), 2);
    EXPECT_EQ(j2.getNbVie(), 3);
    EXPECT_EQ(j2.getScore(), 0);
}

TEST(Joueur, ReloadingLasts500MsInclusiveRecoveryStrictlyAfter3000MsEvenAcrossTheClockWrap) {
    HorlogeDeTest horloge;
    Joueur neuf(1);
    horloge.regler(500);
    EXPECT_TRUE(neuf.isReloading()) << "the last shot counts from time 0";
    horloge.regler(501);
    EXPECT_FALSE(neuf.isReloading());
    for (const Uint32 debut : {10000u, 0xFFFFFF00u}) {
        Joueur J(1);
        horloge.regler(debut);
        J.reload();
        J.destroy();
        horloge.regler(debut + 1);
        EXPECT_TRUE(J.isReloading() && !J.hasRecovered()) << debut;
        horloge.regler(debut + 500);
        EXPECT_TRUE(J.isReloading()) << debut;
        horloge.regler(debut + 501);
        EXPECT_FALSE(J.isReloading()) << debut;
        horloge.regler(debut + 3000);
        EXPECT_FALSE(J.hasRecovered()) << debut;
        horloge.regler(debut + 3001);
        EXPECT_TRUE(J.hasRecovered()) << debut;
        EXPECT_TRUE(J.isDestroyed());
        J.recover();
        EXPECT_FALSE(J.isDestroyed());
    }
}
