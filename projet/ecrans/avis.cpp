// SPDX-License-Identifier: GPL-3.0-or-later
#include "ecrans/avis.h"

std::string avisEnregistrement(const freetype::font_data& police,
                               const fichiers::Enregistrement& enregistrement,
                               const std::string& nonEnregistre, float largeurMax,
                               const std::string& gardeSous) {
    std::string debut, fichier;
    if (!enregistrement.reussi) {
        debut = nonEnregistre + " (" + enregistrement.raison + ")";
        fichier = enregistrement.fichier;
    } else if (!enregistrement.aCote.empty()) {
        debut = gardeSous;
        fichier = enregistrement.aCote;
    } else {
        return std::string();
    }
    // A save with no place for its file names none.
    if (fichier.empty()) {
        return freetype::ajuster(police, debut, largeurMax);
    }
    debut += enregistrement.reussi ? " " : ": ";
    const float reste = largeurMax - freetype::largeur(police, debut);
    return freetype::ajuster(police, debut + freetype::abregerAuMilieu(police, fichier, reste),
                             largeurMax);
}
