// SPDX-License-Identifier: GPL-3.0-or-later
#include "banc.h"
#include "fenetre.h"
#include "profil/settings.h"
#include "rendu/boucle.h"
#include "rendu/FreeType.h"
#include "systeme/toile.h"
#include "systeme/fenetre.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

const auto jaunePanneau = [](const Pixel& p) { return p.r == 204 && p.v == 204 && p.b == 0; };
const auto jauneVif = [](const Pixel& p) { return p.r > 200 && p.v > 200 && p.b < 80; };
const auto vert = [](const Pixel& p) { return p.v > 30 && p.v > 4 * p.r && p.v > 4 * p.b; };

// How many of the window's pixels differ between two captures of one size.
static int pixelsDifferents(const Capture& a, const Capture& b) {
    int differents = 0;
    for (int l = 0; l < a.hauteurFenetre(); ++l) {
        for (int c = 0; c < a.largeurFenetre(); ++c) {
            const Pixel p = a.pixelFenetre(c, l), q = b.pixelFenetre(c, l);
            differents += p.r != q.r || p.v != q.v || p.b != q.b;
        }
    }
    return differents;
}

// The threads of this process that Mesa's software renderer started.
static int threadsDuRendu() {
    int nombre = 0;
    for (const auto& tache : std::filesystem::directory_iterator("/proc/self/task")) {
        std::string nom;
        std::getline(std::ifstream(tache.path() / "comm"), nom);
        nombre += nom.rfind("llvmpipe", 0) == 0;
    }
    return nombre;
}

