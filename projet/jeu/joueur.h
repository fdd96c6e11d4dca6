// SPDX-License-Identifier: GPL-3.0-or-later
// One player: score, lives, balls in play, steering flags, and the two timed
// states (destroyed, reloading). Owns its paddle.
#ifndef VORLEN_JOUEUR_H
#define VORLEN_JOUEUR_H

#include "jeu/batte.h"

#include <SDL_types.h>

class Joueur {
public:
    static constexpr Uint32 recoverTime = 3000;
    static constexpr Uint32 reloadingTime = 500;
    static constexpr int viesInit = 3;

    explicit Joueur(int num);
    // The paddle points back at its player, so a player is never copied.
    Joueur(const Joueur&) = delete;
    Joueur& operator=(const Joueur&) = delete;

    void commandeGauche(bool etat) { cGAUCHE = etat; }
    void commandeDroite(bool etat) { cDROITE = etat; }
    // Steers the paddle one step by the held commands; returns the step.
    int deplacer();

    void ajouterScore(int points) { score += points; }
    void ajouterVie() { vies += 1; }
    void perteVie() { vies -= 1; }
    int getScore() const { return score; }
    int getNbVie() const { return vies; }
    int getNum() const { return batte.getNum(); }
    Batte& getBatteRef() { return batte; }
    const Batte& getBatteRef() const { return batte; }

    void addBalle() { nBalles += 1; }
    void rmBalle() { nBalles -= 1; }
    void setnBalles(int n) { nBalles = n; }
    int getnBalles() const { return nBalles; }

    bool canShoot() const { return batte.canShoot(); }
    void reload();
    bool isReloading() const;

    void destroy();
    bool isDestroyed() const { return destroyed; }
    bool hasRecovered() const;
    void recover() { destroyed = false; }

    void afficher();

    // How long a destroyed paddle still waits before it comes back.
    Uint32 attenteRetour() const;
    // Puts a player back as a kept match left it.
    void restaurer(int scoreGarde, int viesGardees, bool detruit, Uint32 attente);

private:
    int score;
    int vies;
    Batte batte;
    int nBalles;
    bool cGAUCHE;
    bool cDROITE;
    bool destroyed;
    Uint32 destructTime;
    Uint32 lastShoot;
};

#endif
