// SPDX-License-Identifier: GPL-3.0-or-later
// A match as it can be played again exactly. The rules move every object one
// step a frame and read one clock and rand(): a match is what it started from
// plus, for each frame, the play time its rules read, the orders they obeyed
// and the levels they laid out. A digest of the match every second tells a
// replay that has gone astray. The file is a few lines a person can read,
// then the frames packed with zlib.
#ifndef VORLEN_REJEU_H
#define VORLEN_REJEU_H

#include "jeu/commandes.h"
#include "jeu/partiegardee.h"
#include "niveaux/niveau.h"
#include "profil/difficulte.h"

#include <SDL_types.h>

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

struct Rejeu {
    // What reached the rules of a frame from outside, in order.
    struct Geste {
        // The match paused from outside: its window left, a pad pulled out,
        // or its help opened, whose capsules drew `tirages` numbers.
        bool pauseImposee = false;
        unsigned long long tirages = 0;
        // Otherwise a player's order, as the match obeyed it.
        Commandes::Lecture lecture{0, Commandes::AUCUN, 0.0f};
    };
    struct Passage {
        // Play time, as every rule of the frame read it.
        Uint32 temps = 0;
        std::vector<Geste> gestes;
        // How far each player's gamepad glides the paddle this frame.
        std::array<float, 2> glissements{};
        // The level the frame laid out, when it did.
        std::optional<std::pair<int, Niveau::Grille>> niveau;
        // The match's digest at the frame's end, every `periodeControle` frames.
        std::optional<Uint32> controle;
    };
    static constexpr long periodeControle = 60;

    // The game's version that recorded it: another's rules may differ.
    std::string version;
    int nbJoueurs = 1;
    // The levels, as the menu names them, how hard, and when it was played.
    std::string niveaux;
    difficulte::Choix difficulte = difficulte::NORMAL;
    std::string date;
    // Whose match it was, for the line shown over it; empty when no one said.
    std::string joueurs;
    std::array<int, 2> scores{};
    int niveauAtteint = 0;
    // Numbers rand() had drawn when the match began.
    unsigned long long tiragesDebut = 0;
    // Play time when the match began, and what it resumed, if it did.
    Uint32 tempsDebut = 0;
    std::optional<PartieGardee> reprise;

    // Appends a frame; read back in order with Lecteur.
    void ajouter(const Passage& passage);
    long nbPassages() const { return passages; }

    // The file's bytes, and back: anything that is not a replay this game
    // recorded (cut, altered, another version's) gives nothing, and `raison`
    // says why in a few words.
    std::string texte() const;
    static std::optional<Rejeu> lire(const std::string& texte, std::string& raison);
    // A replay's file is at most this long, and its frames unpacked too:
    // hours of play.
    static constexpr std::size_t tailleMaxFichier = 4u << 20;
    static constexpr std::size_t tailleMaxPassages = 64u << 20;

    // The frames one after the other, as recorded.
    class Lecteur {
    public:
        explicit Lecteur(const Rejeu& rejeu) : rejeu(rejeu) {}
        // The next frame; false at the end, or where the frames are damaged.
        bool suivant(Passage& passage);
        bool fini() const { return position == rejeu.octets.size(); }

    private:
        const Rejeu& rejeu;
        std::size_t position = 0;
        Passage precedent;
    };

private:
    // Each frame packed against the one before: most are alike.
    std::string octets;
    long passages = 0;
    Passage dernier;
};

#endif
