// SPDX-License-Identifier: GPL-3.0-or-later
// The few numbers a difficulty changes, all in one table. "Normal" holds the
// game's own numbers, so a match played there is the game as written.
#ifndef VORLEN_DOSAGE_H
#define VORLEN_DOSAGE_H

#include "jeu/balle.h"
#include "jeu/batte.h"
#include "jeu/joueur.h"
#include "profil/difficulte.h"

struct Dosage {
    float vitesseBalle;  // a ball's speed at launch, per frame
    int vies;            // each player's lives at the start
    float longueurBatte; // the paddles' length at the start, a whole step from the usual
    int capsulesSurDix;  // a broken brick's chances in ten of dropping a capsule

    static const Dosage& de(difficulte::Choix choix) {
        static const Dosage table[difficulte::nbChoix] = {
            {0.4f, 5, Batte::longueurInit + Batte::pasAgrandissement, 4},
            {Balle::vitesseInit, Joueur::viesInit, Batte::longueurInit, 3},
            {0.6f, 2, Batte::longueurInit - Batte::pasAgrandissement, 2}};
        return table[choix];
    }
};

#endif
