// SPDX-License-Identifier: GPL-3.0-or-later
// A match opened up for tests and benchmarks: its lists, players and rule
// steps in reach, a level laid out cell by cell, and a clock they drive.
#ifndef VORLEN_TESTS_BANC_H
#define VORLEN_TESTS_BANC_H

#include "evenements.h"
#include "jeu/typesparties.h"
#include "systeme/hasard.h"
#include "systeme/horloge.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

// One cell of a test level: column, row, hit points.
struct Cellule {
    int i, j, points;
};

// Every match in a test draws the same numbers, whatever ran before it: the
// sequence starts again before the match is built, as the match records it.
struct HasardAuDebut {
    HasardAuDebut() { hasard::placer(0); }
};

template <typename Mode> class Banc : private HasardAuDebut, public Mode {
public:
    using Mode::eventCollision;

    // The GL state is set only where a window is open: the rules need none.
    template <typename... Arguments>
    explicit Banc(Arguments&&... arguments) : Mode(std::forward<Arguments>(arguments)...) {
        if (SDL_GetVideoSurface() != nullptr) {
            this->initAffichage();
        }
    }

    // One frame's input and rules, without drawing; false once the match is to end.
    bool jouerSansDessiner() {
        recevoir(*this);
        this->regler();
        return !this->fini();
    }
    // One frame of the match loop, without the pacing.
    bool frame() {
        const bool continuer = jouerSansDessiner();
        this->redessiner();
        return continuer;
    }
    // One whole frame as the match loop plays it, these events for its
    // input, recorded; its sounds are dropped and it is not drawn.
    bool passage(const std::vector<SDL_Event>& evenements = {}) {
        this->commencerPassage();
        for (const SDL_Event& e : evenements) {
            this->traiter(e);
        }
        this->regler();
        this->terminerPassage();
        this->sonsDemandes.clear();
        return !this->fini();
    }
    // One frame drawn as the match stands: no input, no rule step (the first
    // would load level 1).
    void dessinerSeulement() { this->redessiner(); }
    void deplacer() { this->deplacements(); }
    void verifier() { this->verifPositions(); }
    void gerer() { this->gameHandler(); }

    Joueur& j1() { return this->joueur1; }
    Joueur& j2() { return this->joueur2; }
    Niveau& niveau() { return this->niveauCourant; }
    bool perdu() const { return this->gameover; }
    std::vector<std::string> astuce() const { return this->astuceLancer(); }
    bool enPause() const { return this->pause.estActive(); }
    void basculerPause() {
        this->pause.touchePressee();
        this->pause.toucheRelachee();
    }
    std::list<Balle>& balles() { return this->listeBalles; }
    std::list<Bonus>& bonus() { return this->listeBonus; }
    std::list<Debris>& debris() { return this->listeDebris; }
    std::list<Tir>& tirs() { return this->listeTirs; }
    // What the rules asked to be heard since the last call, in order.
    std::vector<Effet> entendus() {
        std::vector<Effet> effets;
        for (const Son& son : this->sonsDemandes) {
            effets.push_back(son.effet);
        }
        this->sonsDemandes.clear();
        return effets;
    }

    // Replaces the level with these cells only, through a level file of its own.
    void poserNiveau(std::initializer_list<Cellule> cellules) {
        int grille[Niveau::nbBriquesY][Niveau::nbBriquesX] = {};
        for (const Cellule& c : cellules) {
            grille[Niveau::nbBriquesY - 1 - c.j][c.i] = c.points;
        }
        const std::string nom =
            "banc-" + std::to_string(reinterpret_cast<std::uintptr_t>(this)) + ".lvl";
        {
            std::ofstream f(nom);
            f << "[1]\n";
            for (const auto& rangee : grille) {
                for (const int points : rangee) {
                    f << points << ' ';
                }
            }
        }
        niveau().initBriques(nom.c_str(), 1);
        std::remove(nom.c_str());
    }
    // Where the brick of cell (i, j) stands.
    Vecteur centre(int i, int j) { return niveau().centreCellule(i, j); }
    // A free ball of `J` at (x, y), leaving at `angle` from the vertical.
    Balle& poserBalle(Joueur& J, float x, float y, float angle) {
        this->newBall(&J, false);
        Balle& balle = this->listeBalles.back();
        *balle.getPosition() = Vecteur(x, y, 0.0f);
        balle.rebondBatte(angle);
        return balle;
    }
};

// Drives the game's clock while alive, from 1000 ms.
class HorlogeDeTest {
public:
    HorlogeDeTest() {
        temps = 1000;
        horloge::remplacerSource([] { return temps; });
    }
    ~HorlogeDeTest() { horloge::remplacerSource(nullptr); }
    void regler(Uint32 ms) { temps = ms; }
    void avancer(Uint32 ms) { temps += ms; }

private:
    static inline Uint32 temps = 0;
};

#endif
