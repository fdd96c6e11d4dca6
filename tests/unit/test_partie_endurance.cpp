#include "banc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <unistd.h>

static long memoireResidenteKo() {
    long pages = 0, residentes = 0;
    std::ifstream("/proc/self/statm") >> pages >> residentes;
    return residentes * (sysconf(_SC_PAGESIZE) / 1024);
}

// An hour of a match through the levels of niveaux.lvl, played as a careful
// player would: launching, firing when it can, and running under the lowest
// falling ball, a little off centre so that it does not bounce up and down one
// line for ever. Nothing may pile up and the match must not end.
TEST(Endurance, AnHourThroughTheLevelFile) {
    const int framesParHeure = 3600 * 1000 / Partie::dureeFrame;
    HorlogeDeTest horloge;
    Banc<Normal1j> partie;
    // The first frame loads level 1: that one is not a level cleared.
    int frames = 0, niveaux = -1, briques = 0;
    std::size_t balles = 0, debris = 0, tirs = 0;
    long memoireApresEchauffement = 0;
    for (bool continuer = true; continuer && frames < framesParHeure && !partie.perdu(); ++frames) {
        const Balle* basse = nullptr;
        for (const Balle& balle : partie.balles()) {
            if (!balle.isHooked() && balle.isGoingDown() &&
                (!basse || balle.getPosition()->Y < basse->getPosition()->Y)) {
                basse = &balle;
            }
        }
        const float cible = basse ? basse->getPosition()->X + ((frames / 700) % 5 - 2) * 1.5f : 0;
        const float x = partie.j1().getBatteRef().getPosition()->X;
        presser(SDLK_LEFT, cible < x - 0.5f);
        presser(SDLK_RIGHT, cible > x + 0.5f);
        presser(SDLK_SPACE, frames % 2);
        horloge.avancer(Partie::dureeFrame);
        continuer = partie.jouerSansDessiner();
        niveaux += partie.niveau().nbBriquesRestantes() > briques ? 1 : 0;
        briques = partie.niveau().nbBriquesRestantes();
        balles = std::max(balles, partie.balles().size());
        debris = std::max(debris, partie.debris().size());
        tirs = std::max(tirs, partie.tirs().size());
        if (frames == framesParHeure / 10) {
            memoireApresEchauffement = memoireResidenteKo();
        }
    }
    const long croissanceKo = memoireResidenteKo() - memoireApresEchauffement;
    std::printf("%d frames, %d levels cleared, at most %zu balls, %zu debris, %zu shots; resident "
                "memory +%ld KiB after warm-up\n",
                frames, niveaux, balles, debris, tirs, croissanceKo);
    EXPECT_EQ(frames, framesParHeure) << "the match ended early; lost: " << partie.perdu();
    EXPECT_GE(niveaux, 3);
    EXPECT_LE(balles, 40u);
    EXPECT_LE(debris, 6000u);
    EXPECT_LE(tirs, 10u);
#ifndef __SANITIZE_ADDRESS__
    // AddressSanitizer holds freed memory back on purpose; it checks leaks itself.
    EXPECT_LE(croissanceKo, 2048);
#endif
}
