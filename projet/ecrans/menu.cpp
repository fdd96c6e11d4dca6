// SPDX-License-Identifier: GPL-3.0-or-later
#include "ecrans/menu.h"

#include "ecrans/avis.h"
#include "ecrans/boucle.h"
#include "ecrans/editeur.h"
#include "ecrans/ecranscores.h"
#include "jeu/typesparties.h"
#include "niveaux/recueil.h"
#include "profil/preferences.h"
#include "profil/settings.h"
#include "systeme/surfaces.h"
#include "systeme/toile.h"
#include "son/mixer.h"
#include "systeme/signaux.h"
#include "systeme/version.h"

#include <GL/glu.h>
#include <SDL_image.h>

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

// One textured quad: texture coordinates then corners, in the given order.
void quadTexture(const float (*coins)[4]) {
    glBegin(GL_QUADS);
    for (int k = 0; k < 4; ++k) {
        glTexCoord2f(coins[k][0], coins[k][1]);
        glVertex2f(coins[k][2], coins[k][3]);
    }
    glEnd();
}

// The SDL badge between (gauche, bas) and (droite, haut), a tint at each corner.
void quadSDL(float gauche, float bas, float droite, float haut) {
    glBegin(GL_QUADS);
    glColor3ub(255, 255, 200);
    glTexCoord2f(0, 1);
    glVertex2f(gauche, haut);
    glColor3ub(220, 220, 220);
    glTexCoord2f(0, 0);
    glVertex2f(gauche, bas);
    glColor3ub(200, 200, 255);
    glTexCoord2f(1, 0);
    glVertex2f(droite, bas);
    glColor3ub(220, 220, 220);
    glTexCoord2f(1, 1);
    glVertex2f(droite, haut);
    glEnd();
}

// The 32-bit pixels of `image` resampled, bilinearly, to `largeur` x `hauteur`:
// a buffer of exactly the size OpenGL is told, whatever the image's sides.
std::vector<Uint8> reechantillonner(const SDL_Surface& image, int largeur, int hauteur) {
    const Uint8* source = static_cast<const Uint8*>(image.pixels);
    // Source coordinate and weight of output pixel k of n along a side of m.
    const auto echantillon = [](int k, int n, int m, int& a, int& b) {
        const float s = std::max(0.0f, (k + 0.5f) * m / n - 0.5f);
        a = std::min(static_cast<int>(s), m - 1);
        b = std::min(a + 1, m - 1);
        return s - a;
    };
    std::vector<Uint8> pixels(static_cast<std::size_t>(largeur) * hauteur * 4);
    for (int y = 0; y < hauteur; ++y) {
        int y0, y1;
        const float fy = echantillon(y, hauteur, image.h, y0, y1);
        for (int x = 0; x < largeur; ++x) {
            int x0, x1;
            const float fx = echantillon(x, largeur, image.w, x0, x1);
            for (int c = 0; c < 4; ++c) {
                const auto lu = [&](int px, int py) {
                    return static_cast<float>(source[py * image.pitch + px * 4 + c]);
                };
                const float haut = lu(x0, y0) + (lu(x1, y0) - lu(x0, y0)) * fx;
                const float bas = lu(x0, y1) + (lu(x1, y1) - lu(x0, y1)) * fx;
                pixels[(static_cast<std::size_t>(y) * largeur + x) * 4 + c] =
                    static_cast<Uint8>(haut + (bas - haut) * fy + 0.5f);
            }
        }
    }
    return pixels;
}

} // namespace

