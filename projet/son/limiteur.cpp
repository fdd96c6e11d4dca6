// SPDX-License-Identifier: GPL-3.0-or-later
#include "son/limiteur.h"

#include <algorithm>
#include <cmath>

namespace {

const float pleineEchelle = 32768.0f;

} // namespace

Limiteur::Limiteur(int frequence, int canaux)
    : nbCanaux(canaux), relache(std::exp(-1.0f / (dureeRelache * static_cast<float>(frequence)))),
      gain(1.0f), enveloppe(0.0f) {}

void Limiteur::traiter(Sint16* echantillons, int nombre) {
    for (Sint16* trame = echantillons; trame + nbCanaux <= echantillons + nombre;
         trame += nbCanaux) {
        // Every channel of a frame takes the same gain: the stereo image holds.
        float crete = 0.0f;
        for (int c = 0; c < nbCanaux; ++c) {
            crete = std::max(crete, std::fabs(trame[c] * gain / pleineEchelle));
        }
        enveloppe = std::max(crete, enveloppe * relache);
        const float reduction = enveloppe > seuil ? seuil / enveloppe : 1.0f;
        for (int c = 0; c < nbCanaux; ++c) {
            trame[c] = static_cast<Sint16>(std::lrint(trame[c] * gain * reduction));
        }
    }
}
