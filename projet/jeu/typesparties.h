// SPDX-License-Identifier: GPL-3.0-or-later
// The game modes: each supplies the rules pass of its match and the way it
// drops power-up capsules.
#ifndef VORLEN_TYPESPARTIES_H
#define VORLEN_TYPESPARTIES_H

#include "jeu/partie.h"

// Draws a capsule's kind by the power-ups' weights; shared by every mode.
TYPEBONUS tirerTypeBonus();

// One player defending the bottom edge.
class Normal1j : public Partie {
protected:
    void verifPositions() override;

public:
    explicit Normal1j(std::string fichier = Niveau::fichierParDefaut);
    ~Normal1j() override {}
    void newBonus(float X, float Y) override;
};

// Two players on the bottom edge, player 2's paddle just above player 1's,
// against the same bricks; the match goes on while either of them can still
// play.
class Coop2j : public Partie {
protected:
    void verifPositions() override;

public:
    explicit Coop2j(std::string fichier = Niveau::fichierParDefaut);
    ~Coop2j() override {}
    void newBonus(float X, float Y) override;

    // Brings back the players whose time is up; true once both are out.
    bool checkPlayerState();
};

#endif
