// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds the kept match's reader arbitrary files: it must neither crash, leak
// nor hang, and a match it accepts must write and read back as the same match.
#include "jeu/partiegardee.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string contenu(reinterpret_cast<const char*>(donnees), taille);
    std::string raison;
    const std::optional<PartieGardee> partie = PartieGardee::lire(contenu, raison);
    if (!partie) {
        return 0;
    }
    const std::string texte = partie->texte();
    const std::optional<PartieGardee> relue = PartieGardee::lire(texte, raison);
    if (!relue || relue->texte() != texte) {
        __builtin_trap();
    }
    return 0;
}
