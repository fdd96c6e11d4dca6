// SPDX-License-Identifier: GPL-3.0-or-later
// A player's paddle: a box sliding along X on its player's line, resized in
// steps between two limits, optionally carrying a cannon.
#ifndef VORLEN_BATTE_H
#define VORLEN_BATTE_H

#include "niveaux/item.h"

class Joueur;

class Batte : public Item {
public:
    static constexpr float pasAgrandissement = 2.5f;
    static constexpr float pasDeplacement = 1.0f;
    static constexpr float longueurMax = 15.0f;
    static constexpr float longueurMin = 5.0f;
    static constexpr float longueurInit = 10.0f;
    // The paddle stops once its edge has passed these walls.
    static constexpr float limiteDeplacement = 39.0f;

    // Built at the centre of player `num`'s line.
    Batte(Joueur* prop, int num);
    ~Batte() override {}

    // One step towards the sign of `sens`; returns the step taken (1, -1, 0).
    int deplacer(int sens);
    // Slides by `distance` along X, as far as the walls let the paddle's
    // edges go; returns the distance gone.
    float glisser(float distance);
    void agrandir();
    void reduire();

    float getLongueur() const { return longueur; }
    int getNum() const { return numJoueur; }
    float getPasDep() const { return pasDeplacement; }
    BoiteCollision* getBoiteCol() { return &bc; }
    const BoiteCollision* getBoiteCol() const { return &bc; }

    bool canShoot() const { return enableShoot; }
    void putCanon() { enableShoot = true; }
    void removeCanon() { enableShoot = false; }
    // Puts the paddle back as a kept match left it: at `x`, resized by
    // whole steps to `longueurGardee`, with or without its cannon.
    void restaurer(float x, float longueurGardee, bool canon);

    void afficher() override;

private:
    float longueur;
    // The owning player, who asks the paddle; the paddle never asks back.
    Joueur* proprietaire;
    BoiteCollision bc;
    bool enableShoot;
    int numJoueur;
};

#endif
