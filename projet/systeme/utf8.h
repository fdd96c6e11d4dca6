// SPDX-License-Identifier: GPL-3.0-or-later
// Text as the player's names hold it: UTF-8, read one character at a time.
// A byte that starts no valid sequence stands for the Latin-1 character of
// its code, so a name cut in the middle of a character still reads.
#ifndef VORLEN_UTF8_H
#define VORLEN_UTF8_H

#include <string>
#include <vector>

namespace utf8 {

// The characters' codes, in order.
std::vector<unsigned int> decoder(const std::string& texte);
// The character of code `code`, in UTF-8.
std::string encoder(unsigned int code);
// Whether every byte belongs to a valid sequence.
bool valide(const std::string& texte);
// How many characters the text holds.
std::size_t longueur(const std::string& texte);
// The text without its last character, or its first.
void retirerDernier(std::string& texte);
void retirerPremier(std::string& texte);

} // namespace utf8

#endif
