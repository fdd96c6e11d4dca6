// SPDX-License-Identifier: GPL-3.0-or-later
// The one loop every screen runs in. Each pass polls the events and answers
// those every screen answers alike (F11, a new window size), hands the rest
// to the screen, lets it move on, draws it when its picture is due and
// sleeps out the rest of the pass. A screen started from another (a match
// from the menu) runs its own loop inside, and the one below takes over
// again when it is done.
#ifndef VORLEN_BOUCLE_H
#define VORLEN_BOUCLE_H

#include <SDL.h>

// A screen as the loop runs it.
class Ecran {
public:
    virtual ~Ecran() = default;

    // At the start of each pass, before its events.
    virtual void commencerPassage() {}
    // An event only this screen answers: the window's closing, a signal
    // and a lost focus mean something different on each screen.
    virtual void traiter(const SDL_Event& event) = 0;
    // Once a pass, after the events: what moves on its own.
    virtual void avancer() {}
    virtual void dessiner() = 0;
    virtual bool fini() const = 0;
    // Whether it stops dead once done: the events still queued are the
    // screen below's (a key typed ahead reaches it) and it neither moves nor
    // draws again. Otherwise the pass it ends in runs to its end: every event
    // of the pass is still its own, a second key included, and it moves and
    // draws once more.
    virtual bool arretNet() const { return false; }
    // Whether nothing on it moves until an event comes (a paused match): it
    // is then drawn after events only, at a still screen's pace.
    virtual bool immobile() const { return false; }
};

// How a screen's passes go.
struct Rythme {
    // At least this long from the start of a pass to the next, in ms.
    Uint32 dureePassage;
    // Drawn after an event only (a window uncovered sends one too), for a
    // still screen left idle; else drawn every pass.
    bool surEvenement;
};

// The pace of the screens that wait on the player: a pass every 50 ms.
constexpr Rythme rythmeEcranFixe = {50, true};
constexpr Rythme rythmeEcranAnime = {50, false};

// Runs `ecran` until it is done or the game is to end: a signal or a lost
// window ends the pass at once, whatever the screen.
void executer(Ecran& ecran, const Rythme& rythme);

// The pending events, those every screen answers alike answered on the way
// and the others handed to `ecran`; true when there was one.
bool recevoir(Ecran& ecran);

// The player's switch to full screen and back, saved in the settings file:
// F11 on any screen, or the Options item.
void basculerPleinEcranRetenu();

// How a screen that waits for any key ends: on a key, a mouse button or a
// gamepad button, or on the window's closing, which the screen below must
// hear of.
class AttenteTouche {
public:
    void traiter(const SDL_Event& event);
    bool finie() const { return termine; }
    bool fenetreFermee() const { return fermee; }
    // Ended by a key, not by the window's closing nor a signal.
    bool parTouche() const { return termine && !fermee; }

private:
    bool termine = false;
    bool fermee = false;
};

#endif
