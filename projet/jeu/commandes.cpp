// SPDX-License-Identifier: GPL-3.0-or-later
#include "jeu/commandes.h"

#include "jeu/batte.h"
#include "profil/settings.h"
#include "systeme/langue.h"
#include "rendu/display.h"
#include "systeme/toile.h"
#include "systeme/manettes.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>

namespace {

const int inclinaisonMax = 32767;

// World units the paddle goes for `pixels` of the mouse's motion in the
// window: one to one with the pointer at the default sensitivity.
float distanceSouris(int pixels) {
    const double facteur =
        static_cast<double>(currentSettings.getSensibiliteSouris()) / Settings::sensibiliteDefaut;
    return static_cast<float>(pixels * facteur /
                              (Disposition::pixelsParUnite() * toile::echelle()));
}

} // namespace

Commandes::Lecture Commandes::lire(const SDL_Event& event) {
    switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        return touche(event.key.keysym.sym, event.type == SDL_KEYDOWN);
    case SDL_MOUSEMOTION:
        return souris(GLISSER, distanceSouris(xrelDepuisMode(event.motion.xrel)));
    case SDL_MOUSEBUTTONDOWN:
        return event.button.button == SDL_BUTTON_LEFT ? souris(ACTION, 0.0f)
                                                      : Lecture{0, AUCUN, 0.0f};
    case SDL_JOYAXISMOTION:
        if (event.jaxis.axis == 0 && event.jaxis.which < 2) {
            inclinaison[event.jaxis.which] = event.jaxis.value;
        }
        return {0, AUCUN, 0.0f};
    case SDL_JOYHATMOTION:
        if (event.jhat.which < 2) {
            croix[event.jhat.which] = (event.jhat.value & SDL_HAT_LEFT)    ? -1
                                      : (event.jhat.value & SDL_HAT_RIGHT) ? 1
                                                                           : 0;
        }
        return {0, AUCUN, 0.0f};
    case SDL_JOYBUTTONDOWN:
    case SDL_JOYBUTTONUP: {
        const bool enfonce = event.type == SDL_JOYBUTTONDOWN;
        const Uint8 bouton = event.jbutton.button;
        if (bouton == boutonAction && enfonce) {
            return manette(event.jbutton.which, ACTION);
        }
        if (bouton == boutonsStart[0] || bouton == boutonsStart[1]) {
            return manette(event.jbutton.which, enfonce ? PAUSE_PRESSEE : PAUSE_RELACHEE);
        }
        return {0, AUCUN, 0.0f};
    }
    default:
        return {0, AUCUN, 0.0f};
    }
}

float Commandes::glissementManette(int nJoueur) const {
    for (int k = 0; k < 2; ++k) {
        if (currentSettings.joueurManette(k) != nJoueur) {
            continue;
        }
        if (croix[k] != 0) {
            return croix[k] * Batte::pasDeplacement;
        }
        const int penche = std::abs(inclinaison[k]) - zoneMorte;
        if (penche <= 0) {
            return 0.0f;
        }
        const float part = static_cast<float>(penche) / (inclinaisonMax - zoneMorte);
        return (inclinaison[k] < 0 ? -1.0f : 1.0f) * std::min(part, 1.0f) * Batte::pasDeplacement;
    }
    return 0.0f;
}

bool Commandes::manetteDebranchee(const char* liste) {
    std::vector<std::string> ouvertes;
    for (int k = 0; k < std::min(SDL_NumJoysticks(), 2); ++k) {
        const char* nom = SDL_JoystickName(k);
        ouvertes.push_back(nom != nullptr ? nom : "");
    }
    return manetteDebranchee(ouvertes, liste);
}

bool Commandes::manetteDebranchee(const std::vector<std::string>& ouvertes, const char* liste) {
    const int presentes = static_cast<int>(ouvertes.size());
    const bool enJeu = (presentes > 0 && currentSettings.joueurManette(0) != 0) ||
                       (presentes > 1 && currentSettings.joueurManette(1) != 0);
    if (!enJeu) {
        return false;
    }
    std::ifstream flux(liste);
    if (!flux) {
        return false;
    }
    const std::vector<std::string> noms = manettesListees(flux);
    bool debranchee = false;
    for (int k = 0; k < presentes; ++k) {
        const bool maintenant =
            !ouvertes[k].empty() && std::find(noms.begin(), noms.end(), ouvertes[k]) != noms.end();
        debranchee = debranchee || (listee[k] && !maintenant && currentSettings.joueurManette(k));
        listee[k] = maintenant;
    }
    return debranchee;
}

