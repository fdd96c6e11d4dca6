// SPDX-License-Identifier: GPL-3.0-or-later
#include "ecrans/editeur.h"

#include "rendu/boucle.h"
#include "jeu/essai.h"
#include "niveaux/lecture.h"
#include "niveaux/terrain.h"
#include "niveaux/verification.h"
#include "systeme/langue.h"
#include "systeme/toile.h"
#include "systeme/sauvegardeurgente.h"
#include "systeme/signaux.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <map>
#include <sstream>

namespace {

// The palette: one row of bricks under the grid, across the field.
const float yPalette = -14.0f;
const float ecartPalette = 6.2f;
// The cursor and the marks stand just in front of the bricks' faces.
const float zMarques = 0.6f;

// The panel: an action and its key on each line, down from the level's number.
const float xPanneau = 658.0f;
const float droiteTouches = 794.0f;
const int ligneTitre = 570;
const int ligneNumero = 545;
const int premiereAction = 505;
const int pasActions = 22;
const int descenteAction = 7;
const int ligneEtat = 280;
const int ligneMessage = 170;
const int pasTexte = 18;
const float largeurPanneau = largeurToile - Disposition::largeurChamp - 14.0f;
// The help under the palette, in the field's width.
const float xAide = 95.0f;
const int ligneAide = 130;
const float largeurAide = 470.0f;

const int taillePolice = 16;
const int taillePetitePolice = 11;

// A held arrow moves the cursor on and on, as in a text editor.
const int delaiRepetition = 300;
const int intervalleRepetition = 40;

// Key repeat as the editor wants it, put back as it was on the way out.
class RepetitionTouches {
public:
    RepetitionTouches() {
        SDL_GetKeyRepeat(&delai, &intervalle);
        SDL_EnableKeyRepeat(delaiRepetition, intervalleRepetition);
    }
    ~RepetitionTouches() { SDL_EnableKeyRepeat(delai, intervalle); }
    RepetitionTouches(const RepetitionTouches&) = delete;
    RepetitionTouches& operator=(const RepetitionTouches&) = delete;

private:
    int delai = 0;
    int intervalle = 0;
};

// Each action of the panel: its key, the key's name and the action's words.
struct LigneAction {
    SDLKey touche;
    const char* nomTouche;
    const char* libelle;
};
const LigneAction lignesActions[] = {
    {SDLK_PAGEUP, N_("PgPrec"), N_("< Niveau")},
    {SDLK_PAGEDOWN, N_("PgSuiv"), N_("Niveau >")},
    {SDLK_n, "N", N_("Nouveau")},
    {SDLK_d, "D", N_("Dupliquer")},
    {SDLK_s, "S", N_("Supprimer")},
    {SDLK_c, "C", N_("Copier jeu")},
    {SDLK_z, "Ctrl+Z", N_("Annuler")},
    {SDLK_y, "Ctrl+Y", N_("Refaire")},
    {SDLK_e, "E", N_("Essayer")},
    {SDLK_ESCAPE, N_("Echap"), N_("Quitter")},
    {SDLK_o, "O", N_("Oui")},
    {SDLK_n, "N", N_("Non")},
};

float xPaletteDe(int choix) {
    return (choix - (Editeur::nbChoix - 1) / 2.0f) * ecartPalette;
}

// The shipped levels, the first entry of each number, in the order of the numbers.
std::vector<Niveau::Grille> lireNiveauxDuJeu(const std::string& fichier) {
    std::ostream muet(nullptr);
    std::map<int, Niveau::Grille> parNumero;
    lireNiveaux(fichier.c_str(), muet, [&parNumero](const EntreeNiveaux& entree) {
        parNumero.emplace(entree.numero, entree.points);
        return parNumero.size() < static_cast<std::size_t>(Recueil::maxNiveaux);
    });
    std::vector<Niveau::Grille> niveaux;
    for (const auto& [numero, points] : parNumero) {
        niveaux.push_back(points);
    }
    return niveaux;
}

// Whether a level holds no brick at all, breakable or not.
bool estVide(const Niveau::Grille& points) {
    return std::all_of(points.begin(), points.end(), [](const auto& colonne) {
        return std::all_of(colonne.begin(), colonne.end(), [](int p) { return p == 0; });
    });
}

// A rectangle of half-sides (dx, dy) around (x, y), in front of the bricks.
void cadre(float x, float y, float dx, float dy) {
    glBegin(GL_LINE_LOOP);
    glVertex3f(x - dx, y - dy, zMarques);
    glVertex3f(x + dx, y - dy, zMarques);
    glVertex3f(x + dx, y + dy, zMarques);
    glVertex3f(x - dx, y + dy, zMarques);
    glEnd();
}

// A text's lines, one under the other from `ligne` down, cut to the width.
void ecrire(const freetype::font_data& police, float x, int ligne, const std::string& texte,
            float largeurMax) {
    for (const std::string& morceau : freetype::decouperLignes(texte)) {
        freetype::print(police, x, ligne, "%s",
                        freetype::ajuster(police, morceau, largeurMax).c_str());
        ligne -= pasTexte;
    }
}

} // namespace

