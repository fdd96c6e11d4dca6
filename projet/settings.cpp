#include "settings.h"

#include <cassert>

namespace {

const int toucheEspace = 32;
const int toucheA = 97;
const int toucheZ = 122;
const int toucheW = 119;
const int toucheHaut = 273;
const int toucheBas = 274;
const int toucheDroite = 275;
const int toucheGauche = 276;
const int volumeInit = 75;

} // namespace

Settings::Settings() {
    initSettings();
}

void Settings::initSettings() {
    controlj1[0] = toucheGauche;
    controlj1[1] = toucheDroite;
    controlj1[2] = toucheEspace;
    controlj2[0] = toucheA;
    controlj2[1] = toucheZ;
    controlj2[2] = toucheW;
    pleinEcran = false;
    volume = volumeInit;
    eclairageVif = false;
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
    for (int i = 0; i < nbCommandes; ++i) {
        if (controlj1[i] == keynum || controlj2[i] == keynum) {
            return false;
        }
    }
    if (nJoueur == 1) {
        controlj1[nCommande] = keynum;
        return true;
    }
    if (nJoueur == 2) {
        controlj2[nCommande] = keynum;
        return true;
    }
    return false;
}

std::string Settings::getKeyByCode(int keynum) {
    if (keynum >= toucheA && keynum <= toucheZ) {
        return std::string(1, static_cast<char>(keynum));
    }
    switch (keynum) {
    case toucheEspace:
        return "ESPACE";
    case toucheHaut:
        return "HAUT";
    case toucheBas:
        return "BAS";
    case toucheDroite:
        return "DROITE";
    case toucheGauche:
        return "GAUCHE";
    default:
        return "UNKNOWN";
    }
}