bool initGL() {
    glShadeModel(GL_SMOOTH);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClearDepth(1.0);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glDepthFunc(GL_LEQUAL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    return true;
}

GLuint loadTexture(const char* filename, bool useMipMap) {
    const Surface image(IMG_Load(filename));
    if (!image) {
        return 0;
    }
    const Surface convertie = convertirEnOctets(*image, true);
    if (!convertie) {
        return 0;
    }
    const Surface retournee(flipSurface(convertie.get()));
    if (!retournee) {
        return 0;
    }
    // OpenGL 1.x wants sides in powers of two, and GLU's own rescaling of any
    // other size reads past the end of the image it is given: each side goes
    // down to the largest power of two it holds.
    const int largeur = freetype::next_p2(retournee->w + 1) / 2;
    const int hauteur = freetype::next_p2(retournee->h + 1) / 2;
    const std::vector<Uint8> pixels = reechantillonner(*retournee, largeur, hauteur);

    GLuint texture;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    if (useMipMap) {
        gluBuild2DMipmaps(GL_TEXTURE_2D, 4, largeur, hauteur, GL_RGBA, GL_UNSIGNED_BYTE,
                          pixels.data());
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    } else {
        glTexImage2D(GL_TEXTURE_2D, 0, 4, largeur, hauteur, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                     pixels.data());
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    }
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    return texture;
}

SDL_Surface* flipSurface(SDL_Surface* surface) {
    const SDL_PixelFormat& f = *surface->format;
    SDL_Surface* retournee = SDL_CreateRGBSurface(0, surface->w, surface->h, f.BitsPerPixel,
                                                  f.Rmask, f.Gmask, f.Bmask, f.Amask);
    if (retournee == nullptr) {
        return nullptr;
    }
    SDL_LockSurface(surface);
    SDL_LockSurface(retournee);
    const Uint8* source = static_cast<const Uint8*>(surface->pixels);
    Uint8* destination = static_cast<Uint8*>(retournee->pixels);
    for (int current_line = 0; current_line < surface->h; ++current_line) {
        std::copy_n(source + (surface->h - 1 - current_line) * surface->pitch, surface->pitch,
                    destination + current_line * retournee->pitch);
    }
    SDL_UnlockSurface(retournee);
    SDL_UnlockSurface(surface);
    return retournee;
}

Menu::Menu(float XHG, float YHG, float XBD, float YBD)
    : posXHGMenu(XHG), posYHGMenu(YHG), posXBDMenu(XBD), posYBDMenu(YBD), idMenu(MENU_PRINCIPAL),
      continuer(true), currentChoice(0), currentControlesChoice(false) {
    initGL();
    imageTitre.reset(loadTexture("vorlen.jpg", true));
    logoSDL.reset(loadTexture("SDL.jpg", false));
    logoGL.reset(loadTexture("OpenGL_logo.jpg", true));
    reinitMainMenu();
    meilleursScores.charger(MeilleursScores::fichierDuJoueur());
    our_font.init(freetype::fichierPolice, hauteurlettres);
    small_font.init(freetype::fichierPolice, petitesLettres);
    initDisplay();
    display();
    boucle();
}

// The application's main loop: at most one pass every 50 ms. The screen only
// changes after an event (a window uncovered sends one too), so a menu left
// idle is not drawn again.
void Menu::boucle() {
    while (continuer && !signaux::finDemandee()) {
        const Uint32 start_time = SDL_GetTicks();
        if (traiterEvenements()) {
            display();
        }
        finirPassage(start_time, 10);
    }
}

bool Menu::traiterEvenements() {
    bool evenement = false;
    SDL_Event event;
    while (evenementSuivant(event, evenement)) {
        evenement = true;
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
    // F11 may have switched the screen: the options' words follow.
    if (evenement) {
        rafraichirOptions();
    }
    return evenement;
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
    bool saisieEnCours = true;
    bool change = false;
    while (saisieEnCours && !signaux::finDemandee()) {
        const Uint32 start_time = SDL_GetTicks();
        SDL_Event event;
        // Every event already queued is handled, a second key included; the
        // screen may switch meanwhile, and the capture goes on.
        bool redessiner = false;
        while (evenementSuivant(event, redessiner)) {
            if (event.type == SDL_QUIT) {
                saisieEnCours = false;
            } else if (event.type == SDL_KEYDOWN) {
                if (event.key.keysym.sym != SDLK_ESCAPE) {
                    change = assigner(event.key.keysym.sym) || change;
                }
                saisieEnCours = false;
            }
        }
        display();
        finirPassage(start_time, 1);
    }
    currentControlesChoice = false;
    if (change) {
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

void Menu::dessinerImages(GLubyte teinte, const float (*titre)[4], const float (*gl)[4],
                          const float* sdl) const {
    toile::nouvelleImage();
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, imageTitre.nom());
    glColor3ub(teinte, teinte, teinte);
    quadTexture(titre);
    glBindTexture(GL_TEXTURE_2D, logoGL.nom());
    quadTexture(gl);
    glBindTexture(GL_TEXTURE_2D, logoSDL.nom());
    quadSDL(sdl[0], sdl[1], sdl[2], sdl[3]);
    glDisable(GL_TEXTURE_2D);
}

void Menu::display() {
    const float titre[4][4] = {
        {0, 1, -0.7f, 0.9f}, {0, 0, -0.7f, -0.1f}, {1, 0, 0.7f, -0.1f}, {1, 1, 0.7f, 0.9f}};
    const float gl[4][4] = {
        {0, 1, -0.8f, -0.84f}, {0, 0, -0.8f, -0.97f}, {1, 0, -0.6f, -0.97f}, {1, 1, -0.6f, -0.84f}};
    const float sdl[4] = {-1.0f, -1.0f, -0.8f, -0.8f};
    dessinerImages(255, titre, gl, sdl);

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

// Drawn once, then again only after an event, as the menus are.
void Menu::showcredits() {
    bool afficher = true;
    bool aDessiner = true;
    while (afficher && !signaux::finDemandee()) {
        const Uint32 start_time = SDL_GetTicks();
        SDL_Event event;
        while (evenementSuivant(event, aDessiner)) {
            aDessiner = true;
            if (toucheQuelconque(event)) {
                afficher = false;
            } else if (event.type == SDL_QUIT) {
                continuer = false;
                afficher = false;
            }
        }
        if (aDessiner) {
            displayCredits();
            aDessiner = false;
        }
        finirPassage(start_time, 5);
    }
}

void Menu::displayCredits() {
    // The title image, dimmed, across the whole width behind the text.
    const float fond[4][4] = {
        {0, 1, -1.0f, 0.8f}, {0, 0, -1.0f, -0.8f}, {1, 0, 1.0f, -0.8f}, {1, 1, 1.0f, 0.8f}};
    const float gl[4][4] = {
        {0, 1, 0.1f, -0.75f}, {0, 0, 0.1f, -0.95f}, {1, 0, 0.4f, -0.95f}, {1, 1, 0.4f, -0.75f}};
    const float sdl[4] = {-0.4f, -1.0f, -0.1f, -0.7f};
    dessinerImages(200, fond, gl, sdl);

    glColor3ub(200, 255, 255);
    freetype::print(our_font, 270, 510, "Sons et bruitages:");
    freetype::print(our_font, 140, 300, "Documentation et bibliotheques:");

    glColor3ub(230, 230, 230);
    freetype::print(our_font, 150, 470, "Effets sonores de Vorlen,");
    freetype::print(our_font, 150, 440, "synthetises avec SoX");
    freetype::print(our_font, 100, 270, "SDL, SDL_image, SDL_mixer:");
    freetype::print(our_font, 130, 240, "Sam Lantinga et libsdl.org");
    freetype::print(our_font, 100, 180, "FreeType, OpenGL (Mesa), police");
    freetype::print(our_font, 130, 150, "DejaVu (Bitstream, DejaVu)");
    SDL_GL_SwapBuffers();
}
