#include "fenetre.h"

#include "menu.h"

#include <GL/gl.h>
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <dlfcn.h>

namespace {

class FenetreOpenGL : public ::testing::Environment {
public:
    void SetUp() override {
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
        SDL_WM_SetCaption("Vorlen", nullptr);
        ASSERT_NE(
            SDL_SetVideoMode(Capture::largeur, Capture::hauteur, 16, SDL_OPENGL | SDL_ANYFORMAT),
            nullptr)
            << SDL_GetError();
        initGL();
    }
    void TearDown() override { SDL_Quit(); }
};

} // namespace

// Mesa's software renderer keeps the last frame in the back buffer after the
// swap, and its front buffer cannot be read back under Xvfb.
Capture::Capture() : rgb(largeur * hauteur * 3) {
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, largeur, hauteur, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
}

Pixel Capture::at(int colonne, int ligne) const {
    const unsigned char* p = &rgb[((hauteur - 1 - ligne) * largeur + colonne) * 3];
    return {p[0], p[1], p[2]};
}

void Capture::sauver(const std::string& nom) const {
    FILE* f = std::fopen(nom.c_str(), "wb");
    if (f == nullptr) {
        return;
    }
    std::fprintf(f, "P6\n%d %d\n255\n", largeur, hauteur);
    for (int l = hauteur - 1; l >= 0; --l) {
        std::fwrite(&rgb[l * largeur * 3], 1, largeur * 3, f);
    }
    std::fclose(f);
}

int main(int argc, char** argv) {
#ifdef __SANITIZE_ADDRESS__
    // Mesa's software driver is unloaded at exit before LeakSanitizer looks, so
    // what it still holds would look lost; kept loaded, it is seen as reachable.
    dlopen("/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so", RTLD_NOW | RTLD_NODELETE);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new FenetreOpenGL);
    return RUN_ALL_TESTS();
}
