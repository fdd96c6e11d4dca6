// SPDX-License-Identifier: GPL-3.0-or-later
// Watching a replay: the match drawn as it was played, under a line that says
// it is a replay and whose. The viewer pauses it, speeds it up (x2, x4) and
// leaves it with Escape; as the attract mode, any key or pointer move ends it.
#ifndef VORLEN_VISIONNEUSE_H
#define VORLEN_VISIONNEUSE_H

#include "jeu/magnetoscope.h"
#include "rendu/FreeType.h"
#include "rendu/boucle.h"

#include <string>

class Visionneuse : public Ecran {
public:
    // A viewer's replay, or the attract mode's demo.
    enum Usage { REGARDER, DEMO };
    static constexpr int vitesseMax = 4;

    Visionneuse(const Rejeu& rejeu, Usage usage);

    // Runs it until the viewer leaves; false when the window was closed.
    bool regarder();

    void traiter(const SDL_Event& event) override;
    void avancer() override;
    void dessiner() override;
    bool fini() const override { return quitte; }
    // The key that ends the demo is not the menu's.
    bool arretNet() const override { return usage == DEMO; }
    bool immobile() const override { return enPause || magnetoscope.fini(); }

    int getVitesse() const { return vitesse; }
    bool estEnPause() const { return enPause; }
    const Magnetoscope& getMagnetoscope() const { return magnetoscope; }

private:
    // The replay's line, and how it stands: speed, pause, its end.
    std::string titre() const;
    std::string etat() const;

    const Rejeu& rejeu;
    const Usage usage;
    Magnetoscope magnetoscope;
    freetype::font_data police;
    int vitesse = 1;
    bool enPause = false;
    bool quitte = false;
    bool fenetreFermee = false;
};

#endif
