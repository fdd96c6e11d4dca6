// SPDX-License-Identifier: GPL-3.0-or-later
// What the player hears, through SDL's disk audio driver: the mixed output
// (signed 16-bit, stereo) written to a file as the device plays it.
#include "profil/settings.h"
#include "son/mixer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

const std::string fichierSon = testing::TempDir() + "vorlen-son.raw";

// Waits for `condition` up to a generous limit; false when it never held.
bool attendre(const std::function<bool()>& condition) {
    const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > limite) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

std::streamoff taille() {
    return std::ifstream(fichierSon, std::ios::binary | std::ios::ate).tellg();
}

// What the device wrote once the effects `jouer` starts at volume `niveau`
// have played out and the device's last buffer with them is on disk.
std::vector<Sint16> entendre(int niveau, const std::function<void(AudioMixer&)>& jouer) {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", fichierSon.c_str(), 1);
    setenv("SDL_DISKAUDIODELAY", "10", 1);
    {
        AudioMixer son;
        EXPECT_TRUE(son.initMixer());
        son.setVolume(niveau, Settings::volumeMax);
        jouer(son);
        EXPECT_TRUE(attendre([] { return Mix_Playing(-1) == 0; })) << "still playing";
        const std::streamoff ecrit = taille();
        EXPECT_TRUE(attendre([ecrit] { return taille() > ecrit; })) << "the device stopped";
    }
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    const std::string octets =
        (std::ostringstream() << std::ifstream(fichierSon, std::ios::binary).rdbuf()).str();
    std::remove(fichierSon.c_str());
    std::vector<Sint16> e(octets.size() / sizeof(Sint16));
    std::copy_n(octets.data(), e.size() * sizeof(Sint16), reinterpret_cast<char*>(e.data()));
    return e;
}

} // namespace

// Volume 0 is silence; at 10 an effect alone keeps its file's loudness (about
// 1 dB under full scale), and no crowd of effects reaches full scale.
TEST(Son, TheVolumeReachesTheMixerAndEffectsTogetherNeverReachFullScale) {
    const auto unEffet = [](AudioMixer& son) { son.SPlay_PlayerHit(); };
    const auto huitDifferents = [](AudioMixer& son) {
        son.SPlay_BrickHit();
        son.SPlay_BrickDestroy();
        son.SPlay_PlayerDestroy();
        son.SPlay_PlayerHit();
        son.SPlay_PlayerFire();
        son.SPlay_Ricochet();
        son.SPlay_BonusPickup();
        son.SPlay_VieSupp();
    };
    // As volume presses in Options start it again and again.
    const auto huitFoisLeMeme = [](AudioMixer& son) {
        for (int k = 0; k < AudioMixer::nbCanaux; ++k) {
            son.SPlay_PlayerHit();
        }
    };
    const struct {
        const char* cas;
        int niveau;
        std::function<void(AudioMixer&)> jouer;
        int creteMin, creteMax;
    } cas[] = {
        {"one effect at 0", 0, unEffet, 0, 0},
        {"one effect at 10", Settings::volumeMax, unEffet, 28000, 32766},
        {"eight different effects at 10", Settings::volumeMax, huitDifferents, 16384, 32766},
        {"one effect eight times at 10", Settings::volumeMax, huitFoisLeMeme, 16384, 32766},
    };
    for (const auto& c : cas) {
        const std::vector<Sint16> e = entendre(c.niveau, c.jouer);
        int crete = 0;
        long pleineEchelle = 0;
        for (const Sint16 s : e) {
            crete = std::max(crete, std::abs(static_cast<int>(s)));
            pleineEchelle += std::abs(static_cast<int>(s)) > 32766;
        }
        EXPECT_TRUE(crete >= c.creteMin && crete <= c.creteMax)
            << c.cas << ": peak " << crete << ", " << pleineEchelle << " of " << e.size()
            << " samples at full scale";
    }
}
