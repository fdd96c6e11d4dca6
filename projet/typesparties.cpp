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

void Normal1j::verifPositions() {}

void Normal1j::newBonus(float X, float Y, int sens) {
    listeBonus.emplace_back(X, Y, tirerTypeBonus(), sens);
}
