// SPDX-License-Identifier: GPL-3.0-or-later
#include "ecrans/menu.h"

#include "ecrans/avis.h"
#include "ecrans/credits.h"
#include "rendu/boucle.h"
#include "rendu/imagesgl.h"
#include "ecrans/editeur.h"
#include "ecrans/ecranscores.h"
#include "ecrans/visionneuse.h"
#include "jeu/rejeux.h"
#include "jeu/aide.h"
#include "jeu/typesparties.h"
#include "niveaux/recueil.h"
#include "niveaux/serie.h"
#include "profil/preferences.h"
#include "profil/settings.h"
#include "systeme/langue.h"
#include "systeme/toile.h"
#include "son/mixer.h"
#include "systeme/sauvegardeurgente.h"
#include "systeme/version.h"

#include <algorithm>
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
const int interligneAvis = 18;
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
                const bool prise = assigner(event.key.keysym.sym);
                change = prise || change;
                refus = prise ? -1 : event.key.keysym.sym;
            }
            enCours = false;
        }
    }
    void dessiner() override { menu.display(); }
    bool fini() const override { return !enCours; }
    // Whether the key was taken.
    bool changee() const { return change; }
    // The last key offered, when it was refused; -1 otherwise.
    int refusee() const { return refus; }

private:
    Menu& menu;
    const std::function<bool(int)>& assigner;
    bool enCours = true;
    bool change = false;
    int refus = -1;
};

// "J1 gauche": a player's command as the controls name it.
std::string libelleCommande(int nJoueur, int commande) {
    static const char* const noms[Commandes::nbCommandes] = {N_("gauche"), N_("droite"),
                                                             N_("action")};
    return langue::formater(_("J%d %s"), nJoueur, _(noms[commande]));
}

// Why `touche` was refused, in the controls' words: the command that holds
// it, or none for a key no command may take.
std::string raisonDuRefus(int touche) {
    std::string detenteur = currentSettings.getTouchePause() == touche ? _("Pause") : "";
    for (int j = 1; j <= 2; ++j) {
        for (int c = 0; c < Commandes::nbCommandes; ++c) {
            if (currentSettings.getAssignedKey(j, c) == touche) {
                detenteur = libelleCommande(j, c);
            }
        }
    }
    return detenteur.empty()
               ? _("Cette touche ne peut servir a aucune commande")
               : langue::formater(_("Touche %s deja prise: %s"),
                                  Commandes::nomDeTouche(touche).c_str(), detenteur.c_str());
}

} // namespace

Menu::Menu(float XHG, float YHG, float XBD, float YBD, std::string fichierNiveaux,
           const Rejeu* aRegarder)
    : fichierDuJeu(std::move(fichierNiveaux)), posXHGMenu(XHG), posYHGMenu(YHG), posXBDMenu(XBD),
      posYBDMenu(YBD), idMenu(MENU_PRINCIPAL), continuer(true), currentChoice(0),
      currentControlesChoice(false) {
    initGL();
    partieGardee = fichierGardee.charger();
    reinitMainMenu();
    meilleursScores.charger(MeilleursScores::fichierDuJoueur());
    our_font.init(freetype::fichierPolice, hauteurlettres);
    small_font.init(freetype::fichierPolice, petitesLettres);
    initDisplay();
    if (aRegarder != nullptr) {
        Visionneuse(*aRegarder, Visionneuse::REGARDER).regarder();
        return;
    }
    // The application's main loop. The menu only changes after an event, so
    // a menu left idle is not drawn again.
    executer(*this, rythmeEcranFixe);
}

void Menu::traiter(const SDL_Event& event) {
    repondre(event);
    // Counted from the end of what the event led to: a match, the editor...
    dernierGeste = horloge::tempsReel();
}

void Menu::repondre(const SDL_Event& event) {
    if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_F1) {
        montrerAide();
        return;
    }
    switch (event.type) {
    case SDL_QUIT:
        continuer = false;
        break;
    case SDL_MOUSEMOTION:
        survoler(event.motion.x, event.motion.y);
        break;
    case SDL_MOUSEBUTTONDOWN:
        cliquer(event.button);
        break;
    default:
        obeir(commandes.lireMenu(event));
        break;
    }
}

void Menu::avancer() {
    if (idMenu == MENU_PRINCIPAL && horloge::tempsReel() - dernierGeste >= attenteDemo) {
        jouerDemo();
        dernierGeste = horloge::tempsReel();
    }
}

