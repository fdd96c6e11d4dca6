// The match's screen: the field in perspective on the left, the panel with
// the players' lives and scores and the level number on the right.
#ifndef VORLEN_DISPLAY_H
#define VORLEN_DISPLAY_H

#include "FreeType.h"

class Joueur;
class Niveau;
class Partie;

// The heads-up panel, 150 pixels wide at the window's right edge.
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
    void afficherNom(const char* nom, const int* cadre);
    void afficherVies(const Joueur& J, const int* cadre);
    void afficherScore(const Joueur& J, const int* cadre);

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
};

class Disposition {
public:
    Disposition(Partie* partie, int fX, int fY, int tfX, int tfY);

    // The match's fixed GL state, set once when it starts.
    void initAffichage();
    // Clears, draws the panel, then leaves the field's viewport, camera,
    // border and light ready for the game objects.
    void initFrame();
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
    Partie* partieEnCours;
};

// The field's top and side edges; the bottom stays open.
void dessinerBord();

#endif
