// SPDX-License-Identifier: GPL-3.0-or-later
// The help page a newcomer opens from the main menu or the pause (F1): each
// capsule spinning as in the match with what it does, the keys as the
// players bound them, and what the mouse and the gamepads do. Any key or
// click goes back.
#ifndef VORLEN_AIDE_H
#define VORLEN_AIDE_H

#include "jeu/bonus.h"
#include "rendu/FreeType.h"
#include "rendu/boucle.h"

#include <list>
#include <string>
#include <vector>

class Aide : public Ecran {
public:
    Aide();

    // Shows the page until a key or a click; false when the window was
    // closed meanwhile.
    static bool montrer();

    void traiter(const SDL_Event& event) override { attente.traiter(event); }
    void avancer() override;
    void dessiner() override;
    bool fini() const override { return attente.finie(); }
    bool arretNet() const override { return true; }
    bool fenetreFermee() const { return attente.fenetreFermee(); }

    // What the page says under the capsules, for the settings as they stand:
    // player `nJoueur`'s keys and device, then the keys every player shares.
    static std::vector<std::string> lignesJoueur(int nJoueur);
    static std::vector<std::string> lignesCommunes();

private:
    void dessinerCapsules();
    void dessinerTextes() const;

    // One per kind, in the order of TYPEBONUS, each spinning where it is drawn.
    std::list<Bonus> capsules;
    freetype::font_data titre;
    freetype::font_data texte;
    freetype::font_data petite;
    AttenteTouche attente;
};

#endif
