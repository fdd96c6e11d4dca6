#include "FreeType.h"
#include "fenetre.h"
#include "typesparties.h"

#include <GL/gl.h>
#include <SDL.h>
#include <gtest/gtest.h>

namespace {

bool allume(const Pixel& p) {
    return p.r > 128 && p.v > 128 && p.b > 128;
}

// Draws `texte` in white at (x, y) on a cleared 800x600 screen and shows it.
Capture afficherTexte(const freetype::font_data& police, float x, float y, const char* texte) {
    glViewport(0, 0, Capture::largeur, Capture::hauteur);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glColor3ub(255, 255, 255);
    freetype::print(police, x, y, "%s", texte);
    SDL_GL_SwapBuffers();
    return Capture();
}

// Names a new display list or texture would get now.
GLuint prochaineListe() {
    const GLuint base = glGenLists(1);
    glDeleteLists(base, 1);
    return base;
}

GLuint prochaineTexture() {
    GLuint texture;
    glGenTextures(1, &texture);
    glDeleteTextures(1, &texture);
    return texture;
}

// How many of the names in [debut, fin) still hold a list or a texture.
int nomsVivants(GLuint debut, GLuint fin, GLboolean (*existe)(GLuint)) {
    int vivants = 0;
    for (GLuint nom = debut; nom < fin; ++nom) {
        vivants += existe(nom) ? 1 : 0;
    }
    return vivants;
}

} // namespace

TEST(Police, AMissingFileThrowsNamingTheFile) {
    freetype::font_data police;
    try {
        police.init("absente.ttf", 16);
        FAIL() << "no exception";
    } catch (const freetype::ErreurPolice& e) {
        EXPECT_STREQ(e.what(),
                     "FT_New_Face failed (there is probably a problem with your font file)");
        EXPECT_EQ(e.fichier(), "absente.ttf");
    }
    EXPECT_EQ(police.textures, nullptr) << "a failed font holds nothing";
}

TEST(Police, TheSecondLineStandsOneLineHeightBelowTheFirst) {
    freetype::font_data police;
    police.init("AXAXAX.TTF", 16);
    const Capture une = afficherTexte(police, 100, 300, "H");
    const Capture deux = afficherTexte(police, 100, 300, "\nH");
    const Cadre premier = une.cadreDans(90, 140, 250, 330, allume);
    const Cadre second = deux.cadreDans(90, 140, 250, 330, allume);
    ASSERT_FALSE(premier.vide());
    ASSERT_FALSE(second.vide());
    EXPECT_EQ(second.col0, premier.col0);
    EXPECT_NEAR(second.lig0 - premier.lig0, 16 / 0.63, 1.0);
    EXPECT_NEAR(premier.lig1, 600 - 300, 1) << "the baseline is at y = 300";
}

TEST(Police, ALongTextIsCutNotOverflowed) {
    freetype::font_data police;
    police.init("AXAXAX.TTF", 14);
    const std::string tresLong(1000, 'W');
    const Capture capture = afficherTexte(police, 0, 300, tresLong.c_str());
    EXPECT_TRUE(capture.unPixelDans(0, 799, 285, 300, allume));
}

TEST(Police, AFontReleasesItsListsAndTexturesOnce) {
    GLuint base;
    GLuint premiereTexture;
    {
        freetype::font_data police;
        police.init("AXAXAX.TTF", 16);
        base = police.list_base;
        premiereTexture = police.textures[0];
        EXPECT_TRUE(glIsList(base + 'A'));
        police.clean();
        EXPECT_FALSE(glIsList(base + 'A'));
        EXPECT_EQ(police.textures, nullptr);
        police.init("AXAXAX.TTF", 16);
    }
    EXPECT_EQ(nomsVivants(base, prochaineListe(), glIsList), 0);
    EXPECT_EQ(nomsVivants(premiereTexture, prochaineTexture(), glIsTexture), 0);
}

TEST(Police, MatchesReleaseTheirPanelFont) {
    const GLuint premiereListe = prochaineListe();
    const GLuint premiereTexture = prochaineTexture();
    for (int k = 0; k < 3; ++k) {
        Normal1j partie;
    }
    EXPECT_EQ(nomsVivants(premiereListe, prochaineListe(), glIsList), 0);
    EXPECT_EQ(nomsVivants(premiereTexture, premiereTexture + 3 * 128 + 1, glIsTexture), 0);
}
