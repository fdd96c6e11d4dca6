// The brick field: a 16 by 10 grid of bricks at fixed spacing, the count of
// breakable bricks left, and the loading of levels from the level file.
#ifndef VORLEN_NIVEAU_H
#define VORLEN_NIVEAU_H

#include "brique.h"

class Niveau {
public:
    static constexpr int nbBriquesX = 16;
    static constexpr int nbBriquesY = 10;
    static constexpr float ecartX = 4.6f;
    static constexpr float ecartY = 2.4f;

    // Column i (0 leftmost), row j (0 lowest); null where there is no brick.
    Brique* tabBriques[nbBriquesX][nbBriquesY];

    explicit Niveau(float briquesY);
    ~Niveau();
    Niveau(const Niveau&) = delete;
    Niveau& operator=(const Niveau&) = delete;

    // Replaces the grid with entry `nNiveau` of the level file `fichier`.
    void initBriques(const char* fichier, int nNiveau);
    // Replaces the grid with the built-in level.
    void defaultLevel();
    void detruire(int i, int j);

    int nbBriquesRestantes() const { return qBriques; }
    int getNumNiveau() const { return numNiveau; }
    float getPosBriquesX() const { return posBriquesX; }
    float getPosBriquesY() const { return posBriquesY; }
    float getEcartX() const { return ecartX; }
    float getEcartY() const { return ecartY; }

private:
    // X of the centres of the leftmost column: the grid sits in the middle
    // of the field.
    static constexpr float posBriquesXDepart = -34.5f;

    void poserBrique(int i, int j, int solidite);

    float posBriquesX;
    float posBriquesY;
    int numNiveau;
    int qBriques;
};

#endif
