// SPDX-License-Identifier: GPL-3.0-or-later
#include "profil/preferences.h"

#include "profil/fichiers.h"
#include "profil/settings.h"

#include <SDL_keysym.h>
#include <ini.h>

#include <strings.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <vector>

namespace {

const char* const nomFichier = "vorlen.ini";
const char* const sectionTouches = "touches";
// The spelling of a key the controls menu has no name for: its SDL code.
const char* const prefixeCode = "touche ";

// The file's names of the keys, in the order of Settings::Touches.
const char* const nomsTouches[Settings::nbTouches] = {
    "j1_gauche", "j1_droite", "j1_action", "j2_gauche", "j2_droite", "j2_action", "pause"};

// An option kept as a number of Settings: one of its words (the word's
// index is the number), or, without words, a number from 0 to `max`.
struct Option {
    const char* section;
    const char* nom;
    std::vector<const char*> mots;
    int max;
    int (*lire)(const Settings&);
    void (*regler)(Settings&, int);
};

// Each option the file keeps: adding one is adding its line here.
const Option options[] = {
    {"options",
     "plein_ecran",
     {"non", "oui"},
     1,
     [](const Settings& s) { return int(s.getPleinEcranRetenu()); },
     [](Settings& s, int v) { s.setPleinEcran(v != 0); }},
    {"options",
     "volume",
     {},
     Settings::volumeMax,
     [](const Settings& s) { return s.getVolume(); },
     [](Settings& s, int v) { s.setVolume(v); }},
    {"options",
     "eclairage",
     {"classique", "vif"},
     1,
     [](const Settings& s) { return int(s.getEclairageVif()); },
     [](Settings& s, int v) { s.setEclairageVif(v != 0); }},
    {"fenetre",
     "largeur",
     {},
     Settings::tailleFenetreMax,
     [](const Settings& s) { return s.getLargeurFenetre(); },
     [](Settings& s, int v) { s.setTailleFenetre(v, s.getHauteurFenetre()); }},
    {"fenetre",
     "hauteur",
     {},
     Settings::tailleFenetreMax,
     [](const Settings& s) { return s.getHauteurFenetre(); },
     [](Settings& s, int v) { s.setTailleFenetre(s.getLargeurFenetre(), v); }},
};

// A key as the file writes it: the controls menu's name, else "touche N".
std::string nomTouche(int code) {
    const std::string nom = Settings::getKeyByCode(code);
    return nom != "UNKNOWN" ? nom : prefixeCode + std::to_string(code);
}

// The code of a key the file names, ignoring case; 0 when it names none.
int codeTouche(const char* nom) {
    for (int code = SDLK_UNKNOWN + 1; code < SDLK_LAST; ++code) {
        if (Settings::toucheAssignable(code) && strcasecmp(nom, nomTouche(code).c_str()) == 0) {
            return code;
        }
    }
    return 0;
}

std::string motOption(const Option& o, int valeur) {
    return o.mots.empty() ? std::to_string(valeur) : o.mots[valeur];
}

// The number an option's text stands for; -1 when it stands for none.
int valeurOption(const Option& o, const char* texte) {
    if (o.mots.empty()) {
        char* fin = nullptr;
        errno = 0;
        const long v = std::strtol(texte, &fin, 10);
        const bool nombre = fin != texte && *fin == '\0' && errno == 0;
        return nombre && v >= 0 && v <= o.max ? static_cast<int>(v) : -1;
    }
    for (std::size_t k = 0; k < o.mots.size(); ++k) {
        if (strcasecmp(texte, o.mots[k]) == 0) {
            return static_cast<int>(k);
        }
    }
    return -1;
}

// What the choices between `mots` are, for a message: "non ou oui", "0 à 10".
std::string choixOption(const Option& o) {
    if (o.mots.empty()) {
        return "un nombre de 0 à " + std::to_string(o.max);
    }
    std::string choix;
    for (std::size_t k = 0; k < o.mots.size(); ++k) {
        choix += (k == 0 ? "" : k + 1 == o.mots.size() ? " ou " : ", ") + std::string(o.mots[k]);
    }
    return choix;
}

// What reading finds, before it is handed to the settings.
struct Lecture {
    Settings& settings;
    Settings::Touches touches;
    std::vector<std::string> problemes;
};

bool lireTouche(Lecture& lecture, const char* nom, const char* valeur) {
    for (int k = 0; k < Settings::nbTouches; ++k) {
        if (std::strcmp(nom, nomsTouches[k]) != 0) {
            continue;
        }
        const int code = codeTouche(valeur);
        if (code == 0) {
            lecture.problemes.push_back(std::string(nom) + " = " + valeur +
                                        ": ce n'est pas une touche (a à z, ESPACE, HAUT, BAS, "
                                        "DROITE, GAUCHE ou touche N); touche par défaut");
        } else {
            lecture.touches[k] = code;
        }
        return true;
    }
    return false;
}

bool lireOption(Lecture& lecture, const char* section, const char* nom, const char* valeur) {
    for (const Option& o : options) {
        if (std::strcmp(section, o.section) != 0 || std::strcmp(nom, o.nom) != 0) {
            continue;
        }
        const int v = valeurOption(o, valeur);
        if (v < 0) {
            lecture.problemes.push_back(std::string(nom) + " = " + valeur + ": attendu " +
                                        choixOption(o) + "; valeur par défaut");
        } else {
            o.regler(lecture.settings, v);
        }
        return true;
    }
    return false;
}

int lireLigne(void* utilisateur, const char* section, const char* nom, const char* valeur) {
    Lecture& lecture = *static_cast<Lecture*>(utilisateur);
    const bool connu = std::strcmp(section, sectionTouches) == 0
                           ? lireTouche(lecture, nom, valeur)
                           : lireOption(lecture, section, nom, valeur);
    if (!connu) {
        lecture.problemes.push_back("[" + std::string(section) + "] " + nom +
                                    ": réglage inconnu, ignoré");
    }
    return 1;
}

// The file as inih reads it; false, with the reason, when it cannot be read.
bool lireFichier(const std::string& chemin, Lecture& lecture) {
    if (std::filesystem::is_directory(chemin)) {
        lecture.problemes.push_back("c'est un dossier, pas un fichier; réglages par défaut");
        return false;
    }
    const int resultat = ini_parse(chemin.c_str(), lireLigne, &lecture);
    if (resultat < 0) {
        lecture.problemes.push_back(std::string("illisible (") + std::strerror(errno) +
                                    "); réglages par défaut");
        return false;
    }
    if (resultat > 0) {
        lecture.problemes.push_back("ligne " + std::to_string(resultat) +
                                    " ni [section] ni nom = valeur, ignorée");
    }
    return true;
}

// Keys must stay distinct: a key found twice takes every key back to its default.
void appliquerTouches(Lecture& lecture) {
    if (Settings::touchesValides(lecture.touches)) {
        lecture.settings.setTouches(lecture.touches);
        return;
    }
    lecture.problemes.push_back("une même touche sert deux fois; toutes les touches par défaut");
}

} // namespace

