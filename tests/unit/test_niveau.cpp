#include "niveau.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <queue>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int nbCellules = Niveau::nbBriquesX * Niveau::nbBriquesY;

// A fresh directory for the level files of one test, removed afterwards.
class DossierTemporaire {
public:
    DossierTemporaire() {
        std::string modele = (std::filesystem::temp_directory_path() / "vorlen_niveau_XXXXXX");
        chemin = mkdtemp(modele.data());
    }
    ~DossierTemporaire() {
        std::error_code ignore;
        std::filesystem::remove_all(chemin, ignore);
    }

    std::string fichier(const std::string& nom) const { return (chemin / nom).string(); }

    // Writes `contenu` to the file `nom` here and gives its path.
    std::string ecrire(const std::string& nom, const std::string& contenu) const {
        std::ofstream(fichier(nom), std::ios::binary) << contenu;
        return fichier(nom);
    }

private:
    std::filesystem::path chemin;
};

// What the loader writes on both streams while it lives.
class Capture {
public:
    Capture()
        : ancienneSortie(std::cout.rdbuf(sortie.rdbuf())),
          ancienneErreur(std::cerr.rdbuf(erreur.rdbuf())) {}
    ~Capture() {
        std::cout.rdbuf(ancienneSortie);
        std::cerr.rdbuf(ancienneErreur);
    }

    std::vector<std::string> lignesSortie() const { return lignes(sortie.str()); }
    std::vector<std::string> lignesErreur() const { return lignes(erreur.str()); }

private:
    static std::vector<std::string> lignes(const std::string& texte) {
        std::vector<std::string> resultat;
        std::istringstream flux(texte);
        for (std::string ligne; std::getline(flux, ligne);) {
            resultat.push_back(ligne);
        }
        return resultat;
    }

    std::ostringstream sortie;
    std::ostringstream erreur;
    std::streambuf* ancienneSortie;
    std::streambuf* ancienneErreur;
};

long compter(const std::vector<std::string>& lignes, const std::string& ligne) {
    return std::count(lignes.begin(), lignes.end(), ligne);
}

// An entry as a level designer writes it: the header, then 10 lines of 16.
std::string entree(int numero, const std::vector<int>& cellules) {
    std::ostringstream texte;
    texte << '[' << numero << "]\n";
    for (std::size_t k = 0; k < cellules.size(); ++k) {
        texte << cellules[k] << (k % Niveau::nbBriquesX == Niveau::nbBriquesX - 1 ? '\n' : ' ');
    }
    return texte.str() + "\n";
}

std::string entree(int numero, int valeur, int nbValeurs = nbCellules) {
    return entree(numero, std::vector<int>(nbValeurs, valeur));
}

// Hit points of cell (i, j); 0 for an empty cell.
int points(const Niveau& niveau, int i, int j) {
    const Brique* brique = niveau.tabBriques[i][j];
    return brique ? brique->getPtsVie() : 0;
}

// Hit points of the cell the k-th value of an entry lands in.
int pointsCellule(const Niveau& niveau, int k) {
    return points(niveau, k % Niveau::nbBriquesX, Niveau::nbBriquesY - 1 - k / Niveau::nbBriquesX);
}

bool estNiveauParDefaut(const Niveau& niveau) {
    for (int k = 0; k < nbCellules; ++k) {
        if (pointsCellule(niveau, k) != k % Niveau::nbBriquesX / 2 + 1) {
            return false;
        }
    }
    return niveau.nbBriquesRestantes() == nbCellules;
}

// Loads entry `n` of `fichier` without showing the trace.
void charger(Niveau& niveau, const std::string& fichier, int n) {
    Capture silence;
    niveau.initBriques(fichier.c_str(), n);
}

TEST(Niveau, NeufEstVideSansNumeroNiCompte) {
    Niveau niveau(3.0f);
    for (int k = 0; k < nbCellules; ++k) {
        EXPECT_EQ(niveau.tabBriques[k % 16][k / 16], nullptr) << k;
    }
    EXPECT_EQ(niveau.nbBriquesRestantes(), 0);
    EXPECT_EQ(niveau.getNumNiveau(), 0);
    EXPECT_FLOAT_EQ(niveau.getPosBriquesX(), -34.5f);
    EXPECT_FLOAT_EQ(niveau.getPosBriquesY(), 3.0f);
}

