// SPDX-License-Identifier: GPL-3.0-or-later
#include "systeme/langue.h"

#include "systeme/catalogue.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string_view>

namespace {

// The process's language, as gettext's is: every screen reads it.
struct Etat {
    langue::Choix active = langue::FRANCAIS;
    std::string dossier;
    Catalogue anglais;
    bool anglaisLu = false;
};

Etat& etat() {
    static Etat e;
    return e;
}

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

// English, read once from its catalogue; false, said in one line, when it cannot be.
bool anglaisPret() {
    Etat& e = etat();
    if (!e.anglaisLu) {
        e.anglaisLu = true;
        const std::string chemin = e.dossier + "/en/LC_MESSAGES/vorlen.mo";
        std::string raison;
        if (!e.anglais.lire(chemin, raison)) {
            std::cerr << "Vorlen: catalogue anglais " << chemin << " illisible (" << raison
                      << "); les textes restent en francais" << std::endl;
        }
    }
    return e.anglais.nbTextes() > 0;
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
        if (const std::optional<Choix> choix = selonNom(liste.substr(debut, fin - debut))) {
            return *choix;
        }
        debut = fin + 1;
    }
    return FRANCAIS;
}

Choix duSysteme() {
    return selonEnvironnement(std::getenv("LANGUAGE"), std::getenv("LC_ALL"),
                              std::getenv("LC_MESSAGES"), std::getenv("LANG"));
}

void lier(const std::string& dossier) {
    Etat& e = etat();
    if (dossier != e.dossier) {
        e.dossier = dossier;
        e.anglaisLu = false;
    }
}

void choisir(Choix choix) {
    const Choix voulue = choix == SYSTEME ? duSysteme() : choix;
    etat().active = voulue == ANGLAIS && anglaisPret() ? ANGLAIS : FRANCAIS;
}

Choix active() {
    return etat().active;
}

const char* traduire(const char* texte) {
    const Etat& e = etat();
    return e.active == FRANCAIS ? texte : e.anglais.traduire(texte);
}

std::string formater(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    std::string texte = formaterListe(format, arguments);
    va_end(arguments);
    return texte;
}

std::string formaterListe(const char* format, va_list arguments) {
    va_list copie;
    va_copy(copie, arguments);
    const int longueur = std::vsnprintf(nullptr, 0, format, copie);
    va_end(copie);
    std::string texte(longueur > 0 ? longueur : 0, '\0');
    if (longueur > 0) {
        std::vsnprintf(texte.data(), texte.size() + 1, format, arguments);
    }
    return texte;
}

} // namespace langue
