// SPDX-License-Identifier: GPL-3.0-or-later
#include "jeu/lots.h"

#include <GL/gl.h>

LotBriques::LotBriques() : pointsAffiches(), compilee(false) {}

void LotBriques::afficher(const Niveau& niveau) {
    if (!aJour(niveau)) {
        compiler(niveau);
    }
    liste.appeler();
}

bool LotBriques::aJour(const Niveau& niveau) const {
    if (!compilee) {
        return false;
    }
    for (int i = 0; i < Niveau::nbBriquesX; ++i) {
        for (int j = 0; j < Niveau::nbBriquesY; ++j) {
            const Brique* brique = niveau.tabBriques[i][j];
            const int points = brique ? brique->getPtsVie() : sansBrique;
            if (points != pointsAffiches[i][j]) {
                return false;
            }
        }
    }
    return true;
}

void LotBriques::compiler(const Niveau& niveau) {
    liste.compiler();
    // The quadrilaterals of every brick, then the triangles: two batches.
    for (const bool triangles : {false, true}) {
        glBegin(triangles ? GL_TRIANGLES : GL_QUADS);
        for (int i = 0; i < Niveau::nbBriquesX; ++i) {
            for (int j = 0; j < Niveau::nbBriquesY; ++j) {
                if (niveau.tabBriques[i][j]) {
                    niveau.tabBriques[i][j]->emettreEnPlace(triangles);
                }
            }
        }
        glEnd();
    }
    glEndList();
    for (int i = 0; i < Niveau::nbBriquesX; ++i) {
        for (int j = 0; j < Niveau::nbBriquesY; ++j) {
            const Brique* brique = niveau.tabBriques[i][j];
            pointsAffiches[i][j] = brique ? brique->getPtsVie() : sansBrique;
        }
    }
    compilee = true;
}

void LotDebris::afficher(const std::list<Debris>& debris) {
    if (debris.empty()) {
        return;
    }
    remplir(debris);
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, sommets.data());
    glNormalPointer(GL_FLOAT, 0, normales.data());
    glColorPointer(3, GL_UNSIGNED_BYTE, 0, couleurs.data());
    glDrawArrays(GL_QUADS, 0, static_cast<GLsizei>(sommets.size() / 3));
    glPopClientAttrib();
}

void LotDebris::remplir(const std::list<Debris>& debris) {
    sommets.clear();
    normales.clear();
    couleurs.clear();
    for (const Debris& d : debris) {
        float coins[4][3];
        float normale[3];
        d.coins(coins, normale);
        const Couleur c = d.getCouleur();
        for (int k = 0; k < 4; ++k) {
            sommets.insert(sommets.end(), coins[k], coins[k] + 3);
            normales.insert(normales.end(), normale, normale + 3);
            couleurs.insert(couleurs.end(), {c.r, c.v, c.b});
        }
    }
}
