// SPDX-License-Identifier: GPL-3.0-or-later
#include "systeme/catalogue.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {

// The words of the file's header and of its two tables, in its byte order.
class Octets {
public:
    explicit Octets(const std::string& contenu) : contenu(contenu) {}

    bool ordreConnu() {
        std::uint32_t magie = 0;
        if (!mot(0, magie)) {
            return false;
        }
        inverse = magie == 0xde120495u;
        return inverse || magie == 0x950412deu;
    }
    bool mot(std::size_t position, std::uint32_t& valeur) const {
        if (position > contenu.size() || contenu.size() - position < 4) {
            return false;
        }
        std::memcpy(&valeur, contenu.data() + position, 4);
        if (inverse) {
            valeur = __builtin_bswap32(valeur);
        }
        return true;
    }
    // String `k` of the table at `table`: its length and where it starts,
    // checked to lie in the file, its closing zero included.
    bool chaine(std::uint32_t table, std::uint32_t k, std::string& texte) const {
        std::uint32_t longueur = 0, debut = 0;
        const std::size_t entree = table + std::size_t{8} * k;
        if (!mot(entree, longueur) || !mot(entree + 4, debut) || debut >= contenu.size() ||
            contenu.size() - debut <= longueur) {
            return false;
        }
        texte.assign(contenu, debut, longueur);
        return true;
    }

private:
    const std::string& contenu;
    bool inverse = false;
};

// The printf conversions of a text, in order ("d", "s", "ld"…): a translation
// must take the same arguments as its text, or the game would read them wrong.
std::string conversions(const std::string& texte) {
    std::string suite;
    for (std::size_t k = 0; k < texte.size(); ++k) {
        if (texte[k] != '%') {
            continue;
        }
        k = texte.find_first_not_of("-+ #0123456789.*", k + 1);
        if (k == std::string::npos) {
            break;
        }
        const std::size_t fin = texte.find_first_not_of("hlLqjzt", k);
        if (fin == std::string::npos) {
            break;
        }
        suite += texte.substr(k, fin - k + 1) + ' ';
        k = fin;
    }
    return suite;
}

} // namespace

bool Catalogue::lire(const std::string& chemin, std::string& raison) {
    traductions.clear();
    std::ifstream fichier(chemin, std::ios::binary);
    if (!fichier) {
        raison = "introuvable";
        return false;
    }
    // Read a block at a time, and never past the bound: a file may be endless.
    std::string contenu;
    char bloc[4096];
    do {
        fichier.read(bloc, sizeof bloc);
        contenu.append(bloc, static_cast<std::size_t>(fichier.gcount()));
    } while (fichier && contenu.size() <= tailleMax);
    if (contenu.size() > tailleMax) {
        raison = "trop grand pour un catalogue";
        return false;
    }
    Octets octets(contenu);
    std::uint32_t nombre = 0, originaux = 0, traduits = 0;
    if (!octets.ordreConnu() || !octets.mot(8, nombre) || !octets.mot(12, originaux) ||
        !octets.mot(16, traduits)) {
        raison = "ce n'est pas un catalogue gettext";
        return false;
    }
    std::string original, traduit;
    for (std::uint32_t k = 0; k < nombre; ++k) {
        if (!octets.chaine(originaux, k, original) || !octets.chaine(traduits, k, traduit)) {
            traductions.clear();
            raison = "catalogue coupe ou abime";
            return false;
        }
        if (conversions(original) != conversions(traduit)) {
            traductions.clear();
            raison = "la traduction de \"" + original + "\" ne prend pas les memes valeurs";
            return false;
        }
        // The header's entry has no text of ours; an empty translation is none.
        if (!original.empty() && !traduit.empty()) {
            traductions[original] = traduit;
        }
    }
    return true;
}

const char* Catalogue::traduire(const char* texte) const {
    const auto trouvee = traductions.find(texte);
    return trouvee == traductions.end() ? texte : trouvee->second.c_str();
}