TEST(Niveau, NiveauParDefautMonteParPairesDeColonnesEtCompte160Briques) {
    Niveau niveau(0.0f);
    niveau.defaultLevel();
    const int attendus[Niveau::nbBriquesX] = {1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8};
    for (int i = 0; i < Niveau::nbBriquesX; ++i) {
        for (int j = 0; j < Niveau::nbBriquesY; ++j) {
            ASSERT_NE(niveau.tabBriques[i][j], nullptr);
            EXPECT_EQ(points(niveau, i, j), attendus[i]) << i << "," << j;
            EXPECT_FLOAT_EQ(niveau.tabBriques[i][j]->getPosition()->X, i * 4.6f - 34.5f);
            EXPECT_FLOAT_EQ(niveau.tabBriques[i][j]->getPosition()->Y, j * 2.4f);
        }
    }
    EXPECT_EQ(niveau.nbBriquesRestantes(), 160);
    // Laid again over itself, the count must not add up.
    niveau.defaultLevel();
    EXPECT_EQ(niveau.nbBriquesRestantes(), 160);
}

TEST(Niveau, DetruireVideLaCaseEtDecompteUneFoisSeulement) {
    Niveau niveau(3.0f);
    niveau.defaultLevel();
    niveau.detruire(4, 7);
    EXPECT_EQ(niveau.tabBriques[4][7], nullptr);
    EXPECT_EQ(niveau.nbBriquesRestantes(), 159);
    niveau.detruire(4, 7);
    EXPECT_EQ(niveau.nbBriquesRestantes(), 159);
}

TEST(NiveauFichier, FichierAbsentOuVideDonneLeNiveauParDefautSansChangerLeNumero) {
    DossierTemporaire dossier;
    const std::string bon = dossier.ecrire("bon.lvl", entree(1, 1) + entree(2, 2));
    Niveau niveau(3.0f);
    charger(niveau, bon, 2);
    ASSERT_EQ(niveau.getNumNiveau(), 2);

    const std::string absent = dossier.fichier("absent.lvl");
    {
        Capture capture;
        niveau.initBriques(absent.c_str(), 3);
        EXPECT_EQ(capture.lignesErreur(),
                  (std::vector<std::string>{"le fichier " + absent + " est introuvable",
                                            "on bascule sur un niveau par defaut"}));
        EXPECT_TRUE(capture.lignesSortie().empty());
    }
    EXPECT_TRUE(estNiveauParDefaut(niveau));
    EXPECT_EQ(niveau.getNumNiveau(), 2);

    for (const std::string contenu : {"", " \n\t\n  "}) {
        const std::string vide = dossier.ecrire("vide.lvl", contenu);
        Capture capture;
        niveau.initBriques(vide.c_str(), 3);
        EXPECT_EQ(capture.lignesErreur(),
                  std::vector<std::string>{"le fichier " + vide + " est vide"});
        EXPECT_TRUE(estNiveauParDefaut(niveau));
        EXPECT_EQ(niveau.getNumNiveau(), 2);
    }
}

TEST(NiveauFichier, EntreesDansLeDesordreTrouveesParLeurNumero) {
    DossierTemporaire dossier;
    const std::string fichier = dossier.ecrire("n.lvl", entree(2, 2) + entree(1, 1));
    Niveau niveau(3.0f);
    Capture capture;
    niveau.initBriques(fichier.c_str(), 1);
    EXPECT_EQ(capture.lignesSortie(),
              (std::vector<std::string>{"passage: nNiveau=1 fNiveau=2", "premier test: 1",
                                        "parcours des donnees ",
                                        "nouvelle entree: nNiveau=1 fNiveau=1", "2e test: 1"}));
    EXPECT_TRUE(capture.lignesErreur().empty());
    EXPECT_EQ(points(niveau, 0, 0), 1);
    EXPECT_EQ(niveau.nbBriquesRestantes(), 160);
    EXPECT_EQ(niveau.getNumNiveau(), 1);
}

