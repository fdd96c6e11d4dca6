// SPDX-License-Identifier: GPL-3.0-or-later
#include "jeu/essai.h"

Essai::Essai(const Niveau::Grille& grille, int numero) : points(grille), numeroEssaye(numero) {
    // A level being made belongs to no set yet: no banner over it.
    serie = Serie();
}

// The level keeps its number in the panel, the first time and every time after.
void Essai::chargerNiveau(int) {
    niveauCourant.charger(points, numeroEssaye);
}
