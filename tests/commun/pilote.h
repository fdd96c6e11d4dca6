// SPDX-License-Identifier: GPL-3.0-or-later
// A steady player of the rules, for measuring levels: player 1 steers with the
// keys toward where the lowest falling ball will meet its row, and presses its
// action key now and then to launch and shoot. What each level costs it is
// what a level designer reads: frames to clear it, paddles lost on the way.
#ifndef VORLEN_TESTS_PILOTE_H
#define VORLEN_TESTS_PILOTE_H

#include "banc.h"
#include "jeu/typesparties.h"
#include "niveaux/terrain.h"
#include "profil/settings.h"

#include <cmath>
#include <functional>
#include <iterator>
#include <optional>
#include <vector>

struct BilanNiveau {
    // The bricks left below which a level is at its end, its last hunt.
    static constexpr int dernieresBriques = 6;

    int numero;
    long passages;
    // Of those, the frames spent with dernieresBriques or fewer left.
    long passagesFin;
    int battesPerdues;
    bool fini;
};

class Pilote {
public:
    // The x where a ball at (x, y), going (vx, vy) downward, meets row `yBatte`,
    // its bounces on the side walls folded in.
    static float pointDeChute(float x, float y, float vx, float vy, float yBatte) {
        const float largeur = 2 * terrain::murDroit;
        float xc = x + vx * (yBatte - y) / vy + terrain::murDroit;
        xc = std::fmod(std::fabs(xc), 2 * largeur);
        return (xc > largeur ? 2 * largeur - xc : xc) - terrain::murDroit;
    }

    // Plays the match, a frame at a time, until the file's last level is
    // cleared, the match is lost, or `passagesMax` frames have gone by on one
    // level; one line per level reached.
    std::vector<BilanNiveau> jouer(Banc<Normal1j>& partie, HorlogeDeTest& horloge, long passagesMax,
                                   const std::function<void()>& apresChaquePassage = {}) {
        std::vector<BilanNiveau> bilans;
        BilanNiveau courant{0, 0, 0, 0, false};
        int vies = partie.j1().getNbVie();
        while (!partie.fini() && courant.passages < passagesMax) {
            horloge.avancer(Partie::dureeFrame);
            if (!partie.passage(ordres(partie, courant.passages))) {
                break;
            }
            ++courant.passages;
            if (apresChaquePassage) {
                apresChaquePassage();
            }
            courant.passagesFin +=
                partie.niveau().nbBriquesRestantes() <= BilanNiveau::dernieresBriques ? 1 : 0;
            courant.battesPerdues += partie.j1().getNbVie() < vies ? 1 : 0;
            vies = partie.j1().getNbVie();
            if (partie.getNumNiveau() != courant.numero) {
                // After the last level the match starts the file again.
                const bool recommence = partie.getNumNiveau() < courant.numero;
                if (courant.numero > 0) {
                    courant.fini = true;
                    bilans.push_back(courant);
                }
                if (recommence) {
                    return bilans;
                }
                courant = {partie.getNumNiveau(), 0, 0, 0, false};
            }
        }
        bilans.push_back(courant);
        return bilans;
    }

private:
    std::vector<SDL_Event> ordres(Banc<Normal1j>& partie, long passage) {
        std::vector<SDL_Event> e;
        if (passage % 40 == 0) {
            e.push_back(
                touche(SDLKey(currentSettings.getAssignedKey(1, Commandes::COMMANDE_ACTION))));
        }
        const Batte& batte = partie.j1().getBatteRef();
        const float x = batte.getPosition()->X;
        // Each ball sent back hits the paddle elsewhere, so that it goes elsewhere: a
        // player who always met it dead centre would never reach the bricks it misses.
        static constexpr float decalages[] = {0.0f, 0.6f, -0.6f, 0.3f, -0.3f, 0.8f, -0.8f};
        const std::optional<float> chute = pointDeChute(partie);
        if (descendait && !chute) {
            ++renvois;
        }
        descendait = chute.has_value();
        const float visee =
            chute ? *chute - decalages[renvois % std::size(decalages)] * batte.getLongueur() / 2
                  : (partie.balles().empty() ? 0.0f : partie.balles().front().getPosition()->X);
        const int sens = visee > x + 0.8f ? 1 : visee < x - 0.8f ? -1 : 0;
        if (sens != tenu) {
            relacher(e);
            if (sens != 0) {
                e.push_back(touche(toucheDe(sens), SDL_KEYDOWN));
            }
            tenu = sens;
        }
        return e;
    }
    // Where the lowest ball coming down meets the paddle's row; none when none comes down.
    static std::optional<float> pointDeChute(Banc<Normal1j>& partie) {
        const Balle* basse = nullptr;
        for (const Balle& b : partie.balles()) {
            if (b.getVitesse().Y < 0 &&
                (basse == nullptr || b.getPosition()->Y < basse->getPosition()->Y)) {
                basse = &b;
            }
        }
        if (basse == nullptr) {
            return std::nullopt;
        }
        return pointDeChute(basse->getPosition()->X, basse->getPosition()->Y, basse->getVitesse().X,
                            basse->getVitesse().Y, terrain::ligneBasJoueur1);
    }
    static SDLKey toucheDe(int sens) {
        return SDLKey(currentSettings.getAssignedKey(1, sens > 0 ? Commandes::COMMANDE_DROITE
                                                                 : Commandes::COMMANDE_GAUCHE));
    }
    void relacher(std::vector<SDL_Event>& e) const {
        if (tenu != 0) {
            e.push_back(touche(toucheDe(tenu), SDL_KEYUP));
        }
    }

    int tenu = 0;
    bool descendait = false;
    long renvois = 0;
};

#endif
