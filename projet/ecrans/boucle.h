// SPDX-License-Identifier: GPL-3.0-or-later
// What the loops of every screen share: the events they all answer alike, and
// the pace of their passes.
#ifndef VORLEN_BOUCLE_H
#define VORLEN_BOUCLE_H

#include <SDL.h>

// The next event this screen must answer itself. Those every screen answers
// alike are handled on the way: F11 switches full screen, a new window size
// lays the canvas out again; both also set `aRedessiner`, since the picture
// must be drawn anew. False once the queue is empty. The window's closing, a
// signal and a lost focus mean something different on each screen: they are
// the screen's to answer.
bool evenementSuivant(SDL_Event& event, bool& aRedessiner);

// Sleeps by steps of `pas` ms until more than 49 ms have passed since `debut`:
// the end of one pass of a screen's loop.
void finirPassage(Uint32 debut, Uint32 pas);

#endif
