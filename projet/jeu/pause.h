// SPDX-License-Identifier: GPL-3.0-or-later
// A match held still: play time stopped, and "Pause" over the field with the
// keys that resume, show the help or leave.
#ifndef VORLEN_PAUSE_H
#define VORLEN_PAUSE_H

#include "rendu/FreeType.h"

class Pause {
public:
    Pause();
    // Play time goes on again if the match ends while paused.
    ~Pause();
    Pause(const Pause&) = delete;
    Pause& operator=(const Pause&) = delete;

    void activer();
    // The pause key pressed: it switches the pause, but the presses a held
    // key repeats do not, so holding it does not make the pause flicker.
    void touchePressee();
    void toucheRelachee() { toucheTenue = false; }
    bool estActive() const { return active; }
    // Draws over the field's viewport, with the pause key's name.
    void afficher(const char* nomTouche);

private:
    bool active;
    bool toucheTenue;
    freetype::font_data titre;
    freetype::font_data texte;
};

#endif
