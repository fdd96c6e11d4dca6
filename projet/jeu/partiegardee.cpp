// SPDX-License-Identifier: GPL-3.0-or-later
#include "jeu/partiegardee.h"

#include "jeu/balle.h"
#include "jeu/batte.h"
#include "jeu/bonus.h"
#include "jeu/joueur.h"
#include "niveaux/terrain.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <locale>
#include <sstream>

namespace {

const char* const nomFichier = "partie.txt";
const std::size_t tailleMaxFichier = 64 * 1024;
const char* const entete = "# Vorlen, la partie laissée en cours: le menu principal la reprend";
// Far more than a match ever holds: a file asking for more is not ours.
const std::size_t nbObjetsMax = 500;
const int niveauMax = 9999;
const int scoreMax = 999999999;
const int viesMax = 999;
// A ball never goes faster than a few times its launch speed.
const float vitesseMax = 10.0f * Balle::vitesseInit;

// One line's words after its keyword, read in the C locale whatever the
// player's, each checked against its range; `ok` falls at the first that is
// missing, out of range or followed by more.
class Champs {
public:
    explicit Champs(const std::string& reste) : flux(reste) { flux.imbue(std::locale::classic()); }

    int entier(int min, int max) {
        long long v = 0;
        if (!(flux >> v) || v < min || v > max) {
            ok = false;
        }
        return ok ? static_cast<int>(v) : min;
    }
    float reel(float min, float max) {
        float v = 0.0f;
        if (!(flux >> v) || !std::isfinite(v) || v < min || v > max) {
            ok = false;
        }
        return ok ? v : min;
    }
    bool booleen() { return entier(0, 1) == 1; }
    float abscisse() { return reel(terrain::murGauche, terrain::murDroit); }
    float ordonnee() { return reel(terrain::ligneDePerte, terrain::plafond); }
    // True when every word was read and none is left over.
    bool complet() {
        std::string reste;
        return ok && !(flux >> reste);
    }

private:
    std::istringstream flux;
    bool ok = true;
};

// A paddle's length is its first length changed by whole steps.
bool longueurDePas(float longueur) {
    const float pas = (longueur - Batte::longueurInit) / Batte::pasAgrandissement;
    return std::fabs(pas - std::round(pas)) < 1e-3f;
}

int chiffre(bool b) {
    return b ? 1 : 0;
}

} // namespace

int PartieGardee::scoreTotal() const {
    return joueurs[0].score + (nbJoueurs == 2 ? joueurs[1].score : 0);
}

std::string PartieGardee::texte() const {
    std::ostringstream t;
    t.imbue(std::locale::classic());
    // Enough digits for every float to read back as the same float.
    t.precision(std::numeric_limits<float>::max_digits10);
    t << entete << "\njoueurs " << nbJoueurs << '\n';
    // Only a match not played as written says how hard it is, so that a match
    // played as written reads in every copy of the game.
    if (difficulte != difficulte::NORMAL) {
        t << "difficulte " << difficulte::mots[difficulte] << '\n';
    }
    t << "niveaux " << fichierNiveaux << "\nniveau " << numNiveau << '\n';
    for (int j = Niveau::nbBriquesY - 1; j >= 0; --j) {
        t << "rangee " << j;
        for (int i = 0; i < Niveau::nbBriquesX; ++i) {
            t << ' ' << grille[i][j];
        }
        t << '\n';
    }
    for (int n = 0; n < 2; ++n) {
        const JoueurGarde& J = joueurs[n];
        t << "joueur " << n + 1 << ' ' << J.score << ' ' << J.vies << ' ' << J.x << ' '
          << J.longueur << ' ' << chiffre(J.canon) << ' ' << chiffre(J.detruit) << ' '
          << J.attenteRetour << '\n';
    }
    for (const BalleGardee& b : balles) {
        t << "balle " << b.joueur << ' ' << b.x << ' ' << b.y << ' ' << b.vx << ' ' << b.vy << ' '
          << b.indiceRayon << ' ' << chiffre(b.traversante) << ' ' << chiffre(b.accrochee) << '\n';
    }
    for (const CapsuleGardee& c : capsules) {
        t << "capsule " << c.x << ' ' << c.y << ' ' << c.type << '\n';
    }
    for (const TirGarde& tir : tirs) {
        t << "tir " << tir.joueur << ' ' << tir.x << ' ' << tir.y << '\n';
    }
    return t.str();
}

