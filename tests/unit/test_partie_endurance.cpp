#include "banc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace {

// One simulated hour at one frame every 16 ms.
const int framesParHeure = 225000;

long memoireResidenteKo() {
    long pages = 0;
    long residentes = 0;
    FILE* f = std::fopen("/proc/self/statm", "r");
    if (f != nullptr) {
        if (std::fscanf(f, "%ld %ld", &pages, &residentes) != 2) {
            residentes = 0;
        }
        std::fclose(f);
    }
    return residentes * (sysconf(_SC_PAGESIZE) / 1024);
}

void presser(Uint8 type, SDLKey touche) {
    SDL_Event event = {};
    event.type = type;
    event.key.type = type;
    event.key.keysym.sym = touche;
    SDL_PushEvent(&event);
}

// Plays as a careful player at the keyboard: launches held balls, fires when
// it can, and runs under the lowest falling ball, meeting it a little off
// centre so that it does not bounce up and down one line for ever.
void piloter(Banc<Normal1j>& partie, int frame) {
    const Joueur& J = partie.j1();
    const Balle* basse = nullptr;
    for (const Balle& balle : partie.balles()) {
        if (!balle.isHooked() && balle.isGoingDown() &&
            (basse == nullptr || balle.getPosition()->Y < basse->getPosition()->Y)) {
            basse = &balle;
        }
    }
    const float decalage = static_cast<float>((frame / 700) % 5 - 2) * 1.5f;
    const float cible = basse ? basse->getPosition()->X + decalage : 0.0f;
    const float x = J.getBatteRef().getPosition()->X;
    presser(cible < x - 0.5f ? SDL_KEYDOWN : SDL_KEYUP, SDLK_LEFT);
    presser(cible > x + 0.5f ? SDL_KEYDOWN : SDL_KEYUP, SDLK_RIGHT);
    presser(frame % 2 ? SDL_KEYDOWN : SDL_KEYUP, SDLK_SPACE);
}

struct Bilan {
    int frames = 0;
    int niveauxPasses = 0;
    std::size_t maxBalles = 0;
    std::size_t maxBonus = 0;
    std::size_t maxDebris = 0;
    std::size_t maxTirs = 0;
    long croissanceMemoireKo = 0;
};

// Plays one hour of a match; its levels come from niveaux.lvl in `dossier`.
void jouerUneHeure(const char* dossier, Bilan& bilan) {
    HorlogeDeTest horloge;
    Banc<Normal1j> partie;
    char ici[4096];
    ASSERT_NE(getcwd(ici, sizeof ici), nullptr);
    ASSERT_EQ(chdir(dossier), 0) << dossier;
    int briques = partie.niveau().nbBriquesRestantes();
    long memoireApresEchauffement = 0;
    for (; bilan.frames < framesParHeure && !partie.perdu(); ++bilan.frames) {
        const int frame = bilan.frames;
        horloge.avancer(Partie::dureeFrame);
        piloter(partie, frame);
        ASSERT_TRUE(partie.jouerSansDessiner()) << "the match ended at frame " << frame;
        // Only a new level brings bricks back.
        if (partie.niveau().nbBriquesRestantes() > briques) {
            ++bilan.niveauxPasses;
        }
        briques = partie.niveau().nbBriquesRestantes();
        bilan.maxBalles = std::max(bilan.maxBalles, partie.balles().size());
        bilan.maxBonus = std::max(bilan.maxBonus, partie.bonus().size());
        bilan.maxDebris = std::max(bilan.maxDebris, partie.debris().size());
        bilan.maxTirs = std::max(bilan.maxTirs, partie.tirs().size());
        if (frame == framesParHeure / 10) {
            memoireApresEchauffement = memoireResidenteKo();
        }
    }
    bilan.croissanceMemoireKo = memoireResidenteKo() - memoireApresEchauffement;
    ASSERT_EQ(chdir(ici), 0);
    std::printf(
        "%s: %d frames, %d levels cleared, at most %zu balls, %zu capsules, %zu debris, %zu shots; "
        "resident memory +%ld KiB after warm-up\n",
        dossier, bilan.frames, bilan.niveauxPasses, bilan.maxBalles, bilan.maxBonus,
        bilan.maxDebris, bilan.maxTirs, bilan.croissanceMemoireKo);
}

void verifierUneHeure(const char* dossier) {
    Bilan bilan;
    jouerUneHeure(dossier, bilan);
    EXPECT_EQ(bilan.frames, framesParHeure) << "the autopilot lost the match";
    EXPECT_GE(bilan.niveauxPasses, 3);
    EXPECT_LE(bilan.maxBalles, 40u);
    EXPECT_LE(bilan.maxBonus, 60u);
    EXPECT_LE(bilan.maxDebris, 6000u);
    EXPECT_LE(bilan.maxTirs, 10u);
#ifndef __SANITIZE_ADDRESS__
    // AddressSanitizer holds freed memory back on purpose; it checks leaks itself.
    EXPECT_LE(bilan.croissanceMemoireKo, 2048);
#endif
}

} // namespace

TEST(Endurance, AnHourOnTheBuiltInLevel) {
    verifierUneHeure("/");
}

TEST(Endurance, AnHourThroughTheLevelFile) {
    verifierUneHeure(".");
}
