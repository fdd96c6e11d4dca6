// SPDX-License-Identifier: GPL-3.0-or-later
#include "rendu/FreeType.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

// A bitmap font at 16 pixels, the size a font asked for at 12 points gets:
// glyphs 13 pixels wide, 1 bit per pixel, so each row is 2 bytes of which
// 13 bits count.
static const char* const policeBdf = R"(STARTFONT 2.1
FONT -vorlen-essai-medium-r-normal--16-120-96-96-c-140-iso10646-1
SIZE 12 96 96
FONTBOUNDINGBOX 13 3 0 0
STARTPROPERTIES 3
PIXEL_SIZE 16
FONT_ASCENT 3
FONT_DESCENT 0
ENDPROPERTIES
CHARS 1
STARTCHAR B
ENCODING 66
SWIDTH 840 0
DWIDTH 14 0
BBX 13 3 0 0
BITMAP
FFF8
0000
4010
ENDCHAR
ENDFONT
)";

// The coverage of a glyph's texture, one string per row, '#' where it is full.
static std::vector<std::string> couverture(GLuint texture) {
    glBindTexture(GL_TEXTURE_2D, texture);
    GLint W = 0;
    GLint H = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &W);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &H);
    std::vector<unsigned char> rgba(4 * W * H);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    std::vector<std::string> lignes(H, std::string(W, '.'));
    for (int j = 0; j < H; ++j) {
        for (int i = 0; i < W; ++i) {
            lignes[j][i] = rgba[4 * (i + j * W) + 3] == 255 ? '#' : '.';
        }
    }
    return lignes;
}

TEST(PoliceBitmap, OneBitGlyphsAreReadRowByRowWithinTheirBitmap) {
    const char* const fichier = "essai-bitmap.bdf";
    std::ofstream(fichier) << policeBdf;
    freetype::font_data police;
    ASSERT_NO_THROW(police.init(fichier, 12));
    std::remove(fichier);
    EXPECT_EQ(couverture(police.textures['B']),
              (std::vector<std::string>{"#############...", "................", ".#.........#....",
                                        "................"}));
}
