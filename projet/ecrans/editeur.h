// SPDX-License-Identifier: GPL-3.0-or-later
// The level editor: the player's own levels laid out on the field as the
// match shows them, painted cell by cell with the mouse or the keys, checked
// as they change, tried as a one-player match, and saved to the player's
// level file.
#ifndef VORLEN_EDITEUR_H
#define VORLEN_EDITEUR_H

#include "niveaux/niveau.h"
#include "niveaux/recueil.h"
#include "rendu/FreeType.h"
#include "rendu/boucle.h"
#include "rendu/display.h"
#include "jeu/commandes.h"
#include "jeu/lots.h"

#include <SDL.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

class Editeur : public Ecran {
public:
    // What a cell can be painted with, in the palette's order: empty, 1 to
    // 10 hit points, unbreakable.
    static constexpr int nbChoix = Brique::soliditeMax + 2;
    // The hit points the level file holds for palette entry `choix`.
    static int pointsDuChoix(int choix);

    // The panel's actions, in their order down the panel.
    enum Action {
        PRECEDENT,
        SUIVANT,
        NOUVEAU,
        DUPLIQUER,
        SUPPRIMER,
        COPIER,
        ANNULER,
        REFAIRE,
        ESSAYER,
        QUITTER,
        OUI,
        NON,
        AUCUNE
    };

    // Edits the level file `fichier`; the shipped levels it may copy are
    // in `fichierDuJeu`.
    Editeur(std::string fichier, std::string fichierDuJeu);
    Editeur(const Editeur&) = delete;
    Editeur& operator=(const Editeur&) = delete;

    // Runs the editor until the player leaves it; false when the whole game
    // is to end (the window closed, a signal).
    bool editer();

    // How the editing stands, for the tests.
    const Recueil& getRecueil() const { return recueil; }
    std::pair<int, int> getCurseur() const { return {curseurI, curseurJ}; }
    bool enQuestion() const { return question != AUCUNE; }
    const std::string& getMessage() const { return message; }
    // The breakable bricks no ball can reach, as (column, row) cells.
    const std::vector<std::pair<int, int>>& getEmmurees() const { return emmurees; }

    // The editor as a screen, drawn anew after each event.
    void traiter(const SDL_Event& event) override;
    void dessiner() override;
    bool fini() const override { return !enCours; }
    bool arretNet() const override { return true; }

private:
    void touche(const SDL_keysym& touche);
    // The editor's key for a gamepad's order: the arrows, Return, Escape.
    static SDLKey toucheDeLOrdre(Commandes::OrdreMenu ordre);
    // The palette's entry a key chooses; -1 for a key that chooses none.
    int choixDeLaTouche(const SDL_keysym& touche) const;
    void survoler(int x, int y, Uint8 boutons);
    void cliquer(const SDL_MouseButtonEvent& bouton);
    // Carries out an action of the panel, as one change undo can bring back.
    void agir(Action action);
    void faire(Action action);

    // The grid's cell under the window pixel (x, y); false off the grid.
    bool celluleSous(int x, int y, int& i, int& j) const;
    // The palette's entry under the window pixel (x, y); -1 for none.
    int choixSous(int x, int y) const;
    // The panel's action under the window pixel (x, y).
    Action actionSous(int x, int y) const;
    // The panel's actions as shown now: the level's, or a question's answers.
    std::vector<Action> actionsMontrees() const;
    // The baseline of the panel's action `k` as shown now, in canvas pixels.
    int ligneAction(int k) const;

    void peindre(int i, int j, int points);
    void allerAuNiveau(int n);
    // A new empty level after the last, or a copy of this one after it.
    void ajouterNiveau(bool copie);
    // Deletes the level, or leaves without saving: what the question asked.
    void repondreOui();
    // The levels and the level shown, as an undo brings them back.
    struct Etat {
        std::vector<Niveau::Grille> niveaux;
        int numero;
    };
    Etat etat() const { return {recueil.tous(), numero}; }
    // A change ended: `avant` can be brought back, if anything changed.
    void noter(Etat avant);
    // A drag of the pointer, painting since its button went down, is one
    // change, noted when the next change starts.
    void finirGlisse();
    // The levels as the last state of `depuis` holds them, the state left
    // kept on `vers`: an undo, or a redo; `rien` said when there is none.
    void reprendre(std::vector<Etat>& depuis, std::vector<Etat>& vers, const char* rien);
    // The question asked, on two lines.
    std::string texteQuestion() const;
    // Lays the level shown out again and checks it.
    void rafraichir();
    void copierNiveauDuJeu();
    void essayer();
    // Leaves once the changes are saved, else asks first.
    void quitter(bool finDuJeu);
    bool enregistrer();
    // A notice under the panel's actions, broken to its width; a file's
    // name, shortened from the middle, on its last line.
    void annoncer(const std::string& texte, bool erreur, const std::string& fichier = "");

    void dessinerPalette();
    void dessinerMarques() const;
    void dessinerPanneau() const;
    void dessinerAide() const;

    Recueil recueil;
    // The shipped levels, by number, to start from a copy of one.
    std::vector<Niveau::Grille> niveauxDuJeu;
    int prochaineCopie = 0;
    int numero = 1;
    // What undo and redo bring back, the latest last; a hundred changes
    // at most.
    std::vector<Etat> annulables;
    std::vector<Etat> refaisables;
    static constexpr std::size_t maxAnnulables = 100;
    // The levels as they were when a button went down on the grid, while
    // it paints.
    std::optional<Etat> avantGlisse;
    // Where the pointer was at its last move or click, in window pixels;
    // (-1, -1) before the first.
    std::pair<int, int> dernierPointeur = {-1, -1};
    int curseurI = 0;
    int curseurJ = Niveau::nbBriquesY - 1;
    int choix = 1;
    Action question = AUCUNE;
    // The panel's action under the pointer, shown brighter.
    Action actionPointee = AUCUNE;
    bool finApresQuestion = false;
    bool enCours = true;
    bool finDuJeu = false;
    std::string message;
    bool messageErreur = false;
    int cassables = 0;
    std::vector<std::pair<int, int>> emmurees;
    // A gamepad in the keys' stead.
    Commandes commandes;

    Niveau niveau;
    Disposition disposition;
    LotBriques lotBriques;
    freetype::font_data police;
    freetype::font_data petitePolice;
};

#endif
