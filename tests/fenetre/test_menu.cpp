// SPDX-License-Identifier: GPL-3.0-or-later
// The menus, and the high-score screen they lead to, in a real window.
#include "banc.h"
#include "erreurs.h"
#include "evenements.h"
#include "fenetre.h"
#include "outils.h"
#include "ecrans/ecranscores.h"
#include "ecrans/menu.h"
#include "ecrans/visionneuse.h"
#include "jeu/rejeux.h"
#include "jeu/aide.h"
#include "rendu/boucle.h"
#include "rendu/imagesgl.h"
#include "systeme/horloge.h"
#include "systeme/signaux.h"
#include "systeme/toile.h"
#include "jeu/partie.h"
#include "niveaux/recueil.h"
#include "profil/preferences.h"
#include "profil/settings.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <dlfcn.h>
#include <functional>
#include <memory>
#include <tuple>
#include <vector>

namespace fs = std::filesystem;

// A player at the keyboard who presses each key once the game has handled the
// one before, however slow the machine: the next key comes at the first poll
// of SDL's queue that follows one that found it empty, that is at the start of
// the next pass of whichever loop runs.
namespace {
namespace clavier {

// Stands for the window's close button among the keys.
constexpr SDLKey fermeture = SDLK_UNKNOWN;
// Stands for a player who waits half a second: the game's clock jumps ahead.
constexpr SDLKey attente = SDLK_LAST;
Uint32 avance = 0;
// Polls of an empty queue, once the keys have run out, before the game is
// taken to wait for more: a few seconds of passes.
const int pollsEnTrop = 100;

struct Touche {
    SDLKey sym;
    Uint16 caractere = 0;
};
std::deque<Touche> aPresser;
bool enCours = false;
bool fileVide = false;
int pollsApres = 0;

// The keys to press from now on, in order; the first too waits for the game
// to find its queue empty once.
void jouer(const std::vector<Touche>& touches) {
    aPresser.assign(touches.begin(), touches.end());
    enCours = true;
    fileVide = false;
    pollsApres = 0;
}
// Each character of `texte` typed, once a name entry listens, then Return.
std::vector<Touche> saisie(const std::string& texte) {
    std::vector<Touche> touches = {{attente}};
    for (const char c : texte) {
        touches.push_back({static_cast<SDLKey>(c), static_cast<Uint16>(c)});
    }
    touches.push_back({SDLK_RETURN});
    return touches;
}
// True when the game still waited for keys, seconds after the last one; it
// was then given the window's closing, again and again, so that it ended.
bool aAttenduPlus() {
    enCours = false;
    return pollsApres >= pollsEnTrop;
}

// The game's clock, half a second ahead for each wait played, while alive.
struct HorlogeDuClavier {
    HorlogeDuClavier() {
        horloge::remplacerSource([] { return SDL_GetTicks() + avance; });
    }
    ~HorlogeDuClavier() { horloge::remplacerSource(nullptr); }
};

} // namespace clavier
} // namespace

// Stands in front of SDL's own for every caller in this program, the game's loops
// included; it passes every call through while no keys are being played.
extern "C" int SDL_PollEvent(SDL_Event* event) {
    static const auto reel =
        reinterpret_cast<int (*)(SDL_Event*)>(dlsym(RTLD_NEXT, "SDL_PollEvent"));
    using namespace clavier;
    if (enCours && fileVide && !aPresser.empty() && aPresser.front().sym == attente) {
        aPresser.pop_front();
        avance += 500;
    } else if (enCours && fileVide && (!aPresser.empty() || ++pollsApres >= pollsEnTrop)) {
        const Touche t = aPresser.empty() ? Touche{fermeture} : aPresser.front();
        if (!aPresser.empty()) {
            aPresser.pop_front();
        }
        *event = t.sym == fermeture ? SDL_Event{SDL_QUIT} : touche(t.sym, SDL_KEYDOWN, t.caractere);
        fileVide = false;
        return 1;
    }
    const int resultat = reel(event);
    fileVide = resultat == 0;
    return resultat;
}

using clavier::fermeture;

// Runs the menu until it ends while a player presses each key once the game
// has handled the one before.
static std::unique_ptr<Menu> menuJoue(const std::vector<SDLKey>& touches) {
    std::vector<clavier::Touche> suite;
    for (const SDLKey touche : touches) {
        suite.push_back({touche});
    }
    clavier::jouer(suite);
    auto menu = menuNeuf();
    EXPECT_FALSE(clavier::aAttenduPlus()) << "the menu went on after the last key";
    viderFile(); // what the menu left unread is not for the next one
    return menu;
}