int Editeur::pointsDuChoix(int choix) {
    return choix == nbChoix - 1 ? -1 : choix;
}

Editeur::Editeur(std::string fichier, std::string fichierDuJeu)
    : recueil(std::move(fichier)), niveauxDuJeu(lireNiveauxDuJeu(fichierDuJeu)),
      niveau(terrain::yPremiereLigne1j),
      disposition(nullptr, 0, 0, Disposition::largeurChamp, hauteurToile) {
    const std::string avis = recueil.charger(std::cerr);
    police.init(freetype::fichierPolice, taillePolice);
    petitePolice.init(freetype::fichierPolice, taillePetitePolice);
    annoncer(avis, true);
    rafraichir();
}

// Drawn after each event only, as the menus are.
bool Editeur::editer() {
    const RepetitionTouches repetition;
    // The display lost, the changes still go to the file.
    const SauvegardeUrgente urgence([this] {
        return !recueil.modifie() ? std::string()
               : enregistrer()    ? _("niveaux enregistrés dans ") + recueil.fichier()
                                  : _("niveaux non enregistrés");
    });
    disposition.initAffichage();
    executer(*this, rythmeEcranFixe);
    // A signal ends the game: the work is saved on the way out if it can be.
    if (signaux::finDemandee()) {
        if (recueil.modifie()) {
            enregistrer();
        }
        return false;
    }
    return !finDuJeu;
}

void Editeur::traiter(const SDL_Event& event) {
    switch (event.type) {
    case SDL_QUIT:
        quitter(true);
        break;
    case SDL_KEYDOWN:
        touche(event.key.keysym);
        break;
    case SDL_MOUSEMOTION:
        survoler(event.motion.x, event.motion.y, event.motion.state);
        break;
    case SDL_MOUSEBUTTONDOWN:
        cliquer(event.button);
        break;
    default:
        // A gamepad moves the cursor, paints and leaves as the keys do.
        if (const SDLKey sym = toucheDeLOrdre(commandes.lireMenu(event)); sym != SDLK_UNKNOWN) {
            SDL_keysym touchee = {};
            touchee.sym = sym;
            touche(touchee);
        }
        break;
    }
}

SDLKey Editeur::toucheDeLOrdre(Commandes::OrdreMenu ordre) {
    switch (ordre) {
    case Commandes::MENU_HAUT:
        return SDLK_UP;
    case Commandes::MENU_BAS:
        return SDLK_DOWN;
    case Commandes::MENU_MOINS:
        return SDLK_LEFT;
    case Commandes::MENU_PLUS:
        return SDLK_RIGHT;
    case Commandes::MENU_CHOISIR:
        return SDLK_RETURN;
    case Commandes::MENU_RETOUR:
        return SDLK_ESCAPE;
    case Commandes::MENU_AUCUN:
        break;
    }
    return SDLK_UNKNOWN;
}

