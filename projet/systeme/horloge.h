// SPDX-License-Identifier: GPL-3.0-or-later
// The game's one millisecond clock. Every timer reads it through here so a
// test can drive time frame by frame; the game itself runs on SDL_GetTicks.
// Play time stands still while the match is paused; frame pacing follows the
// real clock.
#ifndef VORLEN_HORLOGE_H
#define VORLEN_HORLOGE_H

#include <SDL_types.h>

namespace horloge {

using Source = Uint32 (*)();

// Play time: milliseconds since SDL started, less the time spent paused.
Uint32 maintenant();

// The source's milliseconds, pauses included: what frame pacing waits on.
Uint32 tempsReel();

// Stops and restarts play time; a second call of either does nothing.
void suspendre();
void reprendre();

// Holds play time at its reading now until the next call or liberer(): the
// rules of one frame read one instant, the one a replay keeps.
void figer();
// Holds play time at `ms`: a replay's frame.
void imposer(Uint32 ms);
void liberer();

// Installs another source of time, with no pause counted; nullptr goes back
// to SDL_GetTicks.
void remplacerSource(Source source);

} // namespace horloge

#endif
