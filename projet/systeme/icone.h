// SPDX-License-Identifier: GPL-3.0-or-later
// The window's icon, the game's own art in place of the generic one window
// managers show otherwise.
#ifndef VORLEN_ICONE_H
#define VORLEN_ICONE_H

namespace icone {

// The image, in the run-time directory.
extern const char* const fichierIcone;

// Gives the image to SDL, which copies it. SDL 1.2 applies an icon only when
// the window opens, so this comes before SDL_SetVideoMode. An unreadable
// image costs one line, and the window keeps the generic icon.
void poser();

} // namespace icone

#endif
