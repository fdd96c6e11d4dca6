// SPDX-License-Identifier: GPL-3.0-or-later
#include "systeme/fenetre.h"

#include "main.h"
#include "systeme/toile.h"

#include <GL/gl.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace fenetre {

namespace {

const int profondeurCouleurs = 16;

// The desktop's resolution, which full screen keeps; 0 where SDL cannot tell.
int largeurBureau = 0;
int hauteurBureau = 0;
unsigned int nbChangementsDeMode = 0;

// The pointer's moves measured against the window as it was are no move of
// the player's: a held mouse would throw the paddle across the field.
void oublierMouvementsSouris() {
    SDL_PumpEvents();
    SDL_Event mouvement;
    while (SDL_PeepEvents(&mouvement, 1, SDL_GETEVENT, SDL_MOUSEMOTIONMASK) == 1) {
    }
}

// The window's X11 side, locked against SDL's own use while held; not
// there (`ok` false) on another video driver.
class AccesX11 {
public:
    AccesX11() {
        SDL_VERSION(&info.version);
        ok = SDL_GetWMInfo(&info) == 1 && info.subsystem == SDL_SYSWM_X11;
        if (ok) {
            info.info.x11.lock_func();
        }
    }
    ~AccesX11() {
        if (ok) {
            info.info.x11.unlock_func();
        }
    }
    AccesX11(const AccesX11&) = delete;
    AccesX11& operator=(const AccesX11&) = delete;

    Display* affichage() const { return info.info.x11.display; }
    Window fenetre() const { return info.info.x11.wmwindow; }
    Window racine() const { return DefaultRootWindow(info.info.x11.display); }
    // The window manager's frame around ours: the ancestor right under the
    // screen's root; ours where there is no window manager.
    Window cadre() const {
        Window w = fenetre();
        for (;;) {
            Window racineLue = 0;
            Window parent = 0;
            Window* enfants = nullptr;
            unsigned int nbEnfants = 0;
            if (XQueryTree(affichage(), w, &racineLue, &parent, &enfants, &nbEnfants) == 0) {
                return w;
            }
            XFree(enfants);
            if (parent == racineLue || parent == 0) {
                return w;
            }
            w = parent;
        }
    }

    bool ok = false;

private:
    SDL_SysWMinfo info;
};

// Where the window's frame stood before full screen; the window manager
// puts it where our window is asked to go.
struct Position {
    bool connue;
    int xCadre;
    int yCadre;
};
Position positionAvantPleinEcran = {false, 0, 0};

void retenirPosition() {
    const AccesX11 x11;
    XWindowAttributes cadre = {};
    Position& p = positionAvantPleinEcran;
    p.connue = x11.ok && XGetWindowAttributes(x11.affichage(), x11.cadre(), &cadre) != 0;
    p.xCadre = cadre.x;
    p.yCadre = cadre.y;
}

// The window manager puts the frame back where it stood.
void rendrePosition() {
    const AccesX11 x11;
    const Position& p = positionAvantPleinEcran;
    if (x11.ok && p.connue) {
        XMoveWindow(x11.affichage(), x11.fenetre(), p.xCadre, p.yCadre);
        XFlush(x11.affichage());
    }
}

// The part of the window the screen shows, as the window manager made and
// placed it, which SDL 1.2 does not always tell: a window as large as a
// small screen comes out smaller, its title bar and borders taken off, or
// stands partly off the screen. False where it cannot be read.
bool partieVisible(int& largeur, int& hauteur) {
    const AccesX11 x11;
    XWindowAttributes attributs = {};
    XWindowAttributes ecran = {};
    int x = 0;
    int y = 0;
    Window enfant = 0;
    const bool lu = x11.ok &&
                    XGetWindowAttributes(x11.affichage(), x11.fenetre(), &attributs) != 0 &&
                    XGetWindowAttributes(x11.affichage(), x11.racine(), &ecran) != 0 &&
                    XTranslateCoordinates(x11.affichage(), x11.fenetre(), x11.racine(), 0, 0, &x,
                                          &y, &enfant) != 0;
    largeur = std::min(attributs.width, ecran.width - std::max(0, x));
    hauteur = std::min(attributs.height, ecran.height - std::max(0, y));
    return lu && largeur > 0 && hauteur > 0;
}

// Sets the video mode; on success the canvas follows the new size.
bool changerMode(int largeur, int hauteur, bool pleinEcran) {
    const Uint32 drapeaux = videoFlags | (pleinEcran ? SDL_FULLSCREEN : SDL_RESIZABLE);
    SDL_Surface* surface = SDL_SetVideoMode(largeur, hauteur, profondeurCouleurs, drapeaux);
    if (surface == nullptr) {
        return false;
    }
    screenSurface = surface;
    ++nbChangementsDeMode;
    toile::adapter(surface->w, surface->h);
    // The driver takes the new size at a swap: one black frame settles it,
    // so that the screen's next picture is drawn at the new size in full.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    SDL_GL_SwapBuffers();
    oublierMouvementsSouris();
    return true;
}

// A window just opened stands where the window manager placed it, off the
// screen's edge only by the manager's doing: it takes the part the screen
// shows.
void prendrePartieVisible() {
    int largeur = 0;
    int hauteur = 0;
    if (partieVisible(largeur, hauteur) &&
        (largeur != toile::largeurFenetre() || hauteur != toile::hauteurFenetre())) {
        changerMode(largeur, hauteur, false);
    }
}

// Full screen at the desktop's resolution, or the chosen window.
bool appliquer(bool pleinEcran, const Choix& choix) {
    if (pleinEcran) {
        return changerMode(largeurBureau, hauteurBureau, true);
    }
    int largeur = choix.largeur;
    int hauteur = choix.hauteur;
    ajusterAEcran(largeur, hauteur, largeurBureau, hauteurBureau);
    return changerMode(largeur, hauteur, false);
}

// After a refused change, the mode asked for again: SDL may have dropped it
// on the way.
Issue retablir(bool pleinEcran, const Choix& choix) {
    if (appliquer(pleinEcran, choix)) {
        return Issue::aucune;
    }
    std::cerr << "Vorlen: plus aucune fenêtre (" << SDL_GetError() << ")" << std::endl;
    return Issue::fenetrePerdue;
}

} // namespace

