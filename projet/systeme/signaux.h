// SPDX-License-Identifier: GPL-3.0-or-later
// What a desktop sends to end the program (SIGINT, SIGTERM, SIGHUP for a
// closed terminal or a logout) ends it from any screen, each screen saving
// its work on the way out. SDL turns SIGINT and SIGTERM into the window's
// quit event, which in a match or a key capture ends only that screen; our
// own handlers set a flag every loop of the game looks at.
#ifndef VORLEN_SIGNAUX_H
#define VORLEN_SIGNAUX_H

namespace signaux {

// Takes SIGINT and SIGTERM over from SDL, answers SIGHUP alike (unless nohup
// left it ignored), and ignores SIGXFSZ: a save past the file size limit then
// fails with EFBIG, and says so, instead of killing the game with the work
// unsaved. Call it after SDL_Init.
void installer();
// True once SIGINT, SIGTERM or SIGHUP has arrived, or the game was given up:
// every loop ends, up to the exit.
bool finDemandee();
// The game cannot go on (its window is gone): every loop ends as for a
// signal, each screen saving its work on the way out, and the game exits
// with status 1.
void abandonner();
// What the game's end calls for: 1 once given up, else 0.
int statutDeSortie();

} // namespace signaux

#endif
