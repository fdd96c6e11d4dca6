// SPDX-License-Identifier: GPL-3.0-or-later
// Reference frames: the screens a player sees, rendered from fixed states at
// 800x600 and 1440x1080, the matches in both lightings, so that a change to
// the drawing can prove it keeps the pictures, bit for bit or near enough.
//   vorlen_references rendre DOSSIER        writes DOSSIER/<frame>.ppm
//   vorlen_references comparer AVANT APRES  compares <frame>.png of both sets
// Rendering runs from the run-time directory under a display; bench/references.sh
// wraps both steps.
#include "ecrans/credits.h"
#include "ecrans/menu.h"
#include "jeu/aide.h"
#include "profil/settings.h"
#include "rendu/imagesgl.h"
#include "systeme/fenetre.h"
#include "systeme/surfaces.h"
#include "systeme/toile.h"
#include "scene.h"

#include <GL/gl.h>
#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {

// Two pictures match when this share of pixels is within `ecartTolere` on each channel.
const double partMinimale = 0.995;
const int ecartTolere = 2;
// Frames played before the moving scenes are captured.
const int framesAvantCapture = 40;

// The screens, drawn the same in either lighting, then the matches, drawn in each.
const char* const nomsMenus[] = {"menu", "controles", "credits", "aide"};
const char* const nomsParties[] = {"niveau1", "lourde", "coop", "gameover"};

// The window sizes of the set: the canvas's own, and the picture at full
// height on a 1920x1080 screen. The first size and the classic lighting
// keep the bare names.
const int tailles[][2] = {{largeurToile, hauteurToile}, {1440, 1080}};

std::string suffixe(int taille, bool vif) {
    std::string s;
    if (taille > 0) {
        s += "-" + std::to_string(tailles[taille][0]) + "x" + std::to_string(tailles[taille][1]);
    }
    return vif ? s + "-vif" : s;
}

// Every frame of the set, by name.
std::vector<std::string> nomsFrames() {
    std::vector<std::string> noms;
    for (int taille = 0; taille < static_cast<int>(std::size(tailles)); ++taille) {
        for (const char* nom : nomsMenus) {
            noms.push_back(nom + suffixe(taille, false));
        }
        for (const bool vif : {false, true}) {
            for (const char* nom : nomsParties) {
                noms.push_back(nom + suffixe(taille, vif));
            }
        }
    }
    return noms;
}

// A match whose drawing and end the tool drives directly.
template <typename Mode> class Scene : public Banc<Mode> {
public:
    // Draws the frame twice: what is kept from one frame to the next must
    // show the same as what is drawn anew.
    void dessiner() {
        this->redessiner();
        this->redessiner();
    }
    void perdre() { this->gameover = true; }
    // Plays and draws `n` frames on the test clock, as the match loop does.
    void jouer(HorlogeDeTest& horloge, int n) {
        for (int k = 0; k < n; ++k) {
            horloge.avancer(Partie::dureeFrame);
            this->gerer();
            this->redessiner();
        }
    }
};

