// SPDX-License-Identifier: GPL-3.0-or-later
// One rules step (every object moved, then the one-player rules pass) on the
// heavy scene, with Google Benchmark. No display needed; run from the
// run-time directory: cd build/data && ../bench/bench_regles
#include "scene.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Steps played on one scene before it is built again, so that every run
// measures a scene as heavy as the first.
const int etapesParScene = 200;

void BM_EtapeDeRegles(benchmark::State& state) {
    HorlogeDeTest horloge;
    std::unique_ptr<Banc<Normal1j>> partie;
    int etapes = 0;
    for (auto _ : state) {
        if (etapes++ % etapesParScene == 0) {
            state.PauseTiming();
            partie.reset();
            partie = std::make_unique<Banc<Normal1j>>();
            remplirSceneLourde(*partie);
            state.ResumeTiming();
        }
        horloge.avancer(Partie::dureeFrame);
        partie->deplacer();
        partie->verifier();
    }
}
BENCHMARK(BM_EtapeDeRegles)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
