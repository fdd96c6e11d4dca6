// SPDX-License-Identifier: GPL-3.0-or-later
#include "jeu/partie.h"

#include "jeu/aide.h"
#include "jeu/dosage.h"
#include "jeu/rejeux.h"
#include "niveaux/terrain.h"
#include "profil/settings.h"
#include "systeme/langue.h"
#include "systeme/toile.h"
#include "son/mixer.h"
#include "systeme/horloge.h"
#include "systeme/manettes.h"
#include "rendu/boucle.h"
#include "systeme/hasard.h"
#include "systeme/version.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iostream>

namespace {

// Two boxes of half-extents (wp, hp) around P and (wq, hq) around Q overlap
// in the X-Y plane; touching edges count.
bool chevauchent(const Vecteur& P, double wp, double hp, const Vecteur& Q, double wq, double hq) {
    const double px = P.X;
    const double py = P.Y;
    const double qx = Q.X;
    const double qy = Q.Y;
    if (qx - wq > px + wp) {
        return false;
    }
    if (px - wp > qx + wq) {
        return false;
    }
    if (py - hp > qy + hq) {
        return false;
    }
    if (qy - hq > py + hp) {
        return false;
    }
    return true;
}

// Erases the elements of `liste` for which `retirer` holds, front to back.
template <typename T, typename Predicat> void effacerSi(std::list<T>& liste, Predicat retirer) {
    for (auto it = liste.begin(); it != liste.end();) {
        it = retirer(*it) ? liste.erase(it) : std::next(it);
    }
}

// The game's set a replay names, for its banners: by its name, or by the file
// name older replays gave. A set of the player's is not looked for: its words
// may have changed since, and its levels come from the replay anyway.
Serie serieNommee(const std::string& nom) {
    for (Serie& serie : seriesDuJeu(std::cerr)) {
        const std::string& fichier = serie.getFichier();
        if (serie.getNom() == nom || fichier.substr(fichier.find_last_of('/') + 1) == nom) {
            return std::move(serie);
        }
    }
    return {};
}

} // namespace

Partie::Partie(int nbJ, float hBriques, std::string fichier)
    : fichierNiveaux(std::move(fichier)), serie(Serie::lire(fichierNiveaux, std::cerr)), joueur1(1),
      joueur2(2), gameover(false), niveauCourant(hBriques),
      disposition(this, 0, 0, Disposition::largeurChamp, hauteurToile), nbJoueur(nbJ) {
    enregistrement.version = version::complete;
    enregistrement.nbJoueurs = nbJ;
    enregistrement.tiragesDebut = hasard::tirages();
    enregistrement.niveaux = serie.getNom();
    disposition.setJoueur(&joueur1, 1);
    disposition.setJoueur(&joueur2, 2);
    disposition.setNiveau(&niveauCourant);
}

void Partie::start() {
    initAffichage();
    executer(*this, {dureeFrame, false});
    horloge::liberer();
    const fichiers::Enregistrement garde = rejeux::garderDernier(rejeu());
    if (!garde.reussi) {
        std::cerr << "Vorlen: rejeu du match non garde: " << garde.erreur << std::endl;
    }
}

void Partie::choisirDifficulte(difficulte::Choix choix) {
    difficulte = choix;
    enregistrement.difficulte = choix;
    const Dosage& dosage = Dosage::de(choix);
    for (Joueur* J : {&joueur1, &joueur2}) {
        J->restaurer(0, dosage.vies, false, 0);
        J->getBatteRef().restaurer(0.0f, dosage.longueurBatte, false);
    }
}

PartieGardee Partie::garder() const {
    PartieGardee g;
    g.nbJoueurs = nbJoueur;
    g.difficulte = difficulte;
    g.fichierNiveaux = fichierNiveaux;
    g.numNiveau = niveauCourant.getNumNiveau();
    g.grille = niveauCourant.grille();
    const Joueur* joueurs[] = {&joueur1, &joueur2};
    for (int n = 0; n < 2; ++n) {
        const Joueur& J = *joueurs[n];
        const Batte& batte = J.getBatteRef();
        g.joueurs[n] = {J.getScore(),        J.getNbVie(),     batte.getPosition()->X,
                        batte.getLongueur(), batte.canShoot(), J.isDestroyed(),
                        J.attenteRetour()};
    }
    for (const Balle& b : listeBalles) {
        const Vecteur& p = *b.getPosition();
        g.balles.push_back({b.getProp()->getNum(), p.X, p.Y, b.getVitesse().X, b.getVitesse().Y,
                            b.getIRayon(), b.isTraversante(), b.isHooked()});
    }
    for (const Bonus& c : listeBonus) {
        g.capsules.push_back({c.getPosition()->X, c.getPosition()->Y, c.getType()});
    }
    for (const Tir& t : listeTirs) {
        g.tirs.push_back({t.getProp()->getNum(), t.getPosition()->X, t.getPosition()->Y});
    }
    return g;
}

