// SPDX-License-Identifier: GPL-3.0-or-later
#include "rendu/imagesgl.h"

#include "rendu/FreeType.h"
#include "systeme/surfaces.h"

#include <GL/glu.h>
#include <SDL_image.h>

#include <algorithm>
#include <vector>

namespace {

// The 32-bit pixels of `image` resampled, bilinearly, to `largeur` x `hauteur`:
// a buffer of exactly the size OpenGL is told, whatever the image's sides.
std::vector<Uint8> reechantillonner(const SDL_Surface& image, int largeur, int hauteur) {
    const Uint8* source = static_cast<const Uint8*>(image.pixels);
    // Source coordinate and weight of output pixel k of n along a side of m.
    const auto echantillon = [](int k, int n, int m, int& a, int& b) {
        const float s = std::max(0.0f, (k + 0.5f) * m / n - 0.5f);
        a = std::min(static_cast<int>(s), m - 1);
        b = std::min(a + 1, m - 1);
        return s - a;
    };
    std::vector<Uint8> pixels(static_cast<std::size_t>(largeur) * hauteur * 4);
    // An image already of that size is its own sample, every weight zero: its
    // rows are copied as they stand, the same bytes at a fraction of the cost.
    if (image.w == largeur && image.h == hauteur) {
        for (int y = 0; y < hauteur; ++y) {
            std::copy_n(source + y * image.pitch, largeur * 4,
                        &pixels[static_cast<std::size_t>(y) * largeur * 4]);
        }
        return pixels;
    }
    for (int y = 0; y < hauteur; ++y) {
        int y0, y1;
        const float fy = echantillon(y, hauteur, image.h, y0, y1);
        for (int x = 0; x < largeur; ++x) {
            int x0, x1;
            const float fx = echantillon(x, largeur, image.w, x0, x1);
            for (int c = 0; c < 4; ++c) {
                const auto lu = [&](int px, int py) {
                    return static_cast<float>(source[py * image.pitch + px * 4 + c]);
                };
                const float haut = lu(x0, y0) + (lu(x1, y0) - lu(x0, y0)) * fx;
                const float bas = lu(x0, y1) + (lu(x1, y1) - lu(x0, y1)) * fx;
                pixels[(static_cast<std::size_t>(y) * largeur + x) * 4 + c] =
                    static_cast<Uint8>(haut + (bas - haut) * fy + 0.5f);
            }
        }
    }
    return pixels;
}

} // namespace

bool initGL() {
    glShadeModel(GL_SMOOTH);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClearDepth(1.0);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glDepthFunc(GL_LEQUAL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    return true;
}

GLuint loadTexture(const char* filename, bool useMipMap) {
    const Surface image(IMG_Load(filename));
    if (!image) {
        return 0;
    }
    const Surface convertie = convertirEnOctets(*image, true);
    if (!convertie) {
        return 0;
    }
    const Surface retournee(flipSurface(convertie.get()));
    if (!retournee) {
        return 0;
    }
    // OpenGL 1.x wants sides in powers of two, and GLU's own rescaling of any
    // other size reads past the end of the image it is given: each side goes
    // down to the largest power of two it holds.
    const int largeur = freetype::next_p2(retournee->w + 1) / 2;
    const int hauteur = freetype::next_p2(retournee->h + 1) / 2;
    const std::vector<Uint8> pixels = reechantillonner(*retournee, largeur, hauteur);

    GLuint texture;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    if (useMipMap) {
        gluBuild2DMipmaps(GL_TEXTURE_2D, 4, largeur, hauteur, GL_RGBA, GL_UNSIGNED_BYTE,
                          pixels.data());
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    } else {
        glTexImage2D(GL_TEXTURE_2D, 0, 4, largeur, hauteur, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                     pixels.data());
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    }
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    return texture;
}

SDL_Surface* flipSurface(SDL_Surface* surface) {
    const SDL_PixelFormat& f = *surface->format;
    SDL_Surface* retournee = SDL_CreateRGBSurface(0, surface->w, surface->h, f.BitsPerPixel,
                                                  f.Rmask, f.Gmask, f.Bmask, f.Amask);
    if (retournee == nullptr) {
        return nullptr;
    }
    SDL_LockSurface(surface);
    SDL_LockSurface(retournee);
    const Uint8* source = static_cast<const Uint8*>(surface->pixels);
    Uint8* destination = static_cast<Uint8*>(retournee->pixels);
    for (int current_line = 0; current_line < surface->h; ++current_line) {
        std::copy_n(source + (surface->h - 1 - current_line) * surface->pitch, surface->pitch,
                    destination + current_line * retournee->pitch);
    }
    SDL_UnlockSurface(retournee);
    SDL_UnlockSurface(surface);
    return retournee;
}
