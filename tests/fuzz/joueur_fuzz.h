// SPDX-License-Identifier: GPL-3.0-or-later
// What the fuzzers of the player's files share: a scratch folder of their
// own, and the input laid at a file's path in one of the ways a player's
// folder may hold it, chosen by its first byte.
#ifndef VORLEN_JOUEUR_FUZZ_H
#define VORLEN_JOUEUR_FUZZ_H

#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace joueur_fuzz {

enum Pose { FICHIER, LIEN, TROP_LONG, nbPoses };

// Made once, removed at exit. The readers' messages would flood the run:
// the test closes their stream (-close_fd_mask=2), libFuzzer keeps its own.
inline const std::filesystem::path& dossier() {
    // A plain buffer, not the path below: the clean-up runs after the
    // statics made before it are gone.
    static char nom[] = "/dev/shm/fuzz_joueur_XXXXXX";
    static const std::filesystem::path d = [] {
        // In memory where there is such a folder: every save syncs its file to disk.
        if (!std::filesystem::is_directory("/dev/shm")) {
            std::copy_n("/tmp/fuzz_joueur_XXXXXX", sizeof nom, nom);
        }
        if (mkdtemp(nom) == nullptr) {
            std::abort();
        }
        std::atexit([] {
            std::error_code ignore;
            std::filesystem::remove_all(nom, ignore);
        });
        return std::filesystem::path(nom);
    }();
    return d;
}

// Lays the input (its first byte aside) at `chemin`, emptied first: as a
// file, as a link to a file elsewhere, or repeated past any sane length.
inline Pose poser(const std::filesystem::path& chemin, const std::uint8_t* donnees,
                  std::size_t taille) {
    std::filesystem::remove_all(chemin.parent_path());
    std::filesystem::create_directories(chemin.parent_path());
    const Pose pose = taille > 0 ? static_cast<Pose>(donnees[0] % nbPoses) : FICHIER;
    const std::string contenu(reinterpret_cast<const char*>(donnees) + (taille > 0),
                              taille - (taille > 0));
    const std::filesystem::path cible = pose == LIEN ? chemin.parent_path() / "ailleurs" : chemin;
    std::ofstream f(cible, std::ios::binary);
    for (std::size_t ecrit = 0; ecrit == 0 || (pose == TROP_LONG && ecrit <= 64 * 1024);
         ecrit += contenu.size() + 1) {
        f << contenu << '\n';
    }
    f.close();
    if (pose == LIEN) {
        std::filesystem::create_symlink("ailleurs", chemin);
    }
    return pose;
}

// Where a save keeps the file aside: beside the file a link leads to.
inline std::filesystem::path gardeACote(const std::filesystem::path& chemin, Pose pose) {
    return (pose == LIEN ? chemin.parent_path() / "ailleurs" : chemin).string() + ".illisible";
}

// What a save must leave: the link still a link, a file too long kept aside.
inline bool poseRespectee(const std::filesystem::path& chemin, Pose pose) {
    std::error_code ec;
    switch (pose) {
    case LIEN:
        return std::filesystem::is_symlink(chemin);
    case TROP_LONG:
        return std::filesystem::file_size(gardeACote(chemin, pose), ec) > 64 * 1024;
    default:
        return std::filesystem::is_regular_file(chemin);
    }
}

} // namespace joueur_fuzz

#endif
