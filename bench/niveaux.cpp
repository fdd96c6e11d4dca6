// SPDX-License-Identifier: GPL-3.0-or-later
// What each level of a set costs a steady player (tests/commun/pilote.h) on
// the rules alone: frames to clear it, its time of play, paddles lost. The
// table a level designer reads to order a set from easy to hard, with the
// time spent hunting the last few bricks.
// Usage, from the run-time directory:
//   ../bench/bench_niveaux [--difficulte facile|normal|difficile] [FILE]
// With no file, every set the game ships, one table each; "normal" by default.
#include "niveaux/serie.h"
#include "pilote.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

std::string minutes(long passages) {
    const long secondes = passages * Partie::dureeFrame / 1000;
    return std::to_string(secondes / 60) + ":" + (secondes % 60 < 10 ? "0" : "") +
           std::to_string(secondes % 60);
}

void mesurer(const std::string& fichier, difficulte::Choix choix) {
    HorlogeDeTest horloge;
    // The level reader's trace of each level laid out is not the table.
    std::streambuf* const sortie = std::cout.rdbuf(nullptr);
    // Each set played as in a freshly started game, whatever was played before.
    std::srand(1);
    Banc<Normal1j> partie(fichier);
    partie.choisirDifficulte(choix);
    const long passagesMax = 60L * 60 * 1000 / Partie::dureeFrame; // an hour on one level
    const std::vector<BilanNiveau> bilans = Pilote().jouer(partie, horloge, passagesMax);
    std::cout.rdbuf(sortie);
    std::printf("%s, %s\n%-6s %8s %8s %11s %8s\n", fichier.c_str(), difficulte::mots[choix],
                "level", "frames", "time", "last bricks", "paddles");
    for (const BilanNiveau& b : bilans) {
        std::printf("%-6d %8ld %8s %11s %8d%s\n", b.numero, b.passages, minutes(b.passages).c_str(),
                    minutes(b.passagesFin).c_str(), b.battesPerdues,
                    b.fini ? "" : "  (not cleared)");
    }
    std::printf("score %d\n\n", partie.getScoreTotal());
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    difficulte::Choix choix = difficulte::NORMAL;
    if (arguments.size() >= 2 && arguments[0] == "--difficulte") {
        const std::optional<difficulte::Choix> lu = difficulte::lire(arguments[1]);
        if (!lu) {
            std::cerr << "bench_niveaux: --difficulte facile, normal ou difficile" << std::endl;
            return 2;
        }
        choix = *lu;
        arguments.erase(arguments.begin(), arguments.begin() + 2);
    }
    if (!arguments.empty()) {
        mesurer(arguments[0], choix);
        return 0;
    }
    for (const Serie& serie : seriesDuJeu(std::cerr)) {
        mesurer(serie.getFichier(), choix);
    }
    return 0;
}
