// SPDX-License-Identifier: GPL-3.0-or-later
#include "profil/fichiers.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace fichiers {

namespace {

const char* const nomDuJeu = "vorlen";

// The base directory sets the XDG variable names, else HOME plus the usual
// sub-folder. Relative values are ignored, as the XDG rules ask.
std::string dossierXdg(const char* variable, const char* sousDossierDuHome) {
    const char* base = std::getenv(variable);
    if (base != nullptr && base[0] == '/') {
        return std::string(base) + "/" + nomDuJeu;
    }
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') {
        return std::string(home) + "/" + sousDossierDuHome + "/" + nomDuJeu;
    }
    return std::string();
}

bool toutEcrire(int fd, const std::string& contenu) {
    size_t ecrit = 0;
    while (ecrit < contenu.size()) {
        const ssize_t n = write(fd, contenu.data() + ecrit, contenu.size() - ecrit);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        ecrit += static_cast<size_t>(n);
    }
    return true;
}

} // namespace

std::string dossierPreferences() {
    return dossierXdg("XDG_CONFIG_HOME", ".config");
}

std::string dossierDonneesJoueur() {
    return dossierXdg("XDG_DATA_HOME", ".local/share");
}

bool ecrireAtomiquement(const std::string& chemin, const std::string& contenu,
                        std::string& erreur) {
    const std::filesystem::path dossier = std::filesystem::path(chemin).parent_path();
    std::error_code ec;
    if (!dossier.empty()) {
        std::filesystem::create_directories(dossier, ec);
        if (ec) {
            erreur = dossier.string() + ": " + ec.message();
            return false;
        }
    }
    std::string temporaire = chemin + ".XXXXXX";
    const int fd = mkstemp(temporaire.data());
    if (fd < 0) {
        erreur = temporaire + ": " + std::strerror(errno);
        return false;
    }
    const bool ecrit = toutEcrire(fd, contenu) && fsync(fd) == 0;
    const int errnoEcriture = errno;
    const bool ferme = close(fd) == 0;
    if (!ecrit || !ferme || std::rename(temporaire.c_str(), chemin.c_str()) != 0) {
        erreur = chemin + ": " + std::strerror(ecrit && ferme ? errno : errnoEcriture);
        unlink(temporaire.c_str());
        return false;
    }
    return true;
}

std::string mettreDeCote(const std::string& chemin) {
    std::string nouveau = chemin + ".illisible";
    for (int n = 2; std::filesystem::exists(nouveau); ++n) {
        nouveau = chemin + ".illisible-" + std::to_string(n);
    }
    return std::rename(chemin.c_str(), nouveau.c_str()) == 0 ? nouveau : std::string();
}

} // namespace fichiers
