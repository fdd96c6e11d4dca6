// SPDX-License-Identifier: GPL-3.0-or-later
// A fragment of a burst brick or paddle: a flat spinning rectangle thrown in
// a random direction, falling, bouncing off the side walls, then expiring.
#ifndef VORLEN_DEBRIS_H
#define VORLEN_DEBRIS_H

#include "niveaux/item.h"

#include <SDL_types.h>

class Debris : public Item {
public:
    static constexpr float gravite = 0.02f;
    static constexpr float lifeTime = 100000.0f;

    // Black asks for a random colour; draws its motion from rand().
    Debris(Vecteur pos, unsigned char R, unsigned char V, unsigned char B);
    ~Debris() override {}

    bool isTooOld() const;
    // The same against the frame's clock reading `maintenant`, read once for
    // the thousands of fragments of a frame.
    bool isTooOld(Uint32 maintenant) const;
    void deplacer();

    const Vecteur& getVitesse() const { return vitesse; }
    Couleur getCouleur() const { return {cR, cV, cB}; }
    const BoiteCollision* getBoiteCol() const { return &bc; }
    // The orientation reached so far, worked out when asked for.
    const Matrice& getOrientation() const;
    // Its four corners in place, as drawn, and the normal of its face.
    void coins(float sommets[4][3], float normale[3]) const;

    // One fragment alone; the match draws them all in one batch instead.
    void afficher() override;

private:
    Uint32 dateCreation;
    Spin spin;
    // Degrees turned so far about the spin's axis, kept below 360.
    float angleParcouru;
    mutable Matrice mOrientation;
    BoiteCollision bc;
    Vecteur vitesse;
    unsigned char cR;
    unsigned char cV;
    unsigned char cB;
};

#endif
