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

// Opens the window as this run asks: full screen, or the remembered window
// size shrunk to fit the screen. `bureau` is SDL's video query made before
// any video mode, which gives the desktop's size. False, with one line, when
// no window opens.
bool ouvrir(const SDL_VideoInfo& bureau);

// The player's switch (F11, the Options item): the window changes and the
// choice is remembered in the settings; true then, for the caller to save
// them. Where the display refuses, one line, nothing changes, and false.
bool basculerPleinEcran();

// The player resized the window: the video mode follows, and the size is
// remembered in the settings for the next start; true when it changed, for
// the caller to save them.
bool redimensionner(int largeur, int hauteur);

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
