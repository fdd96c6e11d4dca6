#include "banc.h"
#include "fenetre.h"
#include "menu.h"
#include "mixer.h"
#include "pleinecran.h"
#include "settings.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

static void pousser(Uint8 type, SDLKey sym, Uint8 etat = 0) {
    SDL_Event event = {type};
    event.key.keysym.sym = sym;
    if (type == SDL_ACTIVEEVENT) {
        event.active = {SDL_ACTIVEEVENT, 0, etat};
    }
    SDL_PushEvent(&event);
}

TEST(Reglages, ThePauseKeyOrALostFocusFreezesTheMatchUntilThePauseKey) {
    HorlogeDeTest horloge;
    Banc<Normal1j> partie;
    partie.frame();
    const Balle& balle = partie.poserBalle(partie.j1(), 0.0f, 0.0f, 0.3f);
    for (const Uint8 arret : {Uint8(SDL_KEYDOWN), Uint8(SDL_ACTIVEEVENT)}) {
        pousser(arret, SDLK_p, SDL_APPINPUTFOCUS);
        pousser(SDL_KEYDOWN, SDLK_RIGHT);
        ASSERT_TRUE(partie.frame());
        const Vecteur ici = *balle.getPosition();
        const Uint32 temps = horloge::maintenant();
        horloge.avancer(1000);
        EXPECT_TRUE(partie.frame());
        EXPECT_EQ(balle.getPosition()->X, ici.X);
        EXPECT_EQ(balle.getPosition()->Y, ici.Y);
        EXPECT_EQ(partie.j1().getBatteRef().getPosition()->X, 0.0f) << "the arrow is ignored";
        EXPECT_EQ(horloge::maintenant(), temps);
        const Capture pause;
        EXPECT_TRUE(pause.unPixelDans(230, 420, 240, 290, [](Pixel p) {
            return p.r > 230 && p.v > 230 && p.b > 230;
        })) << "\"Pause\" over the field";
        pause.garderSiEchec();
        pousser(SDL_KEYDOWN, SDLK_p);
        partie.frame();
        EXPECT_NE(balle.getPosition()->Y, ici.Y) << "the same key resumes";
    }
    pousser(SDL_KEYDOWN, SDLK_p);
    pousser(SDL_KEYDOWN, SDLK_ESCAPE);
    EXPECT_FALSE(partie.frame()) << "Escape leaves a paused match";
}

TEST(Reglages, FullScreenKeepsTheContextTheMenuDrawsAndTheChoiceIsSaved) {
    pousser(SDL_QUIT, SDLK_UNKNOWN);
    Menu menu(0.0f, 0.0f, 20.0f, -20.0f);
    for (const bool plein : {true, false}) {
        pleinecran::basculer();
        EXPECT_EQ((SDL_GetVideoSurface()->flags & SDL_FULLSCREEN) != 0, plein);
        EXPECT_EQ(currentSettings.getPleinEcranState(), plein);
        ASSERT_NE(getenv("XDG_CONFIG_HOME"), nullptr) << "tests keep away from the real home";
        std::ifstream fichier(std::string(getenv("XDG_CONFIG_HOME")) + "/vorlen/vorlen.ini");
        const std::string texte(std::istreambuf_iterator<char>(fichier), {});
        EXPECT_NE(texte.find(plein ? "plein_ecran = oui" : "plein_ecran = non"), std::string::npos);
        menu.display();
        const Capture menuDessine;
        EXPECT_TRUE(menuDessine.unPixelDans(310, 600, 365, 391, [](Pixel p) {
            return p.r > 230 && p.v > 230 && p.b > 230;
        })) << "the highlighted item, its font intact";
        EXPECT_TRUE(menuDessine.unPixelDans(120, 680, 30, 330, [](Pixel p) { return p.r > 150; }))
            << "the title image, its texture intact";
        menuDessine.garderSiEchec();
    }
}

// Through SDL's disk audio driver: silence at volume 0, sound at 10.
TEST(Reglages, TheVolumeReachesEveryEffectAndZeroIsSilence) {
    const std::string fichier = testing::TempDir() + "vorlen-volume.raw";
    const std::string pilote = getenv("SDL_AUDIODRIVER") ? getenv("SDL_AUDIODRIVER") : "dummy";
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", fichier.c_str(), 1);
    setenv("SDL_DISKAUDIODELAY", "10", 1);
    std::streamoff silence = 0;
    {
        AudioMixer son;
        ASSERT_TRUE(son.initMixer());
        for (const int volume : {0, Settings::volumeMax}) {
            son.setVolume(volume, Settings::volumeMax);
            son.SPlay_PlayerHit();
            son.SPlay_BrickDestroy();
            SDL_Delay(50);
            while (Mix_Playing(-1) != 0) {
                SDL_Delay(10);
            }
            SDL_Delay(200);
            if (volume == 0) {
                silence = std::ifstream(fichier, std::ios::ate).tellg();
            }
        }
    }
    setenv("SDL_AUDIODRIVER", pilote.c_str(), 1);
    std::ifstream f(fichier, std::ios::binary);
    const std::string octets(std::istreambuf_iterator<char>(f), {});
    ASSERT_GT(silence, 0);
    EXPECT_GE(octets.find_first_not_of('\0'), static_cast<std::size_t>(silence)) << "volume 0";
    EXPECT_NE(octets.find_first_not_of('\0', silence), std::string::npos) << "volume 10";
    std::remove(fichier.c_str());
}
