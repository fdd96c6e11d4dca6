// SPDX-License-Identifier: GPL-3.0-or-later
#include "niveaux/verification.h"

#include "niveaux/lecture.h"

#include <map>
#include <ostream>
#include <string>

namespace {

constexpr int nbX = Niveau::nbBriquesX;
constexpr int nbY = Niveau::nbBriquesY;

// The report's lines, each naming the file; counts the problems among them.
class Rapport {
public:
    Rapport(std::ostream& f, const char* nom) : flux(f), fichier(nom) {}

    void info(const std::string& texte) { flux << fichier << ": " << texte << '\n'; }
    void probleme(const std::string& texte) {
        ++problemes;
        info(texte);
    }
    int nbProblemes() const { return problemes; }

private:
    std::ostream& flux;
    const char* fichier;
    int problemes = 0;
};

std::string nomNiveau(int numero) {
    return "niveau " + std::to_string(numero);
}

// One line per entry: its bricks, breakable and not.
void decrireEntree(Rapport& rapport, const EntreeNiveaux& entree) {
    int cassables = 0, incassables = 0;
    for (const auto& colonne : entree.points) {
        for (int solidite : colonne) {
            cassables += solidite > 0;
            incassables += solidite < 0;
        }
    }
    rapport.info(nomNiveau(entree.numero) + ": " + std::to_string(cassables) +
                 " briques cassables, " + std::to_string(incassables) + " incassables");
    if (cassables == 0) {
        rapport.probleme(nomNiveau(entree.numero) +
                         ": aucune brique cassable, le jeu passe au suivant");
    }
}

// Rows are counted as the file lists them, from the top, columns from the left.
void signalerEmmurees(Rapport& rapport, const EntreeNiveaux& entree) {
    for (const auto& [i, j] : briquesEmmurees(entree.points)) {
        rapport.probleme(nomNiveau(entree.numero) + ": brique cassable emmuree, rangee " +
                         std::to_string(nbY - j) + ", colonne " + std::to_string(i + 1));
    }
}

// The game plays entry 1, then each next number while there is one, then
// 1 again: an entry outside that round, or a second entry of a number, is
// never played. `occurrences` counts the entries of each number.
void signalerOrdre(Rapport& rapport, const std::map<int, int>& occurrences) {
    if (occurrences.count(1) == 0) {
        rapport.probleme("pas de niveau 1: le jeu joue son niveau par defaut");
        return;
    }
    int dernier = 1;
    while (occurrences.count(dernier + 1)) {
        ++dernier;
    }
    for (const auto& [numero, fois] : occurrences) {
        if (numero < 1 || numero > dernier) {
            rapport.probleme(nomNiveau(numero) + " jamais joue: le jeu va du niveau 1 au " +
                             "niveau " + std::to_string(dernier) + " puis revient au 1");
        } else if (fois > 1) {
            rapport.probleme(nomNiveau(numero) + " en double: seul le premier est joue");
        }
    }
}

} // namespace

std::vector<std::pair<int, int>> briquesEmmurees(const Niveau::Grille& points) {
    // The margin all round is the open field: the ball goes round the grid by its sides.
    bool atteint[nbX + 2][nbY + 2];
    for (int i = 0; i < nbX + 2; ++i) {
        for (int j = 0; j < nbY + 2; ++j) {
            atteint[i][j] = i == 0 || j == 0 || i == nbX + 1 || j == nbY + 1;
        }
    }
    // Each pass reaches at least one more cell, or none will ever be.
    for (bool encore = true; encore;) {
        encore = false;
        for (int i = 1; i <= nbX; ++i) {
            for (int j = 1; j <= nbY; ++j) {
                const bool avant = atteint[i][j];
                atteint[i][j] = avant || (points[i - 1][j - 1] >= 0 &&
                                          (atteint[i - 1][j] || atteint[i + 1][j] ||
                                           atteint[i][j - 1] || atteint[i][j + 1]));
                encore = encore || atteint[i][j] != avant;
            }
        }
    }
    std::vector<std::pair<int, int>> emmurees;
    for (int j = nbY; j >= 1; --j) {
        for (int i = 1; i <= nbX; ++i) {
            if (points[i - 1][j - 1] > 0 && !atteint[i][j]) {
                emmurees.emplace_back(i - 1, j - 1);
            }
        }
    }
    return emmurees;
}

StatutVerification verifierNiveaux(const char* fichier, std::ostream& flux) {
    Rapport rapport(flux, fichier);
    std::map<int, int> occurrences;
    const LectureNiveaux lecture = lireNiveaux(fichier, flux, [&](const EntreeNiveaux& entree) {
        decrireEntree(rapport, entree);
        signalerEmmurees(rapport, entree);
        ++occurrences[entree.numero];
        return true;
    });
    if (lecture.echec) {
        flux << "le fichier " << fichier << ' ' << lecture.echec << std::endl;
        return VERIF_ILLISIBLE;
    }
    if (lecture.nbEntrees == 0) {
        rapport.probleme("aucun niveau");
    }
    signalerOrdre(rapport, occurrences);
    const int problemes = rapport.nbProblemes() + lecture.nbSignalements;
    if (problemes == 0) {
        rapport.info(std::to_string(lecture.nbEntrees) + " niveaux, tous peuvent etre finis");
        flux.flush();
        return VERIF_FINISSABLE;
    }
    rapport.info(std::to_string(problemes) + " probleme(s)");
    flux.flush();
    return VERIF_PROBLEMES;
}
