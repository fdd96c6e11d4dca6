// SPDX-License-Identifier: GPL-3.0-or-later
#include "systeme/donnees.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace {

// A folder of the prefix the program is installed in, found from the
// program's own path, so that a prefix moved as a whole still works.
std::string aCoteDuProgramme(const std::filesystem::path& relatif) {
    std::error_code erreur;
    const std::filesystem::path programme = std::filesystem::read_symlink("/proc/self/exe", erreur);
    if (erreur) {
        return {};
    }
    return (programme.parent_path() / relatif).lexically_normal().string();
}

bool contientTemoin(const std::string& dossier) {
    std::error_code erreur;
    return std::filesystem::is_regular_file(std::filesystem::path(dossier) / fichierPolice, erreur);
}

} // namespace

std::vector<std::string> dossiersCandidats(const std::string& choisi) {
    std::vector<std::string> candidats;
    if (!choisi.empty()) {
        candidats.push_back(choisi);
    }
    const char* environnement = std::getenv("VORLEN_DONNEES");
    if (environnement != nullptr && *environnement != '\0') {
        candidats.push_back(environnement);
    }
    const std::string installe = aCoteDuProgramme(VORLEN_DONNEES_RELATIVES);
    if (!installe.empty()) {
        candidats.push_back(installe);
    }
    std::error_code erreur;
    const std::filesystem::path courant = std::filesystem::current_path(erreur);
    candidats.push_back(erreur ? "." : courant.string());
    return candidats;
}

bool allerAuxDonnees(const std::vector<std::string>& candidats) {
    for (const std::string& dossier : candidats) {
        if (contientTemoin(dossier) && chdir(dossier.c_str()) == 0) {
            return true;
        }
    }
    return false;
}

std::string listeDossiers(const std::vector<std::string>& candidats) {
    std::string liste;
    for (const std::string& dossier : candidats) {
        liste += (liste.empty() ? "" : ", ") + dossier;
    }
    return liste;
}

std::string dossierCatalogues() {
    for (const char* relatif : {VORLEN_CATALOGUES_RELATIFS, "locale"}) {
        const std::string dossier = aCoteDuProgramme(relatif);
        std::error_code erreur;
        if (!dossier.empty() && std::filesystem::is_directory(dossier, erreur)) {
            return dossier;
        }
    }
    return {};
}
