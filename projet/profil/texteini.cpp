// SPDX-License-Identifier: GPL-3.0-or-later
#include "profil/texteini.h"

#include <ini.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>

// Hands libinih the text a line at a time, as its own string reader would,
// and notes where each value it gives back stands: libinih's values point
// into its copy of the current line, which is ours to fill.
struct TexteIni::Lecteur {
    TexteIni& fichier;
    std::size_t finLue;          // the first NUL byte, or the text's end
    std::size_t suivante = 0;    // where the next line starts
    const char* copie = nullptr; // libinih's copy of the current line
    std::size_t longueurCopie = 0;

    static char* ligneSuivante(char* tampon, int taille, void* lecteur);
    static int valeurLue(void* lecteur, const char* section, const char* nom, const char* valeur);
};

// A line longer than libinih's buffer would be read in pieces, each a line of
// its own to one version of the library and dropped by another: it is given
// as a blank line, and said.
char* TexteIni::Lecteur::ligneSuivante(char* tampon, int taille, void* lecteur) {
    Lecteur& l = *static_cast<Lecteur*>(lecteur);
    if (l.suivante >= l.finLue || taille < 2) {
        return nullptr;
    }
    const std::string& texte = l.fichier.contenu;
    const std::size_t debut = l.suivante;
    const std::size_t saut = std::min(texte.find('\n', debut), l.finLue);
    const bool tropLongue = saut - debut > static_cast<std::size_t>(taille) - 2;
    l.suivante = saut < l.finLue ? saut + 1 : l.finLue;
    l.fichier.lignes.push_back({debut, l.suivante, tropLongue, false});
    l.longueurCopie = tropLongue ? 0 : saut - debut;
    std::memcpy(tampon, texte.data() + debut, l.longueurCopie);
    if (saut < l.finLue || tropLongue) {
        tampon[l.longueurCopie++] = '\n';
    }
    tampon[l.longueurCopie] = '\0';
    l.copie = tampon;
    return tampon;
}

int TexteIni::Lecteur::valeurLue(void* lecteur, const char* section, const char* nom,
                                 const char* valeur) {
    Lecteur& l = *static_cast<Lecteur*>(lecteur);
    Ligne& ligne = l.fichier.lignes.back();
    ligne.avecValeur = true;
    const auto adresse = reinterpret_cast<std::uintptr_t>(valeur);
    const auto copie = reinterpret_cast<std::uintptr_t>(l.copie);
    const std::size_t debut = adresse >= copie && adresse <= copie + l.longueurCopie
                                  ? ligne.debut + (adresse - copie)
                                  : std::string::npos;
    l.fichier.lues.push_back(
        {section, nom, valeur, static_cast<int>(l.fichier.lignes.size()), debut});
    return 1;
}

TexteIni::TexteIni(std::string texte) : contenu(std::move(texte)) {
    lire();
}

void TexteIni::lire() {
    lignes.clear();
    lues.clear();
    entetes.clear();
    problemes.clear();
    // libinih reads a C string: its text ends at the first NUL byte.
    const std::size_t nul = contenu.find('\0');
    Lecteur lecteur{*this, std::min(nul, contenu.size())};
    // libinih's answer names its first bad line only: each is found below.
    ini_parse_stream(&Lecteur::ligneSuivante, &lecteur, &Lecteur::valeurLue, &lecteur);
    for (int k = 1; k <= static_cast<int>(lignes.size()); ++k) {
        if (lignes[k - 1].tropLongue) {
            problemes.push_back({Defaut::TROP_LONGUE, k});
        } else if (!lignes[k - 1].avecValeur) {
            classer(k);
        }
    }
    if (nul != std::string::npos) {
        const auto avant = std::count(contenu.begin(), contenu.begin() + nul, '\n');
        problemes.push_back({Defaut::OCTET_NUL, 1 + static_cast<int>(avant)});
    }
}

void TexteIni::classer(int ligne) {
    const Ligne& l = lignes[ligne - 1];
    std::string seule = contenu.substr(l.debut, l.fin - l.debut);
    if (!seule.empty() && seule.back() == '\n') {
        seule.pop_back();
    }
    // The line alone, where libinih tells a [section] line from a line it
    // skips, then a value of ours, which falls in the section the line opens.
    // Only a first line may start with a byte order mark.
    const std::string essai = (ligne == 1 ? "" : "\n") + seule + "\n_=\n";
    std::string section;
    const int erreur = ini_parse_string(
        essai.c_str(),
        [](void* s, const char* sec, const char*, const char*) {
            *static_cast<std::string*>(s) = sec;
            return 1;
        },
        &section);
    if (erreur != 0) {
        problemes.push_back({Defaut::IGNOREE, ligne});
    } else if (!section.empty()) {
        entetes.push_back({section, ligne});
    }
}

std::string TexteIni::valeur(const std::string& section, const std::string& nom) const {
    const Valeur* v = derniere(section, nom);
    return v != nullptr ? v->texte : std::string();
}

void TexteIni::regler(const std::string& section, const std::string& nom,
                      const std::string& texteValeur) {
    // What follows may read as part of the new text ("volume = ; fort" filled
    // reads "7; fort", an indented line after a new one continues it): each
    // way in turn, the closest to the player's text first, until it reads so.
    const TexteIni avant = *this;
    const Valeur* ancienne = derniere(section, nom);
    if (ancienne != nullptr && ancienne->debut != std::string::npos) {
        contenu.replace(ancienne->debut, ancienne->texte.size(), texteValeur);
        if (relu(section, nom, texteValeur)) {
            return;
        }
        *this = avant;
    }
    const std::string ligne = nom + " = " + texteValeur;
    const int derniere = derniereLigne(section);
    if (derniere > 0) {
        insererApres(derniere, ligne);
        if (relu(section, nom, texteValeur)) {
            return;
        }
        *this = avant;
    }
    ajouterSection(section, ligne);
    lire();
}

bool TexteIni::relu(const std::string& section, const std::string& nom,
                    const std::string& texteValeur) {
    lire();
    return valeur(section, nom) == texteValeur;
}

const TexteIni::Valeur* TexteIni::derniere(const std::string& section,
                                           const std::string& nom) const {
    for (auto v = lues.rbegin(); v != lues.rend(); ++v) {
        if (v->section == section && v->nom == nom) {
            return &*v;
        }
    }
    return nullptr;
}

int TexteIni::derniereLigne(const std::string& section) const {
    int derniere = 0;
    for (const Valeur& v : lues) {
        if (v.section == section) {
            derniere = std::max(derniere, v.ligne);
        }
    }
    for (const Entete& e : entetes) {
        if (e.section == section) {
            derniere = std::max(derniere, e.ligne);
        }
    }
    return derniere;
}

void TexteIni::insererApres(int ligne, const std::string& texteLigne) {
    const std::size_t apres = lignes[ligne - 1].fin;
    const bool terminee = contenu[apres - 1] == '\n';
    const std::string fin = finDeLigne();
    contenu.insert(apres, terminee ? texteLigne + fin : fin + texteLigne);
}

void TexteIni::ajouterSection(const std::string& section, const std::string& texteLigne) {
    const std::string fin = finDeLigne();
    // A blank line before it, as between the sections the game writes.
    if (!contenu.empty()) {
        contenu += contenu.back() == '\n' ? fin : fin + fin;
    }
    contenu += "[" + section + "]" + fin + texteLigne + fin;
}

std::string TexteIni::finDeLigne() const {
    const std::size_t saut = contenu.find('\n');
    return saut != std::string::npos && saut > 0 && contenu[saut - 1] == '\r' ? "\r\n" : "\n";
}
