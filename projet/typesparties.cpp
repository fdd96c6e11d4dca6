#include "typesparties.h"

#include <cstdlib>

namespace {
const float hauteurBriques1j = 3.0f;
}

TYPEBONUS tirerTypeBonus() {
    const int BONUS_LIFE_PROP = 2;
    const int BONUS_ABATTE_PROP = 25;
    const int BONUS_RBATTE_PROP = 25;
    const int BONUS_MULTIBALL_PROP = 20;
    const int BONUS_BTRAVERSANTE_PROP = 10;
    const int BONUS_ABALLE_PROP = 10;
    const int BONUS_ARME_PROP = 8;
    const struct {
        int poids;
        TYPEBONUS type;
    } tirage[] = {{BONUS_LIFE_PROP, BONUS_LIFE},
                  {BONUS_ABATTE_PROP, BONUS_ABATTE},
                  {BONUS_RBATTE_PROP, BONUS_RBATTE},
                  {BONUS_MULTIBALL_PROP, BONUS_MULTIBALL},
                  {BONUS_BTRAVERSANTE_PROP, BONUS_BTRAVERSANTE},
                  {BONUS_ABALLE_PROP, BONUS_ABALLE},
                  {BONUS_ARME_PROP, BONUS_ARME}};

    const int tmp = rand() % 100;
    int total = 0;
    for (const auto& choix : tirage) {
        total += choix.poids;
        if (tmp < total) {
            return choix.type;
        }
    }
    return BONUS_NONE;
}

Normal1j::Normal1j() : Partie(1, hauteurBriques1j, COTE_BAS, COTE_BAS) {}

void Normal1j::verifPositions() {
    if (joueurHorsJeu(joueur1)) {
        gameover = true;
    }
    tirsContreBriques(&AudioMixer::SPlay_Ricochet);
    reglesBalles();
    attraperBonus();
}

void Normal1j::reglesBalles() {
    for (auto it = listeBalles.begin(); it != listeBalles.end();) {
        Balle& balle = *it;
        const float r = balle.getRayon();
        rebondMurs(balle, r);
        balleContreBriques(balle, r);
        renvoyerSurBatte(balle, joueur1);
        const auto suivante = std::next(it);
        if (balle.getPosition()->Y < ligneDePerte) {
            listeBalles.erase(it);
            perdreBalle(joueur1);
        }
        it = suivante;
    }
}

// A ball of `J` has left the field; its last one costs the paddle.
void Normal1j::perdreBalle(Joueur& J) {
    J.rmBalle();
    if (J.getnBalles() == 0) {
        destroyJoueur(J);
    }
}

// While the player is away, capsules are neither caught nor dropped.
void Normal1j::attraperBonus() {
    if (joueur1.isDestroyed()) {
        return;
    }
    for (auto it = listeBonus.begin(); it != listeBonus.end();) {
        auto courant = it++;
        if (eventCollision(*courant, joueur1.getBatteRef())) {
            applyBonus(joueur1, courant);
            listeBonus.erase(courant);
            joueur1.ajouterScore(scoreBonus);
        } else if (courant->getPosition()->Y < ligneDePerte) {
            listeBonus.erase(courant);
        }
    }
}

void Normal1j::newBonus(float X, float Y, int sens) {
    listeBonus.emplace_back(X, Y, tirerTypeBonus(), sens);
}
