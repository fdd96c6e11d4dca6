// SPDX-License-Identifier: GPL-3.0-or-later
// The playing field in world units and what each player's things look like:
// the rules, the drawing and the tests all read their edges and colours here.
#ifndef VORLEN_TERRAIN_H
#define VORLEN_TERRAIN_H

#include "niveaux/item.h"

namespace terrain {

// The walls and ceiling that turn balls, shots and debris back.
constexpr float murGauche = -40.0f;
constexpr float murDroit = 40.0f;
constexpr float plafond = 35.0f;
// Balls and capsules below it have left the field.
constexpr float ligneDePerte = -40.0f;
// Where the drawn side walls stop, below the paddles.
constexpr float basDesMurs = -45.0f;

// The lines the paddles slide on: both players defend the bottom edge,
// player 2 just above player 1 so that the two paddles never overlap.
constexpr float ligneBasJoueur1 = -35.0f;
constexpr float ligneBasJoueur2 = -33.0f;

// The centres of the grid's leftmost column and of its lowest row, which
// the co-operative match lowers to leave room for the second paddle.
constexpr float xPremiereColonne = -34.5f;
constexpr float yPremiereLigne1j = 3.0f;
constexpr float yPremiereLigne2j = 0.0f;

// Each player's colours, by what they colour.
struct CouleursJoueur {
    Couleur batte;
    Couleur debrisBatte;
    Couleur balle;
    // The balls' own light, RGBA.
    float lueurBalle[4];
};

constexpr CouleursJoueur joueur1 = {
    {0, 255, 10}, {0, 255, 0}, {200, 200, 0}, {0.4f, 0.4f, 0.0f, 0.5f}};
constexpr CouleursJoueur joueur2 = {
    {255, 10, 0}, {255, 0, 0}, {100, 100, 255}, {0.5f, 0.0f, 0.6f, 0.5f}};

// Player `num`'s colours, 1 or 2.
constexpr const CouleursJoueur& couleursJoueur(int num) {
    return num == 1 ? joueur1 : joueur2;
}

} // namespace terrain

#endif
