// SPDX-License-Identifier: GPL-3.0-or-later
// The front end: the menus that start matches, rebind the keys and show the
// credits, and the application's main loop.
#ifndef VORLEN_MENU_H
#define VORLEN_MENU_H

#include "ecrans/decor.h"
#include "jeu/commandes.h"
#include "jeu/partiegardee.h"
#include "jeu/rejeu.h"
#include "niveaux/niveau.h"
#include "profil/scores.h"
#include "rendu/FreeType.h"
#include "rendu/boucle.h"
#include "systeme/horloge.h"

#include <SDL.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class Partie;

// One line of a menu: what it shows, what Return (a click, a pad's first
// button) does, what left and right do where they set a value, and whether
// it is the way back that Escape on a pad takes.
struct ItemMenu {
    // What other lines refer to it by; -1 for none.
    int cle;
    std::string libelle;
    std::function<void()> activer;
    // Right (true) or left; empty where they do nothing.
    std::function<void(bool plus)> regler;
    bool retour;
};

class Menu final : public Ecran {
public:
    static const int margin = 31;         // between two items, in pixels
    static const int hauteurlettres = 26; // headings and items
    static const int petitesLettres = 14; // the version label

    enum {
        MENU_PRINCIPAL = 1,
        MENU_TYPE_PARTIE = 2,
        MENU_OPTIONS = 3,
        MENU_CONTROLES = 4,
        MENU_APPAREILS = 5,
        MENU_NIVEAUX = 6,
        MENU_MES_NIVEAUX = 7,
        MENU_DIFFICULTE = 8
    };
    // The items other items lead back to, or that tests look for.
    enum Cle {
        CHOIX_REPRENDRE,
        CHOIX_OPTIONS,
        CHOIX_CREDITS,
        CHOIX_AIDE,
        TYPE_UN_JOUEUR,
        TYPE_COOPERATIF,
        OPTION_PLEIN_ECRAN,
        OPTION_VOLUME,
        OPTION_ECLAIRAGE,
        OPTION_FIN_NIVEAU,
        OPTION_LANGUE,
        OPTION_APPAREILS,
        CHOIX_MES_NIVEAUX
    };

    // Builds the menu and runs the main loop until the player quits; the
    // game's matches are played on the level file `fichierNiveaux`. Given a
    // replay, it shows that instead, until the viewer leaves it.
    Menu(float XHG, float YHG, float XBD, float YBD,
         std::string fichierNiveaux = Niveau::fichierParDefaut, const Rejeu* aRegarder = nullptr);
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    // A menu as declared: its number, its title, its items in display order.
    struct Page {
        int id;
        std::string titre;
        std::vector<ItemMenu> items;
    };
    // Lays the menu `page` declares out, the highlight kept where it is.
    void initMenu(Page (Menu::*page)());
    // The same, with item `choice` highlighted.
    void reinit(Page (Menu::*page)(), int choice);
    void reinitMainMenu();
    void reinitPartieType();
    void reinitOptionsMenu();
    void reinitControlesMenu();
    void reinitAppareilsMenu();
    void reinitDifficulteMenu();
    void reinitNiveauxMenu();

    void nextChoice();
    void precChoice();
    void activateChoice();
    // Waits for the key that player `nJoueur` will use for `commande`.
    void activSaisieCommande(int nJoueur, int commande);

    void initDisplay();
    void display();
    void showcredits();
    // The help page, from its item or F1.
    void montrerAide();
    // Both high-score tables, until a key.
    void montrerMeilleursScores();

    int getCurrentChoice() const { return currentChoice; }
    const std::string& getAvisTouche() const { return avisTouche; }
    // The highlighted item's key; -1 for an item no other refers to.
    int getCleCourante() const;
    const std::string& getTitle() const { return title; }
    const std::vector<std::string>& getLabels() const { return labels; }

    // Left idle this long on the main menu, the game plays a demo.
    static constexpr Uint32 attenteDemo = 30000;

