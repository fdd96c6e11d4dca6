// SPDX-License-Identifier: GPL-3.0-or-later
#include "profil/scores.h"

#include "profil/fichiers.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <sstream>
#include <utility>

#include <pwd.h>
#include <unistd.h>

namespace {

const char* const nomFichier = "scores.txt";
// A table file holds twenty short lines; anything far longer is not one.
const std::streamsize tailleMaxFichier = 64 * 1024;
const int chiffresMax = 9; // keeps every number inside an int
const char separateurNoms = '/';

bool caractereDeNom(unsigned int c) {
    return c < 128 && (std::isalnum(static_cast<int>(c)) || c == ' ');
}

std::string sansEspacesAutour(const std::string& s) {
    const std::size_t debut = s.find_first_not_of(' ');
    if (debut == std::string::npos) {
        return std::string();
    }
    return s.substr(debut, s.find_last_not_of(' ') - debut + 1);
}

bool nomValide(const std::string& nom) {
    return !nom.empty() && nom.size() <= SaisieNom::longueurMax &&
           std::all_of(nom.begin(), nom.end(),
                       [](char c) { return caractereDeNom(static_cast<unsigned char>(c)); });
}

// A whole number of 1 to 9 digits, nothing else.
bool lireNombre(const std::string& mot, int& valeur) {
    if (mot.empty() || mot.size() > chiffresMax ||
        !std::all_of(mot.begin(), mot.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return false;
    }
    valeur = std::atoi(mot.c_str());
    return true;
}

bool dateValide(const std::string& date) {
    if (date.size() != 10 || date[4] != '-' || date[7] != '-') {
        return false;
    }
    for (const std::size_t k : {0, 1, 2, 3, 5, 6, 8, 9}) {
        if (date[k] < '0' || date[k] > '9') {
            return false;
        }
    }
    return true;
}

// The next word of `ligne` from `pos`, after any spaces and up to the next
// one; `pos` moves past it.
std::string motSuivant(const std::string& ligne, std::size_t& pos) {
    pos = std::min(ligne.find_first_not_of(' ', pos), ligne.size());
    const std::size_t fin = std::min(ligne.find(' ', pos), ligne.size());
    std::string mot = ligne.substr(pos, fin - pos);
    pos = std::min(fin + 1, ligne.size());
    return mot;
}

// "score niveau date nom[ / nom]": false with the reason when it is not that.
bool lireLigne(const std::string& ligne, std::size_t nbNoms, LigneScore& lue, std::string& raison) {
    std::size_t pos = 0;
    if (!lireNombre(motSuivant(ligne, pos), lue.score)) {
        raison = "score attendu";
        return false;
    }
    if (!lireNombre(motSuivant(ligne, pos), lue.niveau) || lue.niveau < 1) {
        raison = "niveau attendu";
        return false;
    }
    lue.date = motSuivant(ligne, pos);
    if (!dateValide(lue.date)) {
        raison = "date AAAA-MM-JJ attendue";
        return false;
    }
    std::istringstream noms(ligne.substr(pos));
    for (std::string nom; std::getline(noms, nom, separateurNoms);) {
        lue.noms.push_back(sansEspacesAutour(nom));
    }
    if (lue.noms.size() != nbNoms || !std::all_of(lue.noms.begin(), lue.noms.end(), nomValide)) {
        raison = nbNoms == 1 ? "un nom attendu (lettres, chiffres, espaces, 12 au plus)"
                             : "deux noms séparés par / attendus";
        return false;
    }
    return true;
}

// The whole file, or false when it cannot be read or is far too long.
bool lireFichier(const std::string& chemin, std::string& contenu, std::string& raison) {
    std::ifstream f(chemin, std::ios::binary);
    if (!f) {
        raison = std::strerror(errno);
        return false;
    }
    std::vector<char> tampon(tailleMaxFichier + 1);
    f.read(tampon.data(), tampon.size());
    if (f.bad()) {
        raison = "erreur de lecture";
        return false;
    }
    if (f.gcount() > tailleMaxFichier) {
        raison = "fichier trop long";
        return false;
    }
    contenu.assign(tampon.data(), static_cast<std::size_t>(f.gcount()));
    return true;
}

} // namespace

int TableScores::rangPour(int score) const {
    // A match that scored nothing is no one's best.
    if (score <= 0) {
        return -1;
    }
    const auto apres = std::find_if(lignes.begin(), lignes.end(),
                                    [score](const LigneScore& l) { return l.score < score; });
    const int rang = static_cast<int>(apres - lignes.begin());
    return rang < taille ? rang : -1;
}

int TableScores::ajouter(const LigneScore& ligne) {
    const int rang = rangPour(ligne.score);
    if (rang < 0) {
        return -1;
    }
    lignes.insert(lignes.begin() + rang, ligne);
    if (static_cast<int>(lignes.size()) > taille) {
        lignes.pop_back();
    }
    return rang;
}

const char* const MeilleursScores::nomsModes[nbModes] = {"1 joueur", "2 joueurs cooperatif"};

std::string MeilleursScores::fichierDuJoueur() {
    const std::string dossier = fichiers::dossierDonneesJoueur();
    return dossier.empty() ? std::string() : dossier + "/" + nomFichier;
}

void MeilleursScores::charger(const std::string& fichier) {
    chemin = fichier;
    for (TableScores& t : tables) {
        t = TableScores();
    }
    if (chemin.empty() || access(chemin.c_str(), F_OK) != 0) {
        return;
    }
    std::string contenu;
    std::string raison;
    if (lireFichier(chemin, contenu, raison) && lire(contenu, raison)) {
        return;
    }
    const std::string aCote = fichiers::mettreDeCote(chemin);
    if (aCote.empty()) {
        std::fprintf(stderr,
                     "Vorlen: meilleurs scores illisibles dans %s (%s), impossible de le "
                     "renommer: les scores de cette session ne seront pas enregistrés\n",
                     chemin.c_str(), raison.c_str());
        chemin.clear();
    } else {
        std::fprintf(stderr,
                     "Vorlen: meilleurs scores illisibles dans %s (%s), gardés sous %s; "
                     "le jeu repart de tableaux vides\n",
                     chemin.c_str(), raison.c_str(), aCote.c_str());
    }
}

int MeilleursScores::inscrire(Mode mode, const LigneScore& ligne) {
    const int rang = tables[mode].ajouter(ligne);
    std::string erreur;
    if (rang >= 0 && !chemin.empty() && !fichiers::ecrireAtomiquement(chemin, texte(), erreur)) {
        std::fprintf(stderr,
                     "Vorlen: meilleurs scores non enregistrés (%s); vérifiez ce dossier et "
                     "ses droits\n",
                     erreur.c_str());
    }
    return rang;
}

std::string MeilleursScores::texte() const {
    std::ostringstream s;
    s << "# Vorlen, meilleurs scores: score, niveau atteint, date, nom (noms séparés par /)\n";
    for (int m = 0; m < nbModes; ++m) {
        s << "[" << nomsModes[m] << "]\n";
        for (const LigneScore& l : tables[m].getLignes()) {
            s << l.score << ' ' << l.niveau << ' ' << l.date << ' ';
            for (std::size_t k = 0; k < l.noms.size(); ++k) {
                s << (k > 0 ? " / " : "") << l.noms[k];
            }
            s << '\n';
        }
    }
    return s.str();
}

bool MeilleursScores::lire(const std::string& contenu, std::string& erreur) {
    TableScores lues[nbModes];
    int mode = -1;
    std::istringstream s(contenu);
    int numero = 0;
    for (std::string ligne; std::getline(s, ligne);) {
        ++numero;
        if (!ligne.empty() && ligne.back() == '\r') {
            ligne.pop_back();
        }
        if (ligne.empty() || ligne[0] == '#') {
            continue;
        }
        std::string raison;
        if (ligne[0] == '[') {
            const auto connu =
                std::find_if(std::begin(nomsModes), std::end(nomsModes), [&](const char* nom) {
                    return ligne == std::string("[") + nom + "]";
                });
            mode = static_cast<int>(connu - std::begin(nomsModes));
            raison = mode < nbModes ? "" : "section inconnue";
        } else if (mode < 0) {
            raison = "score avant toute section";
        } else {
            LigneScore lue;
            if (lireLigne(ligne, mode == MODE_1J ? 1 : 2, lue, raison)) {
                lues[mode].ajouter(lue);
            }
        }
        if (!raison.empty()) {
            erreur = "ligne " + std::to_string(numero) + ": " + raison;
            return false;
        }
    }
    std::copy(std::begin(lues), std::end(lues), std::begin(tables));
    return true;
}

SaisieNom::SaisieNom(const std::string& propose, Tient dansLaBoite)
    : tient(std::move(dansLaBoite)) {
    for (const char c : propose) {
        taper(static_cast<unsigned char>(c));
    }
}

void SaisieNom::taper(unsigned int caractere) {
    if (!caractereDeNom(caractere) || texte.size() >= longueurMax) {
        return;
    }
    const std::string suite = texte + static_cast<char>(caractere);
    if (!tient || tient(suite)) {
        texte = suite;
    }
}

void SaisieNom::effacer() {
    if (!texte.empty()) {
        texte.pop_back();
    }
}

std::string SaisieNom::nom(const std::string& parDefaut) const {
    const std::string nom = sansEspacesAutour(texte);
    return nom.empty() ? parDefaut : nom;
}

std::string nomDeConnexion() {
    const passwd* compte = getpwuid(getuid());
    const char* login = compte != nullptr ? compte->pw_name : std::getenv("USER");
    return SaisieNom(login != nullptr ? login : "").nom("");
}

std::string dateDuJour() {
    const std::time_t maintenant = std::time(nullptr);
    std::tm local{};
    localtime_r(&maintenant, &local);
    char date[16];
    std::strftime(date, sizeof date, "%Y-%m-%d", &local);
    return date;
}
