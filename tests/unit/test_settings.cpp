#include "settings.h"

#include <gtest/gtest.h>

TEST(Settings, DefaultsBindArrowsAndSpaceThenAZW) {
    const Settings s;
    const int attendu[2][3] = {{276, 275, 32}, {97, 122, 119}};
    for (int joueur = 1; joueur <= 2; ++joueur) {
        for (int commande = 0; commande < 3; ++commande) {
            EXPECT_EQ(s.getAssignedKey(joueur, commande), attendu[joueur - 1][commande]);
        }
    }
    EXPECT_FALSE(s.getPleinEcranState());
}

TEST(Settings, AssignRefusesAnyBoundKeyAndFreesTheOldOne) {
    Settings s;
    EXPECT_FALSE(s.assignKey(32, 2, 0)) << "space is player 1's action";
    EXPECT_EQ(s.getAssignedKey(2, 0), 97);
    EXPECT_FALSE(s.assignKey(276, 1, 0)) << "the slot's own key";
    EXPECT_FALSE(s.assignKey(100, 3, 0)) << "no player 3";
    EXPECT_EQ(s.getAssignedKey(1, 0), 276);

    EXPECT_TRUE(s.assignKey(100, 1, 2));
    EXPECT_EQ(s.getAssignedKey(1, 2), 100);
    EXPECT_TRUE(s.assignKey(32, 2, 2)) << "space is free again";
    EXPECT_EQ(s.getAssignedKey(2, 2), 32);

    s.initSettings();
    EXPECT_EQ(s.getAssignedKey(1, 2), 32);
}

TEST(Settings, KeyNames) {
    EXPECT_EQ(Settings::getKeyByCode(32), "ESPACE");
    EXPECT_EQ(Settings::getKeyByCode(97), "a");
    EXPECT_EQ(Settings::getKeyByCode(105), "i");
    EXPECT_EQ(Settings::getKeyByCode(122), "z");
    EXPECT_EQ(Settings::getKeyByCode(273), "HAUT");
    EXPECT_EQ(Settings::getKeyByCode(274), "BAS");
    EXPECT_EQ(Settings::getKeyByCode(275), "DROITE");
    EXPECT_EQ(Settings::getKeyByCode(276), "GAUCHE");
    for (const int sansNom : {65, 96, 123, 13, 27, -1, 300, 277}) {
        EXPECT_EQ(Settings::getKeyByCode(sansNom), "UNKNOWN") << sansNom;
    }
}

TEST(SettingsDeathTest, OutOfRangeIndicesAreProgrammingErrors) {
    Settings s;
    EXPECT_DEATH(s.getAssignedKey(1, 3), "nCommande < 3");
    EXPECT_DEATH(s.getAssignedKey(1, -1), "nCommande >= 0");
    EXPECT_DEATH(s.getAssignedKey(0, 0), "nJoueur > 0");
    EXPECT_DEATH(s.getAssignedKey(3, 0), "nJoueur <= 2");
    EXPECT_DEATH(s.assignKey(100, 1, 3), "nCommande < 3");
}
