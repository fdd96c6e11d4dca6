// SPDX-License-Identifier: GPL-3.0-or-later
#include "rendu/FreeType.h"

#include "systeme/langue.h"
#include "systeme/toile.h"
#include "systeme/utf8.h"

#include FT_GLYPH_H

#include <GL/glu.h>

#include <cmath>
#include <algorithm>
#include <sstream>
#include <cstdio>
#include <iostream>
#include <memory>

namespace freetype {

namespace {

const int tailleTampon = 256;
// Line spacing as a multiple of the character size.
const float interligne = 1.0f / 0.63f;
const char* const raisonNouvelleFace =
    "FT_New_Face failed (there is probably a problem with your font file)";

struct FinBibliotheque {
    void operator()(FT_Library b) const { FT_Done_FreeType(b); }
};
struct FinFace {
    void operator()(FT_Face f) const { FT_Done_Face(f); }
};
struct FinGlyphe {
    void operator()(FT_Glyph g) const { FT_Done_Glyph(g); }
};
using Bibliotheque = std::unique_ptr<FT_LibraryRec_, FinBibliotheque>;
using Face = std::unique_ptr<FT_FaceRec_, FinFace>;
using Glyphe = std::unique_ptr<FT_GlyphRec_, FinGlyphe>;

// The glyph of character `code` as a bitmap; throws when FreeType cannot
// make one.
Glyphe rendreGlyphe(FT_Face face, unsigned int code) {
    if (FT_Load_Glyph(face, FT_Get_Char_Index(face, code), FT_LOAD_DEFAULT)) {
        throw std::runtime_error("FT_Load_Glyph failed");
    }
    FT_Glyph brut;
    if (FT_Get_Glyph(face->glyph, &brut)) {
        throw std::runtime_error("FT_Get_Glyph failed");
    }
    Glyphe glyphe(brut);
    // On success the outline glyph is destroyed and replaced by the bitmap;
    // a glyph that already is a bitmap comes back as it was.
    if (FT_Glyph_To_Bitmap(&brut, FT_RENDER_MODE_NORMAL, nullptr, 1)) {
        throw std::runtime_error("FT_Glyph_To_Bitmap failed");
    }
    glyphe.release();
    return Glyphe(brut);
}

// The coverage (0 to 255) of pixel `i` of a bitmap row, in the modes a font
// can give: 8-bit grey, or 1 bit per pixel from bitmap strikes.
GLubyte couverture(const unsigned char* ligne, unsigned char mode, int i) {
    if (mode == FT_PIXEL_MODE_MONO) {
        return (ligne[i / 8] & (0x80 >> (i % 8))) ? 255 : 0;
    }
    return ligne[i];
}

// Copies the bitmap into a W x H luminance-alpha texture, padding with 0.
// Rows are `pitch` bytes apart, up or down the buffer as its sign says.
std::vector<GLubyte> texelsDuGlyphe(const FT_Bitmap& bitmap, int W, int H) {
    const int largeur = bitmap.width;
    const int lignes = bitmap.rows;
    const bool vide = largeur == 0 || lignes == 0;
    if (!vide && bitmap.pixel_mode != FT_PIXEL_MODE_GRAY &&
        bitmap.pixel_mode != FT_PIXEL_MODE_MONO) {
        throw std::runtime_error("unsupported glyph pixel mode " +
                                 std::to_string(bitmap.pixel_mode));
    }
    std::vector<GLubyte> texels(2 * W * H, 0);
    const unsigned char* haut =
        bitmap.pitch >= 0 ? bitmap.buffer : bitmap.buffer - bitmap.pitch * (lignes - 1);
    for (int j = 0; j < lignes; ++j) {
        const unsigned char* ligne = haut + j * bitmap.pitch;
        for (int i = 0; i < largeur; ++i) {
            const GLubyte valeur = couverture(ligne, bitmap.pixel_mode, i);
            texels[2 * (i + j * W)] = valeur;
            texels[2 * (i + j * W) + 1] = valeur;
        }
    }
    return texels;
}

// The UTF-8 line as the lists' codes: Latin-1, a '?' for any character
// beyond, which would call another font's lists.
std::string versLatin1(const std::string& ligne) {
    std::string codes;
    for (const unsigned int code : utf8::decoder(ligne)) {
        codes += code < font_data::nbCaracteres ? static_cast<char>(code) : '?';
    }
    return codes;
}

} // namespace

int next_p2(int a) {
    int rval = 1;
    while (rval < a) {
        rval <<= 1;
    }
    return rval;
}

int make_dlist(FT_Face face, char ch, GLuint list_base, GLuint* tex_base) {
    const Glyphe glyphe = rendreGlyphe(face, static_cast<unsigned char>(ch));
    const FT_BitmapGlyph bitmapGlyphe = reinterpret_cast<FT_BitmapGlyph>(glyphe.get());
    const FT_Bitmap& bitmap = bitmapGlyphe->bitmap;
    const int largeur = bitmap.width;
    const int lignes = bitmap.rows;

    const int W = next_p2(largeur);
    const int H = next_p2(lignes);
    const std::vector<GLubyte> texels = texelsDuGlyphe(bitmap, W, H);

    const int code = static_cast<unsigned char>(ch);
    glBindTexture(GL_TEXTURE_2D, tex_base[code]);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    // Texel rows are packed: a row of one texel is 2 bytes, not 4.
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, W, H, 0, GL_LUMINANCE_ALPHA, GL_UNSIGNED_BYTE,
                 texels.data());
    glPopClientAttrib();

