// SPDX-License-Identifier: GPL-3.0-or-later
#include "profil/preferences.h"

#include "profil/fichiers.h"
#include "profil/settings.h"
#include "profil/texteini.h"
#include "profil/difficulte.h"
#include "systeme/langue.h"
#include "systeme/signalements.h"

#include <SDL_keysym.h>

#include <strings.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <vector>

namespace {

const char* const nomFichier = "vorlen.ini";
const char* const sectionTouches = "touches";
// A settings file holds a dozen short lines; anything far longer is not one.
const std::size_t tailleMax = 64 * 1024;
// The spelling of a key the controls menu has no name for: its SDL code.
const char* const prefixeCode = "touche ";

// The file's names of the keys, in the order of Settings::Touches.
const char* const nomsTouches[Settings::nbTouches] = {
    "j1_gauche", "j1_droite", "j1_action", "j2_gauche", "j2_droite", "j2_action", "pause"};

// What a report says of a line libinih could not read, after its number, in
// the order of TexteIni::Defaut::Sorte.
const char* const motsDefauts[] = {
    " ni [section] ni nom = valeur, ignorée", " trop longue, ignorée",
    ": octet nul, la suite est ignorée; le fichier sera gardé de côté au prochain enregistrement"};

// An option kept as a number of Settings: one of its words (the word's
// index is the number), or, without words, a number from 0 to `max`.
struct Option {
    const char* section;
    const char* nom;
    Settings::Choix choix;
    std::vector<const char*> mots;
    int max;
    int (*lire)(const Settings&);
    void (*regler)(Settings&, int);
};

// Each option the file keeps: adding one is adding its line here.
const Option options[] = {
    {"options",
     "plein_ecran",
     Settings::CHOIX_PLEIN_ECRAN,
     {"non", "oui"},
     1,
     [](const Settings& s) { return int(s.getPleinEcranRetenu()); },
     [](Settings& s, int v) { s.setPleinEcran(v != 0); }},
    {"options",
     "volume",
     Settings::CHOIX_VOLUME,
     {},
     Settings::volumeMax,
     [](const Settings& s) { return s.getVolume(); },
     [](Settings& s, int v) { s.setVolume(v); }},
    {"options",
     "eclairage",
     Settings::CHOIX_ECLAIRAGE,
     {"classique", "vif"},
     1,
     [](const Settings& s) { return int(s.getEclairageVif()); },
     [](Settings& s, int v) { s.setEclairageVif(v != 0); }},
    {"options",
     "langue",
     Settings::CHOIX_LANGUE,
     {"systeme", "francais", "anglais"},
     langue::nbChoix - 1,
     [](const Settings& s) { return s.getLangue(); },
     [](Settings& s, int v) { s.setLangue(v); }},
    {"options",
     "difficulte",
     Settings::CHOIX_DIFFICULTE,
     {std::begin(difficulte::mots), std::end(difficulte::mots)},
     difficulte::nbChoix - 1,
     [](const Settings& s) { return s.getDifficulte(); },
     [](Settings& s, int v) { s.setDifficulte(v); }},
    {"options",
     "fin_niveau",
     Settings::CHOIX_FIN_NIVEAU,
     {"attendre", "passer"},
     1,
     [](const Settings& s) { return int(s.getFinNiveauPasser()); },
     [](Settings& s, int v) { s.setFinNiveauPasser(v != 0); }},
    {"fenetre",
     "largeur",
     Settings::CHOIX_LARGEUR_FENETRE,
     {},
     Settings::tailleFenetreMax,
     [](const Settings& s) { return s.getLargeurFenetre(); },
     [](Settings& s, int v) { s.setTailleFenetre(v, s.getHauteurFenetre()); }},
    {"fenetre",
     "hauteur",
     Settings::CHOIX_HAUTEUR_FENETRE,
     {},
     Settings::tailleFenetreMax,
     [](const Settings& s) { return s.getHauteurFenetre(); },
     [](Settings& s, int v) { s.setTailleFenetre(s.getLargeurFenetre(), v); }},
    {"appareils",
     "joueur1",
     Settings::CHOIX_PERIPHERIQUE_J1,
     {"clavier", "souris", "manette1", "manette2"},
     Settings::nbPeripheriques - 1,
     [](const Settings& s) { return s.getPeripherique(1); },
     [](Settings& s, int v) { s.setPeripherique(1, v); }},
    {"appareils",
     "joueur2",
     Settings::CHOIX_PERIPHERIQUE_J2,
     {"clavier", "souris", "manette1", "manette2"},
     Settings::nbPeripheriques - 1,
     [](const Settings& s) { return s.getPeripherique(2); },
     [](Settings& s, int v) { s.setPeripherique(2, v); }},
    {"appareils",
     "sensibilite_souris",
     Settings::CHOIX_SENSIBILITE_SOURIS,
     {},
     Settings::sensibiliteMax,
     [](const Settings& s) { return s.getSensibiliteSouris(); },
     [](Settings& s, int v) { s.setSensibiliteSouris(v); }},
    {"aide",
     "astuce_lancer",
     Settings::CHOIX_ASTUCE_LANCER,
     {"non", "oui"},
     1,
     [](const Settings& s) { return int(s.getAstuceLancer()); },
     [](Settings& s, int v) { s.setAstuceLancer(v != 0); }},
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
    Signalements& problemes;
};

bool lireTouche(Lecture& lecture, const char* nom, const char* valeur) {
    for (int k = 0; k < Settings::nbTouches; ++k) {
        if (std::strcmp(nom, nomsTouches[k]) != 0) {
            continue;
        }
        const int code = codeTouche(valeur);
        if (code == 0) {
            lecture.problemes.signaler(std::string(nom) + " = " + apercu(valeur) +
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
            lecture.problemes.signaler(std::string(nom) + " = " + apercu(valeur) + ": attendu " +
                                       choixOption(o) + "; valeur par défaut");
        } else {
            o.regler(lecture.settings, v);
        }
        return true;
    }
    return false;
}

void lireValeur(Lecture& lecture, const TexteIni::Valeur& v) {
    const bool connu = v.section == sectionTouches
                           ? lireTouche(lecture, v.nom.c_str(), v.texte.c_str())
                           : lireOption(lecture, v.section.c_str(), v.nom.c_str(), v.texte.c_str());
    if (!connu) {
        lecture.problemes.signaler("[" + apercu(v.section) + "] " + apercu(v.nom) +
                                   ": réglage inconnu, ignoré");
    }
}

// Keys must stay distinct: each key found in two places goes back to its
// default in both, which may free or take another, until none is twice.
void appliquerTouches(Lecture& lecture) {
    const Settings::Touches defauts = Settings().getTouches();
    Settings::Touches& touches = lecture.touches;
    std::string remises;
    // Each pass puts back at least one key the player chose.
    for (int passe = 0; passe < Settings::nbTouches && !Settings::touchesValides(touches);
         ++passe) {
        Settings::Touches suivantes = touches;
        for (int k = 0; k < Settings::nbTouches; ++k) {
            if (std::count(touches.begin(), touches.end(), touches[k]) > 1 &&
                touches[k] != defauts[k]) {
                suivantes[k] = defauts[k];
                remises += (remises.empty() ? "" : ", ") + std::string(nomsTouches[k]);
            }
        }
        touches = suivantes;
    }
    if (!remises.empty()) {
        lecture.problemes.signaler("une même touche sert deux fois; touche par défaut pour " +
                                   remises);
    }
    lecture.settings.setTouches(touches);
}

bool octetNul(const TexteIni& fichier) {
    const auto& defauts = fichier.defauts();
    return std::any_of(defauts.begin(), defauts.end(), [](const TexteIni::Defaut& d) {
        return d.sorte == TexteIni::Defaut::OCTET_NUL;
    });
}

// The file's text into `settings`, each problem reported.
void lireTexte(const TexteIni& fichier, Settings& settings, Signalements& problemes) {
    Lecture lecture{settings, settings.getTouches(), problemes};
    for (const TexteIni::Valeur& v : fichier.valeurs()) {
        lireValeur(lecture, v);
    }
    for (const TexteIni::Defaut& d : fichier.defauts()) {
        problemes.signaler("ligne " + std::to_string(d.ligne) + motsDefauts[d.sorte]);
    }
    appliquerTouches(lecture);
}

// The choices the file holds, read again at a save: what was wrong in it was
// said at start.
Settings lireEnSilence(const TexteIni& fichier) {
    Settings lus;
    std::ostream muet(nullptr);
    Signalements problemes(muet, "");
    lireTexte(fichier, lus, problemes);
    return lus;
}

// This run's own changes over the choices the file holds now.
Settings superposer(const Settings& dansLeFichier, const Settings& settings) {
    Settings fusion = dansLeFichier;
    Settings::Touches touches = fusion.getTouches();
    const Settings::Touches miennes = settings.getTouches();
    for (int k = 0; k < Settings::nbTouches; ++k) {
        if (settings.choixModifie(k)) {
            touches[k] = miennes[k];
        }
    }
    // Two copies that took the same key for two commands: this copy's set holds.
    fusion.setTouches(Settings::touchesValides(touches) ? touches : miennes);
    for (const Option& o : options) {
        if (settings.choixModifie(o.choix)) {
            o.regler(fusion, o.lire(settings));
        }
    }
    return fusion;
}

// Writes in `fichier` the values the save changes: those this run changed,
// and those the merge moved (a set of keys that holds whole, a device taken
// from the other player). A value the file already says, in whatever
// spelling, is left as the player wrote it.
void reporter(TexteIni& fichier, const Settings& dansLeFichier, const Settings& fusion,
              const Settings& settings) {
    const Settings::Touches avant = dansLeFichier.getTouches();
    const Settings::Touches apres = fusion.getTouches();
    for (int k = 0; k < Settings::nbTouches; ++k) {
        const bool change = settings.choixModifie(k) || apres[k] != avant[k];
        const std::string dit = fichier.valeur(sectionTouches, nomsTouches[k]);
        if (change && codeTouche(dit.c_str()) != apres[k]) {
            fichier.regler(sectionTouches, nomsTouches[k], nomTouche(apres[k]));
        }
    }
    for (const Option& o : options) {
        const int v = o.lire(fusion);
        const bool change = settings.choixModifie(o.choix) || v != o.lire(dansLeFichier);
        if (change && valeurOption(o, fichier.valeur(o.section, o.nom).c_str()) != v) {
            fichier.regler(o.section, o.nom, motOption(o, v));
        }
    }
}

// The file as it stands, with this run's own changes over it: edited in
// place; written afresh where there is none or it cannot be read, and where
// a NUL byte hid its end, which is then kept aside whole.
fichiers::Fusion fusionner(const fichiers::Contenu& surDisque, const Settings& settings) {
    const bool lu = surDisque.etat == fichiers::Contenu::LU;
    TexteIni fichier(lu ? surDisque.texte : std::string());
    const Settings dansLeFichier = lireEnSilence(fichier);
    const Settings fusion = superposer(dansLeFichier, settings);
    const bool coupe = octetNul(fichier);
    if (!lu || coupe) {
        return {preferences::texte(fusion), coupe};
    }
    reporter(fichier, dansLeFichier, fusion, settings);
    return {fichier.texte()};
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
    const fichiers::Contenu contenu = fichiers::lire(chemin, tailleMax);
    if (contenu.etat == fichiers::Contenu::ILLISIBLE) {
        std::cerr << "Vorlen: " << chemin << ": illisible (" << contenu.raison
                  << "); réglages par défaut" << std::endl;
    } else if (contenu.etat == fichiers::Contenu::LU) {
        Signalements problemes(std::cerr, "Vorlen: " + chemin + ": ");
        lireTexte(TexteIni(contenu.texte), settings, problemes);
    }
    settings.oublierModifications();
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

void enregistrer(Settings& settings) {
    const std::string chemin = cheminFichier();
    if (chemin.empty()) {
        // Said on standard error at start; the menus say it at each change.
        fichiers::Enregistrement sansPlace;
        sansPlace.raison = _("ni XDG_CONFIG_HOME ni HOME");
        settings.setEnregistrement(sansPlace);
        return;
    }
    const fichiers::Enregistrement e = fichiers::enregistrer(
        chemin, tailleMax, [&](const fichiers::Contenu& c) { return fusionner(c, settings); });
    settings.setEnregistrement(e);
    if (!e.aCote.empty()) {
        std::cerr << "Vorlen: " << chemin << " illisible, gardé tel quel sous " << e.aCote
                  << std::endl;
    }
    if (!e.reussi) {
        std::cerr << "Vorlen: réglages non enregistrés (" << e.erreur
                  << "); le jeu continue avec ces réglages" << std::endl;
        return;
    }
    settings.oublierModifications();
}

} // namespace preferences
