// SPDX-License-Identifier: GPL-3.0-or-later
// Frame timing in the real window: the work of one frame (simulation,
// drawing, swap; pacing excluded), median and 99th percentile, beside the
// floor of an empty frame measured in the same run. The CPU time of a frame
// counts the software renderer's threads too: it is what a match costs the
// machine, where the wall time is what it costs the frame rate.
// Every figure at three window sizes, each against the empty frame of its
// size. Run from the run-time directory, on a screen of 1440x1080 or more:
// cd build/data && xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" ../bench/bench_frames
#include "rendu/imagesgl.h"
#include "systeme/fenetre.h"
#include "systeme/toile.h"
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
    std::vector<double> cpus;
    durees.reserve(nbFrames);
    cpus.reserve(nbFrames);
    for (int k = 0; k < nbFrames; ++k) {
        const double cpuAvant = tempsCpu();
        const auto debut = std::chrono::steady_clock::now();
        frame();
        glFinish();
        const auto fin = std::chrono::steady_clock::now();
        cpus.push_back(tempsCpu() - cpuAvant);
        durees.push_back(std::chrono::duration<double, std::milli>(fin - debut).count());
    }
    std::sort(durees.begin(), durees.end());
    std::sort(cpus.begin(), cpus.end());
    const auto median = [](const std::vector<double>& v) { return v[v.size() / 2]; };
    const auto p99 = [](const std::vector<double>& v) { return v[v.size() * 99 / 100]; };
    std::printf("%-34s median %7.3f ms   p99 %7.3f ms   CPU median %6.3f ms   p99 %6.3f ms\n", nom,
                median(durees), p99(durees), median(cpus), p99(cpus));
}

// Each scene at one window size, beside the empty frame of that size.
void mesurerTaille(int largeur, int hauteur, HorlogeDeTest& horloge) {
    if (SDL_SetVideoMode(largeur, hauteur, 16, SDL_OPENGL | SDL_ANYFORMAT) == nullptr) {
        std::fprintf(stderr, "bench_frames: %dx%d: %s\n", largeur, hauteur, SDL_GetError());
        return;
    }
    toile::adapter(largeur, hauteur);
    std::printf("== %dx%d ==\n", largeur, hauteur);
    initGL();
    {
        Banc<Normal1j> partie;
        mesurer("empty frame (clear, swap)", [] {
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            SDL_GL_SwapBuffers();
        });
        mesurer("panel, border and paddle", [&] { partie.dessinerSeulement(); });
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
}

} // namespace

int main() {
    fenetre::choisirPilotes();
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "bench_frames: %s\n", SDL_GetError());
        return 1;
    }
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    HorlogeDeTest horloge;
    commeUnHabitue();
    // The canvas's own size, a 4:3 window of 1280x960, and the picture at
    // full height on a 1920x1080 screen.
    const int tailles[][2] = {{largeurToile, hauteurToile}, {1280, 960}, {1440, 1080}};
    for (const auto& taille : tailles) {
        mesurerTaille(taille[0], taille[1], horloge);
    }
    SDL_Quit();
    return 0;
}