// The first frame of a one-player match on the built-in level, in each
// lighting: the panel, the field's border and the ten-unit paddle where the
// camera puts them, and the bricks' hues. Classique: a greener hue from one
// column pair to the next as the hit points rise, at about a fifth of the
// colour; vif: a 5-point brick (165, 150, 140) near its colour, its bevels lit
// from above.
TEST(PremiereFrame, PanelFieldAndPaddleInPlaceAndBrickHuesSayTheirPointsInBothLightings) {
    for (const bool vif : {false, true}) {
        currentSettings.setEclairageVif(vif);
        Banc<Normal1j> partie;
        partie.niveau().initBriques("absent.lvl", 1);
        partie.bonus().emplace_back(-20.0f, -10.0f, BONUS_ABATTE);
        partie.bonus().emplace_back(20.0f, -10.0f, BONUS_RBATTE);
        partie.bonus().emplace_back(0.0f, -10.0f, BONUS_LIFE);
        partie.bonus().emplace_back(10.0f, -10.0f, BONUS_ARME);
        partie.j1().getBatteRef().putCanon();
        partie.frame();
        currentSettings.setEclairageVif(false);
        const Capture capture;
        // Panel pixels (x, y from the bottom) of each box's rules and edges.
        for (const int haut : {540, 400}) {
            for (const int y : {haut, haut - 21, haut - 24, haut - 44, haut - 100}) {
                EXPECT_TRUE(capture.unPixelDans(700, 700, 599 - y, 600 - y, jaunePanneau))
                    << "rule at panel y = " << y;
            }
            for (const int x : {0, 120}) {
                EXPECT_TRUE(
                    capture.unPixelDans(649 + x, 651 + x, 650 - haut, 650 - haut, jaunePanneau))
                    << "edge at panel x = " << x << " of the box topped at " << haut;
            }
            // The name sits on the baseline 16 pixels in and 16 below the top.
            const int ligneBase = 600 - (haut - 16);
            EXPECT_TRUE(capture.unPixelDans(666, 730, ligneBase - 12, ligneBase, jauneVif))
                << "name of the box topped at " << haut;
            EXPECT_FALSE(capture.unPixelDans(775, 799, ligneBase - 12, ligneBase, jauneVif))
                << "the name stays inside its box";
        }
        EXPECT_TRUE(capture.unPixelDans(325, 325, 39, 41, jauneVif)) << "field's top edge";
        EXPECT_TRUE(capture.unPixelDans(82, 84, 300, 300, jauneVif)) << "left edge";
        EXPECT_TRUE(capture.unPixelDans(565, 567, 300, 300, jauneVif)) << "right edge";
        EXPECT_FALSE(capture.unPixelDans(325, 325, 20, 36, jauneVif)) << "nothing above the field";
        EXPECT_FALSE(capture.unPixelDans(60, 78, 300, 300, jauneVif)) << "nothing left of it";
        // The capsules in their colours: growing green, shrinking red, a life white, a
        // cannon yellow, as the paddle's cannon.
        const auto jaune = [](const Pixel& p) { return p.r > 30 && p.v > 30 && 4 * p.b < p.r; };
        const std::function<bool(const Pixel&)> couleurs[] = {
            vert, [](const Pixel& p) { return p.r > 30 && p.r > 4 * (p.v + p.b); },
            [](const Pixel& p) {
                return std::min({p.r, p.v, p.b}) > 30 && std::max({p.r, p.v, p.b}) < 1.2 * p.b;
            },
            jaune};
        const float colonnes[] = {-20.0f, 20.0f, 0.0f, 10.0f};
        for (int k = 0; k < 4; ++k) {
            const int c = colonneDe(colonnes[k]), l = ligneDe(-10.2f);
            EXPECT_TRUE(capture.unPixelDans(c - 2, c + 2, l - 2, l + 2, couleurs[k])) << k;
        }
        const Cadre batte = capture.cadreDans(200, 450, 540, 580, vert);
        ASSERT_FALSE(batte.vide());
        EXPECT_NEAR((batte.col0 + batte.col1) / 2.0, 325, 2);
        EXPECT_NEAR((batte.lig0 + batte.lig1) / 2.0, 560, 2);
        EXPECT_NEAR(batte.col1 - batte.col0, colonneDe(5.0f) - colonneDe(-5.0f), 3);
        EXPECT_TRUE(capture.unPixelDans(322, 328, ligneDe(-33.8f), ligneDe(-34.6f), jaune))
            << "the cannon stands on the paddle's middle";
        double rapportPrecedent = 0.0;
        for (int paire = 0; paire < 8; ++paire) {
            const int points = paire + 1;
            const Vecteur centre = partie.centre(2 * paire, 5);
            const Pixel p = capture.at(colonneDe(centre.X), ligneDe(centre.Y));
            const double attendu = (50.0 + 20 * points) / (240.0 - 15 * points);
            const double rapport = static_cast<double>(p.v) / p.r;
            EXPECT_NEAR(rapport, attendu, 0.2 * attendu) << "column pair " << paire;
            EXPECT_GT(rapport, rapportPrecedent) << "column pair " << paire;
            rapportPrecedent = rapport;
        }
        const Vecteur gauche = partie.centre(0, 5);
        const Pixel trou = capture.at(colonneDe(gauche.X + 2.3f), ligneDe(gauche.Y));
        EXPECT_LT(trou.r + trou.v + trou.b, 30) << "the gaps between bricks stay dark";
        const Vecteur cinq = partie.centre(8, 5);
        const int colonne = colonneDe(cinq.X), ligne = ligneDe(cinq.Y);
        const Pixel face = capture.at(colonne, ligne);
        if (!vif) {
            EXPECT_TRUE(std::abs(face.r - 37) < 4 && std::abs(face.v - 34) < 4 &&
                        std::abs(face.b - 31) < 4)
                << face.r << ' ' << face.v << ' ' << face.b;
            continue;
        }
        EXPECT_GE(face.r, 0.8 * 165) << "close to its full colour";
        EXPECT_NEAR(static_cast<double>(face.b) / face.r, 140.0 / 165, 0.05) << "same hue";
        // Its top and bottom bevels: the last lit rows above and below.
        const auto allume = [&](int l) {
            const Pixel p = capture.at(colonne, l);
            return p.r + p.v + p.b > 30;
        };
        int haut = ligne, bas = ligne;
        while (allume(haut - 1)) {
            --haut;
        }
        while (allume(bas + 1)) {
            ++bas;
        }
        EXPECT_GT(capture.at(colonne, haut).r, capture.at(colonne, bas).r + 30)
            << "the light falls from above";
    }
    // Drawn in the game's own thread, unless the one running the tests asked otherwise.
    const char* threads = std::getenv("LP_NUM_THREADS");
    if (threads == nullptr || std::string(threads) == "0") {
        EXPECT_EQ(threadsDuRendu(), 0) << "the renderer draws in threads of its own";
    }
}

