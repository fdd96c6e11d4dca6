// SPDX-License-Identifier: GPL-3.0-or-later
#include "profil/fichiers.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::string lire(const std::filesystem::path& chemin) {
    std::ifstream f(chemin);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

// Puts a variable back as it was, so later tests in the same process see the
// environment the test command gave them.
struct VariableGardee {
    std::string nom;
    const char* avant;
    std::string valeur;
    explicit VariableGardee(const char* n) : nom(n), avant(std::getenv(n)) {
        if (avant != nullptr) {
            valeur = avant;
        }
    }
    ~VariableGardee() {
        if (avant != nullptr) {
            setenv(nom.c_str(), valeur.c_str(), 1);
        } else {
            unsetenv(nom.c_str());
        }
    }
};

struct DossierTemporaire {
    std::filesystem::path chemin;
    DossierTemporaire() {
        char modele[] = "/tmp/vorlen-fichiers-XXXXXX";
        chemin = mkdtemp(modele);
    }
    ~DossierTemporaire() { std::filesystem::remove_all(chemin); }
};

} // namespace

TEST(Fichiers, XdgFoldersFallBackOnHomeAndIgnoreRelativePaths) {
    const VariableGardee gardes[] = {VariableGardee("HOME"), VariableGardee("XDG_CONFIG_HOME"),
                                     VariableGardee("XDG_DATA_HOME")};
    setenv("HOME", "/home/joueuse", 1);
    setenv("XDG_CONFIG_HOME", "/cfg", 1);
    setenv("XDG_DATA_HOME", "relatif", 1);
    EXPECT_EQ(fichiers::dossierPreferences(), "/cfg/vorlen");
    EXPECT_EQ(fichiers::dossierDonneesJoueur(), "/home/joueuse/.local/share/vorlen");
    unsetenv("XDG_CONFIG_HOME");
    unsetenv("HOME");
    EXPECT_EQ(fichiers::dossierPreferences(), "");
}

TEST(Fichiers, AtomicWriteReplacesWholeOrLeavesTheOldFile) {
    const DossierTemporaire tmp;
    const std::string chemin = (tmp.chemin / "sous/dossier/vorlen.ini").string();
    std::string erreur;
    ASSERT_TRUE(fichiers::ecrireAtomiquement(chemin, "un\n", erreur)) << erreur;
    ASSERT_TRUE(fichiers::ecrireAtomiquement(chemin, "deux\n", erreur)) << erreur;
    EXPECT_EQ(lire(chemin), "deux\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(tmp.chemin / "sous/dossier"),
                            std::filesystem::directory_iterator()),
              1)
        << "no temporary file left behind";

    // A folder that is a file: nothing can be written, and the failure is named.
    const std::string bloque = (tmp.chemin / "sous/dossier/vorlen.ini/x").string();
    EXPECT_FALSE(fichiers::ecrireAtomiquement(bloque, "trois\n", erreur));
    EXPECT_NE(erreur.find("vorlen.ini"), std::string::npos) << erreur;
    EXPECT_EQ(lire(chemin), "deux\n");
}

TEST(Fichiers, UnreadableFilesAreKeptAsideUnderAFreshName) {
    const DossierTemporaire tmp;
    const std::string chemin = (tmp.chemin / "scores.txt").string();
    for (const char* attendu : {"scores.txt.illisible", "scores.txt.illisible-2"}) {
        std::ofstream(chemin) << "abime";
        EXPECT_EQ(fichiers::mettreDeCote(chemin), (tmp.chemin / attendu).string());
        EXPECT_FALSE(std::filesystem::exists(chemin));
        EXPECT_EQ(lire(tmp.chemin / attendu), "abime");
    }
}