void Menu::jouerDemo() {
    std::string raison;
    std::optional<Rejeu> demo = chargerRejeu(rejeux::cheminMeilleur(meilleursScores), raison);
    if (!demo) {
        demo = chargerRejeu(rejeux::cheminDemo(), raison);
    }
    if (!demo) {
        return;
    }
    // The viewer leaves the GL state as it found it: the menu only draws again.
    if (!Visionneuse(*demo, Visionneuse::DEMO).regarder()) {
        continuer = false;
        return;
    }
    display();
}

void Menu::montrerAide() {
    if (!Aide::montrer()) {
        continuer = false;
    }
}

void Menu::dessiner() {
    // F11 may have switched the screen: the options' words follow.
    rafraichirOptions();
    display();
}

void Menu::obeir(Commandes::OrdreMenu ordre) {
    switch (ordre) {
    case Commandes::MENU_HAUT:
        precChoice();
        break;
    case Commandes::MENU_BAS:
        nextChoice();
        break;
    case Commandes::MENU_MOINS:
    case Commandes::MENU_PLUS:
        reglerChoix(ordre == Commandes::MENU_PLUS);
        break;
    case Commandes::MENU_CHOISIR:
        activateChoice();
        break;
    case Commandes::MENU_RETOUR:
        revenir();
        break;
    case Commandes::MENU_AUCUN:
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
    if (items[item].regler) {
        reglerChoix(bouton.button == SDL_BUTTON_LEFT);
    } else if (bouton.button == SDL_BUTTON_LEFT) {
        activateChoice();
    }
}

void Menu::revenir() {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].retour) {
            currentChoice = static_cast<int>(i);
            activateChoice();
            return;
        }
    }
}

void Menu::initMenu(Page (Menu::*page)()) {
    if (page != pageCourante) {
        avisTouche.clear();
    }
    pageCourante = page;
    Page construite = (this->*page)();
    idMenu = construite.id;
    title = construite.titre;
    items = std::move(construite.items);
    labels.clear();
    for (const ItemMenu& item : items) {
        labels.push_back(item.libelle);
    }
}

void Menu::reinit(Page (Menu::*page)(), int choice) {
    currentChoice = choice;
    initMenu(page);
}

void Menu::surligner(int cle) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].cle == cle) {
            currentChoice = static_cast<int>(i);
        }
    }
}

int Menu::getCleCourante() const {
    return items[currentChoice].cle;
}

namespace {

// An item that Return, a click or a pad's first button carries out.
ItemMenu action(int cle, std::string libelle, std::function<void()> activer) {
    return {cle, std::move(libelle), std::move(activer), {}, false};
}
ItemMenu action(std::string libelle, std::function<void()> activer) {
    return action(-1, std::move(libelle), std::move(activer));
}
// An item that left and right set (a click too: left more, right less);
// Return does what right does when `parEntree`.
ItemMenu reglage(int cle, std::string libelle, std::function<void(bool)> regler, bool parEntree) {
    std::function<void()> activer;
    if (parEntree) {
        activer = [regler] { regler(true); };
    }
    return {cle, std::move(libelle), std::move(activer), std::move(regler), false};
}
// The player's level sets, the editor's levels first.
std::vector<Serie> niveauxDuJoueur() {
    return seriesDuJoueur(Recueil::dossierDuJoueur(), Recueil::fichierDuJoueur(), N_("Mes niveaux"),
                          std::cerr);
}

// The way back, which Escape on a pad chooses too.
ItemMenu retour(std::string libelle, std::function<void()> activer) {
    return {-1, std::move(libelle), std::move(activer), {}, true};
}

} // namespace

// Keeps the highlighted index: the menu left chooses the item to come back to.
void Menu::reinitMainMenu() {
    initMenu(&Menu::pagePrincipale);
}

Menu::Page Menu::pagePrincipale() {
    Page page{MENU_PRINCIPAL,
              _("Menu Principal"),
              {action(_("Nouvelle Partie"), [this] { reinitPartieType(); }),
               action(CHOIX_OPTIONS, _("Options"), [this] { reinitOptionsMenu(); }),
               action(_("Meilleurs scores"), [this] { montrerMeilleursScores(); }),
               action(_("Editeur de niveaux"), [this] { editerNiveaux(); }),
               action(CHOIX_CREDITS, _("Credits"), [this] { showcredits(); }),
               action(CHOIX_AIDE, _("Aide"), [this] { montrerAide(); }),
               action(_("Quitter"), [this] { continuer = false; })}};
    // A match left with Escape comes first, until a new match starts.
    if (partieGardee) {
        page.items.insert(page.items.begin(), action(CHOIX_REPRENDRE, _("Reprendre la partie"),
                                                     [this] { reprendrePartie(); }));
    }
    return page;
}

