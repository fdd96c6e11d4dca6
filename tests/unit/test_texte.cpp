#include "FreeType.h"

#include <gtest/gtest.h>

namespace {

std::string formaterTest(const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    std::string texte = freetype::formater(fmt, args);
    va_end(args);
    return texte;
}

} // namespace

TEST(Texte, NextP2IsTheSmallestPowerOfTwoAtLeastA) {
    EXPECT_EQ(freetype::next_p2(-3), 1);
    EXPECT_EQ(freetype::next_p2(0), 1);
    EXPECT_EQ(freetype::next_p2(1), 1);
    EXPECT_EQ(freetype::next_p2(5), 8);
    EXPECT_EQ(freetype::next_p2(64), 64);
    EXPECT_EQ(freetype::next_p2(65), 128);
}

TEST(Texte, LinesSplitOnEveryLineFeedKeepingTheRest) {
    using V = std::vector<std::string>;
    EXPECT_EQ(freetype::decouperLignes(""), V{""});
    EXPECT_EQ(freetype::decouperLignes("Joueur 1"), V{"Joueur 1"});
    EXPECT_EQ(freetype::decouperLignes("a\nb"), (V{"a", "b"}));
    EXPECT_EQ(freetype::decouperLignes("a\n"), (V{"a", ""}));
    EXPECT_EQ(freetype::decouperLignes("\n\nc"), (V{"", "", "c"}));
}

TEST(Texte, FormattingIsBoundedToTheBuffer) {
    EXPECT_EQ(formaterTest(nullptr), "");
    EXPECT_EQ(formaterTest("Niveau %2d", 3), "Niveau  3");
    EXPECT_EQ(formaterTest("%6d", 0), "     0");
    EXPECT_EQ(formaterTest("%6d", 1234567), "1234567");

    const std::string long300(300, 'x');
    const std::string coupe = formaterTest("%s", long300.c_str());
    EXPECT_EQ(coupe, std::string(255, 'x'));
}
