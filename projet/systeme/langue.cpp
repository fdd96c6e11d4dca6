// SPDX-License-Identifier: GPL-3.0-or-later
#include "systeme/langue.h"

#include <libintl.h>

#include <clocale>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string_view>

namespace {

const char* const domaine = "vorlen";

langue::Choix langueActive = langue::FRANCAIS;

bool vide(const char* valeur) {
    return valeur == nullptr || *valeur == '\0';
}

// The language a name asks for, if we have it: "en_GB.UTF-8@euro" is
// English, the language being what precedes the country.
std::optional<langue::Choix> selonNom(std::string_view nom) {
    const std::string_view code = nom.substr(0, nom.find_first_of("_.@"));
    if (code == "fr") {
        return langue::FRANCAIS;
    }
    if (code == "en") {
        return langue::ANGLAIS;
    }
    return std::nullopt;
}

// LANGUAGE as the player set it: choosing English sets it for gettext, and
// "as the system" must still find the player's own.
const char* languageDuJoueur() {
    static const char* const lu = std::getenv("LANGUAGE");
    static const std::string copie = lu == nullptr ? "" : lu;
    return lu == nullptr ? nullptr : copie.c_str();
}

bool catalogueDans(const std::filesystem::path& dossier) {
    std::error_code erreur;
    return std::filesystem::is_regular_file(
        dossier / "en" / "LC_MESSAGES" / (std::string(domaine) + ".mo"), erreur);
}

} // namespace

namespace langue {

Choix selonEnvironnement(const char* language, const char* lcAll, const char* lcMessages,
                         const char* lang) {
    const char* locale = !vide(lcAll) ? lcAll : !vide(lcMessages) ? lcMessages : lang;
    const std::string_view nomLocale = vide(locale) ? "C" : locale;
    // As gettext: the C locale keeps the program's own words whatever LANGUAGE says.
    if (nomLocale == "C" || nomLocale == "POSIX") {
        return FRANCAIS;
    }
    const std::string_view liste = vide(language) ? nomLocale : std::string_view(language);
    std::size_t debut = 0;
    while (debut <= liste.size()) {
        const std::size_t fin = std::min(liste.find(':', debut), liste.size());
        const std::string_view nom = liste.substr(debut, fin - debut);
        if (const std::optional<Choix> choix = selonNom(nom)) {
            return *choix;
        }
        debut = fin + 1;
    }
    return FRANCAIS;
}

Choix duSysteme() {
    return selonEnvironnement(languageDuJoueur(), std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"),
                              std::getenv("LANG"));
}

std::string dossierCatalogues() {
    std::error_code erreur;
    const std::filesystem::path programme = std::filesystem::read_symlink("/proc/self/exe", erreur);
    if (erreur) {
        return {};
    }
    for (const std::filesystem::path& dossier :
         {programme.parent_path() / VORLEN_CATALOGUES_RELATIFS,
          programme.parent_path() / "locale"}) {
        if (catalogueDans(dossier)) {
            return dossier.lexically_normal().string();
        }
    }
    return {};
}

void lier(const std::string& dossier) {
    bindtextdomain(domaine, dossier.c_str());
    // Our glyphs are drawn from UTF-8, whatever the locale's own encoding.
    bind_textdomain_codeset(domaine, "UTF-8");
}

void choisir(Choix choix) {
    langueActive = choix == SYSTEME ? duSysteme() : choix;
    if (langueActive == FRANCAIS) {
        std::setlocale(LC_MESSAGES, "C");
        return;
    }
    // gettext reads LANGUAGE only outside the C locale, and a player's
    // locale may not be installed: C.UTF-8 always is. Only the messages'
    // category changes, so numbers in files still read with a point.
    languageDuJoueur();
    setenv("LANGUAGE", "en", 1);
    const char* locale = std::setlocale(LC_MESSAGES, "");
    if (locale == nullptr || std::string_view(locale) == "C" ||
        std::string_view(locale) == "POSIX") {
        std::setlocale(LC_MESSAGES, "C.UTF-8");
    }
}

Choix active() {
    return langueActive;
}

const char* traduire(const char* texte) {
    return langueActive == FRANCAIS ? texte : dgettext(domaine, texte);
}

std::string formater(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    va_list copie;
    va_copy(copie, arguments);
    const int longueur = std::vsnprintf(nullptr, 0, format, copie);
    va_end(copie);
    std::string texte(longueur > 0 ? longueur : 0, '\0');
    if (longueur > 0) {
        std::vsnprintf(texte.data(), texte.size() + 1, format, arguments);
    }
    va_end(arguments);
    return texte;
}

} // namespace langue
