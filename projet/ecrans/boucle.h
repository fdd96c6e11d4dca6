// SPDX-License-Identifier: GPL-3.0-or-later
// What the loops of every screen share: the events they all answer alike, and
// the pace of their passes.
#ifndef VORLEN_BOUCLE_H
#define VORLEN_BOUCLE_H

#include <SDL.h>

// The next event this screen must answer itself. Those every screen answers
// alike are handled on the way: F11 switches full screen, a new window size
// lays the canvas out again, and either is saved in the settings file; both
// also set `aRedessiner`, since the picture must be drawn anew. False once the
// queue is empty. The window's closing, a signal and a lost focus mean
// something different on each screen: they are the screen's to answer.
bool evenementSuivant(SDL_Event& event, bool& aRedessiner);

// The player's switch to full screen and back, saved in the settings file:
// F11 on any screen, or the Options item.
void basculerPleinEcranRetenu();

// A key, a mouse button or a gamepad button: what "any key" means to a
// screen that waits for one.
bool toucheQuelconque(const SDL_Event& event);

// The key a gamepad's event stands for on a screen with items: the stick
// (one step per lean past half its travel) or the cross for the arrows, the
// first button for Return, the second for Escape; SDLK_UNKNOWN for anything
// else. `axes` keeps where each of the two axes last leaned (-1, 0, 1).
SDLKey toucheDeManette(const SDL_Event& event, int (&axes)[2]);

// Sleeps by steps of `pas` ms until more than 49 ms have passed since `debut`:
// the end of one pass of a screen's loop.
void finirPassage(Uint32 debut, Uint32 pas);

#endif
