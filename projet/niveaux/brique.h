// SPDX-License-Identifier: GPL-3.0-or-later
// A brick of the level grid: hit points shown by its colour; a negative
// count makes it unbreakable.
#ifndef VORLEN_BRIQUE_H
#define VORLEN_BRIQUE_H

#include "niveaux/item.h"

#include <array>

class Brique : public Item {
public:
    static constexpr int soliditeMax = 10;
    static constexpr float demieLongX = 2.0f;
    static constexpr float demieLongY = 1.0f;
    static constexpr int nbQuadrilateres = 18;
    static constexpr int nbFaces = 26;

    Brique(int solidite, float X, float Y);
    ~Brique() override {}

    // Removes `n` points; true when this hit breaks the brick.
    bool faireDegats(int n);
    bool isDestroyable() const { return ptsVie >= 0; }
    int getPtsVie() const { return ptsVie; }
    BoiteCollision* getBoiteCol() { return &bc; }
    const BoiteCollision* getBoiteCol() const { return &bc; }

    // Pink-red when weak, green when strong, light grey when unbreakable.
    static Couleur couleurPourPoints(int points);
    // The bevelled block around its centre: six flat faces and twelve bevels
    // (the quadrilaterals), then the eight corner triangles.
    static const std::array<Face, nbFaces>& faces();

    // One brick alone; the match draws its whole grid in one batch instead.
    void afficher() override;
    // Its colour, then its quadrilaterals (or its corner triangles) moved to
    // its place, inside the caller's glBegin/glEnd: many bricks, one batch.
    void emettreEnPlace(bool triangles) const;

private:
    int ptsVie;
    BoiteCollision bc;
};

#endif
