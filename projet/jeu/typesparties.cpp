// SPDX-License-Identifier: GPL-3.0-or-later
#include "jeu/typesparties.h"

#include "niveaux/terrain.h"
#include "systeme/hasard.h"

#include <cstdlib>
#include <iterator>

TYPEBONUS tirerTypeBonus() {
    constexpr int BONUS_LIFE_PROP = 2;
    constexpr int BONUS_ABATTE_PROP = 25;
    constexpr int BONUS_RBATTE_PROP = 25;
    constexpr int BONUS_MULTIBALL_PROP = 20;
    constexpr int BONUS_BTRAVERSANTE_PROP = 10;
    constexpr int BONUS_ABALLE_PROP = 10;
    constexpr int BONUS_ARME_PROP = 8;
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

    constexpr int sommePoids = BONUS_LIFE_PROP + BONUS_ABATTE_PROP + BONUS_RBATTE_PROP +
                               BONUS_MULTIBALL_PROP + BONUS_BTRAVERSANTE_PROP + BONUS_ABALLE_PROP +
                               BONUS_ARME_PROP;
    static_assert(sommePoids == 100, "the weights share out the draws of rand() % 100");

    const int tmp = hasard::tirer() % 100;
    const int dernier = static_cast<int>(std::size(tirage)) - 1;
    int total = 0;
    for (int k = 0; k < dernier; ++k) {
        total += tirage[k].poids;
        if (tmp < total) {
            return tirage[k].type;
        }
    }
    // The shares fill the hundred draws: one past all the others is the last one's.
    return tirage[dernier].type;
}

Normal1j::Normal1j(std::string fichier)
    : Partie(1, terrain::yPremiereLigne1j, std::move(fichier)) {}

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

Coop2j::Coop2j(std::string fichier) : Partie(2, terrain::yPremiereLigne2j, std::move(fichier)) {}

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
