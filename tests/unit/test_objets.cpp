// SPDX-License-Identifier: GPL-3.0-or-later
#include "banc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <tuple>
#include <vector>

namespace {

float scalaire(const Vecteur& a, const Vecteur& b) {
    return a.X * b.X + a.Y * b.Y + a.Z * b.Z;
}

// Holds one steering key until the paddle stops; returns where it stopped.
float tenirJusquABlocage(Joueur& J, bool droite) {
    J.commandeDroite(droite);
    J.commandeGauche(!droite);
    for (int pas = 0; pas < 200; ++pas) {
        J.deplacer();
    }
    return J.getBatteRef().getPosition()->X;
}

} // namespace

TEST(Balle, LaunchAngleComesFromOneDrawAndIsNeverVertical) {
    Joueur J(1);
    std::srand(77);
    std::vector<int> tirages(101);
    std::generate(tirages.begin(), tirages.end(), std::rand);
    std::srand(77);
    for (int i = 0; i < 100; ++i) {
        const Vecteur v = Balle(&J, 0.0f, -34.0f, true).getVitesse();
        EXPECT_NEAR(std::atan2(v.X, v.Y), (tirages[i] % 15 - 7.5) / 10.0, 1e-6) << tirages[i];
        EXPECT_NEAR(std::hypot(v.X, v.Y), 0.5f, 1e-6f);
    }
    EXPECT_EQ(std::rand(), tirages[100]) << "one draw per ball";
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
    J.commandeDroite(true);
    EXPECT_EQ(J.deplacer(), 0) << "both keys held, the paddle stays";
}

TEST(Faces, BrickAndCapsuleFacesWindCounterClockwiseSeenFromOutside) {
    std::vector<Face> faces(Brique::faces().begin(), Brique::faces().end());
    faces.insert(faces.end(), Bonus::faces().begin(), Bonus::faces().end());
    for (std::size_t f = 0; f < faces.size(); ++f) {
        const Face& face = faces[f];
        const Vecteur normale(face.normale[0], face.normale[1], face.normale[2]);
        const auto coin = [&face](int i) {
            const float* s = face.sommets[i % face.nbSommets];
            return Vecteur(s[0], s[1], s[2]);
        };
        // Every corner turns about the normal, which points outwards.
        for (int i = 0; i < face.nbSommets; ++i) {
            const Vecteur a = coin(i + 1) - coin(i), b = coin(i + 2) - coin(i + 1);
            const Vecteur virage(a.Y * b.Z - a.Z * b.Y, a.Z * b.X - a.X * b.Z,
                                 a.X * b.Y - a.Y * b.X);
            EXPECT_GT(scalaire(virage, normale), 0.0f) << "face " << f << ", corner " << i;
            EXPECT_GT(scalaire(coin(i), normale), 0.0f) << "face " << f << ", corner " << i;
        }
    }
}

TEST(Temps, ShotsAndCapsulesStepEachFrameTimersHoldToTheirEdgeEvenAcrossTheClockWrap) {
    Joueur J(1);
    Tir montant(&J, 3.0f, -35.0f, false);
    Bonus chute(4.0f, 10.0f, BONUS_ARME, -1);
    montant.deplacer();
    chute.deplacer();
    EXPECT_NEAR(montant.getPosition()->Y, -34.1f, 1e-5f) << "a shot rises 0.9 a frame";
    EXPECT_NEAR(chute.getPosition()->Y, 9.8f, 1e-5f) << "a capsule falls 0.2";
    HorlogeDeTest horloge;
    for (const Uint32 debut : {10000u, 0xFFFFFF00u}) {
        horloge.regler(debut);
        const Debris debris(Vecteur(0, 0, 0), 1, 1, 1);
        J.reload();
        J.destroy();
        // Time since, then reloading, recovered, debris gone.
        const std::tuple<Uint32, bool, bool, bool> instants[] = {
            {1, true, false, false},     {500, true, false, false},  {501, false, false, false},
            {3000, false, false, false}, {3001, false, true, false}, {100000, false, true, false},
            {100001, false, true, true}};
        for (const auto& [ms, recharge, revenu, perime] : instants) {
            horloge.regler(debut + ms);
            EXPECT_EQ(std::tuple(J.isReloading(), J.hasRecovered(), debris.isTooOld()),
                      std::tuple(recharge, revenu, perime))
                << debut << " + " << ms;
        }
    }
}
