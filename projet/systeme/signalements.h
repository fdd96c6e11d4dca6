// SPDX-License-Identifier: GPL-3.0-or-later
// Problem lines about a file from someone else (a level file, the player's
// settings or scores), bounded so that a hostile file can neither flood the
// terminal nor fill the memory, and cleaned of the bytes a terminal obeys.
#ifndef VORLEN_SIGNALEMENTS_H
#define VORLEN_SIGNALEMENTS_H

#include <iosfwd>
#include <string>
#include <string_view>

class Signalements {
public:
    // Beyond this many lines a broken file would flood the terminal.
    static constexpr int maxLignes = 10;

    // Each line goes to `flux` after `prefixe`, which names the file.
    Signalements(std::ostream& flux, std::string prefixe);
    // Says how many were left unsaid, if any.
    ~Signalements();
    Signalements(const Signalements&) = delete;
    Signalements& operator=(const Signalements&) = delete;

    // One line, up to the bound; counted past it.
    void signaler(const std::string& texte);
    // Every problem met, said or not.
    int nombre() const { return nbSignalements; }

private:
    std::ostream& flux;
    std::string prefixe;
    int nbSignalements = 0;
};

// A character from a file as a report shows it: printable ASCII as it is,
// anything else (control bytes, escape sequences, bytes of UTF-8) as '?'.
char affichable(int c);

// The first characters of a text from a file, shown as above, with "..."
// when it was longer.
std::string apercu(std::string_view texte);
constexpr std::size_t longueurApercu = 24;

#endif
