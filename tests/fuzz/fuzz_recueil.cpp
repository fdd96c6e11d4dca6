// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds the editor's level collection arbitrary files, and arbitrary changes
// made to the file while it edits (another copy of the game, a hand): it must
// neither crash, leak nor hang, a save must read back as the editor shows it,
// and no level of either side may be lost.
#include "joueur_fuzz.h"
#include "niveaux/recueil.h"

#include <algorithm>
#include <cstdint>
#include <ostream>

namespace {

std::vector<Niveau::Grille> niveaux(const Recueil& recueil) {
    std::vector<Niveau::Grille> niveaux;
    for (int n = 1; n <= recueil.nbNiveaux(); ++n) {
        niveaux.push_back(recueil.grille(n));
    }
    return niveaux;
}

// The levels of a file as the editor takes them, and whether it took the
// file as it stands (nothing cut, renumbered or skipped).
std::vector<Niveau::Grille> niveauxDe(const std::string& fichier, bool& entier) {
    Recueil recueil(fichier);
    std::ostream muet(nullptr);
    entier = recueil.charger(muet).empty();
    return niveaux(recueil);
}

bool contient(const std::vector<Niveau::Grille>& niveaux, const Niveau::Grille& points) {
    return std::find(niveaux.begin(), niveaux.end(), points) != niveaux.end();
}

} // namespace

// The input is the file the editor opens, then, past the first "\n%%\n",
// the file as it stands when the editor saves.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string entree(reinterpret_cast<const char*>(donnees), taille);
    const std::size_t separation = entree.find("\n%%\n");
    const std::string lu = entree.substr(0, separation);
    const std::filesystem::path chemin = joueur_fuzz::dossier() / "vorlen" / "niveaux.lvl";
    joueur_fuzz::poser(chemin, reinterpret_cast<const std::uint8_t*>(lu.data()), lu.size());
    Recueil recueil(chemin.string());
    std::ostream muet(nullptr);
    recueil.charger(muet);
    const std::vector<Niveau::Grille> connus = niveaux(recueil);
    recueil.poser(1, 0, 0, static_cast<int>(taille % 12) - 1);
    recueil.dupliquer(1);
    const std::vector<Niveau::Grille> miens = niveaux(recueil);
    std::vector<Niveau::Grille> autres;
    bool entier = true;
    if (separation != std::string::npos) {
        std::ofstream(chemin, std::ios::binary) << entree.substr(separation + 4);
        autres = niveauxDe(chemin.string(), entier);
    }
    const fichiers::Enregistrement e = recueil.enregistrer();
    const std::vector<Niveau::Grille> relus = niveauxDe(chemin.string(), entier);
    // The editor's levels first, as they were; then whatever the other side
    // added, unless its file was kept aside whole.
    bool perdu =
        relus.size() < miens.size() || !std::equal(miens.begin(), miens.end(), relus.begin());
    for (const Niveau::Grille& points : autres) {
        perdu = perdu || (!contient(connus, points) && !contient(relus, points) && e.aCote.empty());
    }
    if (!e.reussi || !entier || perdu || relus.size() != std::size_t(recueil.nbNiveaux())) {
        __builtin_trap();
    }
    return 0;
}
