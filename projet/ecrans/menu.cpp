// SPDX-License-Identifier: GPL-3.0-or-later
#include "ecrans/menu.h"

#include "ecrans/avis.h"
#include "ecrans/credits.h"
#include "rendu/boucle.h"
#include "rendu/imagesgl.h"
#include "ecrans/editeur.h"
#include "ecrans/ecranscores.h"
#include "jeu/typesparties.h"
#include "niveaux/recueil.h"
#include "profil/preferences.h"
#include "profil/settings.h"
#include "systeme/toile.h"
#include "son/mixer.h"
#include "systeme/version.h"

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <memory>

namespace {

// The items' baselines: the steps go down from here, and the last stays
// high enough for its letters' tails to show.
const int premiereLigne = 240;
const int derniereLigneMin = 12;
// Where the pointer is over an item: across the items' column, and from the
// lowest tails of an item's letters up one step.
const float gaucheItems = 300.0f;
const float droiteItems = 780.0f;
const int descenteItem = 8;
const int delaiRepetition = 1000;
const int repetitionApres1j = 50;
const int repetitionApres2j = 250;
// The settings file's notice, in small letters across the top, above the
// title image.
const int ligneAvis = 582;
const float margeAvis = 10.0f;

} // namespace

namespace {

// Waits for one key, the menu shown meanwhile with its item in green.
class SaisieTouche : public Ecran {
public:
    SaisieTouche(Menu& menu, const std::function<bool(int)>& assigner)
        : menu(menu), assigner(assigner) {}

    void traiter(const SDL_Event& event) override {
        if (event.type == SDL_QUIT) {
            enCours = false;
        } else if (event.type == SDL_KEYDOWN) {
            // Escape keeps the key as it was.
            if (event.key.keysym.sym != SDLK_ESCAPE) {
                change = assigner(event.key.keysym.sym);
            }
            enCours = false;
        }
    }
    void dessiner() override { menu.display(); }
    bool fini() const override { return !enCours; }
    // Whether the key was taken.
    bool changee() const { return change; }

private:
    Menu& menu;
    const std::function<bool(int)>& assigner;
    bool enCours = true;
    bool change = false;
};

} // namespace

Menu::Menu(float XHG, float YHG, float XBD, float YBD)
    : posXHGMenu(XHG), posYHGMenu(YHG), posXBDMenu(XBD), posYBDMenu(YBD), idMenu(MENU_PRINCIPAL),
      continuer(true), currentChoice(0), currentControlesChoice(false) {
    initGL();
    reinitMainMenu();
    meilleursScores.charger(MeilleursScores::fichierDuJoueur());
    our_font.init(freetype::fichierPolice, hauteurlettres);
    small_font.init(freetype::fichierPolice, petitesLettres);
    initDisplay();
    // The application's main loop. The menu only changes after an event, so
    // a menu left idle is not drawn again.
    executer(*this, rythmeEcranFixe);
}

void Menu::traiter(const SDL_Event& event) {
    switch (event.type) {
    case SDL_QUIT:
        continuer = false;
        break;
    case SDL_KEYDOWN:
        touche(event.key.keysym.sym);
        break;
    case SDL_MOUSEMOTION:
        survoler(event.motion.x, event.motion.y);
        break;
    case SDL_MOUSEBUTTONDOWN:
        cliquer(event.button);
        break;
    default:
        manette(event);
        break;
    }
}

void Menu::dessiner() {
    // F11 may have switched the screen: the options' words follow.
    rafraichirOptions();
    display();
}

void Menu::touche(int sym) {
    switch (sym) {
    case SDLK_RETURN:
        activateChoice();
        break;
    case SDLK_UP:
        precChoice();
        break;
    case SDLK_DOWN:
        nextChoice();
        break;
    case SDLK_RIGHT:
    case SDLK_LEFT:
        reglerChoix(sym == SDLK_RIGHT);
        break;
    default:
        break;
    }
}

int Menu::ligneItem(int i) const {
    // A list too long for the window starts higher, so its last item shows.
    const int depart =
        std::max<int>(premiereLigne, derniereLigneMin + margin * static_cast<int>(labels.size()));
    return depart - margin * (i + 1);
}

