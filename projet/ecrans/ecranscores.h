// SPDX-License-Identifier: GPL-3.0-or-later
// The high-score screens of the menu: both tables, and the name a player
// types when a match ends with a score that enters its table.
#ifndef VORLEN_ECRANSCORES_H
#define VORLEN_ECRANSCORES_H

#include "jeu/rejeu.h"
#include "profil/scores.h"
#include "rendu/FreeType.h"

class EcranScores {
public:
    // Draws headings with `titres`, the menu's large font, and the rest
    // with a smaller font of its own.
    explicit EcranScores(const freetype::font_data& titres);
    EcranScores(const EcranScores&) = delete;
    EcranScores& operator=(const EcranScores&) = delete;

    // Shows both tables until a key is pressed, with line `rang` of `mode`'s
    // table highlighted (none when `rang` is -1) and, under them, why the
    // last score could not be saved; false when the window was closed instead.
    // Up and down choose a line that kept its replay, Return plays it.
    bool montrer(const MeilleursScores& scores,
                 MeilleursScores::Mode mode = MeilleursScores::MODE_1J, int rang = -1);
    // When `ligne` (its names aside) enters `mode`'s table: each player types
    // a name, the table is saved, with the match's replay `rejeu` beside it,
    // and then shown with the new line highlighted. The replays of lines that
    // left the tables go. False when the window was closed meanwhile; a name
    // being typed is then kept as it stands.
    bool inscrire(MeilleursScores& scores, MeilleursScores::Mode mode, LigneScore ligne,
                  const Rejeu* rejeu = nullptr);
    // Enters `ligne` with the names the entry offers (the login name, then
    // "Joueur 2"), asking nothing: a match given up for a new one.
    static void inscrireSansSaisie(MeilleursScores& scores, MeilleursScores::Mode mode,
                                   const LigneScore& ligne);

private:
    // The two screens: the tables until a key, a name until Return.
    class Tables;
    class Saisie;

    bool saisir(const std::string& invite, const LigneScore& ligne, MeilleursScores::Mode mode,
                SaisieNom& saisie);
    // `rangChoisi` of `modeChoisi` is the line whose replay Return plays; a
    // line under the tables says how, when `rejeux`, and `avisRejeu` why the
    // last one chosen could not be played.
    void dessinerTables(const MeilleursScores& scores, MeilleursScores::Mode mode, int rang,
                        MeilleursScores::Mode modeChoisi, int rangChoisi, bool rejeux,
                        const std::string& avisRejeu) const;
    // One line under the tables when the last save failed or kept the old
    // file aside, or when a replay could not be played.
    void dessinerAvertissement(const fichiers::Enregistrement& enregistrement,
                               const std::string& avisRejeu) const;
    void dessinerTable(const TableScores& table, const char* titre, float haut, int rangSurligne,
                       int rangChoisi) const;
    void dessinerSaisie(const std::string& invite, const LigneScore& ligne,
                        MeilleursScores::Mode mode, const SaisieNom& saisie) const;

    const freetype::font_data& grande;
    freetype::font_data petite;
};

#endif