Commandes::Lecture Commandes::touche(int sym, bool enfoncee) const {
    if (sym == currentSettings.getTouchePause()) {
        return {0, enfoncee ? PAUSE_PRESSEE : PAUSE_RELACHEE, 0.0f};
    }
    for (int joueur = 1; joueur <= 2; ++joueur) {
        if (sym == currentSettings.getAssignedKey(joueur, COMMANDE_GAUCHE)) {
            return {joueur, enfoncee ? GAUCHE_PRESSEE : GAUCHE_RELACHEE, 0.0f};
        }
        if (sym == currentSettings.getAssignedKey(joueur, COMMANDE_DROITE)) {
            return {joueur, enfoncee ? DROITE_PRESSEE : DROITE_RELACHEE, 0.0f};
        }
        if (sym == currentSettings.getAssignedKey(joueur, COMMANDE_ACTION)) {
            return enfoncee ? Lecture{joueur, ACTION, 0.0f} : Lecture{0, AUCUN, 0.0f};
        }
    }
    if (!enfoncee) {
        return {0, AUCUN, 0.0f};
    }
    return {0, sym == SDLK_ESCAPE ? QUITTER : AUTRE_TOUCHE, 0.0f};
}

Commandes::OrdreMenu Commandes::lireMenu(const SDL_Event& event) {
    if (event.type == SDL_KEYDOWN) {
        switch (event.key.keysym.sym) {
        case SDLK_UP:
            return MENU_HAUT;
        case SDLK_DOWN:
            return MENU_BAS;
        case SDLK_LEFT:
            return MENU_MOINS;
        case SDLK_RIGHT:
            return MENU_PLUS;
        case SDLK_RETURN:
            return MENU_CHOISIR;
        default:
            return MENU_AUCUN;
        }
    }
    if (event.type == SDL_JOYAXISMOTION && event.jaxis.axis < 2) {
        const int seuil = 16000;
        const int sens = event.jaxis.value < -seuil ? -1 : event.jaxis.value > seuil ? 1 : 0;
        int& avant = axesMenu[event.jaxis.axis];
        const bool nouvellePente = sens != 0 && sens != avant;
        avant = sens;
        const OrdreMenu pentes[2][2] = {{MENU_MOINS, MENU_PLUS}, {MENU_HAUT, MENU_BAS}};
        return nouvellePente ? pentes[event.jaxis.axis][sens > 0] : MENU_AUCUN;
    }
    if (event.type == SDL_JOYHATMOTION) {
        const Uint8 v = event.jhat.value;
        return (v & SDL_HAT_UP)      ? MENU_HAUT
               : (v & SDL_HAT_DOWN)  ? MENU_BAS
               : (v & SDL_HAT_LEFT)  ? MENU_MOINS
               : (v & SDL_HAT_RIGHT) ? MENU_PLUS
                                     : MENU_AUCUN;
    }
    if (event.type == SDL_JOYBUTTONDOWN && event.jbutton.button < 2) {
        return event.jbutton.button == 0 ? MENU_CHOISIR : MENU_RETOUR;
    }
    return MENU_AUCUN;
}

Commandes::Lecture Commandes::souris(Ordre ordre, float distance) const {
    const int joueur = currentSettings.joueurSouris();
    return joueur == 0 ? Lecture{0, AUCUN, 0.0f} : Lecture{joueur, ordre, distance};
}

Commandes::Lecture Commandes::manette(Uint8 quelle, Ordre ordre) const {
    const int joueur = quelle < 2 ? currentSettings.joueurManette(quelle) : 0;
    return joueur == 0 ? Lecture{0, AUCUN, 0.0f} : Lecture{joueur, ordre, 0.0f};
}

std::string Commandes::nomDeTouche(int code) {
    const std::string nom = Settings::getKeyByCode(code);
    if (nom != "UNKNOWN") {
        return _(nom.c_str());
    }
    const bool connue = code > SDLK_UNKNOWN && code < SDLK_LAST;
    std::string sdl = connue ? SDL_GetKeyName(static_cast<SDLKey>(code)) : "";
    if (sdl.empty() || sdl == "unknown key") {
        return langue::formater(_("TOUCHE %d"), code);
    }
    std::transform(sdl.begin(), sdl.end(), sdl.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return sdl;
}

int Commandes::xrelDepuisMode(int xrel) {
    const unsigned int mode = fenetre::changementsDeMode();
    if (mode != modeVu) {
        modeVu = mode;
        return 0;
    }
    return xrel;
}
