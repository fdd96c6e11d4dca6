// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds the replay reader arbitrary files: it must neither crash, leak nor
// hang, and a replay it accepts must write and read back as the same replay,
// frame for frame.
#include "jeu/rejeu.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string contenu(reinterpret_cast<const char*>(donnees), taille);
    std::string raison;
    const std::optional<Rejeu> rejeu = Rejeu::lire(contenu, raison);
    if (!rejeu) {
        return 0;
    }
    const std::string texte = rejeu->texte();
    const std::optional<Rejeu> relu = Rejeu::lire(texte, raison);
    if (!relu || relu->texte() != texte || relu->nbPassages() != rejeu->nbPassages()) {
        __builtin_trap();
    }
    return 0;
}
