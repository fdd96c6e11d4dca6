// SPDX-License-Identifier: GPL-3.0-or-later
// Files as the tests see them: read whole, and a disk that fills up.
#ifndef VORLEN_TESTS_DISQUE_H
#define VORLEN_TESTS_DISQUE_H

#include <sys/resource.h>

#include <csignal>
#include <fstream>
#include <sstream>
#include <string>

inline std::string contenu(const std::string& fichier) {
    std::ostringstream texte;
    texte << std::ifstream(fichier).rdbuf();
    return texte.str();
}

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
