// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds the high-score reader arbitrary files: it must neither crash, leak
// nor hang, must keep each table at ten lines best first, a save must read
// back as it was made, and a file with lines it dropped must be kept aside.
#include "joueur_fuzz.h"
#include "profil/scores.h"

#include <cstdint>
#include <sstream>

namespace {

bool tablesEnOrdre(const MeilleursScores& scores) {
    for (int m = 0; m < MeilleursScores::nbModes; ++m) {
        const auto& lignes = scores.table(static_cast<MeilleursScores::Mode>(m)).getLignes();
        if (lignes.size() > TableScores::taille) {
            return false;
        }
        for (std::size_t k = 1; k < lignes.size(); ++k) {
            if (lignes[k].score > lignes[k - 1].score) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::filesystem::path chemin = joueur_fuzz::dossier() / "vorlen" / "scores.txt";
    const joueur_fuzz::Pose pose = joueur_fuzz::poser(chemin, donnees, taille);
    MeilleursScores scores;
    scores.charger(chemin.string());
    std::ostringstream muet;
    const std::string avant(reinterpret_cast<const char*>(donnees), taille);
    const bool abime = MeilleursScores().lire(avant.substr(taille > 0), muet) > 0;
    if (!tablesEnOrdre(scores) ||
        scores.inscrire(MeilleursScores::MODE_1J, {999999999, 1, "2026-12-07", {"Fuzz"}}) != 0) {
        __builtin_trap();
    }
    MeilleursScores relus;
    relus.charger(chemin.string());
    const bool gardeACote = std::filesystem::exists(chemin.string() + ".illisible");
    if (relus.texte() != scores.texte() || relus.lire(relus.texte(), muet) != 0 ||
        (pose == joueur_fuzz::FICHIER && abime != gardeACote) ||
        (!abime && !joueur_fuzz::poseRespectee(chemin, pose))) {
        __builtin_trap();
    }
    return 0;
}