void Editeur::touche(const SDL_keysym& touche) {
    const SDLKey sym = touche.sym;
    // Undo and redo take Ctrl, as everywhere.
    const bool ctrl = (touche.mod & KMOD_CTRL) != 0;
    for (const Action action : actionsMontrees()) {
        const bool avecCtrl = action == ANNULER || action == REFAIRE;
        if (lignesActions[action].touche == sym && ctrl == avecCtrl) {
            agir(action);
            return;
        }
    }
    if (question != AUCUNE) {
        // Return says yes and Escape no, as in any dialogue.
        if (sym == SDLK_RETURN || sym == SDLK_KP_ENTER || sym == SDLK_ESCAPE) {
            agir(sym == SDLK_ESCAPE ? NON : OUI);
        }
        return;
    }
    if (const int choisi = choixDeLaTouche(touche); choisi >= 0) {
        choix = choisi;
    } else if (sym == SDLK_RETURN || sym == SDLK_KP_ENTER || sym == SDLK_SPACE) {
        finirGlisse();
        Etat avant = etat();
        peindre(curseurI, curseurJ, pointsDuChoix(choix));
        noter(std::move(avant));
    } else if (sym == SDLK_LEFT || sym == SDLK_RIGHT) {
        curseurI = std::clamp(curseurI + (sym == SDLK_RIGHT ? 1 : -1), 0, Niveau::nbBriquesX - 1);
    } else if (sym == SDLK_UP || sym == SDLK_DOWN) {
        curseurJ = std::clamp(curseurJ + (sym == SDLK_UP ? 1 : -1), 0, Niveau::nbBriquesY - 1);
    }
}

int Editeur::choixDeLaTouche(const SDL_keysym& touche) const {
    const SDLKey sym = touche.sym;
    if (sym >= SDLK_1 && sym <= SDLK_9) {
        return sym - SDLK_0;
    }
    if (sym >= SDLK_KP1 && sym <= SDLK_KP9) {
        return sym - SDLK_KP0;
    }
    switch (sym) {
    case SDLK_0:
    case SDLK_KP0:
        return Brique::soliditeMax;
    case SDLK_MINUS:
    case SDLK_KP_MINUS:
        return nbChoix - 1;
    case SDLK_BACKSPACE:
        return 0;
    case SDLK_TAB:
        return (choix + ((touche.mod & KMOD_SHIFT) ? nbChoix - 1 : 1)) % nbChoix;
    default:
        return -1;
    }
}

// The cursor follows the pointer over the grid; a held button paints every
// cell the pointer crossed since it last moved, however fast it went.
void Editeur::survoler(int x, int y, Uint8 boutons) {
    actionPointee = actionSous(x, y);
    const std::pair<int, int> depuis =
        dernierPointeur.first < 0 ? std::pair(x, y) : dernierPointeur;
    dernierPointeur = {x, y};
    if (question != AUCUNE) {
        return;
    }
    int i, j;
    if (celluleSous(x, y, i, j)) {
        curseurI = i;
        curseurJ = j;
    }
    const bool gauche = (boutons & SDL_BUTTON(SDL_BUTTON_LEFT)) != 0;
    if (!gauche && (boutons & SDL_BUTTON(SDL_BUTTON_RIGHT)) == 0) {
        return;
    }
    const int points = gauche ? pointsDuChoix(choix) : 0;
    const int pas = std::max({1, std::abs(x - depuis.first), std::abs(y - depuis.second)});
    for (int k = 1; k <= pas; ++k) {
        const int xk = depuis.first + (x - depuis.first) * k / pas;
        const int yk = depuis.second + (y - depuis.second) * k / pas;
        if (celluleSous(xk, yk, i, j)) {
            peindre(i, j, points);
        }
    }
}

void Editeur::cliquer(const SDL_MouseButtonEvent& bouton) {
    if (bouton.button == SDL_BUTTON_WHEELUP || bouton.button == SDL_BUTTON_WHEELDOWN) {
        const int pas = bouton.button == SDL_BUTTON_WHEELDOWN ? 1 : nbChoix - 1;
        choix = (choix + pas) % nbChoix;
        return;
    }
    if (bouton.button != SDL_BUTTON_LEFT && bouton.button != SDL_BUTTON_RIGHT) {
        return;
    }
    const bool gauche = bouton.button == SDL_BUTTON_LEFT;
    dernierPointeur = {bouton.x, bouton.y};
    const Action action = actionSous(bouton.x, bouton.y);
    if (action != AUCUNE) {
        if (gauche) {
            agir(action);
        }
        return;
    }
    if (question != AUCUNE) {
        return;
    }
    int i, j;
    if (celluleSous(bouton.x, bouton.y, i, j)) {
        curseurI = i;
        curseurJ = j;
        finirGlisse();
        avantGlisse = etat();
        peindre(i, j, gauche ? pointsDuChoix(choix) : 0);
    } else if (const int c = choixSous(bouton.x, bouton.y); c >= 0 && gauche) {
        choix = c;
    }
}