// The colour of the menu's notices.
static bool orange(Pixel p) {
    return p.r > 150 && p.v > 60 && p.b < 60;
}

// A menu whose main loop has already ended: its operations are called directly.
struct MenuArrete : ::testing::Test {
    // Moves the highlight `pas` items down (up when negative), then activates it.
    void choisir(int pas) {
        for (int k = 0; k < std::abs(pas); ++k) {
            pas > 0 ? menu->nextChoice() : menu->precChoice();
        }
        menu->activateChoice();
    }
    // Steps: how far to move before activating, whether a match started there
    // is left at once, then the menu reached and its highlighted item.
    using Etape = std::tuple<int, bool, const char*, const char*>;
    void suivre(std::initializer_list<Etape> etapes) {
        for (const auto& [pas, partie, titre, item] : etapes) {
            if (partie) {
                presser(SDLK_ESCAPE);
            }
            choisir(pas);
            ASSERT_EQ(menu->getTitle(), titre);
            ASSERT_EQ(menu->getLabels()[menu->getCurrentChoice()], item) << titre;
        }
    }
    void TearDown() override { currentSettings.initSettings(); }

    std::unique_ptr<Menu> menu = menuApres();
};

TEST_F(MenuArrete, TheHighlightNeitherWrapsNorForgetsWhereItCameFrom) {
    menu->precChoice();
    EXPECT_EQ(menu->getCurrentChoice(), 0);
    for (int k = 0; k < 8; ++k) {
        menu->nextChoice();
    }
    EXPECT_EQ(menu->getCurrentChoice(), 6);
    // Back in the main menu, the item left from: after a match, the game type's;
    // the game types have always led back to "Credits".
    // The difficulty chosen is offered first the next time, from the level sets too.
    suivre({{-6, false, "Type de Partie", "1 joueur"},
            {1, false, "Difficulte", "Normal"},
            {1, false, "Niveaux", "Niveaux du jeu"},
            {3, false, "Difficulte", "Difficile"},
            {-1, false, "Niveaux", "Niveaux du jeu"},
            {0, true, "Menu Principal", "Options"},
            {-1, false, "Type de Partie", "1 joueur"},
            {0, false, "Difficulte", "Normal"},
            {2, false, "Type de Partie", "1 joueur"},
            {0, false, "Difficulte", "Normal"},
            {0, false, "Niveaux", "Niveaux du jeu"},
            {0, true, "Menu Principal", "Nouvelle Partie"},
            {0, false, "Type de Partie", "1 joueur"},
            {2, false, "Menu Principal", "Credits"},
            {-3, false, "Options", "Controles"},
            {7, false, "Menu Principal", "Options"}});
}

TEST_F(MenuArrete, ThePlayersOwnLevelsAreOfferedOnceTheyHoldALevelToPlay) {
    const std::string fichier = Recueil::fichierDuJoueur();
    Recueil recueil(fichier);
    recueil.poser(1, 0, 0, -1);
    recueil.enregistrer();
    const auto dernier = [this] { return static_cast<int>(menu->getLabels().size()) - 1; };
    const std::initializer_list<Etape> versNiveaux = {{0, false, "Type de Partie", "1 joueur"},
                                                      {0, false, "Difficulte", "Normal"},
                                                      {0, false, "Niveaux", "Niveaux du jeu"}};
    suivre(versNiveaux);
    EXPECT_EQ(std::count(menu->getLabels().begin(), menu->getLabels().end(), "Mes niveaux"), 0)
        << "nothing of theirs to play yet";
    recueil.poser(1, 0, 1, 1);
    recueil.enregistrer();
    // The way back is the last item: where it stands depends on the sets offered.
    suivre({{dernier(), false, "Difficulte", "Normal"}});
    suivre({{0, false, "Niveaux", "Niveaux du jeu"}});
    ASSERT_EQ(menu->getLabels()[dernier() - 1], "Mes niveaux");
    suivre({{dernier() - 1, true, "Menu Principal", "Nouvelle Partie"}});
    // With a set of their own beside the editor's, each is offered by its name.
    std::ofstream autre(Recueil::dossierDuJoueur() + "/autre.lvl");
    autre << "[1]";
    for (int k = 0; k < Niveau::nbBriquesX * Niveau::nbBriquesY; ++k) {
        autre << " 1";
    }
    autre.close();
    suivre(versNiveaux);
    suivre({{dernier() - 1, false, "Mes niveaux", "Mes niveaux"}});
    EXPECT_EQ(menu->getLabels(), (std::vector<std::string>{"Mes niveaux", "autre", "retour"}));
    suivre({{2, false, "Niveaux", "Mes niveaux"}, {0, false, "Mes niveaux", "Mes niveaux"}});
    suivre({{1, true, "Menu Principal", "Nouvelle Partie"}});
    // A level file given on the command line holds for every match.
    menu = menuApres("niveaux.lvl.choisi");
    suivre({{0, false, "Type de Partie", "1 joueur"},
            {0, false, "Difficulte", "Normal"},
            {0, true, "Menu Principal", "Nouvelle Partie"}});
    std::remove(fichier.c_str());
    std::remove((Recueil::dossierDuJoueur() + "/autre.lvl").c_str());
}

