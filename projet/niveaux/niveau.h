// SPDX-License-Identifier: GPL-3.0-or-later
// The brick field: a 16 by 10 grid of bricks at fixed spacing, the count of
// breakable bricks left, and the loading of levels from the level file.
#ifndef VORLEN_NIVEAU_H
#define VORLEN_NIVEAU_H

#include "niveaux/brique.h"

#include <array>
#include <cstddef>
#include <functional>
#include <iosfwd>
#include <map>
#include <string>

class Niveau {
public:
    static constexpr int nbBriquesX = 16;
    static constexpr int nbBriquesY = 10;
    static constexpr float ecartX = 4.6f;
    static constexpr float ecartY = 2.4f;
    // The level file the match reads, in the run-time directory unless the
    // player chose another at start.
    static constexpr const char* fichierParDefaut = "niveaux.lvl";

    // Hit points of each cell by column, then row: 0 empty, -1 unbreakable.
    using Grille = std::array<std::array<int, nbBriquesY>, nbBriquesX>;

    // Column i (0 leftmost), row j (0 lowest); null where there is no brick.
    Brique* tabBriques[nbBriquesX][nbBriquesY];

    explicit Niveau(float briquesY);
    ~Niveau();
    Niveau(const Niveau&) = delete;
    Niveau& operator=(const Niveau&) = delete;

    // Replaces the grid with entry `nNiveau` of the level file `fichier`.
    void initBriques(const char* fichier, int nNiveau);
    // Replaces the grid with these hit points, as level `numero`: a level
    // that comes from memory rather than from a file.
    void charger(const Grille& points, int numero);
    // Replaces the grid with the built-in level.
    void defaultLevel();
    void detruire(int i, int j);
    // The grid as hit points, as a level file would give it.
    Grille grille() const;

    int nbBriquesRestantes() const { return qBriques; }
    int getNumNiveau() const { return numNiveau; }
    float getPosBriquesX() const { return posBriquesX; }
    float getPosBriquesY() const { return posBriquesY; }
    float getEcartX() const { return ecartX; }
    float getEcartY() const { return ecartY; }

private:
    void poserBrique(int i, int j, int solidite);

    float posBriquesX;
    float posBriquesY;
    int numNiveau;
    int qBriques;
};

// How far the game looks for a level to play past one with nothing to
// break: far beyond any level file made by hand, and read in a blink.
constexpr long maxEntreesCherchees = 10000;

// The cells a ball can break: a level without one is skipped by the match.
int nbBriquesCassables(const Niveau::Grille& points);

// One entry of a level file as the loader reads it.
struct EntreeNiveaux {
    int numero = 0;
    Niveau::Grille points{};
    int valeursLues = 0; // fewer than the 160 cells when the entry is cut short
};

// 999 levels take half a megabyte, the 10,000 entries the game looks at
// five: a longer file is not a level file, and is refused before it is read.
constexpr std::size_t tailleMaxFichierNiveaux = 8u << 20;

// What the reader says of a level file that is not there.
inline constexpr const char* fichierIntrouvable = "est introuvable";

// What reading a whole level file came to.
struct LectureNiveaux {
    const char* echec = nullptr; // what kept the file from being read, e.g. fichierIntrouvable
    long nbEntrees = 0;
    int nbSignalements = 0; // problems met, each reported or counted
    bool complete = true;   // false when the reading was stopped before the end
};

// Reads `fichier` entry by entry, in file order, with the game's own reader,
// handing each to `chaqueEntree`, which returns false to stop there: one entry
// at a time in memory, whatever the file's size. Each problem met is one line
// on `rapport`, naming the file, as the game reports them while it plays.
LectureNiveaux lireNiveaux(const char* fichier, std::ostream& rapport,
                           const std::function<bool(const EntreeNiveaux&)>& chaqueEntree);

// The same over a level file's text already read, named `nom` in reports.
LectureNiveaux lireTexteNiveaux(const std::string& texte, const char* nom, std::ostream& rapport,
                                const std::function<bool(const EntreeNiveaux&)>& chaqueEntree);

// The breakable bricks of each level of the file, as the match plays it:
// the first entry of each number, among the entries the game looks at.
// `lecture` says how the reading went.
std::map<int, int> cassablesParNiveau(const char* fichier, LectureNiveaux& lecture);

#endif
