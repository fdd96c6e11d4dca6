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
    const std::pair<float, float> cas[] = {{5.0f, 37.0f},  {7.5f, 36.0f},  {10.0f, 35.0f},
                                           {12.5f, 33.0f}, {15.0f, 32.0f}, {15.0f, 32.0f}};
    Joueur J(1);
    Batte& batte = J.getBatteRef();
    for (int k = 0; k < 3; ++k) {
        batte.reduire();
    }
    for (const auto& [longueur, butee] : cas) {
        EXPECT_FLOAT_EQ(batte.getLongueur(), longueur);
        EXPECT_FLOAT_EQ(batte.getBoiteCol()->lX, longueur);
        EXPECT_FLOAT_EQ(tenirJusquABlocage(J, true), butee) << "length " << longueur;
        EXPECT_FLOAT_EQ(tenirJusquABlocage(J, false), -butee) << "length " << longueur;
        batte.agrandir();
    }
    // Both keys held, the paddle stays.
    J.commandeDroite(true);
    EXPECT_EQ(J.deplacer(), 0);
}

TEST(Joueur, ReloadingLasts500MsInclusiveRecoveryStrictlyAfter3000MsEvenAcrossTheClockWrap) {
    HorlogeDeTest horloge;
    for (const Uint32 debut : {10000u, 0xFFFFFF00u}) {
        Joueur J(1);
        horloge.regler(debut);
        J.reload();
        J.destroy();
        // Time after the shot and the loss, reloading, recovered.
        const std::tuple<Uint32, bool, bool> instants[] = {{1, true, false},
                                                           {500, true, false},
                                                           {501, false, false},
                                                           {3000, false, false},
                                                           {3001, false, true}};
        for (const auto& [ms, recharge, revenu] : instants) {
            horloge.regler(debut + ms);
            EXPECT_EQ(J.isReloading(), recharge) << debut << " + " << ms;
            EXPECT_EQ(J.hasRecovered(), revenu) << debut << " + " << ms;
        }
    }
}