void Partie::reprendre(const PartieGardee& g) {
    // A paddle's time to come back counts from this instant, in the replay too.
    horloge::figer();
    enregistrement.tempsDebut = horloge::maintenant();
    enregistrement.reprise = g;
    restaurer(g);
    horloge::liberer();
}

void Partie::restaurer(const PartieGardee& g) {
    difficulte = g.difficulte;
    enregistrement.difficulte = g.difficulte;
    niveauCourant.charger(g.grille, g.numNiveau);
    Joueur* joueurs[] = {&joueur1, &joueur2};
    for (int n = 0; n < 2; ++n) {
        const PartieGardee::JoueurGarde& garde = g.joueurs[n];
        joueurs[n]->restaurer(garde.score, garde.vies, garde.detruit, garde.attenteRetour);
        joueurs[n]->getBatteRef().restaurer(garde.x, garde.longueur, garde.canon);
        joueurs[n]->setnBalles(0);
    }
    for (const PartieGardee::BalleGardee& b : g.balles) {
        Joueur* J = joueurs[b.joueur - 1];
        listeBalles.emplace_back(J, b.x, b.y, b.accrochee);
        listeBalles.back().restaurer(Vecteur(b.vx, b.vy, 0.0f), b.indiceRayon, b.traversante);
        J->addBalle();
    }
    for (const PartieGardee::CapsuleGardee& c : g.capsules) {
        listeBonus.emplace_back(c.x, c.y, static_cast<TYPEBONUS>(c.type));
    }
    for (const PartieGardee::TirGarde& t : g.tirs) {
        listeTirs.emplace_back(joueurs[t.joueur - 1], t.x, t.y);
    }
    pause.activer();
}

void Partie::initAffichage() {
    disposition.initAffichage();
}

void Partie::traiter(const SDL_Event& event) {
    if (event.type == SDL_QUIT) {
        continuer = false;
    } else if (event.type == SDL_ACTIVEEVENT) {
        fenetreQuittee(event.active);
    } else {
        Commandes::Lecture lecture = commandes.lire(event);
        const bool aide = lecture.ordre == Commandes::AUTRE_TOUCHE &&
                          event.key.keysym.sym == SDLK_F1 && !gameover;
        if (aide) {
            ouvrirAide();
            return;
        }
        // The option only lets the key through: a replay plays the order
        // recorded, whatever its viewer's options.
        const bool passer = lecture.ordre == Commandes::AUTRE_TOUCHE &&
                            event.key.keysym.sym == FinDeNiveau::touche &&
                            currentSettings.getFinNiveauPasser() && passageOffert();
        if (passer) {
            lecture = {1, Commandes::PASSER, 0.0f};
        }
        if (lecture.ordre != Commandes::AUCUN) {
            passageEnCours.gestes.push_back({false, 0, lecture});
        }
        continuer = obeir(lecture) && continuer;
    }
}

void Partie::ouvrirAide() {
    const unsigned long long avant = hasard::tirages();
    if (!pause.estActive()) {
        pause.activer();
    }
    // The page reads the pointer's clicks: the mouse is the player's again.
    captureSouris.tenir(false);
    const bool fenetreFermee = !Aide::montrer();
    // Its capsules drew numbers the replay draws for nothing.
    imposerPause(hasard::tirages() - avant);
    if (fenetreFermee) {
        continuer = false;
    }
}

void Partie::imposerPause(unsigned long long tiragesAilleurs) {
    if (!pause.estActive()) {
        pause.activer();
    }
    passageEnCours.gestes.push_back({true, tiragesAilleurs, {}});
}

void Partie::commencerPassage() {
    horloge::figer();
    passageEnCours = Rejeu::Passage{};
    passageEnCours.temps = horloge::maintenant();
}

void Partie::avancer() {
    regler();
    terminerPassage();
    faireEntendre();
}

void Partie::faireEntendre() {
    amixer.jouer(sonsDemandes);
    sonsDemandes.clear();
}

