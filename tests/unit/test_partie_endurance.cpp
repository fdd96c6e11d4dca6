#include "banc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

static const int framesParHeure = 3600 * 1000 / Partie::dureeFrame;

static long memoireResidenteKo() {
    long pages = 0, residentes = 0;
    std::ifstream("/proc/self/statm") >> pages >> residentes;
    return residentes * (sysconf(_SC_PAGESIZE) / 1024);
}

static void presser(Uint8 type, SDLKey touche) {
    SDL_Event event = {type};
    event.key.keysym.sym = touche;
    SDL_PushEvent(&event);
}

// Plays as a careful player at the keyboard: launches held balls, fires when
// it can, and runs under the lowest falling ball, meeting it a little off
// centre so that it does not bounce up and down one line for ever.
static void piloter(Banc<Normal1j>& partie, int frame) {
    const Balle* basse = nullptr;
    for (const Balle& balle : partie.balles()) {
        if (!balle.isHooked() && balle.isGoingDown() &&
            (basse == nullptr || balle.getPosition()->Y < basse->getPosition()->Y)) {
            basse = &balle;
        }
    }
    const float cible = basse ? basse->getPosition()->X + ((frame / 700) % 5 - 2) * 1.5f : 0.0f;
    const float x = partie.j1().getBatteRef().getPosition()->X;
    presser(cible < x - 0.5f ? SDL_KEYDOWN : SDL_KEYUP, SDLK_LEFT);
    presser(cible > x + 0.5f ? SDL_KEYDOWN : SDL_KEYUP, SDLK_RIGHT);
    presser(frame % 2 ? SDL_KEYDOWN : SDL_KEYUP, SDLK_SPACE);
}

// Plays an hour of a match, its levels from niveaux.lvl in `dossier`; nothing may pile up.
static void jouerUneHeure(const char* dossier) {
    HorlogeDeTest horloge;
    Banc<Normal1j> partie;
    const std::filesystem::path ici = std::filesystem::current_path();
    std::filesystem::current_path(dossier);
    // The first frame loads level 1: that one is not a level cleared.
    int frames = 0, niveaux = -1, briques = 0;
    std::size_t balles = 0, bonus = 0, debris = 0, tirs = 0;
    long memoireApresEchauffement = 0;
    for (bool continuer = true; continuer && frames < framesParHeure && !partie.perdu(); ++frames) {
        horloge.avancer(Partie::dureeFrame);
        piloter(partie, frames);
        continuer = partie.jouerSansDessiner();
        // Only a new level brings bricks back.
        niveaux += partie.niveau().nbBriquesRestantes() > briques ? 1 : 0;
        briques = partie.niveau().nbBriquesRestantes();
        balles = std::max(balles, partie.balles().size());
        bonus = std::max(bonus, partie.bonus().size());
        debris = std::max(debris, partie.debris().size());
        tirs = std::max(tirs, partie.tirs().size());
        if (frames == framesParHeure / 10) {
            memoireApresEchauffement = memoireResidenteKo();
        }
    }
    const long croissanceKo = memoireResidenteKo() - memoireApresEchauffement;
    std::filesystem::current_path(ici);
    std::printf("%s: %d frames, %d levels cleared, at most %zu balls, %zu capsules, %zu debris, "
                "%zu shots; resident memory +%ld KiB after warm-up\n",
                dossier, frames, niveaux, balles, bonus, debris, tirs, croissanceKo);
    EXPECT_EQ(frames, framesParHeure) << "the match ended early; lost: " << partie.perdu();
    EXPECT_GE(niveaux, 3);
    EXPECT_LE(balles, 40u);
    EXPECT_LE(bonus, 60u);
    EXPECT_LE(debris, 6000u);
    EXPECT_LE(tirs, 10u);
#ifndef __SANITIZE_ADDRESS__
    // AddressSanitizer holds freed memory back on purpose; it checks leaks itself.
    EXPECT_LE(croissanceKo, 2048);
#endif
}

TEST(Endurance, AnHourOnTheBuiltInLevel) {
    jouerUneHeure("/");
}

TEST(Endurance, AnHourThroughTheLevelFile) {
    jouerUneHeure(".");
}
