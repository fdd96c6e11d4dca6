// SPDX-License-Identifier: GPL-3.0-or-later
// The canvas every screen draws: the match, the menus and the high scores are
// laid out in its 800 by 600 pixels. It is shown at any window size by one
// scale, the largest that fits, centred with black bars on the longer side.
// Every viewport, scissor and read-back goes through here, and the pointer
// comes back through here.
#ifndef VORLEN_TOILE_H
#define VORLEN_TOILE_H

constexpr int largeurToile = 800;
constexpr int hauteurToile = 600;

namespace toile {

// A rectangle from its lower-left corner, in canvas or window pixels.
struct Rectangle {
    int x;
    int y;
    int largeur;
    int hauteur;

    bool operator==(const Rectangle& r) const {
        return x == r.x && y == r.y && largeur == r.largeur && hauteur == r.hauteur;
    }
};

// The window's new size in pixels; the canvas is laid out in it again.
void adapter(int largeurFenetre, int hauteurFenetre);
int largeurFenetre();
int hauteurFenetre();
// Window pixels per canvas pixel.
float echelle();

// Where a canvas rectangle lands in the window. Neighbouring rectangles
// share their edges, so that nothing falls between them.
Rectangle versFenetre(const Rectangle& r);
// The canvas rectangle a window rectangle shows (the inverse, to the pixel).
Rectangle versToile(const Rectangle& r);
// The canvas point under the window pixel (x, y), y from the window's top;
// false in the bars, outside the picture.
bool pointVersToile(int xFenetre, int yFenetre, float& x, float& y);

// The viewport on a canvas rectangle.
void vue(const Rectangle& r);
// The whole canvas as the viewport.
void vueEntiere();
// The start of a screen's picture: the whole window cleared, bars included,
// and the whole canvas as the viewport, whatever the window did meanwhile.
void nouvelleImage();

} // namespace toile

#endif
