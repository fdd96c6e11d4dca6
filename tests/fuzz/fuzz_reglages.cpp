// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds the settings reader arbitrary files: it must neither crash, leak nor
// hang, must leave valid choices, and a save must read back as it was made.
#include "joueur_fuzz.h"
#include "profil/preferences.h"
#include "profil/settings.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("XDG_CONFIG_HOME", joueur_fuzz::dossier().c_str(), 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::filesystem::path chemin = preferences::cheminFichier();
    const joueur_fuzz::Pose pose = joueur_fuzz::poser(chemin, donnees, taille);
    Settings lus;
    preferences::charger(lus);
    if (!Settings::touchesValides(lus.getTouches()) || lus.getVolume() < 0 ||
        lus.getVolume() > Settings::volumeMax) {
        __builtin_trap();
    }
    lus.setVolume(Settings::volumeMax - lus.getVolume()); // a change to save
    preferences::enregistrer(lus);
    Settings relus;
    preferences::charger(relus);
    if (preferences::texte(relus) != preferences::texte(lus) ||
        !joueur_fuzz::poseRespectee(chemin, pose)) {
        __builtin_trap();
    }
    return 0;
}
