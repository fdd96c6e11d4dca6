// Level files as a designer writes them, checked with --verifier's report and
// loaded by the game: what each says, and what the player then gets.
#include "niveau.h"
#include "verification.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string chemin =
    (std::filesystem::temp_directory_path() / "vorlen_verifier.lvl").string();

void ecrire(const std::string& contenu) {
    std::ofstream(chemin, std::ios::binary) << contenu;
}

// An entry whose 160 values are `valeur`, save the first ones given.
std::string entree(int numero, int valeur, std::vector<int> debut = {}, const char* fin = "\n") {
    std::string texte = "[" + std::to_string(numero) + "]" + fin;
    for (int k = 0; k < 160; ++k) {
        texte +=
            std::to_string(k < int(debut.size()) ? debut[k] : valeur) + (k % 16 == 15 ? fin : " ");
    }
    return texte;
}

struct CasRapport {
    std::string contenu;
    int statut;
    std::vector<std::string> lignes; // each must be in the report, after the file's name
};

TEST(Verifier, RapportEtStatutDeChaqueFichier) {
    std::vector<int> mur(17, 0); // a 5 in the top-left corner behind grey bricks, a 2 reachable
    mur[0] = 5, mur[1] = -1, mur[16] = -1;
    const std::vector<CasRapport> cas = {
        {entree(2, 1) + entree(1, 0, {-1, 3}),
         0,
         {"niveau 2: 160 briques cassables, 0 incassables",
          "niveau 1: 1 briques cassables, 1 incassables", "2 niveaux, tous peuvent etre finis"}},
        {"\xEF\xBB\xBF" + entree(1, 4, {}, "\r\n"), 0, {"1 niveaux, tous peuvent etre finis"}},
        {entree(1, 0, mur) + entree(2, -1) + entree(4, 1) + entree(2, 1),
         1,
         {"niveau 1: brique cassable emmuree, rangee 1, colonne 1",
          "niveau 2: aucune brique cassable, le jeu passe au suivant",
          "niveau 4 jamais joue: le jeu va du niveau 1 au niveau 2 puis revient au 1",
          "niveau 2 en double: seul le premier est joue", "4 probleme(s)"}},
        {"[1] 1 x 2",
         1,
         {"niveau 1: \"x\" n'est pas un nombre, ignore",
          "niveau 1: coupe par la fin du fichier, 2 valeurs sur 160", "2 probleme(s)"}},
        {entree(3, 1), 1, {"pas de niveau 1: le jeu joue son niveau par defaut"}},
        {"\n", 1, {"aucun niveau"}},
    };
    for (const CasRapport& c : cas) {
        ecrire(c.contenu);
        std::ostringstream rapport;
        EXPECT_EQ(verifierNiveaux(chemin.c_str(), rapport), c.statut) << rapport.str();
        for (const std::string& ligne : c.lignes) {
            EXPECT_NE(rapport.str().find(chemin + ": " + ligne + "\n"), std::string::npos)
                << ligne << " missing from\n"
                << rapport.str();
        }
    }
    std::ostringstream rapport;
    EXPECT_EQ(verifierNiveaux("/absent/n.lvl", rapport), VERIF_ILLISIBLE);
    EXPECT_EQ(rapport.str(), "le fichier /absent/n.lvl est introuvable\n");
}

// Loads entry `n` as the match does; gives what was said on the error stream.
std::string charger(Niveau& niveau, int n, std::string* trace = nullptr) {
    std::ostringstream sortie, erreurs;
    std::streambuf* avant[] = {std::cout.rdbuf(sortie.rdbuf()), std::cerr.rdbuf(erreurs.rdbuf())};
    niveau.initBriques(chemin.c_str(), n);
    std::cout.rdbuf(avant[0]), std::cerr.rdbuf(avant[1]);
    if (trace) {
        *trace = sortie.str();
    }
    return erreurs.str();
}

TEST(NiveauFichier, UnTourDeNiveauxSansBriqueCassableJoueLeNiveauParDefaut) {
    const std::string aucun = "le fichier " + chemin +
                              " n'a aucun niveau a finir (aucune brique cassable)\n"
                              "on bascule sur un niveau par defaut\n";
    // File, entry asked for; what is said, the level number, the bricks to break.
    const std::vector<std::tuple<std::string, int, std::string, int, int>> cas = {
        {entree(1, 0) + entree(3, 2), 1, aucun, 0, 160}, // 3 is never reached from 1
        {entree(1, -1) + entree(2, 2), 1, "", 1, 0},     // skipped, as the next one plays
        {entree(1, 0, {-1}), 4, aucun, 0, 160},
        {"\xEF\xBB\xBF" + entree(2, 5) + entree(1, 3), 7, "", 1, 160}, // round to 1, past the mark
    };
    for (const auto& [contenu, demande, erreurs, numero, briques] : cas) {
        ecrire(contenu);
        Niveau niveau(3.0f);
        EXPECT_EQ(charger(niveau, demande), erreurs) << contenu.substr(0, 8);
        EXPECT_EQ(niveau.getNumNiveau(), numero);
        EXPECT_EQ(niveau.nbBriquesRestantes(), briques);
    }
}

TEST(NiveauFichier, TraceBorneeParChargementAvecLeNombreDeLignesOmises) {
    std::string enTetes;
    for (int n = 2; n < 3000; ++n) {
        enTetes += "[" + std::to_string(n) + "]\n";
    }
    ecrire(enTetes + entree(1, 1));
    Niveau niveau(3.0f);
    std::string trace;
    charger(niveau, 1, &trace);
    EXPECT_EQ(niveau.nbBriquesRestantes(), 160);
    EXPECT_EQ(std::count(trace.begin(), trace.end(), '\n'), 401);
    // Each of the 2998 entries passed traces 4 lines and its 160 missing values.
    EXPECT_NE(trace.find("\ntrace: " + std::to_string(1 + 2998 * 164 - 400) + " lignes omises\n"),
              std::string::npos);
    std::filesystem::remove(chemin);
}

} // namespace
