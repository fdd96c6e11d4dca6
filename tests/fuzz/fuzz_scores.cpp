// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds the high-score reader arbitrary files: it must neither crash, leak
// nor hang, a save must read back as it was made, and a file with lines it
// dropped must be kept aside.
#include "joueur_fuzz.h"
#include "profil/scores.h"

#include <cstdint>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::filesystem::path chemin = joueur_fuzz::dossier() / "vorlen" / "scores.txt";
    const joueur_fuzz::Pose pose = joueur_fuzz::poser(chemin, donnees, taille);
    MeilleursScores scores;
    scores.charger(chemin.string());
    std::ostringstream muet;
    const std::string contenu(reinterpret_cast<const char*>(donnees), taille);
    const bool abime = MeilleursScores().lire(contenu.substr(taille > 0), muet) > 0;
    scores.inscrire(MeilleursScores::MODE_1J, {999999999, 1, "2026-12-07", {"Fuzz"}});
    MeilleursScores relus;
    relus.charger(chemin.string());
    const bool gardeACote = std::filesystem::exists(joueur_fuzz::gardeACote(chemin, pose));
    if (relus.texte() != scores.texte() || relus.lire(relus.texte(), muet) != 0 ||
        (pose != joueur_fuzz::TROP_LONG && abime != gardeACote) ||
        !joueur_fuzz::poseRespectee(chemin, pose)) {
        __builtin_trap();
    }
    return 0;
}