TEST(NiveauFichier, DemandeAuDelaDeLaDerniereEntreeRepartDu1EtRenumerote) {
    DossierTemporaire dossier;
    const std::string fichier = dossier.ecrire("n.lvl", entree(1, 1) + entree(2, 2) + entree(3, 3));
    Niveau niveau(3.0f);
    {
        Capture capture;
        niveau.initBriques(fichier.c_str(), 4);
        const std::vector<std::string> sortie = capture.lignesSortie();
        EXPECT_EQ(compter(sortie, "pouet2"), 1);
        EXPECT_EQ(compter(sortie, "2e test: -1"), 1);
        EXPECT_EQ(compter(sortie, "nouvelle entree: nNiveau=4 fNiveau=3"), 2);
        EXPECT_TRUE(capture.lignesErreur().empty());
    }
    EXPECT_EQ(niveau.getNumNiveau(), 1);
    EXPECT_EQ(points(niveau, 5, 5), 1);

    charger(niveau, fichier, niveau.getNumNiveau() + 1);
    EXPECT_EQ(niveau.getNumNiveau(), 2);
    EXPECT_EQ(points(niveau, 5, 5), 2);
}

TEST(NiveauFichier, ValeursPlaceesDuHautGaucheAuBasDroitPlafonneesEtComptees) {
    std::vector<int> cellules(nbCellules, 0);
    cellules[0] = 25;
    cellules[1] = -1;
    cellules[2] = 10;
    cellules[159] = 3;
    std::vector<int> ligneDuHaut(nbCellules, 0);
    std::fill(ligneDuHaut.begin(), ligneDuHaut.begin() + 16, 1);
    std::vector<int> grisEtVide(nbCellules, 0);
    for (int k = 0; k < nbCellules; k += 3) {
        grisEtVide[k] = -1;
    }
    DossierTemporaire dossier;
    const std::string fichier = dossier.ecrire(
        "n.lvl", entree(1, cellules) + entree(2, ligneDuHaut) + entree(3, grisEtVide));
    Niveau niveau(3.0f);

    charger(niveau, fichier, 1);
    const Brique* hautGauche = niveau.tabBriques[0][9];
    ASSERT_NE(hautGauche, nullptr);
    EXPECT_EQ(hautGauche->getPtsVie(), 10);
    EXPECT_FLOAT_EQ(hautGauche->getPosition()->X, -34.5f);
    EXPECT_FLOAT_EQ(hautGauche->getPosition()->Y, 9 * 2.4f + 3.0f);
    EXPECT_EQ(points(niveau, 1, 9), -1);
    EXPECT_EQ(points(niveau, 2, 9), 10);
    const Brique* basDroit = niveau.tabBriques[15][0];
    ASSERT_NE(basDroit, nullptr);
    EXPECT_EQ(basDroit->getPtsVie(), 3);
    EXPECT_FLOAT_EQ(basDroit->getPosition()->X, 15 * 4.6f - 34.5f);
    EXPECT_FLOAT_EQ(basDroit->getPosition()->Y, 3.0f);
    EXPECT_EQ(niveau.tabBriques[3][9], nullptr);
    EXPECT_EQ(niveau.nbBriquesRestantes(), 3);

    charger(niveau, fichier, 2);
    for (int i = 0; i < Niveau::nbBriquesX; ++i) {
        EXPECT_EQ(points(niveau, i, 9), 1);
        EXPECT_EQ(niveau.tabBriques[i][8], nullptr);
    }
    EXPECT_EQ(niveau.nbBriquesRestantes(), 16);

    charger(niveau, fichier, 3);
    EXPECT_EQ(pointsCellule(niveau, 0), -1);
    EXPECT_EQ(niveau.nbBriquesRestantes(), 0);
}

