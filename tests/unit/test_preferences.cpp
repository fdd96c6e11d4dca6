// SPDX-License-Identifier: GPL-3.0-or-later
#include "profil/difficulte.h"
#include "profil/fichiers.h"
#include "profil/preferences.h"
#include "profil/settings.h"
#include "systeme/catalogue.h"
#include "systeme/langue.h"
#include "systeme/signalements.h"

#include "erreurs.h"
#include "outils.h"

#include <SDL_keysym.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <set>
#include <tuple>

namespace fs = std::filesystem;
using namespace std::string_literals;

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
    avant.setLangue(langue::ANGLAIS);
    avant.setDifficulte(difficulte::DIFFICILE);
    preferences::enregistrer(avant);
    EXPECT_NE(lire().find("\nlangue = anglais\ndifficulte = difficile\n"), std::string::npos)
        << lire();
    EXPECT_NE(lire().find("\nj1_gauche = touche 282\n"), std::string::npos) << lire();
    preferences::charger(apres);
    EXPECT_EQ(apres.getTouches(), avant.getTouches());
    EXPECT_TRUE(apres.getPleinEcranState() && apres.getVolume() == 3);
    EXPECT_EQ(apres.getLangue(), langue::ANGLAIS);
    EXPECT_EQ(apres.getDifficulte(), difficulte::DIFFICILE);
    apres.imposerPleinEcran(false); // a run the command line keeps in a window
    preferences::enregistrer(apres);
    EXPECT_NE(lire().find("\nplein_ecran = oui\n"), std::string::npos) << "not saved";
}

