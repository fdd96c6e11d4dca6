// SPDX-License-Identifier: GPL-3.0-or-later
#include "systeme/utf8.h"

namespace utf8 {

namespace {

// The length of the valid sequence starting at `debut`, its code in `code`;
// 0 for a byte that starts none (a stray continuation, a sequence cut
// short, an overlong form or a surrogate).
std::size_t sequence(const std::string& texte, std::size_t debut, unsigned int& code) {
    const unsigned char tete = static_cast<unsigned char>(texte[debut]);
    std::size_t n = 0;
    unsigned int valeur = 0;
    unsigned int minimum = 0;
    if (tete < 0x80) {
        code = tete;
        return 1;
    } else if ((tete & 0xE0) == 0xC0) {
        n = 2, valeur = tete & 0x1F, minimum = 0x80;
    } else if ((tete & 0xF0) == 0xE0) {
        n = 3, valeur = tete & 0x0F, minimum = 0x800;
    } else if ((tete & 0xF8) == 0xF0) {
        n = 4, valeur = tete & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (debut + n > texte.size()) {
        return 0;
    }
    for (std::size_t i = 1; i < n; ++i) {
        const unsigned char octet = static_cast<unsigned char>(texte[debut + i]);
        if ((octet & 0xC0) != 0x80) {
            return 0;
        }
        valeur = valeur << 6 | (octet & 0x3F);
    }
    if (valeur < minimum || valeur > 0x10FFFF || (valeur >= 0xD800 && valeur < 0xE000)) {
        return 0;
    }
    code = valeur;
    return n;
}

// Where each character starts, in order.
std::vector<std::size_t> debuts(const std::string& texte) {
    std::vector<std::size_t> positions;
    for (std::size_t i = 0; i < texte.size();) {
        positions.push_back(i);
        unsigned int code = 0;
        const std::size_t n = sequence(texte, i, code);
        i += n > 0 ? n : 1;
    }
    return positions;
}

} // namespace

std::vector<unsigned int> decoder(const std::string& texte) {
    std::vector<unsigned int> codes;
    for (std::size_t i = 0; i < texte.size();) {
        unsigned int code = 0;
        const std::size_t n = sequence(texte, i, code);
        codes.push_back(n > 0 ? code : static_cast<unsigned char>(texte[i]));
        i += n > 0 ? n : 1;
    }
    return codes;
}

std::string encoder(unsigned int code) {
    std::string octets;
    if (code < 0x80) {
        octets += static_cast<char>(code);
    } else if (code < 0x800) {
        octets += static_cast<char>(0xC0 | code >> 6);
        octets += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        octets += static_cast<char>(0xE0 | code >> 12);
        octets += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        octets += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        octets += static_cast<char>(0xF0 | code >> 18);
        octets += static_cast<char>(0x80 | (code >> 12 & 0x3F));
        octets += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        octets += static_cast<char>(0x80 | (code & 0x3F));
    }
    return octets;
}

bool valide(const std::string& texte) {
    for (std::size_t i = 0; i < texte.size();) {
        unsigned int code = 0;
        const std::size_t n = sequence(texte, i, code);
        if (n == 0) {
            return false;
        }
        i += n;
    }
    return true;
}

std::size_t longueur(const std::string& texte) {
    return debuts(texte).size();
}

void retirerDernier(std::string& texte) {
    const std::vector<std::size_t> positions = debuts(texte);
    if (!positions.empty()) {
        texte.erase(positions.back());
    }
}

void retirerPremier(std::string& texte) {
    const std::vector<std::size_t> positions = debuts(texte);
    texte.erase(0, positions.size() > 1 ? positions[1] : texte.size());
}

} // namespace utf8
