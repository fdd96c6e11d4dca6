#include "settings.h"

#include <gtest/gtest.h>

TEST(Settings, DefaultsThenAssignRefusesAnyBoundKeyAndFreesTheOldOne) {
    Settings s;
    const int defaut[6] = {276, 275, 32, 97, 122, 119};
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(s.getAssignedKey(k / 3 + 1, k % 3), defaut[k]) << k;
    }
    EXPECT_FALSE(s.assignKey(32, 2, 0)) << "space is player 1's action";
    EXPECT_FALSE(s.assignKey(276, 1, 0)) << "the slot's own key";
    EXPECT_FALSE(s.assignKey(100, 3, 0)) << "no player 3";
    EXPECT_EQ(s.getAssignedKey(2, 0), 97);
    EXPECT_TRUE(s.assignKey(100, 1, 2));
    EXPECT_TRUE(s.assignKey(32, 2, 2)) << "space is free again";
    EXPECT_EQ(s.getAssignedKey(2, 2), 32);
    s.initSettings();
    EXPECT_EQ(s.getAssignedKey(1, 2), 32);
}

TEST(Settings, KeyNames) {
    const std::pair<int, const char*> noms[] = {{32, "ESPACE"},  {97, "a"},       {122, "z"},
                                                {273, "HAUT"},   {274, "BAS"},    {275, "DROITE"},
                                                {276, "GAUCHE"}, {96, "UNKNOWN"}, {123, "UNKNOWN"},
                                                {13, "UNKNOWN"}, {-1, "UNKNOWN"}, {277, "UNKNOWN"}};
    for (const auto& [code, nom] : noms) {
        EXPECT_EQ(Settings::getKeyByCode(code), nom) << code;
    }
}
