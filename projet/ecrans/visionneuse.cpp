// SPDX-License-Identifier: GPL-3.0-or-later
#include "ecrans/visionneuse.h"

#include "rendu/display.h"
#include "systeme/langue.h"
#include "systeme/toile.h"

#include <GL/gl.h>

namespace {

const int taillePolice = 14;
// Above the field's top border, which stands at row 40 from the top.
const float xLigne = 10.0f;
const float yTitre = 582.0f;
const float yEtat = 566.0f;

} // namespace

Visionneuse::Visionneuse(const Rejeu& r, Usage u) : rejeu(r), usage(u), magnetoscope(r) {
    police.init(freetype::fichierPolice, taillePolice);
}

bool Visionneuse::regarder() {
    // The screen below draws on as it did: its GL state comes back as it was.
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    magnetoscope.partie().initAffichage();
    executer(*this, {Partie::dureeFrame, false});
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glPopAttrib();
    return !fenetreFermee;
}

void Visionneuse::traiter(const SDL_Event& event) {
    if (event.type == SDL_QUIT) {
        quitte = fenetreFermee = true;
        return;
    }
    if (usage == DEMO) {
        quitte = quitte || event.type == SDL_KEYDOWN || event.type == SDL_MOUSEMOTION ||
                 event.type == SDL_MOUSEBUTTONDOWN || event.type == SDL_JOYBUTTONDOWN;
        return;
    }
    if (event.type != SDL_KEYDOWN) {
        return;
    }
    switch (event.key.keysym.sym) {
    case SDLK_ESCAPE:
        quitte = true;
        break;
    case SDLK_p:
    case SDLK_SPACE:
        enPause = !enPause;
        break;
    case SDLK_RIGHT:
    case SDLK_PLUS:
    case SDLK_KP_PLUS:
        vitesse = std::min(vitesse * 2, vitesseMax);
        break;
    case SDLK_LEFT:
    case SDLK_MINUS:
    case SDLK_KP_MINUS:
        vitesse = std::max(vitesse / 2, 1);
        break;
    default:
        // Once it is over, any key leaves.
        quitte = magnetoscope.fini();
        break;
    }
}

void Visionneuse::avancer() {
    for (int k = 0; k < vitesse && !enPause && magnetoscope.avancer(); ++k) {
    }
    if (usage == DEMO && magnetoscope.fini()) {
        quitte = true;
    }
}

void Visionneuse::dessiner() {
    magnetoscope.partie().dessinerScene();
    toile::vue({0, 0, Disposition::largeurChamp, hauteurToile});
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glColor3ub(255, 255, 120);
    freetype::print(police, xLigne, yTitre, "%s", titre().c_str());
    glColor3ub(200, 200, 200);
    freetype::print(police, xLigne, yEtat, "%s", etat().c_str());
    glPopAttrib();
    glFlush();
    SDL_GL_SwapBuffers();
}

std::string Visionneuse::titre() const {
    const char* const mode = rejeu.nbJoueurs == 1 ? _("1 joueur") : _("2 joueurs");
    const std::string qui =
        rejeu.joueurs.empty() ? "" : langue::formater(_(" de %s"), rejeu.joueurs.c_str());
    return langue::formater(usage == DEMO ? _("Demo%s - %s, %s, %s") : _("Rejeu%s - %s, %s, %s"),
                            qui.c_str(), mode, _(rejeu.niveaux.c_str()), rejeu.date.c_str());
}

std::string Visionneuse::etat() const {
    if (usage == DEMO) {
        return _("Une touche pour revenir au menu");
    }
    if (magnetoscope.egare()) {
        return langue::formater(
            _("Ce rejeu s'ecarte du jeu au passage %ld: une touche pour quitter"),
            magnetoscope.passage());
    }
    if (magnetoscope.fini()) {
        return _("Fin du rejeu: une touche pour quitter");
    }
    const std::string allure = enPause ? _("En pause") : "x" + std::to_string(vitesse);
    return allure + _("   P: pause   Gauche, Droite: vitesse   Echap: quitter");
}
