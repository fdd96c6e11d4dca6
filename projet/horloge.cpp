#include "horloge.h"

#include <SDL_timer.h>

namespace horloge {

namespace {
Source sourceCourante = nullptr;
}

Uint32 maintenant() {
    return sourceCourante ? sourceCourante() : SDL_GetTicks();
}

void remplacerSource(Source source) {
    sourceCourante = source;
}

} // namespace horloge