// The mouse goes to one player at a time: given to player 2, player 1 is left the keys.
TEST_F(MenuArrete, EachPlayerHasItsDeviceLineAndTheMouseGoesToOnePlayerAtATime) {
    menu->reinitAppareilsMenu();
    EXPECT_EQ(menu->getLabels(),
              (std::vector<std::string>{"J1 appareil <Souris>", "J2 appareil <Clavier>",
                                        "Sensibilite souris: 5", "retour"}));
    choisir(1);
    EXPECT_EQ(std::vector(menu->getLabels().begin(), menu->getLabels().begin() + 2),
              (std::vector<std::string>{"J1 appareil <Clavier>", "J2 appareil <Souris>"}));
}

TEST_F(MenuArrete, ControlsShowTheBindingsAndRebindAFreeKeyOnly) {
    menu->reinitOptionsMenu();
    choisir(0);
    EXPECT_EQ(menu->getLabels(),
              (std::vector<std::string>{"J1 gauche <GAUCHE>", "J1 droite <DROITE>",
                                        "J1 action <ESPACE>", "J2 gauche <a>", "J2 droite <z>",
                                        "J2 action <w>", "Pause <p>", "retour"}));
    ASSERT_EQ(menu->getCurrentChoice(), 0);
    // Player 2's action: Escape keeps its key; a key another command holds, or the slot
    // itself, is refused with the holder's name above the title; Return, a key with no name
    // of the controls' own, is named as SDL names it; a key SDL does not know is refused.
    const std::tuple<int, SDLKey, const char*, const char*> saisies[] = {
        {5, SDLK_ESCAPE, "w", ""},
        {0, SDLK_SPACE, "w", "Touche ESPACE deja prise: J1 action"},
        {0, SDLK_p, "w", "Touche p deja prise: Pause"},
        {0, SDLK_UNKNOWN, "w", "Cette touche ne peut servir a aucune commande"},
        {0, SDLK_RETURN, "RETURN", ""},
        {0, SDLK_RETURN, "RETURN", "Touche RETURN deja prise: J2 action"},
        {0, SDLK_d, "d", ""}};
    for (const auto& [pas, sym, nom, avis] : saisies) {
        presser(sym);
        choisir(pas);
        EXPECT_EQ(menu->getLabels()[5], "J2 action <" + std::string(nom) + ">");
        EXPECT_EQ(menu->getCurrentChoice(), 5);
        EXPECT_EQ(menu->getAvisTouche(), avis);
        menu->display();
        EXPECT_EQ(Capture().unPixelDans(0, 799, 0, 29, orange), *avis != '\0') << avis;
    }
    EXPECT_EQ(currentSettings.getAssignedKey(2, 2), 100);
    Settings relus;
    preferences::charger(relus);
    EXPECT_EQ(relus.getAssignedKey(2, 2), 100) << "saved at once";
    presser(SDLK_SPACE);
    choisir(0);
    choisir(2);
    EXPECT_EQ(menu->getTitle(), "Options");
    EXPECT_EQ(menu->getAvisTouche(), "") << "left with the controls";
}

// Above the title image, in one line cut to the width, until a save goes through.
TEST_F(MenuArrete, AFailedSettingsSaveSaysWhyOnTheMenu) {
    const VariableGardee garde("XDG_CONFIG_HOME");
    const DossierTemporaire tmp;
    // A file where the settings folder should be, with a name long enough
    // that the line giving it cannot fit.
    const std::filesystem::path fichier = tmp.chemin / std::string(200, 'x');
    std::ofstream(fichier) << "";
    setenv("XDG_CONFIG_HOME", fichier.c_str(), 1);
    menu->reinitOptionsMenu();
    while (menu->getCleCourante() != Menu::OPTION_ECLAIRAGE) {
        menu->nextChoice();
    }
    for (const bool echec : {true, false}) {
        if (!echec) {
            std::filesystem::remove(fichier);
        }
        erreursDe([&] { menu->activateChoice(); });
        menu->display();
        const Capture ecran;
        EXPECT_EQ(ecran.unPixelDans(0, 799, 0, 29, orange), echec);
        EXPECT_FALSE(ecran.unPixelDans(791, 799, 0, 29, orange)) << "past the width";
    }
}