// What the last swap showed of the canvas, bottom row first, as Capture in
// the tests reads it.
void enregistrer(const std::string& dossier, const std::string& nom) {
    const toile::Rectangle r = toile::versFenetre({0, 0, largeurToile, hauteurToile});
    std::vector<unsigned char> rgb(r.largeur * r.hauteur * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(r.x, r.y, r.largeur, r.hauteur, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    std::ofstream f(dossier + "/" + nom + ".ppm", std::ios::binary);
    f << "P6\n" << r.largeur << ' ' << r.hauteur << "\n255\n";
    for (int l = r.hauteur - 1; l >= 0; --l) {
        f.write(reinterpret_cast<const char*>(&rgb[l * r.largeur * 3]), r.largeur * 3);
    }
}

void rendreMenus(const std::string& dossier, const std::string& suffixe) {
    // The menu's constructor is the main loop: a quit already queued makes it
    // draw its first screen and return.
    SDL_Event quitter = {};
    quitter.type = SDL_QUIT;
    SDL_PushEvent(&quitter);
    Menu menu(0.0f, 0.0f, 20.0f, -20.0f);
    menu.display();
    enregistrer(dossier, "menu" + suffixe);
    menu.reinitControlesMenu();
    menu.display();
    enregistrer(dossier, "controles" + suffixe);
    const Decor decor;
    freetype::font_data police;
    police.init(freetype::fichierPolice, Menu::hauteurlettres);
    Credits(decor, police).dessiner();
    enregistrer(dossier, "credits" + suffixe);
    srand(4);
    Aide().dessiner();
    enregistrer(dossier, "aide" + suffixe);
}

void rendreParties(const std::string& dossier, const std::string& suffixe) {
    HorlogeDeTest horloge;
    commeUnHabitue();
    {
        srand(1);
        Scene<Normal1j> partie;
        partie.gerer(); // level 1 and its held ball
        partie.dessiner();
        enregistrer(dossier, "niveau1" + suffixe);
    }
    {
        Scene<Normal1j> partie;
        remplirSceneLourde(partie);
        partie.jouer(horloge, framesAvantCapture);
        partie.dessiner();
        enregistrer(dossier, "lourde" + suffixe);
    }
    {
        srand(2);
        Scene<Coop2j> partie;
        partie.gerer();
        partie.lancerBalles(partie.j1());
        partie.lancerBalles(partie.j2());
        partie.jouer(horloge, framesAvantCapture);
        partie.dessiner();
        enregistrer(dossier, "coop" + suffixe);
    }
    {
        srand(3);
        Scene<Normal1j> partie;
        partie.gerer();
        partie.perdre();
        partie.dessiner();
        enregistrer(dossier, "gameover" + suffixe);
    }
}

int rendre(const std::string& dossier) {
    fenetre::choisirPilotes();
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "vorlen_references: %s\n", SDL_GetError());
        return 1;
    }
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    for (int taille = 0; taille < static_cast<int>(std::size(tailles)); ++taille) {
        const int largeur = tailles[taille][0], hauteur = tailles[taille][1];
        if (SDL_SetVideoMode(largeur, hauteur, 16, SDL_OPENGL | SDL_ANYFORMAT) == nullptr) {
            std::fprintf(stderr, "vorlen_references: %dx%d: %s\n", largeur, hauteur,
                         SDL_GetError());
            SDL_Quit();
            return 1;
        }
        toile::adapter(largeur, hauteur);
        initGL();
        rendreMenus(dossier, suffixe(taille, false));
        for (const bool vif : {false, true}) {
            currentSettings.setEclairageVif(vif);
            initGL();
            rendreParties(dossier, suffixe(taille, vif));
        }
    }
    currentSettings.setEclairageVif(false);
    SDL_Quit();
    return 0;
}

// The picture as 24-bit RGB, or null with a line saying why.
Surface lire(const std::string& chemin) {
    const Surface brute(IMG_Load(chemin.c_str()));
    if (!brute) {
        std::fprintf(stderr, "vorlen_references: cannot read %s: %s\n", chemin.c_str(),
                     IMG_GetError());
        return nullptr;
    }
    return convertirEnOctets(*brute, false);
}

// How far `a` and `b` are apart: the share of pixels within the tolerance on
// every channel, and how many pixels differ at all.
struct Ecart {
    double partProche;
    long differents;
};

Ecart mesurerEcart(const SDL_Surface& a, const SDL_Surface& b) {
    long proches = 0;
    long differents = 0;
    for (int l = 0; l < a.h; ++l) {
        const unsigned char* pa = static_cast<const unsigned char*>(a.pixels) + l * a.pitch;
        const unsigned char* pb = static_cast<const unsigned char*>(b.pixels) + l * b.pitch;
        for (int c = 0; c < a.w; ++c) {
            int ecart = 0;
            for (int k = 0; k < 3; ++k) {
                ecart = std::max(ecart, std::abs(pa[3 * c + k] - pb[3 * c + k]));
            }
            proches += ecart <= ecartTolere;
            differents += ecart > 0;
        }
    }
    return {static_cast<double>(proches) / (static_cast<double>(a.w) * a.h), differents};
}

int comparer(const std::string& avant, const std::string& apres) {
    int echecs = 0;
    for (const std::string& nom : nomsFrames()) {
        const Surface a = lire(avant + "/" + nom + ".png");
        const Surface b = lire(apres + "/" + nom + ".png");
        if (!a || !b || a->w != b->w || a->h != b->h) {
            std::printf("%-24s missing or of another size\n", nom.c_str());
            ++echecs;
            continue;
        }
        const Ecart ecart = mesurerEcart(*a, *b);
        const bool egale = ecart.partProche >= partMinimale;
        std::printf("%-24s %8.4f %% of pixels within %d levels, %7ld differ  %s\n", nom.c_str(),
                    100.0 * ecart.partProche, ecartTolere, ecart.differents,
                    ecart.differents == 0 ? "same, bit for bit"
                    : egale               ? "same"
                                          : "DIFFERENT");
        echecs += !egale;
    }
    return echecs == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    const std::string commande = argc > 1 ? argv[1] : "";
    if (commande == "rendre" && argc == 3) {
        return rendre(argv[2]);
    }
    if (commande == "comparer" && argc == 4) {
        return comparer(argv[2], argv[3]);
    }
    std::fprintf(stderr, "usage: vorlen_references rendre DOSSIER | comparer AVANT APRES\n");
    return 2;
}
