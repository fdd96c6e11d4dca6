// SPDX-License-Identifier: GPL-3.0-or-later
#include "niveaux/recueil.h"
#include "profil/preferences.h"
#include "profil/scores.h"
#include "profil/settings.h"

#include "erreurs.h"
#include "outils.h"

#include <gtest/gtest.h>

#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>

namespace fs = std::filesystem;

namespace {

// The three files a player keeps, each read and saved as the game does, in
// the folder `dossier` (…/vorlen), each save changing what it saves.
struct FichierJoueur {
    const char* nom;
    std::function<void(const fs::path& dossier)> charger;
    std::function<fichiers::Enregistrement(const fs::path& dossier)> sauver;
};

int change = 0;
const FichierJoueur fichiersJoueur[] = {
    {"vorlen.ini",
     [](const fs::path& dossier) {
         setenv("XDG_CONFIG_HOME", dossier.parent_path().c_str(), 1);
         Settings s;
         preferences::charger(s);
     },
     [](const fs::path& dossier) {
         setenv("XDG_CONFIG_HOME", dossier.parent_path().c_str(), 1);
         Settings s;
         s.setVolume(++change % (Settings::volumeMax + 1));
         preferences::enregistrer(s);
         return s.getEnregistrement();
     }},
    {"scores.txt",
     [](const fs::path& dossier) { MeilleursScores().charger(dossier / "scores.txt"); },
     [](const fs::path& dossier) {
         MeilleursScores m;
         m.charger(dossier / "scores.txt");
         m.inscrire(MeilleursScores::MODE_1J, {100 * ++change, 3, "2026-12-08", {"Al"}});
         return m.getEnregistrement();
     }},
    {"niveaux.lvl",
     [](const fs::path& dossier) { Recueil(dossier / "niveaux.lvl").charger(std::cerr); },
     [](const fs::path& dossier) {
         Recueil r(dossier / "niveaux.lvl");
         std::ostream muet(nullptr);
         r.charger(muet);
         r.poser(1, 0, 0, ++change % 10 + 1);
         return r.enregistrer();
     }},
};

mode_t mode(const fs::path& chemin) {
    struct stat etat {};
    stat(chemin.c_str(), &etat);
    return etat.st_mode & 07777;
}

// Sets the process's umask while it lives.
class Masque {
public:
    explicit Masque(mode_t m) : avant(umask(m)) {}
    ~Masque() { umask(avant); }

private:
    mode_t avant;
};

} // namespace

// A link to a file, read and written through, is the fuzzers' to lay.
TEST(Fichiers, EveryReaderSaysOneLineAndGoesOnWhateverStandsAtItsPath) {
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
        // A device of the test's own where it may make one: a faulty save
        // that moved what a link leads to must not move the system's.
        {"device",
         [](const fs::path& p) {
             const fs::path nul = p.parent_path().parent_path() / "nul";
             fs::create_symlink(
                 mknod(nul.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0 ? nul : "/dev/null", p);
         },
         "ce n'est pas un fichier ordinaire", true},
        {"directory", [](const fs::path& p) { fs::create_directory(p); }, "c'est un dossier", true},
        // Sparse: refused by its size, before a byte of it is read.
        {"file too long",
         [](const fs::path& p) {
             std::ofstream(p) << "x";
             fs::resize_file(p, 4ull << 30);
         },
         "plus de ", true},
        {"unreadable folder", [](const fs::path& p) { chmod(p.parent_path().c_str(), 0); },
         std::strerror(EACCES), false},
        {"over-long path", nullptr, std::strerror(ENAMETOOLONG), false},
    };
    for (const auto& c : cas) {
        for (const FichierJoueur& f : fichiersJoueur) {
            SCOPED_TRACE(std::string(c.quoi) + ", " + f.nom);
            if (geteuid() == 0 && c.raison == std::strerror(EACCES)) {
                continue; // no folder is closed to root
            }
            const DossierTemporaire tmp;
            fs::path dossier = tmp.chemin;
            for (int k = 0; !c.poser && k < 25; ++k) {
                dossier /= std::string(200, 'a');
            }
            dossier /= "vorlen";
            const fs::path chemin = dossier / f.nom;
            std::error_code ec;
            fs::create_directories(dossier, ec);
            if (c.poser) {
                c.poser(chemin);
            }
            const auto debut = std::chrono::steady_clock::now();
            const std::string dit = erreursDe([&] { f.charger(dossier); });
            EXPECT_LT(std::chrono::steady_clock::now() - debut, std::chrono::seconds(1));
            EXPECT_EQ(std::count(dit.begin(), dit.end(), '\n'), 1) << dit;
            EXPECT_NE(dit.find(chemin.string()), std::string::npos) << dit;
            EXPECT_NE(dit.find(c.raison), std::string::npos) << dit;
            fichiers::Enregistrement e;
            erreursDe([&] { e = f.sauver(dossier); });
            EXPECT_EQ(e.reussi, c.gardeACote) << e.erreur;
            if (c.gardeACote) {
                EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(chemin, ec)));
                EXPECT_TRUE(fs::exists(fs::symlink_status(chemin.string() + ".illisible", ec)));
            } else {
                EXPECT_NE(e.raison.find(c.raison), std::string::npos) << e.erreur;
            }
            chmod(dossier.c_str(), 0700);
        }
    }
}

