// SPDX-License-Identifier: GPL-3.0-or-later
#include "systeme/manettes.h"

#include <istream>
#include <string>

Manettes::Manettes() {
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0) {
        for (int k = 0; k < SDL_NumJoysticks(); ++k) {
            if (SDL_Joystick* manette = SDL_JoystickOpen(k)) {
                ouvertes.push_back(manette);
            }
        }
        SDL_JoystickEventState(SDL_ENABLE);
    }
}

std::vector<std::string> manettesListees(std::istream& liste) {
    // One block per device: "N: Name=\"...\"", then "H: Handlers=... js0 ...".
    std::vector<std::string> noms;
    std::string nom;
    for (std::string ligne; std::getline(liste, ligne);) {
        if (ligne.rfind("N: Name=\"", 0) == 0 && ligne.size() > 10) {
            nom = ligne.substr(9, ligne.size() - 10);
        } else if (ligne.rfind("H: Handlers=", 0) == 0 &&
                   (" " + ligne.substr(12)).find(" js") != std::string::npos) {
            noms.push_back(nom);
        }
    }
    return noms;
}

Manettes::~Manettes() {
    // After SDL_Quit, SDL has closed them itself.
    if (SDL_WasInit(SDL_INIT_JOYSTICK)) {
        for (SDL_Joystick* manette : ouvertes) {
            SDL_JoystickClose(manette);
        }
    }
}
