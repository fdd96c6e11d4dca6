// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds the settings reader arbitrary files: it must neither crash, leak nor
// hang, must leave valid choices, a save must read back as it was made, and a
// file holding a NUL byte must be kept aside.
#include "joueur_fuzz.h"
#include "profil/preferences.h"
#include "profil/settings.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

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
    // A file a NUL byte cut short goes aside whole.
    const bool octetNul = std::memchr(donnees + 1, '\0', taille > 0 ? taille - 1 : 0) != nullptr;
    const bool aCote = std::filesystem::exists(joueur_fuzz::gardeACote(chemin, pose));
    if (preferences::texte(relus) != preferences::texte(lus) || (octetNul && !aCote) ||
        !joueur_fuzz::poseRespectee(chemin, pose)) {
        __builtin_trap();
    }
    return 0;
}