// Files of the player's beside ours, named like them, once went with a save.
TEST(Fichiers, ASaveTouchesNoOtherFileKeepsTheModeCreatesNothingAwayAndWaitsASecondAtMost) {
    const VariableGardee garde("XDG_CONFIG_HOME");
    const Masque masque(027);
    for (const FichierJoueur& f : fichiersJoueur) {
        SCOPED_TRACE(f.nom);
        const DossierTemporaire tmp;
        const fs::path dossier = tmp.chemin / "vorlen";
        const fs::path chemin = dossier / f.nom;
        fs::create_directories(dossier);
        const std::string siens[] = {".backup", ".Ab12Cd", ".ancien", ".temporaire-vorlen-Ab12Cd"};
        for (const std::string& suffixe : siens) {
            std::ofstream(chemin.string() + suffixe) << "the player's own";
        }
        const fs::path notreVieux = dossier / ("." + std::string(f.nom) + siens[3]);
        std::ofstream(notreVieux) << "left by a save that was killed";
        EXPECT_TRUE(f.sauver(dossier).reussi);
        for (const std::string& suffixe : siens) {
            EXPECT_EQ(lireFichier(chemin.string() + suffixe), "the player's own") << suffixe;
        }
        EXPECT_FALSE(fs::exists(notreVieux));
        EXPECT_EQ(mode(chemin), 0640u) << "a new file follows the umask";
        chmod(chemin.c_str(), 0604);
        f.sauver(dossier);
        EXPECT_EQ(mode(chemin), 0604u) << "a saved file keeps its mode";

        // Another copy holding the lock: this save gives up after a second, the file as it was.
        const std::string avant = lireFichier(chemin);
        const int autre = open((chemin.string() + ".verrou").c_str(), O_RDWR);
        ASSERT_EQ(flock(autre, LOCK_EX), 0);
        const auto debut = std::chrono::steady_clock::now();
        fichiers::Enregistrement e;
        erreursDe([&] { e = f.sauver(dossier); });
        const auto duree = std::chrono::steady_clock::now() - debut;
        EXPECT_NE(e.raison.find("une autre copie du jeu"), std::string::npos) << e.erreur;
        const double secondes = std::chrono::duration<double>(duree).count();
        EXPECT_TRUE(secondes >= 0.9 && secondes < 3.0) << secondes << " s";
        EXPECT_EQ(lireFichier(chemin), avant);
        close(autre);
        EXPECT_TRUE(f.sauver(dossier).reussi) << "the lock released, the next save goes through";

        // A link into the player's dotfiles to a damaged file: that file is
        // kept aside where it is, and the link leads to the new one.
        fs::remove(chemin);
        const fs::path dotfiles = tmp.chemin / "dotfiles" / f.nom;
        fs::create_directories(dotfiles.parent_path());
        std::ofstream(dotfiles) << std::string("x\0y\n", 4);
        fs::create_symlink(dotfiles, chemin);
        erreursDe([&] { e = f.sauver(dossier); });
        EXPECT_TRUE(e.reussi && fs::is_symlink(chemin));
        EXPECT_EQ(lireFichier(dotfiles.string() + ".illisible"), std::string("x\0y\n", 4));

        // A dangling link: the save fails, and makes no folder where it leads.
        fs::remove(chemin);
        fs::create_symlink(tmp.chemin / "ailleurs" / "sous" / f.nom, chemin);
        erreursDe([&] { EXPECT_FALSE(f.sauver(dossier).reussi); });
        EXPECT_FALSE(fs::exists(tmp.chemin / "ailleurs"));
    }
}
