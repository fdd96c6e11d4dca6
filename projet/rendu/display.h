// SPDX-License-Identifier: GPL-3.0-or-later
// The match's screen: the field in perspective on the left, the panel with
// the players' lives and scores and the level number on the right.
#ifndef VORLEN_DISPLAY_H
#define VORLEN_DISPLAY_H

#include "rendu/FreeType.h"
#include "rendu/ressourcesgl.h"
#include "systeme/toile.h"

#include <array>

class Joueur;
class Niveau;
class Partie;

// The panel as last drawn, kept in a texture: its texts cost a draw per
// character, yet they change only when one of its numbers does.
class CopiePanneau {
public:
    // Lives of both players, scores of both players, level number.
    using Chiffres = std::array<int, 5>;
    // Rows [bas, haut) of the copy, across its whole width.
    struct Bande {
        int bas;
        int haut;
    };

    // Whether the copy holds a panel that showed these numbers, at the
    // window's present size.
    bool montre(const Chiffres& chiffres) const;
    // Copies the canvas rectangle `zone` of the frame being drawn, in the
    // window's pixels, as the panel for these numbers.
    void prendre(const toile::Rectangle& zone, const Chiffres& chiffres);
    // Draws these bands of the copy back where they were taken, leaving the
    // copied rectangle as the viewport with one unit per canvas pixel. The
    // rest of the copy is left out: it is as black as the cleared frame.
    void dessiner(const std::array<Bande, 3>& bandes) const;

private:
    Texture texture;
    toile::Rectangle zoneCopie = {};
    toile::Rectangle pixelsCopie = {};
    int largeurTexture = 0;
    int hauteurTexture = 0;
    Chiffres chiffresCopies = {};
    bool valide = false;
};

// The heads-up panel, right of the field, to the window's right edge.
class HUD {
public:
    HUD();
    HUD(const HUD&) = delete;
    HUD& operator=(const HUD&) = delete;

    void setJoueur(Joueur* J, int num);
    void setNiveau(Niveau* N) { Niv = N; }
    // Makes the panel's rectangle of the window the current viewport.
    void activerVue() const;
    void affichage();
    // One player's box from {left, right, top, bottom}, in panel pixels.
    void traceCadres(int* cadre);
    void printGameOver();

private:
    // Frames and texts, drawn anew.
    void dessinerPanneau();
    CopiePanneau::Chiffres chiffresAffiches() const;
    // The rows that hold something: each player's box and the level line.
    std::array<CopiePanneau::Bande, 3> bandesEcrites() const;
    void afficherNom(const char* nom, const int* cadre);
    void afficherVies(const Joueur& J, const int* cadre);
    void afficherScore(const Joueur& J, const int* cadre);
    const freetype::font_data& police();

    int posXHUD;
    int posYHUD;
    int lX;
    int lY;
    int posNumNiveau[2];
    int posJ1[2];
    int posJ2[2];
    int font_size;
    freetype::font_data font;
    Joueur* J1;
    Joueur* J2;
    Niveau* Niv;
    CopiePanneau copie;
};

class Disposition {
public:
    // The field takes the window's left part; the panel the rest.
    static constexpr int largeurChamp = 650;
    // Canvas pixels across one world unit of X on the field's plane, as the
    // camera shows it.
    static double pixelsParUnite();

    Disposition(Partie* partie, int fX, int fY, int tfX, int tfY);

    // The match's fixed GL state, set once when it starts.
    void initAffichage();
    // Clears, draws the panel, then leaves the field's viewport, camera,
    // border and light ready for the game objects.
    void initFrame();
    // The field's viewport, camera, border and light, for what is drawn on
    // the field: the match's objects, or a level being made.
    void preparerChamp();
    // The point of the field's plane under the canvas point (xToile, yToile),
    // in world units; false outside the field.
    bool pointDuChamp(float xToile, float yToile, float& x, float& y) const;
    // Where the point (x, y) of the field's plane lands on the canvas.
    void pointSurToile(float x, float y, float& xToile, float& yToile) const;
    void setJoueur(Joueur* J, int num) { hudDisplay.setJoueur(J, num); }
    void setNiveau(Niveau* N) { hudDisplay.setNiveau(N); }
    void printGameOver() { hudDisplay.printGameOver(); }

private:
    void placerCamera();
    void placerLumiere();
    void placerLumiereClassique();
    void placerLumiereVive();

    int posFenetre[2];
    int tailleFenetre[2];
    HUD hudDisplay;
    // The match laid out, given at construction; nothing is drawn from it.
    Partie* partieEnCours;
};

// The field's top and side edges; the bottom stays open.
void dessinerBord();

#endif
