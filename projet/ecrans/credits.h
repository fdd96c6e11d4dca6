// SPDX-License-Identifier: GPL-3.0-or-later
// Who made what the game is built with, over the dimmed title image, until
// the player presses any key.
#ifndef VORLEN_CREDITS_H
#define VORLEN_CREDITS_H

#include "ecrans/decor.h"
#include "rendu/FreeType.h"
#include "rendu/boucle.h"

class Credits : public Ecran {
public:
    Credits(const Decor& decor, const freetype::font_data& police) : decor(decor), police(police) {}

    void traiter(const SDL_Event& event) override { attente.traiter(event); }
    void dessiner() override;
    bool fini() const override { return attente.finie(); }
    // Whether the window's closing ended it, rather than a key.
    bool fenetreFermee() const { return attente.fenetreFermee(); }

private:
    const Decor& decor;
    const freetype::font_data& police;
    AttenteTouche attente;
};

#endif
