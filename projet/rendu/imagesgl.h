// SPDX-License-Identifier: GPL-3.0-or-later
// OpenGL as the 2D screens use it: its flat state, and images read from
// files into textures.
#ifndef VORLEN_IMAGESGL_H
#define VORLEN_IMAGESGL_H

#include <GL/gl.h>
#include <SDL.h>

// Puts OpenGL in the state the menu screens expect: flat 2D, no lighting.
bool initGL();
// The image as a texture, or 0 when it cannot be read.
GLuint loadTexture(const char* filename, bool useMipMap);
// A copy of the surface upside down, as OpenGL lays out rows; the caller frees it.
SDL_Surface* flipSurface(SDL_Surface* surface);

#endif