    // The menu as a screen: it is drawn anew after each event.
    void traiter(const SDL_Event& event) override;
    // The attract mode, once the main menu has been left idle.
    void avancer() override;
    void dessiner() override;
    bool fini() const override { return !continuer; }

private:
    void repondre(const SDL_Event& event);
    // The replay of the tables' best line that kept one, else the game's own
    // demo, played until a key or the pointer moves; the menu then stands
    // where it was.
    void jouerDemo();
    // What the keys or a gamepad ask of the highlighted item.
    void obeir(Commandes::OrdreMenu ordre);
    // The pointer over an item highlights it; a click chooses it, or sets
    // an item that takes a value (left more, right less); the wheel scrolls.
    void survoler(int x, int y);
    void cliquer(const SDL_MouseButtonEvent& bouton);
    // The item under the window pixel (x, y); -1 where there is none.
    int itemSous(int x, int y) const;
    // The baseline of item `i`, in canvas pixels.
    int ligneItem(int i) const;
    void revenir();
    // Runs one match of the mode, then puts the menu back on screen: a
    // match left before its end is kept, a match over is forgotten.
    void jouerPartie(Partie* partie);
    // A new match for `nbJoueurs` on the level file `fichier`; the match
    // kept until then is over for good.
    void lancerPartie(int nbJoueurs, const std::string& fichier);
    // The match left with Escape, where it stood.
    void reprendrePartie();
    // The kept match will not be resumed: its score goes to the high scores,
    // under the names the entry offers, if it is among the best.
    void abandonnerPartieGardee();
    // After the number of players, how hard the match is played, the last
    // choice highlighted.
    void demanderDifficulte(int nbJoueurs);
    // Then the level set, unless a level file was given on the command line.
    void choisirNiveaux();
    // The level editor, until the player leaves it.
    void editerNiveaux();
    // After a match over, the players enter its score if it is among the best.
    void inscrireScore(const Partie& partie);
    // The menus, each declared once.
    Page pagePrincipale();
    Page pageTypePartie();
    Page pageDifficulte();
    Page pageNiveaux();
    Page pageMesNiveaux();
    // The item that plays the set of level file `fichier` for the players chosen.
    ItemMenu itemSerie(int cle, std::string libelle, const std::string& fichier);
    Page pageOptions();
    Page pageAppareils();
    Page pageControles();
    // Highlights the item of key `cle`, where the menu shown has one.
    void surligner(int cle);
    void rafraichirOptions();
    void basculerPleinEcran();
    void changerEclairage();
    // Whether the last bricks of a level may be left behind.
    void changerFinNiveau();
    // The next language, or the one before; every text follows at once.
    void changerLangue(bool suivante);
    // Left and right on the items that take a value.
    void reglerChoix(bool plus);
    void changerVolume(bool plusFort);
    // The player's next device among those present, in the order of the
    // list, or the one before.
    void changerAppareil(int nJoueur, bool suivant);
    void changerSensibilite(bool plus);
    // Waits for a key and offers it to `assigner`; saves when it was taken.
    void saisirTouche(const std::function<bool(int)>& assigner);
    // What the last save of the settings has to tell the player (a failure,
    // a file kept aside), in one line cut to the width; nothing otherwise.
    void dessinerAvis() const;

    // The level file of the game's matches: the game's own, or the one
    // given on the command line.
    const std::string fichierDuJeu;
    Decor decor;
    // The menu frame's corners, as the entry point gives them; the screens are
    // laid out in the window's own coordinates and never read them.
    float posXHGMenu;
    float posYHGMenu;
    float posXBDMenu;
    float posYBDMenu;
    int idMenu;
    std::string title;
    std::vector<std::string> labels;
    // The items of the menu shown, and what declares them, to lay them out
    // again as their words change.
    std::vector<ItemMenu> items;
    Page (Menu::*pageCourante)() = &Menu::pagePrincipale;
    bool continuer;
    int currentChoice;
    bool currentControlesChoice;
    // The keys and a gamepad, read as orders.
    Commandes commandes;
    // When the player last did something here, on the real clock.
    Uint32 dernierGeste = horloge::tempsReel();
    // The item under the pointer when it last moved; -1 for none.
    int itemPointe = -1;
    // The players of the match whose difficulty and level set are being chosen, and the
    // index of their game type, which the main menu comes back to after the
    // match whichever level set was played.
    int nbJoueursChoisis = 1;
    int choixTypePartie = 0;
    // Why the last key offered to the controls was refused, shown until
    // another key is offered or the controls are left; empty otherwise.
    std::string avisTouche;
    freetype::font_data our_font;
    freetype::font_data small_font;
    MeilleursScores meilleursScores;
    // The match left before its end, offered first on the main menu until
    // a new match starts, and its file.
    FichierPartieGardee fichierGardee;
    std::optional<PartieGardee> partieGardee;
};

#endif
