// SPDX-License-Identifier: GPL-3.0-or-later
// What the mouse and the gamepads ask of the players in a match, read from
// SDL's events beside the keyboard, which always works: the paddle glides as
// far as the mouse moves or as the stick leans, the left button or the first
// gamepad button is the action, a gamepad's start button the pause.
#ifndef VORLEN_COMMANDES_H
#define VORLEN_COMMANDES_H

#include <SDL.h>

class Commandes {
public:
    enum Ordre { AUCUN, GLISSER, ACTION, PAUSE_PRESSEE, PAUSE_RELACHEE };
    struct Lecture {
        int joueur; // 1 or 2; 0 with AUCUN
        Ordre ordre;
        float distance; // world units along X, with GLISSER
    };

    // The stick counts only past this lean, of 32767.
    static constexpr int zoneMorte = 8000;
    static constexpr Uint8 boutonAction = 0;
    // Start on the common pads, as Linux numbers their buttons.
    static constexpr Uint8 boutonsStart[] = {7, 9};

    // The order `event` gives, and to which player: nothing for an event of
    // neither the mouse nor a gamepad, or of a device no player plays with.
    Lecture lire(const SDL_Event& event);
    // World units player `nJoueur`'s paddle glides this frame for its
    // gamepad: the stick's lean past the dead zone, or the pad's cross, at
    // most one step of the keys.
    float glissementManette(int nJoueur) const;
    // True once when a gamepad a player plays with was in the list of input
    // devices `liste` (laid out as Linux's) at the last call and is gone now:
    // it was pulled out.
    bool manetteDebranchee(const char* liste);

private:
    Lecture souris(Ordre ordre, float distance) const;
    Lecture manette(Uint8 quelle, Ordre ordre) const;

    // Each gamepad's stick along X, and its cross: -1 left, 1 right, 0.
    Sint16 inclinaison[2] = {0, 0};
    int croix[2] = {0, 0};
    // Whether each gamepad was listed at the last look.
    bool listee[2] = {false, false};
};

#endif