TEST(NiveauFichier, EntreeCoupeeParLaFinRepeteLaDerniereValeurAvecSaTrace) {
    DossierTemporaire dossier;
    std::vector<int> debut(100, 4);
    debut[99] = 7;
    const std::string coupee = dossier.ecrire("coupee.lvl", entree(1, 1) + entree(2, debut));
    Niveau niveau(3.0f);
    {
        Capture capture;
        niveau.initBriques(coupee.c_str(), 2);
        EXPECT_EQ(compter(capture.lignesSortie(), "Abnormal termination for the level 2 file"), 60);
        EXPECT_TRUE(capture.lignesErreur().empty());
    }
    EXPECT_EQ(pointsCellule(niveau, 98), 4);
    for (int k = 99; k < nbCellules; ++k) {
        EXPECT_EQ(pointsCellule(niveau, k), 7) << k;
    }
    EXPECT_EQ(niveau.nbBriquesRestantes(), 160);

    // Passing a cut entry while searching: one trace line per missing value.
    const std::string passee = dossier.ecrire("passee.lvl", entree(1, 1) + entree(3, 3, 3));
    Capture capture;
    niveau.initBriques(passee.c_str(), 2);
    const std::vector<std::string> sortie = capture.lignesSortie();
    EXPECT_EQ(compter(sortie, "Abnormal termination for the level 3 file :: 2"), 0);
    for (int k = 3; k < nbCellules; ++k) {
        EXPECT_EQ(
            compter(sortie, "Abnormal termination for the level 3 file :: " + std::to_string(k)), 1)
            << k;
    }
    EXPECT_EQ(niveau.getNumNiveau(), 1);
}

TEST(NiveauFichier, SansEntree1LaRechercheSArreteSurLeNiveauParDefaut) {
    DossierTemporaire dossier;
    const std::string fichier = dossier.ecrire("n.lvl", entree(2, 2) + entree(3, 3));
    Niveau niveau(3.0f);
    for (int demande : {5, 1}) {
        Capture capture;
        niveau.initBriques(fichier.c_str(), demande);
        EXPECT_EQ(capture.lignesErreur(),
                  (std::vector<std::string>{"le fichier " + fichier + " n'a pas de niveau 1",
                                            "on bascule sur un niveau par defaut"}))
            << demande;
        // Round the end once when looking for 5, never when looking for 1.
        EXPECT_EQ(compter(capture.lignesSortie(), "pouet2"), demande == 1 ? 1 : 2) << demande;
        EXPECT_TRUE(estNiveauParDefaut(niveau));
        EXPECT_EQ(niveau.getNumNiveau(), 0);
    }
}

TEST(NiveauFichier, MotNonNumeriqueSignaleEtSaute) {
    DossierTemporaire dossier;
    std::vector<int> valeurs(nbCellules, 2);
    std::string texte = entree(1, valeurs);
    texte.replace(texte.find('\n') + 1, 0, "abc ");
    texte = "zut " + texte + "42 " + entree(2, 5);
    const std::string fichier = dossier.ecrire("n.lvl", texte);
    Niveau niveau(3.0f);
    Capture capture;
    niveau.initBriques(fichier.c_str(), 2);
    EXPECT_EQ(capture.lignesErreur(),
              (std::vector<std::string>{
                  fichier + ": \"zut\" n'est pas un en-tete, ignore",
                  fichier + ": niveau 1: \"abc\" n'est pas un nombre, ignore",
                  fichier + ": apres le niveau 1: \"42\" n'est pas un en-tete, ignore"}));
    EXPECT_EQ(niveau.getNumNiveau(), 2);
    EXPECT_EQ(niveau.nbBriquesRestantes(), 160);

    charger(niveau, fichier, 1);
    EXPECT_EQ(pointsCellule(niveau, 0), 2);
    EXPECT_EQ(niveau.nbBriquesRestantes(), 160);
}

TEST(NiveauFichier, EnteteAuMilieuDesValeursCoupeLEntreeSansLAvaler) {
    DossierTemporaire dossier;
    const std::string fichier = dossier.ecrire("n.lvl", "[1] 1 2 3\n" + entree(2, 4));
    Niveau niveau(3.0f);
    {
        Capture capture;
        niveau.initBriques(fichier.c_str(), 1);
        EXPECT_EQ(capture.lignesErreur(),
                  std::vector<std::string>{fichier + ": niveau 1: coupe par l'en-tete [2]"});
        EXPECT_EQ(compter(capture.lignesSortie(), "Abnormal termination for the level 1 file"),
                  157);
    }
    EXPECT_EQ(pointsCellule(niveau, 1), 2);
    EXPECT_EQ(pointsCellule(niveau, 159), 3);

    charger(niveau, fichier, 2);
    EXPECT_EQ(niveau.getNumNiveau(), 2);
    EXPECT_EQ(pointsCellule(niveau, 0), 4);
}

