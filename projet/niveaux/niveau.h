// SPDX-License-Identifier: GPL-3.0-or-later
// The brick field: a 16 by 10 grid of bricks at fixed spacing, the count of
// breakable bricks left, and the loading of levels, from the level file
// through its reader or from memory.
#ifndef VORLEN_NIVEAU_H
#define VORLEN_NIVEAU_H

#include "niveaux/brique.h"

#include <array>

class Niveau {
public:
    static constexpr int nbBriquesX = 16;
    static constexpr int nbBriquesY = 10;
    static constexpr float ecartX = 4.6f;
    static constexpr float ecartY = 2.4f;
    // The level file the match reads, in the run-time directory unless the
    // player chose another at start.
    static constexpr const char* fichierParDefaut = "niveaux.lvl";

    // Hit points of each cell by column, then row: 0 empty, -1 unbreakable.
    using Grille = std::array<std::array<int, nbBriquesY>, nbBriquesX>;

    // Column i (0 leftmost), row j (0 lowest); null where there is no brick.
    Brique* tabBriques[nbBriquesX][nbBriquesY];

    explicit Niveau(float briquesY);
    ~Niveau();
    Niveau(const Niveau&) = delete;
    Niveau& operator=(const Niveau&) = delete;

    // Replaces the grid with entry `nNiveau` of the level file `fichier`.
    void initBriques(const char* fichier, int nNiveau);
    // Replaces the grid with these hit points, as level `numero`: a level
    // that comes from memory rather than from a file.
    void charger(const Grille& points, int numero);
    // Replaces the grid with the built-in level.
    void defaultLevel();
    void detruire(int i, int j);
    // The grid as hit points, as a level file would give it.
    Grille grille() const;

    int nbBriquesRestantes() const { return qBriques; }
    int getNumNiveau() const { return numNiveau; }
    float getPosBriquesX() const { return posBriquesX; }
    float getPosBriquesY() const { return posBriquesY; }
    float getEcartX() const { return ecartX; }
    float getEcartY() const { return ecartY; }
    // Where the centre of cell (i, j) stands on the field: the one geometry
    // of the grid, for the bricks, the editor and the tests.
    Vecteur centreCellule(int i, int j) const {
        return Vecteur(i * ecartX + posBriquesX, j * ecartY + posBriquesY, 0.0f);
    }
    // The cell whose bounds, half a step round its centre, hold the field's
    // point (x, y); false off the grid.
    bool celluleSous(float x, float y, int& i, int& j) const;
    // The grid cells an object of radius r at (x, y) may touch: columns
    // [iFirst, iLast), rows [jFirst, jLast).
    struct FenetreCellules {
        int iFirst;
        int iLast;
        int jFirst;
        int jLast;
    };
    FenetreCellules fenetreCellules(float x, float y, float r) const;

private:
    void poserBrique(int i, int j, int solidite);

    float posBriquesX;
    float posBriquesY;
    int numNiveau;
    int qBriques;
};

#endif
