// SPDX-License-Identifier: GPL-3.0-or-later
#include "niveaux/recueil.h"

#include "niveaux/lecture.h"
#include "profil/fichiers.h"
#include "systeme/langue.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
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

// A level file's text as the editor takes it.
struct LectureRecueil {
    std::vector<Niveau::Grille> niveaux; // in the order the match plays them
    bool coupe = false;                  // past Recueil::maxNiveaux
    bool renumerote = false;
    int nbSignalements = 0;
};

LectureRecueil lireRecueil(const std::string& texte, const std::string& nom,
                           std::ostream& rapport) {
    std::vector<Lu> lus;
    LectureRecueil lecture;
    const LectureNiveaux l = lireTexteNiveaux(
        texte, nom.c_str(), rapport, [&lus, &lecture](const EntreeNiveaux& entree) {
            lecture.coupe = lus.size() == static_cast<std::size_t>(Recueil::maxNiveaux);
            if (!lecture.coupe) {
                lus.push_back({entree.numero, entree.points});
            }
            return !lecture.coupe;
        });
    lecture.nbSignalements = l.nbSignalements + (l.echec != nullptr);
    // The level played first comes first; of two entries of one number, the
    // one the match plays.
    std::stable_sort(lus.begin(), lus.end(),
                     [](const Lu& a, const Lu& b) { return a.numero < b.numero; });
    for (const Lu& lu : lus) {
        lecture.renumerote = lecture.renumerote || lu.numero != int(lecture.niveaux.size()) + 1;
        lecture.niveaux.push_back(lu.points);
    }
    return lecture;
}

bool contient(const std::vector<Niveau::Grille>& niveaux, const Niveau::Grille& points) {
    return std::find(niveaux.begin(), niveaux.end(), points) != niveaux.end();
}

} // namespace

std::string Recueil::dossierDuJoueur() {
    const std::string dossier = fichiers::dossierDonneesJoueur();
    return dossier.empty() ? std::string() : dossier + "/niveaux";
}

std::string Recueil::fichierDuJoueur() {
    const std::string dossier = fichiers::dossierDonneesJoueur();
    if (dossier.empty()) {
        return {};
    }
    // Where the editor kept its levels before the player had sets: a file
    // found there stays there, for the player and for older copies of the game.
    const std::string ancien = dossier + "/" + Niveau::fichierParDefaut;
    std::error_code ec;
    if (std::filesystem::exists(std::filesystem::symlink_status(ancien, ec))) {
        return ancien;
    }
    // Named as the game's own level file: it is one of the same kind.
    return dossierDuJoueur() + "/" + Niveau::fichierParDefaut;
}

Recueil::Recueil(std::string fichier) : chemin(std::move(fichier)), niveaux(1) {}

std::string Recueil::charger(std::ostream& rapport) {
    const fichiers::Contenu contenu = fichiers::lire(chemin, tailleMaxFichierNiveaux);
    const LectureRecueil lecture = lireRecueil(contenu.texte, chemin, rapport);
    std::string avis;
    if (contenu.etat == fichiers::Contenu::ILLISIBLE) {
        rapport << chemin << ": le fichier est illisible (" << contenu.raison
                << "), l'editeur part d'un niveau vide; le fichier sera garde sous un autre nom"
                << std::endl;
        avis = _("Fichier illisible:\nil sera garde a cote");
    } else if (lecture.coupe) {
        rapport << chemin << ": plus de " << maxNiveaux << " niveaux, seuls les " << maxNiveaux
                << " premiers sont repris; le fichier sera garde sous un autre nom" << std::endl;
        avis =
            langue::formater(_("Plus de %d niveaux:\nle fichier sera\ngarde a cote"), maxNiveaux);
    } else if (lecture.nbSignalements > 0) {
        avis = _("Fichier abime: il\nsera garde a cote");
    }
    niveaux = lecture.niveaux;
    if (lecture.renumerote) {
        rapport << chemin << ": niveaux numerotes de nouveau de 1 a " << nbNiveaux()
                << ", dans l'ordre de leurs numeros" << std::endl;
        avis =
            avis.empty() ? langue::formater(_("Niveaux numerotes\nde 1 a %d"), nbNiveaux()) : avis;
    }
    if (niveaux.empty()) {
        niveaux.emplace_back();
    }
    texteConnu = contenu.texte;
    niveauxConnus = niveaux;
    garderDeCote =
        contenu.etat == fichiers::Contenu::ILLISIBLE || lecture.coupe || lecture.nbSignalements > 0;
    nonEnregistre = false;
    dansLeFichier = contenu.etat == fichiers::Contenu::LU && !garderDeCote && !lecture.renumerote;
    return avis;
}

fichiers::Enregistrement Recueil::enregistrer() {
    fichiers::Enregistrement resultat;
    if (chemin.empty()) {
        resultat.echouer("", _("aucun dossier pour vos niveaux: ni XDG_DATA_HOME ni HOME"));
        return resultat;
    }
    std::vector<Niveau::Grille> fusion;
    std::string ecrit;
    resultat = fichiers::enregistrer(chemin, tailleMaxFichierNiveaux,
                                     [this, &fusion, &ecrit](const fichiers::Contenu& surDisque) {
                                         fusion = niveaux;
                                         const bool abime =
                                             surDisque.etat == fichiers::Contenu::LU &&
                                             surDisque.texte != texteConnu &&
                                             reprendre(surDisque.texte, fusion);
                                         ecrit = texteDe(fusion);
                                         return fichiers::Fusion{ecrit, garderDeCote || abime};
                                     });
    if (resultat.reussi) {
        repris = static_cast<int>(fusion.size() - niveaux.size());
        niveaux = fusion;
        texteConnu = ecrit;
        niveauxConnus = niveaux;
        garderDeCote = false;
        nonEnregistre = false;
        dansLeFichier = true;
    }
    return resultat;
}

bool Recueil::reprendre(const std::string& texteAutre, std::vector<Niveau::Grille>& fusion) const {
    std::ostream muet(nullptr); // the other copy's file, not this editor's to report
    const LectureRecueil autre = lireRecueil(texteAutre, chemin, muet);
    bool abime = autre.coupe || autre.nbSignalements > 0;
    for (const Niveau::Grille& points : autre.niveaux) {
        if (contient(niveauxConnus, points) || contient(fusion, points)) {
            continue;
        }
        if (fusion.size() == static_cast<std::size_t>(maxNiveaux)) {
            return true; // the rest stays in the file kept aside
        }
        fusion.push_back(points);
    }
    return abime;
}

std::string Recueil::texte() const {
    return texteDe(niveaux);
}

std::string Recueil::texteDe(const std::vector<Niveau::Grille>& niveaux) {
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

void Recueil::retablir(std::vector<Niveau::Grille> etat) {
    niveaux = std::move(etat);
    nonEnregistre = true;
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
