// SPDX-License-Identifier: GPL-3.0-or-later
// A ball in play: held on its owner's paddle until launched, then moved by
// its velocity once per frame. The game modes decide its bounces.
#ifndef VORLEN_BALLE_H
#define VORLEN_BALLE_H

#include "niveaux/item.h"
#include "rendu/ressourcesgl.h"

class Joueur;

class Balle : public Item {
public:
    static constexpr int indiceRmax = 3;
    static constexpr float rayonInit = 0.8f;
    static constexpr float pasRayon = 0.2f;
    static constexpr float vitesseInit = 0.5f;

    // Draws its launch direction from rand(): always upwards, never straight,
    // at `vitesseDepart` per frame.
    Balle(Joueur* prop, float X, float Y, bool hooked, float vitesseDepart = vitesseInit);
    // A ball owns a quadric: it is built once, in place in its list.
    Balle(const Balle&) = delete;
    Balle& operator=(const Balle&) = delete;
    ~Balle() override {}

    Joueur* getProp() const { return proprietaire; }
    const Vecteur& getVitesse() const { return vitesse; }
    // Puts the ball back on its course as a kept match left it.
    void restaurer(const Vecteur& vitesseGardee, int indiceRayonGarde, bool traversanteGardee);

    void deplacer();
    void undoDeplacer();
    void avanceX() { position.X += vitesse.X; }
    void avanceY() { position.Y += vitesse.Y; }
    void reculeX() { position.X -= vitesse.X; }
    void reculeY() { position.Y -= vitesse.Y; }
    void rebondX() { vitesse.X = -vitesse.X; }
    void rebondY() { vitesse.Y = -vitesse.Y; }
    // Leaves at `angle` radians from +Y towards +X, at the ball's speed.
    void rebondBatte(float angle);
    void collision(Vecteur normale);

    bool isGoingDown() const { return vitesse.Y <= 0.0f; }
    bool isHooked() const { return accrochee; }
    void lancer() { accrochee = false; }
    // Shifts a held ball by one paddle step in the sign of `sens`.
    void suivreBatte(int sens);

    void agrandir();
    float getRayon() const { return rayon; }
    int getIRayon() const { return indiceRayon; }
    void setTraversante() { traversante = true; }
    bool isTraversante() const { return traversante; }

    void afficher() override;

private:
    float rayon;
    Joueur* proprietaire;
    Vecteur vitesse;
    bool traversante;
    bool accrochee;
    int indiceRayon;
    Quadrique quadric;
};

#endif
