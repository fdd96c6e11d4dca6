// SPDX-License-Identifier: GPL-3.0-or-later
#include "profil/settings.h"

#include "profil/difficulte.h"
#include "systeme/langue.h"
#include "systeme/toile.h"

#include <SDL_keysym.h>

#include <algorithm>
#include <cassert>

Settings::Settings() {
    initSettings();
}

void Settings::initSettings() {
    controlj1[0] = SDLK_LEFT;
    controlj1[1] = SDLK_RIGHT;
    controlj1[2] = SDLK_SPACE;
    controlj2[0] = SDLK_a;
    controlj2[1] = SDLK_z;
    controlj2[2] = SDLK_w;
    pleinEcran = false;
    volume = volumeMax;
    touchePause = SDLK_p;
    pleinEcranRetenu = false;
    eclairageVif = false;
    largeurFenetre = largeurToile;
    hauteurFenetre = hauteurToile;
    peripheriques[0] = PERIPH_SOURIS;
    peripheriques[1] = PERIPH_CLAVIER;
    sensibiliteSouris = sensibiliteDefaut;
    astuceLancer = true;
    langue = langue::SYSTEME;
    difficulteChoisie = difficulte::NORMAL;
    finNiveauPasser = false;
}

int Settings::getPeripherique(int nJoueur) const {
    assert(nJoueur == 1 || nJoueur == 2);
    return peripheriques[nJoueur - 1];
}

void Settings::setPeripherique(int nJoueur, int p) {
    assert(nJoueur == 1 || nJoueur == 2);
    if (p < PERIPH_CLAVIER || p >= nbPeripheriques) {
        return;
    }
    int& autre = peripheriques[2 - nJoueur];
    if (p != PERIPH_CLAVIER && autre == p) {
        autre = PERIPH_CLAVIER;
        modifies.set(CHOIX_PERIPHERIQUE_J1 + 2 - nJoueur);
    }
    peripheriques[nJoueur - 1] = p;
    modifies.set(CHOIX_PERIPHERIQUE_J1 + nJoueur - 1);
}

int Settings::joueurSouris() const {
    return peripheriques[0] == PERIPH_SOURIS ? 1 : peripheriques[1] == PERIPH_SOURIS ? 2 : 0;
}

int Settings::joueurManette(int manette) const {
    const int p = PERIPH_MANETTE1 + manette;
    return peripheriques[0] == p ? 1 : peripheriques[1] == p ? 2 : 0;
}

void Settings::setAstuceLancer(bool oui) {
    astuceLancer = oui;
    modifies.set(CHOIX_ASTUCE_LANCER);
}

void Settings::setLangue(int choix) {
    langue = std::clamp(choix, 0, langue::nbChoix - 1);
    modifies.set(CHOIX_LANGUE);
}

void Settings::setDifficulte(int choix) {
    difficulteChoisie = std::clamp(choix, 0, difficulte::nbChoix - 1);
    modifies.set(CHOIX_DIFFICULTE);
}

void Settings::setFinNiveauPasser(bool oui) {
    finNiveauPasser = oui;
    modifies.set(CHOIX_FIN_NIVEAU);
}

void Settings::setSensibiliteSouris(int s) {
    sensibiliteSouris = std::clamp(s, sensibiliteMin, sensibiliteMax);
    modifies.set(CHOIX_SENSIBILITE_SOURIS);
}

void Settings::setTailleFenetre(int largeur, int hauteur) {
    largeurFenetre = std::clamp(largeur, largeurFenetreMin, tailleFenetreMax);
    hauteurFenetre = std::clamp(hauteur, hauteurFenetreMin, tailleFenetreMax);
    modifies.set(CHOIX_LARGEUR_FENETRE);
    modifies.set(CHOIX_HAUTEUR_FENETRE);
}

int Settings::getAssignedKey(int nJoueur, int nCommande) const {
    assert(nCommande >= 0);
    assert(nCommande < 3);
    assert(nJoueur > 0);
    assert(nJoueur <= 2);
    return nJoueur == 1 ? controlj1[nCommande] : controlj2[nCommande];
}

bool Settings::assignKey(int keynum, int nJoueur, int nCommande) {
    assert(nCommande >= 0);
    assert(nCommande < 3);
    // A key drives one command at most, so a bound key is refused, even
    // when it is the slot's own.
    if (!toucheLibre(keynum)) {
        return false;
    }
    if (nJoueur != 1 && nJoueur != 2) {
        return false;
    }
    (nJoueur == 1 ? controlj1 : controlj2)[nCommande] = keynum;
    modifies.set((nJoueur - 1) * nbCommandes + nCommande);
    return true;
}

bool Settings::assignTouchePause(int keynum) {
    if (!toucheLibre(keynum)) {
        return false;
    }
    touchePause = keynum;
    modifies.set(2 * nbCommandes);
    return true;
}

bool Settings::toucheLibre(int keynum) const {
    const Touches touches = getTouches();
    return toucheAssignable(keynum) &&
           std::find(touches.begin(), touches.end(), keynum) == touches.end();
}

Settings::Touches Settings::getTouches() const {
    return {controlj1[0], controlj1[1], controlj1[2], controlj2[0],
            controlj2[1], controlj2[2], touchePause};
}

void Settings::setTouches(const Touches& touches) {
    const Touches avant = getTouches();
    for (int k = 0; k < nbTouches; ++k) {
        modifies[k] = modifies[k] || touches[k] != avant[k];
    }
    std::copy_n(touches.begin(), nbCommandes, controlj1);
    std::copy_n(touches.begin() + nbCommandes, nbCommandes, controlj2);
    touchePause = touches[2 * nbCommandes];
}

bool Settings::touchesValides(const Touches& touches) {
    Touches triees = touches;
    std::sort(triees.begin(), triees.end());
    return std::adjacent_find(triees.begin(), triees.end()) == triees.end() &&
           std::all_of(triees.begin(), triees.end(), toucheAssignable);
}

bool Settings::toucheAssignable(int keynum) {
    return keynum > SDLK_UNKNOWN && keynum < SDLK_LAST && keynum != SDLK_ESCAPE &&
           keynum != SDLK_F11;
}

void Settings::switchStatePleinEcran() {
    setPleinEcran(!pleinEcran);
}

void Settings::setPleinEcran(bool oui) {
    pleinEcran = oui;
    pleinEcranRetenu = oui;
    modifies.set(CHOIX_PLEIN_ECRAN);
}

void Settings::setEclairageVif(bool vif) {
    eclairageVif = vif;
    modifies.set(CHOIX_ECLAIRAGE);
}

void Settings::setVolume(int v) {
    volume = std::clamp(v, 0, volumeMax);
    modifies.set(CHOIX_VOLUME);
}

bool Settings::volumeUp() {
    const int avant = volume;
    setVolume(volume + 1);
    return volume != avant;
}

bool Settings::volumeDown() {
    const int avant = volume;
    setVolume(volume - 1);
    return volume != avant;
}

// The names are the settings file's words too: marked, and translated only
// where a player reads them.
std::string Settings::getKeyByCode(int keynum) {
    if (keynum >= SDLK_a && keynum <= SDLK_z) {
        return std::string(1, static_cast<char>(keynum));
    }
    switch (keynum) {
    case SDLK_SPACE:
        return N_("ESPACE");
    case SDLK_UP:
        return N_("HAUT");
    case SDLK_DOWN:
        return N_("BAS");
    case SDLK_RIGHT:
        return N_("DROITE");
    case SDLK_LEFT:
        return N_("GAUCHE");
    default:
        return "UNKNOWN";
    }
}
