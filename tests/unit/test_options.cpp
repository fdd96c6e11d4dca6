// The command line as a player types it.
#include "options.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

// What was read, on one line: action, --donnees, --niveaux, --verifier, screen, ignored, error.
std::string lire(std::string ligne) {
    std::istringstream mots(ligne);
    std::vector<std::string> arguments = {"vorlen"};
    for (std::string mot; mots >> mot;) {
        arguments.push_back(mot == "''" ? "" : mot);
    }
    std::vector<const char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(argument.c_str());
    }
    const Options o = lireOptions(int(argv.size()), argv.data(), "/depart");
    std::string ignores;
    for (const std::string& argument : o.ignores) {
        ignores += argument + ",";
    }
    return std::to_string(o.action) + " " + o.donnees + "|" + o.niveaux + "|" + o.aVerifier + " " +
           std::to_string(o.ecran) + " " + ignores + " " + o.erreur;
}

TEST(Options, LigneDeCommandeLueCommeLeJoueurLaTape) {
    const auto manque = [](const std::string& option) {
        return "vorlen: l'option --" + option + " attend une valeur; voyez vorlen --help";
    };
    const std::pair<const char*, std::string> cas[] = {
        {"", "0 || 0  "},
        {"--donnees /d --niveaux a.lvl --fenetre", "0 /d|/depart/a.lvl| 2  "},
        {"--niveaux=/x.lvl --plein-ecran -psn_0 --donnees=d", "0 d|/x.lvl| 1 -psn_0, "},
        {"--verifier n.lvl --donnees", "4 ||n.lvl 0  " + manque("donnees")},
        {"--niveaux ''", "4 || 0  " + manque("niveaux")},
        {"--verifier n.lvl x", "3 ||n.lvl 0 x, "},
        {"--verifier n.lvl --help", "1 ||n.lvl 0  "},
        {"--version --donneesX", "2 || 0 --donneesX, "},
    };
    for (const auto& [ligne, attendu] : cas) {
        EXPECT_EQ(lire(ligne), attendu) << ligne;
    }
}

} // namespace
