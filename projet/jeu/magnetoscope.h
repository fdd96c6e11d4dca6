// SPDX-License-Identifier: GPL-3.0-or-later
// Plays a replay back, frame by frame, on a match of the mode it recorded:
// for the window, the attract mode and the check without a window alike.
#ifndef VORLEN_MAGNETOSCOPE_H
#define VORLEN_MAGNETOSCOPE_H

#include "jeu/partie.h"
#include "jeu/rejeu.h"

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

class Magnetoscope {
public:
    // `rejeu` is read as it plays: it outlives the player.
    explicit Magnetoscope(const Rejeu& rejeu);
    ~Magnetoscope();
    Magnetoscope(const Magnetoscope&) = delete;
    Magnetoscope& operator=(const Magnetoscope&) = delete;

    // Plays the next frame; false at the end, or once the match has gone
    // astray from the one recorded.
    bool avancer();
    bool fini() const { return termine; }
    bool egare() const { return ecart; }
    // Frames played so far.
    long passage() const { return numero; }
    Partie& partie() { return *match; }
    const Partie& partie() const { return *match; }

private:
    const Rejeu& rejeu;
    std::unique_ptr<Partie> match;
    Rejeu::Lecteur lecteur;
    Rejeu::Passage enCours;
    long numero = 0;
    bool termine = false;
    bool ecart = false;
};

// The replay in `chemin`, when this game can play it; otherwise nothing, and
// `raison` says why in a few words (unreadable, cut, another version's).
std::optional<Rejeu> chargerRejeu(const std::string& chemin, std::string& raison);

// What the check without a window found.
enum StatutRejeu { REJEU_FIDELE = 0, REJEU_ECARTE = 1, REJEU_ILLISIBLE = 2 };

// Plays the replay in `chemin` without a window, as fast as it goes, writing
// the match's digest every second of play and the final scores on `sortie`:
// whether the rules still play the match that was recorded.
StatutRejeu verifierRejeu(const std::string& chemin, std::ostream& sortie);

#endif