void Menu::reinitPartieType() {
    reinit(&Menu::pageTypePartie, 0);
}

Menu::Page Menu::pageTypePartie() {
    return {MENU_TYPE_PARTIE,
            _("Type de Partie"),
            {action(TYPE_UN_JOUEUR, _("1 joueur"), [this] { demanderDifficulte(1); }),
             action(TYPE_COOPERATIF, _("2 joueurs cooperatif"), [this] { demanderDifficulte(2); }),
             // Leaving the game types has always led to "Credits".
             retour(_("retour"), [this] {
                 reinitMainMenu();
                 surligner(CHOIX_CREDITS);
             })}};
}

void Menu::reinitDifficulteMenu() {
    reinit(&Menu::pageDifficulte, currentSettings.getDifficulte());
}

Menu::Page Menu::pageDifficulte() {
    std::vector<ItemMenu> lignes;
    for (int choix = 0; choix < difficulte::nbChoix; ++choix) {
        lignes.push_back(action(_(difficulte::noms[choix]), [this, choix] {
            currentSettings.setDifficulte(choix);
            preferences::enregistrer(currentSettings);
            choisirNiveaux();
        }));
    }
    lignes.push_back(retour(_("retour"), [this] {
        reinitPartieType();
        surligner(nbJoueursChoisis == 1 ? TYPE_UN_JOUEUR : TYPE_COOPERATIF);
    }));
    return {MENU_DIFFICULTE, _("Difficulte"), std::move(lignes)};
}

void Menu::reinitNiveauxMenu() {
    reinit(&Menu::pageNiveaux, 0);
}

Menu::Page Menu::pageNiveaux() {
    std::vector<ItemMenu> lignes;
    for (const Serie& serie : seriesDuJeu(std::cerr)) {
        lignes.push_back(itemSerie(-1, _(serie.getNom().c_str()), serie.getFichier()));
    }
    const std::vector<Serie> siennes = niveauxDuJoueur();
    if (siennes.size() == 1) {
        lignes.push_back(
            itemSerie(CHOIX_MES_NIVEAUX, _("Mes niveaux"), siennes.front().getFichier()));
    } else if (!siennes.empty()) {
        lignes.push_back(action(CHOIX_MES_NIVEAUX, _("Mes niveaux"),
                                [this] { reinit(&Menu::pageMesNiveaux, 0); }));
    }
    lignes.push_back(retour(_("retour"), [this] { reinitDifficulteMenu(); }));
    return {MENU_NIVEAUX, _("Niveaux"), std::move(lignes)};
}

ItemMenu Menu::itemSerie(int cle, std::string libelle, const std::string& fichier) {
    return action(cle, std::move(libelle),
                  [this, fichier] { lancerPartie(nbJoueursChoisis, fichier); });
}

Menu::Page Menu::pageMesNiveaux() {
    std::vector<ItemMenu> lignes;
    for (const Serie& serie : niveauxDuJoueur()) {
        lignes.push_back(itemSerie(-1, _(serie.getNom().c_str()), serie.getFichier()));
    }
    lignes.push_back(retour(_("retour"), [this] {
        reinitNiveauxMenu();
        surligner(CHOIX_MES_NIVEAUX);
    }));
    return {MENU_MES_NIVEAUX, _("Mes niveaux"), std::move(lignes)};
}

void Menu::reinitOptionsMenu() {
    reinit(&Menu::pageOptions, 0);
}

Menu::Page Menu::pageOptions() {
    // Each language by its own name, as a player who reads only that one looks for it.
    static const char* const langues[langue::nbChoix] = {N_("systeme"), "Francais", "English"};
    return {
        MENU_OPTIONS,
        _("Options"),
        {action(_("Controles"), [this] { reinitControlesMenu(); }),
         action(OPTION_PLEIN_ECRAN,
                langue::formater(_("Plein ecran: %s"),
                                 currentSettings.getPleinEcranState() ? _("oui") : _("non")),
                [this] { basculerPleinEcran(); }),
         reglage(
             OPTION_VOLUME, langue::formater(_("Volume: %d"), currentSettings.getVolume()),
             [this](bool plus) { changerVolume(plus); }, false),
         action(OPTION_ECLAIRAGE,
                currentSettings.getEclairageVif() ? _("Eclairage: vif") : _("Eclairage: classique"),
                [this] { changerEclairage(); }),
         action(OPTION_FIN_NIVEAU,
                langue::formater(_("Fin de niveau: %s"), currentSettings.getFinNiveauPasser()
                                                             ? _("passer")
                                                             : _("attendre")),
                [this] { changerFinNiveau(); }),
         reglage(
             OPTION_LANGUE,
             langue::formater(_("Langue: %s"), _(langues[currentSettings.getLangue()])),
             [this](bool suivante) { changerLangue(suivante); }, true),
         action(OPTION_APPAREILS, _("Souris et manettes"), [this] { reinitAppareilsMenu(); }),
         // Back on "Options", whatever the index of the item left.
         retour(_("Retour"), [this] {
             reinitMainMenu();
             surligner(CHOIX_OPTIONS);
         })}};
}

