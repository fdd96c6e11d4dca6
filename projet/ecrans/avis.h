// SPDX-License-Identifier: GPL-3.0-or-later
// The one line a screen shows after a save of one of the player's files, so
// that a failure, or a file kept aside, reaches the player and not only the
// terminal.
#ifndef VORLEN_AVIS_H
#define VORLEN_AVIS_H

#include "profil/fichiers.h"
#include "systeme/langue.h"
#include "rendu/FreeType.h"

#include <string>

// What went wrong first ("<nonEnregistre> (<reason>)"), or that the file found
// was kept aside (`gardeSous` says what it held), then the file's name shortened from its middle to
// the room left; the whole fitted to `largeurMax` canvas pixels in `police`. Empty when the save
// went as it should.
std::string
avisEnregistrement(const freetype::font_data& police,
                   const fichiers::Enregistrement& enregistrement, const std::string& nonEnregistre,
                   float largeurMax,
                   const std::string& gardeSous = _("Ancien fichier illisible, garde sous"));

#endif