    glNewList(list_base + code, GL_COMPILE);
    glBindTexture(GL_TEXTURE_2D, tex_base[code]);
    glTranslatef(bitmapGlyphe->left, 0, 0);
    glPushMatrix();
    glTranslatef(0, bitmapGlyphe->top - lignes, 0);
    const float tx = static_cast<float>(largeur) / static_cast<float>(W);
    const float ty = static_cast<float>(lignes) / static_cast<float>(H);
    glBegin(GL_QUADS);
    glTexCoord2d(0, 0);
    glVertex2f(0, lignes);
    glTexCoord2d(0, ty);
    glVertex2f(0, 0);
    glTexCoord2d(tx, ty);
    glVertex2f(largeur, 0);
    glTexCoord2d(tx, 0);
    glVertex2f(largeur, lignes);
    glEnd();
    glPopMatrix();
    const int avance = face->glyph->advance.x >> 6;
    glTranslatef(avance, 0, 0);
    glEndList();
    return bitmapGlyphe->left + avance;
}

namespace {

// The Latin-1 characters of `fname` rasterised at `taille` points, into fresh
// textures and lists, with their advances; throws ErreurPolice, and then
// holds nothing.
void rasteriser(const char* fname, float taille, GLuint*& textures, GLuint& list_base,
                int* avances) {
    FT_Library brute;
    if (FT_Init_FreeType(&brute)) {
        throw ErreurPolice("FT_Init_FreeType failed", fname);
    }
    const Bibliotheque bibliotheque(brute);
    FT_Face faceBrute;
    if (FT_New_Face(bibliotheque.get(), fname, 0, &faceBrute)) {
        throw ErreurPolice(raisonNouvelleFace, fname);
    }
    const Face face(faceBrute);
    const FT_F26Dot6 taille26_6 = std::lround(taille * 64.0f);
    FT_Set_Char_Size(face.get(), taille26_6, taille26_6, 96, 96);

    // Taken only once the face has loaded, so a failed load holds nothing.
    const int nb = font_data::nbCaracteres;
    std::unique_ptr<GLuint[]> noms(new GLuint[nb]());
    const GLuint base = glGenLists(nb);
    glGenTextures(nb, noms.get());
    std::vector<int> avancesLues(nb);
    try {
        for (int code = 0; code < nb; ++code) {
            avancesLues[code] = make_dlist(face.get(), static_cast<char>(code), base, noms.get());
        }
    } catch (const std::runtime_error& e) {
        glDeleteLists(base, nb);
        glDeleteTextures(nb, noms.get());
        throw ErreurPolice(e.what(), fname);
    }
    textures = noms.release();
    list_base = base;
    std::copy(avancesLues.begin(), avancesLues.end(), avances);
}

} // namespace

void font_data::init(const char* fname, unsigned int taille) {
    clean();
    h = static_cast<float>(taille);
    fichier = fname;
    echelle = toile::echelle();
    rasteriser(fname, h * echelle, textures, list_base, avances);
}

void font_data::suivreEchelle() const {
    if (textures == nullptr || echelle == toile::echelle()) {
        return;
    }
    GLuint* nouvelles = nullptr;
    GLuint nouvelleBase = 0;
    try {
        rasteriser(fichier.c_str(), h * toile::echelle(), nouvelles, nouvelleBase, avances);
    } catch (const ErreurPolice& e) {
        std::cerr << "Vorlen: police " << fichier << " illisible (" << e.what()
                  << "); le texte garde sa taille d'avant" << std::endl;
        echelle = toile::echelle();
        return;
    }
    glDeleteLists(list_base, nbCaracteres);
    glDeleteTextures(nbCaracteres, textures);
    delete[] textures;
    textures = nouvelles;
    list_base = nouvelleBase;
    echelle = toile::echelle();
}

void font_data::clean() {
    if (textures == nullptr) {
        return;
    }
    glDeleteLists(list_base, nbCaracteres);
    glDeleteTextures(nbCaracteres, textures);
    delete[] textures;
    textures = nullptr;
    list_base = 0;
}

void pushScreenCoordinateMatrix() {
    glPushAttrib(GL_TRANSFORM_BIT);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    // Text is placed in canvas pixels, whatever the window's size.
    const toile::Rectangle vue =
        toile::versToile({viewport[0], viewport[1], viewport[2], viewport[3]});
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluOrtho2D(vue.x, vue.largeur, vue.y, vue.hauteur);
    glPopAttrib();
}

