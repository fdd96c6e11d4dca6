// SPDX-License-Identifier: GPL-3.0-or-later
#include "systeme/surfaces.h"

Surface convertirEnOctets(SDL_Surface& image, bool avecAlpha) {
    // The masks name bytes in memory order on a little-endian machine.
    SDL_PixelFormat format = *image.format;
    format.palette = nullptr;
    format.BitsPerPixel = avecAlpha ? 32 : 24;
    format.BytesPerPixel = avecAlpha ? 4 : 3;
    format.Rmask = 0x000000FF;
    format.Gmask = 0x0000FF00;
    format.Bmask = 0x00FF0000;
    format.Amask = avecAlpha ? 0xFF000000 : 0;
    return Surface(SDL_ConvertSurface(&image, &format, SDL_SWSURFACE));
}
