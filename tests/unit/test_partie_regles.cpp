// SPDX-License-Identifier: GPL-3.0-or-later
// The match's rules, and the objects they move.
#include "banc.h"
#include "pilote.h"
#include "rendu/display.h"
#include "outils.h"
#include "jeu/rejeu.h"
#include "niveaux/serie.h"
#include "niveaux/verification.h"
#include "profil/settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <sstream>
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

TEST(Bonus, EachKindTakesItsShareOfAHundredFromOneDraw) {
    // The draws of rand() % 100 below each bound, and above the one before, give its kind.
    const int bornes[] = {2, 27, 52, 72, 82, 92, 100};
    std::srand(5);
    std::vector<int> tirages(3001);
    std::generate(tirages.begin(), tirages.end(), std::rand);
    std::srand(5);
    for (int i = 0; i < 3000; ++i) {
        const int d = tirages[i] % 100;
        const long part = std::upper_bound(std::begin(bornes), std::end(bornes), d) - bornes;
        ASSERT_EQ(tirerTypeBonus(), BONUS_LIFE + part) << "draw " << d;
    }
    EXPECT_EQ(std::rand(), tirages[3000]) << "one draw per capsule";
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
    Tir montant(&J, 3.0f, -35.0f);
    std::srand(1);
    Bonus chute(4.0f, 10.0f, BONUS_ARME);
    const float avant = chute.getOrientation().m[0];
    montant.deplacer();
    chute.deplacer();
    EXPECT_NEAR(montant.getPosition()->Y, -34.1f, 1e-5f) << "a shot rises 0.9 a frame";
    EXPECT_NEAR(chute.getPosition()->Y, 9.8f, 1e-5f) << "a capsule falls 0.2";
    EXPECT_NE(chute.getOrientation().m[0], avant) << "and turns as it falls";
    HorlogeDeTest horloge;
    horloge.regler(501);
    EXPECT_FALSE(Joueur(2).isReloading()) << "one who never shot counts from the clock's start";
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

// A match of `Mode` on a clock the test drives.
template <typename Mode> struct EnMatch : ::testing::Test {
    HorlogeDeTest horloge;
    Banc<Mode> partie;
    Joueur& j1 = partie.j1();
    Joueur& j2 = partie.j2();
};
using Regles = EnMatch<Normal1j>;

TEST(ReglesBriques, BounceOutcomeForEachAxisThatHitsAndABallInsideOnlyLeaves) {
    // Offsets from the brick's centre of a ball leaving at `angle`, then the steps
    // it ends up along each axis from there, its speed's signs and the score.
    const struct {
        const char* cas;
        float dx, dy, angle, pasX, pasY, signeVx, signeVy;
        int score;
    } cas[] = {
        {"X alone hits, Y alone clear", -3.0f, 0.0f, 0.7854f, 0, 1, -1, 1, 1},
        {"X alone clear, Y alone hits", 0.0f, -2.0f, 0.7854f, 0, 0, 1, -1, 1},
        {"corner: neither alone hits", -2.9f, -1.9f, 0.7854f, 0, 0, -1, -1, 1},
        {"grown into its side, moving in: turned there", -2.6f, 0.0f, 0.7854f, -1, 1, -1, 1, 1},
        {"grown into its bottom, moving out: let go", 0.0f, -1.5f, 2.356f, 1, 1, 1, 1, 0},
    };
    for (const auto& c : cas) {
        Banc<Normal1j> partie;
        partie.poserNiveau({{7, 4, 5}});
        const Vecteur b = partie.centre(7, 4);
        Balle& balle = partie.poserBalle(partie.j1(), b.X + c.dx, b.Y + c.dy, c.angle);
        const Vecteur v = balle.getVitesse();
        balle.deplacer();
        partie.verifier();
        EXPECT_FLOAT_EQ(balle.getPosition()->X, b.X + c.dx + c.pasX * v.X) << c.cas;
        EXPECT_FLOAT_EQ(balle.getPosition()->Y, b.Y + c.dy + c.pasY * v.Y) << c.cas;
        EXPECT_FLOAT_EQ(balle.getVitesse().X, c.signeVx * v.X) << c.cas;
        EXPECT_FLOAT_EQ(balle.getVitesse().Y, c.signeVy * v.Y) << c.cas;
        EXPECT_EQ(partie.j1().getScore(), c.score) << c.cas;
    }
}

TEST_F(Regles, WallsTurnTheBallSideBeforeCeilingThePaddleByWhereItMeetsIt) {
    Balle& coin = partie.poserBalle(j1, -39.5f, 34.5f, -0.7854f);
    Balle& haut = partie.poserBalle(j1, 0.0f, 34.5f, 0.7854f);
    Balle& montante = partie.poserBalle(j1, 0.0f, -34.5f, 0.3f);
    const Vecteur v = haut.getVitesse();
    const float vx = montante.getVitesse().X;
    partie.verifier();
    EXPECT_EQ(std::tuple(coin.getVitesse().X, coin.getVitesse().Y), std::tuple(v.X, v.Y))
        << "the side wall first, and only it";
    EXPECT_FLOAT_EQ(haut.getVitesse().Y, -v.Y);
    EXPECT_FLOAT_EQ(haut.getPosition()->Y, 34.5f - 2 * v.Y) << "moved back, turned, moved";
    EXPECT_FLOAT_EQ(montante.getVitesse().X, vx) << "a rising ball passes through the paddle";
    EXPECT_EQ(partie.entendus(), std::vector({Effet::impactMur, Effet::impactMur}));
    // Grown within reach of a wall while leaving it, a ball goes on: from the left wall it
    // still meets the ceiling, from the ceiling it comes down.
    partie.balles().clear();
    Balle& grandie = partie.poserBalle(j1, -39.15f, 0.0f, 0.1f);
    Balle& sousPlafond = partie.poserBalle(j1, -20.0f, 34.1f, 2.0f);
    grandie.agrandir();
    sousPlafond.agrandir();
    sousPlafond.agrandir();
    for (int k = 0; k < 150; ++k) {
        partie.deplacer();
        partie.verifier();
    }
    EXPECT_TRUE(grandie.getVitesse().X > 0.0f && grandie.getVitesse().Y < 0.0f);
    EXPECT_LT(sousPlafond.getPosition()->Y, 10.0f);
    // A falling ball leaves straight up from its centre, at 45 degrees from either end.
    for (const float x : {0.0f, 5.0f, -5.0f}) {
        partie.balles().clear();
        Balle& balle = partie.poserBalle(j1, x, -34.0f, 3.14159265f);
        partie.verifier();
        EXPECT_NEAR(balle.getVitesse().X, 0.5f * std::sin(0.785f * x / 5), 1e-6) << x;
        EXPECT_NEAR(balle.getVitesse().Y, 0.5f * std::cos(0.785f * x / 5), 1e-6) << x;
    }
    EXPECT_EQ(partie.entendus().back(), Effet::renvoiBatte);
    // Grown, the paddle catches a ball past its old end and turns it by its new length.
    partie.balles().clear();
    j1.getBatteRef().agrandir();
    Balle& auBout = partie.poserBalle(j1, 6.0f, -34.0f, 3.14159265f);
    partie.verifier();
    EXPECT_NEAR(auBout.getVitesse().X, 0.5f * std::sin(1.57f * 6.0f / 12.5f), 1e-6);
    EXPECT_GT(auBout.getVitesse().Y, 0.0f);
    // The frame's sounds are played at its end, once.
    partie.avancer();
    EXPECT_EQ(partie.entendus(), std::vector<Effet>());
}

TEST_F(Regles, BallsHitBricksByTheirSizePiercingOnesGoOnUnbreakableOnesStopAllScoringNothing) {
    partie.poserNiveau({{3, 4, 10}, {7, 4, -1}, {11, 4, 3}, {0, 0, 1}});
    const Vecteur a = partie.centre(3, 4), b = partie.centre(7, 4), c = partie.centre(11, 4);
    Balle& grosse = partie.poserBalle(j1, a.X, a.Y - 2.5f, 0.0f);
    Balle& normale = partie.poserBalle(j1, b.X, b.Y - 2.5f, 0.0f);
    Balle& traversante = partie.poserBalle(j1, c.X, c.Y - 2.5f, 0.0f);
    partie.tirs().emplace_back(&j1, b.X, b.Y - 1.2f);
    grosse.agrandir();
    grosse.agrandir();
    traversante.setTraversante();
    // The piercing ball reaches its brick on the second frame and stays in it for three.
    for (int k = 0; k < 4; ++k) {
        partie.deplacer();
        partie.verifier();
    }
    EXPECT_EQ(partie.niveau().tabBriques[3][4]->getPtsVie(), 7) << "a bigger ball hits harder";
    EXPECT_EQ(partie.niveau().tabBriques[11][4], nullptr);
    EXPECT_EQ(partie.niveau().nbBriquesRestantes(), 2) << "the unbreakable one stays";
    EXPECT_EQ(j1.getScore(), 3 + 3) << "and scores more; the unbreakable brick, nothing";
    EXPECT_TRUE(partie.tirs().empty()) << "it stops shots too";
    EXPECT_TRUE(grosse.getVitesse().Y < 0.0f && normale.getVitesse().Y < 0.0f);
    EXPECT_FLOAT_EQ(traversante.getVitesse().Y, 0.5f) << "without turning";
}

// A brick a ball breaks drops a capsule on three draws in ten, rand() % 10 of 0, 1 or 2;
// on four when the match is easy, on two when it is hard.
TEST_F(Regles, ABrickABallBreaksDropsACapsuleOnThreeDrawsInTenFourWhenEasyTwoWhenHard) {
    const std::pair<difficulte::Choix, int> chances[] = {
        {difficulte::NORMAL, 3}, {difficulte::FACILE, 4}, {difficulte::DIFFICILE, 2}};
    for (const auto& [choix, surDix] : chances) {
        partie.choisirDifficulte(choix);
        for (const int tirage : {surDix - 1, surDix}) {
            unsigned graine = 1;
            for (std::srand(graine); std::rand() % 10 != tirage; std::srand(++graine)) {
            }
            partie.poserNiveau({{7, 4, 1}});
            const Vecteur b = partie.centre(7, 4);
            partie.poserBalle(j1, b.X, b.Y - 1.5f, 0.0f);
            std::srand(graine);
            partie.verifier();
            ASSERT_EQ(partie.niveau().tabBriques[7][4], nullptr);
            EXPECT_EQ(partie.bonus().size(), tirage < surDix ? 1u : 0u)
                << "draw " << tirage << ", " << difficulte::mots[choix];
            partie.bonus().clear();
            partie.balles().clear();
        }
    }
}

// Each difficulty starts the players and the balls as its table says, "Normal" as the game
// is written; a kept match and a replay keep it, and one played as written says nothing of it,
// so that every copy of the game reads its file.
TEST(Difficulte, EachChoiceStartsPlayersAndBallsAsItsTableSaysAndItsFilesKeepIt) {
    struct Cas {
        difficulte::Choix choix;
        int vies;
        float longueur;
        float vitesse;
    };
    const Cas cas[] = {{difficulte::NORMAL, 3, 10.0f, 0.5f},
                       {difficulte::FACILE, 5, 12.5f, 0.4f},
                       {difficulte::DIFFICILE, 2, 7.5f, 0.6f}};
    for (const Cas& c : cas) {
        SCOPED_TRACE(difficulte::mots[c.choix]);
        Banc<Coop2j> partie;
        partie.choisirDifficulte(c.choix);
        partie.gerer(); // level 1, a ball held on each paddle
        for (Joueur* J : {&partie.j1(), &partie.j2()}) {
            EXPECT_EQ(J->getNbVie(), c.vies);
            EXPECT_FLOAT_EQ(J->getBatteRef().getLongueur(), c.longueur);
        }
        ASSERT_EQ(partie.balles().size(), 2u);
        for (const Balle& b : partie.balles()) {
            EXPECT_NEAR(std::hypot(b.getVitesse().X, b.getVitesse().Y), c.vitesse, 1e-6);
        }
        std::string raison;
        const std::string gardee = partie.garder().texte();
        EXPECT_EQ(PartieGardee::lire(gardee, raison)->difficulte, c.choix);
        EXPECT_EQ(Rejeu::lire(partie.rejeu().texte(), raison)->difficulte, c.choix);
        EXPECT_EQ(gardee.find("difficulte") == std::string::npos, c.choix == difficulte::NORMAL);
        EXPECT_FALSE(PartieGardee::lire("difficulte moyenne\n" + gardee, raison));
    }
}

TEST_F(Regles, AShotHitsItsFirstBrickThenIsGoneAndWhatItBreaksDropsACapsule) {
    partie.poserNiveau({{7, 2, 2}, {7, 3, 2}, {2, 2, 1}});
    const Vecteur bas = partie.centre(7, 2);
    const Vecteur faible = partie.centre(2, 2);
    // Between two rows, the first shot touches both bricks.
    partie.tirs().emplace_back(&j1, bas.X, bas.Y + 1.2f);
    partie.tirs().emplace_back(&j1, 20.0f, 35.5f);
    partie.tirs().emplace_back(&j1, faible.X, faible.Y);
    partie.verifier();
    EXPECT_TRUE(partie.tirs().empty());
    EXPECT_EQ(partie.niveau().tabBriques[7][2]->getPtsVie(), 1);
    EXPECT_EQ(partie.niveau().tabBriques[7][3]->getPtsVie(), 2);
    EXPECT_EQ(j1.getScore(), 2);
    // A brick a shot breaks always drops a capsule.
    EXPECT_EQ(partie.niveau().tabBriques[2][2], nullptr);
    ASSERT_EQ(partie.bonus().size(), 1u);
    EXPECT_FLOAT_EQ(partie.bonus().front().getPosition()->X, faible.X);
    EXPECT_TRUE(partie.debris().size() >= 5u && partie.debris().size() <= 14u);
    // Alone, a shot ricochets off whatever it meets, the ceiling too.
    EXPECT_EQ(partie.entendus(), std::vector({Effet::ricochet, Effet::ricochet, Effet::ricochet,
                                              Effet::brisureBrique}));
}

TEST_F(Regles, EachCapsuleActsOnItsCatcherAndScoresFive) {
    partie.newBall(&j1, true);
    const TYPEBONUS capsules[] = {BONUS_LIFE,         BONUS_ABATTE, BONUS_ABATTE,
                                  BONUS_RBATTE,       BONUS_ABALLE, BONUS_ARME,
                                  BONUS_BTRAVERSANTE, BONUS_NONE,   BONUS_MULTIBALL};
    for (const TYPEBONUS type : capsules) {
        // Its box just reaches over the paddle's right end.
        const Batte& batte = j1.getBatteRef();
        partie.bonus().emplace_back(batte.getPosition()->X + batte.getLongueur() / 2 + 0.9f,
                                    batte.getPosition()->Y, type);
        ::testing::internal::CaptureStdout();
        partie.verifier();
        EXPECT_EQ(::testing::internal::GetCapturedStdout(),
                  type == BONUS_NONE ? " bonus en bois\n" : "");
        EXPECT_TRUE(partie.bonus().empty()) << type;
    }
    EXPECT_EQ(std::tuple(j1.getScore(), j1.getNbVie(), j1.getBatteRef().getLongueur(),
                         j1.canShoot(), j1.getnBalles()),
              std::tuple(9 * 5, 4, 12.5f, true, 2));
    const Balle &tenue = partie.balles().front(), &nouvelle = partie.balles().back();
    EXPECT_EQ(std::tuple(tenue.getIRayon(), tenue.isTraversante()), std::tuple(2, true))
        << "held balls grow and pierce too";
    EXPECT_EQ(std::tuple(nouvelle.isHooked(), nouvelle.isTraversante()), std::tuple(false, false))
        << "new balls start free and plain";
}

TEST_F(Regles, TheLastBallLostCostsALifeThreeSecondsLaterThenTheMatch) {
    j1.perteVie();
    j1.perteVie();
    j1.getBatteRef().putCanon();
    partie.poserBalle(j1, 0.0f, -41.0f, 3.0f);
    partie.poserBalle(j1, 0.0f, -41.0f, 3.0f);
    partie.verifier();
    // Only the second loss costs the paddle: 25 green pieces from its right end leftwards.
    ASSERT_EQ(partie.debris().size(), 25u);
    EXPECT_EQ(partie.debris().front().getCouleur().v, 255);
    EXPECT_FLOAT_EQ(partie.debris().front().getPosition()->X, 5.0f);
    EXPECT_FLOAT_EQ(partie.debris().back().getPosition()->X, 5.0f - 24 * 10.0f / 25);
    partie.bonus().emplace_back(0.0f, -45.0f, BONUS_LIFE);
    partie.bonus().emplace_back(0.0f, -35.0f, BONUS_ABATTE);
    horloge.avancer(3000);
    partie.verifier();
    // Still away, every life still shown, capsules neither caught nor dropped.
    EXPECT_EQ(std::tuple(j1.isDestroyed(), j1.getNbVie(), partie.bonus().size()),
              std::tuple(true, 1, 2u));
    horloge.avancer(1);
    partie.verifier();
    // Back with a life less, no cannon, a held ball; the fallen capsule goes, the other is caught.
    EXPECT_EQ(std::tuple(j1.isDestroyed(), j1.getNbVie(), j1.canShoot(), j1.getnBalles()),
              std::tuple(false, 0, false, 1));
    ASSERT_EQ(partie.balles().size(), 1u);
    EXPECT_TRUE(partie.balles().front().isHooked());
    EXPECT_TRUE(partie.bonus().empty());
    EXPECT_FLOAT_EQ(j1.getBatteRef().getLongueur(), 12.5f);
    // With no life left, the match ends on the frame after the paddle's loss.
    *partie.balles().front().getPosition() = Vecteur(0.0f, -41.0f, 0.0f);
    partie.verifier();
    const bool perduAussitot = partie.perdu();
    partie.verifier();
    EXPECT_EQ(std::tuple(perduAussitot, partie.perdu()), std::tuple(false, true));
}

TEST_F(Regles, ClearingALevelResetsTheFieldButKeepsDebrisUntilTheyAreTooOld) {
    partie.poserNiveau({{3, 3, 1}});
    partie.poserBalle(j1, 10.0f, 10.0f, 0.5f);
    partie.tirs().emplace_back(&j1, 0.0f, 0.0f);
    partie.bonus().emplace_back(0.0f, 0.0f, BONUS_LIFE);
    partie.debris().emplace_back(Vecteur(1.0f, 2.0f, 0.0f), 0, 0, 0);
    j1.commandeDroite(true);
    partie.niveau().detruire(3, 3);
    partie.gerer();
    EXPECT_EQ(std::tuple(partie.tirs().size(), partie.bonus().size(), partie.debris().size()),
              std::tuple(0u, 0u, 1u));
    EXPECT_FLOAT_EQ(partie.debris().front().getPosition()->X, 1.0f) << "nothing moves";
    EXPECT_FLOAT_EQ(j1.getBatteRef().getPosition()->X, 0.0f) << "nothing moves";
    ASSERT_EQ(partie.balles().size(), 1u);
    EXPECT_EQ(std::tuple(partie.balles().front().isHooked(), j1.getnBalles()), std::tuple(true, 1));
    EXPECT_EQ(partie.niveau().getNumNiveau(), 2) << "the next level of niveaux.lvl";
    horloge.avancer(100001);
    EXPECT_TRUE((partie.deplacer(), partie.debris().empty()));
}

TEST_F(Regles, BoxesTouchUpToTheirEdgesAndTheBallsSquareCorner) {
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
    partie.tirs().emplace_back(&j1, bx - 2.3f, 4.3f);
    EXPECT_TRUE(partie.eventCollision(brique, partie.tirs().back()));
    partie.tirs().emplace_back(&j1, bx, 4.41f);
    EXPECT_FALSE(partie.eventCollision(brique, partie.tirs().back()));
    partie.bonus().emplace_back(6.0f, -35.0f, BONUS_LIFE);
    EXPECT_TRUE(partie.eventCollision(partie.bonus().back(), batte));
    partie.bonus().emplace_back(6.5f, -35.0f, BONUS_LIFE);
    EXPECT_FALSE(partie.eventCollision(partie.bonus().back(), batte));
}

TEST_F(Regles, BallsAndShotsStartAtThePaddleHeldBallsFollowItAndLaunchingTouchesOnlyThePlayers) {
    j1.commandeDroite(true);
    for (int k = 0; k < 7; ++k) {
        j1.deplacer();
    }
    partie.newBall(&j1, true);
    partie.newTir(&j1);
    const Vecteur tir = *partie.tirs().back().getPosition();
    partie.deplacer(); // a step further, the held ball with it
    const Vecteur& balle = *partie.balles().back().getPosition();
    EXPECT_EQ(std::tuple(balle.X, balle.Y, j1.getnBalles(), tir.X, tir.Y),
              std::tuple(8.0f, -34.0f, 1, 7.0f, -35.0f));
    // The mouse glides the paddle and its held ball alike, up to the wall.
    for (const double unites : {10.0, 1000.0}) {
        partie.traiter(mouvementSouris(static_cast<int>(unites * Disposition::pixelsParUnite())));
        EXPECT_FLOAT_EQ(balle.X, j1.getBatteRef().getPosition()->X) << unites;
    }
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

// A new player is told how to launch, with the keys and devices as set, until a first launch.
TEST(Astuce, ANewPlayerIsToldHowToLaunchUntilTheFirstLaunch) {
    currentSettings.setPeripherique(2, Settings::PERIPH_MANETTE1);
    Banc<Coop2j> deux;
    deux.gerer();
    EXPECT_EQ(deux.astuce(),
              std::vector<std::string>({"J1, lancer la balle: ESPACE ou clic",
                                        "J2, lancer la balle: w ou bouton 1", "F1: aide"}));
    deux.j2().destroy();
    EXPECT_EQ(deux.astuce(),
              std::vector<std::string>({"J1, lancer la balle: ESPACE ou clic", "F1: aide"}));
    currentSettings.initSettings();
    Banc<Normal1j> seul;
    seul.gerer();
    presser(SDLK_SPACE);
    seul.jouerSansDessiner();
    EXPECT_FALSE(currentSettings.getAstuceLancer()) << "launched once";
    EXPECT_TRUE(seul.astuce().empty()) << "no ball held";
    currentSettings.initSettings();
}

struct Coop : EnMatch<Coop2j> {
    // Takes every ball of `J` away, then loses one below the field: its last.
    void perdreLaDerniereBalle(Joueur& J) {
        partie.balles().remove_if([&J](const Balle& balle) { return balle.getProp() == &J; });
        J.setnBalles(0);
        partie.poserBalle(J, 0.0f, -41.0f, 3.0f);
        partie.verifier();
    }
};

// Where the paddles stand, the end-to-end player sees.
TEST_F(Coop, TheGridStandsLowerEachBallScoresForItsOwnerCapsulesGoToPlayerOneFirst) {
    EXPECT_FLOAT_EQ(partie.niveau().getPosBriquesY(), 0.0f);
    partie.gerer();
    EXPECT_EQ(std::tuple(j1.getnBalles(), j2.getnBalles()), std::tuple(1, 1));
    partie.poserNiveau({{7, 4, 5}});
    const Vecteur brique = partie.centre(7, 4);
    partie.poserBalle(j2, brique.X, brique.Y - 1.5f, 0.0f);
    Balle& renvoyee = partie.poserBalle(j1, 0.0f, -32.0f, 3.14159265f);
    partie.verifier();
    EXPECT_GT(renvoyee.getVitesse().Y, 0.0f) << "player 2's paddle sends player 1's ball back";
    partie.balles().clear();
    partie.bonus().emplace_back(0.0f, -34.0f, BONUS_LIFE); // touches both paddles
    partie.verifier();
    // Player 2's ball scored its brick, and the capsule went to player 1.
    EXPECT_EQ(std::tuple(j1.getNbVie(), j1.getScore(), j2.getScore()), std::tuple(4, 5, 1));
    partie.bonus().emplace_back(0.0f, -32.0f, BONUS_MULTIBALL); // player 2's paddle only
    partie.verifier();
    ASSERT_EQ(partie.balles().size(), 1u);
    EXPECT_EQ(std::tuple(partie.balles().front().getProp(), j2.getScore()), std::tuple(&j2, 6));
    j2.destroy();
    partie.bonus().emplace_back(0.0f, -32.0f, BONUS_LIFE);
    partie.verifier();
    EXPECT_EQ(j2.getNbVie(), 3) << "a destroyed paddle catches nothing";
}

// A capsule acts on its catcher's paddle but on every ball in play, the partner's too; the
// team scores as one, where the one-player match counts player 1 only.
TEST_F(Coop, ACapsuleGrowsAndPiercesEveryBallButOnlyItsCatchersPaddleAndTheTeamScoresAsOne) {
    partie.gerer();
    for (const TYPEBONUS type : {BONUS_ABALLE, BONUS_BTRAVERSANTE, BONUS_ABATTE}) {
        partie.bonus().emplace_back(0.0f, -32.0f, type); // player 2's paddle only
        partie.verifier();
    }
    ASSERT_EQ(partie.balles().size(), 2u);
    for (const Balle& balle : partie.balles()) {
        EXPECT_EQ(std::tuple(balle.getIRayon(), balle.isTraversante()), std::tuple(2, true))
            << "player " << balle.getProp()->getNum() << "'s ball";
    }
    EXPECT_EQ(std::tuple(j1.getBatteRef().getLongueur(), j2.getBatteRef().getLongueur()),
              std::tuple(10.0f, 12.5f));
    j1.ajouterScore(7);
    EXPECT_EQ(std::tuple(j2.getScore(), partie.getScoreTotal()), std::tuple(15, 22));
    // A brick a shot breaks drops a capsule here too, and the shot sounds as it strikes.
    partie.entendus();
    partie.poserNiveau({{2, 2, 1}});
    const Vecteur brique = partie.centre(2, 2);
    partie.tirs().emplace_back(&j1, brique.X, brique.Y);
    partie.verifier();
    EXPECT_EQ(partie.bonus().size(), 1u);
    EXPECT_EQ(partie.entendus(), std::vector({Effet::impactBrique, Effet::brisureBrique}));
    Banc<Normal1j> seul;
    seul.j1().ajouterScore(2);
    seul.j2().ajouterScore(9);
    EXPECT_EQ(seul.getScoreTotal(), 2);
}

TEST_F(Coop, TheMatchEndsOnlyWhenBothPlayersAreOut) {
    perdreLaDerniereBalle(j1);
    perdreLaDerniereBalle(j2);
    ASSERT_EQ(partie.debris().size(), 50u);
    const Couleur rouge = partie.debris().back().getCouleur();
    EXPECT_EQ(std::tuple(rouge.r, rouge.v), std::tuple(255, 0)) << "player 2 bursts red";
    horloge.avancer(3001);
    partie.verifier();
    EXPECT_EQ(std::tuple(j1.isDestroyed(), j2.isDestroyed(), j2.getNbVie()),
              std::tuple(false, false, 2))
        << "both come back";
    j1.perteVie();
    j1.perteVie();
    perdreLaDerniereBalle(j1);
    partie.verifier();
    EXPECT_FALSE(partie.perdu()) << "player 2 plays on";
    perdreLaDerniereBalle(j2);
    horloge.avancer(3001);
    partie.verifier();
    EXPECT_EQ(std::tuple(partie.perdu(), j1.isDestroyed()), std::tuple(false, true))
        << "player 2 comes back with its last life, player 1 stays out";
    j2.perteVie();
    perdreLaDerniereBalle(j2);
    partie.verifier();
    EXPECT_TRUE(partie.perdu());
}

TEST_F(Coop, ADestroyedPlayerLaunchesNothingAndGetsItsBallWhenItComesBackNotAtALevelChange) {
    perdreLaDerniereBalle(j2);
    partie.gerer(); // the first level
    ASSERT_EQ(partie.balles().size(), 1u);
    EXPECT_EQ(partie.balles().front().getProp(), &j1);
    partie.newBall(&j2, true);
    presser(SDLK_w);
    partie.jouerSansDessiner();
    EXPECT_TRUE(partie.balles().back().isHooked());
    partie.balles().pop_back();
    j2.setnBalles(0);
    horloge.avancer(3001);
    partie.verifier();
    const Balle& rendue = partie.balles().back();
    EXPECT_EQ(std::tuple(j2.getnBalles(), rendue.isHooked(), rendue.getProp()),
              std::tuple(1, true, &j2));
}

// A match left in full flight (grown and piercing balls, a capsule and a shot on their way, a
// longer paddle, a cannon, a paddle waiting to come back) reads back from its file as it was,
// resumes paused, then plays on frame for frame as if it had never been left.
TEST_F(Coop, AMatchKeptAndResumedPlaysOnExactlyAsIfNeverLeft) {
    partie.gerer();
    partie.poserNiveau({{3, 5, 2}, {7, 4, 5}, {9, 6, -1}, {12, 2, 1}});
    for (const TYPEBONUS type : {BONUS_ABALLE, BONUS_BTRAVERSANTE, BONUS_ABATTE, BONUS_ARME}) {
        partie.bonus().emplace_back(0.0f, -34.0f, type); // player 1's paddle first
        partie.verifier();
    }
    partie.lancerBalles(j1);
    partie.poserBalle(j1, 10.0f, 5.0f, 0.4f);
    partie.bonus().emplace_back(-20.0f, 10.0f, BONUS_MULTIBALL);
    partie.tirs().emplace_back(&j1, 5.0f, -20.0f);
    j1.ajouterScore(40);
    j2.ajouterScore(7);
    perdreLaDerniereBalle(j2);
    horloge.avancer(1800);
    for (int f = 0; f < 5; ++f) {
        partie.deplacer();
    }
    const std::string laissee = partie.garder().texte();
    std::string raison;
    const std::optional<PartieGardee> relue = PartieGardee::lire(laissee, raison);
    ASSERT_TRUE(relue) << raison << "\n" << laissee;
    EXPECT_EQ(relue->scoreTotal(), 67) << "the team's score";

    Banc<Coop2j> reprise;
    reprise.reprendre(*relue);
    EXPECT_EQ(reprise.garder().texte(), laissee);
    ASSERT_TRUE(reprise.enPause()) << "resumed paused";
    reprise.basculerPause();
    // From here both matches draw the same numbers and read the same clock.
    const Uint32 depart = horloge::maintenant();
    std::string suites[2];
    Banc<Coop2j>* parties[] = {&partie, &reprise};
    for (int n = 0; n < 2; ++n) {
        std::srand(5);
        horloge.regler(depart);
        for (int f = 0; f < 400; ++f) {
            horloge.avancer(Partie::dureeFrame);
            parties[n]->gerer();
        }
        suites[n] = parties[n]->garder().texte();
    }
    EXPECT_EQ(suites[1], suites[0]);
    EXPECT_NE(suites[0], laissee) << "the match moved on";
    EXPECT_FALSE(j2.isDestroyed()) << "player 2 came back on time";
}

// A kept match is refused whole when any value is one the rules could not play on, and its
// file is never written over while it holds what another copy of the game left.
TEST(PartieGardee, AValueOutOfRangeRefusesTheMatchAndAnotherCopysMatchIsKeptAside) {
    Banc<Normal1j> partie;
    partie.gerer();
    partie.lancerBalles(partie.j1());
    partie.tirs().emplace_back(&partie.j1(), 1.0f, 1.0f);
    partie.bonus().emplace_back(2.0f, 2.0f, BONUS_LIFE);
    const std::string bonne = partie.garder().texte();
    const std::pair<const char*, const char*> remplacements[] = {
        {"joueurs 1", "joueurs 3"},
        {"niveau 1", "niveau 0"},
        {"rangee 0 ", "rangee 10 "},
        {"rangee 9 0", "rangee 9 11"},
        {"rangee 9 0", "rangee 9 -2"},
        {"joueur 1 0 3", "joueur 1 0 -1"},
        {"joueur 1 0 3 0 10", "joueur 1 0 3 0 11"},
        {"joueur 1 0 3 0", "joueur 1 0 3 41"},
        {"joueur 1 0 3 0", "joueur 1 0 3 nan"},
        {"capsule 2 2 1", "capsule 2 2 8"},
        {"tir 1", "tir 2"},
        {"0 0 0\n", "0 0 0 0\n"},
        {"niveaux niveaux.lvl", "niveaux"},
        {"rangee 5", "mystere 5"},
        {"capsule 2 2 1", "capsule 2 2"}};
    std::string raison;
    ASSERT_TRUE(PartieGardee::lire(bonne, raison)) << raison;
    for (const auto& [avant, apres] : remplacements) {
        std::string texte = bonne;
        const std::size_t at = texte.find(avant);
        ASSERT_NE(at, std::string::npos) << avant;
        texte.replace(at, std::string(avant).size(), apres);
        EXPECT_FALSE(PartieGardee::lire(texte, raison)) << apres;
    }
    EXPECT_FALSE(PartieGardee::lire(bonne.substr(0, bonne.find("joueur 2")), raison));
    EXPECT_NE(raison.find("incompl"), std::string::npos) << raison;

    const DossierTemporaire tmp;
    const std::string chemin = (tmp.chemin / "vorlen" / "partie.txt").string();
    FichierPartieGardee ici(chemin), ailleurs(chemin);
    EXPECT_FALSE(ici.charger()) << "no file, nothing to resume";
    ASSERT_TRUE(ailleurs.garder(*PartieGardee::lire(bonne, raison)).reussi);
    partie.j1().ajouterScore(9);
    const fichiers::Enregistrement e = ici.garder(partie.garder());
    EXPECT_EQ(lireFichier(e.aCote), bonne) << "the other copy's match, kept aside";
    EXPECT_EQ(FichierPartieGardee(chemin).charger()->scoreTotal(), 9);
    EXPECT_FALSE(ailleurs.oublier()) << "another copy's match is not this one's to drop";
    EXPECT_EQ(FichierPartieGardee(chemin).charger()->scoreTotal(), 9);
    EXPECT_TRUE(ici.oublier());
    EXPECT_FALSE(FichierPartieGardee(chemin).charger()) << "a match over is forgotten";
}

// The shipped levels in order, played by a steady player: each cleared within
// half an hour of play (no level the rules leave to luck, no brick they make
// unbreakable by mistake), and nothing piling up on the way.
// Every set the game ships: each level checked finishable, titled, and cleared
// in order by a steady player within half an hour of play, the last third of a
// new set costing it more than the first. The draws start as in a fresh game, so
// the frames are those bench_niveaux prints.
TEST(Endurance, ASteadyPlayerClearsEveryLevelOfEverySetInOrderAndNothingPilesUp) {
    std::ostringstream rapport;
    const std::vector<Serie> series = seriesDuJeu(rapport);
    ASSERT_EQ(series.size(), 3u) << rapport.str();
    for (const Serie& serie : series) {
        SCOPED_TRACE(serie.getNom());
        EXPECT_EQ(verifierNiveaux(serie.getFichier().c_str(), rapport), VERIF_FINISSABLE);
        HorlogeDeTest horloge;
        std::vector<BilanNiveau> bilans;
        std::size_t balles = 0, debris = 0, tirs = 0;
        {
            // The level reader's trace of each level laid out.
            std::streambuf* const sortie = std::cout.rdbuf(nullptr);
            std::srand(1);
            Banc<Normal1j> partie(serie.getFichier());
            bilans = Pilote().jouer(partie, horloge, 30L * 60 * 1000 / Partie::dureeFrame, [&] {
                balles = std::max(balles, partie.balles().size());
                debris = std::max(debris, partie.debris().size());
                tirs = std::max(tirs, partie.tirs().size());
            });
            std::cout.rdbuf(sortie);
        }
        ASSERT_EQ(bilans.size(), static_cast<std::size_t>(serie.nbNiveaux()));
        long premiers = 0, derniers = 0;
        const std::size_t tiers = bilans.size() / 3;
        for (std::size_t k = 0; k < bilans.size(); ++k) {
            const int numero = static_cast<int>(k) + 1;
            EXPECT_EQ(bilans[k].numero, numero);
            EXPECT_TRUE(bilans[k].fini)
                << "level " << numero << " not cleared in " << bilans[k].passages << " frames";
            EXPECT_FALSE(serie.titre(numero).titre.empty() || serie.titre(numero).auteur.empty())
                << "level " << numero << " has no title or no author";
            premiers += k < tiers ? bilans[k].passages : 0;
            derniers += k >= bilans.size() - tiers ? bilans[k].passages : 0;
        }
        if (serie.getFichier() != Niveau::fichierParDefaut) {
            EXPECT_GE(bilans.size(), 15u);
            EXPECT_GT(derniers, 2 * premiers) << "the set does not get harder";
        }
        EXPECT_LE(balles, 40u);
        EXPECT_LE(debris, 6000u);
        EXPECT_LE(tirs, 10u);
    }
}