void Partie::regler() {
    surveillerManettes();
    captureSouris.tenir(currentSettings.joueurSouris() != 0 && !pause.estActive() && !gameover);
    glissements = {commandes.glissementManette(1), commandes.glissementManette(2)};
    passageEnCours.glissements = glissements;
    gameHandler();
}

void Partie::terminerPassage() {
    if ((enregistrement.nbPassages() + 1) % Rejeu::periodeControle == 0) {
        passageEnCours.controle = empreinte();
    }
    enregistrement.ajouter(passageEnCours);
}

Rejeu Partie::rejeu() const {
    Rejeu r = enregistrement;
    r.scores = {joueur1.getScore(), joueur2.getScore()};
    r.niveauAtteint = niveauCourant.getNumNiveau();
    return r;
}

void Partie::rejouerDepuis(const Rejeu& r) {
    serie = serieNommee(r.niveaux);
    choisirDifficulte(r.difficulte);
    hasard::placer(r.tiragesDebut);
    if (r.reprise) {
        horloge::imposer(r.tempsDebut);
        restaurer(*r.reprise);
    }
}

bool Partie::rejouer(const Rejeu::Passage& passage) {
    passageRejoue = &passage;
    horloge::imposer(passage.temps);
    for (const Rejeu::Geste& g : passage.gestes) {
        if (g.pauseImposee) {
            if (!pause.estActive()) {
                pause.activer();
            }
            hasard::passer(g.tirages);
        } else {
            continuer = obeir(g.lecture) && continuer;
        }
    }
    glissements = passage.glissements;
    gameHandler();
    faireEntendre();
    passageRejoue = nullptr;
    egare = egare || (passage.controle && *passage.controle != empreinte());
    return !egare;
}

Uint32 Partie::empreinte() const {
    // FNV-1a over what the rules decide: every number the players see, and
    // where each moving thing stands to the bit.
    Uint32 h = 2166136261u;
    const auto melanger = [&h](const void* donnees, std::size_t taille) {
        const unsigned char* octets = static_cast<const unsigned char*>(donnees);
        for (std::size_t k = 0; k < taille; ++k) {
            h = (h ^ octets[k]) * 16777619u;
        }
    };
    const auto entier = [&melanger](int n) { melanger(&n, sizeof n); };
    const auto reel = [&melanger](float x) { melanger(&x, sizeof x); };
    entier(niveauCourant.getNumNiveau());
    entier(niveauCourant.nbBriquesRestantes());
    entier(gameover);
    entier(pause.estActive());
    for (const Joueur* J : {&joueur1, &joueur2}) {
        entier(J->getScore());
        entier(J->getNbVie());
        entier(J->isDestroyed());
        reel(J->getBatteRef().getPosition()->X);
        reel(J->getBatteRef().getLongueur());
    }
    for (const Balle& b : listeBalles) {
        reel(b.getPosition()->X);
        reel(b.getPosition()->Y);
        reel(b.getVitesse().X);
        reel(b.getVitesse().Y);
    }
    for (const Bonus& c : listeBonus) {
        reel(c.getPosition()->Y);
    }
    for (const Tir& t : listeTirs) {
        reel(t.getPosition()->Y);
    }
    entier(static_cast<int>(listeDebris.size()));
    return h;
}

void Partie::surveillerManettes() {
    const Uint32 periode = 1000;
    const Uint32 maintenant = horloge::tempsReel();
    if (maintenant - dernierAppelManettes < periode) {
        return;
    }
    dernierAppelManettes = maintenant;
    if (commandes.manetteDebranchee(listeAppareilsLinux) && !gameover) {
        imposerPause();
    }
}

