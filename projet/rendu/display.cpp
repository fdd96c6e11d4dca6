// SPDX-License-Identifier: GPL-3.0-or-later
#include "rendu/display.h"

#include "niveaux/terrain.h"
#include "profil/settings.h"
#include "systeme/toile.h"

#include <GL/glu.h>

#include <cmath>

namespace {

const double champVertical = 60.0;
const double aspect = 4.0 / 3.0;
const double planProche = 0.1;
const double planLointain = 1000.0;
const double distanceCamera = 70.0;

// Half the height the camera sees of the field's plane, in world units.
double demiHauteurVue() {
    return distanceCamera * std::tan(champVertical / 2.0 * 3.14159265358979 / 180.0);
}

const GLint brillance = 50;
const float attenuationQuadratique = 1.1f;

} // namespace

Disposition::Disposition(Partie* partie, int fX, int fY, int tfX, int tfY)
    : posFenetre{fX, fY}, tailleFenetre{tfX, tfY}, hudDisplay(), partieEnCours(partie) {}

double Disposition::pixelsParUnite() {
    return largeurChamp / (2.0 * demiHauteurVue() * aspect);
}

void Disposition::initAffichage() {
    etatScene();
}

void etatScene() {
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glEnable(GL_NORMALIZE);
    glEnable(GL_COLOR_MATERIAL);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHT1);
    glMateriali(GL_FRONT, GL_SHININESS, brillance);
}

void Disposition::initFrame() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    // The border and the panel's frames thicken with the picture.
    glLineWidth(toile::echelle());
    hudDisplay.activerVue();
    hudDisplay.affichage();
    preparerChamp(currentSettings.getEclairageVif());
}

void Disposition::preparerChamp(bool vif) {
    toile::vue({posFenetre[0], posFenetre[1], tailleFenetre[0], tailleFenetre[1]});
    placerCamera();
    dessinerBord();
    eclairer(vif);
}

bool Disposition::pointDuChamp(float xToile, float yToile, float& x, float& y) const {
    const float u = (xToile - posFenetre[0]) / tailleFenetre[0];
    const float v = (yToile - posFenetre[1]) / tailleFenetre[1];
    if (u < 0.0f || u >= 1.0f || v < 0.0f || v >= 1.0f) {
        return false;
    }
    x = static_cast<float>((2.0 * u - 1.0) * demiHauteurVue() * aspect);
    y = static_cast<float>((2.0 * v - 1.0) * demiHauteurVue());
    return true;
}

void Disposition::pointSurToile(float x, float y, float& xToile, float& yToile) const {
    xToile = static_cast<float>(posFenetre[0] +
                                tailleFenetre[0] * (x / (demiHauteurVue() * aspect) + 1.0) / 2.0);
    yToile =
        static_cast<float>(posFenetre[1] + tailleFenetre[1] * (y / demiHauteurVue() + 1.0) / 2.0);
}

void Disposition::placerCamera() {
    // The camera lives in the projection, so the objects' modelview starts clean.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(champVertical, aspect, planProche, planLointain);
    gluLookAt(0, 0, distanceCamera, 0, 0, 0, 0, 1, 0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

namespace {

// A point light just in front of the field, so strongly attenuated that the
// objects show mostly the scene's ambient: about a fifth of their colour.
void placerLumiereClassique() {
    const GLfloat blanc[] = {10.0f, 10.0f, 10.0f, 1.0f};
    const GLfloat position0[] = {0.0f, 0.0f, 20.0f, 1.0f};
    const GLfloat sansReflet[] = {0.0f, 0.0f, 0.0f, 1.0f};
    glLightfv(GL_LIGHT0, GL_AMBIENT, blanc);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, blanc);
    glLightfv(GL_LIGHT0, GL_SPECULAR, blanc);
    glLightfv(GL_LIGHT0, GL_POSITION, position0);
    glLightf(GL_LIGHT0, GL_QUADRATIC_ATTENUATION, attenuationQuadratique);
    glMaterialfv(GL_FRONT, GL_SPECULAR, sansReflet);
}

// A distant light from the upper left, behind the camera: faces turned to
// the player show close to their full colour, bevels and spheres turned
// away from the light darker, and a small glint where they catch it.
void placerLumiereVive() {
    const GLfloat ambiante[] = {0.1f, 0.1f, 0.1f, 1.0f};
    const GLfloat diffuse[] = {0.75f, 0.75f, 0.75f, 1.0f};
    const GLfloat speculaire[] = {0.5f, 0.5f, 0.5f, 1.0f};
    const GLfloat direction0[] = {-0.3f, 0.4f, 1.0f, 0.0f};
    const GLfloat reflet[] = {0.4f, 0.4f, 0.4f, 1.0f};
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambiante);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT0, GL_SPECULAR, speculaire);
    glLightfv(GL_LIGHT0, GL_POSITION, direction0);
    glLightf(GL_LIGHT0, GL_QUADRATIC_ATTENUATION, 0.0f);
    glMaterialfv(GL_FRONT, GL_SPECULAR, reflet);
}

} // namespace

void eclairer(bool vif) {
    if (vif) {
        placerLumiereVive();
    } else {
        placerLumiereClassique();
    }
}

void dessinerBord() {
    glPushMatrix();
    glDisable(GL_LIGHTING);
    glColor3ub(255, 255, 0);
    glBegin(GL_LINES);
    glVertex3f(terrain::murGauche, terrain::plafond, 0);
    glVertex3f(terrain::murDroit, terrain::plafond, 0);
    glVertex3f(terrain::murGauche, terrain::basDesMurs, 0);
    glVertex3f(terrain::murGauche, terrain::plafond, 0);
    glVertex3f(terrain::murDroit, terrain::basDesMurs, 0);
    glVertex3f(terrain::murDroit, terrain::plafond, 0);
    glEnd();
    glEnable(GL_LIGHTING);
    glPopMatrix();
}
