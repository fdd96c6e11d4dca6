// SPDX-License-Identifier: GPL-3.0-or-later
// The process's entry and the globals it owns beside the sounds and the
// key bindings.
#ifndef VORLEN_MAIN_H
#define VORLEN_MAIN_H

#include <SDL.h>

extern SDL_Surface* screenSurface;
extern int videoFlags;

int SDL_main(int argc, char** argv);

#endif
