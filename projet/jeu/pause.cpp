// SPDX-License-Identifier: GPL-3.0-or-later
#include "jeu/pause.h"

#include "systeme/langue.h"
#include "systeme/horloge.h"

namespace {

const int tailleTitre = 48;
const int tailleTexte = 18;
// The band behind the words, between the field's side borders, in its pixels.
const int gaucheBande = 85;
const int droiteBande = 565;
const int basBande = 205;
const int hautBande = 370;
const float opaciteBande = 0.6f;

// Darkens a band of the field so the words read over any scene.
void assombrirBande() {
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_TRANSFORM_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    freetype::pushScreenCoordinateMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glColor4f(0.0f, 0.0f, 0.0f, opaciteBande);
    glRecti(gaucheBande, basBande, droiteBande, hautBande);
    glPopMatrix();
    freetype::pop_projection_matrix();
    glPopAttrib();
}

} // namespace

Pause::Pause() : active(false), toucheTenue(false) {}

Pause::~Pause() {
    if (active) {
        horloge::reprendre();
    }
}

void Pause::activer() {
    active = true;
    horloge::suspendre();
}

void Pause::touchePressee() {
    if (toucheTenue) {
        return;
    }
    toucheTenue = true;
    if (active) {
        active = false;
        horloge::reprendre();
    } else {
        activer();
    }
}

void Pause::afficher(const char* nomTouche) {
    // Built at the first pause only, so that a match starts no slower.
    if (titre.textures == nullptr) {
        titre.init(freetype::fichierPolice, tailleTitre);
        texte.init(freetype::fichierPolice, tailleTexte);
    }
    assombrirBande();
    glColor3ub(255, 255, 255);
    freetype::print(titre, 222, 310, "%s", _("Pause"));
    glColor3ub(230, 230, 230);
    freetype::print(texte, 172, 270, _("%s : reprendre"), nomTouche);
    freetype::print(texte, 172, 245, "%s", _("F1 : aide"));
    freetype::print(texte, 172, 220, "%s", _("Echap : menu (partie gardee)"));
}
