// SPDX-License-Identifier: GPL-3.0-or-later
// What the tests share about files: a folder of their own, a file's text, the
// environment kept, and what a call says on standard error.
#ifndef VORLEN_TESTS_OUTILS_H
#define VORLEN_TESTS_OUTILS_H

#include <gtest/gtest.h>

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

// What `f` says on standard error.
inline std::string erreursDe(const std::function<void()>& f) {
    ::testing::internal::CaptureStderr();
    f();
    return ::testing::internal::GetCapturedStderr();
}

#endif
