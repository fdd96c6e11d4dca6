// A fragment of a burst brick or paddle: a flat spinning rectangle thrown in
// a random direction, falling, bouncing off the side walls, then expiring.
#ifndef VORLEN_DEBRIS_H
#define VORLEN_DEBRIS_H

#include "item.h"

#include <SDL_types.h>

class Debris : public Item {
public:
    static constexpr float gravite = 0.02f;
    static constexpr float lifeTime = 100000.0f;

    // Black asks for a random colour; draws its motion from rand().
    Debris(Vecteur pos, unsigned char R, unsigned char V, unsigned char B);
    ~Debris() override {}

    bool isTooOld() const;
    void deplacer();

    const Vecteur& getVitesse() const { return vitesse; }
    void setVitesse(const Vecteur& v) { vitesse = v; }
    Couleur getCouleur() const { return {cR, cV, cB}; }
    const BoiteCollision* getBoiteCol() const { return &bc; }
    const Matrice& getOrientation() const { return mOrientation; }

    void afficher() override;

private:
    Uint32 dateCreation;
    Matrice mRotation;
    Matrice mOrientation;
    BoiteCollision bc;
    Vecteur vitesse;
    unsigned char cR;
    unsigned char cV;
    unsigned char cB;
};

#endif
