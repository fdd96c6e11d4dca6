// SPDX-License-Identifier: GPL-3.0-or-later
// Preloaded into a game by bench/demarrage.sh and bench/regularite.sh: writes
// the time of each of its first pictures handed to the display (an OpenGL
// buffer swap, or a 2D surface's flip or update), in milliseconds of the real
// clock, one a line, to the file named by VORLEN_IMAGES; as many as
// VORLEN_NB_IMAGES says, 4 when it is not set.
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

struct SDL_Surface;
struct SDL_Rect;

namespace {

// Opened once, written line by line: a long run notes thousands of pictures.
std::FILE* fichier() {
    static std::FILE* const f = [] {
        const char* chemin = std::getenv("VORLEN_IMAGES");
        std::FILE* ouvert = chemin != nullptr ? std::fopen(chemin, "a") : nullptr;
        if (ouvert != nullptr) {
            std::setvbuf(ouvert, nullptr, _IOLBF, 0);
        }
        return ouvert;
    }();
    return f;
}

void noter() {
    static const long nbImages = [] {
        const char* nb = std::getenv("VORLEN_NB_IMAGES");
        return nb != nullptr ? std::atol(nb) : 4L;
    }();
    static long vues = 0;
    if (vues++ >= nbImages || fichier() == nullptr) {
        return;
    }
    timespec t{};
    clock_gettime(CLOCK_REALTIME, &t);
    std::fprintf(fichier(), "%.3f\n", t.tv_sec * 1e3 + t.tv_nsec / 1e6);
}

// The library's own function of that name, which this one stands in front of.
template <typename Fonction> Fonction reelle(const char* nom) {
    return reinterpret_cast<Fonction>(dlsym(RTLD_NEXT, nom));
}

} // namespace

extern "C" void SDL_GL_SwapBuffers() {
    reelle<void (*)()>("SDL_GL_SwapBuffers")();
    noter();
}

extern "C" int SDL_Flip(SDL_Surface* ecran) {
    const int r = reelle<int (*)(SDL_Surface*)>("SDL_Flip")(ecran);
    noter();
    return r;
}

extern "C" void SDL_UpdateRects(SDL_Surface* ecran, int n, SDL_Rect* rects) {
    reelle<void (*)(SDL_Surface*, int, SDL_Rect*)>("SDL_UpdateRects")(ecran, n, rects);
    noter();
}
