// SPDX-License-Identifier: GPL-3.0-or-later
#include "niveaux/serie.h"

#include "niveaux/lecture.h"
#include "niveaux/niveau.h"
#include "profil/fichiers.h"
#include "profil/texteini.h"
#include "systeme/langue.h"
#include "systeme/utf8.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <ostream>

namespace {

const std::string extensionNiveaux = ".lvl";

// Whether `texte` ends with `fin` after something: a file named ".lvl" alone
// goes by that name, not by an empty one.
bool finitPar(const std::string& texte, const std::string& fin) {
    return texte.size() > fin.size() &&
           texte.compare(texte.size() - fin.size(), fin.size(), fin) == 0;
}

// A word of the titles, cut to what the banner shows.
std::string couper(std::string texte) {
    while (utf8::longueur(texte) > Serie::longueurMaxTexte) {
        utf8::retirerDernier(texte);
    }
    return texte;
}

// The path without its ".lvl".
std::string sansExtension(const std::string& fichier) {
    return finitPar(fichier, extensionNiveaux)
               ? fichier.substr(0, fichier.size() - extensionNiveaux.size())
               : fichier;
}

// The file's name without its folder nor ".lvl".
std::string nomDeFichier(const std::string& fichier) {
    return sansExtension(fichier.substr(fichier.find_last_of('/') + 1));
}

// The level files in `dossier`, in the order of their names.
std::vector<std::string> fichiersNiveaux(const std::string& dossier) {
    std::vector<std::string> fichiers;
    std::error_code ec;
    for (const auto& entree : std::filesystem::directory_iterator(dossier, ec)) {
        const std::string chemin = entree.path().string();
        if (finitPar(chemin, extensionNiveaux) && entree.is_regular_file(ec)) {
            fichiers.push_back(chemin);
        }
    }
    std::sort(fichiers.begin(), fichiers.end());
    return fichiers;
}

} // namespace

std::string Serie::fichierTitres(const std::string& fichier) {
    return sansExtension(fichier) + ".ini";
}

Serie Serie::lire(const std::string& fichier, std::ostream& rapport,
                  const std::string& nomParDefaut) {
    Serie serie;
    serie.fichier = fichier;
    LectureNiveaux lecture;
    const std::map<int, int> cassables = cassablesParNiveau(fichier.c_str(), lecture);
    // The match goes from level 1 up while there is a next one, then round.
    for (int numero = 1; !lecture.echec && cassables.count(numero) != 0; ++numero) {
        serie.total = numero;
        serie.aJouer = serie.aJouer || cassables.at(numero) > 0;
    }
    const std::string cheminTitres = fichierTitres(fichier);
    const fichiers::Contenu contenu = fichiers::lire(cheminTitres, tailleMaxTitres);
    if (contenu.etat == fichiers::Contenu::ILLISIBLE) {
        rapport << "Vorlen: " << cheminTitres << " illisible (" << contenu.raison
                << "); les niveaux vont sans leurs titres" << std::endl;
    }
    const TexteIni titres(contenu.texte);
    for (const TexteIni::Valeur& v : titres.valeurs()) {
        int numero = 0;
        char reste = 0;
        if (std::sscanf(v.section.c_str(), "niveau %d%c", &numero, &reste) != 1 || numero < 1) {
            continue;
        }
        if (v.nom == "titre") {
            serie.titres[numero].titre = couper(v.texte);
        } else if (v.nom == "auteur") {
            serie.titres[numero].auteur = couper(v.texte);
        }
    }
    serie.nom = couper(titres.valeur("serie", "nom"));
    if (serie.nom.empty()) {
        serie.nom = !nomParDefaut.empty()                 ? nomParDefaut
                    : fichier == Niveau::fichierParDefaut ? N_("Niveaux du jeu")
                                                          : nomDeFichier(fichier);
    }
    return serie;
}

Serie::Titre Serie::titre(int numero) const {
    const auto t = titres.find(numero);
    return t == titres.end() ? Titre{} : t->second;
}

std::vector<Serie> seriesDuJeu(std::ostream& rapport) {
    std::vector<Serie> series{Serie::lire(Niveau::fichierParDefaut, rapport)};
    for (const std::string& fichier : fichiersNiveaux(Serie::dossierDuJeu)) {
        series.push_back(Serie::lire(fichier, rapport));
    }
    return series;
}

std::vector<Serie> seriesDuJoueur(const std::string& dossier, const std::string& fichierEditeur,
                                  const std::string& nomEditeur, std::ostream& rapport) {
    std::vector<Serie> series;
    const auto ajouter = [&](const std::string& fichier, const std::string& nomParDefaut) {
        Serie serie = Serie::lire(fichier, rapport, nomParDefaut);
        if (serie.jouable()) {
            series.push_back(std::move(serie));
        }
    };
    if (!fichierEditeur.empty()) {
        ajouter(fichierEditeur, nomEditeur);
    }
    for (const std::string& fichier : fichiersNiveaux(dossier)) {
        std::error_code ec;
        if (!std::filesystem::equivalent(fichier, fichierEditeur, ec)) {
            ajouter(fichier, {});
        }
    }
    return series;
}
