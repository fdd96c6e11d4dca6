// SPDX-License-Identifier: GPL-3.0-or-later
#include "rendu/boucle.h"

#include "profil/preferences.h"
#include "profil/settings.h"
#include "systeme/fenetre.h"
#include "systeme/horloge.h"
#include "systeme/signaux.h"

#include <algorithm>

namespace {

// The window asked to change by the player, as the settings remember it; a
// change done is saved, a window lost ends the game.
void suivreFenetre(fenetre::Issue issue) {
    if (issue == fenetre::Issue::faite) {
        preferences::enregistrer(currentSettings);
    } else if (issue == fenetre::Issue::fenetrePerdue) {
        signaux::abandonner();
    }
}

void redimensionner(const SDL_ResizeEvent& taille) {
    const fenetre::Issue issue =
        fenetre::redimensionner(taille.w, taille.h, currentSettings.getChoixFenetre());
    if (issue == fenetre::Issue::faite) {
        currentSettings.setTailleFenetre(taille.w, taille.h);
    }
    suivreFenetre(issue);
}

// Answers the event if every screen answers it alike; false when it is the screen's.
bool evenementCommun(SDL_Event& event) {
    if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_F11) {
        basculerPleinEcranRetenu();
        return true;
    }
    if (event.type == SDL_VIDEORESIZE) {
        // A drag sends size after size: only the last one counts.
        SDL_Event plusRecent;
        while (SDL_PeepEvents(&plusRecent, 1, SDL_GETEVENT, SDL_VIDEORESIZEMASK) == 1) {
            event = plusRecent;
        }
        redimensionner(event.resize);
        return true;
    }
    return false;
}

// Sleeps out the pass in halves, so the loop wakes close to its mark; a late
// pass is not made up for. The last millisecond is slept too, not spun
// through: half of it would be a delay of 0.
void finirPassage(Uint32 debut, Uint32 duree) {
    int reste = static_cast<int>(duree - (horloge::tempsReel() - debut));
    while (reste > 0) {
        SDL_Delay(std::max(1, reste / 2));
        reste = static_cast<int>(duree - (horloge::tempsReel() - debut));
    }
}

} // namespace

void executer(Ecran& ecran, const Rythme& rythme) {
    // A still screen shows at once; a moving one once it has moved.
    if (rythme.surEvenement && !signaux::finDemandee()) {
        ecran.dessiner();
    }
    bool finie = false;
    while (!finie && !signaux::finDemandee()) {
        const Uint32 debut = horloge::tempsReel();
        ecran.commencerPassage();
        const bool recu = recevoir(ecran);
        finie = ecran.fini();
        if (signaux::finDemandee() || (finie && ecran.arretNet())) {
            break;
        }
        const bool immobileAvant = ecran.immobile();
        ecran.avancer();
        // A screen that has just stopped moving is drawn as it stopped.
        const bool bouge = !(immobileAvant && ecran.immobile());
        if (recu || (bouge && !rythme.surEvenement)) {
            ecran.dessiner();
        }
        finirPassage(debut, ecran.immobile()
                                ? std::max(rythme.dureePassage, rythmeEcranFixe.dureePassage)
                                : rythme.dureePassage);
    }
}

bool recevoir(Ecran& ecran) {
    bool recu = false;
    SDL_Event event;
    while (!(ecran.fini() && ecran.arretNet()) && !signaux::finDemandee() &&
           SDL_PollEvent(&event)) {
        recu = true;
        if (!evenementCommun(event)) {
            ecran.traiter(event);
        }
    }
    return recu;
}

void basculerPleinEcranRetenu() {
    const fenetre::Issue issue = fenetre::basculerPleinEcran(currentSettings.getChoixFenetre());
    if (issue == fenetre::Issue::faite) {
        currentSettings.switchStatePleinEcran();
    }
    suivreFenetre(issue);
}

void AttenteTouche::traiter(const SDL_Event& event) {
    if (event.type == SDL_KEYDOWN || event.type == SDL_MOUSEBUTTONDOWN ||
        event.type == SDL_JOYBUTTONDOWN) {
        termine = true;
    } else if (event.type == SDL_QUIT) {
        termine = true;
        fermee = true;
    }
}
