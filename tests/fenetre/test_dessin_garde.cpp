// SPDX-License-Identifier: GPL-3.0-or-later
#include "banc.h"
#include "fenetre.h"

#include <gtest/gtest.h>

#include <functional>

// A match whose frame the test draws without playing one.
class Vue : public Banc<Normal1j> {
public:
    Vue() { gerer(); } // level 1 and the held ball
    Capture dessiner() {
        redessiner();
        return Capture();
    }
};

static int pixelsDifferents(const Capture& a, const Capture& b) {
    int differents = 0;
    for (int l = 0; l < Capture::hauteur; ++l) {
        for (int c = 0; c < Capture::largeur; ++c) {
            const Pixel p = a.at(c, l);
            const Pixel q = b.at(c, l);
            differents += p.r != q.r || p.v != q.v || p.b != q.b;
        }
    }
    return differents;
}

// Where the first brick of the level's grid stands.
static std::pair<int, int> premiereBrique(const Niveau& niveau) {
    for (int i = 0; i < Niveau::nbBriquesX; ++i) {
        for (int j = 0; j < Niveau::nbBriquesY; ++j) {
            if (niveau.tabBriques[i][j]) {
                return {i, j};
            }
        }
    }
    throw std::logic_error("level 1 has no brick");
}

TEST(DessinGarde, AfterEachChangeTheFrameIsWhatAFreshMatchDraws) {
    const struct {
        const char* nom;
        std::function<void(Vue&)> changer;
    } changements[] = {
        {"player 1 scores", [](Vue& v) { v.j1().ajouterScore(120); }},
        {"player 2 loses a life", [](Vue& v) { v.j2().perteVie(); }},
        {"level 2 is laid out", [](Vue& v) { v.niveau().initBriques("niveaux.lvl", 2); }},
        {"a brick is damaged",
         [](Vue& v) {
             const auto [i, j] = premiereBrique(v.niveau());
             v.niveau().tabBriques[i][j]->faireDegats(1);
         }},
        {"a brick breaks",
         [](Vue& v) {
             const auto [i, j] = premiereBrique(v.niveau());
             v.niveau().detruire(i, j);
         }},
    };
    for (const auto& c : changements) {
        Vue gardee;
        gardee.dessiner();
        c.changer(gardee);
        const Capture apres = gardee.dessiner();
        Vue neuve;
        c.changer(neuve);
        const Capture attendue = neuve.dessiner();
        EXPECT_EQ(pixelsDifferents(apres, attendue), 0) << c.nom;
    }
}
