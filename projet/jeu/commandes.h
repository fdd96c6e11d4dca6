// SPDX-License-Identifier: GPL-3.0-or-later
// The one map from the player's devices to what they ask. In a match: the
// keys as the player bound them, the paddle gliding as far as the mouse
// moves or as the stick leans, the left button or the first gamepad button
// for the action, a gamepad's start button for the pause. On a screen with
// items: the keys, and a gamepad standing in for the arrows, Return and
// Escape.
#ifndef VORLEN_COMMANDES_H
#define VORLEN_COMMANDES_H

#include "systeme/fenetre.h"

#include <SDL.h>

#include <string>
#include <vector>

class Commandes {
public:
    enum Ordre {
        AUCUN,
        GLISSER,
        ACTION,
        PAUSE_PRESSEE,
        PAUSE_RELACHEE,
        GAUCHE_PRESSEE,
        GAUCHE_RELACHEE,
        DROITE_PRESSEE,
        DROITE_RELACHEE,
        // Escape: leave the match.
        QUITTER,
        // A key of no use in a match but to leave it once it is lost.
        AUTRE_TOUCHE,
        // The last few bricks left behind: on to the next level.
        PASSER
    };
    struct Lecture {
        int joueur; // 1 or 2 for a player's order; 0 otherwise
        Ordre ordre;
        float distance; // world units along X, with GLISSER
    };
    // What a screen with items is asked.
    enum OrdreMenu {
        MENU_AUCUN,
        MENU_HAUT,
        MENU_BAS,
        MENU_MOINS,
        MENU_PLUS,
        MENU_CHOISIR,
        MENU_RETOUR
    };
    // A player's three keys, in the order the settings keep them.
    enum Commande { COMMANDE_GAUCHE, COMMANDE_DROITE, COMMANDE_ACTION, nbCommandes };

    // The stick counts only past this lean, of 32767.
    static constexpr int zoneMorte = 8000;
    static constexpr Uint8 boutonAction = 0;
    // Start on the common pads, as Linux numbers their buttons.
    static constexpr Uint8 boutonsStart[] = {7, 9};

    // The order `event` gives in a match, and to which player: nothing for
    // an event of no device, or of a device no player plays with.
    Lecture lire(const SDL_Event& event);
    // The order `event` gives a screen with items: the arrows and Return, or
    // a gamepad's stick (one step per lean past half its travel) or cross for
    // the arrows, its first button for Return and its second to go back.
    // Escape at the keyboard is no order here: each screen says what it does.
    OrdreMenu lireMenu(const SDL_Event& event);
    // World units player `nJoueur`'s paddle glides this frame for its
    // gamepad: the stick's lean past the dead zone, or the pad's cross, at
    // most one step of the keys.
    float glissementManette(int nJoueur) const;
    // True once when a gamepad a player plays with was in the list of input
    // devices `liste` (laid out as Linux's) at the last call and is gone now:
    // it was pulled out.
    bool manetteDebranchee(const char* liste);
    // The same for the gamepads SDL opened, named in its order (at most two).
    bool manetteDebranchee(const std::vector<std::string>& ouvertes, const char* liste);
    // A key as the player reads it: the controls' own names, else SDL's in
    // capitals ("RETURN", "LEFT SHIFT"), else its number.
    static std::string nomDeTouche(int code);

private:
    Lecture touche(int sym, bool enfoncee) const;
    // A move of the pointer, but none for the first after a change of video
    // mode (full screen and back): SDL measures that one from where the
    // pointer was in the mode before, a leap across the field.
    int xrelDepuisMode(int xrel);
    Lecture souris(Ordre ordre, float distance) const;
    Lecture manette(Uint8 quelle, Ordre ordre) const;

    // Each gamepad's stick along X, and its cross: -1 left, 1 right, 0.
    Sint16 inclinaison[2] = {0, 0};
    int croix[2] = {0, 0};
    // Whether each gamepad was listed at the last look.
    bool listee[2] = {false, false};
    // Where each of a gamepad's axes last leaned on a screen with items
    // (-1, 0, 1): one step per lean.
    int axesMenu[2] = {0, 0};
    // The video mode the pointer's moves were last measured in.
    unsigned int modeVu = fenetre::changementsDeMode();
};

#endif
