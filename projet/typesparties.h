// The game modes: each supplies the rules pass of its match and the way it
// drops power-up capsules.
#ifndef VORLEN_TYPESPARTIES_H
#define VORLEN_TYPESPARTIES_H

#include "partie.h"

// Draws a capsule's kind by the power-ups' weights; shared by every mode.
TYPEBONUS tirerTypeBonus();

// One player defending the bottom edge.
class Normal1j : public Partie {
protected:
    void verifPositions() override;

public:
    Normal1j();
    ~Normal1j() override {}
    void newBonus(float X, float Y, int sens) override;

private:
    void reglesBalles();
    void perdreBalle(Joueur& J);
    void attraperBonus();
};

#endif
