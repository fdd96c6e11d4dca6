// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds the level loader arbitrary files: it must neither crash, leak nor
// hang, and must leave a grid whose count matches its breakable bricks.
#include "niveaux/niveau.h"
#include "niveaux/verification.h"

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <streambuf>
#include <string>

namespace {

std::string cheminFichier;

// Every brick holds 1 to 10 points or is grey, and the count is the
// number of breakable ones.
void verifierGrille(const Niveau& niveau) {
    int cassables = 0;
    for (const auto& colonne : niveau.tabBriques) {
        for (const Brique* brique : colonne) {
            const int points = brique ? brique->getPtsVie() : 0;
            if (brique && points != -1 && (points < 1 || points > Brique::soliditeMax)) {
                __builtin_trap();
            }
            cassables += points > 0;
        }
    }
    if (cassables != niveau.nbBriquesRestantes()) {
        __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The loader's trace and reports would flood the run: failed streams write nothing.
    std::cout.setstate(std::ios::badbit);
    std::cerr.setstate(std::ios::badbit);
    // The one scratch file every input is written to, removed at exit.
    char modele[] = "/tmp/fuzz_niveau_XXXXXX";
    close(mkstemp(modele));
    cheminFichier = modele;
    std::atexit([] { unlink(cheminFichier.c_str()); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    if (!std::ofstream(cheminFichier, std::ios::binary)
             .write(reinterpret_cast<const char*>(donnees), static_cast<std::streamsize>(taille))) {
        std::abort();
    }
    // The wanted number comes from the input too, so that searches, wraps
    // and missing entries are all explored; the second load replaces a grid.
    const int demande = taille > 0 ? donnees[taille - 1] % 8 : 1;
    Niveau niveau(3.0f);
    niveau.initBriques(cheminFichier.c_str(), demande);
    verifierGrille(niveau);
    niveau.initBriques(cheminFichier.c_str(), niveau.getNumNiveau() + 1);
    verifierGrille(niveau);
    std::ostringstream rapport; // of a file that is there and plain: never unreadable
    if (verifierNiveaux(cheminFichier.c_str(), rapport) == VERIF_ILLISIBLE) {
        __builtin_trap();
    }
    return 0;
}
