// SPDX-License-Identifier: GPL-3.0-or-later
// SDL surfaces owned and freed once, and converted to the plain byte layouts
// that OpenGL and the picture comparisons read.
#ifndef VORLEN_SURFACES_H
#define VORLEN_SURFACES_H

#include <SDL.h>

#include <memory>

struct FinSurface {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using Surface = std::unique_ptr<SDL_Surface, FinSurface>;

// A copy of `image` whose pixels are bytes in the order red, green, blue,
// then alpha when `avecAlpha`; null when SDL cannot make it.
Surface convertirEnOctets(SDL_Surface& image, bool avecAlpha);

#endif
