// SPDX-License-Identifier: GPL-3.0-or-later
// An INI file as a player wrote it, read through libinih with where each value
// stands, so that a save changes the values it must in place and leaves every
// other byte as it was: comments, blank lines, names and sections it does not
// know, values it did not change, line ends. It knows sections, names and
// values, nothing of what they mean.
#ifndef VORLEN_TEXTEINI_H
#define VORLEN_TEXTEINI_H

#include <cstddef>
#include <string>
#include <vector>

class TexteIni {
public:
    // A value as libinih hands it over, and where its bytes stand in the text.
    struct Valeur {
        std::string section;
        std::string nom;
        std::string texte;
        int ligne;         // from 1
        std::size_t debut; // npos where libinih does not say
    };
    // A line libinih could not read, or what stops the reading.
    struct Defaut {
        // Neither a comment, a [section] nor a name = value; longer than
        // libinih reads a line; a NUL byte, where libinih's text ends.
        enum Sorte { IGNOREE, TROP_LONGUE, OCTET_NUL };
        Sorte sorte;
        int ligne;
    };

    explicit TexteIni(std::string texte);

    const std::string& texte() const { return contenu; }
    // In the order of the text; a name given twice is there twice, and a
    // reader keeps the last.
    const std::vector<Valeur>& valeurs() const { return lues; }
    // In the order of the text; nothing after a NUL byte is read.
    const std::vector<Defaut>& defauts() const { return problemes; }
    // The last text the file gives `nom` in `section`; empty when none.
    std::string valeur(const std::string& section, const std::string& nom) const;

    // Gives `nom` in `section` the text `texteValeur`, the first way that
    // then reads so: in place of the last text it has, the rest of its line as
    // it was; on a line of its own at the end of the section; in a new section
    // at the end of the text. New lines end as the text's own do. After a NUL
    // byte nothing is read: such a text is to be written afresh.
    void regler(const std::string& section, const std::string& nom, const std::string& texteValeur);

private:
    // libinih's side of a reading (in texteini.cpp).
    struct Lecteur;
    // A line of the text: where it starts, where the next one does, and
    // what libinih made of it.
    struct Ligne {
        std::size_t debut;
        std::size_t fin;
        bool tropLongue;
        bool avecValeur;
    };
    // A [section] line.
    struct Entete {
        std::string section;
        int ligne; // from 1
    };

    void lire();
    // What libinih makes of line `ligne` (from 1), which gave it no value: a
    // [section] line, a line it skips, or nothing (a comment, a blank line).
    void classer(int ligne);
    const Valeur* derniere(const std::string& section, const std::string& nom) const;
    // The number of the last line of `section`, a value or its heading; 0
    // when the text has none.
    int derniereLigne(const std::string& section) const;
    // Reads the text again; whether `nom` in `section` now reads `texteValeur`.
    bool relu(const std::string& section, const std::string& nom, const std::string& texteValeur);
    void insererApres(int ligne, const std::string& texteLigne);
    void ajouterSection(const std::string& section, const std::string& texteLigne);
    // The text's own line end: CR LF when its first line ends so, else LF.
    std::string finDeLigne() const;

    std::string contenu;
    std::vector<Ligne> lignes;
    std::vector<Valeur> lues;
    std::vector<Entete> entetes;
    std::vector<Defaut> problemes;
};

#endif
