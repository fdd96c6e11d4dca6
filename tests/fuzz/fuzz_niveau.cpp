// Feeds the level loader arbitrary files: it must neither crash, leak nor
// hang, and must leave a grid whose count matches its breakable bricks.
#include "niveau.h"
#include "verification.h"

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <streambuf>
#include <string>

namespace {

// Swallows the loader's trace and reports so the run is not flooded.
class FluxMuet : public std::streambuf {
protected:
    int overflow(int c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

FluxMuet muet;
std::string cheminFichier;

// The one scratch file every input is written to, removed at exit.
void creerFichier() {
    char modele[] = "/tmp/fuzz_niveau_XXXXXX";
    const int fd = mkstemp(modele);
    if (fd < 0) {
        std::perror("mkstemp");
        std::abort();
    }
    close(fd);
    cheminFichier = modele;
    std::atexit([] { unlink(cheminFichier.c_str()); });
}

bool ecrireFichier(const std::uint8_t* donnees, std::size_t taille) {
    std::FILE* f = std::fopen(cheminFichier.c_str(), "wb");
    if (f == nullptr) {
        return false;
    }
    const bool ecrit = std::fwrite(donnees, 1, taille, f) == taille;
    return std::fclose(f) == 0 && ecrit;
}

// Every brick holds 1 to 10 points or is grey, and the count is the
// number of breakable ones.
void verifierGrille(const Niveau& niveau) {
    int cassables = 0;
    for (const auto& colonne : niveau.tabBriques) {
        for (const Brique* brique : colonne) {
            if (brique == nullptr) {
                continue;
            }
            const int points = brique->getPtsVie();
            if (points != -1 && (points < 1 || points > Brique::soliditeMax)) {
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
    std::cout.rdbuf(&muet);
    std::cerr.rdbuf(&muet);
    creerFichier();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    if (!ecrireFichier(donnees, taille)) {
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
