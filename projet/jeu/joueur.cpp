// SPDX-License-Identifier: GPL-3.0-or-later
#include "jeu/joueur.h"

#include "systeme/horloge.h"

Joueur::Joueur(int num)
    : score(0), vies(viesInit), batte(this, num), nBalles(0), cGAUCHE(false), cDROITE(false),
      destroyed(false), destructTime(0), lastShoot(0) {}

int Joueur::deplacer() {
    if (!cGAUCHE && cDROITE) {
        return batte.deplacer(1);
    }
    if (cGAUCHE && !cDROITE) {
        return batte.deplacer(-1);
    }
    return 0;
}

void Joueur::reload() {
    lastShoot = horloge::maintenant();
}

bool Joueur::isReloading() const {
    return horloge::maintenant() - lastShoot <= reloadingTime;
}

void Joueur::destroy() {
    destroyed = true;
    destructTime = horloge::maintenant();
}

bool Joueur::hasRecovered() const {
    return horloge::maintenant() - destructTime > recoverTime;
}

Uint32 Joueur::attenteRetour() const {
    const Uint32 ecoule = horloge::maintenant() - destructTime;
    return destroyed && ecoule < recoverTime ? recoverTime - ecoule : 0;
}

void Joueur::restaurer(int scoreGarde, int viesGardees, bool detruit, Uint32 attente) {
    score = scoreGarde;
    vies = viesGardees;
    destroyed = detruit;
    destructTime = horloge::maintenant() - (recoverTime - attente);
}

void Joueur::afficher() {
    if (!destroyed) {
        batte.afficher();
    }
}
