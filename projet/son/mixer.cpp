// SPDX-License-Identifier: GPL-3.0-or-later
#include "son/mixer.h"

#include <iostream>

namespace {

const int frequence = 88200;
const int nbCanauxSortie = 2;
const int tailleTampon = 4096;

// SDL_mixer's post-mix hook, on the audio thread: the whole mixed buffer.
void limiter(void* limiteur, Uint8* flux, int octets) {
    static_cast<Limiteur*>(limiteur)->traiter(reinterpret_cast<Sint16*>(flux),
                                              octets / static_cast<int>(sizeof(Sint16)));
}

// Starts a chunk once on the first free channel; a missing chunk plays nothing.
void lancer(Mix_Chunk* chunk) {
    if (chunk) {
        Mix_PlayChannelTimed(-1, chunk, 0, -1);
    }
}

} // namespace

AudioMixer::AudioMixer()
    : high(nullptr), med(nullptr), low(nullptr), shoot(nullptr), ricochet(nullptr),
      death(nullptr), verre{nullptr, nullptr, nullptr}, pickup(nullptr), vie(nullptr),
      grand(nullptr), court(nullptr) {}

AudioMixer::~AudioMixer() {
    Mix_Chunk* const chunks[] = {high,     med,      low,    shoot, ricochet, death, verre[0],
                                 verre[1], verre[2], pickup, vie,   court,    grand};
    for (Mix_Chunk* chunk : chunks) {
        if (chunk) {
            Mix_FreeChunk(chunk);
        }
    }
    Mix_CloseAudio();
}

bool AudioMixer::initMixer() {
    bool init = true;
    if (Mix_OpenAudio(frequence, AUDIO_S16SYS, nbCanauxSortie, tailleTampon) == -1) {
        std::cout << "(EE) Le mixer audio n'est pas initialisé" << std::endl;
        init = false;
    } else {
        installerLimiteur();
    }
    std::cout << "===== Fichiers son =====" << std::endl;
    loadWavChunk(&high, "sounds/high.wav");
    loadWavChunk(&med, "sounds/medium.wav");
    loadWavChunk(&low, "sounds/low.wav");
    loadWavChunk(&shoot, "sounds/gunshot2.wav");
    loadWavChunk(&ricochet, "sounds/Ricochet4.wav");
    loadWavChunk(&death, "sounds/die.wav");
    loadWavChunk(&verre[0], "sounds/verre1.ogg");
    loadWavChunk(&verre[1], "sounds/verre2.ogg");
    loadWavChunk(&verre[2], "sounds/verre3.ogg");
    loadWavChunk(&pickup, "sounds/pickup.wav");
    loadWavChunk(&vie, "sounds/viesupp.wav");
    loadWavChunk(&grand, "sounds/grand.ogg");
    loadWavChunk(&court, "sounds/court.wav");
    std::cout << "===== Fin des fichiers son =====" << std::endl;
    return init;
}

void AudioMixer::installerLimiteur() {
    Mix_AllocateChannels(nbCanaux);
    Mix_Volume(-1, MIX_MAX_VOLUME / nbCanaux);
    int frequenceOuverte;
    Uint16 formatOuvert;
    int canauxOuverts;
    if (Mix_QuerySpec(&frequenceOuverte, &formatOuvert, &canauxOuverts) != 0 &&
        formatOuvert == AUDIO_S16SYS) {
        limiteur = std::make_unique<Limiteur>(frequenceOuverte, canauxOuverts);
        Mix_SetPostMix(limiter, limiteur.get());
    }
}

void AudioMixer::setVolume(int niveau, int niveauMax) {
    if (limiteur) {
        SDL_LockAudio();
        limiteur->regler(static_cast<float>(nbCanaux * niveau) / static_cast<float>(niveauMax));
        SDL_UnlockAudio();
    }
}

void AudioMixer::loadWavChunk(Mix_Chunk** chunk, const char* name) {
    *chunk = Mix_LoadWAV(name);
    if (*chunk == nullptr) {
        std::cout << "(WW)" << name << " not found" << std::endl;
    } else {
        std::cout << name << " loaded" << std::endl;
    }
}

void AudioMixer::SPlay_BrickHit() {
    lancer(med);
}
void AudioMixer::SPlay_BrickDestroy(int numVerre) {
    lancer(verre[numVerre]);
}
void AudioMixer::SPlay_PlayerDestroy() {
    lancer(death);
}
void AudioMixer::SPlay_PlayerHit() {
    lancer(low);
}
void AudioMixer::SPlay_PlayerFire() {
    lancer(shoot);
}
void AudioMixer::SPlay_Ricochet() {
    lancer(ricochet);
}
void AudioMixer::SPlay_LesserHit() {
    lancer(low);
}
void AudioMixer::SPlay_BonusPickup() {
    lancer(pickup);
}
void AudioMixer::SPlay_VieSupp() {
    lancer(vie);
}
void AudioMixer::SPlay_PlusGrand() {
    lancer(grand);
}
void AudioMixer::SPlay_PlusCourt() {
    lancer(court);
}

void AudioMixer::jouer(const FileSons& sons) {
    for (const Son& son : sons) {
        switch (son.effet) {
        case Effet::impactBrique:
            SPlay_BrickHit();
            break;
        case Effet::brisureBrique:
            SPlay_BrickDestroy(son.verre);
            break;
        case Effet::destructionJoueur:
            SPlay_PlayerDestroy();
            break;
        case Effet::renvoiBatte:
            SPlay_PlayerHit();
            break;
        case Effet::tirJoueur:
            SPlay_PlayerFire();
            break;
        case Effet::ricochet:
            SPlay_Ricochet();
            break;
        case Effet::impactMur:
            SPlay_LesserHit();
            break;
        case Effet::capsule:
            SPlay_BonusPickup();
            break;
        case Effet::vieSupp:
            SPlay_VieSupp();
            break;
        case Effet::plusGrand:
            SPlay_PlusGrand();
            break;
        case Effet::plusCourt:
            SPlay_PlusCourt();
            break;
        }
    }
}
