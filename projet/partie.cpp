#include "partie.h"

#include "horloge.h"
#include "mixer.h"
#include "settings.h"

#include <GL/gl.h>

namespace {

const char* const fichierNiveaux = "niveaux.lvl";
const int commandeGauche = 0;
const int commandeDroite = 1;
const int commandeAction = 2;

// Two boxes of half-extents (wp, hp) around P and (wq, hq) around Q overlap
// in the X-Y plane; touching edges count.
bool chevauchent(const Vecteur& P, double wp, double hp, const Vecteur& Q, double wq, double hq) {
    const double px = P.X;
    const double py = P.Y;
    const double qx = Q.X;
    const double qy = Q.Y;
    if (qx - wq > px + wp) {
        return false;
    }
    if (px - wp > qx + wq) {
        return false;
    }
    if (py - hp > qy + hq) {
        return false;
    }
    if (qy - hq > py + hp) {
        return false;
    }
    return true;
}

// Erases the elements of `liste` for which `retirer` holds, front to back.
template <typename T, typename Predicat> void effacerSi(std::list<T>& liste, Predicat retirer) {
    for (auto it = liste.begin(); it != liste.end();) {
        it = retirer(*it) ? liste.erase(it) : std::next(it);
    }
}

} // namespace

Partie::Partie(int nbJ, float hBriques, SIDE coteJ1, SIDE coteJ2)
    : joueur1(1), joueur2(2), gameover(false), niveauCourant(hBriques),
      disposition(this, 0, 0, 650, 600), nbJoueur(nbJ) {
    joueur1.setSide(coteJ1);
    joueur2.setSide(coteJ2);
    disposition.setJoueur(&joueur1, 1);
    disposition.setJoueur(&joueur2, 2);
    disposition.setNiveau(&niveauCourant);
}

void Partie::start() {
    initAffichage();
    bool continuer = true;
    while (continuer) {
        const Uint32 start_time = horloge::maintenant();
        continuer = traiterEvenements();
        gameHandler();
        redessiner();
        attendreFinDeFrame(start_time);
    }
}

void Partie::initAffichage() {
    disposition.initAffichage();
}

bool Partie::traiterEvenements() {
    bool continuer = true;
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
        case SDL_QUIT:
            continuer = false;
            break;
        case SDL_KEYDOWN:
            if (gameover) {
                // Once the match is lost, any key leaves it.
                continuer = false;
                toucheRelachee(event.key.keysym.sym);
            } else if (!toucheEnfoncee(event.key.keysym.sym)) {
                continuer = false;
            }
            break;
        case SDL_KEYUP:
            toucheRelachee(event.key.keysym.sym);
            break;
        default:
            break;
        }
    }
    return continuer;
}

// Returns false when the key asks to leave the match.
bool Partie::toucheEnfoncee(int touche) {
    commandeJoueur(joueur1, 1, touche);
    if (commandeJoueur(joueur2, 2, touche)) {
        return true;
    }
    return touche != toucheEchap;
}

bool Partie::commandeJoueur(Joueur& J, int nJoueur, int touche) {
    if (touche == currentSettings.getAssignedKey(nJoueur, commandeGauche)) {
        if (!J.isDestroyed()) {
            J.commandeGauche(true);
        }
        return true;
    }
    if (touche == currentSettings.getAssignedKey(nJoueur, commandeDroite)) {
        if (!J.isDestroyed()) {
            J.commandeDroite(true);
        }
        return true;
    }
    if (touche == currentSettings.getAssignedKey(nJoueur, commandeAction)) {
        lancerBalles(J);
        if (J.canShoot() && !J.isReloading() && !J.isDestroyed()) {
            tirer(J);
        }
        return true;
    }
    return false;
}

void Partie::tirer(Joueur& J) {
    newTir(&J);
    amixer.SPlay_PlayerFire();
    J.reload();
}

void Partie::toucheRelachee(int touche) {
    relacherCommande(joueur1, 1, touche);
    relacherCommande(joueur2, 2, touche);
}

void Partie::relacherCommande(Joueur& J, int nJoueur, int touche) {
    if (touche == currentSettings.getAssignedKey(nJoueur, commandeGauche)) {
        J.commandeGauche(false);
    } else if (touche == currentSettings.getAssignedKey(nJoueur, commandeDroite)) {
        J.commandeDroite(false);
    }
}

void Partie::gameHandler() {
    if (niveauCourant.nbBriquesRestantes() != 0) {
        deplacements();
        verifPositions();
    } else {
        niveauSuivant();
    }
}

