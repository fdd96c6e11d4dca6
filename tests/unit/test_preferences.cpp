// SPDX-License-Identifier: GPL-3.0-or-later
#include "profil/preferences.h"
#include "profil/settings.h"

#include <SDL_keysym.h>
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

// Whether `f` says one line on standard error, starting with `debut`.
template <typename F>::testing::AssertionResult uneLigne(const std::string& debut, F f) {
    ::testing::internal::CaptureStderr();
    f();
    const std::string e = ::testing::internal::GetCapturedStderr();
    if (e.rfind(debut, 0) == 0 && std::count(e.begin(), e.end(), '\n') == 1) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "not one line starting with " << debut << ": " << e;
}

// A settings folder of its own.
struct FichierPreferences : ::testing::Test {
    const fs::path racine = fs::temp_directory_path() / ("vorlen-ini-" + std::to_string(getpid()));
    const fs::path chemin = racine / "vorlen" / "vorlen.ini";
    void SetUp() override { setenv("XDG_CONFIG_HOME", racine.c_str(), 1); }
    void TearDown() override { fs::remove_all(racine); }
    std::string lire() const {
        return (std::ostringstream() << std::ifstream(chemin).rdbuf()).str();
    }
};

TEST_F(FichierPreferences, EveryChoiceSurvivesARestartUnnamedKeysByTheirCode) {
    Settings avant, apres;
    ASSERT_TRUE(avant.assignKey(SDLK_F1, 1, 0) && avant.assignTouchePause(SDLK_RETURN));
    avant.switchStatePleinEcran();
    avant.setVolume(3);
    preferences::enregistrer(avant);
    EXPECT_NE(lire().find("\nj1_gauche = touche 282\n"), std::string::npos) << lire();
    preferences::charger(apres);
    EXPECT_EQ(apres.getTouches(), avant.getTouches());
    EXPECT_TRUE(apres.getPleinEcranState() && apres.getVolume() == 3);
    apres.imposerPleinEcran(false); // a run the command line keeps in a window
    preferences::enregistrer(apres);
    EXPECT_NE(lire().find("\nplein_ecran = oui\n"), std::string::npos) << "not saved";
}

TEST_F(FichierPreferences, EachFaultIsOneLineNamingTheFileTheDefaultStandsInTheFileStays) {
    const struct {
        const char *texte, *ligne;
        int gauche, volume;
    } cas[] = {
        {"[touches]\nj1_gauche = q\nj2_action = FLECHE\n", "j2_action = FLECHE: ce n", SDLK_q, 10},
        {"[touches]\nj1_gauche = touche 27\n", "j1_gauche = touche 27: ce n", SDLK_LEFT, 10},
        {"[touches]\nj1_gauche = q\nj2_gauche = Q\n", "une même touche", SDLK_LEFT, 10},
        {"[touches]\nj1_gauche = p\n", "une même touche sert deux fois", SDLK_LEFT, 10},
        {"[options]\nvolume = 11\n[touches]\nj1_gauche = q\n", "volume = 11: attendu", SDLK_q, 10},
        {"[options]\nvolume = 4\ncouleur = bleu\n", "[options] couleur: réglage", SDLK_LEFT, 4},
        {"[touches]\nj1_gauche = q\n\x01\x02\n", "ligne 3 ni [section]", SDLK_q, 10},
    };
    fs::create_directories(chemin.parent_path());
    for (const auto& c : cas) {
        std::ofstream(chemin) << c.texte;
        Settings s;
        const std::string debut = "Vorlen: " + chemin.string() + ": " + c.ligne;
        EXPECT_TRUE(uneLigne(debut, [&] { preferences::charger(s); }));
        EXPECT_TRUE(s.getAssignedKey(1, 0) == c.gauche && s.getVolume() == c.volume) << c.texte;
        EXPECT_EQ(lire(), c.texte) << "left as it was";
    }
}

TEST_F(FichierPreferences, NoFileIsSilentNoPlaceIsMemoryOnlyAFailedSaveIsOneLine) {
    Settings s;
    ::testing::internal::CaptureStderr();
    preferences::charger(s);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "") << "no file: the defaults, silently";
    std::ofstream(racine) << "a file where the folder should be";
    const std::string echec = "Vorlen: réglages non enregistrés (";
    EXPECT_TRUE(uneLigne(echec, [&] { preferences::enregistrer(s); }));
    const std::string home = getenv("HOME"), memoire = "Vorlen: ni XDG_CONFIG_HOME ni HOME";
    unsetenv("XDG_CONFIG_HOME");
    unsetenv("HOME");
    EXPECT_TRUE(uneLigne(memoire, [&] { preferences::charger(s); }));
    setenv("HOME", home.c_str(), 1);
}
