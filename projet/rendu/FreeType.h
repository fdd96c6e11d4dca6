// SPDX-License-Identifier: GPL-3.0-or-later
// Text through a TrueType font: each character of codes 0 to 127 rendered
// once into a texture and a display list, strings drawn in pixel units.
#ifndef VORLEN_FREETYPE_H
#define VORLEN_FREETYPE_H

#include "systeme/donnees.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <GL/gl.h>

#include <cstdarg>
#include <stdexcept>
#include <string>
#include <vector>

namespace freetype {

using ::fichierPolice;

// A font that could not be built; what() says why, fichier() which file.
class ErreurPolice : public std::runtime_error {
public:
    ErreurPolice(const std::string& raison, const std::string& fichier)
        : std::runtime_error(raison), nomFichier(fichier) {}
    const std::string& fichier() const { return nomFichier; }

private:
    std::string nomFichier;
};

class font_data {
public:
    // Latin-1: ASCII, and the letters with accents players' names hold.
    static constexpr int nbCaracteres = 256;

    float h;
    // Rasterised again, as a cache is, when the window's scale changes: the
    // same font, sharp at the new size.
    mutable GLuint* textures;
    mutable GLuint list_base;
    // How far each character moves the pen, in pixels of the glyphs' scale.
    mutable int avances[nbCaracteres];

    font_data() : h(0.0f), textures(nullptr), list_base(0), avances(), echelle(1.0f) {}
    // Releases the font's textures and lists if it still holds them.
    ~font_data() { clean(); }
    font_data(const font_data&) = delete;
    font_data& operator=(const font_data&) = delete;

    // Builds every character at `h` points of the canvas, rasterised at the
    // window's scale; throws ErreurPolice on failure.
    void init(const char* fname, unsigned int h);
    // Releases the textures and lists; a second call does nothing.
    void clean();
    // The scale the glyphs were rasterised at: their pixels per canvas pixel.
    float echelleGlyphes() const { return echelle; }
    // Rasterises the glyphs again if the window's scale has changed since.
    // Where the file can no longer be read, one line, and the glyphs stay
    // as they were, magnified.
    void suivreEchelle() const;

private:
    std::string fichier;
    mutable float echelle;
};

int next_p2(int a);
// Compiles the list of `ch`; returns how far it moves the pen, in pixels.
int make_dlist(FT_Face face, char ch, GLuint list_base, GLuint* tex_base);
void pushScreenCoordinateMatrix();
void pop_projection_matrix();
// Draws printf-style text with the first line's baseline starting at (x, y).
void print(const font_data& ft_font, float x, float y, const char* fmt, ...)
    __attribute__((format(printf, 4, 5)));

// The width, in canvas pixels, of one line of text as print draws it.
float largeur(const font_data& ft_font, const std::string& ligne);
// The line as it fits in `largeurMax` canvas pixels: whole, or cut and ended
// with an ellipsis.
std::string ajuster(const font_data& ft_font, const std::string& ligne, float largeurMax);
// The same, cut in the middle instead: a path keeps its start and its file's name.
std::string abregerAuMilieu(const font_data& ft_font, const std::string& ligne, float largeurMax);
// The text with its lines broken between words so that each fits in
// `largeurMax` canvas pixels; a word wider than that is cut as ajuster cuts.
std::string couperAuxMots(const font_data& ft_font, const std::string& texte, float largeurMax);

// Where print drew a line: its text and its place on the canvas, for the
// tests that check every text fits where it stands, in every language.
struct LigneDessinee {
    std::string texte;
    float gauche, droite, bas, haut;
};
// Every line print draws from now on is added to `lignes`; nullptr stops.
void noterLignes(std::vector<LigneDessinee>* lignes);

// The text print draws: formatted, cut to what its 256-character buffer holds.
std::string formater(const char* fmt, va_list args);
// The lines print draws: every line feed ends one; the rest is one more.
std::vector<std::string> decouperLignes(const std::string& texte);

} // namespace freetype

#endif
