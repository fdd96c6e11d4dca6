// The game's one millisecond clock. Every timer reads it through here so a
// test can drive time frame by frame; the game itself runs on SDL_GetTicks.
#ifndef VORLEN_HORLOGE_H
#define VORLEN_HORLOGE_H

#include <SDL_types.h>

namespace horloge {

using Source = Uint32 (*)();

// Milliseconds since SDL started, or whatever the installed source says.
Uint32 maintenant();

// Installs another source of time; nullptr goes back to SDL_GetTicks.
void remplacerSource(Source source);

} // namespace horloge

#endif
