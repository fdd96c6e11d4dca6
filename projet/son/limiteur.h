// SPDX-License-Identifier: GPL-3.0-or-later
// The last step of the mixed sound: the player's volume, then a limiter that
// holds several effects at once below full scale instead of clipping them.
// An effect alone stays under its threshold and passes untouched.
#ifndef VORLEN_LIMITEUR_H
#define VORLEN_LIMITEUR_H

#include <SDL_types.h>

class Limiteur {
public:
    // The loudest output, as a fraction of full scale.
    static constexpr float seuil = 0.95f;
    // How fast the gain comes back after a peak, in seconds.
    static constexpr float dureeRelache = 0.05f;

    // For interleaved frames of `canaux` samples, `frequence` frames a second.
    Limiteur(int frequence, int canaux);

    // The gain applied before limiting: 1 leaves the samples as they are.
    void regler(float nouveauGain) { gain = nouveauGain; }
    // Applies the gain, then lowers every frame that would pass the threshold,
    // and the frames after it, recovering gradually: no sudden jump, no clipping.
    void traiter(Sint16* echantillons, int nombre);

private:
    int nbCanaux;
    float relache;
    float gain;
    float enveloppe;
};

#endif