void Editeur::agir(Action action) {
    finirGlisse();
    if (action == ANNULER || action == REFAIRE) {
        action == ANNULER ? reprendre(annulables, refaisables, _("Rien a annuler"))
                          : reprendre(refaisables, annulables, _("Rien a refaire"));
        return;
    }
    Etat avant = etat();
    faire(action);
    noter(std::move(avant));
}

void Editeur::faire(Action action) {
    switch (action) {
    case PRECEDENT:
        allerAuNiveau(numero - 1);
        break;
    case SUIVANT:
        allerAuNiveau(numero + 1);
        break;
    case NOUVEAU:
    case DUPLIQUER:
        ajouterNiveau(action == DUPLIQUER);
        break;
    case SUPPRIMER:
        question = SUPPRIMER;
        break;
    case COPIER:
        // A level with bricks is not overwritten without asking.
        if (estVide(recueil.grille(numero))) {
            copierNiveauDuJeu();
        } else {
            question = COPIER;
        }
        break;
    case ESSAYER:
        essayer();
        break;
    case QUITTER:
        quitter(false);
        break;
    case OUI:
        repondreOui();
        break;
    case NON:
        question = AUCUNE;
        break;
    case ANNULER:
    case REFAIRE:
    case AUCUNE:
        break;
    }
}

void Editeur::noter(Etat avant) {
    if (avant.niveaux == recueil.tous()) {
        return;
    }
    if (annulables.size() == maxAnnulables) {
        annulables.erase(annulables.begin());
    }
    annulables.push_back(std::move(avant));
    refaisables.clear();
}

void Editeur::finirGlisse() {
    if (avantGlisse) {
        noter(std::move(*avantGlisse));
        avantGlisse.reset();
    }
}

void Editeur::reprendre(std::vector<Etat>& depuis, std::vector<Etat>& vers, const char* rien) {
    if (depuis.empty()) {
        annoncer(rien, true);
        return;
    }
    vers.push_back(etat());
    Etat repris = std::move(depuis.back());
    depuis.pop_back();
    recueil.retablir(std::move(repris.niveaux));
    allerAuNiveau(repris.numero);
}

void Editeur::ajouterNiveau(bool copie) {
    if (recueil.nbNiveaux() == Recueil::maxNiveaux) {
        annoncer(langue::formater(_("Deja %d\nniveaux"), Recueil::maxNiveaux), true);
        return;
    }
    const int original = numero;
    allerAuNiveau(copie ? recueil.dupliquer(numero) : recueil.nouveau());
    annoncer(copie ? langue::formater(_("Niveau %d:\ncopie du %d"), numero, original)
                   : langue::formater(_("Niveau %d\najoute"), numero),
             false);
}

std::string Editeur::texteQuestion() const {
    switch (question) {
    case SUPPRIMER:
        return langue::formater(_("Supprimer le\nniveau %d ?"), numero);
    case COPIER:
        return langue::formater(_("Remplacer le\nniveau %d ?"), numero);
    default:
        return _("Quitter sans\nenregistrer ?");
    }
}

void Editeur::repondreOui() {
    if (question == SUPPRIMER) {
        const int supprime = numero;
        allerAuNiveau(recueil.supprimer(numero));
        annoncer(langue::formater(_("Niveau %d\nsupprime"), supprime), false);
    } else if (question == COPIER) {
        copierNiveauDuJeu();
    } else {
        enCours = false;
        finDuJeu = finApresQuestion;
    }
    question = AUCUNE;
}

bool Editeur::celluleSous(int x, int y, int& i, int& j) const {
    float cx, cy, wx, wy;
    if (!toile::pointVersToile(x, y, cx, cy) || !disposition.pointDuChamp(cx, cy, wx, wy)) {
        return false;
    }
    return niveau.celluleSous(wx, wy, i, j);
}