void Menu::reinitAppareilsMenu() {
    reinit(&Menu::pageAppareils, 0);
}

Menu::Page Menu::pageAppareils() {
    const char* const noms[] = {N_("Clavier"), N_("Souris"), N_("Manette 1"), N_("Manette 2")};
    std::vector<ItemMenu> lignes;
    for (int j = 1; j <= 2; ++j) {
        lignes.push_back(reglage(
            -1,
            langue::formater(_("J%d appareil <%s>"), j,
                             _(noms[currentSettings.getPeripherique(j)])),
            [this, j](bool suivant) { changerAppareil(j, suivant); }, true));
    }
    lignes.push_back(reglage(
        -1, langue::formater(_("Sensibilite souris: %d"), currentSettings.getSensibiliteSouris()),
        [this](bool plus) { changerSensibilite(plus); }, true));
    lignes.push_back(retour(_("retour"), [this] {
        reinitOptionsMenu();
        surligner(OPTION_APPAREILS);
    }));
    return {MENU_APPAREILS, _("Souris et manettes"), std::move(lignes)};
}

// Keeps the highlighted item, so a rebound key's item stays highlighted.
void Menu::reinitControlesMenu() {
    initMenu(&Menu::pageControles);
}

Menu::Page Menu::pageControles() {
    std::vector<ItemMenu> lignes;
    for (int j = 1; j <= 2; ++j) {
        for (int c = 0; c < Commandes::nbCommandes; ++c) {
            const int touche = currentSettings.getAssignedKey(j, c);
            lignes.push_back(action(
                libelleCommande(j, c) + " <" + Commandes::nomDeTouche(touche) + ">", [this, j, c] {
                    activSaisieCommande(j, c);
                    reinitControlesMenu();
                }));
        }
    }
    lignes.push_back(action(
        _("Pause") + (" <" + Commandes::nomDeTouche(currentSettings.getTouchePause()) + ">"),
        [this] {
            saisirTouche([](int touche) { return currentSettings.assignTouchePause(touche); });
            reinitControlesMenu();
        }));
    lignes.push_back(retour(_("retour"), [this] { reinitOptionsMenu(); }));
    return {MENU_CONTROLES, _("Controles"), std::move(lignes)};
}

// The options' words follow the choices; the highlight stays.
void Menu::rafraichirOptions() {
    if (idMenu == MENU_OPTIONS || idMenu == MENU_APPAREILS) {
        initMenu(pageCourante);
    }
}

void Menu::basculerPleinEcran() {
    basculerPleinEcranRetenu();
    rafraichirOptions();
}

void Menu::changerLangue(bool suivante) {
    const int pas = suivante ? 1 : langue::nbChoix - 1;
    currentSettings.setLangue((currentSettings.getLangue() + pas) % langue::nbChoix);
    langue::choisir(static_cast<langue::Choix>(currentSettings.getLangue()));
    preferences::enregistrer(currentSettings);
    rafraichirOptions();
}

void Menu::changerEclairage() {
    currentSettings.setEclairageVif(!currentSettings.getEclairageVif());
    preferences::enregistrer(currentSettings);
    rafraichirOptions();
}

void Menu::changerFinNiveau() {
    currentSettings.setFinNiveauPasser(!currentSettings.getFinNiveauPasser());
    preferences::enregistrer(currentSettings);
    rafraichirOptions();
}

