// SPDX-License-Identifier: GPL-3.0-or-later
// Full screen and back, in place: SDL 1.2 switches the X11 window without
// recreating it, so the OpenGL context keeps its textures, lists and fonts.
// The picture stays 800x600, centred on black where the screen is larger.
#ifndef VORLEN_PLEINECRAN_H
#define VORLEN_PLEINECRAN_H

namespace pleinecran {

// The player's switch (F11, the Options item): the window changes and the
// choice is saved. Where the display refuses, one line, and nothing changes.
void basculer();

// At start, once the window is open: full screen if this run asks for it
// (the remembered choice, or the command line through
// Settings::imposerPleinEcran). Where refused, one line and a window.
void appliquerAuDemarrage();

} // namespace pleinecran

#endif
