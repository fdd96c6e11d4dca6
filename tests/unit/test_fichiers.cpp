// SPDX-License-Identifier: GPL-3.0-or-later
#include "profil/preferences.h"
#include "profil/scores.h"
#include "profil/settings.h"

#include "erreurs.h"
#include "outils.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

// A link to a file, read and written through, is the fuzzers' to lay.
TEST(Fichiers, BothReadersSayOneLineAndGoOnWhateverStandsAtTheirPath) {
    namespace fs = std::filesystem;
    const VariableGardee garde("XDG_CONFIG_HOME");
    // What stands at the path; the reason said at start; whether a save keeps
    // it aside and writes a fresh file, else fails in one line.
    const struct {
        const char* quoi;
        std::function<void(const fs::path&)> poser;
        std::string raison;
        bool gardeACote;
    } cas[] = {
        {"FIFO", [](const fs::path& p) { mkfifo(p.c_str(), 0600); },
         "ce n'est pas un fichier ordinaire", true},
        {"looping link", [](const fs::path& p) { fs::create_symlink(p.filename(), p); },
         std::strerror(ELOOP), true},
        {"device", [](const fs::path& p) { fs::create_symlink("/dev/urandom", p); },
         "ce n'est pas un fichier ordinaire", true},
        {"directory", [](const fs::path& p) { fs::create_directory(p); }, "c'est un dossier", true},
        {"file too long", [](const fs::path& p) { std::ofstream(p) << std::string(65537, '#'); },
         "plus de 64 Kio", true},
        {"unreadable folder", [](const fs::path& p) { chmod(p.parent_path().c_str(), 0); },
         std::strerror(EACCES), false},
        {"over-long path", nullptr, std::strerror(ENAMETOOLONG), false},
    };
    for (const auto& c : cas) {
        for (const bool reglages : {true, false}) {
            SCOPED_TRACE(std::string(c.quoi) + (reglages ? ", settings" : ", scores"));
            if (geteuid() == 0 && c.raison == std::strerror(EACCES)) {
                continue; // no folder is closed to root
            }
            const DossierTemporaire tmp;
            fs::path dossier = tmp.chemin;
            for (int k = 0; !c.poser && k < 25; ++k) {
                dossier /= std::string(200, 'a');
            }
            dossier /= "vorlen";
            const fs::path chemin = dossier / (reglages ? "vorlen.ini" : "scores.txt");
            std::error_code ec;
            fs::create_directories(dossier, ec);
            if (c.poser) {
                c.poser(chemin);
            }
            Settings s;
            MeilleursScores m;
            setenv("XDG_CONFIG_HOME", dossier.parent_path().c_str(), 1);
            const std::string dit =
                erreursDe([&] { reglages ? preferences::charger(s) : m.charger(chemin.string()); });
            EXPECT_EQ(std::count(dit.begin(), dit.end(), '\n'), 1) << dit;
            EXPECT_NE(dit.find(chemin.string()), std::string::npos) << dit;
            EXPECT_NE(dit.find(c.raison), std::string::npos) << dit;
            const std::string ditEnSauvant = erreursDe([&] {
                reglages
                    ? preferences::enregistrer(s)
                    : void(m.inscrire(MeilleursScores::MODE_1J, {500, 3, "2026-12-07", {"Al"}}));
            });
            if (c.gardeACote) {
                EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(chemin, ec))) << ditEnSauvant;
                EXPECT_TRUE(fs::exists(fs::symlink_status(chemin.string() + ".illisible", ec)));
            } else {
                EXPECT_NE(ditEnSauvant.find("non enregistr"), std::string::npos) << ditEnSauvant;
            }
            chmod(dossier.c_str(), 0700);
        }
    }
}
