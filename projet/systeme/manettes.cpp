// SPDX-License-Identifier: GPL-3.0-or-later
#include "systeme/manettes.h"

#include "profil/settings.h"

#include <iostream>

Manettes::Manettes() {
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0) {
        for (int k = 0; k < SDL_NumJoysticks(); ++k) {
            if (SDL_Joystick* manette = SDL_JoystickOpen(k)) {
                ouvertes.push_back(manette);
            }
        }
        SDL_JoystickEventState(SDL_ENABLE);
    }
    for (int joueur = 1; joueur <= 2; ++joueur) {
        const int manette = currentSettings.getPeripherique(joueur) - Settings::PERIPH_MANETTE1;
        if (manette >= static_cast<int>(ouvertes.size())) {
            std::cerr << "Vorlen: manette " << manette + 1 << " absente; le joueur " << joueur
                      << " joue au clavier" << std::endl;
            currentSettings.setPeripherique(joueur, Settings::PERIPH_CLAVIER);
        }
    }
}

Manettes::~Manettes() {
    // After SDL_Quit, SDL has closed them itself.
    if (SDL_WasInit(SDL_INIT_JOYSTICK)) {
        for (SDL_Joystick* manette : ouvertes) {
            SDL_JoystickClose(manette);
        }
    }
}
