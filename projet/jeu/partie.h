// SPDX-License-Identifier: GPL-3.0-or-later
// One match in progress: the two players, the level, the screen layout and
// the lists of moving objects, with the frame loop that runs it.
#ifndef VORLEN_PARTIE_H
#define VORLEN_PARTIE_H

#include "jeu/pause.h"
#include "jeu/balle.h"
#include "jeu/bonus.h"
#include "jeu/commandes.h"
#include "jeu/debris.h"
#include "jeu/joueur.h"
#include "jeu/partiegardee.h"
#include "jeu/rejeu.h"
#include "jeu/tir.h"
#include "niveaux/niveau.h"
#include "niveaux/serie.h"
#include "profil/difficulte.h"
#include "rendu/boucle.h"
#include "rendu/display.h"
#include "jeu/lots.h"
#include "son/sons.h"
#include "systeme/fenetre.h"

#include <SDL.h>

#include <array>
#include <initializer_list>
#include <list>
#include <optional>
#include <string>
#include <vector>

class Partie : public Ecran {
protected:
    // The mode's rules pass, once per frame while breakable bricks remain.
    virtual void verifPositions() = 0;

public:
    static constexpr Uint32 dureeFrame = 16;
    // How long a new level's banner stays over the field, in play time; the
    // rules go on under it, the balls held until the players launch them.
    static constexpr Uint32 dureeBandeau = 2500;
    // When the option lets the players leave the last bricks behind: no
    // more than `briques` breakable ones left for `attente` of play time;
    // the key takes the offer.
    struct FinDeNiveau {
        static constexpr int briques = 5;
        static constexpr Uint32 attente = 20000;
        static constexpr SDLKey touche = SDLK_n;
    };

    // A match of `nbJ` players on the level file `fichier`, its grid's lowest
    // row at `hBriques`.
    Partie(int nbJ, float hBriques, std::string fichier);
    virtual ~Partie() {}
    // The mode's capsule spawner, called where a brick breaks.
    virtual void newBonus(float X, float Y) = 0;

    Partie(const Partie&) = delete;
    Partie& operator=(const Partie&) = delete;

    // Runs the match until game over and a key, escape, or the window closing.
    void start();
    void initAffichage();

    // How the match stands when it ends, for the high scores.
    bool isGameOver() const { return gameover; }
    int getNbJoueur() const { return nbJoueur; }
    // The players' scores added up: the team's score in the co-operative game.
    int getScoreTotal() const {
        return joueur1.getScore() + (nbJoueur == 2 ? joueur2.getScore() : 0);
    }
    int getNumNiveau() const { return niveauCourant.getNumNiveau(); }

    // How hard the match is played, chosen before it starts: each player's
    // lives and paddle, then each ball's speed and each brick's capsules.
    void choisirDifficulte(difficulte::Choix choix);
    difficulte::Choix getDifficulte() const { return difficulte; }

    // The match as it stands, to be resumed later from the main menu.
    PartieGardee garder() const;
    // Puts back the match `gardee` keeps, before it starts: paused, so the
    // players find their hands before the balls move again.
    void reprendre(const PartieGardee& gardee);

    void newBall(Joueur* owner, bool accrochee);
    void newTir(Joueur* owner);
    void lancerBalles(Joueur& J);

    // The match as a screen: play time held for the frame, the players'
    // orders, the frame's rules and sounds, its picture, and whether it is over.
    void commencerPassage() override;
    void traiter(const SDL_Event& event) override;
    void avancer() override;
    void dessiner() override { redessiner(); }
    bool fini() const override { return !continuer; }
    // Paused, the picture changes only with what the player does.
    bool immobile() const override { return pause.estActive(); }

    // Every frame since the match began, as the file keeps it: what it
    // began from and how it stands now.
    Rejeu rejeu() const;
    // Plays the match from `rejeu`'s start: the players' hands are the
    // replay's from now on.
    void rejouerDepuis(const Rejeu& rejeu);
    // One recorded frame in place of the players' and the clock's; false
    // when the match has gone astray from the one recorded.
    bool rejouer(const Rejeu::Passage& passage);
    // What the rules have made of the match, in a few bytes.
    Uint32 empreinte() const;
    // The frame's picture, not yet shown: a replay writes over it.
    void dessinerScene();

protected:
    // One frame's step but its sounds: the pads looked for, the mouse held
    // while it plays, then the rules.
    void regler();
    // The frame's record closed, with the match's digest when one is due.
    void terminerPassage();
    void gameHandler();
    void deplacements();
    void redessiner();

    // Lays out level `numero` of the level file; a match on levels of its
    // own lays them out from elsewhere.
    virtual void chargerNiveau(int numero);
    void detruireBrique(int i, int j);
    bool eventCollision(Balle& balle, Batte& batte);
    bool eventCollision(Brique& brique, Balle& balle);
    bool eventCollision(Brique& brique, Tir& balle);
    bool eventCollision(Bonus& bonus, Batte& batte);

