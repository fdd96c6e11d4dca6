// SPDX-License-Identifier: GPL-3.0-or-later
// Frame timing in the real window: the work of one frame (simulation,
// drawing, swap; pacing excluded), median and 99th percentile, beside the
// floor of an empty frame measured in the same run. The mean CPU time of a
// frame counts the software renderer's threads too: it is what a match
// costs the machine, where the wall time is what it costs the frame rate.
// Run from the run-time directory: cd build/data && ../bench/bench_frames
#include "ecrans/menu.h"
#include "rendu/toile.h"
#include "scene.h"

#include <GL/gl.h>
#include <SDL.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

const int nbFrames = 600;

// CPU time used so far by every thread of the process, in milliseconds.
double tempsCpu() {
    rusage r;
    getrusage(RUSAGE_SELF, &r);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return ms(r.ru_utime) + ms(r.ru_stime);
}

void mesurer(const char* nom, const std::function<void()>& frame) {
    std::vector<double> durees;
    durees.reserve(nbFrames);
    const double cpuAvant = tempsCpu();
    for (int k = 0; k < nbFrames; ++k) {
        const auto debut = std::chrono::steady_clock::now();
        frame();
        glFinish();
        const auto fin = std::chrono::steady_clock::now();
        durees.push_back(std::chrono::duration<double, std::milli>(fin - debut).count());
    }
    const double cpu = (tempsCpu() - cpuAvant) / nbFrames;
    std::sort(durees.begin(), durees.end());
    std::printf("%-34s median %7.3f ms   p99 %7.3f ms   CPU %6.3f ms   (%d frames)\n", nom,
                durees[durees.size() / 2], durees[durees.size() * 99 / 100], cpu, nbFrames);
}

} // namespace

int main() {
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "bench_frames: %s\n", SDL_GetError());
        return 1;
    }
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    if (SDL_SetVideoMode(largeurToile, hauteurToile, 16, SDL_OPENGL | SDL_ANYFORMAT) == nullptr) {
        std::fprintf(stderr, "bench_frames: %s\n", SDL_GetError());
        return 1;
    }
    initGL();
    HorlogeDeTest horloge;
    {
        Banc<Normal1j> partie;
        mesurer("empty frame (clear, swap)", [] {
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            SDL_GL_SwapBuffers();
        });
        mesurer("panel, border and paddle", [&] { partie.frame(); });
        partie.gerer(); // loads level 1 and the held ball
        mesurer("level 1 with its ball", [&] { partie.frame(); });
    }
    {
        Banc<Normal1j> partie;
        remplirSceneLourde(partie);
        // The scene keeps its weight: debris live far longer than the run.
        mesurer("heavy scene (rules and drawing)", [&] {
            horloge.avancer(Partie::dureeFrame);
            partie.frame();
        });
    }
    SDL_Quit();
    return 0;
}