bool Partie::obeir(const Commandes::Lecture& lecture) {
    Joueur& J = lecture.joueur == 2 ? joueur2 : joueur1;
    // What is let go is let go, paused, lost or not.
    switch (lecture.ordre) {
    case Commandes::AUCUN:
        return true;
    case Commandes::PAUSE_RELACHEE:
        pause.toucheRelachee();
        return true;
    case Commandes::GAUCHE_RELACHEE:
        J.commandeGauche(false);
        return true;
    case Commandes::DROITE_RELACHEE:
        J.commandeDroite(false);
        return true;
    default:
        break;
    }
    if (gameover) {
        // Once the match is lost, any key, a click or a button leaves it.
        return lecture.ordre == Commandes::GLISSER;
    }
    if (lecture.ordre == Commandes::PAUSE_PRESSEE) {
        pause.touchePressee();
        return true;
    }
    if (lecture.ordre == Commandes::QUITTER) {
        return false;
    }
    // The key is no player's: the points go to player 1, for the team,
    // whichever paddle stands.
    if (lecture.ordre == Commandes::PASSER) {
        if (!pause.estActive() && passageOffert()) {
            passerNiveau(J);
        }
        return true;
    }
    // While paused, only the pause and Escape do something; a destroyed
    // paddle is gone, and launches and fires nothing.
    if (pause.estActive() || J.isDestroyed()) {
        return true;
    }
    switch (lecture.ordre) {
    case Commandes::GAUCHE_PRESSEE:
        J.commandeGauche(true);
        break;
    case Commandes::DROITE_PRESSEE:
        J.commandeDroite(true);
        break;
    case Commandes::GLISSER:
        glisserBatte(J, lecture.distance);
        break;
    case Commandes::ACTION:
        actionJoueur(J);
        break;
    default:
        break;
    }
    return true;
}

void Partie::glisserBatte(Joueur& J, float distance) {
    const float parcouru = J.getBatteRef().glisser(distance);
    for (Balle& balle : listeBalles) {
        if (balle.getProp() == &J && balle.isHooked()) {
            balle.getPosition()->X += parcouru;
        }
    }
}

void Partie::fenetreQuittee(const SDL_ActiveEvent& active) {
    const bool clavierPerdu = (active.state & (SDL_APPINPUTFOCUS | SDL_APPACTIVE)) != 0;
    if (!active.gain && clavierPerdu && !gameover) {
        imposerPause();
    }
}

void Partie::actionJoueur(Joueur& J) {
    if (balleTenue(J) && passageRejoue == nullptr) {
        // The player has launched a ball once: the hint has done its work.
        currentSettings.setAstuceLancer(false);
    }
    lancerBalles(J);
    if (J.canShoot() && !J.isReloading()) {
        tirer(J);
    }
}

void Partie::tirer(Joueur& J) {
    newTir(&J);
    sonner(Effet::tirJoueur);
    J.reload();
}

void Partie::gameHandler() {
    if (pause.estActive()) {
        return;
    }
    if (niveauCourant.nbBriquesRestantes() != 0) {
        deplacements();
        verifPositions();
    } else {
        niveauSuivant();
    }
    const int restantes = niveauCourant.nbBriquesRestantes();
    if (restantes == 0 || restantes > FinDeNiveau::briques) {
        peuDeBriquesDepuis.reset();
    } else if (!peuDeBriquesDepuis) {
        peuDeBriquesDepuis = horloge::maintenant();
    }
}

bool Partie::passageOffert() const {
    return !gameover && peuDeBriquesDepuis &&
           horloge::maintenant() - *peuDeBriquesDepuis >= FinDeNiveau::attente;
}

int Partie::pointsRestants() const {
    int points = 0;
    for (const auto& colonne : niveauCourant.tabBriques) {
        for (const Brique* brique : colonne) {
            points += brique != nullptr && brique->isDestroyable() ? brique->getPtsVie() : 0;
        }
    }
    return points;
}

void Partie::passerNiveau(Joueur& J) {
    J.ajouterScore(pointsRestants());
    for (int i = 0; i < Niveau::nbBriquesX; ++i) {
        for (int j = 0; j < Niveau::nbBriquesY; ++j) {
            const Brique* brique = niveauCourant.tabBriques[i][j];
            if (brique != nullptr && brique->isDestroyable()) {
                detruireBrique(i, j);
            }
        }
    }
    sonner(Effet::brisureBrique);
}

std::vector<std::string> Partie::offre() const {
    if (!currentSettings.getFinNiveauPasser() || !passageOffert()) {
        return {};
    }
    return {_("N: passer"), langue::formater(_("+%d points"), pointsRestants())};
}

// The level is cleared (or none is loaded yet): fresh balls, the next level.
// A destroyed player gets its ball when it comes back.
void Partie::niveauSuivant() {
    listeBalles.clear();
    listeTirs.clear();
    listeBonus.clear();
    for (Joueur* J : {&joueur1, &joueur2}) {
        J->setnBalles(0);
        if (J->getNum() <= nbJoueur && !J->isDestroyed()) {
            newBall(J, true);
        }
    }
    poserNiveauSuivant();
}

