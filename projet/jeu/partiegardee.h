// SPDX-License-Identifier: GPL-3.0-or-later
// The match a player left with Escape, kept as it stood (level, bricks,
// scores, lives, paddles, balls, capsules and shots in flight) so that the
// main menu can resume it, also after the game is closed and started again.
// Its file is plain text in the player's data folder.
#ifndef VORLEN_PARTIEGARDEE_H
#define VORLEN_PARTIEGARDEE_H

#include "niveaux/niveau.h"
#include "profil/difficulte.h"
#include "profil/fichiers.h"

#include <SDL_types.h>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

struct PartieGardee {
    struct JoueurGarde {
        int score = 0;
        int vies = 0;
        float x = 0.0f;
        float longueur = 0.0f;
        bool canon = false;
        bool detruit = false;
        // How long a destroyed paddle still waits before it comes back.
        Uint32 attenteRetour = 0;
    };
    struct BalleGardee {
        int joueur = 1;
        float x = 0.0f;
        float y = 0.0f;
        float vx = 0.0f;
        float vy = 0.0f;
        int indiceRayon = 1;
        bool traversante = false;
        bool accrochee = false;
    };
    struct CapsuleGardee {
        float x = 0.0f;
        float y = 0.0f;
        int type = 0;
    };
    struct TirGarde {
        int joueur = 1;
        float x = 0.0f;
        float y = 0.0f;
    };

    int nbJoueurs = 1;
    difficulte::Choix difficulte = difficulte::NORMAL;
    std::string fichierNiveaux;
    int numNiveau = 1;
    Niveau::Grille grille{};
    std::array<JoueurGarde, 2> joueurs{};
    std::vector<BalleGardee> balles;
    std::vector<CapsuleGardee> capsules;
    std::vector<TirGarde> tirs;

    // The players' scores added up, as the high scores count a match.
    int scoreTotal() const;

    // The file's text, and back; a text that is not a match the rules can
    // play on (a value out of its range, a line missing or unknown) gives
    // nothing, and `raison` says why.
    std::string texte() const;
    static std::optional<PartieGardee> lire(const std::string& texte, std::string& raison);
};

// The kept match's file: what this copy of the game knows of it, so that a
// match another copy left meanwhile is kept aside rather than overwritten.
class FichierPartieGardee {
public:
    // In the player's data folder; an empty path keeps the match in memory.
    explicit FichierPartieGardee(std::string chemin = cheminParDefaut());
    static std::string cheminParDefaut();

    // The match the file holds; an unreadable file is said in one line on
    // the error output and left where it is until the next save keeps it
    // aside.
    std::optional<PartieGardee> charger();
    // Keeps `partie` as the match to resume.
    fichiers::Enregistrement garder(const PartieGardee& partie);
    // The match is over for good: the file is emptied if it still holds the
    // match this copy knows; true then, when its score is this copy's to enter.
    bool oublier();
    // What the last save did: why it failed, or where the file it found
    // was kept aside.
    const fichiers::Enregistrement& getEnregistrement() const { return enregistrement; }

private:
    // Saves what `fusion` makes of the file as it stands, under the lock.
    fichiers::Enregistrement
    ecrire(const std::function<fichiers::Fusion(const fichiers::Contenu&)>& fusion);

    const std::string chemin;
    // The text this copy read or wrote last.
    std::string connu;
    fichiers::Enregistrement enregistrement = fichiers::Enregistrement::reussite();
};

#endif