void pop_projection_matrix() {
    glPushAttrib(GL_TRANSFORM_BIT);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glPopAttrib();
}

float largeur(const font_data& ft_font, const std::string& ligne) {
    int pixels = 0;
    for (const char c : versLatin1(ligne)) {
        pixels += ft_font.avances[static_cast<unsigned char>(c)];
    }
    return static_cast<float>(pixels) / ft_font.echelleGlyphes();
}

std::string ajuster(const font_data& ft_font, const std::string& ligne, float largeurMax) {
    if (largeur(ft_font, ligne) <= largeurMax) {
        return ligne;
    }
    const std::string points = "...";
    std::string debut = ligne;
    while (!debut.empty() && largeur(ft_font, debut + points) > largeurMax) {
        utf8::retirerDernier(debut);
    }
    return debut + points;
}

std::string abregerAuMilieu(const font_data& ft_font, const std::string& ligne, float largeurMax) {
    // No line print draws is longer than its buffer: start from its two ends.
    const std::size_t tampon = tailleTampon;
    const std::size_t moitie = std::min(ligne.size() / 2, tampon / 2);
    std::string debut = ligne.substr(0, moitie);
    std::string fin = ligne.substr(ligne.size() - moitie);
    std::string abrege = ligne.size() < tampon ? ligne : debut + "..." + fin;
    // Takes a character from the longer half until the line fits.
    while (largeur(ft_font, abrege) > largeurMax && !(debut.empty() && fin.empty())) {
        if (debut.size() > fin.size()) {
            utf8::retirerDernier(debut);
        } else {
            utf8::retirerPremier(fin);
        }
        abrege = debut + "..." + fin;
    }
    return abrege;
}

std::string couperAuxMots(const font_data& ft_font, const std::string& texte, float largeurMax) {
    std::string coupe;
    for (const std::string& ligne : decouperLignes(texte)) {
        std::string courante;
        std::istringstream mots(ligne);
        for (std::string mot; mots >> mot;) {
            if (!courante.empty() && largeur(ft_font, courante + " " + mot) <= largeurMax) {
                courante += " " + mot;
                continue;
            }
            if (!courante.empty()) {
                coupe += courante + "\n";
            }
            courante = ajuster(ft_font, mot, largeurMax);
        }
        coupe += courante + "\n";
    }
    if (!coupe.empty()) {
        coupe.pop_back();
    }
    return coupe;
}

std::string formater(const char* fmt, va_list args) {
    if (fmt == nullptr) {
        return std::string();
    }
    return langue::formaterListe(fmt, args).substr(0, tailleTampon - 1);
}

std::vector<std::string> decouperLignes(const std::string& texte) {
    std::vector<std::string> lignes;
    std::string::size_type debut = 0;
    std::string::size_type fin;
    while ((fin = texte.find('\n', debut)) != std::string::npos) {
        lignes.push_back(texte.substr(debut, fin - debut));
        debut = fin + 1;
    }
    lignes.push_back(texte.substr(debut));
    return lignes;
}

namespace {
std::vector<LigneDessinee>* lignesNotees = nullptr;
} // namespace

void noterLignes(std::vector<LigneDessinee>* lignes) {
    lignesNotees = lignes;
}

void print(const font_data& ft_font, float x, float y, const char* fmt, ...) {
    ft_font.suivreEchelle();
    pushScreenCoordinateMatrix();
    const float hauteurLigne = ft_font.h * interligne;

    va_list args;
    va_start(args, fmt);
    const std::vector<std::string> lignes = decouperLignes(formater(fmt, args));
    va_end(args);

    glPushAttrib(GL_LIST_BIT | GL_CURRENT_BIT | GL_ENABLE_BIT | GL_TRANSFORM_BIT);
    glMatrixMode(GL_MODELVIEW);
    glDisable(GL_LIGHTING);
    glEnable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glListBase(ft_font.list_base);
    float modelview[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);

    for (std::size_t i = 0; i < lignes.size(); ++i) {
        if (lignesNotees != nullptr) {
            const float gauche = modelview[12] + x;
            const float bas = modelview[13] + y - hauteurLigne * i;
            lignesNotees->push_back(
                {lignes[i], gauche, gauche + largeur(ft_font, lignes[i]), bas, bas + ft_font.h});
        }
        const std::string ligne = versLatin1(lignes[i]);
        glPushMatrix();
        glLoadIdentity();
        glTranslatef(x, y - hauteurLigne * i, 0);
        glMultMatrixf(modelview);
        // Glyphs are in the window's pixels: one texel per pixel at any size.
        if (ft_font.echelleGlyphes() != 1.0f) {
            glScalef(1.0f / ft_font.echelleGlyphes(), 1.0f / ft_font.echelleGlyphes(), 1.0f);
        }
        glCallLists(static_cast<GLsizei>(ligne.size()), GL_UNSIGNED_BYTE, ligne.data());
        glPopMatrix();
    }

    glPopAttrib();
    pop_projection_matrix();
}

} // namespace freetype