void Partie::poserNiveauSuivant() {
    debutNiveau = horloge::maintenant();
    if (passageRejoue == nullptr) {
        chargerNiveau(niveauCourant.getNumNiveau() + 1);
        passageEnCours.niveau.emplace(niveauCourant.getNumNiveau(), niveauCourant.grille());
    } else if (passageRejoue->niveau) {
        niveauCourant.charger(passageRejoue->niveau->second, passageRejoue->niveau->first);
    } else {
        egare = true;
    }
}

void Partie::chargerNiveau(int numero) {
    niveauCourant.initBriques(fichierNiveaux.c_str(), numero);
}

void Partie::deplacements() {
    for (Joueur* J : {&joueur1, &joueur2}) {
        const int sens = J->deplacer();
        if (sens != 0) {
            for (Balle& balle : listeBalles) {
                if (balle.getProp() == J && balle.isHooked()) {
                    balle.suivreBatte(sens);
                }
            }
        }
        const float glissement = glissements[J->getNum() - 1];
        if (glissement != 0.0f && !J->isDestroyed()) {
            glisserBatte(*J, glissement);
        }
    }
    const Uint32 maintenant = horloge::maintenant();
    effacerSi(listeDebris, [maintenant](Debris& debris) {
        if (debris.isTooOld(maintenant)) {
            return true;
        }
        debris.deplacer();
        return false;
    });
    for (Balle& balle : listeBalles) {
        if (!balle.isHooked()) {
            balle.deplacer();
        }
    }
    for (Bonus& bonus : listeBonus) {
        bonus.deplacer();
    }
    for (Tir& tir : listeTirs) {
        tir.deplacer();
    }
}

void Partie::redessiner() {
    dessinerScene();
    glFlush();
    SDL_GL_SwapBuffers();
}

void Partie::dessinerScene() {
    disposition.setOffre(offre());
    disposition.initFrame();
    for (Balle& balle : listeBalles) {
        balle.afficher();
    }
    lotBriques.afficher(niveauCourant);
    // Fragments show both faces as they tumble.
    glDisable(GL_CULL_FACE);
    lotDebris.afficher(listeDebris);
    glEnable(GL_CULL_FACE);
    joueur1.afficher();
    if (nbJoueur == 2) {
        joueur2.afficher();
    }
    for (Bonus& bonus : listeBonus) {
        bonus.afficher();
    }
    for (Tir& tir : listeTirs) {
        tir.afficher();
    }
    disposition.printBandeau(bandeau());
    if (gameover) {
        disposition.printGameOver();
    } else if (!pause.estActive() && currentSettings.getAstuceLancer()) {
        disposition.printAstuce(astuceLancer());
    }
    if (pause.estActive()) {
        pause.afficher(Commandes::nomDeTouche(currentSettings.getTouchePause()).c_str());
    }
}

std::vector<std::string> Partie::bandeau() const {
    // The built-in level, played for want of a file, has no set to name.
    if (!debutNiveau || horloge::maintenant() - *debutNiveau >= dureeBandeau ||
        serie.nbNiveaux() == 0) {
        return {};
    }
    const int numero = niveauCourant.getNumNiveau();
    std::vector<std::string> lignes{
        _(serie.getNom().c_str()),
        langue::formater(_("Niveau %d / %d"), numero, serie.nbNiveaux())};
    const Serie::Titre titre = serie.titre(numero);
    if (!titre.titre.empty()) {
        // The game's own sets' titles are in the catalogue; a player's show as written.
        lignes.push_back(_(titre.titre.c_str()));
    }
    if (!titre.auteur.empty()) {
        lignes.push_back(langue::formater(_("par %s"), titre.auteur.c_str()));
    }
    return lignes;
}

void Partie::newBall(Joueur* owner, bool accrochee) {
    Batte& batte = owner->getBatteRef();
    const float X = batte.getPosition()->X;
    const float Y = batte.getPosition()->Y + batte.getBoiteCol()->lY;
    listeBalles.emplace_back(owner, X, Y, accrochee, Dosage::de(difficulte).vitesseBalle);
    owner->addBalle();
}

void Partie::newTir(Joueur* owner) {
    const Vecteur* centre = owner->getBatteRef().getPosition();
    listeTirs.emplace_back(owner, centre->X, centre->Y);
}

bool Partie::balleTenue(const Joueur& J) const {
    return std::any_of(listeBalles.begin(), listeBalles.end(), [&J](const Balle& balle) {
        return balle.getProp() == &J && balle.isHooked();
    });
}

