// The command line as a player types it.
#include "options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Arguments; then action, --donnees, --niveaux, --verifier, screen, ignored, error.
struct Cas {
    std::vector<const char*> arguments;
    Options::Action action;
    std::string donnees, niveaux, aVerifier;
    Options::Ecran ecran;
    std::vector<std::string> ignores;
    std::string erreur;
};

TEST(Options, LigneDeCommandeLueCommeLeJoueurLaTape) {
    const auto J = Options::ACTION_JOUER, V = Options::ACTION_VERIFIER;
    const auto N = Options::ECRAN_NON_PRECISE;
    const std::string manque = "vorlen: l'option --niveaux attend une valeur; voyez vorlen --help";
    const std::vector<Cas> cas = {
        {{}, J, "", "", "", N, {}, ""},
        {{"--donnees", "/d", "--niveaux", "a.lvl", "--fenetre"},
         J,
         "/d",
         "/depart/a.lvl",
         "",
         Options::ECRAN_FENETRE,
         {},
         ""},
        {{"--niveaux=/x.lvl", "--plein-ecran", "-psn_0", "--donnees=d"},
         J,
         "d",
         "/x.lvl",
         "",
         Options::ECRAN_PLEIN,
         {"-psn_0"},
         ""},
        {{"--verifier", "n.lvl", "--donnees"},
         Options::ACTION_ERREUR,
         "",
         "",
         "n.lvl",
         N,
         {},
         "vorlen: l'option --donnees attend une valeur; voyez vorlen --help"},
        {{"--niveaux="}, Options::ACTION_ERREUR, "", "", "", N, {}, manque},
        {{"--verifier", "n.lvl", "x"}, V, "", "", "n.lvl", N, {"x"}, ""},
        {{"--verifier", "n.lvl", "--help"}, Options::ACTION_AIDE, "", "", "n.lvl", N, {}, ""},
        {{"--version", "--donneesX"}, Options::ACTION_VERSION, "", "", "", N, {"--donneesX"}, ""},
    };
    for (const Cas& c : cas) {
        std::vector<const char*> argv = {"vorlen"};
        argv.insert(argv.end(), c.arguments.begin(), c.arguments.end());
        const Options o = lireOptions(int(argv.size()), argv.data(), "/depart");
        SCOPED_TRACE(testing::PrintToString(c.arguments));
        EXPECT_EQ(o.action, c.action);
        EXPECT_EQ(o.donnees + "|" + o.niveaux + "|" + o.aVerifier,
                  c.donnees + "|" + c.niveaux + "|" + c.aVerifier);
        EXPECT_EQ(o.ecran, c.ecran);
        EXPECT_EQ(o.ignores, c.ignores);
        EXPECT_EQ(o.erreur, c.erreur);
    }
}

} // namespace
