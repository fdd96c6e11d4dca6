// SPDX-License-Identifier: GPL-3.0-or-later
// The player's own levels as the editor holds them: numbered from 1 in the
// order the game plays them, read from the player's level file and saved
// back to it in the game's own format.
#ifndef VORLEN_RECUEIL_H
#define VORLEN_RECUEIL_H

#include "niveaux/niveau.h"
#include "profil/fichiers.h"

#include <cstddef>
#include <iosfwd>
#include <string>
#include <vector>

class Recueil {
public:
    // Far more levels than anyone makes by hand; a longer file is cut here.
    static constexpr int maxNiveaux = 999;

    // $XDG_DATA_HOME/vorlen/niveaux (else under ~/.local/share): the player's
    // level sets; empty when there is no place for it.
    static std::string dossierDuJoueur();
    // The editor's file: niveaux.lvl in that folder, or beside it where an
    // earlier game kept it; empty when there is no place for it.
    static std::string fichierDuJoueur();

    // One empty level, to be saved at `fichier`.
    explicit Recueil(std::string fichier);

    // Reads the file, reporting each problem in one line on `rapport`; an
    // absent file leaves one empty level. The levels are numbered again
    // from 1 in the order the match plays them. Gives a short notice for the
    // screen when the levels shown are not the file as it stands (cut,
    // renumbered, words skipped, unreadable), else an empty text.
    std::string charger(std::ostream& rapport);
    // Writes every level atomically, under the level file's lock; on
    // failure the file is untouched and the levels stay as they are. When
    // the file changed since this editor read or wrote it (another copy of
    // the game, a hand), the levels found there and in neither this
    // editor's levels nor the file as it was read are kept after ours.
    fichiers::Enregistrement enregistrer();
    // How many levels the last save took from a file changed meanwhile.
    int niveauxRepris() const { return repris; }
    // The level file's text, as the game's reader reads it.
    std::string texte() const;

    int nbNiveaux() const { return static_cast<int>(niveaux.size()); }
    // Level `numero`, from 1 to nbNiveaux().
    const Niveau::Grille& grille(int numero) const;
    // Every level, level k + 1 at index k; and every level put back as an
    // earlier state had them (an undo), to be saved.
    const std::vector<Niveau::Grille>& tous() const { return niveaux; }
    void retablir(std::vector<Niveau::Grille> etat);
    // Changes one cell, (column i, row j from the bottom), to `points`.
    void poser(int numero, int i, int j, int points);
    void remplacer(int numero, const Niveau::Grille& points);
    // An empty level after the last; gives its number.
    int nouveau();
    // A copy of level `numero` right after it, the later ones moving up
    // one; gives the copy's number.
    int dupliquer(int numero);
    // Removes level `numero`, the later ones moving down one; the last
    // level left is emptied instead. Gives the level to show next.
    int supprimer(int numero);
    // Whether there are changes not saved yet.
    bool modifie() const { return nonEnregistre; }
    // Whether the file holds the levels read or saved last.
    bool surDisque() const { return dansLeFichier; }
    const std::string& fichier() const { return chemin; }

private:
    // Where level `numero` is kept; out_of_range for a level not there.
    std::size_t indice(int numero) const;
    // Level `numero`, about to change.
    Niveau::Grille& niveau(int numero);
    // Adds to `fusion` the levels of the other file text that are neither
    // there nor in the file as this editor knew it; true when some of that
    // text could not be taken (junk, or no room left), to be kept aside.
    bool reprendre(const std::string& texteAutre, std::vector<Niveau::Grille>& fusion) const;
    static std::string texteDe(const std::vector<Niveau::Grille>& niveaux);

    std::string chemin;
    std::vector<Niveau::Grille> niveaux; // level k + 1 at index k
    // The file as this editor last read or wrote it, and its levels: what
    // tells another copy's changes from this one's.
    std::string texteConnu;
    std::vector<Niveau::Grille> niveauxConnus;
    int repris = 0;
    bool nonEnregistre = false;
    bool dansLeFichier = false;
    // The file read held words the reader skipped or guessed: the first
    // save keeps it aside rather than lose them.
    bool garderDeCote = false;
};

#endif