std::vector<std::string> Partie::astuceLancer() const {
    std::vector<std::string> lignes;
    for (const Joueur* J : {&joueur1, &joueur2}) {
        if (J->getNum() > nbJoueur || J->isDestroyed() || !balleTenue(*J)) {
            continue;
        }
        const int n = J->getNum();
        std::string facons =
            Commandes::nomDeTouche(currentSettings.getAssignedKey(n, Commandes::COMMANDE_ACTION));
        if (currentSettings.joueurSouris() == n) {
            facons += _(" ou clic");
        }
        if (currentSettings.joueurManette(0) == n || currentSettings.joueurManette(1) == n) {
            facons += _(" ou bouton 1");
        }
        lignes.push_back(nbJoueur == 1
                             ? langue::formater(_("Lancer la balle: %s"), facons.c_str())
                             : langue::formater(_("J%d, lancer la balle: %s"), n, facons.c_str()));
    }
    if (!lignes.empty()) {
        lignes.push_back(_("F1: aide"));
    }
    return lignes;
}

void Partie::lancerBalles(Joueur& J) {
    for (Balle& balle : listeBalles) {
        if (balle.getProp() == &J && balle.isHooked()) {
            balle.lancer();
        }
    }
}

void Partie::sonner(Effet effet) {
    const int verre = effet == Effet::brisureBrique ? hasard::tirer() % AudioMixer::nbVerres : 0;
    sonsDemandes.push_back({effet, verre});
}

void Partie::detruireBrique(int i, int j) {
    niveauCourant.detruire(i, j);
}

bool Partie::eventCollision(Balle& balle, Batte& batte) {
    const double r = balle.getRayon();
    const BoiteCollision& bc = *batte.getBoiteCol();
    return chevauchent(*balle.getPosition(), r, r, *batte.getPosition(), bc.lX / 2.0, bc.lY / 2.0);
}

bool Partie::eventCollision(Brique& brique, Balle& balle) {
    const double r = balle.getRayon();
    const BoiteCollision& bc = *brique.getBoiteCol();
    return chevauchent(*balle.getPosition(), r, r, *brique.getPosition(), bc.lX / 2.0, bc.lY / 2.0);
}

bool Partie::eventCollision(Brique& brique, Tir& balle) {
    const double r = balle.getRayon();
    const BoiteCollision& bc = *brique.getBoiteCol();
    return chevauchent(*balle.getPosition(), r, r, *brique.getPosition(), bc.lX / 2.0, bc.lY / 2.0);
}

bool Partie::eventCollision(Bonus& bonus, Batte& batte) {
    const BoiteCollision& b = *bonus.getBoiteCol();
    const BoiteCollision& t = *batte.getBoiteCol();
    return chevauchent(*bonus.getPosition(), b.lX / 2.0f, b.lY / 2.0f, *batte.getPosition(),
                       t.lX / 2.0f, t.lY / 2.0f);
}

bool Partie::joueurHorsJeu(Joueur& J) {
    if (!J.isDestroyed()) {
        return false;
    }
    if (J.hasRecovered() && J.getNbVie() > 0) {
        // The life is counted off now, as the paddle comes back.
        J.perteVie();
        J.recover();
        J.getBatteRef().removeCanon();
        newBall(&J, true);
        return false;
    }
    return J.getNbVie() <= 0;
}

void Partie::tirsContreBriques(Effet sonImpact) {
    for (auto it = listeTirs.begin(); it != listeTirs.end();) {
        Tir& tir = *it;
        bool detruire = false;
        const Niveau::FenetreCellules f = niveauCourant.fenetreCellules(
            tir.getPosition()->X, tir.getPosition()->Y, tir.getRayon());
        // A shot stops at the first brick it meets, in window order.
        for (int i = f.iFirst; i < f.iLast && !detruire; ++i) {
            for (int j = f.jFirst; j < f.jLast && !detruire; ++j) {
                Brique* brique = niveauCourant.tabBriques[i][j];
                if (brique == nullptr || !eventCollision(*brique, tir)) {
                    continue;
                }
                detruire = true;
                sonner(sonImpact);
                if (brique->isDestroyable()) {
                    tir.getProp()->ajouterScore(scoreTir);
                    if (brique->faireDegats(scoreTir)) {
                        casserBrique(i, j, true);
                    }
                }
            }
        }
        if (tir.getPosition()->Y > terrain::plafond) {
            detruire = true;
            sonner(Effet::ricochet);
        }
        it = detruire ? listeTirs.erase(it) : std::next(it);
    }
}

