// SPDX-License-Identifier: GPL-3.0-or-later
// Trying a level being made: the one-player match on that one level, taken
// from memory rather than from a file, and laid out again once cleared as
// a file of one level would be.
#ifndef VORLEN_ESSAI_H
#define VORLEN_ESSAI_H

#include "jeu/typesparties.h"

class Essai : public Normal1j {
public:
    Essai(const Niveau::Grille& points, int numero);

protected:
    void chargerNiveau(int numero) override;

private:
    const Niveau::Grille points;
    const int numeroEssaye;
};

#endif
