// SPDX-License-Identifier: GPL-3.0-or-later
// A long match's replay: ten minutes of play (37,500 frames) by an autopilot
// whose mouse follows the ball every frame, the heaviest input a match
// records, written as the game writes it, then played back without a window.
// Prints the file's size and the time of the playback, median of five.
// Usage, from the run-time directory: ../bench/bench_rejeu [FILE]
#include "banc.h"
#include "jeu/magnetoscope.h"
#include "rendu/display.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

const int frames = 10 * 60 * 1000 / 16;

Rejeu jouerDixMinutes() {
    HorlogeDeTest horloge;
    Banc<Normal1j> partie;
    for (int k = 0; k < frames; ++k) {
        // A frame in eight comes a millisecond late, as on a busy desktop.
        horloge.avancer(k % 8 == 0 ? 17 : 16);
        std::vector<SDL_Event> e;
        if (k % 97 == 0) {
            e.push_back(touche(SDLK_SPACE));
        }
        if (!partie.balles().empty()) {
            const float ecart = partie.balles().front().getPosition()->X -
                                partie.j1().getBatteRef().getPosition()->X + 1.5f;
            e.push_back(mouvementSouris(static_cast<int>(ecart * Disposition::pixelsParUnite())));
        }
        partie.passage(e);
    }
    std::printf("score %d, level %d\n", partie.getScoreTotal(), partie.getNumNiveau());
    return partie.rejeu();
}

} // namespace

int main(int argc, char** argv) {
    const std::string fichier = argc > 1 ? argv[1] : "dix-minutes.rejeu";
    const Rejeu rejeu = jouerDixMinutes();
    const std::string texte = rejeu.texte();
    std::ofstream(fichier, std::ios::binary) << texte;
    std::printf("%d frames: %zu bytes in %s\n", frames, texte.size(), fichier.c_str());
    std::vector<double> durees;
    for (int essai = 0; essai < 5; ++essai) {
        const auto debut = std::chrono::steady_clock::now();
        std::string raison;
        const std::optional<Rejeu> relu = Rejeu::lire(texte, raison);
        Magnetoscope magnetoscope(*relu);
        while (magnetoscope.avancer()) {
        }
        durees.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut)
                .count());
        if (magnetoscope.egare() || magnetoscope.passage() != frames) {
            std::printf("the replay went astray at frame %ld\n", magnetoscope.passage());
            return 1;
        }
    }
    std::sort(durees.begin(), durees.end());
    std::printf("read and played back without a window: %.1f ms (median of 5)\n", durees[2]);
    return 0;
}
