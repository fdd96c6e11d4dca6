// SPDX-License-Identifier: GPL-3.0-or-later
// A real OpenGL window for the tests that draw, opened once per test run,
// what it shows read back pixel by pixel, and where the camera puts the field.
#ifndef VORLEN_TESTS_FENETRE_H
#define VORLEN_TESTS_FENETRE_H

#include "niveaux/niveau.h"
#include "rendu/FreeType.h"
#include "systeme/langue.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class Menu;

// Where the camera shows the field's point (x, y, 0) on the canvas.
inline int colonneDe(float x) {
    return static_cast<int>(325.0 * (1 + 0.0185577 * x) + 0.5);
}
inline int ligneDe(float y) {
    return static_cast<int>(300.0 * (1 - 0.0247436 * y) + 0.5);
}

// A new player's menu: no match left by an earlier test to resume.
std::unique_ptr<Menu> menuNeuf(const std::string& fichierNiveaux = Niveau::fichierParDefaut);
// A new player's menu whose loop has handled the events queued so far, then a
// close; its matches are played on `fichierNiveaux`.
std::unique_ptr<Menu> menuApres(const std::string& fichierNiveaux = Niveau::fichierParDefaut);

struct Pixel {
    int r, v, b;
};

// The rectangle of pixels found in a capture; empty when none is found.
struct Cadre {
    int col0 = 1 << 30, col1 = -1, lig0 = 1 << 30, lig1 = -1;
    bool vide() const { return col1 < 0; }
};

// What the window shows after the last swap, read once, at its whole size.
class Capture {
public:
    // The canvas, in whose pixels the tests look.
    static constexpr int largeur = 800;
    static constexpr int hauteur = 600;

    Capture();
    // The window pixel that shows the canvas pixel at `colonne`, `ligne`
    // counted from the canvas's top.
    Pixel at(int colonne, int ligne) const;
    // The window's own pixel, `ligne` counted from the window's top.
    Pixel pixelFenetre(int colonne, int ligne) const;
    int largeurFenetre() const { return largeurLue; }
    int hauteurFenetre() const { return hauteurLue; }
    // The extent, within the rectangle (inclusive, rows from the top), of the
    // pixels that pass `teste`.
    template <typename Test> Cadre cadreDans(int c0, int c1, int l0, int l1, Test teste) const {
        return cadre(c0, c1, l0, l1, [&](int c, int l) { return teste(at(c, l)); });
    }
    template <typename Test> bool unPixelDans(int c0, int c1, int l0, int l1, Test teste) const {
        return !cadreDans(c0, c1, l0, l1, teste).vide();
    }
    // The extent, in the window's own pixels, of those that pass `teste`.
    template <typename Test> Cadre cadreFenetre(Test teste) const {
        return cadre(0, largeurLue - 1, 0, hauteurLue - 1,
                     [&](int c, int l) { return teste(pixelFenetre(c, l)); });
    }

private:
    template <typename Test> static Cadre cadre(int c0, int c1, int l0, int l1, Test teste) {
        Cadre k;
        for (int l = l0; l <= l1; ++l) {
            for (int c = c0; c <= c1; ++c) {
                if (teste(c, l)) {
                    k = {std::min(k.col0, c), std::max(k.col1, c), std::min(k.lig0, l),
                         std::max(k.lig1, l)};
                }
            }
        }
        return k;
    }

    int largeurLue;
    int hauteurLue;
    std::vector<unsigned char> rgb;
};

// Every text from now on in `choix`, from the catalogues the build compiled.
void montrerEn(langue::Choix choix);
// The lines a screen draws, in the language shown.
std::vector<freetype::LigneDessinee> lignesDe(const std::function<void()>& dessiner);
// Each line within [gauche, droite] and the canvas's height, and whole: a text
// cut to fit ends with "...", and a translation too long for its box shows so.
void verifierDans(const std::vector<freetype::LigneDessinee>& lignes, float gauche, float droite,
                  const std::string& ecran);

#endif
