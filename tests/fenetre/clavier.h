// SPDX-License-Identifier: GPL-3.0-or-later
// A player at the keyboard who presses each key once the game has handled the
// one before, however slow the machine: the next key comes at the first poll
// of SDL's queue that follows one that found it empty, that is at the start of
// the next pass of whichever loop runs.
#ifndef VORLEN_TESTS_CLAVIER_H
#define VORLEN_TESTS_CLAVIER_H

#include <SDL.h>

#include <string>
#include <vector>

namespace clavier {

// Stands for the window's close button among the keys.
constexpr SDLKey fermeture = SDLK_UNKNOWN;

struct Touche {
    SDLKey sym;
    Uint16 caractere = 0;
};

// The keys to press from now on, in order.
void jouer(const std::vector<Touche>& touches);
// Each character of `texte` typed, then Return.
std::vector<Touche> saisie(const std::string& texte);
// True when the game still waited for keys, seconds after the last one; it
// was then given the window's closing, again and again, so that it ended.
bool aAttenduPlus();

} // namespace clavier

#endif
