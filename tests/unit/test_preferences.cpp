// SPDX-License-Identifier: GPL-3.0-or-later
#include "profil/fichiers.h"
#include "profil/preferences.h"
#include "profil/settings.h"

#include "erreurs.h"
#include "outils.h"

#include <SDL_keysym.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

namespace fs = std::filesystem;

// Whether `f` says one line on standard error, starting with `debut`.
template <typename F>::testing::AssertionResult uneLigne(const std::string& debut, F f) {
    const std::string e = erreursDe(f);
    if (e.rfind(debut, 0) == 0 && std::count(e.begin(), e.end(), '\n') == 1) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "not one line starting with " << debut << ": " << e;
}

// A settings folder of its own, not made yet.
struct FichierPreferences : ::testing::Test {
    const DossierTemporaire tmp;
    const VariableGardee garde{"XDG_CONFIG_HOME"};
    const fs::path racine = tmp.chemin / "config";
    const fs::path chemin = racine / "vorlen" / "vorlen.ini";
    void SetUp() override { setenv("XDG_CONFIG_HOME", racine.c_str(), 1); }
    std::string lire() const { return lireFichier(chemin); }
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
        {"[touches]\nj1_gauche = p\n", "une même touche sert deux fois", SDLK_LEFT, 10},
        {"[options]\nvolume = 11\n[touches]\nj1_gauche = q\n", "volume = 11: attendu", SDLK_q, 10},
        {"[options]\nvolume = 4\ncouleur = bleu\n", "[options] couleur: réglage", SDLK_LEFT, 4},
        {"[touches]\nj1_gauche = q\n\x01\x02\n", "ligne 3 ni [section]", SDLK_q, 10},
        {"[options]\n\x1b]0;x\x07 = 1\n", "[options] ?]0;x?: réglage inconnu", SDLK_LEFT, 10},
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

TEST_F(FichierPreferences, NoFileIsSilentAFailedSaveIsOneLineXdgElseHomeElseMemoryOnly) {
    Settings s;
    EXPECT_EQ(erreursDe([&] { preferences::charger(s); }), "") << "no file: the defaults, silently";
    std::ofstream(racine) << "a file where the folder should be";
    EXPECT_TRUE(
        uneLigne("Vorlen: réglages non enregistrés (", [&] { preferences::enregistrer(s); }));
    const VariableGardee home("HOME"), donnees("XDG_DATA_HOME");
    setenv("HOME", "/home/joueuse", 1);
    setenv("XDG_DATA_HOME", "relatif", 1); // no place: a relative path
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(fichiers::dossierPreferences(), "/home/joueuse/.config/vorlen");
    EXPECT_EQ(fichiers::dossierDonneesJoueur(), "/home/joueuse/.local/share/vorlen");
    unsetenv("HOME");
    EXPECT_TRUE(uneLigne("Vorlen: ni XDG_CONFIG_HOME ni HOME", [&] { preferences::charger(s); }));
}

TEST_F(FichierPreferences, AKeyTwicePutsBackOnlyTheKeysInConflictAndSaysWhich) {
    fs::create_directories(chemin.parent_path());
    std::ofstream(chemin) << "[touches]\nj1_gauche = q\nj1_droite = x\nj2_gauche = Q\npause = y\n";
    Settings s;
    EXPECT_TRUE(uneLigne("Vorlen: " + chemin.string() +
                             ": une même touche sert deux fois; touche par défaut pour "
                             "j1_gauche, j2_gauche",
                         [&] { preferences::charger(s); }));
    const Settings::Touches attendues = {SDLK_LEFT, SDLK_x, SDLK_SPACE, SDLK_a,
                                         SDLK_z,    SDLK_w, SDLK_y};
    EXPECT_EQ(s.getTouches(), attendues);
}

// Two copies of the game on one settings folder, each saving its own change in turn.
TEST_F(FichierPreferences, TwoCopiesSavingInTurnKeepEachOthersChoicesAndNoStaleTemporary) {
    Settings a, b;
    preferences::charger(a);
    preferences::charger(b);
    a.setVolume(7);
    preferences::enregistrer(a);
    b.setEclairageVif(true);
    ASSERT_TRUE(b.assignKey(SDLK_q, 2, 0));
    std::ofstream(chemin.string() + ".illisible") << "kept aside by hand";
    preferences::enregistrer(b);
    a.setPleinEcran(true);
    preferences::enregistrer(a);
    Settings relus;
    preferences::charger(relus);
    EXPECT_EQ(std::tuple(relus.getVolume(), relus.getEclairageVif(), relus.getPleinEcranRetenu(),
                         relus.getAssignedKey(2, 0)),
              std::tuple(7, true, true, int(SDLK_q)));
    std::set<std::string> noms;
    for (const auto& entree : fs::directory_iterator(chemin.parent_path())) {
        noms.insert(entree.path().filename());
    }
    EXPECT_EQ(noms,
              (std::set<std::string>{"vorlen.ini", "vorlen.ini.illisible", "vorlen.ini.verrou"}));
}