TEST(Textures, AnyImageReachesOpenGlWithPowerOfTwoSidesAndItsColours) {
    SDL_Surface* image = SDL_CreateRGBSurface(0, 5, 3, 32, 0xFF, 0xFF00, 0xFF0000, 0);
    SDL_FillRect(image, nullptr, SDL_MapRGB(image->format, 30, 200, 90));
    SDL_SaveBMP(image, "impaire.bmp");
    SDL_FreeSurface(image);
    for (const bool mipmaps : {false, true}) {
        const Texture texture(loadTexture("impaire.bmp", mipmaps));
        GLint l = 0, h = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &l);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
        std::vector<GLubyte> rvba(64 * 64 * 4);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, rvba.data());
        EXPECT_EQ(std::tuple(l, h, +rvba[28], +rvba[29], +rvba[30]), std::tuple(4, 2, 30, 200, 90))
            << "with mipmaps: " << mipmaps;
    }
    std::remove("impaire.bmp");
}

// Closing the window ends the program from the menu or the credits, else only what runs.
TEST(MenuEnMarche, ClosingTheWindowEndsOnlyWhatIsRunning) {
    const auto partie = menuJoue(
        {SDLK_RETURN, SDLK_RETURN, SDLK_RETURN, SDLK_RETURN, fermeture, SDLK_DOWN, fermeture});
    EXPECT_EQ(partie->getCleCourante(), Menu::CHOIX_OPTIONS) << "the menu went on after the match";
    EXPECT_EQ(partie->getLabels()[0], "Reprendre la partie") << "the match closed is kept";
    const auto capture = menuJoue(
        {SDLK_DOWN, SDLK_RETURN, SDLK_RETURN, SDLK_RETURN, fermeture, SDLK_DOWN, fermeture});
    EXPECT_EQ(capture->getLabels()[0], "J1 gauche <GAUCHE>") << "the capture took nothing";
    EXPECT_EQ(capture->getCurrentChoice(), 1) << "the menu went on after the capture";
    const auto credits =
        menuJoue({SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_DOWN, SDLK_RETURN, fermeture});
    EXPECT_EQ(credits->getCleCourante(), Menu::CHOIX_CREDITS) << "closed from the credits";
}

// A match left with Escape comes first on the main menu, in a menu started afresh too; it
// resumes paused with its score, and a new match enters that score in the table, asking
// nothing.
TEST(MenuEnMarche, AMatchLeftResumesAfterARestartAndItsScoreIsEnteredOnceAbandoned) {
    std::remove(MeilleursScores::fichierDuJoueur().c_str());
    {
        Banc<Normal1j> laissee;
        laissee.gerer();
        laissee.j1().ajouterScore(120);
        ASSERT_TRUE(FichierPartieGardee().garder(laissee.garder()).reussi);
    }
    const clavier::HorlogeDuClavier horloge;
    const auto gardee = [] { return FichierPartieGardee().charger().value_or(PartieGardee()); };
    // Resumed paused: the action launches nothing.
    clavier::jouer({{SDLK_RETURN}, {SDLK_SPACE}, {SDLK_ESCAPE}, {fermeture}});
    auto menu = std::make_unique<Menu>(0.0f, 0.0f, 20.0f, -20.0f);
    EXPECT_FALSE(clavier::aAttenduPlus());
    EXPECT_EQ(menu->getLabels()[0], "Reprendre la partie");
    ASSERT_EQ(gardee().balles.size(), 1u);
    EXPECT_EQ(std::tuple(gardee().scoreTotal(), gardee().balles[0].accrochee),
              std::tuple(120, true));
    // F1 there opens the help, and its first key only closes it: the ball stays held.
    clavier::jouer({{SDLK_RETURN}, {SDLK_F1}, {SDLK_p}, {SDLK_SPACE}, {SDLK_ESCAPE}, {fermeture}});
    menu = std::make_unique<Menu>(0.0f, 0.0f, 20.0f, -20.0f);
    EXPECT_TRUE(gardee().balles.at(0).accrochee) << "the help did not open over the pause";
    // A new match: the one kept goes to the table under the name the entry offers.
    clavier::jouer({{SDLK_DOWN},
                    {SDLK_RETURN},
                    {SDLK_RETURN},
                    {SDLK_RETURN},
                    {SDLK_RETURN},
                    {SDLK_ESCAPE},
                    {fermeture}});
    menu = std::make_unique<Menu>(0.0f, 0.0f, 20.0f, -20.0f);
    EXPECT_FALSE(clavier::aAttenduPlus());
    EXPECT_NE(lireFichier(MeilleursScores::fichierDuJoueur()).find(" " + nomDeConnexion() + "\n"),
              std::string::npos)
        << lireFichier(MeilleursScores::fichierDuJoueur());
    EXPECT_EQ(gardee().scoreTotal(), 0) << "the new match is the one kept";
    // A file this copy cannot read is said, not offered, then kept aside, on screen too.
    const std::string chemin = FichierPartieGardee::cheminParDefaut();
    std::ofstream(chemin) << "joueurs 7\n";
    clavier::jouer(
        {{SDLK_RETURN}, {SDLK_RETURN}, {SDLK_RETURN}, {SDLK_RETURN}, {SDLK_ESCAPE}, {fermeture}});
    const std::string erreurs =
        erreursDe([&] { menu = std::make_unique<Menu>(0.0f, 0.0f, 20.0f, -20.0f); });
    EXPECT_NE(erreurs.find("partie laissée illisible dans " + chemin), std::string::npos)
        << erreurs;
    EXPECT_EQ(lireFichier(chemin + ".illisible"), "joueurs 7\n");
    menu->display();
    EXPECT_TRUE(Capture().unPixelDans(0, 799, 0, 29, orange)) << "said on the menu";
    std::remove(chemin.c_str());
    std::remove((chemin + ".illisible").c_str());
}