namespace preferences {

std::string cheminFichier() {
    const std::string dossier = fichiers::dossierPreferences();
    return dossier.empty() ? dossier : dossier + "/" + nomFichier;
}

void charger(Settings& settings) {
    const std::string chemin = cheminFichier();
    if (chemin.empty()) {
        std::cerr << "Vorlen: ni XDG_CONFIG_HOME ni HOME ne sont définis; les réglages ne "
                     "dureront que cette partie"
                  << std::endl;
        return;
    }
    std::error_code ec;
    if (!std::filesystem::exists(chemin, ec) && !ec) {
        return;
    }
    Lecture lecture{settings, settings.getTouches(), {}};
    if (lireFichier(chemin, lecture)) {
        appliquerTouches(lecture);
    }
    for (const std::string& probleme : lecture.problemes) {
        std::cerr << "Vorlen: " << chemin << ": " << probleme << std::endl;
    }
}

std::string texte(const Settings& settings) {
    std::string t = "; Réglages de Vorlen, réécrits par le jeu à chaque changement.\n"
                    "; Touches : a à z, ESPACE, HAUT, BAS, DROITE, GAUCHE, ou touche N "
                    "(code SDL de la touche).\n";
    t += std::string("\n[") + sectionTouches + "]\n";
    const Settings::Touches touches = settings.getTouches();
    for (int k = 0; k < Settings::nbTouches; ++k) {
        t += std::string(nomsTouches[k]) + " = " + nomTouche(touches[k]) + "\n";
    }
    const char* section = sectionTouches;
    for (const Option& o : options) {
        if (std::strcmp(section, o.section) != 0) {
            section = o.section;
            t += std::string("\n[") + section + "]\n";
        }
        t += std::string(o.nom) + " = " + motOption(o, o.lire(settings)) + "\n";
    }
    return t;
}

void enregistrer(const Settings& settings) {
    const std::string chemin = cheminFichier();
    std::string erreur;
    if (!chemin.empty() && !fichiers::ecrireAtomiquement(chemin, texte(settings), erreur)) {
        std::cerr << "Vorlen: réglages non enregistrés (" << erreur
                  << "); le jeu continue avec ces réglages" << std::endl;
    }
}

} // namespace preferences
