// SPDX-License-Identifier: GPL-3.0-or-later
// The game's one window: opened at the size the player left it, fitted to the
// screen; resized by the player; switched to full screen at the screen's own
// resolution and back. SDL keeps the OpenGL context through every change of
// video mode, so textures, lists and fonts stay; the canvas is laid out again
// in the new size each time.
#ifndef VORLEN_FENETRE_H
#define VORLEN_FENETRE_H

#include <SDL.h>

namespace fenetre {

// The window's size the player chose, kept for the next start, and whether
// the game shows full screen instead.
struct Choix {
    bool pleinEcran;
    int largeur;
    int hauteur;
};

// What a change asked of the window came to.
enum class Issue {
    faite,
    // Nothing changed: refused by the display (one line says so), or nothing to do.
    aucune,
    // The display refused and gave no window back: one line says so, and
    // the game can only save its work and end.
    fenetrePerdue,
};

// Asks the libraries, before SDL starts, for what the game needs of them,
// unless the player's environment already names another choice.
void choisirPilotes();

// Opens the window as `choix` asks: full screen, or the window's size shrunk
// to fit the screen, then to what the window manager leaves of it. `bureau`
// is SDL's video query made before any video mode, which gives the
// desktop's size. Full screen refused, one line, the window opens instead
// and `choix.pleinEcran` says so. False, with one line, when no window opens.
bool ouvrir(const SDL_VideoInfo& bureau, Choix& choix);

// The player's switch (F11, the Options item): from `choix` to the other
// way of showing; `faite` for the caller to remember the new choice.
Issue basculerPleinEcran(const Choix& choix);

// The player resized the window to `largeur` x `hauteur`: the video mode
// follows, unless full screen or already at that size; `faite` for the
// caller to remember the new size.
Issue redimensionner(int largeur, int hauteur, const Choix& choix);

// How many times the video mode was set: the pointer's first move after a
// change is measured by SDL from where it was in the mode before.
unsigned int changementsDeMode();

// The window's size for a remembered one of `largeur` x `hauteur` on a
// screen of `largeurEcran` x `hauteurEcran`: as it is where it fits, else
// shrunk, in proportion, until it does.
void ajusterAEcran(int& largeur, int& hauteur, int largeurEcran, int hauteurEcran);

// The mouse held in the window with its pointer hidden, for as long as a
// match is played with it; let go when the holder says so or is destroyed.
class CaptureSouris {
public:
    CaptureSouris() = default;
    ~CaptureSouris() { tenir(false); }
    CaptureSouris(const CaptureSouris&) = delete;
    CaptureSouris& operator=(const CaptureSouris&) = delete;

    void tenir(bool oui);

private:
    bool tenue = false;
};

} // namespace fenetre

#endif
