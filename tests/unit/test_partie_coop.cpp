// SPDX-License-Identifier: GPL-3.0-or-later
#include "banc.h"

#include <gtest/gtest.h>

#include <tuple>

struct Coop : ::testing::Test {
    // Takes every ball of `J` away, then loses one below the field: its last.
    void perdreLaDerniereBalle(Joueur& J) {
        partie.balles().remove_if([&J](const Balle& balle) { return balle.getProp() == &J; });
        J.setnBalles(0);
        partie.poserBalle(J, 0.0f, -41.0f, 3.0f);
        partie.verifier();
    }

    HorlogeDeTest horloge;
    Banc<Coop2j> partie;
    Joueur& j1 = partie.j1();
    Joueur& j2 = partie.j2();
};

// Where the paddles stand, the end-to-end player sees.
TEST_F(Coop, TheGridStandsLowerAndEachBallScoresForItsOwner) {
    EXPECT_FLOAT_EQ(partie.niveau().getPosBriquesY(), 0.0f);
    partie.gerer();
    EXPECT_EQ(j1.getnBalles(), 1);
    EXPECT_EQ(j2.getnBalles(), 1);
    partie.poserNiveau({{7, 4, 5}});
    const Vecteur brique = partie.centre(7, 4);
    partie.poserBalle(j2, brique.X, brique.Y - 1.5f, 0.0f);
    Balle& renvoyee = partie.poserBalle(j1, 0.0f, -32.0f, 3.14159265f);
    partie.verifier();
    EXPECT_EQ(j2.getScore(), 1);
    EXPECT_EQ(j1.getScore(), 0);
    EXPECT_GT(renvoyee.getVitesse().Y, 0.0f) << "player 2's paddle sends player 1's ball back";
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

TEST_F(Coop, CapsulesGoToPlayerOneFirstAndWaitWhileItIsAway) {
    partie.bonus().emplace_back(0.0f, -34.0f, BONUS_LIFE, -1); // touches both paddles
    partie.verifier();
    EXPECT_EQ(std::tuple(j1.getNbVie(), j1.getScore(), j2.getScore()), std::tuple(4, 5, 0));
    partie.bonus().emplace_back(0.0f, -32.0f, BONUS_MULTIBALL, -1); // player 2's paddle only
    partie.verifier();
    ASSERT_EQ(partie.balles().size(), 1u);
    EXPECT_EQ(std::tuple(partie.balles().front().getProp(), j2.getScore()), std::tuple(&j2, 5));
    j2.destroy();
    partie.bonus().emplace_back(0.0f, -32.0f, BONUS_LIFE, -1);
    partie.verifier();
    EXPECT_EQ(j2.getNbVie(), 3) << "a destroyed paddle catches nothing";
    j1.destroy();
    partie.bonus().emplace_back(0.0f, -45.0f, BONUS_LIFE, -1);
    partie.verifier();
    EXPECT_EQ(partie.bonus().size(), 2u) << "nothing caught or dropped while player 1 is away";
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