std::optional<PartieGardee> PartieGardee::lire(const std::string& texte, std::string& raison) {
    PartieGardee p;
    bool vus[6] = {};
    enum { JOUEURS, NIVEAUX, NIVEAU, JOUEUR1, JOUEUR2, RANGEES };
    int rangeesVues = 0;
    std::istringstream lignes(texte);
    std::string ligne;
    int numero = 0;
    auto refuser = [&](const std::string& pourquoi) {
        raison = "ligne " + std::to_string(numero) + ": " + pourquoi;
        return std::nullopt;
    };
    while (std::getline(lignes, ligne)) {
        ++numero;
        if (ligne.empty() || ligne[0] == '#') {
            continue;
        }
        const std::size_t espace = ligne.find(' ');
        const std::string mot = ligne.substr(0, espace);
        const std::string reste = espace == std::string::npos ? "" : ligne.substr(espace + 1);
        Champs c(reste);
        if (mot == "niveaux") {
            // The path is the whole rest of the line, spaces included.
            p.fichierNiveaux = reste;
            vus[NIVEAUX] = !reste.empty();
            continue;
        }
        if (mot == "difficulte") {
            const std::optional<difficulte::Choix> choix = difficulte::lire(reste);
            if (!choix) {
                return refuser("difficulté inconnue");
            }
            p.difficulte = *choix;
            continue;
        }
        if (mot == "joueurs") {
            p.nbJoueurs = c.entier(1, 2);
            vus[JOUEURS] = true;
        } else if (mot == "niveau") {
            p.numNiveau = c.entier(1, niveauMax);
            vus[NIVEAU] = true;
        } else if (mot == "rangee") {
            const int j = c.entier(0, Niveau::nbBriquesY - 1);
            for (int i = 0; i < Niveau::nbBriquesX; ++i) {
                p.grille[i][j] = c.entier(-1, Brique::soliditeMax);
            }
            rangeesVues |= 1 << j;
        } else if (mot == "joueur") {
            const int n = c.entier(1, 2);
            JoueurGarde& J = p.joueurs[n - 1];
            J.score = c.entier(0, scoreMax);
            J.vies = c.entier(0, viesMax);
            J.x = c.abscisse();
            J.longueur = c.reel(Batte::longueurMin, Batte::longueurMax);
            J.canon = c.booleen();
            J.detruit = c.booleen();
            J.attenteRetour = static_cast<Uint32>(c.entier(0, Joueur::recoverTime));
            if (!longueurDePas(J.longueur)) {
                return refuser("longueur de batte impossible");
            }
            vus[n == 1 ? JOUEUR1 : JOUEUR2] = true;
        } else if (mot == "balle" && p.balles.size() < nbObjetsMax) {
            BalleGardee b;
            b.joueur = c.entier(1, 2);
            b.x = c.abscisse();
            b.y = c.ordonnee();
            b.vx = c.reel(-vitesseMax, vitesseMax);
            b.vy = c.reel(-vitesseMax, vitesseMax);
            b.indiceRayon = c.entier(1, Balle::indiceRmax);
            b.traversante = c.booleen();
            b.accrochee = c.booleen();
            p.balles.push_back(b);
        } else if (mot == "capsule" && p.capsules.size() < nbObjetsMax) {
            p.capsules.push_back({c.abscisse(), c.ordonnee(), c.entier(BONUS_LIFE, BONUS_ARME)});
        } else if (mot == "tir" && p.tirs.size() < nbObjetsMax) {
            TirGarde tir;
            tir.joueur = c.entier(1, 2);
            tir.x = c.abscisse();
            tir.y = c.ordonnee();
            p.tirs.push_back(tir);
        } else {
            return refuser("« " + mot + " » inattendu");
        }
        if (!c.complet()) {
            return refuser("valeurs manquantes ou hors limites après « " + mot + " »");
        }
    }
    const bool complet = vus[JOUEURS] && vus[NIVEAUX] && vus[NIVEAU] && vus[JOUEUR1] &&
                         vus[JOUEUR2] && rangeesVues == (1 << Niveau::nbBriquesY) - 1;
    if (!complet) {
        return refuser("partie incomplète");
    }
    for (const BalleGardee& b : p.balles) {
        if (b.joueur > p.nbJoueurs) {
            return refuser("balle d'un joueur absent");
        }
    }
    for (const TirGarde& tir : p.tirs) {
        if (tir.joueur > p.nbJoueurs) {
            return refuser("tir d'un joueur absent");
        }
    }
    return p;
}

