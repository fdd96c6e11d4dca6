// SPDX-License-Identifier: GPL-3.0-or-later
#include "jeu/typesparties.h"

#include "niveaux/terrain.h"

#include <cstdlib>

#include <iostream>

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

Normal1j::Normal1j() : Partie(1, terrain::yPremiereLigne1j) {}

void Normal1j::verifPositions() {
    if (joueurHorsJeu(joueur1)) {
        gameover = true;
    }
    tirsContreBriques(Effet::ricochet);
    reglesBalles({&joueur1});
    attraperBonus({&joueur1});
}

void Normal1j::newBonus(float X, float Y) {
    listeBonus.emplace_back(X, Y, tirerTypeBonus());
}

Coop2j::Coop2j() : Partie(2, terrain::yPremiereLigne2j) {}

void Coop2j::verifPositions() {
    gameover = checkPlayerState();
    tirsContreBriques(Effet::impactBrique);
    reglesBalles({&joueur1, &joueur2});
    attraperBonus({&joueur1, &joueur2});
}

bool Coop2j::checkPlayerState() {
    const bool J1mort = joueurHorsJeu(joueur1);
    const bool J2mort = joueurHorsJeu(joueur2);
    return J1mort && J2mort;
}

void Coop2j::newBonus(float X, float Y) {
    listeBonus.emplace_back(X, Y, tirerTypeBonus());
}
