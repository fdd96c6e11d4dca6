// SPDX-License-Identifier: GPL-3.0-or-later
#include "rendu/hud.h"

#include "jeu/joueur.h"
#include "niveaux/niveau.h"
#include "rendu/display.h"
#include "systeme/langue.h"
#include "systeme/toile.h"

namespace {

// Each player's box: its width, and its height going down from the top.
const int longCadre = 120;
const int largCadre = -100;

} // namespace

HUD::HUD()
    : posXHUD(Disposition::largeurChamp), posYHUD(0), lX(largeurToile - Disposition::largeurChamp),
      lY(hauteurToile), posNumNiveau{5, 200}, posJ1{0, 540}, posJ2{0, 400}, font_size(16),
      J1(nullptr), J2(nullptr), Niv(nullptr) {}

// Built at the first frame, not with the match: the rules run without a GL context.
const freetype::font_data& HUD::police() {
    if (font.textures == nullptr) {
        font.init(freetype::fichierPolice, font_size);
    }
    return font;
}

void HUD::setJoueur(Joueur* J, int num) {
    if (num == 1) {
        J1 = J;
    } else if (num == 2) {
        J2 = J;
    }
}

void HUD::activerVue() const {
    toile::vue({posXHUD, posYHUD, lX, lY});
}

void HUD::affichage() {
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, lX, 0, lY, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    // The boxes' left edges, at the panel's x = 0, fall in the column just
    // left of it: the copy takes that column too.
    const CopiePanneau::Chiffres chiffres = chiffresAffiches();
    if (copie.montre(chiffres)) {
        copie.dessiner(bandesEcrites());
    } else {
        dessinerPanneau();
        copie.prendre({posXHUD - 1, posYHUD, lX + 1, lY}, chiffres);
    }
    if (!offre.empty()) {
        dessinerOffre();
    }

    glEnable(GL_LIGHTING);
    glEnable(GL_DEPTH_TEST);
}

CopiePanneau::Chiffres HUD::chiffresAffiches() const {
    return {J1->getNbVie(), J2->getNbVie(), J1->getScore(), J2->getScore(), Niv->getNumNiveau()};
}

std::array<CopiePanneau::Bande, 3> HUD::bandesEcrites() const {
    // A text may run past its box's right edge, never above or below it:
    // a few rows of margin take the lines' own rasterisation.
    const int marge = 4;
    const int ligneNiveau = posNumNiveau[1];
    return {{{posJ1[1] + largCadre - marge, posJ1[1] + marge},
             {posJ2[1] + largCadre - marge, posJ2[1] + marge},
             {ligneNiveau - font_size, ligneNiveau + 2 * font_size}}};
}

void HUD::dessinerPanneau() {
    glColor3f(0.8f, 0.8f, 0.0f);
    int cadreJ1[4] = {posJ1[0], posJ1[0] + longCadre, posJ1[1], posJ1[1] + largCadre};
    int cadreJ2[4] = {posJ2[0], posJ2[0] + longCadre, posJ2[1], posJ2[1] + largCadre};
    traceCadres(cadreJ1);
    traceCadres(cadreJ2);

    // Text is placed in canvas pixels: shift it into the panel.
    toile::vueEntiere();
    glTranslatef(posXHUD, posYHUD, 0);

    glColor3f(1.0f, 1.0f, 0.0f);
    afficherNom(_("Joueur 1"), cadreJ1);
    afficherNom(_("Joueur 2"), cadreJ2);

    glColor3f(0.8f, 0.8f, 0.0f);
    afficherVies(*J1, cadreJ1);
    afficherVies(*J2, cadreJ2);
    afficherScore(*J1, cadreJ1);
    afficherScore(*J2, cadreJ2);
    freetype::print(police(), posNumNiveau[0], posNumNiveau[1], _("Niveau %2d"),
                    Niv->getNumNiveau());
}

void HUD::dessinerOffre() {
    toile::vueEntiere();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(posXHUD, posYHUD, 0);
    glColor3ub(0, 220, 255);
    float y = posNumNiveau[1] - 3 * font_size;
    for (const std::string& ligne : offre) {
        freetype::print(police(), posNumNiveau[0], y, "%s", ligne.c_str());
        y -= font_size * 1.5f;
    }
}

void HUD::afficherNom(const char* nom, const int* cadre) {
    freetype::print(police(), cadre[0] + font_size, cadre[2] - font_size, "%s", nom);
}

void HUD::afficherVies(const Joueur& J, const int* cadre) {
    freetype::print(police(), cadre[0] + font_size, cadre[2] - 2 * font_size - 7, _("Battes: %d"),
                    J.getNbVie());
}