TEST(NiveauFichier, AucuneValeurLueDonneDesCasesVides) {
    DossierTemporaire dossier;
    const std::string fichier = dossier.ecrire("n.lvl", "[1]\n");
    Niveau niveau(3.0f);
    niveau.defaultLevel();
    Capture capture;
    niveau.initBriques(fichier.c_str(), 1);
    EXPECT_EQ(capture.lignesErreur(),
              std::vector<std::string>{fichier + ": niveau 1: aucune valeur lue, cases vides"});
    EXPECT_EQ(compter(capture.lignesSortie(), "Abnormal termination for the level 1 file"), 160);
    for (int k = 0; k < nbCellules; ++k) {
        EXPECT_EQ(pointsCellule(niveau, k), 0) << k;
    }
    EXPECT_EQ(niveau.nbBriquesRestantes(), 0);
    EXPECT_EQ(niveau.getNumNiveau(), 1);
}

TEST(NiveauFichier, ValeurSousMoinsUnDevientIncassableEtNeComptePas) {
    std::vector<int> cellules(nbCellules, -7);
    cellules[10] = 1;
    DossierTemporaire dossier;
    const std::string fichier = dossier.ecrire("n.lvl", entree(1, cellules));
    Niveau niveau(3.0f);
    Capture capture;
    niveau.initBriques(fichier.c_str(), 1);
    const std::vector<std::string> erreurs = capture.lignesErreur();
    ASSERT_FALSE(erreurs.empty());
    EXPECT_EQ(erreurs.front(), fichier + ": niveau 1: -7 lu comme -1 (incassable)");
    EXPECT_EQ(pointsCellule(niveau, 0), -1);
    EXPECT_EQ(pointsCellule(niveau, 159), -1);
    EXPECT_EQ(niveau.nbBriquesRestantes(), 1);
}

TEST(NiveauFichier, NombresHorsLimitesPlafonnesOuIgnores) {
    const std::string cent9(100, '9');
    std::string texte = entree(1, 3);
    texte.replace(texte.find('\n') + 1, 1, "99999999999 -99999999999 " + cent9);
    texte = "[99999999999] " + texte;
    DossierTemporaire dossier;
    const std::string fichier = dossier.ecrire("n.lvl", texte);
    Niveau niveau(3.0f);
    Capture capture;
    niveau.initBriques(fichier.c_str(), 1);
    EXPECT_EQ(
        capture.lignesErreur(),
        (std::vector<std::string>{
            fichier + ": \"[99999999999]\" est hors limites, ignore",
            fichier + ": niveau 1: 99999999999 est hors limites, lu comme 10",
            fichier + ": niveau 1: -99999999999 est hors limites, lu comme -1",
            fichier + ": niveau 1: 999999999999999999999999... est hors limites, lu comme 10"}));
    EXPECT_EQ(pointsCellule(niveau, 0), 10);
    EXPECT_EQ(pointsCellule(niveau, 1), -1);
    EXPECT_EQ(pointsCellule(niveau, 2), 10);
    EXPECT_EQ(pointsCellule(niveau, 3), 3);
    EXPECT_EQ(niveau.nbBriquesRestantes(), 159);
}

