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

testing::AssertionResult procheXY(const Vecteur& v, float x, float y) {
    const bool proche = std::fabs(v.X - x) < 1e-5f && std::fabs(v.Y - y) < 1e-5f;
    return testing::AssertionResult(proche) << v.X << ", " << v.Y;
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

TEST(Vecteur, ReflectionFlipsAnAxisOrFollowsTheNormalSnapsNearXDropsZKeepsTheLength) {
    Vecteur d(3.0f, 4.0f, 5.0f);
    d.norme = 7.0f;
    // Normal, then where (3, 4, 5) goes: within 0.01 rad of X the change goes
    // along X alone, with the length from the normal as given.
    const std::tuple<Vecteur, float, float> cas[] = {
        {Vecteur(-1, 0, 0), -3, 4},
        {Vecteur(0, 1, 0), 3, -4},
        {Vecteur(0.70710677f, 0.70710677f, 0), -4, -3},
        {Vecteur(0.99995f, 0.005f, 0), -3.0397f, 4},
        {Vecteur(0.99995f, -0.005f, 0), -2.9597f, 4},
        {Vecteur(std::cos(0.02f), std::sin(0.02f), 0), -3.157558f, 3.876832f}};
    for (const auto& [normale, x, y] : cas) {
        const Vecteur r = d * normale; // and the length as cached, not as computed
        EXPECT_TRUE(procheXY(r, x, y) && r.Z == 0.0f) << normale.X << ", " << normale.Y;
        EXPECT_EQ(r.norme, 7.0f);
    }
}

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
        EXPECT_EQ(v.norme, 0.5f);
    }
    EXPECT_EQ(std::rand(), tirages[100]) << "one draw per ball";
}

TEST(Balle, FollowsThePaddleBouncesAtItsSpeedAndGrowsTwice) {
    Joueur J(1);
    Balle balle(&J, 0.0f, -20.0f, true);
    for (int sens : {1, -1, -5, 0}) {
        balle.suivreBatte(sens);
    }
    EXPECT_EQ(balle.getPosition()->X, -1.0f) << "one step per call, none for 0";
    const std::tuple<float, float, float> rebonds[] = {
        {0.785f, 0.35341f, 0.35369f}, {-0.785f, -0.35341f, 0.35369f}, {0.0f, 0.0f, 0.5f}};
    for (const auto& [angle, x, y] : rebonds) {
        balle.rebondBatte(angle);
        EXPECT_TRUE(procheXY(balle.getVitesse(), x, y)) << "angle " << angle;
    }
    for (const auto& [indice, rayon] : {std::pair{1, 0.8f}, {2, 1.0f}, {3, 1.2f}, {3, 1.2f}}) {
        EXPECT_EQ(std::tuple(balle.getIRayon(), balle.getRayon()), std::tuple(indice, rayon));
        balle.agrandir();
    }
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

TEST(Brique, DamageReportsOnlyTheBreakingHit) {
    // Points, damage, whether it breaks, points left.
    const std::tuple<int, int, bool, int> coups[] = {
        {1, 1, true, 0}, {5, 3, false, 2}, {2, 3, true, -1}, {0, 1, false, 0}, {-1, 1, false, -1}};
    for (const auto& [points, degats, casse, reste] : coups) {
        Brique brique(points, 0.0f, 0.0f);
        EXPECT_EQ(brique.faireDegats(degats), casse) << points << " points, hit " << degats;
        EXPECT_EQ(brique.getPtsVie(), reste) << points << " points, hit " << degats;
    }
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
    EXPECT_TRUE(procheXY(*montant.getPosition(), 3.0f, -34.1f));
    EXPECT_TRUE(procheXY(*chute.getPosition(), 4.0f, 9.8f));
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
