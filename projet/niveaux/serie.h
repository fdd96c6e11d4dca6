// SPDX-License-Identifier: GPL-3.0-or-later
// A level set: a level file, the name it is offered by, and each level's
// title and author. Those words live in a file of titles beside the level
// file, of the same name ending in ".ini", so that the level file holds
// nothing but levels and reads as the game has always read it.
#ifndef VORLEN_SERIE_H
#define VORLEN_SERIE_H

#include <cstddef>
#include <iosfwd>
#include <map>
#include <string>
#include <vector>

class Serie {
public:
    struct Titre {
        std::string titre;
        std::string auteur;
    };

    // The game's sets beyond its own file, in the run-time directory.
    static constexpr const char* dossierDuJeu = "series";
    // Far beyond the titles of a thousand levels.
    static constexpr std::size_t tailleMaxTitres = 256 * 1024;
    // Each word read is cut here, in characters: the banner has a width.
    static constexpr std::size_t longueurMaxTexte = 40;

    // The titles' file of the level file `fichier`: "x.lvl" gives "x.ini".
    static std::string fichierTitres(const std::string& fichier);

    // The set of level file `fichier`, named `nomParDefaut` when its titles
    // name none; when that is empty too, the game's own file is "Niveaux du
    // jeu" and another goes by its file name without ".lvl". Names are kept
    // as written, to be translated where shown. A titles' file that cannot be
    // read is one line on `rapport`; the set then goes without its words.
    static Serie lire(const std::string& fichier, std::ostream& rapport,
                      const std::string& nomParDefaut = {});

    const std::string& getFichier() const { return fichier; }
    const std::string& getNom() const { return nom; }
    // The levels the match plays, from 1, before going round to the first.
    int nbNiveaux() const { return total; }
    // Whether one of those has a brick to break.
    bool jouable() const { return aJouer; }
    // Level `numero`'s words; empty where the titles give none.
    Titre titre(int numero) const;

private:
    std::string fichier;
    std::string nom;
    int total = 0;
    bool aJouer = false;
    std::map<int, Titre> titres;
};

// The game's own level file first, then its sets' files in the order of
// their names.
std::vector<Serie> seriesDuJeu(std::ostream& rapport);
// The player's: every level file in the folder `dossier`, in the order of
// their names, with `fichierEditeur` (the editor's, wherever it is kept)
// first, named `nomEditeur` unless its titles say otherwise. Sets with
// nothing to play are left out.
std::vector<Serie> seriesDuJoueur(const std::string& dossier, const std::string& fichierEditeur,
                                  const std::string& nomEditeur, std::ostream& rapport);

#endif
