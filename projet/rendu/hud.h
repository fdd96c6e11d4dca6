// SPDX-License-Identifier: GPL-3.0-or-later
// The panel right of the field: each player's lives and score in a framed
// box, and the level number.
#ifndef VORLEN_HUD_H
#define VORLEN_HUD_H

#include "rendu/FreeType.h"
#include "rendu/ressourcesgl.h"
#include "systeme/toile.h"

#include <array>
#include <string>
#include <vector>

class Joueur;
class Niveau;

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
    // A few lines under the bricks for a new player, each centred on the field.
    void printAstuce(const std::vector<std::string>& lignes);
    // What the panel offers under the level's number this frame; nothing
    // when empty.
    void setOffre(std::vector<std::string> lignes) { offre = std::move(lignes); }
    // The new level's banner over the middle of the field: the set's name,
    // then the level's number, title and author, each line centred.
    void printBandeau(const std::vector<std::string>& lignes);

private:
    // Frames and texts, drawn anew.
    void dessinerPanneau();
    // The offer, drawn every frame it stands: it comes and goes with play
    // time, not with the numbers the copy keeps.
    void dessinerOffre();
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
    std::vector<std::string> offre;
};

#endif
