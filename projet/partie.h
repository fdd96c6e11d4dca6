// One match in progress: the two players, the level, the screen layout and
// the lists of moving objects, with the frame loop that runs it.
#ifndef VORLEN_PARTIE_H
#define VORLEN_PARTIE_H

#include "balle.h"
#include "bonus.h"
#include "debris.h"
#include "display.h"
#include "joueur.h"
#include "niveau.h"
#include "tir.h"

#include <SDL.h>

#include <list>

class Partie {
protected:
    // The mode's rules pass, once per frame while breakable bricks remain.
    virtual void verifPositions() = 0;

public:
    static constexpr Uint32 dureeFrame = 16;
    static constexpr int toucheEchap = 27;

    Partie(int nbJ, float hBriques, SIDE coteJ1, SIDE coteJ2);
    virtual ~Partie() {}
    // The mode's capsule spawner, called where a brick breaks.
    virtual void newBonus(float X, float Y, int sens) = 0;

    Partie(const Partie&) = delete;
    Partie& operator=(const Partie&) = delete;

    // Runs the match until game over and a key, escape, or the window closing.
    void start();
    void initAffichage();

    void newBall(Joueur* owner, bool accrochee);
    void newTir(Joueur* owner);
    void lancerBalles(Joueur& J);

protected:
    // Handles every pending event; false once the match is to end.
    bool traiterEvenements();
    void gameHandler();
    void deplacements();
    void redessiner();

    void detruireBrique(int i, int j);
    bool eventCollision(Balle& balle, Batte& batte);
    bool eventCollision(Brique& brique, Balle& balle);
    bool eventCollision(Brique& brique, Tir& balle);
    bool eventCollision(Bonus& bonus, Batte& batte);

    Joueur joueur1;
    Joueur joueur2;
    bool gameover;
    Niveau niveauCourant;
    Disposition disposition;
    std::list<Balle> listeBalles;
    std::list<Bonus> listeBonus;
    std::list<Debris> listeDebris;
    std::list<Tir> listeTirs;
    int nbJoueur;

private:
    bool toucheEnfoncee(int touche);
    void toucheRelachee(int touche);
    // A player's reaction to a pressed key; true when it is one of its keys.
    bool commandeJoueur(Joueur& J, int nJoueur, int touche);
    void relacherCommande(Joueur& J, int nJoueur, int touche);
    void tirer(Joueur& J);
    void niveauSuivant();
    void attendreFinDeFrame(Uint32 start_time) const;
};

#endif
