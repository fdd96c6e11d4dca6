// SPDX-License-Identifier: GPL-3.0-or-later
// What the tests and the benchmarks share about files: a folder of their own,
// a file's text, the environment kept, a disk that fills up. No GoogleTest
// here: the benchmarks build without it.
#ifndef VORLEN_TESTS_OUTILS_H
#define VORLEN_TESTS_OUTILS_H

#include <sys/resource.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

inline std::string lireFichier(const std::filesystem::path& chemin) {
    return (std::ostringstream() << std::ifstream(chemin, std::ios::binary).rdbuf()).str();
}

// A fresh folder, removed with all it holds when the test ends.
struct DossierTemporaire {
    const std::filesystem::path chemin = creer();
    ~DossierTemporaire() {
        std::error_code ignore;
        std::filesystem::remove_all(chemin, ignore);
    }
    static std::filesystem::path creer() {
        std::string modele = (std::filesystem::temp_directory_path() / "vorlen-XXXXXX").string();
        if (mkdtemp(modele.data()) == nullptr) {
            std::abort(); // no test may fall back on the real home
        }
        return modele;
    }
};

// Puts a variable back as it was, for the tests that follow in the same process.
class VariableGardee {
public:
    explicit VariableGardee(const char* n)
        : nom(n), avant(std::getenv(n) != nullptr), valeur(avant ? std::getenv(n) : "") {}
    ~VariableGardee() { avant ? setenv(nom, valeur.c_str(), 1) : unsetenv(nom); }

private:
    const char* const nom;
    const bool avant;
    const std::string valeur;
};

// While it lives, no file of the process grows past `octets`: a full disk,
// which root cannot write past either (a read-only folder does not stop root).
class DisquePlein {
public:
    explicit DisquePlein(rlim_t octets) : signalAvant(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &limiteAvant);
        const rlimit limite{octets, limiteAvant.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limite);
    }
    ~DisquePlein() {
        setrlimit(RLIMIT_FSIZE, &limiteAvant);
        std::signal(SIGXFSZ, signalAvant);
    }
    DisquePlein(const DisquePlein&) = delete;
    DisquePlein& operator=(const DisquePlein&) = delete;

private:
    void (*signalAvant)(int);
    rlimit limiteAvant{};
};

#endif