TEST(NiveauFichier, FichierInutilisableDonneLeNiveauParDefautEnUneLigne) {
    DossierTemporaire dossier;
    std::string binaire;
    std::srand(7);
    for (int n = 0; n < 4000; ++n) {
        binaire += static_cast<char>(std::rand() % 256);
    }
    binaire.insert(0, std::string("\0\x01\x02\xff", 4));
    const std::string bruit = dossier.ecrire("binaire.lvl", binaire);
    const std::string repertoire = dossier.fichier("niveaux.lvl");
    std::filesystem::create_directory(repertoire);
    const std::string tube = dossier.fichier("tube.lvl");
    ASSERT_EQ(mkfifo(tube.c_str(), 0600), 0);

    const std::vector<std::pair<std::string, std::string>> cas = {
        {bruit, " ne contient aucun niveau"},
        {repertoire, " est un dossier"},
        {tube, " est illisible"},
        // Readable by name, but every read fails.
        {"/proc/self/mem", " est illisible"},
    };
    for (const auto& [fichier, raison] : cas) {
        Niveau niveau(3.0f);
        Capture capture;
        niveau.initBriques(fichier.c_str(), 1);
        const std::vector<std::string> erreurs = capture.lignesErreur();
        ASSERT_GE(erreurs.size(), 2u) << fichier;
        // At most ten reports, the note that more were hushed, and two lines.
        EXPECT_LE(erreurs.size(), 13u) << fichier;
        EXPECT_EQ(erreurs[erreurs.size() - 2], "le fichier " + fichier + raison);
        EXPECT_EQ(erreurs.back(), "on bascule sur un niveau par defaut");
        EXPECT_TRUE(estNiveauParDefaut(niveau)) << fichier;
        EXPECT_EQ(niveau.getNumNiveau(), 0);
    }

    // A file its owner cannot read: only meaningful when not running as root.
    if (geteuid() != 0) {
        const std::string ferme = dossier.ecrire("ferme.lvl", entree(1, 1));
        chmod(ferme.c_str(), 0);
        Niveau niveau(3.0f);
        Capture capture;
        niveau.initBriques(ferme.c_str(), 1);
        EXPECT_EQ(capture.lignesErreur(),
                  (std::vector<std::string>{"le fichier " + ferme + " est illisible",
                                            "on bascule sur un niveau par defaut"}));
        EXPECT_TRUE(estNiveauParDefaut(niveau));
    }
}

TEST(NiveauFichier, SignalementsLimitesPourNePasNoyerLeTerminal) {
    std::string texte = "[1]";
    for (int n = 0; n < 50; ++n) {
        texte += " x";
    }
    texte += " " + entree(2, 1);
    DossierTemporaire dossier;
    const std::string fichier = dossier.ecrire("n.lvl", texte);
    Niveau niveau(3.0f);
    Capture capture;
    niveau.initBriques(fichier.c_str(), 1);
    const std::vector<std::string> erreurs = capture.lignesErreur();
    ASSERT_EQ(erreurs.size(), 11u);
    EXPECT_EQ(erreurs[0], fichier + ": niveau 1: \"x\" n'est pas un nombre, ignore");
    EXPECT_EQ(erreurs[10], fichier + ": trop d'erreurs, les suivantes ne sont pas signalees");
}

// ---- The game's own level file ----

struct EntreeLue {
    int numero;
    std::vector<int> cellules;
};

// Reads the game's level file strictly: a header line, then 10 lines of 16
// values from -1 to 10, blank lines only between entries.
std::vector<EntreeLue> lireStrictement(const std::string& chemin) {
    std::ifstream flux(chemin);
    EXPECT_TRUE(flux) << chemin;
    std::vector<EntreeLue> entrees;
    int numeroLigne = 0;
    int lignesAttendues = 0;
    for (std::string ligne; std::getline(flux, ligne);) {
        ++numeroLigne;
        std::istringstream mots(ligne);
        if (lignesAttendues == 0) {
            std::string entete;
            if (!(mots >> entete)) {
                continue;
            }
            EntreeLue nouvelle{0, {}};
            char fin = 0;
            EXPECT_EQ(std::sscanf(entete.c_str(), "[%d%c", &nouvelle.numero, &fin), 2)
                << numeroLigne;
            EXPECT_EQ(fin, ']') << numeroLigne;
            EXPECT_EQ(entete, "[" + std::to_string(nouvelle.numero) + "]") << numeroLigne;
            entrees.push_back(nouvelle);
            lignesAttendues = Niveau::nbBriquesY;
            continue;
        }
        std::vector<int> valeurs;
        for (std::string mot; mots >> mot;) {
            std::size_t lu = 0;
            int valeur = std::stoi(mot, &lu);
            EXPECT_EQ(lu, mot.size()) << "ligne " << numeroLigne << ": " << mot;
            EXPECT_TRUE(valeur >= -1 && valeur <= 10) << "ligne " << numeroLigne << ": " << mot;
            valeurs.push_back(valeur);
        }
        EXPECT_EQ(valeurs.size(), 16u) << "ligne " << numeroLigne;
        auto& cellules = entrees.back().cellules;
        cellules.insert(cellules.end(), valeurs.begin(), valeurs.end());
        --lignesAttendues;
    }
    EXPECT_EQ(lignesAttendues, 0) << "derniere entree incomplete";
    return entrees;
}

