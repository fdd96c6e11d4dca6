// SPDX-License-Identifier: GPL-3.0-or-later
// A shot from a paddle's cannon: a small glowing sphere flying straight up,
// towards the bricks, at constant speed.
#ifndef VORLEN_TIR_H
#define VORLEN_TIR_H

#include "niveaux/item.h"
#include "rendu/ressourcesgl.h"

class Joueur;

class Tir : public Item {
public:
    static constexpr float rayonTir = 0.4f;
    static constexpr float vitesseTir = 0.9f;

    Tir(Joueur* prop, float X, float Y);
    // A shot owns a quadric: it is built once, in place in its list.
    Tir(const Tir&) = delete;
    Tir& operator=(const Tir&) = delete;
    ~Tir() override {}

    void deplacer();
    Joueur* getProp() const { return proprietaire; }
    float getRayon() const { return rayon; }

    void afficher() override;

private:
    Joueur* proprietaire;
    Quadrique quadric;
    float rayon;
    float vitesse;
};

#endif
