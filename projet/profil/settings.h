// SPDX-License-Identifier: GPL-3.0-or-later
// The user's choices: the six game keys and the pause key, full screen,
// volume, lighting. They are read from the player's settings file at start and saved
// there at each change (see preferences.h).
#ifndef VORLEN_SETTINGS_H
#define VORLEN_SETTINGS_H

#include "profil/fichiers.h"
#include "systeme/fenetre.h"

#include <array>
#include <bitset>
#include <string>

class Settings {
public:
    static constexpr int nbCommandes = 3;
    // Player 1's three keys, player 2's three, then the pause key.
    static constexpr int nbTouches = 2 * nbCommandes + 1;
    static constexpr int volumeMax = 10;
    using Touches = std::array<int, nbTouches>;
    // Every choice the settings file keeps: the keys in the order of
    // Touches, then the options.
    enum Choix {
        CHOIX_PLEIN_ECRAN = nbTouches,
        CHOIX_VOLUME,
        CHOIX_ECLAIRAGE,
        CHOIX_LARGEUR_FENETRE,
        CHOIX_HAUTEUR_FENETRE,
        CHOIX_PERIPHERIQUE_J1,
        CHOIX_PERIPHERIQUE_J2,
        CHOIX_SENSIBILITE_SOURIS,
        CHOIX_ASTUCE_LANCER,
        CHOIX_LANGUE,
        CHOIX_DIFFICULTE,
        CHOIX_FIN_NIVEAU,
        nbChoix
    };

    Settings();

    void initSettings();
    // Player 1 or 2, command 0 left, 1 right, 2 action.
    int getAssignedKey(int nJoueur, int nCommande) const;
    // Refuses a key already bound to any command of either player or to the
    // pause, and a key the game keeps for itself.
    bool assignKey(int keynum, int nJoueur, int nCommande);
    int getTouchePause() const { return touchePause; }
    // The same rules as assignKey, for the key both players pause with.
    bool assignTouchePause(int keynum);
    // Every key in the order of Touches, and all at once, as the file keeps them.
    Touches getTouches() const;
    void setTouches(const Touches& touches);
    // No key in two places, none the game keeps for itself.
    static bool touchesValides(const Touches& touches);
    // Escape leaves and F11 switches the screen, wherever the player is.
    static bool toucheAssignable(int keynum);

    // Whether the window is in full screen in this run.
    bool getPleinEcranState() const { return pleinEcran; }
    // The player's switch: the window changes and the choice is remembered.
    void switchStatePleinEcran();
    // This run only, as the command line asks or the display allows; the
    // remembered choice stays.
    void imposerPleinEcran(bool oui) { pleinEcran = oui; }
    // What the settings file keeps, and the choice it sets for this run too.
    bool getPleinEcranRetenu() const { return pleinEcranRetenu; }
    void setPleinEcran(bool oui);

    // 0 (silence) to volumeMax (full volume).
    int getVolume() const { return volume; }
    void setVolume(int v);
    // One step; false at the end of the range, where nothing changes.
    bool volumeUp();
    bool volumeDown();

    // "vif" lights the field so objects show close to their full colour;
    // "classique", the default, keeps its dim look.
    bool getEclairageVif() const { return eclairageVif; }
    void setEclairageVif(bool vif);

    // The window's size when not in full screen, as the player left it; never
    // below a size where the picture still reads.
    int getLargeurFenetre() const { return largeurFenetre; }
    int getHauteurFenetre() const { return hauteurFenetre; }
    void setTailleFenetre(int largeur, int hauteur);
    // How the window shows in this run, for the window to follow.
    fenetre::Choix getChoixFenetre() const { return {pleinEcran, largeurFenetre, hauteurFenetre}; }
    static constexpr int largeurFenetreMin = 160;
    static constexpr int hauteurFenetreMin = 120;
    static constexpr int tailleFenetreMax = 16384;

    // What each player plays with beside the keyboard, which always works:
    // nothing more, the mouse, or the first or second gamepad. A device
    // goes to one player at a time.
    enum Peripherique { PERIPH_CLAVIER, PERIPH_SOURIS, PERIPH_MANETTE1, PERIPH_MANETTE2 };
    static constexpr int nbPeripheriques = 4;
    int getPeripherique(int nJoueur) const;
    // Gives `p` to player `nJoueur`; the other player, if it had it, is left
    // with the keyboard.
    void setPeripherique(int nJoueur, int p);
    // The player who plays with the mouse, or 0.
    int joueurSouris() const;
    // The player who plays with gamepad `manette` (0 or 1), or 0.
    int joueurManette(int manette) const;
    // How far the paddle goes for the mouse's motion: at the default it
    // follows the pointer one to one, at the most twice as far.
    int getSensibiliteSouris() const { return sensibiliteSouris; }
    void setSensibiliteSouris(int s);
    static constexpr int sensibiliteMin = 1;
    static constexpr int sensibiliteMax = 10;
    static constexpr int sensibiliteDefaut = 5;
    // Whether a match still says how to launch the ball: true for a new
    // player, until the first ball launched.
    bool getAstuceLancer() const { return astuceLancer; }
    // The language of the texts: a langue::Choix, "as the system" by default.
    int getLangue() const { return langue; }
    void setLangue(int choix);
    void setAstuceLancer(bool oui);
    // How hard the next match is played: a difficulte::Choix, "Normal" by default.
    int getDifficulte() const { return difficulteChoisie; }
    void setDifficulte(int choix);
    // Whether the last few bricks of a level may be left behind for the
    // next level: off, as the game is written, by default.
    bool getFinNiveauPasser() const { return finNiveauPasser; }
    void setFinNiveauPasser(bool oui);

    // The name the controls menu shows for a key code.
    static std::string getKeyByCode(int keynum);

    // Whether this run changed `choix` since the settings file was last read
    // or written: a save writes only those over what another copy of the
    // game may have saved meanwhile.
    bool choixModifie(int choix) const { return modifies.test(choix); }
    void oublierModifications() { modifies.reset(); }
    // What the last save of these choices in the settings file did, for the
    // menus to show: why it failed, or where the file it replaced was kept.
    const fichiers::Enregistrement& getEnregistrement() const { return enregistrement; }
    void setEnregistrement(const fichiers::Enregistrement& e) { enregistrement = e; }

private:
    bool toucheLibre(int keynum) const;

    int controlj1[nbCommandes];
    int controlj2[nbCommandes];
    bool pleinEcran;
    int volume;
    int touchePause;
    bool pleinEcranRetenu;
    bool eclairageVif;
    int largeurFenetre;
    int hauteurFenetre;
    int peripheriques[2];
    int sensibiliteSouris;
    bool astuceLancer;
    int langue;
    int difficulteChoisie;
    bool finNiveauPasser;
    std::bitset<nbChoix> modifies;
    fichiers::Enregistrement enregistrement = fichiers::Enregistrement::reussite();
};

extern Settings currentSettings;

#endif
