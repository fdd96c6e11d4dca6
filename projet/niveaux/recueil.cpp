// SPDX-License-Identifier: GPL-3.0-or-later
#include "niveaux/recueil.h"

#include "profil/fichiers.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <stdexcept>
#include <ostream>
#include <utility>

namespace {

// One entry as read, before the levels are numbered again.
struct Lu {
    int numero;
    Niveau::Grille points;
};

} // namespace

std::string Recueil::fichierDuJoueur() {
    const std::string dossier = fichiers::dossierDonneesJoueur();
    // Named as the game's own level file: it is one of the same kind.
    return dossier.empty() ? std::string() : dossier + "/" + Niveau::fichierParDefaut;
}

bool Recueil::jouable(const std::string& fichier) {
    if (fichier.empty()) {
        return false;
    }
    LectureNiveaux lecture;
    const std::map<int, int> cassables = cassablesParNiveau(fichier.c_str(), lecture);
    // The match goes from level 1 up while there is a next one, then round.
    for (int numero = 1; !lecture.echec && cassables.count(numero) != 0; ++numero) {
        if (cassables.at(numero) > 0) {
            return true;
        }
    }
    return false;
}

Recueil::Recueil(std::string fichier) : chemin(std::move(fichier)), niveaux(1) {}

void Recueil::charger(std::ostream& rapport) {
    std::vector<Lu> lus;
    bool coupe = false;
    const LectureNiveaux lecture =
        lireNiveaux(chemin.c_str(), rapport, [&lus, &coupe](const EntreeNiveaux& entree) {
            coupe = lus.size() == static_cast<std::size_t>(maxNiveaux);
            if (!coupe) {
                lus.push_back({entree.numero, entree.points});
            }
            return !coupe;
        });
    const bool absent = lecture.echec && std::strcmp(lecture.echec, fichierIntrouvable) == 0;
    if (lecture.echec && !absent) {
        rapport << chemin << ": le fichier " << lecture.echec
                << ", l'editeur part d'un niveau vide; le fichier sera garde sous un autre nom"
                << std::endl;
    }
    if (coupe) {
        rapport << chemin << ": plus de " << maxNiveaux << " niveaux, seuls les " << maxNiveaux
                << " premiers sont repris" << std::endl;
    }
    // The level played first comes first; of two entries of one number, the
    // one the match plays.
    std::stable_sort(lus.begin(), lus.end(),
                     [](const Lu& a, const Lu& b) { return a.numero < b.numero; });
    bool suiteDe1 = true;
    niveaux.clear();
    for (const Lu& lu : lus) {
        suiteDe1 = suiteDe1 && lu.numero == nbNiveaux() + 1;
        niveaux.push_back(lu.points);
    }
    if (!suiteDe1) {
        rapport << chemin << ": niveaux numerotes de nouveau de 1 a " << nbNiveaux()
                << ", dans l'ordre de leurs numeros" << std::endl;
    }
    if (niveaux.empty()) {
        niveaux.emplace_back();
    }
    garderDeCote = (lecture.echec && !absent) || coupe || lecture.nbSignalements > 0;
    nonEnregistre = false;
    dansLeFichier = lecture.echec == nullptr;
}

fichiers::Enregistrement Recueil::enregistrer() {
    if (chemin.empty()) {
        fichiers::Enregistrement echec;
        echec.erreur = "aucun dossier pour vos niveaux: ni XDG_DATA_HOME ni HOME";
        return echec;
    }
    const std::string contenu = texte();
    const bool deCote = garderDeCote;
    const fichiers::Enregistrement resultat = fichiers::enregistrer(
        chemin, tailleMaxFichier, [&contenu, deCote](const fichiers::Contenu&) {
            return fichiers::Fusion{contenu, deCote};
        });
    if (resultat.reussi) {
        garderDeCote = false;
        nonEnregistre = false;
        dansLeFichier = true;
    }
    return resultat;
}

std::string Recueil::texte() const {
    std::string texte;
    for (std::size_t k = 0; k < niveaux.size(); ++k) {
        texte += (k > 0 ? "\n[" : "[") + std::to_string(k + 1) + "]\n";
        // The top row first, each row from the left, as the reader takes them.
        for (int j = Niveau::nbBriquesY - 1; j >= 0; --j) {
            for (int i = 0; i < Niveau::nbBriquesX; ++i) {
                char cellule[16];
                std::snprintf(cellule, sizeof cellule, i == 0 ? "%2d" : " %2d", niveaux[k][i][j]);
                texte += cellule;
            }
            texte += '\n';
        }
    }
    return texte;
}

std::size_t Recueil::indice(int numero) const {
    if (numero < 1 || numero > nbNiveaux()) {
        throw std::out_of_range("pas de niveau " + std::to_string(numero));
    }
    return static_cast<std::size_t>(numero - 1);
}

const Niveau::Grille& Recueil::grille(int numero) const {
    return niveaux[indice(numero)];
}

Niveau::Grille& Recueil::niveau(int numero) {
    nonEnregistre = true;
    return niveaux[indice(numero)];
}

void Recueil::poser(int numero, int i, int j, int points) {
    if (grille(numero)[i][j] != points) {
        niveau(numero)[i][j] = points;
    }
}

void Recueil::remplacer(int numero, const Niveau::Grille& points) {
    niveau(numero) = points;
}

int Recueil::nouveau() {
    if (nbNiveaux() == maxNiveaux) {
        return nbNiveaux();
    }
    niveaux.emplace_back();
    nonEnregistre = true;
    return nbNiveaux();
}

int Recueil::dupliquer(int numero) {
    if (nbNiveaux() == maxNiveaux) {
        return numero;
    }
    const Niveau::Grille copie = grille(numero);
    niveaux.insert(niveaux.begin() + static_cast<long>(indice(numero)) + 1, copie);
    nonEnregistre = true;
    return numero + 1;
}

int Recueil::supprimer(int numero) {
    if (nbNiveaux() == 1) {
        remplacer(1, Niveau::Grille{});
        return 1;
    }
    niveaux.erase(niveaux.begin() + static_cast<long>(indice(numero)));
    nonEnregistre = true;
    return std::min(numero, nbNiveaux());
}