void Partie::reglesBalles(std::initializer_list<Joueur*> battes) {
    for (auto it = listeBalles.begin(); it != listeBalles.end();) {
        Balle& balle = *it;
        const float r = balle.getRayon();
        rebondMurs(balle, r);
        balleContreBriques(balle, r);
        for (Joueur* J : battes) {
            renvoyerSurBatte(balle, *J);
        }
        const auto suivante = std::next(it);
        if (balle.getPosition()->Y < terrain::ligneDePerte) {
            const int numJoueur = balle.getProp()->getNum();
            listeBalles.erase(it);
            perdreBalle(numJoueur);
        }
        it = suivante;
    }
}

// A ball of player `numJoueur` has left the field; the last one costs the paddle.
void Partie::perdreBalle(int numJoueur) {
    Joueur* J = numJoueur == 1 ? &joueur1 : numJoueur == 2 ? &joueur2 : nullptr;
    if (J == nullptr) {
        // Only the co-operative match has two owners to tell apart, and the
        // line has always named it.
        std::cerr << "tentative de suppression de balle au joueur " << numJoueur << " (Coop2j)"
                  << std::endl;
        return;
    }
    J->rmBalle();
    if (J->getnBalles() == 0) {
        destroyJoueur(*J);
    }
}

// While player 1 is away, capsules are neither caught nor dropped; a
// destroyed paddle catches nothing.
void Partie::attraperBonus(std::initializer_list<Joueur*> attrapeurs) {
    if (joueur1.isDestroyed()) {
        return;
    }
    for (auto it = listeBonus.begin(); it != listeBonus.end();) {
        auto courant = it++;
        Joueur* attrapeur = nullptr;
        for (Joueur* J : attrapeurs) {
            if (!J->isDestroyed() && eventCollision(*courant, J->getBatteRef())) {
                attrapeur = J;
                break;
            }
        }
        if (attrapeur != nullptr) {
            applyBonus(*attrapeur, courant);
            listeBonus.erase(courant);
            attrapeur->ajouterScore(scoreBonus);
        } else if (courant->getPosition()->Y < terrain::ligneDePerte) {
            listeBonus.erase(courant);
        }
    }
}

void Partie::rebondMurs(Balle& balle, float r) {
    const Vecteur& p = *balle.getPosition();
    const Vecteur& v = balle.getVitesse();
    // A wall turns only a ball moving into it: one grown within reach of a
    // wall and already leaving it is left alone, and the next test still runs.
    Vecteur normale;
    if (p.X < terrain::murGauche + r && v.X < 0.0f) {
        normale = Vecteur(1.0f, 0.0f, 0.0f);
    } else if (p.X + r > terrain::murDroit && v.X > 0.0f) {
        normale = Vecteur(-1.0f, 0.0f, 0.0f);
    } else if (p.Y + r > terrain::plafond && v.Y > 0.0f) {
        normale = Vecteur(0.0f, -1.0f, 0.0f);
    } else {
        return;
    }
    // Back to before this frame's move, turned, and moved again.
    balle.undoDeplacer();
    balle.collision(normale);
    sonner(Effet::impactMur);
    balle.deplacer();
}

void Partie::balleContreBriques(Balle& balle, float r) {
    const Niveau::FenetreCellules f =
        niveauCourant.fenetreCellules(balle.getPosition()->X, balle.getPosition()->Y, r);
    for (int i = f.iFirst; i < f.iLast; ++i) {
        for (int j = f.jFirst; j < f.jLast; ++j) {
            Brique* brique = niveauCourant.tabBriques[i][j];
            if (brique == nullptr || !eventCollision(*brique, balle)) {
                continue;
            }
            if (!balle.isTraversante() && !rebondSurBrique(balle, *brique)) {
                continue;
            }
            if (brique->isDestroyable()) {
                balle.getProp()->ajouterScore(balle.getIRayon());
            }
            if (brique->faireDegats(balle.getIRayon())) {
                casserBrique(i, j, false);
            }
        }
    }
}