int Editeur::choixSous(int x, int y) const {
    float cx, cy, wx, wy;
    if (!toile::pointVersToile(x, y, cx, cy) || !disposition.pointDuChamp(cx, cy, wx, wy) ||
        std::fabs(wy - yPalette) > Niveau::ecartY / 2.0f) {
        return -1;
    }
    const int c = static_cast<int>(std::floor(wx / ecartPalette + (nbChoix - 1) / 2.0f + 0.5f));
    return c >= 0 && c < nbChoix ? c : -1;
}

std::vector<Editeur::Action> Editeur::actionsMontrees() const {
    if (question != AUCUNE) {
        return {OUI, NON};
    }
    return {PRECEDENT, SUIVANT, NOUVEAU, DUPLIQUER, SUPPRIMER,
            COPIER,    ANNULER, REFAIRE, ESSAYER,   QUITTER};
}

int Editeur::ligneAction(int k) const {
    // A question's two lines come first, its answers under them.
    const int decalage = question != AUCUNE ? 2 : 0;
    return premiereAction - (k + decalage) * pasActions;
}

Editeur::Action Editeur::actionSous(int x, int y) const {
    float cx, cy;
    if (!toile::pointVersToile(x, y, cx, cy) || cx < Disposition::largeurChamp) {
        return AUCUNE;
    }
    const std::vector<Action> actions = actionsMontrees();
    for (std::size_t k = 0; k < actions.size(); ++k) {
        const int bas = ligneAction(static_cast<int>(k)) - descenteAction;
        if (cy >= bas && cy < bas + pasActions) {
            return actions[k];
        }
    }
    return AUCUNE;
}

void Editeur::peindre(int i, int j, int points) {
    if (recueil.grille(numero)[i][j] != points) {
        recueil.poser(numero, i, j, points);
        rafraichir();
    }
}

void Editeur::allerAuNiveau(int n) {
    numero = std::clamp(n, 1, recueil.nbNiveaux());
    rafraichir();
}

void Editeur::rafraichir() {
    const Niveau::Grille& points = recueil.grille(numero);
    niveau.charger(points, numero);
    cassables = nbBriquesCassables(points);
    emmurees = briquesEmmurees(points);
}

void Editeur::copierNiveauDuJeu() {
    if (niveauxDuJeu.empty()) {
        annoncer(_("Aucun niveau\ndu jeu a copier"), true);
        return;
    }
    const int copie = prochaineCopie % static_cast<int>(niveauxDuJeu.size());
    recueil.remplacer(numero, niveauxDuJeu[copie]);
    prochaineCopie = copie + 1;
    rafraichir();
    annoncer(langue::formater(_("Copie du niveau\n%d du jeu"), copie + 1), false);
}

// The level as it stands, saved first if it can be: a failed save still
// leaves the level to try, from memory.
void Editeur::essayer() {
    if (cassables == 0) {
        annoncer(_("Rien a casser:\najoutez une\nbrique cassable"), true);
        return;
    }
    if (recueil.modifie()) {
        enregistrer();
    }
    {
        Essai essai(recueil.grille(numero), numero);
        essai.start();
    }
    disposition.initAffichage();
}

void Editeur::quitter(bool fin) {
    if (recueil.modifie() && !enregistrer()) {
        question = QUITTER;
        finApresQuestion = fin;
        return;
    }
    enCours = false;
    finDuJeu = fin;
}

bool Editeur::enregistrer() {
    const fichiers::Enregistrement resultat = recueil.enregistrer();
    if (!resultat.aCote.empty()) {
        std::cerr << "Vorlen: l'ancien fichier de niveaux est garde sous " << resultat.aCote
                  << std::endl;
    }
    if (!resultat.reussi) {
        // On the way out of the game nothing stays in the editor.
        std::cerr << "Vorlen: niveaux non enregistres (" << resultat.erreur << "); l'ancien "
                  << "fichier reste tel quel"
                  << (signaux::finDemandee() ? ", ces changements sont perdus"
                                             : ", les niveaux restent dans l'editeur")
                  << std::endl;
        annoncer(_("Enregistrement impossible: ") + resultat.raison, true, resultat.fichier);
        return false;
    }
    const int repris = recueil.niveauxRepris();
    if (repris > 0) {
        std::cerr << "Vorlen: " << recueil.fichier() << " a change depuis sa lecture; " << repris
                  << " niveau(x) trouve(s) la sont gardes apres les votres" << std::endl;
        annoncer(langue::formater(
                     repris > 1 ? _("Niveaux enregistres. Le fichier avait change: %d niveaux "
                                    "ajoutes a la fin")
                                : _("Niveaux enregistres. Le fichier avait change: %d niveau "
                                    "ajoute a la fin"),
                     repris),
                 false);
        allerAuNiveau(numero);
        return true;
    }
    annoncer(resultat.aCote.empty() ? _("Niveaux\nenregistres")
                                    : _("Niveaux enregistres; l'ancien fichier est garde a cote"),
             false, resultat.aCote);
    return true;
}