// The help draws each capsule in its colour beside what it does, and the keys as bound;
// F1 opens it from the menu, and its first key only closes it.
TEST(MenuEnMarche, TheHelpShowsEachCapsuleInItsColourAndTheKeysAsBound) {
    ASSERT_TRUE(currentSettings.assignKey(SDLK_d, 1, Commandes::COMMANDE_ACTION));
    currentSettings.setPeripherique(2, Settings::PERIPH_MANETTE2);
    EXPECT_EQ(Aide::lignesJoueur(1),
              (std::vector<std::string>{"Joueur 1", "  gauche: GAUCHE", "  droite: DROITE",
                                        "  action: d (lancer, tirer)",
                                        "  Souris: glisser, clic: action"}));
    EXPECT_EQ(Aide::lignesJoueur(2).back(), "  Manette 2: stick et bouton 1");
    currentSettings.initSettings();
    Aide().dessiner();
    const Capture capture;
    const std::function<bool(Pixel)> teintes[] = {
        [](Pixel p) { return p.r > 150 && p.v > 150 && p.b > 150; }, // a life
        [](Pixel p) { return p.v > 150 && p.r < 80 && p.b < 80; },   // longer
        [](Pixel p) { return p.r > 150 && p.v < 80 && p.b < 80; },   // shorter
        [](Pixel p) { return p.b > 150 && p.r < 60 && p.v < 100; },  // one more ball
        [](Pixel p) { return p.r > 150 && p.b > 150 && p.v < 80; },  // piercing
        [](Pixel p) { return p.v > 150 && p.b > 150 && p.r < 80; },  // bigger
        [](Pixel p) { return p.r > 150 && p.v > 150 && p.b < 80; }}; // cannon
    const auto blanc = [](Pixel p) { return p.r > 200 && p.v > 200 && p.b > 200; };
    for (int k = 0; k < 7; ++k) {
        const int ligne = 72 + 34 * (k + 1);
        EXPECT_TRUE(capture.unPixelDans(45, 80, ligne - 8, ligne + 8, teintes[k])) << k;
        EXPECT_FALSE(capture.unPixelDans(45, 80, ligne - 8, ligne + 8, teintes[(k + 1) % 7])) << k;
        EXPECT_TRUE(capture.unPixelDans(95, 300, ligne - 6, ligne + 6, blanc)) << k;
    }
    EXPECT_FALSE(capture.unPixelDans(45, 80, 72 + 34 * 8 - 8, 72 + 34 * 8 + 4, teintes[6]))
        << "seven capsules, no more";
    // Each player's keys under its name, in its paddle's colour: player 1 on the left.
    EXPECT_TRUE(capture.unPixelDans(40, 130, 368, 386, teintes[1]));
    EXPECT_TRUE(capture.unPixelDans(420, 510, 368, 386, teintes[2]));
    clavier::jouer({{SDLK_F1}, {SDLK_DOWN}, {SDLK_DOWN}, {fermeture}});
    const auto menu = menuNeuf();
    EXPECT_EQ(menu->getCurrentChoice(), 1);
}