// Replays the frame's move one axis at a time to find which side was hit;
// false when the ball was already inside the brick and is on its way out.
bool Partie::rebondSurBrique(Balle& balle, Brique& brique) {
    balle.undoDeplacer();
    if (eventCollision(brique, balle)) {
        return sortirDeBrique(balle, brique);
    }
    balle.avanceX();
    const bool heurteEnX = eventCollision(brique, balle);
    balle.reculeX();
    balle.avanceY();
    const bool heurteEnY = eventCollision(brique, balle);
    // From outside the brick, the two single-axis moves cannot both hit.
    if (heurteEnX) {
        balle.rebondX();
    } else if (heurteEnY) {
        balle.reculeY();
        balle.rebondY();
    } else {
        // A corner: neither move alone hits.
        balle.reculeY();
        balle.rebondX();
        balle.rebondY();
    }
    sonner(Effet::impactBrique);
    return true;
}

// A ball grown against a brick starts its move inside it. Only the side it
// sits in the least counts: moving into that side, it is turned there (one
// hit); moving out, it goes on its way untouched, so it always leaves.
bool Partie::sortirDeBrique(Balle& balle, const Brique& brique) {
    const Vecteur& p = *balle.getPosition();
    const Vecteur& b = *brique.getPosition();
    const Vecteur& v = balle.getVitesse();
    const float r = balle.getRayon();
    const float dansX = Brique::demieLongX + r - std::fabs(p.X - b.X);
    const float dansY = Brique::demieLongY + r - std::fabs(p.Y - b.Y);
    const bool parLeCote = dansX < dansY;
    const bool entre = parLeCote ? v.X * (b.X - p.X) > 0.0f : v.Y * (b.Y - p.Y) > 0.0f;
    if (entre) {
        parLeCote ? balle.rebondX() : balle.rebondY();
        sonner(Effet::impactBrique);
    }
    balle.deplacer();
    return entre;
}

// A brick has just broken: its capsule, its debris, its cell, its sound.
void Partie::casserBrique(int i, int j, bool bonusAssure) {
    const Vecteur p = *niveauCourant.tabBriques[i][j]->getPosition();
    if (bonusAssure || hasard::tirer() % 10 < Dosage::de(difficulte).capsulesSurDix) {
        newBonus(p.X, p.Y);
    }
    const int nbDebris = hasard::tirer() % 10 + 5;
    for (int k = 0; k < nbDebris; ++k) {
        listeDebris.emplace_back(p, 0, 0, 0);
    }
    detruireBrique(i, j);
    sonner(Effet::brisureBrique);
}

void Partie::renvoyerSurBatte(Balle& balle, Joueur& J) {
    Batte& batte = J.getBatteRef();
    if (J.isDestroyed() || !balle.isGoingDown() || !eventCollision(balle, batte)) {
        return;
    }
    // The further from the centre, the wider the angle: 45 degrees at the ends.
    const float angle =
        (balle.getPosition()->X - batte.getPosition()->X) * angleRebond / batte.getLongueur();
    balle.undoDeplacer();
    balle.rebondBatte(angle);
    sonner(Effet::renvoiBatte);
}

void Partie::destroyJoueur(Joueur& J) {
    J.destroy();
    sonner(Effet::destructionJoueur);
    const Batte& batte = J.getBatteRef();
    const float L = batte.getLongueur();
    Vecteur S = *batte.getPosition();
    S.X += L / 2.0f;
    const float pas = L / nombreDebris;
    const Couleur& couleur = terrain::couleursJoueur(J.getNum()).debrisBatte;
    for (int k = 0; k < nombreDebris; ++k) {
        listeDebris.emplace_back(S, couleur.r, couleur.v, couleur.b);
        S.X -= pas;
    }
}

void Partie::applyBonus(Joueur& J, std::list<Bonus>::iterator& itBonus) {
    switch (itBonus->getType()) {
    case BONUS_LIFE:
        J.ajouterVie();
        sonner(Effet::vieSupp);
        break;
    case BONUS_ABATTE:
        J.getBatteRef().agrandir();
        sonner(Effet::plusGrand);
        break;
    case BONUS_RBATTE:
        J.getBatteRef().reduire();
        sonner(Effet::plusCourt);
        break;
    case BONUS_MULTIBALL:
        newBall(&J, false);
        sonner(Effet::capsule);
        break;
    case BONUS_BTRAVERSANTE:
        for (Balle& balle : listeBalles) {
            balle.setTraversante();
        }
        sonner(Effet::capsule);
        break;
    case BONUS_ABALLE:
        for (Balle& balle : listeBalles) {
            balle.agrandir();
        }
        sonner(Effet::capsule);
        break;
    case BONUS_ARME:
        J.getBatteRef().putCanon();
        sonner(Effet::capsule);
        break;
    default:
        std::cout << " bonus en bois" << std::endl;
        break;
    }
}
