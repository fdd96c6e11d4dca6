// SPDX-License-Identifier: GPL-3.0-or-later
#include "niveaux/niveau.h"

#include "niveaux/lecture.h"
#include "niveaux/terrain.h"

#include <cassert>
#include <cmath>

Niveau::Niveau(float briquesY)
    : tabBriques(), posBriquesX(terrain::xPremiereColonne), posBriquesY(briquesY), numNiveau(0),
      qBriques(0) {}

Niveau::~Niveau() {
    for (auto& colonne : tabBriques) {
        for (Brique* brique : colonne) {
            delete brique;
        }
    }
}

// Puts a brick of `solidite` points in cell (i, j), or empties it for 0.
void Niveau::poserBrique(int i, int j, int solidite) {
    delete tabBriques[i][j];
    tabBriques[i][j] = nullptr;
    if (solidite == 0) {
        return;
    }
    const Vecteur centre = centreCellule(i, j);
    tabBriques[i][j] = new Brique(solidite, centre.X, centre.Y);
    if (solidite != -1) {
        ++qBriques;
    }
}

void Niveau::charger(const Grille& points, int numero) {
    qBriques = 0;
    for (int j = 0; j < nbBriquesY; ++j) {
        for (int i = 0; i < nbBriquesX; ++i) {
            poserBrique(i, j, points[i][j]);
        }
    }
    numNiveau = numero;
}

Niveau::Grille Niveau::grille() const {
    Grille points{};
    for (int i = 0; i < nbBriquesX; ++i) {
        for (int j = 0; j < nbBriquesY; ++j) {
            points[i][j] = tabBriques[i][j] ? tabBriques[i][j]->getPtsVie() : 0;
        }
    }
    return points;
}

void Niveau::defaultLevel() {
    qBriques = 0;
    for (int j = 0; j < nbBriquesY; ++j) {
        for (int i = 0; i < nbBriquesX; ++i) {
            poserBrique(i, j, i / 2 + 1);
        }
    }
}

void Niveau::detruire(int i, int j) {
    assert(i >= 0 && i < nbBriquesX && j >= 0 && j < nbBriquesY);
    if (tabBriques[i][j] == nullptr) {
        return;
    }
    delete tabBriques[i][j];
    tabBriques[i][j] = nullptr;
    --qBriques;
}

void Niveau::initBriques(const char* fichier, int nNiveau) {
    Grille points{};
    if (lireEntree(fichier, nNiveau, points)) {
        charger(points, nNiveau);
    } else {
        defaultLevel();
    }
}

bool Niveau::celluleSous(float x, float y, int& i, int& j) const {
    i = static_cast<int>(std::floor((x - posBriquesX) / ecartX + 0.5f));
    j = static_cast<int>(std::floor((y - posBriquesY) / ecartY + 0.5f));
    return i >= 0 && i < nbBriquesX && j >= 0 && j < nbBriquesY;
}

Niveau::FenetreCellules Niveau::fenetreCellules(float x, float y, float r) const {
    const float PX = posBriquesX;
    const float PY = posBriquesY;
    // Integer parts of the spacings on purpose: the window errs on the wide side.
    const int pasX = static_cast<int>(ecartX);
    const int pasY = static_cast<int>(ecartY);
    FenetreCellules f;
    f.iFirst = static_cast<int>(x - r - (PX + Brique::demieLongX)) / pasX - 1;
    f.iLast = static_cast<int>(x + r - (PX - Brique::demieLongX)) / pasX + 1;
    f.jFirst = static_cast<int>(y - r - (PY + Brique::demieLongY)) / pasY - 1;
    f.jLast = static_cast<int>(y + r - (PY - Brique::demieLongY)) / pasY + 1;
    // A first index of exactly 16 (or 10) stays: the window is then empty.
    if (f.iFirst < 0) {
        f.iFirst = 0;
    } else if (f.iFirst > nbBriquesX) {
        f.iFirst = nbBriquesX - 1;
    }
    if (f.iLast < 1) {
        f.iLast = 1;
    } else if (f.iLast > nbBriquesX) {
        f.iLast = nbBriquesX;
    }
    if (f.jFirst < 0) {
        f.jFirst = 0;
    } else if (f.jFirst > nbBriquesY) {
        f.jFirst = nbBriquesY - 1;
    }
    if (f.jLast < 1) {
        f.jLast = 1;
    } else if (f.jLast > nbBriquesY) {
        f.jLast = nbBriquesY;
    }
    return f;
}