// Player 1 is offered the login name, which goes; the table is left with a key
// once it has been drawn.
TEST(EcranScores, TheTeamNamedSeesItsLineHighlightedThatItWasNotSavedAndWideNamesStayInTheirBoxes) {
    MeilleursScores scores;
    erreursDe([&] { scores.charger("/dev/null/vorlen/scores.txt"); }); // a folder no one can make
    freetype::font_data grande;
    grande.init("AXAXAX.TTF", 26);
    initGL();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const clavier::HorlogeDuClavier horloge;
    // Keys typed ahead or at once (Return, a letter) are too early for a name.
    pousser(touche(SDLK_RETURN));
    std::vector<clavier::Touche> touches = {{SDLK_RETURN}};
    for (const clavier::Touche& t : clavier::saisie(std::string(12, '\b') + "Ann!")) {
        touches.push_back(t);
    }
    touches.push_back({SDLK_q, 'q'});
    for (const clavier::Touche& t : clavier::saisie("  Bob Martin  ")) {
        touches.push_back(t);
    }
    touches.push_back({SDLK_SPACE, ' '});
    clavier::jouer(touches);
    EcranScores ecran(grande);
    EXPECT_TRUE(ecran.inscrire(scores, MeilleursScores::MODE_COOP, {2040, 5, "2026-12-07", {}}));
    EXPECT_FALSE(clavier::aAttenduPlus());
    const Capture capture;
    EXPECT_EQ(scores.table(MeilleursScores::MODE_COOP).getLignes().at(0).noms,
              (std::vector<std::string>{"Ann", "Bob Martin"}));
    const auto barre = [](const Pixel& p) { return p.r == 0 && p.v == 0 && p.b == 150; };
    const auto rouge = [](const Pixel& p) { return p.r > 200 && p.v < 100 && p.b < 100; };
    const auto blanc = [](const Pixel& p) { return p.r > 200 && p.v > 200 && p.b > 200; };
    EXPECT_TRUE(capture.unPixelDans(290, 500, 20, 45, rouge)) << "the red heading";
    EXPECT_TRUE(barre(capture.at(35, 360))) << "the co-operative table's first line stands out";
    EXPECT_FALSE(barre(capture.at(35, 120))) << "the one-player table is empty";
    EXPECT_TRUE(capture.unPixelDans(90, 300, 352, 368, blanc)) << "the names in white on the bar";
    EXPECT_TRUE(capture.unPixelDans(40, 400, 536, 562, rouge))
        << "the failed save under the tables";

    touches = clavier::saisie(std::string(12, '\b') + std::string(12, 'W'));
    touches.push_back({SDLK_SPACE, ' '});
    clavier::jouer(touches);
    EXPECT_TRUE(ecran.inscrire(scores, MeilleursScores::MODE_1J, {500, 2, "2026-12-07", {}}));
    EXPECT_FALSE(clavier::aAttenduPlus());
    const std::string nom = scores.table(MeilleursScores::MODE_1J).getLignes().at(0).noms.at(0);
    EXPECT_EQ(nom.find_first_not_of('W'), std::string::npos) << nom;
    EXPECT_TRUE(nom.size() >= 6 && nom.size() < 12) << "the entry box takes " << nom.size() << " W";
    // Two names of twelve wide letters, as a hand-edited file may hold them.
    scores.inscrire(MeilleursScores::MODE_COOP,
                    {3000, 5, "2026-12-07", {std::string(12, 'W'), std::string(12, 'M')}});
    clavier::jouer({{SDLK_SPACE, ' '}});
    EXPECT_TRUE(ecran.montrer(scores, MeilleursScores::MODE_COOP, 0));
    EXPECT_FALSE(clavier::aAttenduPlus());
    const Capture larges;
    const Cadre noms = larges.cadreDans(90, 369, 352, 368, blanc);
    EXPECT_TRUE(!noms.vide() && noms.col1 < 364) << "the names end at column " << noms.col1;
    EXPECT_TRUE(larges.unPixelDans(370, 420, 352, 368, blanc)) << "the score is left whole";
}

// A line that entered the table with its match's replay: down chooses it, Return plays it,
// Escape comes back to the tables. Once the line is pushed out, its replay goes, and only it.
TEST(EcranScores, TheNameEntryAndTheTablesFitTheirTextsWholeInBothLanguages) {
    initGL();
    for (const langue::Choix choix : {langue::FRANCAIS, langue::ANGLAIS}) {
        montrerEn(choix);
        MeilleursScores scores;
        erreursDe([&] { scores.charger("/dev/null/vorlen/scores.txt"); }); // never saved
        freetype::font_data grande;
        grande.init(freetype::fichierPolice, 26);
        const clavier::HorlogeDuClavier horloge;
        std::vector<clavier::Touche> touches = clavier::saisie("Ann");
        for (const clavier::Touche& t : clavier::saisie("Bob Martin")) {
            touches.push_back(t);
        }
        touches.push_back({SDLK_SPACE, ' '});
        clavier::jouer(touches);
        EcranScores ecran(grande);
        verifierDans(
            lignesDe([&] {
                ecran.inscrire(scores, MeilleursScores::MODE_COOP, {2040, 5, "2026-12-07", {}});
            }),
            0, largeurToile, choix == langue::FRANCAIS ? "Francais" : "English");
        EXPECT_FALSE(clavier::aAttenduPlus());
    }
    montrerEn(langue::FRANCAIS);
}

