#include "FreeType.h"
#include "fenetre.h"
#include "typesparties.h"

#include <SDL.h>
#include <gtest/gtest.h>

const auto allume = [](const Pixel& p) { return p.r > 128 && p.v > 128 && p.b > 128; };

// Draws `texte` in white at (x, y) on a cleared screen and shows it.
static Capture afficher(const freetype::font_data& police, float x, float y, const char* texte) {
    glViewport(0, 0, Capture::largeur, Capture::hauteur);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glColor3ub(255, 255, 255);
    freetype::print(police, x, y, "%s", texte);
    SDL_GL_SwapBuffers();
    return Capture();
}

// How many of the names in [debut, fin) still hold a list or a texture.
static int nomsVivants(GLuint debut, GLuint fin, GLboolean (*existe)(GLuint)) {
    int vivants = 0;
    for (GLuint nom = debut; nom < fin; ++nom) {
        vivants += existe(nom);
    }
    return vivants;
}

TEST(Police, TheSecondLineStandsOneLineHeightBelowTheFirstAndALongTextIsCutNotOverflowed) {
    freetype::font_data police;
    police.init("AXAXAX.TTF", 16);
    const Cadre premier = afficher(police, 100, 300, "H").cadreDans(90, 140, 250, 330, allume);
    const Cadre second = afficher(police, 100, 300, "\nH").cadreDans(90, 140, 250, 330, allume);
    ASSERT_FALSE(premier.vide() || second.vide());
    EXPECT_EQ(second.col0, premier.col0);
    EXPECT_NEAR(second.lig0 - premier.lig0, 16 / 0.63, 1.0);
    EXPECT_NEAR(premier.lig1, 600 - 300, 1) << "the baseline is at y = 300";
    const Capture tresLong = afficher(police, 0, 300, std::string(1000, 'W').c_str());
    EXPECT_TRUE(tresLong.unPixelDans(0, 799, 285, 300, allume));
}

TEST(Police, AFontAndEachMatchsPanelFontReleaseTheirListsAndTexturesOnce) {
    GLuint premiereListe;
    GLuint premiereTexture;
    {
        freetype::font_data police;
        police.init("AXAXAX.TTF", 16);
        premiereListe = police.list_base;
        premiereTexture = police.textures[0];
        EXPECT_TRUE(glIsList(premiereListe + 'A'));
        police.clean();
        EXPECT_FALSE(glIsList(premiereListe + 'A'));
        EXPECT_EQ(police.textures, nullptr);
        police.init("AXAXAX.TTF", 16);
    }
    for (int k = 0; k < 3; ++k) {
        Normal1j partie;
    }
    // Every name the five fonts could have taken is free again.
    const GLuint noms = 5 * freetype::font_data::nbCaracteres;
    EXPECT_EQ(nomsVivants(premiereListe, premiereListe + noms, glIsList), 0);
    EXPECT_EQ(nomsVivants(premiereTexture, premiereTexture + noms, glIsTexture), 0);
}