    // Rule pieces the game modes share, in the order of their rules pass.
    static constexpr float angleRebond = 1.57f;
    static constexpr int nombreDebris = 25;
    static constexpr int scoreBonus = 5;
    static constexpr int scoreTir = 1;

    // Brings a destroyed player back when its time is up and lives remain;
    // true when it is destroyed for good.
    bool joueurHorsJeu(Joueur& J);
    // Every shot against the bricks; `sonImpact` is the mode's hit sound.
    void tirsContreBriques(Effet sonImpact);
    // Queued for the end of the frame's rules.
    void sonner(Effet effet);
    // Every ball against the walls, the bricks and these paddles, in turn;
    // a ball that leaves the field is its owner's loss.
    void reglesBalles(std::initializer_list<Joueur*> battes);
    // Capsules caught by the first of these paddles they touch, or lost.
    void attraperBonus(std::initializer_list<Joueur*> attrapeurs);
    void rebondMurs(Balle& balle, float r);
    void balleContreBriques(Balle& balle, float r);
    void renvoyerSurBatte(Balle& balle, Joueur& J);
    // The paddle bursts into debris in the player's colour; back in 3 s.
    void destroyJoueur(Joueur& J);
    void applyBonus(Joueur& J, std::list<Bonus>::iterator& itBonus);

    // The level file the match reads its levels from, and the set it is.
    const std::string fichierNiveaux;
    Serie serie;
    Joueur joueur1;
    Joueur joueur2;
    bool gameover;
    // False once the players leave the match.
    bool continuer = true;
    Niveau niveauCourant;
    Disposition disposition;
    std::list<Balle> listeBalles;
    std::list<Bonus> listeBonus;
    std::list<Debris> listeDebris;
    std::list<Tir> listeTirs;
    int nbJoueur;
    difficulte::Choix difficulte = difficulte::NORMAL;
    // Held still by the pause key or when the window loses the keyboard.
    Pause pause;
    // The grid and the fragments, each drawn in one batch.
    LotBriques lotBriques;
    LotDebris lotDebris;
    // What the keys, the mouse and the gamepads ask of the players.
    Commandes commandes;
    // Held while the mouse plays: not paused, not lost.
    fenetre::CaptureSouris captureSouris;
    // How each player holding a ball launches it, for a new player; empty
    // when no one holds one.
    std::vector<std::string> astuceLancer() const;
    // What the frame's rules asked to be heard, played once they are done.
    FileSons sonsDemandes;
    // When the gamepads were last looked for in the system's list.
    Uint32 dernierAppelManettes = 0;
    // How far each player's gamepad glides the paddle this frame.
    std::array<float, 2> glissements{};
    // The frames so far, and the one under way.
    Rejeu enregistrement;
    Rejeu::Passage passageEnCours;
    // The frame being played again, while the match follows a replay;
    // whether it has gone astray.
    const Rejeu::Passage* passageRejoue = nullptr;
    bool egare = false;

private:
    // The help page over the match, paused; the window closed there ends it.
    void ouvrirAide();
    // Whether player `J` holds a ball on its paddle.
    bool balleTenue(const Joueur& J) const;
    // Whether the level may be left for the next, its last bricks scored.
    bool passageOffert() const;
    // What the bricks left would score, each broken by a ball of the usual size.
    int pointsRestants() const;
    // The bricks left broken for their points, player `J`'s; the frame's
    // rules then lay out the next level.
    void passerNiveau(Joueur& J);
    // What the panel offers this frame: the key that passes, and for how much.
    std::vector<std::string> offre() const;
    // Play time since which few bricks are left on this level; none while more are.
    std::optional<Uint32> peuDeBriquesDepuis;
    // The banner's lines while it shows, else none.
    std::vector<std::string> bandeau() const;
    // Play time when the level shown was laid out, for its banner; none for
    // a level put back from a kept match.
    std::optional<Uint32> debutNiveau;
    // Plays what the frame's rules asked to be heard.
    void faireEntendre();
    // Puts back the kept match, its clock and draws as they come.
    void restaurer(const PartieGardee& gardee);
    // Pauses the match from outside its keys, as a replay will again.
    void imposerPause(unsigned long long tiragesAilleurs = 0);
    // The next level, from the level file or from the replay.
    void poserNiveauSuivant();
    // A lost keyboard focus or a minimised window pauses the match.
    void fenetreQuittee(const SDL_ActiveEvent& active);
    // So does a player's gamepad pulled out, looked for once a second.
    void surveillerManettes();
    // Launches the player's held balls and fires its cannon if it can.
    void actionJoueur(Joueur& J);
    // Carries out what a key, the mouse or a gamepad asks; false when it
    // asks to leave the match (Escape, or any key or click once it is lost).
    bool obeir(const Commandes::Lecture& lecture);
    // The paddle slides, its held balls with it.
    void glisserBatte(Joueur& J, float distance);
    void tirer(Joueur& J);
    bool rebondSurBrique(Balle& balle, Brique& brique);
    bool sortirDeBrique(Balle& balle, const Brique& brique);
    void perdreBalle(int numJoueur);
    void casserBrique(int i, int j, bool bonusAssure);
    void niveauSuivant();
};

#endif
