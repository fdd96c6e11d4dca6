// SPDX-License-Identifier: GPL-3.0-or-later
#include "systeme/signalements.h"

#include <ostream>
#include <utility>

Signalements::Signalements(std::ostream& f, std::string p) : flux(f), prefixe(std::move(p)) {}

Signalements::~Signalements() {
    if (nbSignalements > maxLignes) {
        flux << prefixe << "trop d'erreurs, " << nbSignalements - maxLignes
             << " autres non signalees" << std::endl;
    }
}

void Signalements::signaler(const std::string& texte) {
    if (++nbSignalements <= maxLignes) {
        flux << prefixe << texte << std::endl;
    }
}

char affichable(int c) {
    return c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?';
}

std::string apercu(std::string_view texte) {
    std::string vu;
    for (const char c : texte.substr(0, longueurApercu)) {
        vu += affichable(static_cast<unsigned char>(c));
    }
    return texte.size() > longueurApercu ? vu + "..." : vu;
}
