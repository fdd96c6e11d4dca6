// SPDX-License-Identifier: GPL-3.0-or-later
// What the loops of every screen share: the pace of their passes.
#ifndef VORLEN_BOUCLE_H
#define VORLEN_BOUCLE_H

#include <SDL.h>

// Sleeps by steps of `pas` ms until more than 49 ms have passed since `debut`:
// the end of one pass of a screen's loop.
void finirPassage(Uint32 debut, Uint32 pas);

#endif
