// The front end's OpenGL state.
#ifndef VORLEN_MENU_H
#define VORLEN_MENU_H

// Puts OpenGL in the state the menu screens expect: flat 2D, no lighting.
bool initGL();

#endif
