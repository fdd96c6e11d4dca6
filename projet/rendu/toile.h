// SPDX-License-Identifier: GPL-3.0-or-later
// The canvas every screen draws: the match, the menus and the high scores
// are laid out in its pixels.
#ifndef VORLEN_TOILE_H
#define VORLEN_TOILE_H

constexpr int largeurToile = 800;
constexpr int hauteurToile = 600;

#endif
