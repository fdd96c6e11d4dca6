// SPDX-License-Identifier: GPL-3.0-or-later
// Where the player's own files live (settings, high scores), how they are
// read without trusting what stands at their path, and how they are saved so
// that a crash, a full disk or a second copy of the game never loses them.
#ifndef VORLEN_FICHIERS_H
#define VORLEN_FICHIERS_H

#include <cstddef>
#include <cstdio>
#include <functional>
#include <memory>
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

// What is said of a folder where a file should be.
inline constexpr const char* raisonDossier = "c'est un dossier";
// What is said of a file too long for its kind: "plus de 64 Kio".
std::string raisonTropLong(std::size_t tailleMax);

struct FermetureFichier {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using Fichier = std::unique_ptr<std::FILE, FermetureFichier>;

// Opens `chemin` once for reading, following links but never waiting on a
// pipe, and keeps it only if the opened file is a regular file of at most
// `tailleMax` bytes: a file too long for its kind is refused before a byte
// of it is read. Otherwise null, and `refus` says why (ABSENT or ILLISIBLE).
Fichier ouvrir(const std::string& chemin, std::size_t tailleMax, Contenu& refus);

// Reads `chemin` as `ouvrir` opens it. A pipe, a device, a folder, a file too
// long or a path the system cannot examine is ILLISIBLE, found so at once.
Contenu lire(const std::string& chemin, std::size_t tailleMax);

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
    std::string erreur;  // what went wrong, naming the file, when not reussi
    std::string raison;  // the same without the file's name, for a short notice
    std::string fichier; // the file it is about
    std::string aCote;   // where the old file was kept, if it was

    void echouer(const std::string& nomFichier, const std::string& pourquoi);
    static Enregistrement reussite() {
        Enregistrement e;
        e.reussi = true;
        return e;
    }
};

// How long a save waits for another copy of the game to finish its own.
constexpr int attenteVerrouMs = 1000;

// Saves `chemin` so that two copies of the game saving in turn lose nothing:
// under a lock beside it, reads the file again, lets `fusionner` merge it
// with this copy's own changes, keeps an unreadable file aside, and writes
// atomically where a link leads. A lock held longer than `attenteVerrouMs`
// fails the save, to be tried again at the next one. Our own folder is made
// when missing, nothing outside it. Temporaries of killed saves go.
Enregistrement enregistrer(const std::string& chemin, std::size_t tailleMax,
                           const std::function<Fusion(const Contenu&)>& fusionner);

} // namespace fichiers

#endif
