#include "banc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <tuple>
#include <vector>

namespace {

// The next `nombre` draws of rand() after srand(graine), reseeded for the code under test.
std::vector<int> tiragesApres(unsigned graine, int nombre) {
    std::srand(graine);
    std::vector<int> tirages(nombre);
    std::generate(tirages.begin(), tirages.end(), std::rand);
    std::srand(graine);
    return tirages;
}

float scalaire(const Vecteur& a, const Vecteur& b) {
    return a.X * b.X + a.Y * b.Y + a.Z * b.Z;
}

Vecteur vectoriel(const Vecteur& a, const Vecteur& b) {
    return Vecteur(a.Y * b.Z - a.Z * b.Y, a.Z * b.X - a.X * b.Z, a.X * b.Y - a.Y * b.X);
}

testing::AssertionResult procheXY(const Vecteur& v, float x, float y) {
    const bool proche = std::fabs(v.X - x) < 1e-5f && std::fabs(v.Y - y) < 1e-5f;
    return testing::AssertionResult(proche) << v.X << ", " << v.Y;
}

std::tuple<int, int, int> rvb(Couleur c) {
    return {c.r, c.v, c.b};
}

} // namespace

TEST(Tirages, LaunchAngleNeverVerticalAndBlackDebrisColourComeFromTheDraws) {
    Joueur J(1);
    const std::vector<int> tirages = tiragesApres(77, 101);
    for (int i = 0; i < 100; ++i) {
        const Vecteur v = Balle(&J, 0.0f, -34.0f, true).getVitesse();
        EXPECT_NEAR(std::atan2(v.X, v.Y), (tirages[i] % 15 - 7.5) / 10.0, 1e-6) << tirages[i];
        EXPECT_NEAR(std::hypot(v.X, v.Y), 0.5f, 1e-6f);
        EXPECT_EQ(v.norme, 0.5f);
    }
    EXPECT_EQ(std::rand(), tirages[100]) << "one draw per ball";
    // Speed and size come first; a colour given draws nothing.
    const std::vector<int> t = tiragesApres(99, 9);
    const std::tuple noir(t[5] % 256, t[6] % 256, t[7] % 256);
    EXPECT_EQ(rvb(Debris(Vecteur(), 0, 0, 0).getCouleur()), noir);
    std::srand(99);
    EXPECT_EQ(rvb(Debris(Vecteur(), 0, 0, 1).getCouleur()), std::tuple(0, 0, 1));
    EXPECT_EQ(std::rand(), t[8]);
}

TEST(Balle, FollowsThePaddleBouncesAtItsSpeedUndoesAMoveAndGrowsTwice) {
    Joueur J(1);
    Balle balle(&J, 0.0f, -20.0f, true);
    const Vecteur lancement = balle.getVitesse();
    for (int sens : {1, -1, -5, 0}) {
        balle.suivreBatte(sens);
    }
    EXPECT_EQ(balle.getPosition()->X, -1.0f) << "one step per call, none for 0";
    balle.lancer();
    EXPECT_TRUE(procheXY(balle.getVitesse(), lancement.X, lancement.Y));
    const std::tuple<float, float, float> rebonds[] = {
        {0.785f, 0.35341f, 0.35369f}, {-0.785f, -0.35341f, 0.35369f}, {0.0f, 0.0f, 0.5f}};
    for (const auto& [angle, x, y] : rebonds) {
        balle.rebondBatte(angle);
        EXPECT_TRUE(procheXY(balle.getVitesse(), x, y)) << "angle " << angle;
        balle.deplacer();
        EXPECT_TRUE(procheXY(*balle.getPosition(), -1.0f + x, -20.0f + y));
        balle.undoDeplacer();
        EXPECT_TRUE(procheXY(*balle.getPosition(), -1.0f, -20.0f));
    }
    for (const auto& [indice, rayon] : {std::pair{1, 0.8f}, {2, 1.0f}, {3, 1.2f}, {3, 1.2f}}) {
        EXPECT_EQ(balle.getIRayon(), indice);
        EXPECT_FLOAT_EQ(balle.getRayon(), rayon);
        balle.agrandir();
    }
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
            const Vecteur virage = vectoriel(coin(i + 1) - coin(i), coin(i + 2) - coin(i + 1));
            EXPECT_GT(scalaire(virage, normale), 0.0f) << "face " << f << ", corner " << i;
            EXPECT_GT(scalaire(coin(i), normale), 0.0f) << "face " << f << ", corner " << i;
        }
    }
}

