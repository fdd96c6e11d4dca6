// SPDX-License-Identifier: GPL-3.0-or-later
// A power-up capsule: a small spinning cube falling from a broken brick
// towards the paddles, coloured by the power-up it carries.
#ifndef VORLEN_BONUS_H
#define VORLEN_BONUS_H

#include "niveaux/item.h"

#include <array>

enum TYPEBONUS {
    BONUS_NONE = 0,
    BONUS_LIFE = 1,
    BONUS_ABATTE = 2,
    BONUS_RBATTE = 3,
    BONUS_MULTIBALL = 4,
    BONUS_BTRAVERSANTE = 5,
    BONUS_ABALLE = 6,
    BONUS_ARME = 7
};

class Bonus : public Item {
public:
    static constexpr float vDescente = 0.2f;
    static constexpr int nbFaces = 6;

    // Draws its spin from rand().
    Bonus(float X, float Y, TYPEBONUS T);
    ~Bonus() override {}

    void deplacer();
    // One frame's spin, without falling.
    void tourner() { mOrientation.tourner(mRotation); }
    TYPEBONUS getType() const { return type; }
    BoiteCollision* getBoiteCol() { return &bc; }
    const BoiteCollision* getBoiteCol() const { return &bc; }
    const Matrice& getOrientation() const { return mOrientation; }
    // The cube of corners (+-1, +-1, +-1), before its scale to the drawn size.
    static const std::array<Face, nbFaces>& faces();

    void afficher() override;

private:
    TYPEBONUS type;
    BoiteCollision bc;
    Matrice mRotation;
    Matrice mOrientation;
};

#endif