FichierPartieGardee::FichierPartieGardee(std::string chemin) : chemin(std::move(chemin)) {}

std::string FichierPartieGardee::cheminParDefaut() {
    const std::string dossier = fichiers::dossierDonneesJoueur();
    return dossier.empty() ? std::string() : dossier + "/" + nomFichier;
}

std::optional<PartieGardee> FichierPartieGardee::charger() {
    if (chemin.empty()) {
        return std::nullopt;
    }
    const fichiers::Contenu contenu = fichiers::lire(chemin, tailleMaxFichier);
    std::string raison = contenu.raison;
    std::optional<PartieGardee> partie;
    if (contenu.etat == fichiers::Contenu::LU) {
        if (contenu.texte.empty()) {
            return std::nullopt;
        }
        partie = PartieGardee::lire(contenu.texte, raison);
    }
    // A text that does not read is not this copy's: the next save keeps it aside.
    if (partie) {
        connu = contenu.texte;
    }
    if (contenu.etat != fichiers::Contenu::ABSENT && !partie) {
        std::fprintf(stderr,
                     "Vorlen: partie laissée illisible dans %s (%s); elle ne sera pas reprise, "
                     "et le fichier sera gardé sous un autre nom à la prochaine partie laissée\n",
                     chemin.c_str(), raison.c_str());
    }
    return partie;
}

fichiers::Enregistrement FichierPartieGardee::garder(const PartieGardee& partie) {
    // What the file holds that this copy did not put there (a match another
    // copy left, a file it could not read) is kept aside, never written over.
    return ecrire([&](const fichiers::Contenu& c) {
        const bool etranger =
            c.etat == fichiers::Contenu::ILLISIBLE ||
            (c.etat == fichiers::Contenu::LU && !c.texte.empty() && c.texte != connu);
        return fichiers::Fusion{partie.texte(), etranger};
    });
}

bool FichierPartieGardee::oublier() {
    if (chemin.empty()) {
        return true;
    }
    // Only the match this copy knows goes: one another copy resumed and left
    // since, or abandoned, is that copy's to keep or to score.
    bool laNotre = false;
    const fichiers::Enregistrement e = ecrire([&](const fichiers::Contenu& c) {
        laNotre = c.etat == fichiers::Contenu::LU && !connu.empty() && c.texte == connu;
        return fichiers::Fusion{laNotre ? std::string() : c.texte,
                                c.etat == fichiers::Contenu::ILLISIBLE};
    });
    return laNotre && e.reussi;
}

fichiers::Enregistrement FichierPartieGardee::ecrire(
    const std::function<fichiers::Fusion(const fichiers::Contenu&)>& fusion) {
    if (chemin.empty()) {
        return fichiers::Enregistrement::reussite();
    }
    std::string ecrit;
    const fichiers::Enregistrement e =
        fichiers::enregistrer(chemin, tailleMaxFichier, [&](const fichiers::Contenu& c) {
            fichiers::Fusion f = fusion(c);
            ecrit = f.texte;
            return f;
        });
    enregistrement = e;
    if (e.reussi) {
        connu = ecrit;
    } else {
        std::fprintf(stderr, "Vorlen: partie laissée non enregistrée (%s)\n", e.erreur.c_str());
    }
    if (!e.aCote.empty()) {
        std::fprintf(stderr, "Vorlen: %s gardé tel qu'il était sous %s\n", chemin.c_str(),
                     e.aCote.c_str());
    }
    return e;
}
