// SPDX-License-Identifier: GPL-3.0-or-later
// The game's sound effects: opens the audio device, loads the effects from
// sounds/ and plays them, fire and forget.
#ifndef VORLEN_MIXER_H
#define VORLEN_MIXER_H

#include "son/limiteur.h"
#include "son/sons.h"

#include <SDL_mixer.h>

#include <memory>

class AudioMixer {
public:
    static constexpr int nbVerres = 3;
    // Effects heard at once; each channel mixes at 1/nbCanaux of full volume,
    // so that their sum never reaches full scale before the limiter.
    static constexpr int nbCanaux = 8;

    AudioMixer();
    // Frees every effect and closes the device.
    ~AudioMixer();
    AudioMixer(const AudioMixer&) = delete;
    AudioMixer& operator=(const AudioMixer&) = delete;

    // Opens the device and loads every effect; true when the device opened.
    bool initMixer();
    // Every effect's volume, `niveau` out of `niveauMax`; 0 is silence; at
    // the top an effect alone plays as loud as its file. Only an open device
    // has a volume to set.
    void setVolume(int niveau, int niveauMax);

    // A frame's sounds, in the order the rules asked for them.
    void jouer(const FileSons& sons);

    void SPlay_BrickHit();
    // `verre` picks the glass, drawn as `rand() % nbVerres`.
    void SPlay_BrickDestroy(int verre);
    void SPlay_PlayerDestroy();
    void SPlay_PlayerHit();
    void SPlay_PlayerFire();
    void SPlay_Ricochet();
    void SPlay_LesserHit();
    void SPlay_BonusPickup();
    void SPlay_VieSupp();
    void SPlay_PlusGrand();
    void SPlay_PlusCourt();

private:
    void loadWavChunk(Mix_Chunk** chunk, const char* name);
    // Puts the limiter after the mix, when the device plays 16-bit samples.
    void installerLimiteur();

    Mix_Chunk* high;
    Mix_Chunk* med;
    Mix_Chunk* low;
    Mix_Chunk* shoot;
    Mix_Chunk* ricochet;
    Mix_Chunk* death;
    Mix_Chunk* verre[nbVerres];
    Mix_Chunk* pickup;
    Mix_Chunk* vie;
    Mix_Chunk* grand;
    Mix_Chunk* court;
    std::unique_ptr<Limiteur> limiteur;
};

extern AudioMixer amixer;

#endif