int Menu::itemSous(int x, int y) const {
    float cx, cy;
    if (!toile::pointVersToile(x, y, cx, cy) || cx < gaucheItems || cx > droiteItems) {
        return -1;
    }
    for (std::size_t i = 0; i < labels.size(); ++i) {
        // Each item owns the band from below its letters' tails up to the
        // next item's: the bands touch, so the pointer is always over one.
        const int ligne = ligneItem(static_cast<int>(i));
        if (cy >= ligne - descenteItem && cy < ligne - descenteItem + margin) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void Menu::survoler(int x, int y) {
    // Only the pointer's arrival on an item highlights it: a pointer left
    // resting takes nothing back from the arrows.
    const int item = itemSous(x, y);
    if (item >= 0 && item != itemPointe) {
        currentChoice = item;
    }
    itemPointe = item;
}

void Menu::cliquer(const SDL_MouseButtonEvent& bouton) {
    if (bouton.button == SDL_BUTTON_WHEELUP || bouton.button == SDL_BUTTON_WHEELDOWN) {
        bouton.button == SDL_BUTTON_WHEELUP ? precChoice() : nextChoice();
        return;
    }
    const int item = itemSous(bouton.x, bouton.y);
    if (item < 0 || (bouton.button != SDL_BUTTON_LEFT && bouton.button != SDL_BUTTON_RIGHT)) {
        return;
    }
    currentChoice = item;
    const bool reglable = (idMenu == MENU_OPTIONS && item == OPTION_VOLUME) ||
                          (idMenu == MENU_APPAREILS && item != APPAREIL_RETOUR);
    if (reglable) {
        reglerChoix(bouton.button == SDL_BUTTON_LEFT);
    } else if (bouton.button == SDL_BUTTON_LEFT) {
        activateChoice();
    }
}

void Menu::manette(const SDL_Event& event) {
    const SDLKey sym = toucheDeManette(event, axesManette);
    if (sym == SDLK_ESCAPE) {
        revenir();
    } else if (sym != SDLK_UNKNOWN) {
        touche(sym);
    }
}

void Menu::revenir() {
    // Every menu but the main one ends on its way back.
    if (idMenu != MENU_PRINCIPAL) {
        currentChoice = static_cast<int>(labels.size()) - 1;
        activateChoice();
    }
}

void Menu::initMenu(std::string ititle, std::vector<std::string> listChoices, int id) {
    idMenu = id;
    title = std::move(ititle);
    labels = std::move(listChoices);
}

void Menu::reinit(std::string ititle, std::vector<std::string> listChoices, int id, int choice) {
    currentChoice = choice;
    initMenu(std::move(ititle), std::move(listChoices), id);
}

// Keeps the highlighted index: the menu left chooses the item to come back to.
void Menu::reinitMainMenu() {
    initMenu("Menu Principal",
             {"Nouvelle Partie", "Options", "Meilleurs scores", "Editeur de niveaux", "Credits",
              "Quitter"},
             MENU_PRINCIPAL);
}

void Menu::reinitPartieType() {
    reinit("Type de Partie", {"1 joueur", "2 joueurs cooperatif", "retour"}, MENU_TYPE_PARTIE, 0);
}

void Menu::reinitNiveauxMenu() {
    reinit("Niveaux", {"Niveaux du jeu", "Mes niveaux", "retour"}, MENU_NIVEAUX, NIVEAUX_DU_JEU);
}

void Menu::reinitOptionsMenu() {
    reinit("Options", libellesOptions(), MENU_OPTIONS, 0);
}

void Menu::reinitAppareilsMenu() {
    reinit("Souris et manettes", libellesAppareils(), MENU_APPAREILS, currentChoice);
}

std::vector<std::string> Menu::libellesAppareils() const {
    const char* const noms[] = {"Clavier", "Souris", "Manette 1", "Manette 2"};
    return {std::string("J1 appareil <") + noms[currentSettings.getPeripherique(1)] + ">",
            std::string("J2 appareil <") + noms[currentSettings.getPeripherique(2)] + ">",
            "Sensibilite souris: " + std::to_string(currentSettings.getSensibiliteSouris()),
            "retour"};
}

std::vector<std::string> Menu::libellesOptions() const {
    const std::string pleinEcran = currentSettings.getPleinEcranState() ? "oui" : "non";
    return {"Controles",
            "Plein ecran: " + pleinEcran,
            "Volume: " + std::to_string(currentSettings.getVolume()),
            currentSettings.getEclairageVif() ? "Eclairage: vif" : "Eclairage: classique",
            "Souris et manettes",
            "Retour"};
}

// The options' words follow the choices; the highlight stays.
void Menu::rafraichirOptions() {
    if (idMenu == MENU_OPTIONS) {
        initMenu("Options", libellesOptions(), MENU_OPTIONS);
    } else if (idMenu == MENU_APPAREILS) {
        initMenu("Souris et manettes", libellesAppareils(), MENU_APPAREILS);
    }
}

void Menu::basculerPleinEcran() {
    basculerPleinEcranRetenu();
    rafraichirOptions();
}

void Menu::reglerChoix(bool plus) {
    if (idMenu == MENU_OPTIONS && currentChoice == OPTION_VOLUME) {
        changerVolume(plus);
    } else if (idMenu == MENU_APPAREILS && currentChoice <= APPAREIL_J2) {
        changerAppareil(currentChoice + 1, plus);
    } else if (idMenu == MENU_APPAREILS && currentChoice == APPAREIL_SENSIBILITE) {
        changerSensibilite(plus);
    }
}

void Menu::changerAppareil(int nJoueur, bool suivant) {
    // The keyboard and the mouse are always there; only the gamepads
    // plugged in at start are offered.
    const int presents = Settings::PERIPH_MANETTE1 + std::min(SDL_NumJoysticks(), 2);
    const int pas = suivant ? 1 : presents - 1;
    currentSettings.setPeripherique(nJoueur,
                                    (currentSettings.getPeripherique(nJoueur) + pas) % presents);
    preferences::enregistrer(currentSettings);
    rafraichirOptions();
}

void Menu::changerSensibilite(bool plus) {
    const int avant = currentSettings.getSensibiliteSouris();
    currentSettings.setSensibiliteSouris(avant + (plus ? 1 : -1));
    if (currentSettings.getSensibiliteSouris() != avant) {
        preferences::enregistrer(currentSettings);
        rafraichirOptions();
    }
}

// Left and right arrows on the volume item; each step is heard at once.
void Menu::changerVolume(bool plusFort) {
    if (plusFort ? currentSettings.volumeUp() : currentSettings.volumeDown()) {
        amixer.setVolume(currentSettings.getVolume(), Settings::volumeMax);
        amixer.SPlay_PlayerHit();
        preferences::enregistrer(currentSettings);
        rafraichirOptions();
    }
}

// Keeps the highlighted item, so a rebound key's item stays highlighted.
void Menu::reinitControlesMenu() {
    const char* const prefixes[] = {"J1 gauche <", "J1 droite <", "J1 action <",
                                    "J2 gauche <", "J2 droite <", "J2 action <"};
    std::vector<std::string> items;
    for (int k = 0; k < 6; ++k) {
        const int touche = currentSettings.getAssignedKey(k / 3 + 1, k % 3);
        items.push_back(prefixes[k] + Settings::getKeyByCode(touche) + ">");
    }
    items.push_back("Pause <" + Settings::getKeyByCode(currentSettings.getTouchePause()) + ">");
    items.push_back("retour");
    reinit("Controles", std::move(items), MENU_CONTROLES, currentChoice);
}

void Menu::nextChoice() {
    if (currentChoice < static_cast<int>(labels.size()) - 1) {
        currentChoice += 1;
    }
}

void Menu::precChoice() {
    if (currentChoice > 0) {
        currentChoice -= 1;
    }
}

void Menu::activateChoice() {
    switch (idMenu) {
    case MENU_PRINCIPAL:
        activerMenuPrincipal();
        break;
    case MENU_TYPE_PARTIE:
        activerTypePartie();
        break;
    case MENU_OPTIONS:
        activerOptions();
        break;
    case MENU_CONTROLES:
        activerControles();
        break;
    case MENU_APPAREILS:
        activerAppareils();
        break;
    case MENU_NIVEAUX:
        activerNiveaux();
        break;
    default:
        std::cerr << "menu not yet implemented: " << idMenu << std::endl;
        std::exit(1);
    }
}

void Menu::activerMenuPrincipal() {
    switch (currentChoice) {
    case CHOIX_NOUVELLE_PARTIE:
        reinitPartieType();
        break;
    case CHOIX_OPTIONS:
        reinitOptionsMenu();
        break;
    case CHOIX_MEILLEURS_SCORES:
        showMeilleursScores();
        break;
    case CHOIX_EDITEUR:
        editerNiveaux();
        break;
    case CHOIX_CREDITS:
        showcredits();
        break;
    case CHOIX_QUITTER:
        continuer = false;
        break;
    default:
        positionIncorrecte();
    }
}

void Menu::activerTypePartie() {
    switch (currentChoice) {
    case 0:
    case 1:
        choisirNiveaux(currentChoice + 1);
        break;
    case 2:
        // Leaving the game types has always led to "Credits".
        currentChoice = CHOIX_CREDITS;
        reinitMainMenu();
        break;
    default:
        positionIncorrecte();
    }
}

void Menu::choisirNiveaux(int nbJoueurs) {
    const bool imposes = Partie::fichierNiveaux != Niveau::fichierParDefaut;
    if (imposes || !Recueil::jouable(Recueil::fichierDuJoueur())) {
        lancerPartie(nbJoueurs, false);
        return;
    }
    nbJoueursChoisis = nbJoueurs;
    reinitNiveauxMenu();
}

void Menu::activerNiveaux() {
    switch (currentChoice) {
    case NIVEAUX_DU_JEU:
    case NIVEAUX_DU_JOUEUR:
        lancerPartie(nbJoueursChoisis, currentChoice == NIVEAUX_DU_JOUEUR);
        break;
    case NIVEAUX_RETOUR:
        reinitPartieType();
        currentChoice = nbJoueursChoisis - 1;
        break;
    default:
        positionIncorrecte();
    }
}

void Menu::lancerPartie(int nbJoueurs, bool niveauxDuJoueur) {
    const std::string fichierDuJeu = Partie::fichierNiveaux;
    if (niveauxDuJoueur) {
        Partie::fichierNiveaux = Recueil::fichierDuJoueur();
    }
    if (nbJoueurs == 1) {
        jouerPartie(new Normal1j(), repetitionApres1j);
    } else {
        jouerPartie(new Coop2j(), repetitionApres2j);
    }
    Partie::fichierNiveaux = fichierDuJeu;
}

void Menu::editerNiveaux() {
    {
        Editeur editeur(Recueil::fichierDuJoueur(), Niveau::fichierParDefaut);
        if (!editeur.editer()) {
            continuer = false;
        }
    }
    initGL();
    initDisplay();
}

void Menu::activerOptions() {
    switch (currentChoice) {
    case OPTION_CONTROLES:
        reinitControlesMenu();
        break;
    case OPTION_PLEIN_ECRAN:
        basculerPleinEcran();
        break;
    case OPTION_VOLUME:
        break;
    case OPTION_ECLAIRAGE:
        currentSettings.setEclairageVif(!currentSettings.getEclairageVif());
        preferences::enregistrer(currentSettings);
        rafraichirOptions();
        break;
    case OPTION_APPAREILS:
        currentChoice = APPAREIL_J1;
        reinitAppareilsMenu();
        break;
    case OPTION_RETOUR:
        // Back on "Options", whatever the index of the item left.
        currentChoice = CHOIX_OPTIONS;
        reinitMainMenu();
        break;
    default:
        positionIncorrecte();
    }
}

void Menu::activerControles() {
    if (currentChoice >= 0 && currentChoice < 6) {
        activSaisieCommande(currentChoice / 3 + 1, currentChoice % 3);
        reinitControlesMenu();
    } else if (currentChoice == 6) {
        saisirTouche([](int touche) { return currentSettings.assignTouchePause(touche); });
        reinitControlesMenu();
    } else if (currentChoice == 7) {
        reinitOptionsMenu();
    } else {
        positionIncorrecte();
    }
}

void Menu::activerAppareils() {
    switch (currentChoice) {
    case APPAREIL_J1:
    case APPAREIL_J2:
    case APPAREIL_SENSIBILITE:
        reglerChoix(true);
        break;
    case APPAREIL_RETOUR:
        reinitOptionsMenu();
        currentChoice = OPTION_APPAREILS;
        break;
    default:
        positionIncorrecte();
    }
}

void Menu::positionIncorrecte() const {
    std::cerr << "Incorrect position: " << currentChoice << " in menu nr" << idMenu << std::endl;
    std::exit(1);
}

void Menu::jouerPartie(Partie* partie, int intervalleRepetition) {
    const std::unique_ptr<Partie> enCours(partie);
    enCours->start();
    initGL();
    initDisplay();
    // From the first match on, a held key repeats, in the menus too.
    SDL_EnableKeyRepeat(delaiRepetition, intervalleRepetition);
    if (enCours->isGameOver()) {
        inscrireScore(*enCours);
    }
    reinitMainMenu();
}

void Menu::inscrireScore(const Partie& partie) {
    const auto mode =
        partie.getNbJoueur() == 1 ? MeilleursScores::MODE_1J : MeilleursScores::MODE_COOP;
    const LigneScore ligne{partie.getScoreTotal(), partie.getNumNiveau(), dateDuJour(), {}};
    EcranScores ecran(our_font);
    if (!ecran.inscrire(meilleursScores, mode, ligne)) {
        continuer = false;
    }
}

void Menu::showMeilleursScores() {
    EcranScores ecran(our_font);
    if (!ecran.montrer(meilleursScores)) {
        continuer = false;
    }
}

void Menu::activSaisieCommande(int nJoueur, int commande) {
    saisirTouche([nJoueur, commande](int touche) {
        return currentSettings.assignKey(touche, nJoueur, commande);
    });
}

void Menu::saisirTouche(const std::function<bool(int)>& assigner) {
    currentControlesChoice = true;
    // The screen may switch meanwhile, and the capture goes on.
    SaisieTouche saisie(*this, assigner);
    executer(saisie, rythmeEcranAnime);
    currentControlesChoice = false;
    if (saisie.changee()) {
        preferences::enregistrer(currentSettings);
    }
    display();
}

void Menu::initDisplay() {
    toile::vueEntiere();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void Menu::display() {
    const float titre[4][4] = {
        {0, 1, -0.7f, 0.9f}, {0, 0, -0.7f, -0.1f}, {1, 0, 0.7f, -0.1f}, {1, 1, 0.7f, 0.9f}};
    const float gl[4][4] = {
        {0, 1, -0.8f, -0.84f}, {0, 0, -0.8f, -0.97f}, {1, 0, -0.6f, -0.97f}, {1, 1, -0.6f, -0.84f}};
    const float sdl[4] = {-1.0f, -1.0f, -0.8f, -0.8f};
    decor.dessiner(255, titre, gl, sdl);

    glColor3ub(255, 7, 7);
    freetype::print(our_font, 300, 270, "%s", title.c_str());

    const int depart = ligneItem(-1);
    glPushMatrix();
    for (std::size_t i = 0; i < labels.size(); ++i) {
        if (static_cast<int>(i) != currentChoice) {
            glColor3ub(0, 0, 255);
        } else if (currentControlesChoice) {
            glColor3ub(0, 255, 0);
        } else {
            glColor3ub(255, 255, 255);
        }
        // The steps add up: item i stands 31 pixels lower than the one before.
        glTranslatef(0, -margin, 0);
        freetype::print(our_font, 310, depart, "%s", labels[i].c_str());
    }
    glPopMatrix();

    dessinerAvis();
    glColor3ub(255, 255, 230);
    freetype::print(small_font, 750, 3, "%s", version::menu);
    SDL_GL_SwapBuffers();
}

void Menu::dessinerAvis() const {
    glColor3ub(255, 170, 0);
    freetype::print(small_font, margeAvis, ligneAvis, "%s",
                    avisEnregistrement(small_font, currentSettings.getEnregistrement(),
                                       "Reglages non enregistres", largeurToile - 2 * margeAvis)
                        .c_str());
}

void Menu::showcredits() {
    Credits credits(decor, our_font);
    executer(credits, rythmeEcranFixe);
    if (credits.fenetreFermee()) {
        continuer = false;
    }
}
