#include "banc.h"

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>

namespace {

class Coop : public ::testing::Test {
protected:
    // Loses the last ball of `J` below the field.
    void perdreLaBalle(Joueur& J) {
        partie.poserBalle(J, 0.0f, -41.0f, 3.0f);
        partie.verifier();
    }

    HorlogeDeTest horloge;
    Banc<Coop2j> partie;
};

} // namespace

TEST_F(Coop, PaddlesRunOneAboveTheOtherUnderALowerGrid) {
    EXPECT_FLOAT_EQ(partie.j1().getBatteRef().getPosition()->Y, -35.0f);
    EXPECT_FLOAT_EQ(partie.j2().getBatteRef().getPosition()->Y, -33.0f);
    EXPECT_FLOAT_EQ(partie.niveau().getPosBriquesY(), 0.0f);
    partie.gerer();
    EXPECT_EQ(partie.j1().getnBalles(), 1);
    EXPECT_EQ(partie.j2().getnBalles(), 1);
}

TEST_F(Coop, TheMatchEndsOnlyWhenBothPlayersAreOut) {
    perdreLaBalle(partie.j1());
    perdreLaBalle(partie.j2());
    EXPECT_EQ(partie.debris().size(), 50u);
    EXPECT_EQ(partie.debris().front().getCouleur().v, 255) << "player 1 bursts green";
    EXPECT_EQ(partie.debris().back().getCouleur().r, 255) << "player 2 bursts red";
    EXPECT_EQ(partie.debris().back().getCouleur().v, 0);
    horloge.avancer(3001);
    partie.verifier();
    EXPECT_FALSE(partie.j1().isDestroyed());
    EXPECT_FALSE(partie.j2().isDestroyed());
    EXPECT_EQ(partie.j2().getNbVie(), 2);

    partie.j1().perteVie();
    partie.j1().perteVie();
    partie.balles().clear();
    partie.j1().setnBalles(0);
    partie.j2().setnBalles(0);
    perdreLaBalle(partie.j1());
    partie.verifier();
    EXPECT_FALSE(partie.perdu()) << "player 2 plays on";
    perdreLaBalle(partie.j2());
    horloge.avancer(3001);
    partie.verifier();
    EXPECT_FALSE(partie.perdu()) << "player 2 comes back with its last life";
    EXPECT_TRUE(partie.j1().isDestroyed()) << "player 1 stays out";
    partie.j2().perteVie();
    partie.balles().clear();
    partie.j2().setnBalles(0);
    perdreLaBalle(partie.j2());
    partie.verifier();
    EXPECT_TRUE(partie.perdu());
}

TEST_F(Coop, EachBallScoresForItsOwnerWhicheverPaddleSentIt) {
    partie.poserNiveau({{7, 4, 5}});
    const Vecteur brique = partie.centre(7, 4);
    Balle& balle = partie.poserBalle(partie.j2(), brique.X, brique.Y - 2.0f, 0.0f);
    balle.deplacer();
    partie.verifier();
    EXPECT_EQ(partie.j2().getScore(), 1);
    EXPECT_EQ(partie.j1().getScore(), 0);

    Balle& renvoyee = partie.poserBalle(partie.j1(), 0.0f, -32.0f, 3.14159265f);
    partie.verifier();
    EXPECT_GT(renvoyee.getVitesse().Y, 0.0f) << "player 2's paddle sends player 1's ball back";
}

TEST_F(Coop, CapsulesGoToPlayerOneFirstAndWaitWhileItIsAway) {
    partie.bonus().emplace_back(0.0f, -34.0f, BONUS_LIFE, -1); // touches both paddles
    partie.verifier();
    EXPECT_EQ(partie.j1().getNbVie(), 4);
    EXPECT_EQ(partie.j1().getScore(), 5);
    EXPECT_EQ(partie.j2().getScore(), 0);

    partie.bonus().emplace_back(0.0f, -32.0f, BONUS_MULTIBALL, -1); // player 2's paddle only
    partie.verifier();
    ASSERT_EQ(partie.balles().size(), 1u);
    EXPECT_EQ(partie.balles().front().getProp(), &partie.j2());
    EXPECT_EQ(partie.j2().getnBalles(), 1);
    EXPECT_EQ(partie.j2().getScore(), 5);

    partie.j1().destroy();
    partie.bonus().emplace_back(0.0f, -32.0f, BONUS_LIFE, -1);
    partie.bonus().emplace_back(0.0f, -45.0f, BONUS_LIFE, -1);
    partie.verifier();
    EXPECT_EQ(partie.bonus().size(), 2u) << "nothing caught or dropped while player 1 is away";
}

TEST_F(Coop, ALostBallOfAnUnknownPlayerIsReported) {
    Joueur inconnu(3);
    partie.poserBalle(inconnu, 0.0f, -41.0f, 3.0f);
    std::ostringstream erreur;
    std::streambuf* ancienne = std::cerr.rdbuf(erreur.rdbuf());
    partie.verifier();
    std::cerr.rdbuf(ancienne);
    EXPECT_EQ(erreur.str(), "tentative de suppression de balle au joueur 3 (Coop2j)\n");
    EXPECT_TRUE(partie.balles().empty());
    EXPECT_FALSE(partie.j1().isDestroyed());
    EXPECT_FALSE(partie.j2().isDestroyed());
}
