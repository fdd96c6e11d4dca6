// SPDX-License-Identifier: GPL-3.0-or-later
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

// A GL texture name, deleted with its owner; 0 holds nothing.
class Texture {
public:
    explicit Texture(GLuint nom = 0) : nomTexture(nom) {}
    ~Texture() { glDeleteTextures(1, &nomTexture); }
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;

    GLuint nom() const { return nomTexture; }
    // Takes `nom` in place of the texture held so far.
    void reset(GLuint nom) {
        glDeleteTextures(1, &nomTexture);
        nomTexture = nom;
    }

private:
    GLuint nomTexture;
};

// A GL display list, deleted with its owner; 0 holds nothing.
class ListeAffichage {
public:
    ListeAffichage() : nomListe(0) {}
    ~ListeAffichage() { liberer(); }
    ListeAffichage(const ListeAffichage&) = delete;
    ListeAffichage& operator=(const ListeAffichage&) = delete;

    GLuint nom() const { return nomListe; }
    // Starts compiling the list (made on first use) in place of what it held.
    void compiler() {
        if (nomListe == 0) {
            nomListe = glGenLists(1);
        }
        glNewList(nomListe, GL_COMPILE);
    }
    void appeler() const { glCallList(nomListe); }

private:
    void liberer() {
        if (nomListe != 0) {
            glDeleteLists(nomListe, 1);
        }
    }

    GLuint nomListe;
};

#endif