void Editeur::annoncer(const std::string& texte, bool erreur, const std::string& fichier) {
    message = freetype::couperAuxMots(petitePolice, texte, largeurPanneau);
    if (!fichier.empty()) {
        message += "\n" + freetype::abregerAuMilieu(petitePolice, fichier, largeurPanneau);
    }
    messageErreur = erreur;
}

void Editeur::dessiner() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLineWidth(toile::echelle());
    // Bright whatever the match's lighting: in the classic one a brick of 5
    // hits looks grey, like one no ball breaks.
    disposition.preparerChamp(true);
    lotBriques.afficher(niveau);
    dessinerPalette();
    dessinerMarques();
    // Texts are laid out in canvas pixels.
    toile::vueEntiere();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    dessinerPanneau();
    dessinerAide();
    SDL_GL_SwapBuffers();
}

// Every kind of cell as the match shows it in its bright lighting, lit as
// the grid is.
void Editeur::dessinerPalette() {
    for (int c = 0; c < nbChoix; ++c) {
        if (pointsDuChoix(c) != 0) {
            Brique(pointsDuChoix(c), xPaletteDe(c), yPalette).afficher();
        }
    }
}

// The cursor, the bricks no ball can reach, the empty cell of the palette
// and the palette's choice: drawn over everything, unlit.
void Editeur::dessinerMarques() const {
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    const float demiX = Niveau::ecartX / 2.0f;
    const float demiY = Niveau::ecartY / 2.0f;
    // The cells' bounds, faint, so that an empty grid shows where it lies;
    // reddish while the level holds nothing to break.
    cassables == 0 ? glColor3ub(110, 30, 30) : glColor3ub(45, 45, 45);
    glBegin(GL_LINES);
    const Vecteur premiere = niveau.centreCellule(0, 0);
    const float gauche = premiere.X - demiX;
    const float bas = premiere.Y - demiY;
    const float droite = gauche + Niveau::nbBriquesX * Niveau::ecartX;
    const float haut = bas + Niveau::nbBriquesY * Niveau::ecartY;
    for (int i = 0; i <= Niveau::nbBriquesX; ++i) {
        glVertex3f(gauche + i * Niveau::ecartX, bas, 0.0f);
        glVertex3f(gauche + i * Niveau::ecartX, haut, 0.0f);
    }
    for (int j = 0; j <= Niveau::nbBriquesY; ++j) {
        glVertex3f(gauche, bas + j * Niveau::ecartY, 0.0f);
        glVertex3f(droite, bas + j * Niveau::ecartY, 0.0f);
    }
    glEnd();
    glColor3ub(120, 120, 120);
    cadre(xPaletteDe(0), yPalette, Brique::demieLongX, Brique::demieLongY);
    // A walled-in brick is framed and crossed out, boldly: its colour may be close to red.
    glColor3ub(255, 40, 40);
    glLineWidth(2.0f * toile::echelle());
    for (const auto& [i, j] : emmurees) {
        const Vecteur centre = niveau.centreCellule(i, j);
        const float x = centre.X;
        const float y = centre.Y;
        cadre(x, y, Brique::demieLongX, Brique::demieLongY);
        glBegin(GL_LINES);
        glVertex3f(x - Brique::demieLongX, y - Brique::demieLongY, zMarques);
        glVertex3f(x + Brique::demieLongX, y + Brique::demieLongY, zMarques);
        glVertex3f(x - Brique::demieLongX, y + Brique::demieLongY, zMarques);
        glVertex3f(x + Brique::demieLongX, y - Brique::demieLongY, zMarques);
        glEnd();
    }
    glLineWidth(toile::echelle());
    glColor3ub(255, 255, 255);
    const Vecteur curseur = niveau.centreCellule(curseurI, curseurJ);
    cadre(curseur.X, curseur.Y, demiX, demiY);
    cadre(xPaletteDe(choix), yPalette, ecartPalette / 2.0f - 0.2f, demiY + 0.3f);
    glPopAttrib();
}

