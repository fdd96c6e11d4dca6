// SPDX-License-Identifier: GPL-3.0-or-later
// The owner of an SDL surface the game loads or makes, freed whatever path
// its owner leaves by.
#ifndef VORLEN_SURFACE_H
#define VORLEN_SURFACE_H

#include <SDL.h>

#include <memory>

struct LiberationSurface {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};

// Null holds nothing, as IMG_Load and SDL_ConvertSurface give on failure.
using Surface = std::unique_ptr<SDL_Surface, LiberationSurface>;

#endif