void choisirPilotes() {
    // Only X11 gives SDL an OpenGL window here; left to itself, SDL would fall
    // back on a text-mode driver that scribbles over the terminal, then fail.
    setenv("SDL_VIDEODRIVER", "x11", 0);
    // The game scales its picture itself: SDL 1.2 over SDL 2 (sdl12-compat)
    // must not scale it a second time, which also doubles the cost of a frame.
    setenv("SDL12COMPAT_OPENGL_SCALING", "0", 0);
    // Without a graphics card, Mesa's software renderer draws. Its threads cost
    // more to wake and to wait for, sixty times a second, than the small frame
    // they would share: drawn in the game's own thread, a match takes about a
    // fifth less of the processor (bench/processus.sh), and the heaviest frame
    // at 1440x1080 still fits in its 16 ms (bench_frames). Other drivers
    // ignore it.
    setenv("LP_NUM_THREADS", "0", 0);
}

void ajusterAEcran(int& largeur, int& hauteur, int largeurEcran, int hauteurEcran) {
    if (largeurEcran <= 0 || hauteurEcran <= 0) {
        return;
    }
    const double rapport = std::min({1.0, static_cast<double>(largeurEcran) / largeur,
                                     static_cast<double>(hauteurEcran) / hauteur});
    largeur = static_cast<int>(largeur * rapport);
    hauteur = static_cast<int>(hauteur * rapport);
}

bool ouvrir(const SDL_VideoInfo& bureau, Choix& choix) {
    largeurBureau = bureau.current_w;
    hauteurBureau = bureau.current_h;
    if (largeurBureau <= 0 || hauteurBureau <= 0) {
        // Full screen then keeps the canvas's own size.
        largeurBureau = largeurToile;
        hauteurBureau = hauteurToile;
    }
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_WM_SetCaption("Vorlen", nullptr);
    if (choix.pleinEcran) {
        if (appliquer(true, choix)) {
            return true;
        }
        std::cerr << "Vorlen: l'affichage refuse le plein écran; le jeu s'ouvre en fenêtre"
                  << std::endl;
        choix.pleinEcran = false;
    }
    if (appliquer(false, choix)) {
        prendrePartieVisible();
        return true;
    }
    std::fprintf(stderr,
                 "Vorlen: impossible d'ouvrir la fenêtre OpenGL %dx%d (%s); lancez le jeu "
                 "sur un bureau graphique avec OpenGL, ou sans écran avec xvfb-run\n",
                 choix.largeur, choix.hauteur, SDL_GetError());
    return false;
}

Issue basculerPleinEcran(const Choix& choix) {
    const bool versPleinEcran = !choix.pleinEcran;
    if (versPleinEcran) {
        retenirPosition();
    }
    if (appliquer(versPleinEcran, choix)) {
        if (!versPleinEcran) {
            rendrePosition();
        }
        return Issue::faite;
    }
    std::cerr << (versPleinEcran ? "Vorlen: l'affichage refuse le plein écran; le jeu reste "
                                   "en fenêtre"
                                 : "Vorlen: l'affichage refuse de quitter le plein écran")
              << std::endl;
    return retablir(choix.pleinEcran, choix);
}

Issue redimensionner(int largeur, int hauteur, const Choix& choix) {
    // The window manager may confirm the size the window already has.
    const bool memeTaille =
        largeur == toile::largeurFenetre() && hauteur == toile::hauteurFenetre();
    if (choix.pleinEcran || memeTaille) {
        return Issue::aucune;
    }
    if (changerMode(largeur, hauteur, false)) {
        return Issue::faite;
    }
    std::cerr << "Vorlen: l'affichage refuse la taille " << largeur << "x" << hauteur
              << "; la fenêtre garde la sienne" << std::endl;
    return retablir(false, choix);
}

unsigned int changementsDeMode() {
    return nbChangementsDeMode;
}

void CaptureSouris::tenir(bool oui) {
    if (oui == tenue) {
        return;
    }
    tenue = oui;
    SDL_WM_GrabInput(oui ? SDL_GRAB_ON : SDL_GRAB_OFF);
    SDL_ShowCursor(oui ? SDL_DISABLE : SDL_ENABLE);
    // Held, the pointer is brought to the window's centre: no move either.
    oublierMouvementsSouris();
}

} // namespace fenetre
