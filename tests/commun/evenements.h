// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard's, the mouse's and the gamepads' events as SDL queues them, for
// tests to read or to push.
#ifndef VORLEN_TESTS_EVENEMENTS_H
#define VORLEN_TESTS_EVENEMENTS_H

#include <SDL.h>

inline SDL_Event touche(SDLKey sym, Uint8 type = SDL_KEYDOWN, Uint16 caractere = 0) {
    SDL_Event e = {type};
    e.key.keysym.sym = sym;
    e.key.keysym.unicode = caractere;
    return e;
}
inline SDL_Event mouvementSouris(int xrel, int x = 0, int y = 0) {
    SDL_Event e = {SDL_MOUSEMOTION};
    e.motion.xrel = static_cast<Sint16>(xrel);
    e.motion.x = static_cast<Uint16>(x);
    e.motion.y = static_cast<Uint16>(y);
    return e;
}
inline SDL_Event boutonSouris(Uint8 bouton, int x = 0, int y = 0) {
    SDL_Event e = {SDL_MOUSEBUTTONDOWN};
    e.button.button = bouton;
    e.button.x = static_cast<Uint16>(x);
    e.button.y = static_cast<Uint16>(y);
    return e;
}
inline SDL_Event manette(Uint8 type, Uint8 quelle, Uint8 numero, Sint16 valeur = 0) {
    SDL_Event e = {type};
    if (type == SDL_JOYAXISMOTION) {
        e.jaxis = {type, quelle, numero, valeur};
    } else if (type == SDL_JOYHATMOTION) {
        e.jhat = {type, quelle, 0, static_cast<Uint8>(valeur)};
    } else {
        e.jbutton = {type, quelle, numero, static_cast<Uint8>(type == SDL_JOYBUTTONDOWN)};
    }
    return e;
}
inline void pousser(SDL_Event e) {
    SDL_PushEvent(&e);
}
// A key pressed (or released), as the keyboard would.
inline void presser(SDLKey sym, bool enfoncee = true) {
    pousser(touche(sym, enfoncee ? SDL_KEYDOWN : SDL_KEYUP));
}
// Drops what the queue holds: the window's own events so far are not a test's.
inline void viderFile() {
    for (SDL_Event e; SDL_PollEvent(&e);) {
    }
}

#endif
