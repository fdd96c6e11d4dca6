// SPDX-License-Identifier: GPL-3.0-or-later
// The suite without a window: SDL runs on its dummy video driver, which needs
// no display, so that the matches under test get their keys through SDL's queue.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS();
    }
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "vorlen_tests: no event queue: %s\n", SDL_GetError());
        return 1;
    }
    const int resultat = RUN_ALL_TESTS();
    SDL_Quit();
    return resultat;
}