TEST(Mouvement, ShotCapsuleAndDebrisStepEachFrameDebrisBounceAndExpireAfter100000Ms) {
    Joueur J(1);
    Tir montant(&J, 3.0f, -35.0f, false), descendant(&J, -3.0f, 0.0f, true);
    Bonus chute(4.0f, 10.0f, BONUS_ARME, -1), montee(4.0f, 10.0f, BONUS_LIFE, 0);
    montant.deplacer();
    descendant.deplacer();
    chute.deplacer();
    montee.deplacer();
    EXPECT_TRUE(procheXY(*montant.getPosition(), 3.0f, -34.1f));
    EXPECT_TRUE(procheXY(*descendant.getPosition(), -3.0f, -0.9f));
    EXPECT_TRUE(procheXY(*chute.getPosition(), 4.0f, 9.8f));
    EXPECT_TRUE(procheXY(*montee.getPosition(), 4.0f, 10.2f));
    // Start, speed, X and speed one frame later: debris fall, and bounce off a wall past
    // it or on it (either side), not short of it nor when born past it but heading back in.
    const std::tuple<float, float, float, float> murs[] = {{39.8f, 0.5f, 40.3f, -0.5f},
                                                           {39.5f, 0.5f, 40.0f, -0.5f},
                                                           {-39.5f, -0.5f, -40.0f, 0.5f},
                                                           {39.0f, 0.5f, 39.5f, 0.5f},
                                                           {41.0f, -0.5f, 40.5f, -0.5f}};
    for (const auto& [depart, vitesse, x, vitesseApres] : murs) {
        Debris eclat(Vecteur(depart, 0.0f, 0.0f), 255, 0, 0);
        eclat.setVitesse(Vecteur(vitesse, 0.0f, 0.0f));
        eclat.deplacer();
        EXPECT_NEAR(eclat.getPosition()->X, x, 1e-5f) << "from " << depart;
        EXPECT_TRUE(procheXY(eclat.getVitesse(), vitesseApres, -0.02f)) << "from " << depart;
        EXPECT_NEAR(eclat.getPosition()->Y, -0.02f, 1e-6f) << "from " << depart;
    }
    HorlogeDeTest horloge;
    for (const Uint32 naissance : {5000u, 0xFFFFFF00u}) {
        horloge.regler(naissance);
        const Debris debris(Vecteur(0, 0, 0), 1, 1, 1);
        horloge.regler(naissance + 100000);
        EXPECT_FALSE(debris.isTooOld()) << "born at " << naissance;
        horloge.regler(naissance + 100001);
        EXPECT_TRUE(debris.isTooOld()) << "born at " << naissance;
    }
}

TEST(Spin, AZeroAngleNeverTurnsOthersStayARotationAfter100000Frames) {
    // Seeds rand() for an angle draw (capsule's 3rd, coloured debris' 8th) of 0, or not.
    const auto semer = [](int rang, bool nul) {
        for (unsigned g = 1; (tiragesApres(g, rang + 1)[rang] % 30 == 0) != nul; ++g) {
        }
    };
    for (bool nul : {true, false}) {
        semer(2, nul);
        Bonus bonus(0.0f, 0.0f, BONUS_LIFE, -1);
        semer(7, nul);
        Debris debris(Vecteur(0, 0, 0), 0, 0, 1);
        for (int frame = 0; frame < 100000; ++frame) {
            bonus.deplacer();
            debris.deplacer();
        }
        for (const Matrice* m : {&bonus.getOrientation(), &debris.getOrientation()}) {
            const Vecteur x(m->m[0], m->m[1], m->m[2]), y(m->m[4], m->m[5], m->m[6]);
            EXPECT_EQ(std::equal(m->m, m->m + 16, Matrice::identite().m), nul) << "unturned";
            EXPECT_NEAR(scalaire(x, x), 1.0f, 1e-4f);
            EXPECT_NEAR(scalaire(y, y), 1.0f, 1e-4f);
            EXPECT_NEAR(scalaire(x, y), 0.0f, 1e-4f);
            EXPECT_NEAR(scalaire(vectoriel(x, y), Vecteur(m->m[8], m->m[9], m->m[10])), 1.0f,
                        1e-4f);
        }
    }
}
