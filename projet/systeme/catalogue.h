// SPDX-License-Identifier: GPL-3.0-or-later
// A gettext catalogue as msgfmt compiles it (a .mo file), read by the game
// itself: a language the player chooses must show whatever locales the
// system has installed, and the C library's gettext will not look past a
// C or C.UTF-8 locale.
#ifndef VORLEN_CATALOGUE_H
#define VORLEN_CATALOGUE_H

#include <cstddef>
#include <string>
#include <unordered_map>

class Catalogue {
public:
    // Far more than the game's texts take in any language.
    static constexpr std::size_t tailleMax = 1 << 20;

    // Reads the catalogue of `chemin` in place of what was read before;
    // false, with why in `raison`, when it is not one (it then translates nothing).
    bool lire(const std::string& chemin, std::string& raison);
    // The translation of `texte`, or `texte` itself where there is none.
    const char* traduire(const char* texte) const;
    std::size_t nbTextes() const { return traductions.size(); }

private:
    std::unordered_map<std::string, std::string> traductions;
};

#endif
