// SPDX-License-Identifier: GPL-3.0-or-later
#include "jeu/rejeux.h"

#include "profil/scores.h"

namespace rejeux {

std::string cheminDernier() {
    const std::string dossier = fichiers::dossierDonneesJoueur();
    return dossier.empty() ? "" : dossier + "/dernier-match.rejeu";
}

std::string cheminDemo() {
    return "demo.rejeu";
}

fichiers::Enregistrement garderDernier(Rejeu rejeu) {
    const std::string chemin = cheminDernier();
    if (chemin.empty()) {
        return fichiers::Enregistrement::reussite();
    }
    rejeu.date = dateDuJour();
    const std::string texte = rejeu.texte();
    return fichiers::enregistrer(
        chemin, Rejeu::tailleMaxFichier, [&texte](const fichiers::Contenu& avant) {
            std::string raison;
            const bool etranger =
                avant.etat == fichiers::Contenu::ILLISIBLE ||
                (avant.etat == fichiers::Contenu::LU && !Rejeu::lire(avant.texte, raison));
            return fichiers::Fusion{texte, etranger};
        });
}

} // namespace rejeux