void Editeur::dessinerPanneau() const {
    glColor3ub(255, 255, 0);
    freetype::print(police, xPanneau, ligneTitre, "%s", _("Editeur"));
    // "Niveau 999 / 999" is wider than the panel in the larger letters.
    const std::string niveauSurTotal =
        langue::formater(_("Niveau %d / %d"), numero, recueil.nbNiveaux());
    const bool tient = freetype::largeur(police, niveauSurTotal) <= largeurPanneau;
    freetype::print(tient ? police : petitePolice, xPanneau, ligneNumero, "%s",
                    niveauSurTotal.c_str());

    if (question != AUCUNE) {
        glColor3ub(255, 255, 255);
        ecrire(petitePolice, xPanneau, premiereAction, texteQuestion(), largeurPanneau);
    }
    const std::vector<Action> actions = actionsMontrees();
    for (std::size_t k = 0; k < actions.size(); ++k) {
        const int ligne = ligneAction(static_cast<int>(k));
        const LigneAction& action = lignesActions[actions[k]];
        actions[k] == actionPointee ? glColor3ub(255, 255, 255) : glColor3ub(150, 200, 255);
        freetype::print(petitePolice, xPanneau, ligne, "%s", _(action.libelle));
        glColor3ub(255, 255, 0);
        freetype::print(petitePolice,
                        droiteTouches - freetype::largeur(petitePolice, _(action.nomTouche)), ligne,
                        "%s", _(action.nomTouche));
    }

    std::string etat;
    if (cassables == 0) {
        etat = _("Aucune brique\ncassable");
    } else if (!emmurees.empty()) {
        etat = langue::formater(emmurees.size() > 1 ? _("%zu briques\nemmurees")
                                                    : _("%zu brique\nemmuree"),
                                emmurees.size());
    }
    if (etat.empty()) {
        glColor3ub(80, 255, 80);
        ecrire(petitePolice, xPanneau, ligneEtat, _("Niveau jouable"), largeurPanneau);
    } else {
        glColor3ub(255, 80, 80);
        ecrire(petitePolice, xPanneau, ligneEtat, etat, largeurPanneau);
    }
    glColor3ub(200, 200, 200);
    ecrire(petitePolice, xPanneau, ligneEtat - 3 * pasTexte,
           recueil.modifie()     ? _("Modifie")
           : recueil.surDisque() ? _("Enregistre")
                                 : "",
           largeurPanneau);
    if (messageErreur) {
        glColor3ub(255, 80, 80);
    }
    ecrire(petitePolice, xPanneau, ligneMessage, message, largeurPanneau);
}

void Editeur::dessinerAide() const {
    float x, y;
    disposition.pointSurToile(0.0f, yPalette - Brique::demieLongY, x, y);
    const int ligneLibelles = static_cast<int>(y) - 18;
    glColor3ub(200, 200, 200);
    for (int c = 0; c < nbChoix; ++c) {
        const int points = pointsDuChoix(c);
        const std::string libelle = points == 0  ? _("vide")
                                    : points < 0 ? _("inc.")
                                                 : std::to_string(points);
        disposition.pointSurToile(xPaletteDe(c), yPalette, x, y);
        freetype::print(petitePolice, x - freetype::largeur(petitePolice, libelle) / 2.0f,
                        ligneLibelles, "%s", libelle.c_str());
    }
    ecrire(petitePolice, xAide, ligneAide,
           _("Clic gauche: poser la brique choisie; clic droit: effacer\n"
             "Au clavier: fleches, puis Entree pour poser\n"
             "Choisir la brique: clic, molette, Tab, 1 a 9, 0 (10),\n"
             "- (incassable), Retour arriere (vide)"),
           largeurAide);
}
