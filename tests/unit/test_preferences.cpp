#include "banc.h"
#include "preferences.h"
#include "settings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

// A settings folder of its own for each test, dropped with the environment.
class FichierReglages : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("XDG_CONFIG_HOME", racine.c_str(), 1);
        fs::create_directories(racine / "vorlen");
    }
    void TearDown() override {
        unsetenv("XDG_CONFIG_HOME");
        fs::remove_all(racine);
    }
    void ecrire(const std::string& texte) { std::ofstream(chemin) << texte; }
    std::string lire() const {
        std::ostringstream s;
        s << std::ifstream(chemin).rdbuf();
        return s.str();
    }
    // What loading says on standard error, into `reglages`.
    std::string charger(Settings& reglages) {
        ::testing::internal::CaptureStderr();
        preferences::charger(reglages);
        return ::testing::internal::GetCapturedStderr();
    }

    const fs::path racine =
        fs::temp_directory_path() / ("vorlen-prefs-" + std::to_string(getpid()));
    const fs::path chemin = racine / "vorlen" / "vorlen.ini";
};

} // namespace

TEST_F(FichierReglages, EveryChoiceSurvivesARestartUnknownKeysByTheirCode) {
    Settings avant;
    ASSERT_TRUE(avant.assignKey(SDLK_d, 2, 2));
    ASSERT_TRUE(avant.assignKey(SDLK_F1, 1, 0));
    ASSERT_TRUE(avant.assignTouchePause(SDLK_RETURN));
    avant.switchStatePleinEcran();
    avant.setVolume(3);
    preferences::enregistrer(avant);
    EXPECT_NE(lire().find("j1_gauche = touche 282\n"), std::string::npos) << lire();
    EXPECT_NE(lire().find("j2_action = d\n"), std::string::npos);

    Settings apres;
    EXPECT_EQ(charger(apres), "");
    EXPECT_EQ(apres.getTouches(), avant.getTouches());
    EXPECT_TRUE(apres.getPleinEcranState());
    EXPECT_EQ(apres.getVolume(), 3);
    // A run forced into a window still saves the remembered choice.
    apres.imposerPleinEcran(false);
    apres.volumeDown();
    preferences::enregistrer(apres);
    EXPECT_NE(lire().find("plein_ecran = oui\n"), std::string::npos);
}

TEST_F(FichierReglages, EachFaultIsOneLineTheDefaultsStandInAndTheFileStays) {
    const Settings defauts;
    const struct {
        const char* texte;
        const char* ligne;
        int j1Gauche;
        int volume;
    } cas[] = {
        {"[touches]\nj1_gauche = q\nj2_action = FLECHE\n", "FLECHE: ce n'est pas une touche",
         SDLK_q, 10},
        {"[touches]\nj1_gauche = touche 27\n", "touche 27: ce n'est pas une touche", SDLK_LEFT, 10},
        {"[touches]\nj1_gauche = q\nj2_gauche = Q\n", "une même touche sert deux fois", SDLK_LEFT,
         10},
        {"[touches]\nj1_gauche = p\n", "une même touche sert deux fois", SDLK_LEFT, 10},
        {"[options]\nvolume = 11\n[touches]\nj1_gauche = q\n", "volume = 11: attendu un nombre",
         SDLK_q, 10},
        {"[options]\nvolume = 4\ncouleur = bleu\n", "[options] couleur: réglage inconnu", SDLK_LEFT,
         4},
        {"[touches]\nj1_gauche = q\n\x01\x02 binaire\n", "ligne 3 ni [section]", SDLK_q, 10},
    };
    for (const auto& c : cas) {
        ecrire(c.texte);
        Settings s;
        const std::string erreurs = charger(s);
        EXPECT_EQ(erreurs.rfind("Vorlen: " + chemin.string() + ": ", 0), 0u) << erreurs;
        EXPECT_NE(erreurs.find(c.ligne), std::string::npos) << erreurs;
        EXPECT_EQ(std::count(erreurs.begin(), erreurs.end(), '\n'), 1) << erreurs;
        EXPECT_EQ(s.getAssignedKey(1, 0), c.j1Gauche) << c.texte;
        EXPECT_EQ(s.getVolume(), c.volume) << c.texte;
        EXPECT_EQ(s.getTouchePause(), defauts.getTouchePause());
        EXPECT_EQ(lire(), c.texte) << "left as it was";
    }
    fs::remove(chemin);
    fs::create_directory(chemin);
    Settings s;
    EXPECT_NE(charger(s).find("c'est un dossier"), std::string::npos);
    EXPECT_NE(charger(s).find("c'est un dossier"), std::string::npos);
}

TEST_F(FichierReglages, NoPlaceMeansMemoryOnlyAndAFailedSaveIsOneLine) {
    Settings s;
    fs::remove_all(racine / "vorlen");
    EXPECT_EQ(charger(s), "") << "no file: the defaults, silently";
    std::ofstream(racine / "vorlen") << "a file where the folder should be";
    ::testing::internal::CaptureStderr();
    preferences::enregistrer(s);
    const std::string echec = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(echec.rfind("Vorlen: réglages non enregistrés (", 0), 0u) << echec;
    EXPECT_EQ(std::count(echec.begin(), echec.end(), '\n'), 1);

    const char* home = std::getenv("HOME");
    const std::string homeGarde = home ? home : "";
    unsetenv("XDG_CONFIG_HOME");
    unsetenv("HOME");
    EXPECT_NE(charger(s).find("ne dureront que cette partie"), std::string::npos);
    setenv("HOME", homeGarde.c_str(), 1);
}

TEST(Horloge, PausedTimeCountsForNeitherTheReturnNorTheReload) {
    HorlogeDeTest horloge;
    Joueur J(1);
    J.destroy();
    J.reload();
    horloge::suspendre();
    horloge.avancer(10000);
    EXPECT_FALSE(J.hasRecovered());
    EXPECT_TRUE(J.isReloading());
    horloge::reprendre();
    horloge.avancer(500);
    EXPECT_TRUE(J.isReloading()) << "500 ms of play since the shot";
    horloge.avancer(1);
    EXPECT_FALSE(J.isReloading());
    horloge.avancer(2499);
    EXPECT_FALSE(J.hasRecovered()) << "3000 ms of play";
    horloge.avancer(1);
    EXPECT_TRUE(J.hasRecovered());
}
