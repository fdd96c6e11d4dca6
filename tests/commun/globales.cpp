// SPDX-License-Identifier: GPL-3.0-or-later
// The process-wide objects the game's classes rely on, as the game defines them,
// and the player's folders of a test run.
#include "main.h"
#include "profil/settings.h"
#include "son/mixer.h"

#include "outils.h"

AudioMixer amixer;
SDL_Surface* screenSurface = nullptr;
Settings currentSettings;
int videoFlags = SDL_OPENGL | SDL_ANYFORMAT;

namespace {

// Every test process keeps the player's settings and scores in a folder of its
// own, removed at exit: no test reads or writes the real home.
const struct DossiersJoueurDuTest : DossierTemporaire {
    DossiersJoueurDuTest() {
        setenv("XDG_CONFIG_HOME", (chemin / "config").c_str(), 1);
        setenv("XDG_DATA_HOME", (chemin / "donnees").c_str(), 1);
    }
} dossiersJoueur;

} // namespace
