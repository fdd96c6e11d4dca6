// SPDX-License-Identifier: GPL-3.0-or-later
#include "profil/fichiers.h"
#include "profil/preferences.h"
#include "profil/scores.h"
#include "profil/settings.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
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

TEST(Fichiers, UnreadableFilesAreKeptAsideUnderAFreshNameEvenPastALoopingLink) {
    const DossierTemporaire tmp;
    const std::string chemin = (tmp.chemin / "scores.txt").string();
    std::filesystem::create_symlink("scores.txt.illisible", chemin + ".illisible");
    for (const char* attendu : {"scores.txt.illisible-2", "scores.txt.illisible-3"}) {
        std::ofstream(chemin) << "abime";
        EXPECT_EQ(fichiers::mettreDeCote(chemin), (tmp.chemin / attendu).string());
        EXPECT_FALSE(std::filesystem::exists(chemin));
        EXPECT_EQ(lire(tmp.chemin / attendu), "abime");
    }
}

// One of the player's two readers: reading at start, whether it read the
// valid file of the table below, and saving a change.
struct Lecteur {
    const char* nomFichier;
    const char* valide;
    std::function<void(const std::filesystem::path&)> charger;
    std::function<bool()> valideLu;
    std::function<void()> enregistrer;
};

std::string sortieErreur(const std::function<void()>& f) {
    ::testing::internal::CaptureStderr();
    f();
    return ::testing::internal::GetCapturedStderr();
}

TEST(Fichiers, BothReadersSayOneLineAndGoOnWhateverStandsAtTheirPath) {
    namespace fs = std::filesystem;
    const VariableGardee garde("XDG_CONFIG_HOME");
    Settings reglages;
    MeilleursScores scores;
    const LigneScore ligne{500, 3, "2026-12-07", {"Alice"}};
    const Lecteur lecteurs[] = {
        {"vorlen.ini", "[options]\nvolume = 2\n",
         [&](const fs::path& p) {
             setenv("XDG_CONFIG_HOME", p.parent_path().parent_path().c_str(), 1);
             reglages = Settings();
             preferences::charger(reglages);
         },
         [&] { return reglages.getVolume() == 2; },
         [&] {
             reglages.setVolume(4);
             preferences::enregistrer(reglages);
         }},
        {"scores.txt", "[1 joueur]\n900 2 2026-12-06 Bob\n",
         [&](const fs::path& p) { scores.charger(p.string()); },
         [&] { return scores.table(MeilleursScores::MODE_1J).getLignes().size() == 1; },
         [&] { scores.inscrire(MeilleursScores::MODE_1J, ligne); }},
    };
    const auto lien = [](const char* vers) {
        return [vers](const fs::path& p, const char*) { fs::create_symlink(vers, p); };
    };
    const std::string tropLong(100 * 1024, '#');
    // What stands at the path; the reason said at start (none: read as it is);
    // whether the save keeps it aside and writes a fresh file (else it fails in one line).
    const struct {
        const char* quoi;
        std::function<void(const fs::path&, const char* valide)> poser;
        std::string raison;
        bool gardeACote;
    } cas[] = {
        {"FIFO", [](const fs::path& p, const char*) { mkfifo(p.c_str(), 0600); },
         "ce n'est pas un fichier ordinaire", true},
        {"looping link",
         [](const fs::path& p, const char*) { fs::create_symlink(p.filename(), p); },
         std::strerror(ELOOP), true},
        {"device", lien("/dev/urandom"), "ce n'est pas un fichier ordinaire", true},
        {"directory", [](const fs::path& p, const char*) { fs::create_directory(p); },
         "c'est un dossier", true},
        {"file too long", [&](const fs::path& p, const char*) { std::ofstream(p) << tropLong; },
         "plus de 64 Kio", true},
        {"unreadable folder",
         [](const fs::path& p, const char*) { chmod(p.parent_path().c_str(), 0); },
         std::strerror(EACCES), false},
        {"over-long path", nullptr, std::strerror(ENAMETOOLONG), false},
        {"link to a regular file",
         [](const fs::path& p, const char* valide) {
             std::ofstream(p.parent_path() / "ailleurs") << valide;
             fs::create_symlink("ailleurs", p);
         },
         "", false},
    };
    for (const auto& c : cas) {
        for (const Lecteur& l : lecteurs) {
            SCOPED_TRACE(std::string(c.quoi) + ", " + l.nomFichier);
            if (geteuid() == 0 && c.raison == std::strerror(EACCES)) {
                continue; // no folder is closed to root
            }
            const DossierTemporaire tmp;
            fs::path dossier = tmp.chemin / "vorlen";
            if (!c.poser) {
                dossier = tmp.chemin / std::string(200, 'a');
                for (int k = 0; k < 25; ++k) {
                    dossier /= std::string(200, 'a');
                }
                dossier /= "vorlen";
            }
            const fs::path chemin = dossier / l.nomFichier;
            if (c.poser) {
                fs::create_directories(dossier);
                c.poser(chemin, l.valide);
            }
            const std::string dit = sortieErreur([&] { l.charger(chemin); });
            if (c.raison.empty()) {
                EXPECT_EQ(dit, "");
            } else {
                EXPECT_EQ(std::count(dit.begin(), dit.end(), '\n'), 1) << dit;
                EXPECT_NE(dit.find(chemin.string()), std::string::npos) << dit;
                EXPECT_NE(dit.find(c.raison), std::string::npos) << dit;
            }
            EXPECT_EQ(l.valideLu(), c.raison.empty()) << "defaults unless the file read";

            const std::string ditEnSauvant = sortieErreur(l.enregistrer);
            std::error_code ec;
            if (c.raison.empty()) {
                EXPECT_TRUE(fs::is_symlink(chemin)) << "the link stays a link";
                EXPECT_NE(lire(dossier / "ailleurs")
                              .find(l.nomFichier[0] == 'v' ? "volume = 4" : "500 3"),
                          std::string::npos)
                    << lire(dossier / "ailleurs");
            } else if (c.gardeACote) {
                EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(chemin, ec))) << ditEnSauvant;
                EXPECT_TRUE(fs::exists(fs::symlink_status(chemin.string() + ".illisible", ec)));
            } else {
                EXPECT_NE(ditEnSauvant.find("non enregistr"), std::string::npos) << ditEnSauvant;
            }
            chmod(dossier.c_str(), 0700);
        }
    }
}