// Cells a ball can reach from below the grid: it cannot slip between two
// grey bricks (the gaps are narrower than a ball), and every breakable brick
// it reaches opens the way once broken.
std::vector<bool> atteignables(const std::vector<int>& cellules) {
    std::vector<bool> atteint(nbCellules, false);
    std::queue<int> aVisiter;
    auto visiter = [&](int i, int j) {
        if (i < 0 || i >= Niveau::nbBriquesX || j < 0 || j >= Niveau::nbBriquesY) {
            return;
        }
        const int k = (Niveau::nbBriquesY - 1 - j) * Niveau::nbBriquesX + i;
        if (!atteint[k] && cellules[k] != -1) {
            atteint[k] = true;
            aVisiter.push(k);
        }
    };
    for (int i = 0; i < Niveau::nbBriquesX; ++i) {
        visiter(i, 0);
    }
    while (!aVisiter.empty()) {
        const int k = aVisiter.front();
        aVisiter.pop();
        const int i = k % Niveau::nbBriquesX;
        const int j = Niveau::nbBriquesY - 1 - k / Niveau::nbBriquesX;
        visiter(i - 1, j);
        visiter(i + 1, j);
        visiter(i, j - 1);
        visiter(i, j + 1);
    }
    return atteint;
}

TEST(NiveauFichier, AtteignabiliteVoitUneBriqueEmmureeDeGris) {
    std::vector<int> cellules(nbCellules, 0);
    const int centre = 4 * 16 + 7; // row j = 5, column 7
    cellules[centre] = 3;
    for (int voisin : {centre - 1, centre + 1, centre - 16, centre + 16}) {
        cellules[voisin] = -1;
    }
    EXPECT_FALSE(atteignables(cellules)[centre]);
    cellules[centre + 16] = 2; // a breakable gate below opens it
    EXPECT_TRUE(atteignables(cellules)[centre]);
}

TEST(NiveauFichier, NiveauxDuJeuConsecutifsBienFormesEtFinissables) {
    const std::string chemin = "../../data/niveaux.lvl";
    const std::vector<EntreeLue> entrees = lireStrictement(chemin);
    ASSERT_GE(entrees.size(), 12u);
    for (std::size_t n = 0; n < entrees.size(); ++n) {
        const EntreeLue& lue = entrees[n];
        SCOPED_TRACE("niveau " + std::to_string(lue.numero));
        EXPECT_EQ(lue.numero, static_cast<int>(n) + 1);
        ASSERT_EQ(lue.cellules.size(), static_cast<std::size_t>(nbCellules));

        const long cassables =
            std::count_if(lue.cellules.begin(), lue.cellules.end(), [](int v) { return v > 0; });
        EXPECT_GE(cassables, 1);
        const std::vector<bool> atteint = atteignables(lue.cellules);
        for (int k = 0; k < nbCellules; ++k) {
            EXPECT_TRUE(lue.cellules[k] <= 0 || atteint[k])
                << "brique emmuree colonne " << k % 16 << ", ligne " << 9 - k / 16;
        }

        // The game's loader reads the same grid, silently.
        Niveau niveau(3.0f);
        Capture capture;
        niveau.initBriques(chemin.c_str(), lue.numero);
        EXPECT_TRUE(capture.lignesErreur().empty());
        EXPECT_EQ(niveau.getNumNiveau(), lue.numero);
        EXPECT_EQ(niveau.nbBriquesRestantes(), cassables);
        for (int k = 0; k < nbCellules; ++k) {
            EXPECT_EQ(pointsCellule(niveau, k), lue.cellules[k]) << k;
        }
    }
}

} // namespace
