// SPDX-License-Identifier: GPL-3.0-or-later
// The language of every text a player reads. The French texts are the
// game's own words and the catalogues' source strings; another language
// comes from its gettext catalogue, chosen by the locale or by the player.
#ifndef VORLEN_LANGUE_H
#define VORLEN_LANGUE_H

#include <cstdarg>
#include <string>

namespace langue {

// What the player chose in the options; the settings file keeps the number.
enum Choix { SYSTEME, FRANCAIS, ANGLAIS };
static constexpr int nbChoix = 3;

// The language gettext would pick from these variables (empty or null when
// unset): LANGUAGE's list unless the locale is C or POSIX, else the locale
// named by LC_ALL, LC_MESSAGES or LANG. FRANCAIS for anything we have no
// catalogue for.
Choix selonEnvironnement(const char* language, const char* lcAll, const char* lcMessages,
                         const char* lang);
// The same, read from the process's environment.
Choix duSysteme();

// Reads the catalogues from `dossier` (as gettext lays them out,
// LANG/LC_MESSAGES/vorlen.mo) from now on.
void lier(const std::string& dossier);

// Shows every text in `choix` from now on (SYSTEME: as the environment says);
// a catalogue that cannot be read is said in one line, and French stays.
void choisir(Choix choix);
// FRANCAIS or ANGLAIS: the language texts are shown in now.
Choix active();

// `texte` in the language shown: itself in French or where the catalogue
// lacks it.
const char* traduire(const char* texte) __attribute__((format_arg(1)));

// A translated printf-style text, formatted: translators move the numbers
// and names where their language puts them.
std::string formater(const char* format, ...) __attribute__((format(printf, 1, 2)));
// The same with the values already gathered, for a function that takes them itself.
std::string formaterListe(const char* format, va_list arguments);

} // namespace langue

// The marks xgettext looks for: a text translated where it is shown, and one
// kept untranslated in a table until then.
#define _(texte) ::langue::traduire(texte)
#define N_(texte) texte

#endif