// The level is cleared (or none is loaded yet): fresh balls, the next level.
void Partie::niveauSuivant() {
    listeBalles.clear();
    listeTirs.clear();
    listeBonus.clear();
    joueur1.setnBalles(0);
    newBall(&joueur1, true);
    if (nbJoueur == 2) {
        joueur2.setnBalles(0);
        newBall(&joueur2, true);
    }
    niveauCourant.initBriques(fichierNiveaux, niveauCourant.getNumNiveau() + 1);
}

void Partie::deplacements() {
    for (Joueur* J : {&joueur1, &joueur2}) {
        const int sens = J->deplacer();
        if (sens != 0) {
            for (Balle& balle : listeBalles) {
                if (balle.getProp() == J && balle.isHooked()) {
                    balle.suivreBatte(sens);
                }
            }
        }
    }
    effacerSi(listeDebris, [](Debris& debris) {
        if (debris.isTooOld()) {
            return true;
        }
        debris.deplacer();
        return false;
    });
    for (Balle& balle : listeBalles) {
        if (!balle.isHooked()) {
            balle.deplacer();
        }
    }
    for (Bonus& bonus : listeBonus) {
        bonus.deplacer();
    }
    for (Tir& tir : listeTirs) {
        tir.deplacer();
    }
}

void Partie::redessiner() {
    disposition.initFrame();
    for (Balle& balle : listeBalles) {
        balle.afficher();
    }
    for (int i = 0; i < Niveau::nbBriquesX; ++i) {
        for (int j = 0; j < Niveau::nbBriquesY; ++j) {
            if (niveauCourant.tabBriques[i][j]) {
                niveauCourant.tabBriques[i][j]->afficher();
            }
        }
    }
    // Fragments show both faces as they tumble.
    glDisable(GL_CULL_FACE);
    for (Debris& debris : listeDebris) {
        debris.afficher();
    }
    glEnable(GL_CULL_FACE);
    joueur1.afficher();
    if (nbJoueur == 2) {
        joueur2.afficher();
    }
    for (Bonus& bonus : listeBonus) {
        bonus.afficher();
    }
    for (Tir& tir : listeTirs) {
        tir.afficher();
    }
    if (gameover) {
        disposition.printGameOver();
    }
    glFlush();
    SDL_GL_SwapBuffers();
}

// Sleeps out the frame in halves, so the loop wakes close to its 16 ms mark;
// a late frame is not made up for.
void Partie::attendreFinDeFrame(Uint32 start_time) const {
    int wait = static_cast<int>(dureeFrame - (horloge::maintenant() - start_time));
    while (wait > 0) {
        SDL_Delay(wait / 2);
        wait = static_cast<int>(dureeFrame - (horloge::maintenant() - start_time));
    }
}

void Partie::newBall(Joueur* owner, bool accrochee) {
    Batte& batte = owner->getBatteRef();
    const float X = batte.getPosition()->X;
    const float Y = batte.getPosition()->Y + batte.getBoiteCol()->lY;
    listeBalles.emplace_back(owner, X, Y, accrochee);
    owner->addBalle();
}

void Partie::newTir(Joueur* owner) {
    const Vecteur* centre = owner->getBatteRef().getPosition();
    listeTirs.emplace_back(owner, centre->X, centre->Y, false);
}

void Partie::lancerBalles(Joueur& J) {
    for (Balle& balle : listeBalles) {
        if (balle.getProp() == &J && balle.isHooked()) {
            balle.lancer();
        }
    }
}

void Partie::detruireBrique(int i, int j) {
    niveauCourant.detruire(i, j);
}

bool Partie::eventCollision(Balle& balle, Batte& batte) {
    const double r = balle.getRayon();
    const BoiteCollision& bc = *batte.getBoiteCol();
    return chevauchent(*balle.getPosition(), r, r, *batte.getPosition(), bc.lX / 2.0, bc.lY / 2.0);
}

bool Partie::eventCollision(Brique& brique, Balle& balle) {
    const double r = balle.getRayon();
    const BoiteCollision& bc = *brique.getBoiteCol();
    return chevauchent(*balle.getPosition(), r, r, *brique.getPosition(), bc.lX / 2.0, bc.lY / 2.0);
}

bool Partie::eventCollision(Brique& brique, Tir& balle) {
    const double r = balle.getRayon();
    const BoiteCollision& bc = *brique.getBoiteCol();
    return chevauchent(*balle.getPosition(), r, r, *brique.getPosition(), bc.lX / 2.0, bc.lY / 2.0);
}

bool Partie::eventCollision(Bonus& bonus, Batte& batte) {
    const BoiteCollision& b = *bonus.getBoiteCol();
    const BoiteCollision& t = *batte.getBoiteCol();
    return chevauchent(*bonus.getPosition(), b.lX / 2.0f, b.lY / 2.0f, *batte.getPosition(),
                       t.lX / 2.0f, t.lY / 2.0f);
}
