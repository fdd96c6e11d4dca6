// SPDX-License-Identifier: GPL-3.0-or-later
#include "clavier.h"

#include <deque>
#include <dlfcn.h>

namespace {

// Polls of an empty queue once the keys have run out before the game is taken
// to wait for more: a few seconds of passes.
const int pollsEnTrop = 100;

std::deque<clavier::Touche> aPresser;
bool enCours = false;
bool fileVide = false;
int pollsApres = 0;

SDL_Event evenement(const clavier::Touche& touche) {
    SDL_Event event = {};
    if (touche.sym == clavier::fermeture) {
        event.type = SDL_QUIT;
    } else {
        event.type = SDL_KEYDOWN;
        event.key.keysym.sym = touche.sym;
        event.key.keysym.unicode = touche.caractere;
    }
    return event;
}

} // namespace

namespace clavier {

void jouer(const std::vector<Touche>& touches) {
    aPresser.assign(touches.begin(), touches.end());
    enCours = true;
    // The first key too waits for the game to find its queue empty once.
    fileVide = false;
    pollsApres = 0;
}

std::vector<Touche> saisie(const std::string& texte) {
    std::vector<Touche> touches;
    for (const char c : texte) {
        touches.push_back({static_cast<SDLKey>(c), static_cast<Uint16>(c)});
    }
    touches.push_back({SDLK_RETURN});
    return touches;
}

bool aAttenduPlus() {
    enCours = false;
    return pollsApres >= pollsEnTrop;
}

} // namespace clavier

// Stands in front of SDL's own for every caller in this program, the game's loops included.
extern "C" int SDL_PollEvent(SDL_Event* event) {
    static const auto reel =
        reinterpret_cast<int (*)(SDL_Event*)>(dlsym(RTLD_NEXT, "SDL_PollEvent"));
    if (enCours && fileVide && (!aPresser.empty() || ++pollsApres >= pollsEnTrop)) {
        *event =
            evenement(aPresser.empty() ? clavier::Touche{clavier::fermeture} : aPresser.front());
        if (!aPresser.empty()) {
            aPresser.pop_front();
        }
        fileVide = false;
        return 1;
    }
    const int resultat = reel(event);
    fileVide = resultat == 0;
    return resultat;
}
