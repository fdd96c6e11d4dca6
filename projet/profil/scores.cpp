// SPDX-License-Identifier: GPL-3.0-or-later
#include "profil/scores.h"
#include "systeme/langue.h"

#include "profil/fichiers.h"
#include "systeme/signalements.h"
#include "systeme/utf8.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <iostream>
#include <sstream>
#include <utility>

#include <pwd.h>
#include <unistd.h>

namespace {

const char* const nomFichier = "scores.txt";
// A table file holds twenty short lines; anything far longer is not one.
const std::size_t tailleMaxFichier = 64 * 1024;
const int chiffresMax = 9; // keeps every number inside an int
const char separateurNoms = '/';

// Letters, accented ones included (Latin-1's, but for its multiplication
// and division signs), digits, space, hyphen and apostrophe.
bool caractereDeNom(unsigned int c) {
    const bool ascii =
        c < 128 && (std::isalnum(static_cast<int>(c)) || c == ' ' || c == '-' || c == '\'');
    const bool accentuee = c >= 0xC0 && c <= 0xFF && c != 0xD7 && c != 0xF7;
    return ascii || accentuee;
}

std::string sansEspacesAutour(const std::string& s) {
    const std::size_t debut = s.find_first_not_of(' ');
    if (debut == std::string::npos) {
        return std::string();
    }
    return s.substr(debut, s.find_last_not_of(' ') - debut + 1);
}

bool nomValide(const std::string& nom) {
    const std::vector<unsigned int> codes = utf8::decoder(nom);
    return !codes.empty() && codes.size() <= SaisieNom::longueurMax && utf8::valide(nom) &&
           std::all_of(codes.begin(), codes.end(), caractereDeNom);
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
    // A name never holds a bracket: one after the date is the difficulty.
    if (ligne.compare(pos, 1, "(") == 0) {
        const std::string mot = motSuivant(ligne, pos);
        const std::optional<difficulte::Choix> choix =
            mot.back() == ')' ? difficulte::lire(mot.substr(1, mot.size() - 2)) : std::nullopt;
        if (!choix || choix == difficulte::NORMAL) {
            raison = "(facile) ou (difficile) attendu";
            return false;
        }
        lue.difficulte = *choix;
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

// The tables of a table file, every line that reads; each one that does not
// is reported with its number. Gives how many were dropped.
int lireTables(const std::string& contenu, TableScores (&tables)[MeilleursScores::nbModes],
               Signalements& problemes) {
    int mode = -1;
    std::istringstream s(contenu);
    int numero = 0;
    const int avant = problemes.nombre();
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
            const auto noms = std::begin(MeilleursScores::nomsModes);
            const auto connu =
                std::find_if(noms, std::end(MeilleursScores::nomsModes), [&](const char* nom) {
                    return ligne == std::string("[") + nom + "]";
                });
            mode = connu != std::end(MeilleursScores::nomsModes) ? int(connu - noms) : -1;
            raison = mode >= 0 ? "" : "section inconnue";
        } else if (mode < 0) {
            raison = "score hors de toute section connue";
        } else {
            LigneScore lue;
            if (lireLigne(ligne, mode == MeilleursScores::MODE_1J ? 1 : 2, lue, raison)) {
                tables[mode].ajouter(lue);
            }
        }
        if (!raison.empty()) {
            problemes.signaler("ligne " + std::to_string(numero) + ": " + raison + " (" +
                               apercu(ligne) + "), ignorée");
        }
    }
    return problemes.nombre() - avant;
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

const char* const MeilleursScores::nomsModes[nbModes] = {N_("1 joueur"),
                                                         N_("2 joueurs cooperatif")};

std::string MeilleursScores::fichierDuJoueur() {
    const std::string dossier = fichiers::dossierDonneesJoueur();
    return dossier.empty() ? std::string() : dossier + "/" + nomFichier;
}

bool MeilleursScores::charger(const std::string& fichier) {
    chemin = fichier;
    for (int m = 0; m < nbModes; ++m) {
        tables[m] = TableScores();
        nonEnregistrees[m].clear();
    }
    if (chemin.empty()) {
        return true;
    }
    const fichiers::Contenu contenu = fichiers::lire(chemin, tailleMaxFichier);
    if (contenu.etat == fichiers::Contenu::ILLISIBLE) {
        std::fprintf(stderr,
                     "Vorlen: meilleurs scores illisibles dans %s (%s); tableaux vides, le "
                     "fichier sera gardé sous un autre nom au premier score\n",
                     chemin.c_str(), contenu.raison.c_str());
        return false;
    }
    return contenu.etat == fichiers::Contenu::ABSENT || lire(contenu.texte, std::cerr) == 0;
}

int MeilleursScores::inscrire(Mode mode, const LigneScore& ligne) {
    enregistrement = fichiers::Enregistrement::reussite();
    if (chemin.empty()) {
        return tables[mode].ajouter(ligne);
    }
    if (tables[mode].rangPour(ligne.score) < 0) {
        return -1;
    }
    // What the file holds now, another copy's scores included, then this
    // copy's lines that earlier saves could not write, then the new one.
    TableScores fusion[nbModes];
    int rang = -1;
    const fichiers::Enregistrement e =
        fichiers::enregistrer(chemin, tailleMaxFichier, [&](const fichiers::Contenu& c) {
            std::ostream muet(nullptr); // said at start already
            Signalements problemes(muet, "");
            const bool abime =
                c.etat == fichiers::Contenu::LU && lireTables(c.texte, fusion, problemes) > 0;
            for (int m = 0; m < nbModes; ++m) {
                for (const LigneScore& l : nonEnregistrees[m]) {
                    fusion[m].ajouter(l);
                }
            }
            rang = fusion[mode].ajouter(ligne);
            return fichiers::Fusion{texteDe(fusion), abime};
        });
    if (!e.aCote.empty()) {
        std::fprintf(stderr, "Vorlen: %s gardé tel qu'il était sous %s\n", chemin.c_str(),
                     e.aCote.c_str());
    }
    enregistrement = e;
    if (!e.reussi) {
        nonEnregistrees[mode].push_back(ligne);
        std::fprintf(stderr,
                     "Vorlen: meilleurs scores non enregistrés (%s); vérifiez ce dossier et "
                     "ses droits\n",
                     e.erreur.c_str());
        return tables[mode].ajouter(ligne);
    }
    std::copy(std::begin(fusion), std::end(fusion), std::begin(tables));
    for (auto& lignes : nonEnregistrees) {
        lignes.clear();
    }
    return rang;
}

std::string MeilleursScores::texte() const {
    return texteDe(tables);
}

std::string MeilleursScores::texteDe(const TableScores (&tables)[nbModes]) {
    std::ostringstream s;
    s << "# Vorlen, meilleurs scores: score, niveau atteint, date, (difficulté) sauf normale, nom "
         "(noms séparés par /)\n";
    for (int m = 0; m < nbModes; ++m) {
        s << "[" << nomsModes[m] << "]\n";
        for (const LigneScore& l : tables[m].getLignes()) {
            s << l.score << ' ' << l.niveau << ' ' << l.date << ' ';
            // A line played as written reads as it always has.
            if (l.difficulte != difficulte::NORMAL) {
                s << '(' << difficulte::mots[l.difficulte] << ") ";
            }
            for (std::size_t k = 0; k < l.noms.size(); ++k) {
                s << (k > 0 ? " / " : "") << l.noms[k];
            }
            s << '\n';
        }
    }
    return s.str();
}

int MeilleursScores::lire(const std::string& contenu, std::ostream& rapport) {
    TableScores lues[nbModes];
    Signalements problemes(rapport, "Vorlen: " + chemin + ": ");
    const int abimees = lireTables(contenu, lues, problemes);
    std::copy(std::begin(lues), std::end(lues), std::begin(tables));
    return abimees;
}

SaisieNom::SaisieNom(const std::string& propose, Tient dansLaBoite)
    : tient(std::move(dansLaBoite)) {
    for (const unsigned int c : utf8::decoder(propose)) {
        taper(c);
    }
}

void SaisieNom::taper(unsigned int caractere) {
    if (!caractereDeNom(caractere) || utf8::longueur(texte) >= longueurMax) {
        return;
    }
    const std::string suite = texte + utf8::encoder(caractere);
    if (!tient || tient(suite)) {
        texte = suite;
    }
}

void SaisieNom::effacer() {
    utf8::retirerDernier(texte);
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
