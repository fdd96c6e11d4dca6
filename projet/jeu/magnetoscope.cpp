// SPDX-License-Identifier: GPL-3.0-or-later
#include "jeu/magnetoscope.h"

#include "jeu/typesparties.h"
#include "profil/fichiers.h"
#include "systeme/langue.h"
#include "systeme/horloge.h"
#include "systeme/version.h"

#include <iomanip>
#include <ostream>

namespace {

std::unique_ptr<Partie> partieDuMode(int nbJoueurs) {
    if (nbJoueurs == 1) {
        return std::make_unique<Normal1j>();
    }
    return std::make_unique<Coop2j>();
}

} // namespace

Magnetoscope::Magnetoscope(const Rejeu& r)
    : rejeu(r), match(partieDuMode(r.nbJoueurs)), lecteur(r) {
    match->rejouerDepuis(rejeu);
}

Magnetoscope::~Magnetoscope() {
    horloge::liberer();
}

bool Magnetoscope::avancer() {
    if (termine || !lecteur.suivant(enCours)) {
        termine = true;
        return false;
    }
    ++numero;
    if (!match->rejouer(enCours)) {
        ecart = true;
        termine = true;
    }
    return !termine;
}

std::optional<Rejeu> chargerRejeu(const std::string& chemin, std::string& raison) {
    const fichiers::Contenu contenu = fichiers::lire(chemin, Rejeu::tailleMaxFichier);
    if (contenu.etat != fichiers::Contenu::LU) {
        raison = contenu.etat == fichiers::Contenu::ABSENT ? _("introuvable") : contenu.raison;
        return std::nullopt;
    }
    std::optional<Rejeu> rejeu = Rejeu::lire(contenu.texte, raison);
    if (rejeu && rejeu->version != version::complete) {
        raison = langue::formater(_("enregistre par Vorlen %s, ce jeu est %s"),
                                  rejeu->version.c_str(), version::complete);
        return std::nullopt;
    }
    return rejeu;
}

StatutRejeu verifierRejeu(const std::string& chemin, std::ostream& sortie) {
    std::string raison;
    const std::optional<Rejeu> rejeu = chargerRejeu(chemin, raison);
    if (!rejeu) {
        sortie << "rejeu " << chemin << " illisible: " << raison << std::endl;
        return REJEU_ILLISIBLE;
    }
    Magnetoscope magnetoscope(*rejeu);
    const Partie& partie = magnetoscope.partie();
    while (magnetoscope.avancer()) {
        if (magnetoscope.passage() % Rejeu::periodeControle == 0) {
            sortie << "passage " << magnetoscope.passage() << ": " << std::hex << std::setw(8)
                   << std::setfill('0') << partie.empreinte() << std::dec << '\n';
        }
    }
    if (magnetoscope.egare()) {
        sortie << "passage " << magnetoscope.passage() << ": le match s'ecarte de celui enregistre"
               << std::endl;
        return REJEU_ECARTE;
    }
    const Rejeu fin = partie.rejeu();
    sortie << "scores " << fin.scores[0] << ' ' << fin.scores[1] << ", niveau " << fin.niveauAtteint
           << ", " << magnetoscope.passage() << " passages" << std::endl;
    const bool fidele = magnetoscope.passage() == rejeu->nbPassages() &&
                        fin.scores == rejeu->scores && fin.niveauAtteint == rejeu->niveauAtteint;
    if (!fidele) {
        sortie << "le rejeu annonce " << rejeu->scores[0] << ' ' << rejeu->scores[1] << ", niveau "
               << rejeu->niveauAtteint << std::endl;
    }
    return fidele ? REJEU_FIDELE : REJEU_ECARTE;
}