TEST_F(FichierPreferences, EachFaultIsOneLineNamingTheFileTheDefaultStandsInTheFileStays) {
    const std::string longue = "j1_gauche = q ; " + std::string(200, '-') + "\n";
    const struct {
        std::string texte;
        const char* ligne;
        int gauche, volume;
    } cas[] = {
        {"[touches]\nj1_gauche = q\nj2_action = FLECHE\n", "j2_action = FLECHE: ce n", SDLK_q, 10},
        {"[touches]\nj1_gauche = touche 27\n", "j1_gauche = touche 27: ce n", SDLK_LEFT, 10},
        {"[touches]\nj1_gauche = p\n", "une même touche sert deux fois", SDLK_LEFT, 10},
        {"[options]\nvolume = 11\n[touches]\nj1_gauche = q\n", "volume = 11: attendu", SDLK_q, 10},
        {"[options]\nvolume = 4\ncouleur = bleu\n", "[options] couleur: réglage", SDLK_LEFT, 4},
        // A byte order mark starts a file, not a line.
        {"[touches]\nj1_gauche = q\n\xEF\xBB\xBF[x]\n", "ligne 3 ni [section]", SDLK_q, 10},
        {"[options]\n\x1b]0;x\x07 = 1\n", "[options] ?]0;x?: réglage inconnu", SDLK_LEFT, 10},
        {"[touches]\n" + longue, "ligne 2 trop longue, ignorée", SDLK_LEFT, 10},
        {"[options]\nvolume = 4\n\0\nvolume = 5\n"s, "ligne 3: octet nul, la suite est ignorée",
         SDLK_LEFT, 4},
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
    // Every line skipped is said, up to the bound, not only the first.
    std::string abimees = "[options]\n";
    for (int k = 0; k < Signalements::maxLignes + 2; ++k) {
        abimees += "?\n";
    }
    std::ofstream(chemin) << abimees;
    const std::string dit = erreursDe([] {
        Settings s;
        preferences::charger(s);
    });
    EXPECT_EQ(std::count(dit.begin(), dit.end(), '\n'), Signalements::maxLignes + 1) << dit;
    EXPECT_NE(dit.find("ligne 11 ni [section]"), std::string::npos) << dit;
    EXPECT_NE(dit.find("trop d'erreurs, 2 autres"), std::string::npos) << dit;
}

// A file the player wrote, in which the game changes the volume: the volume's
// line alone changes, or is added, every other byte as it was; a file a NUL
// byte cut short is kept aside whole and written afresh.
TEST_F(FichierPreferences, ASaveRewritesOnlyTheLinesOfTheValuesItChanges) {
    const struct {
        const char* quoi;
        std::string avant, apres;
    } cas[] = {
        {"comments, unknown names and sections, a value the game did not change",
         "; mes reglages\n[options]\neclairage = fluo\nvolume = 3\ncouleur = bleu\n\n[x]\ny=1\n",
         "; mes reglages\n[options]\neclairage = fluo\nvolume = 7\ncouleur = bleu\n\n[x]\ny=1\n"},
        {"the player's spelling, an inline comment", "[options]\n volume\t:  fort   ; oui\n",
         "[options]\n volume\t:  7   ; oui\n"},
        {"CR LF", "[options]\r\nvolume=3\r\n[touches]\r\n",
         "[options]\r\nvolume=7\r\n[touches]\r\n"},
        {"CR LF, the volume added to its section", "[options]\r\neclairage = vif\r\n[touches]\r\n",
         "[options]\r\neclairage = vif\r\nvolume = 7\r\n[touches]\r\n"},
        {"the value already said, in the player's spelling", "[options]\nvolume = 07\n",
         "[options]\nvolume = 07\n"},
        {"a name twice, the last one read", "[options]\nvolume = 2\nvolume = 3\n",
         "[options]\nvolume = 2\nvolume = 7\n"},
        {"no last line end", "[options]\nvolume = 3", "[options]\nvolume = 7"},
        {"no last line end, a new section", "[touches]\npause = o",
         "[touches]\npause = o\n\n[options]\nvolume = 7\n"},
        {"a byte order mark", "\xEF\xBB\xBF[options]\n; rien\n",
         "\xEF\xBB\xBF[options]\nvolume = 7\n; rien\n"},
        {"a section with no value yet", "[options]\n; rien\n", "[options]\nvolume = 7\n; rien\n"},
        {"an indented line the new one would continue", "[options]\n  5\n",
         "[options]\n  5\n\n[options]\nvolume = 7\n"},
        {"a comment the value would run into", "[options]\nvolume = ; fort\n",
         "[options]\nvolume = ; fort\nvolume = 7\n"},
        {"a NUL byte", "[options]\nvolume = 3\n\0[touches]\n"s, ""},
    };
    fs::create_directories(chemin.parent_path());
    const std::string aCote = chemin.string() + ".illisible";
    for (const auto& c : cas) {
        SCOPED_TRACE(c.quoi);
        std::ofstream(chemin, std::ios::binary) << c.avant;
        Settings s, relus;
        erreursDe([&] {
            preferences::charger(s);
            s.setVolume(7);
            preferences::enregistrer(s);
            preferences::charger(relus);
        });
        const bool neuf = c.apres.empty();
        EXPECT_EQ(lire(), neuf ? preferences::texte(s) : c.apres);
        EXPECT_EQ(lireFichier(aCote), neuf ? c.avant : "");
        EXPECT_EQ(s.getEnregistrement().aCote, neuf ? aCote : "");
        EXPECT_EQ(relus.getVolume(), 7);
        fs::remove(aCote);
    }
}

TEST_F(FichierPreferences, NoFileIsSilentAFailedSaveIsOneLineXdgElseHomeElseMemoryOnly) {
    Settings s;
    EXPECT_EQ(erreursDe([&] { preferences::charger(s); }), "") << "no file: the defaults, silently";
    std::ofstream(racine) << "a file where the folder should be";
    EXPECT_TRUE(
        uneLigne("Vorlen: réglages non enregistrés (", [&] { preferences::enregistrer(s); }));
    EXPECT_FALSE(s.getEnregistrement().reussi) << "kept for the menus";
    fs::remove(racine);
    preferences::enregistrer(s);
    EXPECT_TRUE(s.getEnregistrement().reussi) << "saved at last";
    const VariableGardee home("HOME"), donnees("XDG_DATA_HOME");
    setenv("HOME", "/home/joueuse", 1);
    setenv("XDG_DATA_HOME", "relatif", 1); // no place: a relative path
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(fichiers::dossierPreferences(), "/home/joueuse/.config/vorlen");
    EXPECT_EQ(fichiers::dossierDonneesJoueur(), "/home/joueuse/.local/share/vorlen");
    unsetenv("HOME");
    EXPECT_TRUE(uneLigne("Vorlen: ni XDG_CONFIG_HOME ni HOME", [&] { preferences::charger(s); }));
    EXPECT_EQ(erreursDe([&] { preferences::enregistrer(s); }), "") << "said at start";
    EXPECT_EQ(s.getEnregistrement().raison, "ni XDG_CONFIG_HOME ni HOME");
    EXPECT_FALSE(s.getEnregistrement().reussi);
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
    ASSERT_TRUE(a.assignKey(SDLK_e, 1, 0));
    a.setPeripherique(2, Settings::PERIPH_MANETTE1);
    preferences::enregistrer(a);
    // Both took E, for two commands: the set of the last to save holds whole;
    // the gamepad goes to the last to take it.
    ASSERT_TRUE(b.assignKey(SDLK_e, 2, 1));
    b.setPeripherique(1, Settings::PERIPH_MANETTE1);
    preferences::enregistrer(b);
    Settings relus;
    preferences::charger(relus);
    EXPECT_EQ(
        std::tuple(relus.getVolume(), relus.getEclairageVif(), relus.getPleinEcranRetenu(),
                   relus.getPeripherique(1), relus.getPeripherique(2)),
        std::tuple(7, true, true, int(Settings::PERIPH_MANETTE1), int(Settings::PERIPH_CLAVIER)));
    const Settings::Touches attendues = {SDLK_LEFT, SDLK_RIGHT, SDLK_SPACE, SDLK_q,
                                         SDLK_e,    SDLK_w,     SDLK_p};
    EXPECT_EQ(relus.getTouches(), attendues);
    std::set<std::string> noms;
    for (const auto& entree : fs::directory_iterator(chemin.parent_path())) {
        noms.insert(entree.path().filename());
    }
    EXPECT_EQ(noms,
              (std::set<std::string>{"vorlen.ini", "vorlen.ini.illisible", "vorlen.ini.verrou"}));
}

// The language as gettext picks it from the locale, and the player's choice over it.
TEST(Langue, TheLocaleChoosesAsGettextDoesAndEnglishComesFromTheCatalogue) {
    const struct {
        const char *language, *lcAll, *lcMessages, *lang;
        langue::Choix attendue;
    } cas[] = {
        {nullptr, nullptr, nullptr, nullptr, langue::FRANCAIS},
        {nullptr, nullptr, nullptr, "C", langue::FRANCAIS},
        {"en", nullptr, nullptr, "POSIX", langue::FRANCAIS}, // C ignores LANGUAGE
        {"en", "", "", "C", langue::FRANCAIS},
        {nullptr, nullptr, nullptr, "fr_FR.UTF-8", langue::FRANCAIS},
        {nullptr, nullptr, nullptr, "en_US.UTF-8", langue::ANGLAIS},
        {nullptr, nullptr, nullptr, "en", langue::ANGLAIS},
        {nullptr, nullptr, nullptr, "C.UTF-8", langue::FRANCAIS},
        {"en", nullptr, nullptr, "C.UTF-8", langue::ANGLAIS},
        {"", nullptr, nullptr, "en_GB.UTF-8@euro", langue::ANGLAIS},
        {nullptr, "fr_CA.UTF-8", nullptr, "en_US.UTF-8", langue::FRANCAIS}, // LC_ALL first
        {nullptr, nullptr, "en_US.UTF-8", "fr_FR.UTF-8", langue::ANGLAIS},
        {nullptr, "", "en_US.UTF-8", "fr_FR.UTF-8", langue::ANGLAIS},
        {"de:en", nullptr, nullptr, "de_DE.UTF-8", langue::ANGLAIS}, // no German: the next
        {"fr:en", nullptr, nullptr, "en_US.UTF-8", langue::FRANCAIS},
        {"de:es", nullptr, nullptr, "en_US.UTF-8", langue::FRANCAIS},
        {nullptr, nullptr, nullptr, "de_DE.UTF-8", langue::FRANCAIS},
        {nullptr, nullptr, nullptr, "eng", langue::FRANCAIS},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(langue::selonEnvironnement(c.language, c.lcAll, c.lcMessages, c.lang), c.attendue)
            << (c.language ? c.language : "-") << " " << (c.lcAll ? c.lcAll : "-") << " "
            << (c.lcMessages ? c.lcMessages : "-") << " " << (c.lang ? c.lang : "-");
    }

    langue::lier(VORLEN_CATALOGUES_CONSTRUITS);
    langue::choisir(langue::ANGLAIS);
    EXPECT_EQ(langue::active(), langue::ANGLAIS);
    EXPECT_STREQ(_("Menu Principal"), "Main Menu");
    EXPECT_EQ(langue::formater(_("Niveau %d / %d"), 3, 14), "Level 3 / 14");
    EXPECT_STREQ(_("un texte hors du catalogue"), "un texte hors du catalogue");
    langue::choisir(langue::FRANCAIS);
    EXPECT_STREQ(_("Menu Principal"), "Menu Principal");
    langue::choisir(langue::ANGLAIS);
    EXPECT_STREQ(_("Menu Principal"), "Main Menu") << "back to English after French";

    // Without its catalogue, English is said missing once and French stays.
    const DossierTemporaire sansCatalogue;
    langue::lier(sansCatalogue.chemin.string());
    EXPECT_TRUE(uneLigne("Vorlen: catalogue anglais " + sansCatalogue.chemin.string() +
                             "/en/LC_MESSAGES/vorlen.mo illisible (introuvable)",
                         [] { langue::choisir(langue::ANGLAIS); }));
    EXPECT_EQ(langue::active(), langue::FRANCAIS);
    EXPECT_EQ(erreursDe([] { langue::choisir(langue::ANGLAIS); }), "");
    langue::lier(VORLEN_CATALOGUES_CONSTRUITS);
    langue::choisir(langue::FRANCAIS);
}

// A catalogue as msgfmt writes it, in either byte order; anything else refused in a few words.
TEST(Catalogue, ReadInEitherByteOrderAndRefusedCutForeignTooLargeOrReadingOtherValues) {
    const std::string mo = lireFichier(VORLEN_CATALOGUES_CONSTRUITS "/en/LC_MESSAGES/vorlen.mo");
    const DossierTemporaire dossier;
    const auto ecrire = [&](const std::string& nom, const std::string& contenu) {
        std::ofstream(dossier.chemin / nom, std::ios::binary) << contenu;
        return (dossier.chemin / nom).string();
    };
    std::string inverse = mo;
    // The same file written big-endian: every 32-bit word of its header and tables turned.
    std::uint32_t nombre = 0, originaux = 0, traduits = 0;
    std::memcpy(&nombre, mo.data() + 8, 4);
    std::memcpy(&originaux, mo.data() + 12, 4);
    std::memcpy(&traduits, mo.data() + 16, 4);
    const auto tourner = [&](std::size_t position) {
        std::reverse(inverse.begin() + position, inverse.begin() + position + 4);
    };
    for (std::size_t position = 0; position < 28; position += 4) {
        tourner(position);
    }
    for (std::uint32_t k = 0; k < 2 * nombre; ++k) {
        tourner(originaux + 4 * k);
        tourner(traduits + 4 * k);
    }
    // A translation that would read a number as a name.
    std::string autreFormat = mo;
    autreFormat.replace(autreFormat.find("Level %d / %d"), 13, "Level %s / %d");
    const struct {
        std::string nom, contenu;
        const char* raison;
    } cas[] = {
        {"petit.mo", mo, nullptr},
        {"grand.mo", inverse, nullptr},
        {"coupe.mo", mo.substr(0, mo.size() / 2), "catalogue coupe ou abime"},
        {"entete.mo", mo.substr(0, 10), "ce n'est pas un catalogue gettext"},
        {"texte.mo", "msgid \"Menu Principal\"\n", "ce n'est pas un catalogue gettext"},
        {"enorme.mo", mo + std::string(Catalogue::tailleMax, '\0'), "trop grand pour un catalogue"},
        {"format.mo", autreFormat,
         "la traduction de \"Niveau %d / %d\" ne prend pas les memes valeurs"},
    };
    for (const auto& c : cas) {
        Catalogue catalogue;
        std::string raison;
        EXPECT_EQ(catalogue.lire(ecrire(c.nom, c.contenu), raison), c.raison == nullptr) << c.nom;
        EXPECT_EQ(raison, c.raison ? c.raison : "") << c.nom;
        EXPECT_STREQ(catalogue.traduire("Menu Principal"),
                     c.raison ? "Menu Principal" : "Main Menu")
            << c.nom;
    }
    Catalogue catalogue;
    std::string raison;
    EXPECT_FALSE(catalogue.lire((dossier.chemin / "absent.mo").string(), raison));
    EXPECT_EQ(raison, "introuvable");
}