// A match on two bricks of its own, whose frame the test draws without playing one.
class Vue : public Banc<Normal1j> {
public:
    Vue() {
        gerer(); // the held ball
        poserNiveau({{7, 1, 2}, {2, 8, 5}});
    }
    Capture photographier() {
        redessiner();
        return Capture();
    }
};

TEST(DessinGarde, AfterEachChangeTheFrameIsWhatAFreshMatchDraws) {
    const struct {
        const char* nom;
        std::function<void(Vue&)> changer;
    } changements[] = {
        {"player 1 scores", [](Vue& v) { v.j1().ajouterScore(120); }},
        {"player 2 loses a life", [](Vue& v) { v.j2().perteVie(); }},
        {"level 2 is laid out", [](Vue& v) { v.niveau().initBriques("niveaux.lvl", 2); }},
        {"a brick is damaged", [](Vue& v) { v.niveau().tabBriques[7][1]->faireDegats(1); }},
        {"a brick breaks", [](Vue& v) { v.niveau().detruire(7, 1); }},
    };
    for (const auto& c : changements) {
        Vue gardee;
        gardee.photographier();
        c.changer(gardee);
        const Capture apres = gardee.photographier();
        Vue neuve;
        c.changer(neuve);
        const Capture attendue = neuve.photographier();
        EXPECT_EQ(pixelsDifferents(apres, attendue), 0) << c.nom;
    }
}

const auto allume = [](const Pixel& p) { return p.r > 128 && p.v > 128 && p.b > 128; };

// Draws `texte` in white at (x, y) on a cleared screen and shows it.
static Capture afficher(const freetype::font_data& police, float x, float y, const char* texte) {
    toile::nouvelleImage();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glColor3ub(255, 255, 255);
    freetype::print(police, x, y, "%s", texte);
    SDL_GL_SwapBuffers();
    return Capture();
}

// In a resized window, text is rasterised again at the new scale, not magnified.
TEST(Police, LinesStandOneLineHeightApartALongTextIsCutAndAResizedWindowRasterisesAnew) {
    freetype::font_data police, grande;
    police.init("AXAXAX.TTF", 16);
    grande.init("AXAXAX.TTF", 26);
    const Cadre premier = afficher(police, 100, 300, "H").cadreDans(90, 140, 250, 330, allume);
    const Cadre second = afficher(police, 100, 300, "\nH").cadreDans(90, 140, 250, 330, allume);
    ASSERT_FALSE(premier.vide() || second.vide());
    EXPECT_EQ(second.col0, premier.col0);
    EXPECT_NEAR(second.lig0 - premier.lig0, 16 / 0.63, 1.0);
    EXPECT_NEAR(premier.lig1, 600 - 300, 1) << "the baseline is at y = 300";
    EXPECT_TRUE(afficher(police, 0, 300, std::string(1000, 'W').c_str())
                    .unPixelDans(0, 799, 285, 300, allume));
    // A name's accented letter is its letter with the accent above it.
    const Cadre e = afficher(police, 100, 300, "e").cadreDans(90, 140, 250, 330, allume);
    const Cadre eAigu = afficher(police, 100, 300, "\u00e9").cadreDans(90, 140, 250, 330, allume);
    EXPECT_TRUE(std::abs(eAigu.col0 - e.col0) <= 1 && std::abs(eAigu.col1 - e.col1) <= 1 &&
                eAigu.lig1 == e.lig1 && eAigu.lig0 < e.lig0 - 2);

    const Cadre avant = afficher(grande, 100, 300, "Vorlen").cadreFenetre(allume);
    // A drag sends size after size; the loop takes the last.
    struct Muet : Ecran {
        void traiter(const SDL_Event&) override {}
        void dessiner() override {}
        bool fini() const override { return false; }
    } muet;
    for (const int largeur : {700, 900, 1000}) {
        SDL_Event taille = {SDL_VIDEORESIZE};
        taille.resize = {SDL_VIDEORESIZE, largeur, largeur * 3 / 4};
        SDL_PushEvent(&taille);
    }
    recevoir(muet);
    freetype::font_data neuve;
    neuve.init("AXAXAX.TTF", 26);
    const Capture apres = afficher(grande, 100, 300, "Vorlen");
    const Capture attendue = afficher(neuve, 100, 300, "Vorlen");
    fenetre::redimensionner(Capture::largeur, Capture::hauteur, currentSettings.getChoixFenetre());
    ASSERT_EQ(apres.largeurFenetre(), 1000);
    EXPECT_EQ(pixelsDifferents(apres, attendue), 0)
        << "the same glyphs as a font made at this size";
    const Cadre grand = apres.cadreFenetre(allume);
    EXPECT_NEAR(grand.lig1 - grand.lig0, 1.25 * (avant.lig1 - avant.lig0), 2.0);
    EXPECT_NEAR(grand.col1 - grand.col0, 1.25 * (avant.col1 - avant.col0), 3.0);
    EXPECT_NEAR(grand.col0, 1.25 * avant.col0, 2.0);
}

