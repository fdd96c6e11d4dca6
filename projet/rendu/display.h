// SPDX-License-Identifier: GPL-3.0-or-later
// The match's screen: the field in perspective on the left, the panel
// (rendu/hud.h) on the right.
#ifndef VORLEN_DISPLAY_H
#define VORLEN_DISPLAY_H

#include "rendu/hud.h"

class Joueur;
class Niveau;
class Partie;

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
    // The field's viewport, camera, border and light (`vif`: the bright one,
    // else the classic), for what is drawn on the field: the match's
    // objects, or a level being made.
    void preparerChamp(bool vif);
    // The point of the field's plane under the canvas point (xToile, yToile),
    // in world units; false outside the field.
    bool pointDuChamp(float xToile, float yToile, float& x, float& y) const;
    // Where the point (x, y) of the field's plane lands on the canvas.
    void pointSurToile(float x, float y, float& xToile, float& yToile) const;
    void setJoueur(Joueur* J, int num) { hudDisplay.setJoueur(J, num); }
    void setNiveau(Niveau* N) { hudDisplay.setNiveau(N); }
    void printGameOver() { hudDisplay.printGameOver(); }
    void printAstuce(const std::vector<std::string>& lignes) { hudDisplay.printAstuce(lignes); }
    void printBandeau(const std::vector<std::string>& lignes) { hudDisplay.printBandeau(lignes); }
    void setOffre(std::vector<std::string> lignes) { hudDisplay.setOffre(std::move(lignes)); }

private:
    void placerCamera();

    int posFenetre[2];
    int tailleFenetre[2];
    HUD hudDisplay;
    // The match laid out, given at construction; nothing is drawn from it.
    Partie* partieEnCours;
};

// The field's top and side edges; the bottom stays open.
void dessinerBord();
// The scene's light 0: `vif` the bright one, else the classic.
void eclairer(bool vif);
// The scene's fixed GL state: depth, culling, lights on, materials.
void etatScene();

#endif
