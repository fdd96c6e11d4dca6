// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing many objects of one kind in a single batch: each separate draw and
// state change costs more than the few vertices it sends, above all on a
// software renderer.
#ifndef VORLEN_LOTS_H
#define VORLEN_LOTS_H

#include "jeu/debris.h"
#include "niveaux/niveau.h"
#include "rendu/ressourcesgl.h"

#include <climits>
#include <list>
#include <vector>

// The brick grid as one display list, compiled again only when a brick has
// changed (broken, damaged, or a new level laid out).
class LotBriques {
public:
    LotBriques();
    LotBriques(const LotBriques&) = delete;
    LotBriques& operator=(const LotBriques&) = delete;

    void afficher(const Niveau& niveau);

private:
    // Each cell's hit points as the list shows them; `sansBrique` for none.
    using Grille = int[Niveau::nbBriquesX][Niveau::nbBriquesY];
    static constexpr int sansBrique = INT_MIN;

    bool aJour(const Niveau& niveau) const;
    void compiler(const Niveau& niveau);

    ListeAffichage liste;
    Grille pointsAffiches;
    bool compilee;
};

// Every fragment in one vertex array, drawn with one call.
class LotDebris {
public:
    void afficher(const std::list<Debris>& debris);

private:
    void remplir(const std::list<Debris>& debris);

    // Kept between frames so that the arrays are not allocated every frame.
    std::vector<float> sommets;
    std::vector<float> normales;
    std::vector<unsigned char> couleurs;
};

#endif
