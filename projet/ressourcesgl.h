// Owners of the OpenGL and GLU objects the game creates, so that each one is
// released exactly once, whatever path its owner leaves by.
#ifndef VORLEN_RESSOURCESGL_H
#define VORLEN_RESSOURCESGL_H

#include <GL/gl.h>
#include <GL/glu.h>

#include <memory>

struct SuppressionQuadrique {
    void operator()(GLUquadric* q) const { gluDeleteQuadric(q); }
};

// A GLU quadric with texture coordinates on; needs no GL context to exist.
using Quadrique = std::unique_ptr<GLUquadric, SuppressionQuadrique>;

inline Quadrique nouvelleQuadrique() {
    Quadrique q(gluNewQuadric());
    gluQuadricTexture(q.get(), GL_TRUE);
    return q;
}

#endif
