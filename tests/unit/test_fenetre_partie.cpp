#include "banc.h"
#include "fenetre.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace {

void envoyerTouche(Uint8 type, SDLKey touche) {
    SDL_Event event = {};
    event.type = type;
    event.key.type = type;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = touche;
    SDL_PushEvent(&event);
}

bool jaunePanneau(const Pixel& p) {
    return p.r == 204 && p.v == 204 && p.b == 0;
}
bool jauneVif(const Pixel& p) {
    return p.r > 200 && p.v > 200 && p.b < 80;
}
bool vert(const Pixel& p) {
    return p.v > 30 && p.v > 4 * p.r && p.v > 4 * p.b;
}

// Where a field point (x, y, 0) lands in the window, as the camera sees it.
int colonneDe(float x) {
    return static_cast<int>(325.0 * (1.0 + 0.0185577 * x) + 0.5);
}
int ligneDe(float y) {
    return static_cast<int>(300.0 * (1.0 - 0.0247436 * y) + 0.5);
}

class PremiereFrame : public ::testing::Test {
protected:
    void TearDown() override {
        if (HasFailure()) {
            capture.sauver(
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                ".ppm");
        }
    }
    Banc<Normal1j> partie;
    Capture capture = (partie.frame(), Capture());
};

} // namespace

TEST_F(PremiereFrame, PanelShowsBothPlayersFramesAndNames) {
    // Panel pixels (x, y from the bottom) of each box's rules and edges.
    for (const int haut : {540, 400}) {
        const int bas = haut - 100;
        for (const int y : {haut, haut - 21, haut - 24, haut - 44, bas}) {
            EXPECT_TRUE(capture.unPixelDans(700, 700, 599 - y, 600 - y, jaunePanneau))
                << "rule at panel y = " << y;
        }
        for (const int x : {0, 120}) {
            EXPECT_TRUE(capture.unPixelDans(649 + x, 651 + x, 600 - haut + 50, 600 - haut + 50,
                                            jaunePanneau))
                << "edge at panel x = " << x << " of the box topped at " << haut;
        }
        // The name sits on the baseline 16 pixels in and 16 below the top.
        const int ligneBase = 600 - (haut - 16);
        EXPECT_TRUE(capture.unPixelDans(666, 730, ligneBase - 12, ligneBase, jauneVif))
            << "name of the box topped at " << haut;
        EXPECT_FALSE(capture.unPixelDans(775, 799, ligneBase - 12, ligneBase, jauneVif))
            << "the name stays inside its box";
    }
}

TEST_F(PremiereFrame, FieldBorderStandsWhereTheCameraPutsIt) {
    EXPECT_EQ(ligneDe(35.0f), 40);
    EXPECT_TRUE(capture.unPixelDans(325, 325, 39, 41, jauneVif)) << "top edge";
    EXPECT_TRUE(capture.unPixelDans(82, 84, 300, 300, jauneVif)) << "left edge";
    EXPECT_TRUE(capture.unPixelDans(565, 567, 300, 300, jauneVif)) << "right edge";
    EXPECT_FALSE(capture.unPixelDans(325, 325, 20, 36, jauneVif)) << "nothing above the field";
    EXPECT_FALSE(capture.unPixelDans(60, 78, 300, 300, jauneVif)) << "nothing left of it";
}

TEST_F(PremiereFrame, PlayerOnesGreenPaddleLiesAtRow560Centred) {
    EXPECT_TRUE(vert(capture.at(325, 560)));
    const Cadre batte = capture.cadreDans(200, 450, 540, 580, vert);
    ASSERT_FALSE(batte.vide());
    EXPECT_NEAR((batte.col0 + batte.col1) / 2.0, 325, 2);
    EXPECT_NEAR((batte.lig0 + batte.lig1) / 2.0, 560, 2);
    EXPECT_NEAR(batte.col1 - batte.col0, colonneDe(5.0f) - colonneDe(-5.0f), 3);
    ASSERT_EQ(partie.balles().size(), 1u);
    EXPECT_TRUE(partie.balles().front().isHooked());
}

TEST_F(PremiereFrame, HoldingTheRightArrowTakesThePaddleToX35AndNoFurther) {
    envoyerTouche(SDL_KEYDOWN, SDLK_RIGHT);
    for (int k = 0; k < 60; ++k) {
        ASSERT_TRUE(partie.frame());
    }
    EXPECT_FLOAT_EQ(partie.j1().getBatteRef().getPosition()->X, 35.0f);
    EXPECT_FLOAT_EQ(partie.balles().front().getPosition()->X, 35.0f) << "the held ball follows";
    envoyerTouche(SDL_KEYUP, SDLK_RIGHT);
    partie.frame();
    capture = Capture();
    EXPECT_TRUE(vert(capture.at(colonneDe(35.0f), 560)));
    EXPECT_FALSE(vert(capture.at(325, 560)));
}

TEST_F(PremiereFrame, EscapeEndsTheMatch) {
    envoyerTouche(SDL_KEYDOWN, SDLK_ESCAPE);
    EXPECT_FALSE(partie.frame());
}

TEST_F(PremiereFrame, BuiltInBricksShowInTheirColumnPairsHues) {
    partie.niveau().initBriques("absent.lvl", 1);
    partie.frame();
    capture = Capture();
    // Brighter green against red from one column pair to the next, as the
    // hit points rise; lighting scales the three channels alike.
    double rapportPrecedent = 0.0;
    for (int paire = 0; paire < 8; ++paire) {
        const int points = paire + 1;
        const Vecteur centre = partie.centre(2 * paire, 5);
        const Pixel p = capture.at(colonneDe(centre.X), ligneDe(centre.Y));
        const double attendu = (50.0 + 20 * points) / (240.0 - 15 * points);
        ASSERT_GT(p.r, 10) << "column pair " << paire;
        const double rapport = static_cast<double>(p.v) / p.r;
        EXPECT_NEAR(rapport, attendu, 0.2 * attendu) << "column pair " << paire;
        EXPECT_GT(rapport, rapportPrecedent) << "column pair " << paire;
        rapportPrecedent = rapport;
        EXPECT_LT(p.r, 120) << "lit as the scene lights it, not flat";
    }
    // The gaps between bricks stay dark.
    const Vecteur gauche = partie.centre(0, 5);
    const Pixel trou = capture.at(colonneDe(gauche.X + 2.3f), ligneDe(gauche.Y));
    EXPECT_LT(trou.r + trou.v + trou.b, 30);
}

TEST_F(PremiereFrame, TheActionKeyLaunchesTheHeldBall) {
    envoyerTouche(SDL_KEYDOWN, SDLK_SPACE);
    envoyerTouche(SDL_KEYUP, SDLK_SPACE);
    for (int k = 0; k < 10; ++k) {
        partie.frame();
    }
    const Balle& balle = partie.balles().front();
    EXPECT_FALSE(balle.isHooked());
    EXPECT_GT(balle.getPosition()->Y, -34.0f + 3.0f);
    EXPECT_TRUE(partie.tirs().empty()) << "no cannon, no shot";
}
