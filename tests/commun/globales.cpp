// SPDX-License-Identifier: GPL-3.0-or-later
// The process-wide objects the game's classes rely on, as the game defines them,
// and the player's folders of a test run.
#include "main.h"
#include "profil/settings.h"
#include "son/mixer.h"

#include <cstdlib>
#include <filesystem>
#include <string>

AudioMixer amixer;
SDL_Surface* screenSurface = nullptr;
Settings currentSettings;
int videoFlags = SDL_OPENGL | SDL_ANYFORMAT;

namespace {

// Every test process keeps the player's settings and scores in a folder of its
// own, removed at exit: no test reads or writes the real home.
struct DossiersJoueurDuTest {
    std::string racine;
    DossiersJoueurDuTest() {
        char modele[] = "/tmp/vorlen-tests-XXXXXX";
        if (mkdtemp(modele) == nullptr) {
            std::abort();
        }
        racine = modele;
        setenv("XDG_CONFIG_HOME", (racine + "/config").c_str(), 1);
        setenv("XDG_DATA_HOME", (racine + "/donnees").c_str(), 1);
    }
    ~DossiersJoueurDuTest() {
        std::error_code ignore;
        std::filesystem::remove_all(racine, ignore);
    }
} dossiersJoueur;

} // namespace