TEST(Police, AFontAndEachMatchsPanelFontReleaseTheirListsAndTexturesOnce) {
    GLuint premiereListe;
    GLuint premiereTexture;
    {
        freetype::font_data police;
        police.init("AXAXAX.TTF", 16);
        premiereListe = police.list_base;
        premiereTexture = police.textures[0];
        police.clean(); // and made again: each release frees what was made since
        police.init("AXAXAX.TTF", 16);
    }
    // A match builds its panel's font at its first frame.
    for (int k = 0; k < 3; ++k) {
        Banc<Normal1j>().frame();
    }
    // Every name the five fonts could have taken is free again.
    for (GLuint nom = 0; nom < 5 * freetype::font_data::nbCaracteres; ++nom) {
        ASSERT_FALSE(glIsList(premiereListe + nom) || glIsTexture(premiereTexture + nom)) << nom;
    }
}

// A bitmap font at 16 pixels, the size a font asked for at 12 points gets:
// glyphs 13 pixels wide, 1 bit per pixel, so each row is 2 bytes of which
// 13 bits count.
static const char* const policeBdf =
    "STARTFONT 2.1\nFONT -vorlen-essai-medium-r-normal--16-120-96-96-c-140-iso10646-1\n"
    "SIZE 12 96 96\nFONTBOUNDINGBOX 13 3 0 0\n"
    "STARTPROPERTIES 3\nPIXEL_SIZE 16\nFONT_ASCENT 3\nFONT_DESCENT 0\nENDPROPERTIES\n"
    "CHARS 1\nSTARTCHAR B\nENCODING 66\nSWIDTH 840 0\nDWIDTH 14 0\nBBX 13 3 0 0\n"
    "BITMAP\nFFF8\n0000\n4010\nENDCHAR\nENDFONT\n";

// The coverage of a glyph's texture, one string per row, '#' where it is full.
static std::vector<std::string> couverture(GLuint texture) {
    glBindTexture(GL_TEXTURE_2D, texture);
    GLint W = 0, H = 0;
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

TEST(Capsule, EachKindPaintsItsColourAndOneCarryingNothingSaysSoAndKeepsTheColourItFinds) {
    for (int type = BONUS_NONE; type <= BONUS_ARME; ++type) {
        std::srand(1);
        Bonus capsule(0.0f, 0.0f, static_cast<TYPEBONUS>(type));
        glColor3ub(10, 20, 30);
        testing::internal::CaptureStdout();
        capsule.afficher();
        const std::string dit = testing::internal::GetCapturedStdout();
        GLfloat couleur[4];
        glGetFloatv(GL_CURRENT_COLOR, couleur);
        const bool gardee = std::lround(couleur[0] * 255) == 10 &&
                            std::lround(couleur[1] * 255) == 20 &&
                            std::lround(couleur[2] * 255) == 30;
        EXPECT_EQ(std::pair(dit, gardee), type == BONUS_NONE
                                              ? std::pair(std::string(" bonus en bois\n"), true)
                                              : std::pair(std::string(), false))
            << type;
    }
}
