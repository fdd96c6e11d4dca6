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

// The samples the device wrote, in order.
std::vector<Sint16> echantillons() {
    const std::string octets =
        (std::ostringstream() << std::ifstream(fichierSon, std::ios::binary).rdbuf()).str();
    std::vector<Sint16> e(octets.size() / sizeof(Sint16));
    std::copy_n(octets.data(), e.size() * sizeof(Sint16), reinterpret_cast<char*>(e.data()));
    return e;
}

// An open device writing to the file, playing what each step starts once the
// one before has been heard to its end.
class Ecoute {
public:
    Ecoute() {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", fichierSon.c_str(), 1);
        setenv("SDL_DISKAUDIODELAY", "10", 1);
        ouvert = son.initMixer();
    }
    ~Ecoute() { std::remove(fichierSon.c_str()); }

    // Starts the effects of `jouer`, then waits until they have played out
    // and the device has written its last buffer with them.
    void entendre(const std::function<void(AudioMixer&)>& jouer) {
        jouer(son);
        ASSERT_TRUE(attendre([] { return Mix_Playing(-1) == 0; })) << "still playing";
        const std::streamoff ecrit = taille();
        ASSERT_TRUE(attendre([ecrit] { return taille() > ecrit; })) << "the device stopped";
    }

    AudioMixer son;
    bool ouvert;
};

} // namespace

TEST(Son, ZeroIsSilenceAndTheTopVolumeGivesAnEffectAloneItsFullLoudness) {
    std::streamoff finSilence = 0;
    {
        Ecoute ecoute;
        ASSERT_TRUE(ecoute.ouvert);
        for (const int volume : {0, Settings::volumeMax}) {
            ecoute.son.setVolume(volume, Settings::volumeMax);
            ecoute.entendre([](AudioMixer& son) { son.SPlay_PlayerHit(); });
            finSilence =
                volume == 0 ? taille() / static_cast<std::streamoff>(sizeof(Sint16)) : finSilence;
        }
        const std::vector<Sint16> e = echantillons();
        const auto premier = std::find_if(e.begin(), e.end(), [](Sint16 s) { return s != 0; });
        EXPECT_GE(premier - e.begin(), finSilence) << "sound at volume 0";
        int crete = 0;
        for (const Sint16 s : e) {
            crete = std::max(crete, std::abs(static_cast<int>(s)));
        }
        // The files peak about 1 dB under full scale.
        EXPECT_GT(crete, 0.85 * 32768) << "low.wav alone at the top volume";
    }
    setenv("SDL_AUDIODRIVER", "dummy", 1);
}

TEST(Son, EffectsPlayedTogetherAtTheTopVolumeNeverReachFullScale) {
    const struct {
        const char* cas;
        std::function<void(AudioMixer&)> jouer;
    } cas[] = {
        {"eight different effects",
         [](AudioMixer& son) {
             son.SPlay_BrickHit();
             son.SPlay_BrickDestroy();
             son.SPlay_PlayerDestroy();
             son.SPlay_PlayerHit();
             son.SPlay_PlayerFire();
             son.SPlay_Ricochet();
             son.SPlay_BonusPickup();
             son.SPlay_VieSupp();
         }},
        {"one effect eight times, as volume presses in Options",
         [](AudioMixer& son) {
             for (int k = 0; k < AudioMixer::nbCanaux; ++k) {
                 son.SPlay_PlayerHit();
             }
         }},
    };
    for (const auto& c : cas) {
        Ecoute ecoute;
        ASSERT_TRUE(ecoute.ouvert);
        ecoute.son.setVolume(Settings::volumeMax, Settings::volumeMax);
        ecoute.entendre(c.jouer);
        const std::vector<Sint16> e = echantillons();
        const auto pleineEchelle =
            std::count_if(e.begin(), e.end(), [](Sint16 s) { return s == 32767 || s == -32768; });
        EXPECT_EQ(pleineEchelle, 0) << c.cas << ", of " << e.size() << " samples";
        EXPECT_TRUE(std::any_of(e.begin(), e.end(), [](Sint16 s) { return s > 16384; }))
            << c.cas << ": heard";
    }
    setenv("SDL_AUDIODRIVER", "dummy", 1);
}