TEST(EcranScores, ALineKeepsItsMatchsReplayWhichReturnPlaysUntilTheLineLeavesTheTables) {
    const DossierTemporaire dossier;
    const VariableGardee donnees("XDG_DATA_HOME");
    setenv("XDG_DATA_HOME", dossier.chemin.c_str(), 1);
    MeilleursScores scores;
    scores.charger(MeilleursScores::fichierDuJoueur());
    std::string raison;
    const std::optional<Rejeu> rejeu = chargerRejeu("demo.rejeu", raison);
    ASSERT_TRUE(rejeu) << raison;
    freetype::font_data grande;
    grande.init("AXAXAX.TTF", 26);
    const clavier::HorlogeDuClavier horloge;
    std::vector<clavier::Touche> touches = clavier::saisie(std::string(12, '\b') + "Ann");
    touches.insert(touches.end(), {{SDLK_DOWN}, {SDLK_RETURN}, {SDLK_ESCAPE}, {SDLK_a, 'a'}});
    clavier::jouer(touches);
    const LigneScore ligne{500, 2, "2026-12-07", {"Ann"}};
    EXPECT_TRUE(EcranScores(grande).inscrire(scores, MeilleursScores::MODE_1J,
                                             {500, 2, "2026-12-07", {}}, &*rejeu));
    EXPECT_TRUE(clavier::aPresser.empty()) << "Escape left the replay, not the tables";
    const std::string garde = rejeux::cheminLigne(MeilleursScores::MODE_1J, ligne);
    const std::optional<Rejeu> relu = chargerRejeu(garde, raison);
    ASSERT_TRUE(relu) << raison;
    EXPECT_EQ(relu->joueurs, "Ann");
    EXPECT_EQ(rejeux::cheminMeilleur(scores), garde);
    const fs::path autre = fs::path(garde).parent_path() / "1j-mes-notes.rejeu";
    std::ofstream(autre) << "a player's own file";
    for (int k = 1; k <= TableScores::taille; ++k) {
        scores.inscrire(MeilleursScores::MODE_1J, {500 + k, 1, "2026-12-08", {"Bob"}});
    }
    rejeux::oublierHorsTables(MeilleursScores::fichierDuJoueur());
    EXPECT_EQ(std::pair(fs::exists(garde), fs::exists(autre)), std::pair(false, true));
    // While the tables do not read whole, a line dropped may be a replay's: none goes.
    std::ofstream(MeilleursScores::fichierDuJoueur(), std::ios::app) << "pas un score\n";
    std::ofstream(garde) << "a replay";
    erreursDe([] { rejeux::oublierHorsTables(MeilleursScores::fichierDuJoueur()); });
    EXPECT_TRUE(fs::exists(garde));
}

// A screen of the one loop that counts what it is given.
struct EcranCompte : Ecran {
    explicit EcranCompte(bool net) : net(net) {}
    void traiter(const SDL_Event& e) override {
        ++(e.type == SDL_KEYDOWN ? touches : autres);
        termine = true;
    }
    void avancer() override { ++pas; }
    void dessiner() override { ++dessins; }
    bool fini() const override { return termine; }
    bool arretNet() const override { return net; }
    const bool net;
    bool termine = false;
    int touches = 0, autres = 0, pas = 0, dessins = 0;
};

// The window's events are the loop's, never the screen's. A screen that stops dead leaves a
// key typed ahead to the screen below; another takes it and ends its pass, moved and drawn.
TEST(Boucle, AScreenThatStopsDeadLeavesTheKeysTypedAheadOthersEndTheirPass) {
    for (const bool net : {true, false}) {
        viderFile();
        SDL_Event taille = {SDL_VIDEORESIZE};
        taille.resize = {SDL_VIDEORESIZE, toile::largeurFenetre(), toile::hauteurFenetre()};
        for (const SDL_Event& e : {taille, touche(SDLK_a), touche(SDLK_b)}) {
            pousser(e);
        }
        EcranCompte ecran(net);
        executer(ecran, rythmeEcranFixe);
        EXPECT_EQ(std::tuple(ecran.touches, ecran.autres, ecran.pas, ecran.dessins),
                  net ? std::tuple(1, 0, 0, 1) : std::tuple(2, 0, 1, 2));
        SDL_Event reste;
        EXPECT_EQ(SDL_PollEvent(&reste) == 1 && reste.key.keysym.sym == SDLK_b, net);
    }
}

