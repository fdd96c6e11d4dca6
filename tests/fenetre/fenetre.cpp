// SPDX-License-Identifier: GPL-3.0-or-later
#include "fenetre.h"
#include "evenements.h"

#include "ecrans/menu.h"
#include "profil/settings.h"
#include "rendu/imagesgl.h"
#include "systeme/toile.h"
#include "systeme/fenetre.h"

#include <GL/gl.h>
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <dlfcn.h>

// Opens the one window of the run; false with SDL's reason when it cannot.
static bool ouvrirFenetre() {
    fenetre::choisirPilotes();
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        return false;
    }
    fenetre::Choix choix = currentSettings.getChoixFenetre();
    if (!fenetre::ouvrir(*SDL_GetVideoInfo(), choix)) {
        SDL_Quit();
        return false;
    }
    return initGL();
}

// Mesa's software renderer keeps the last frame in the back buffer after the
// swap, and its front buffer cannot be read back under Xvfb.
Capture::Capture()
    : largeurLue(toile::largeurFenetre()), hauteurLue(toile::hauteurFenetre()),
      rgb(largeurLue * hauteurLue * 3) {
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, largeurLue, hauteurLue, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
}

Pixel Capture::at(int colonne, int ligne) const {
    const toile::Rectangle p = toile::versFenetre({colonne, hauteur - 1 - ligne, 1, 1});
    return pixelFenetre(p.x, hauteurLue - 1 - p.y);
}

Pixel Capture::pixelFenetre(int colonne, int ligne) const {
    const unsigned char* p = &rgb[((hauteurLue - 1 - ligne) * largeurLue + colonne) * 3];
    return {p[0], p[1], p[2]};
}

std::unique_ptr<Menu> menuNeuf(const std::string& fichierNiveaux) {
    std::remove(FichierPartieGardee::cheminParDefaut().c_str());
    return std::make_unique<Menu>(0.0f, 0.0f, 20.0f, -20.0f, fichierNiveaux);
}

std::unique_ptr<Menu> menuApres(const std::string& fichierNiveaux) {
    pousser(SDL_Event{SDL_QUIT});
    return menuNeuf(fichierNiveaux);
}

int main(int argc, char** argv) {
#ifdef __SANITIZE_ADDRESS__
    // Mesa's software driver is unloaded at exit before LeakSanitizer looks, so
    // what it still holds would look lost; kept loaded, it is seen as reachable.
    dlopen("/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so", RTLD_NOW | RTLD_NODELETE);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS();
    }
    // Without its window no test here means anything: fail, never skip. The
    // shared X server is sometimes still busy with the last test's window:
    // asked for every 50 ms, up to 30 s.
    const int essaisMax = 600;
    int essais = 0;
    while (!ouvrirFenetre() && ++essais < essaisMax) {
        SDL_Delay(50);
    }
    if (essais == essaisMax) {
        std::fprintf(stderr, "vorlen_tests_fenetre: no OpenGL window: %s\n", SDL_GetError());
        return 1;
    }
    const int resultat = RUN_ALL_TESTS();
    SDL_Quit();
    return resultat;
}

void montrerEn(langue::Choix choix) {
    langue::lier(VORLEN_CATALOGUES_CONSTRUITS);
    langue::choisir(choix);
}

std::vector<freetype::LigneDessinee> lignesDe(const std::function<void()>& dessiner) {
    std::vector<freetype::LigneDessinee> lignes;
    freetype::noterLignes(&lignes);
    dessiner();
    freetype::noterLignes(nullptr);
    return lignes;
}

void verifierDans(const std::vector<freetype::LigneDessinee>& lignes, float gauche, float droite,
                  const std::string& ecran) {
    ASSERT_FALSE(lignes.empty()) << ecran << " drew no text";
    for (const freetype::LigneDessinee& l : lignes) {
        EXPECT_TRUE(l.gauche >= gauche && l.droite <= droite && l.bas >= 0 &&
                    l.haut <= hauteurToile)
            << ecran << ": \"" << l.texte << "\" spans " << l.gauche << " to " << l.droite
            << ", rows " << l.bas << " to " << l.haut;
        EXPECT_FALSE(l.texte.size() > 3 && l.texte.compare(l.texte.size() - 3, 3, "...") == 0)
            << ecran << ": \"" << l.texte << "\" was cut to fit";
    }
}
