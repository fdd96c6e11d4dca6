// SPDX-License-Identifier: GPL-3.0-or-later
#include "jeu/aide.h"

#include "jeu/commandes.h"
#include "profil/settings.h"
#include "rendu/display.h"
#include "systeme/langue.h"
#include "systeme/toile.h"

#include <GL/gl.h>

namespace {

// What each capsule does, in the order of TYPEBONUS from BONUS_LIFE.
const char* const effets[] = {N_("Une vie de plus"),
                              N_("Batte plus longue"),
                              N_("Batte plus courte"),
                              N_("Une balle de plus"),
                              N_("Les balles traversent les briques"),
                              N_("Balles plus grosses: chaque brique touchee rapporte plus"),
                              N_("Un canon sur la batte: la touche d'action tire")};
const int nbCapsules = BONUS_ARME - BONUS_LIFE + 1;

// The page in canvas pixels, from the bottom: the capsules, one a line, then
// the controls, the two players side by side, then the keys they share.
const float hautTitre = 555.0f;
const float gauche = 40.0f;
const float hautCapsules = 522.0f;
const float pasCapsules = 34.0f;
const float xCapsule = 62.0f;
const float xEffet = 95.0f;
const float hautCommandes = 240.0f;
const float pasCommandes = 22.0f;
const float largeurColonne = 370.0f;
const float xJoueur2 = gauche + largeurColonne + 10.0f;
// A capsule drawn a little larger than on the field, to be seen at once.
const float pixelsParUniteCapsule = 15.0f;
// The page is drawn every 50 ms, a match frame every 16: three turns a pass
// spin the capsules as fast as in the match.
const int toursParPassage = 3;

std::string touche(int nJoueur, int commande) {
    return Commandes::nomDeTouche(currentSettings.getAssignedKey(nJoueur, commande));
}

// What player `nJoueur` plays with beside the keyboard; empty for nothing more.
std::string appareil(int nJoueur) {
    switch (currentSettings.getPeripherique(nJoueur)) {
    case Settings::PERIPH_SOURIS:
        return _("  Souris: glisser, clic: action");
    case Settings::PERIPH_MANETTE1:
        return _("  Manette 1: stick et bouton 1");
    case Settings::PERIPH_MANETTE2:
        return _("  Manette 2: stick et bouton 1");
    default:
        return "";
    }
}

} // namespace

Aide::Aide() {
    for (int k = 0; k < nbCapsules; ++k) {
        capsules.emplace_back(0.0f, 0.0f, static_cast<TYPEBONUS>(BONUS_LIFE + k));
    }
    titre.init(freetype::fichierPolice, 26);
    texte.init(freetype::fichierPolice, 16);
    petite.init(freetype::fichierPolice, 14);
}

bool Aide::montrer() {
    Aide aide;
    executer(aide, rythmeEcranAnime);
    return !aide.fenetreFermee();
}

void Aide::avancer() {
    for (Bonus& capsule : capsules) {
        for (int t = 0; t < toursParPassage; ++t) {
            capsule.tourner();
        }
    }
}

void Aide::dessiner() {
    toile::nouvelleImage();
    dessinerCapsules();
    dessinerTextes();
    SDL_GL_SwapBuffers();
}

std::vector<std::string> Aide::lignesJoueur(int nJoueur) {
    std::vector<std::string> lignes = {
        langue::formater(_("Joueur %d"), nJoueur),
        _("  gauche: ") + touche(nJoueur, Commandes::COMMANDE_GAUCHE),
        _("  droite: ") + touche(nJoueur, Commandes::COMMANDE_DROITE),
        langue::formater(_("  action: %s (lancer, tirer)"),
                         touche(nJoueur, Commandes::COMMANDE_ACTION).c_str())};
    const std::string autre = appareil(nJoueur);
    if (!autre.empty()) {
        lignes.push_back(autre);
    }
    return lignes;
}

std::vector<std::string> Aide::lignesCommunes() {
    return {langue::formater(_("Pause: %s (Start sur une manette)    F11: plein ecran"),
                             Commandes::nomDeTouche(currentSettings.getTouchePause()).c_str()),
            _("Echap: retour au menu, la partie est gardee pour plus tard"),
            _("Touches et appareils: menu Options")};
}

// Lit and turned as on the field, in the bright light whatever the
// match's, so that every colour reads.
void Aide::dessinerCapsules() {
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, largeurToile, 0, hauteurToile, -100, 100);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    etatScene();
    eclairer(true);
    float y = hautCapsules - pasCapsules + 6.0f;
    for (Bonus& capsule : capsules) {
        glPushMatrix();
        glTranslatef(xCapsule, y, 0.0f);
        glScalef(pixelsParUniteCapsule, pixelsParUniteCapsule, pixelsParUniteCapsule);
        capsule.afficher();
        glPopMatrix();
        y -= pasCapsules;
    }
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopAttrib();
}

void Aide::dessinerTextes() const {
    glColor3ub(255, 7, 7);
    freetype::print(titre, (largeurToile - freetype::largeur(titre, _("Aide"))) / 2, hautTitre,
                    "%s", _("Aide"));
    glColor3ub(200, 255, 255);
    freetype::print(texte, gauche, hautCapsules, "%s", _("Capsules (chacune rapporte 5 points)"));
    freetype::print(texte, gauche, hautCommandes, "%s", _("Commandes"));
    glColor3ub(230, 230, 230);
    float y = hautCapsules;
    for (const char* effet : effets) {
        y -= pasCapsules;
        freetype::print(texte, xEffet, y, "%s", _(effet));
    }
    for (int j = 1; j <= 2; ++j) {
        const float x = j == 1 ? gauche : xJoueur2;
        y = hautCommandes;
        for (const std::string& ligne : lignesJoueur(j)) {
            y -= pasCommandes;
            // The player's name in its paddle's colour, as on the field.
            y == hautCommandes - pasCommandes
                ? (j == 1 ? glColor3ub(0, 255, 10) : glColor3ub(255, 60, 40))
                : glColor3ub(230, 230, 230);
            freetype::print(texte, x, y, "%s",
                            freetype::ajuster(texte, ligne, largeurColonne).c_str());
        }
    }
    y = hautCommandes - 5 * pasCommandes - 10.0f;
    glColor3ub(255, 255, 0);
    for (const std::string& ligne : lignesCommunes()) {
        y -= pasCommandes;
        freetype::print(texte, gauche, y, "%s",
                        freetype::ajuster(texte, ligne, largeurToile - 2 * gauche).c_str());
    }
    glColor3ub(150, 150, 150);
    const char* const revenir = _("Une touche pour revenir");
    freetype::print(petite, (largeurToile - freetype::largeur(petite, revenir)) / 2, 18, "%s",
                    revenir);
}