void Menu::reglerChoix(bool plus) {
    // Copied: the action may lay another menu out in its place.
    const std::function<void(bool)> regler = items[currentChoice].regler;
    if (regler) {
        regler(plus);
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
    // Copied: the action may lay another menu out in its place.
    const std::function<void()> activer = items[currentChoice].activer;
    if (activer) {
        activer();
    }
}

void Menu::demanderDifficulte(int nbJoueurs) {
    choixTypePartie = currentChoice;
    nbJoueursChoisis = nbJoueurs;
    reinitDifficulteMenu();
}

void Menu::choisirNiveaux() {
    if (fichierDuJeu != Niveau::fichierParDefaut) {
        lancerPartie(nbJoueursChoisis, fichierDuJeu);
        return;
    }
    reinitNiveauxMenu();
}

namespace {

MeilleursScores::Mode modeScores(int nbJoueurs) {
    return nbJoueurs == 1 ? MeilleursScores::MODE_1J : MeilleursScores::MODE_COOP;
}

Partie* nouvellePartie(int nbJoueurs, const std::string& fichier) {
    if (nbJoueurs == 1) {
        return new Normal1j(fichier);
    }
    return new Coop2j(fichier);
}

} // namespace

void Menu::lancerPartie(int nbJoueurs, const std::string& fichier) {
    abandonnerPartieGardee();
    Partie* partie = nouvellePartie(nbJoueurs, fichier);
    partie->choisirDifficulte(static_cast<difficulte::Choix>(currentSettings.getDifficulte()));
    jouerPartie(partie);
}

void Menu::reprendrePartie() {
    Partie* partie = nouvellePartie(partieGardee->nbJoueurs, partieGardee->fichierNiveaux);
    partie->reprendre(*partieGardee);
    jouerPartie(partie);
}

void Menu::abandonnerPartieGardee() {
    if (!partieGardee) {
        return;
    }
    const PartieGardee abandonnee = *partieGardee;
    partieGardee.reset();
    // Another copy of the game may have resumed it or given it up since.
    if (fichierGardee.oublier()) {
        EcranScores::inscrireSansSaisie(meilleursScores, modeScores(abandonnee.nbJoueurs),
                                        {abandonnee.scoreTotal(),
                                         abandonnee.numNiveau,
                                         dateDuJour(),
                                         {},
                                         abandonnee.difficulte});
    }
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

void Menu::jouerPartie(Partie* partie) {
    const std::unique_ptr<Partie> enCours(partie);
    {
        // The display lost mid-match, the match is kept all the same.
        const SauvegardeUrgente urgence([&] {
            return fichierGardee.garder(enCours->garder()).reussi ? _("partie gardée") : "";
        });
        enCours->start();
    }
    initGL();
    initDisplay();
    // From the first match on, a held key repeats, in the menus too.
    SDL_EnableKeyRepeat(delaiRepetition,
                        enCours->getNbJoueur() == 1 ? repetitionApres1j : repetitionApres2j);
    if (currentSettings.choixModifie(Settings::CHOIX_ASTUCE_LANCER)) {
        preferences::enregistrer(currentSettings);
    }
    if (enCours->isGameOver()) {
        fichierGardee.oublier();
        partieGardee.reset();
        inscrireScore(*enCours);
    } else if (enCours->getNumNiveau() > 0) {
        partieGardee = enCours->garder();
        fichierGardee.garder(*partieGardee);
    }
    // The game type's index, counted below the resume item where it shows.
    reinit(&Menu::pagePrincipale, choixTypePartie + (partieGardee ? 1 : 0));
}

void Menu::inscrireScore(const Partie& partie) {
    const LigneScore ligne{
        partie.getScoreTotal(), partie.getNumNiveau(), dateDuJour(), {}, partie.getDifficulte()};
    EcranScores ecran(our_font);
    const Rejeu rejeu = partie.rejeu();
    if (!ecran.inscrire(meilleursScores, modeScores(partie.getNbJoueur()), ligne, &rejeu)) {
        continuer = false;
    }
}

void Menu::montrerMeilleursScores() {
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
    // Every event already queued is handled, a second key included; the
    // screen may switch meanwhile, and the capture goes on.
    SaisieTouche saisie(*this, assigner);
    executer(saisie, rythmeEcranAnime);
    currentControlesChoice = false;
    avisTouche = saisie.refusee() >= 0 ? raisonDuRefus(saisie.refusee()) : "";
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
    const float largeur = largeurToile - 2 * margeAvis;
    // The saves' notices first, then a refused key's reason, each under the
    // one before where there is one.
    const std::string avis[] = {avisEnregistrement(small_font, currentSettings.getEnregistrement(),
                                                   _("Reglages non enregistres"), largeur),
                                avisEnregistrement(small_font, fichierGardee.getEnregistrement(),
                                                   _("Partie laissee non enregistree"), largeur,
                                                   _("Autre partie laissee, gardee sous")),
                                avisTouche};
    glColor3ub(255, 170, 0);
    int ligne = ligneAvis;
    for (const std::string& texte : avis) {
        if (!texte.empty()) {
            freetype::print(small_font, margeAvis, ligne, "%s", texte.c_str());
            ligne -= interligneAvis;
        }
    }
}

void Menu::showcredits() {
    Credits credits(decor, our_font);
    executer(credits, rythmeEcranFixe);
    if (credits.fenetreFermee()) {
        continuer = false;
    }
}