void HUD::afficherScore(const Joueur& J, const int* cadre) {
    freetype::print(police(), cadre[0] + font_size + 12, cadre[2] - 4 * font_size - 13, "%6d",
                    J.getScore());
}

void HUD::traceCadres(int* cadre) {
    const int fs = font_size;
    const int gauche = cadre[0];
    const int droite = cadre[1];
    const int haut = cadre[2];
    const int bas = cadre[3];
    // The name row above a double rule, the lives below it, the score at the bottom.
    const int regles[] = {haut, haut - fs - 5, haut - fs - 8, haut - 2 * fs - 12, bas};
    glBegin(GL_LINES);
    for (const int y : regles) {
        glVertex2i(gauche, y);
        glVertex2i(droite, y);
    }
    glVertex2i(droite, haut);
    glVertex2i(droite, bas);
    glVertex2i(gauche, haut);
    glVertex2i(gauche, bas);
    glEnd();
}

void HUD::printGameOver() {
    glColor3ub(255, 0, 0);
    freetype::print(police(), 250, 100, "Game Over");
}

void HUD::printAstuce(const std::vector<std::string>& lignes) {
    const float basAstuce = 110.0f;
    float y = basAstuce + (lignes.size() - 1.0f) * font_size * 1.5f;
    glColor3ub(220, 220, 220);
    for (const std::string& ligne : lignes) {
        freetype::print(police(),
                        (Disposition::largeurChamp - freetype::largeur(police(), ligne)) / 2, y,
                        "%s", ligne.c_str());
        y -= font_size * 1.5f;
    }
}

void HUD::printBandeau(const std::vector<std::string>& lignes) {
    const float hautBandeau = 260.0f;
    float y = hautBandeau;
    for (std::size_t n = 0; n < lignes.size(); ++n) {
        // The set's name in the colour of the panel's level line.
        n == 0 ? glColor3f(0.8f, 0.8f, 0.0f) : glColor3ub(230, 230, 230);
        freetype::print(police(),
                        (Disposition::largeurChamp - freetype::largeur(police(), lignes[n])) / 2, y,
                        "%s", lignes[n].c_str());
        y -= font_size * 1.5f;
    }
}

bool CopiePanneau::montre(const Chiffres& chiffres) const {
    return valide && chiffres == chiffresCopies && toile::versFenetre(zoneCopie) == pixelsCopie;
}

void CopiePanneau::prendre(const toile::Rectangle& zone, const Chiffres& chiffres) {
    const toile::Rectangle pixels = toile::versFenetre(zone);
    // The window's size may have changed since the texture was made.
    if (texture.nom() != 0 && (freetype::next_p2(pixels.largeur) != largeurTexture ||
                               freetype::next_p2(pixels.hauteur) != hauteurTexture)) {
        texture.reset(0);
    }
    if (texture.nom() == 0) {
        GLuint nom;
        glGenTextures(1, &nom);
        texture.reset(nom);
        glBindTexture(GL_TEXTURE_2D, nom);
        // Drawn back one texel per pixel: nearest texels copy it exactly.
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        largeurTexture = freetype::next_p2(pixels.largeur);
        hauteurTexture = freetype::next_p2(pixels.hauteur);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, largeurTexture, hauteurTexture, 0, GL_RGB,
                     GL_UNSIGNED_BYTE, nullptr);
    }
    glBindTexture(GL_TEXTURE_2D, texture.nom());
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, pixels.x, pixels.y, pixels.largeur, pixels.hauteur);
    zoneCopie = zone;
    pixelsCopie = pixels;
    chiffresCopies = chiffres;
    valide = true;
}

void CopiePanneau::dessiner(const std::array<Bande, 3>& bandes) const {
    toile::vue(zoneCopie);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, zoneCopie.largeur, 0, zoneCopie.hauteur, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glPushAttrib(GL_ENABLE_BIT | GL_TEXTURE_BIT);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture.nom());
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    // The copy holds the window's pixels; the bands are canvas rows.
    const float finS = static_cast<float>(pixelsCopie.largeur) / largeurTexture;
    const float texelsParLigne =
        static_cast<float>(pixelsCopie.hauteur) / zoneCopie.hauteur / hauteurTexture;
    glBegin(GL_QUADS);
    for (const Bande& bande : bandes) {
        const float basT = bande.bas * texelsParLigne;
        const float hautT = bande.haut * texelsParLigne;
        glTexCoord2f(0.0f, basT);
        glVertex2i(0, bande.bas);
        glTexCoord2f(finS, basT);
        glVertex2i(zoneCopie.largeur, bande.bas);
        glTexCoord2f(finS, hautT);
        glVertex2i(zoneCopie.largeur, bande.haut);
        glTexCoord2f(0.0f, hautT);
        glVertex2i(0, bande.haut);
    }
    glEnd();
    glPopAttrib();
}
