// SPDX-License-Identifier: GPL-3.0-or-later
// Where the player's own files live (settings, high scores), how they are
// read without trusting what stands at their path, and how they are saved so
// that a crash, a full disk or a second copy of the game never loses them.
#ifndef VORLEN_FICHIERS_H
#define VORLEN_FICHIERS_H

#include <cstddef>
#include <functional>
#include <string>

namespace fichiers {

// $XDG_CONFIG_HOME/vorlen, else ~/.config/vorlen; empty when neither
// XDG_CONFIG_HOME nor HOME gives a place (the choices then live in memory).
std::string dossierPreferences();
// $XDG_DATA_HOME/vorlen, else ~/.local/share/vorlen; empty likewise.
std::string dossierDonneesJoueur();

// What reading a player's file found.
struct Contenu {
    enum Etat { ABSENT, LU, ILLISIBLE };
    Etat etat = ABSENT;
    std::string texte;
    std::string raison; // why it is ILLISIBLE, for a message
};

// Reads `chemin`, following links, if it is a regular file of at most
// `tailleMax` bytes. A pipe, a device, a folder or a path the system cannot
// examine is ILLISIBLE, found so without ever waiting on it.
Contenu lire(const std::string& chemin, std::size_t tailleMax);

// Writes `contenu` to a temporary file beside `chemin`, flushes it to disk and
// renames it over `chemin`, creating the folder first. On failure the old file
// is untouched, `erreur` says what went wrong and the result is false.
bool ecrireAtomiquement(const std::string& chemin, const std::string& contenu, std::string& erreur);

// Moves a file we cannot read out of the way under a name not yet taken
// ("scores.txt" becomes "scores.txt.illisible", then ".illisible-2"…), so that
// the next save does not destroy what the player may want to mend by hand.
// Returns the new name, or an empty string when the rename failed.
std::string mettreDeCote(const std::string& chemin);

// The text a save writes, made from the file as it stands when the save
// begins; `garderDeCote` keeps that file aside first (it held lines the
// reader had to drop).
struct Fusion {
    std::string texte;
    bool garderDeCote = false;
};

struct Enregistrement {
    bool reussi = false;
    std::string erreur; // what went wrong, naming the file, when not reussi
    std::string aCote;  // where the old file was kept, if it was
};

// Saves `chemin` so that two copies of the game saving in turn lose nothing:
// under a lock beside it, reads the file again, lets `fusionner` merge it
// with this copy's own changes, keeps an unreadable file aside, and writes
// atomically where a link leads. Stale temporaries of killed saves go.
Enregistrement enregistrer(const std::string& chemin, std::size_t tailleMax,
                           const std::function<Fusion(const Contenu&)>& fusionner);

} // namespace fichiers

#endif