// A screen that stops moving (a paused match) is drawn as it stopped, then after an event
// only, at a still screen's pace: a key comes in its fourth pass.
TEST(Boucle, AScreenThatStopsMovingIsDrawnAsItStoppedThenAfterEventsOnly) {
    struct EcranArrete : EcranCompte {
        EcranArrete() : EcranCompte(false) {}
        void traiter(const SDL_Event&) override {}
        void avancer() override {
            if (++pas == 4) {
                pousser(touche(SDLK_a));
            }
        }
        bool fini() const override { return pas >= 6; }
        bool immobile() const override { return pas >= 2; }
    };
    viderFile();
    EcranArrete ecran;
    const Uint32 debut = horloge::tempsReel();
    executer(ecran, {16, false});
    EXPECT_EQ(ecran.dessins, 3);
    EXPECT_GE(horloge::tempsReel() - debut, 5 * rythmeEcranFixe.dureePassage);
}

// A game given up (its window lost) runs no screen further, not even a pass of one with a
// key waiting, and leaves with status 1. The flag holds for good, so a child process tries it.
TEST(BoucleDeathTest, AGameGivenUpRunsNoScreenAndLeavesWithStatusOne) {
    EXPECT_EXIT(
        {
            signaux::abandonner();
            pousser(touche(SDLK_a));
            EcranCompte ecran(false);
            executer(ecran, rythmeEcranAnime);
            const bool rienFait = ecran.touches + ecran.pas + ecran.dessins == 0;
            // Straight out: the parent's window must not be closed by our exit handlers.
            std::_Exit(rienFait ? signaux::statutDeSortie() : 2);
        },
        testing::ExitedWithCode(1), "");
}

// Left idle on the main menu, the game plays its demo until a key, which the menu does not
// take: the highlight stands where it was, and the next key moves it.
TEST(MenuEnMarche, LeftIdleTheMainMenuPlaysTheDemoUntilAKeyThenStandsWhereItWas) {
    const clavier::HorlogeDuClavier horloge;
    std::vector<SDLKey> touches = {SDLK_DOWN};
    touches.insert(touches.end(), Menu::attenteDemo / 500 + 1, clavier::attente);
    touches.insert(touches.end(), {SDLK_UP, SDLK_DOWN, fermeture});
    EXPECT_EQ(menuJoue(touches)->getCurrentChoice(), 2);
}

// A replay watched: its speed doubles up to four times and back, the pause holds it, Escape
// leaves; the demo ends at any key or move of the pointer.
TEST(Visionneuse, TheViewerPausesSpeedsUpAndLeavesTheDemoEndsAtAnyInput) {
    std::string raison;
    const std::optional<Rejeu> rejeu = chargerRejeu("demo.rejeu", raison);
    ASSERT_TRUE(rejeu) << raison;
    Visionneuse visionneuse(*rejeu, Visionneuse::REGARDER);
    const std::tuple<SDL_Event, int, bool, long> etapes[] = {
        {touche(SDLK_a), 1, false, 1},      {touche(SDLK_RIGHT), 2, false, 3},
        {touche(SDLK_RIGHT), 4, false, 7},  {touche(SDLK_RIGHT), 4, false, 11},
        {touche(SDLK_LEFT), 2, false, 13},  {touche(SDLK_p), 2, true, 13},
        {touche(SDLK_SPACE), 2, false, 15}, {mouvementSouris(5), 2, false, 17}};
    for (const auto& [e, vitesse, enPause, passage] : etapes) {
        visionneuse.traiter(e);
        visionneuse.avancer();
        EXPECT_EQ(std::tuple(visionneuse.getVitesse(), visionneuse.estEnPause(),
                             visionneuse.getMagnetoscope().passage(), visionneuse.fini()),
                  std::tuple(vitesse, enPause, passage, false))
            << int(e.type) << " " << e.key.keysym.sym;
    }
    visionneuse.traiter(touche(SDLK_ESCAPE));
    EXPECT_TRUE(visionneuse.fini());
    for (const SDL_Event& e : {touche(SDLK_a), mouvementSouris(1), boutonSouris(SDL_BUTTON_LEFT)}) {
        Visionneuse demo(*rejeu, Visionneuse::DEMO);
        demo.traiter(SDL_Event{SDL_ACTIVEEVENT});
        EXPECT_FALSE(demo.fini());
        demo.traiter(e);
        EXPECT_TRUE(demo.fini() && demo.arretNet()) << "the keys typed after are the menu's";
    }
}
