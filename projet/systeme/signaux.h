// SPDX-License-Identifier: GPL-3.0-or-later
// SIGINT and SIGTERM end the program from any screen. SDL turns them into
// the window's quit event, which in a match or a key capture ends only that
// screen; our own handlers set a flag every loop of the game looks at.
#ifndef VORLEN_SIGNAUX_H
#define VORLEN_SIGNAUX_H

namespace signaux {

// Takes SIGINT and SIGTERM over from SDL: call it after SDL_Init.
void installer();
// True once SIGINT or SIGTERM has arrived: every loop ends, up to the exit.
bool finDemandee();

} // namespace signaux

#endif
