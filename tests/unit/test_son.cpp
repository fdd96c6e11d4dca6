// SPDX-License-Identifier: GPL-3.0-or-later
// What the player hears, through SDL's disk audio driver: the mixed output
// (signed 16-bit, stereo) written to a file as the device plays it.
#include "profil/settings.h"
#include "son/mixer.h"

#include "outils.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

namespace {

const std::string fichierSon = testing::TempDir() + "vorlen-son.raw";

// Waits for `condition` up to a generous limit; false when it never held.
bool attendre(const std::function<bool()>& condition) {
    const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!condition() && std::chrono::steady_clock::now() < limite) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return condition();
}

// The loudest sample the device wrote once `sons`, started at volume
// `niveau`, have played out and the device's last buffer with them is on disk.
int crete(int niveau, const FileSons& sons) {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", fichierSon.c_str(), 1);
    setenv("SDL_DISKAUDIODELAY", "10", 1);
    {
        AudioMixer son;
        EXPECT_TRUE(son.initMixer());
        son.setVolume(niveau, Settings::volumeMax);
        son.jouer(sons);
        EXPECT_TRUE(attendre([] { return Mix_Playing(-1) == 0; })) << "still playing";
        const auto ecrit = std::filesystem::file_size(fichierSon);
        EXPECT_TRUE(attendre([ecrit] { return std::filesystem::file_size(fichierSon) > ecrit; }))
            << "the device stopped";
    }
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    const std::string octets = lireFichier(fichierSon);
    std::remove(fichierSon.c_str());
    int crete = 0;
    for (std::size_t k = 0; k + sizeof(Sint16) <= octets.size(); k += sizeof(Sint16)) {
        Sint16 s;
        std::memcpy(&s, &octets[k], sizeof s);
        crete = std::max(crete, std::abs(static_cast<int>(s)));
    }
    return crete;
}

} // namespace

// Volume 0 is silence; at 10 an effect alone keeps its file's loudness (about
// 1 dB under full scale), and no crowd of effects reaches full scale, not even
// the worst: one started on every channel at once, as volume presses in
// Options do, its copies adding up in phase.
TEST(Son, TheVolumeReachesTheMixerAndEffectsTogetherNeverReachFullScale) {
    const Son renvoi = {Effet::renvoiBatte, 0};
    const struct {
        const char* cas;
        int niveau;
        FileSons sons;
        int creteMin, creteMax;
    } cas[] = {
        {"one effect at 0", 0, {renvoi}, 0, 0},
        {"one effect at 10", Settings::volumeMax, {renvoi}, 28000, 32766},
        {"one effect eight times at 10", Settings::volumeMax,
         FileSons(AudioMixer::nbCanaux, renvoi), 16384, 32766},
    };
    for (const auto& c : cas) {
        const int e = crete(c.niveau, c.sons);
        EXPECT_TRUE(e >= c.creteMin && e <= c.creteMax) << c.cas << ": peak " << e;
    }
}
