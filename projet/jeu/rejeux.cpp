// SPDX-License-Identifier: GPL-3.0-or-later
#include "jeu/rejeux.h"

#include <cstdio>
#include <filesystem>
#include <regex>
#include <set>
#include <vector>

namespace rejeux {

namespace {

const char* const prefixesModes[MeilleursScores::nbModes] = {"1j", "coop"};

std::string dossierLignes() {
    const std::string dossier = fichiers::dossierDonneesJoueur();
    return dossier.empty() ? "" : dossier + "/rejeux";
}

// The names, as the table shows them, in eight hex digits.
std::string empreinteNoms(const std::vector<std::string>& noms) {
    unsigned int h = 2166136261u;
    for (const std::string& nom : noms) {
        for (const unsigned char c : nom + '/') {
            h = (h ^ c) * 16777619u;
        }
    }
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08x", h);
    return hex;
}

// Saves `texte` at `chemin`; a file there that is not a replay is kept aside.
fichiers::Enregistrement enregistrer(const std::string& chemin, const std::string& texte) {
    return fichiers::enregistrer(
        chemin, Rejeu::tailleMaxFichier, [&texte](const fichiers::Contenu& avant) {
            std::string raison;
            const bool etranger =
                avant.etat == fichiers::Contenu::ILLISIBLE ||
                (avant.etat == fichiers::Contenu::LU && !Rejeu::lire(avant.texte, raison));
            return fichiers::Fusion{texte, etranger};
        });
}

} // namespace

std::string cheminDernier() {
    const std::string dossier = fichiers::dossierDonneesJoueur();
    return dossier.empty() ? "" : dossier + "/dernier-match.rejeu";
}

std::string cheminDemo() {
    return "demo.rejeu";
}

std::string cheminLigne(MeilleursScores::Mode mode, const LigneScore& ligne) {
    const std::string dossier = dossierLignes();
    if (dossier.empty()) {
        return "";
    }
    return dossier + "/" + prefixesModes[mode] + "-" + std::to_string(ligne.score) + "-" +
           std::to_string(ligne.niveau) + "-" + ligne.date + "-" + empreinteNoms(ligne.noms) +
           ".rejeu";
}

std::string cheminMeilleur(const MeilleursScores& scores) {
    std::string meilleur;
    int score = -1;
    for (int mode = 0; mode < MeilleursScores::nbModes; ++mode) {
        const auto m = static_cast<MeilleursScores::Mode>(mode);
        for (const LigneScore& ligne : scores.table(m).getLignes()) {
            const std::string chemin = cheminLigne(m, ligne);
            std::error_code ec;
            if (ligne.score > score && !chemin.empty() &&
                std::filesystem::is_regular_file(chemin, ec)) {
                meilleur = chemin;
                score = ligne.score;
            }
        }
    }
    return meilleur;
}

fichiers::Enregistrement garderDernier(Rejeu rejeu) {
    const std::string chemin = cheminDernier();
    if (chemin.empty()) {
        return fichiers::Enregistrement::reussite();
    }
    rejeu.date = dateDuJour();
    return enregistrer(chemin, rejeu.texte());
}

fichiers::Enregistrement garderPourLigne(Rejeu rejeu, MeilleursScores::Mode mode,
                                         const LigneScore& ligne) {
    const std::string chemin = cheminLigne(mode, ligne);
    if (chemin.empty()) {
        return fichiers::Enregistrement::reussite();
    }
    rejeu.date = ligne.date;
    rejeu.joueurs.clear();
    for (const std::string& nom : ligne.noms) {
        rejeu.joueurs += (rejeu.joueurs.empty() ? "" : " / ") + nom;
    }
    return enregistrer(chemin, rejeu.texte());
}

void oublierHorsTables(const std::string& fichierScores) {
    const std::string dossier = dossierLignes();
    std::error_code ec;
    if (dossier.empty() || !std::filesystem::is_directory(dossier, ec)) {
        return;
    }
    // The folder is listed before the tables are read: a replay another copy
    // of the game keeps meanwhile comes after its line, and is not listed.
    static const std::regex nommeParNous(
        "(1j|coop)-[0-9]+-[0-9]+-[0-9]{4}-[0-9]{2}-[0-9]{2}-[0-9a-f]{8}\\.rejeu");
    std::vector<std::filesystem::path> nos;
    for (const auto& entree : std::filesystem::directory_iterator(dossier, ec)) {
        if (std::regex_match(entree.path().filename().string(), nommeParNous)) {
            nos.push_back(entree.path());
        }
    }
    MeilleursScores scores;
    if (!scores.charger(fichierScores)) {
        return; // a line it could not read may be one of theirs
    }
    std::set<std::string> gardes;
    for (int mode = 0; mode < MeilleursScores::nbModes; ++mode) {
        const auto m = static_cast<MeilleursScores::Mode>(mode);
        for (const LigneScore& ligne : scores.table(m).getLignes()) {
            gardes.insert(cheminLigne(m, ligne));
        }
    }
    for (const std::filesystem::path& chemin : nos) {
        if (gardes.count(chemin.string()) == 0) {
            std::filesystem::remove(chemin, ec);
        }
    }
}

} // namespace rejeux
