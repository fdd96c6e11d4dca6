// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds the translations' catalogue reader arbitrary files: it must neither
// crash, leak nor hang; a file it refuses leaves no translation and says why,
// and one it accepts holds no more texts than its table has room for.
#include "joueur_fuzz.h"
#include "systeme/catalogue.h"

#include <cstdint>
#include <fstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::filesystem::path chemin = joueur_fuzz::dossier() / "vorlen.mo";
    std::ofstream(chemin, std::ios::binary)
        .write(reinterpret_cast<const char*>(donnees), static_cast<std::streamsize>(taille));
    Catalogue catalogue;
    std::string raison;
    const bool lu = catalogue.lire(chemin.string(), raison);
    const char* const rien = "";
    if (lu ? !raison.empty() || catalogue.nbTextes() > taille / 8
           : raison.empty() || catalogue.nbTextes() != 0 ||
                 catalogue.traduire("Menu Principal")[0] != 'M' ||
                 catalogue.traduire(rien) != rien) {
        __builtin_trap();
    }
    return 0;
}
