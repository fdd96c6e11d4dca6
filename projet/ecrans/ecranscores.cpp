// SPDX-License-Identifier: GPL-3.0-or-later
#include "ecrans/ecranscores.h"
#include "systeme/langue.h"

#include "ecrans/avis.h"
#include "ecrans/visionneuse.h"
#include "jeu/rejeux.h"
#include "rendu/boucle.h"
#include "systeme/horloge.h"
#include "systeme/toile.h"
#include "systeme/sauvegardeurgente.h"

#include <SDL.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace {

const int taillePetite = 16;

// Window pixels of the tables: each table's heading, then its column
// headings one step down, then its lines one step apart.
const float hautTable[MeilleursScores::nbModes] = {515.0f, 275.0f};
const float pasLigne = 19.0f;
const float colRang = 40.0f;
const float colNom = 90.0f;
const float colScore = 370.0f;
const float colNiveau = 455.0f;
const float colDifficulte = 540.0f;
const float colDate = 655.0f;
const float finTable = colDate + 140.0f;
// Between a column's text and the next column.
const float ecartColonnes = 8.0f;
// Under the lower table's tenth line: why the new score was not kept.
const float basAvertissement = 44.0f;

// Window pixels of the name entry: the name and its cursor stay inside the box.
const float gaucheSaisie = 230.0f;
const float cadreSaisie[4] = {220.0f, 290.0f, 580.0f, 332.0f};
const float gaucheNom = gaucheSaisie + 2;
const float margeSaisie = 4.0f;

// A rectangle in window pixels, filled or outlined; the menu's matrices are
// the identity, so corners go through normalised device coordinates.
void rectangle(float x0, float y0, float x1, float y1, GLenum mode) {
    const auto nx = [](float x) { return 2.0f * x / largeurToile - 1.0f; };
    const auto ny = [](float y) { return 2.0f * y / hauteurToile - 1.0f; };
    glBegin(mode);
    glVertex2f(nx(x0), ny(y0));
    glVertex2f(nx(x1), ny(y0));
    glVertex2f(nx(x1), ny(y1));
    glVertex2f(nx(x0), ny(y1));
    glEnd();
}

// The players' names as they fit in `largeurMax` pixels: each shortened to
// an equal share when all of them do not.
std::string nomsJoints(const freetype::font_data& police, const LigneScore& ligne,
                       float largeurMax) {
    const std::string et = _(" et ");
    std::string noms;
    for (const std::string& nom : ligne.noms) {
        noms += (noms.empty() ? "" : et) + nom;
    }
    if (freetype::largeur(police, noms) <= largeurMax || ligne.noms.empty()) {
        return noms;
    }
    const int nbNoms = static_cast<int>(ligne.noms.size());
    const float part = (largeurMax - (nbNoms - 1) * freetype::largeur(police, et)) / nbNoms;
    noms.clear();
    for (const std::string& nom : ligne.noms) {
        noms += (noms.empty() ? "" : et) + freetype::ajuster(police, nom, part);
    }
    return noms;
}

// Draws `texte` at (x, y), shortened to end before the column at `xSuivante`.
void cellule(const freetype::font_data& police, float x, float y, float xSuivante,
             const std::string& texte) {
    const float largeurMax = xSuivante - x - ecartColonnes;
    freetype::print(police, x, y, "%s", freetype::ajuster(police, texte, largeurMax).c_str());
}

// What player `numero` (from 1) is called until a name is typed.
std::string joueur(int numero) {
    return langue::formater(_("Joueur %d"), numero);
}

// The line with each player's name as typed so far, or as offered.
LigneScore avecNoms(LigneScore ligne, const std::vector<SaisieNom>& saisies) {
    for (std::size_t k = 0; k < saisies.size(); ++k) {
        ligne.noms.push_back(saisies[k].nom(joueur(static_cast<int>(k) + 1)));
    }
    return ligne;
}

// Typed characters arrive as text only while SDL translates keys; the
// translation is put back as it was when the entry ends.
class TraductionTouches {
public:
    TraductionTouches() : avant(SDL_EnableUNICODE(-1)) { SDL_EnableUNICODE(1); }
    ~TraductionTouches() { SDL_EnableUNICODE(avant); }
    TraductionTouches(const TraductionTouches&) = delete;
    TraductionTouches& operator=(const TraductionTouches&) = delete;

private:
    int avant;
};

} // namespace

EcranScores::EcranScores(const freetype::font_data& titres) : grande(titres) {
    petite.init(freetype::fichierPolice, taillePetite);
}

// Both tables, until a key. Where lines kept their match's replay, up and
// down choose one of them and Return plays it.
class EcranScores::Tables : public Ecran {
public:
    Tables(const EcranScores& ecran, const MeilleursScores& scores, MeilleursScores::Mode mode,
           int rang)
        : ecran(ecran), scores(scores), mode(mode), rang(rang) {
        for (int m = 0; m < MeilleursScores::nbModes; ++m) {
            const auto modeTable = static_cast<MeilleursScores::Mode>(m);
            const std::vector<LigneScore>& lignes = scores.table(modeTable).getLignes();
            for (std::size_t k = 0; k < lignes.size(); ++k) {
                const std::string chemin = rejeux::cheminLigne(modeTable, lignes[k]);
                std::error_code ec;
                if (!chemin.empty() && std::filesystem::is_regular_file(chemin, ec)) {
                    rejouables.push_back({modeTable, static_cast<int>(k), chemin});
                }
            }
        }
    }

    void traiter(const SDL_Event& event) override {
        const SDLKey touche = event.type == SDL_KEYDOWN ? event.key.keysym.sym : SDLK_UNKNOWN;
        const int nb = static_cast<int>(rejouables.size());
        if (nb > 0 && (touche == SDLK_DOWN || touche == SDLK_UP)) {
            choix = touche == SDLK_DOWN ? (choix + 1) % nb : (choix + nb - 1 + (choix < 0)) % nb;
        } else if (choix >= 0 && (touche == SDLK_RETURN || touche == SDLK_KP_ENTER)) {
            regarder(rejouables[choix].chemin);
        } else {
            attente.traiter(event);
        }
    }
    void dessiner() override {
        const Rejouable* choisi = choix >= 0 ? &rejouables[choix] : nullptr;
        ecran.dessinerTables(scores, mode, rang, choisi ? choisi->mode : mode,
                             choisi ? choisi->rang : -1, !rejouables.empty(), avisRejeu);
    }
    bool fini() const override { return attente.finie() || fermee; }
    bool arretNet() const override { return true; }
    bool parTouche() const { return attente.parTouche() && !fermee; }

private:
    struct Rejouable {
        MeilleursScores::Mode mode;
        int rang;
        std::string chemin;
    };

    // A replay that cannot be played says why in the line under the tables.
    void regarder(const std::string& chemin) {
        std::string raison;
        const std::optional<Rejeu> rejeu = chargerRejeu(chemin, raison);
        if (!rejeu) {
            avisRejeu = langue::formater(_("Rejeu illisible: %s"), raison.c_str());
            return;
        }
        avisRejeu.clear();
        fermee = !Visionneuse(*rejeu, Visionneuse::REGARDER).regarder();
    }

    const EcranScores& ecran;
    const MeilleursScores& scores;
    MeilleursScores::Mode mode;
    int rang;
    std::vector<Rejouable> rejouables;
    int choix = -1;
    std::string avisRejeu;
    bool fermee = false;
    AttenteTouche attente;
};

// One player's name, typed until Return.
class EcranScores::Saisie : public Ecran {
public:
    Saisie(const EcranScores& ecran, const std::string& invite, const LigneScore& ligne,
           MeilleursScores::Mode mode, SaisieNom& saisie)
        : ecran(ecran), invite(invite), ligne(ligne), mode(mode), saisie(saisie) {}

    void traiter(const SDL_Event& event) override {
        if (event.type == SDL_QUIT) {
            termine = true;
            fermee = true;
        } else if (event.type == SDL_KEYDOWN && horloge::tempsReel() - debut >= delaiSourd) {
            taper(event.key.keysym);
        }
    }
    void dessiner() override { ecran.dessinerSaisie(invite, ligne, mode, saisie); }
    bool fini() const override { return termine; }
    bool arretNet() const override { return true; }
    // Ended by Return, not by the window's closing nor a signal.
    bool parEntree() const { return termine && !fermee; }

private:
    void taper(const SDL_keysym& touche) {
        switch (touche.sym) {
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            termine = true;
            break;
        case SDLK_BACKSPACE:
            saisie.effacer();
            break;
        default:
            saisie.taper(touche.unicode);
        }
    }

    const EcranScores& ecran;
    const std::string& invite;
    const LigneScore& ligne;
    MeilleursScores::Mode mode;
    SaisieNom& saisie;
    // Keys typed ahead or still hammered from the match, a launch key that
    // ended "Game Over" among them, are not the name's first letters: the
    // entry takes none in its first half second.
    static constexpr Uint32 delaiSourd = 500;
    const Uint32 debut = horloge::tempsReel();
    bool termine = false;
    bool fermee = false;
};

bool EcranScores::montrer(const MeilleursScores& scores, MeilleursScores::Mode mode, int rang) {
    Tables tables(*this, scores, mode, rang);
    executer(tables, rythmeEcranAnime);
    return tables.parTouche();
}

void EcranScores::inscrireSansSaisie(MeilleursScores& scores, MeilleursScores::Mode mode,
                                     const LigneScore& ligne) {
    std::vector<SaisieNom> offerts;
    offerts.emplace_back(nomDeConnexion());
    if (mode == MeilleursScores::MODE_COOP) {
        offerts.emplace_back("");
    }
    scores.inscrire(mode, avecNoms(ligne, offerts));
}

bool EcranScores::inscrire(MeilleursScores& scores, MeilleursScores::Mode mode, LigneScore ligne,
                           const Rejeu* rejeu) {
    if (scores.table(mode).rangPour(ligne.score) < 0) {
        return true;
    }
    const int nbNoms = mode == MeilleursScores::MODE_1J ? 1 : 2;
    std::vector<SaisieNom> saisies;
    for (int j = 1; j <= nbNoms; ++j) {
        // The login name is offered to the first player only: the second is
        // someone else at the same keyboard.
        saisies.emplace_back(j == 1 ? nomDeConnexion() : std::string(),
                             [this](const std::string& nom) {
                                 const float droite = cadreSaisie[2] - margeSaisie;
                                 return gaucheNom + freetype::largeur(grande, nom + "_") <= droite;
                             });
    }
    bool ouverte = true;
    {
        // The display lost, the score still goes in with the names as they stand.
        const SauvegardeUrgente urgence([&] {
            scores.inscrire(mode, avecNoms(ligne, saisies));
            return langue::formater(scores.getEnregistrement().reussi
                                        ? _("meilleur score %d enregistré")
                                        : _("meilleur score %d non enregistré"),
                                    ligne.score);
        });
        for (int j = 1; j <= nbNoms && ouverte; ++j) {
            const std::string invite =
                nbNoms == 1 ? _("Votre nom:")
                            : langue::formater(_("%s, votre nom:"), joueur(j).c_str());
            ouverte = saisir(invite, ligne, mode, saisies[j - 1]);
        }
    }
    const LigneScore entree = avecNoms(ligne, saisies);
    const int rang = scores.inscrire(mode, entree);
    if (rang >= 0 && rejeu != nullptr && scores.getEnregistrement().reussi) {
        // After its line: another copy of the game tidying the folder meanwhile
        // reads the line first.
        rejeux::garderPourLigne(*rejeu, mode, entree);
    }
    rejeux::oublierHorsTables(MeilleursScores::fichierDuJoueur());
    return ouverte && montrer(scores, mode, rang);
}

bool EcranScores::saisir(const std::string& invite, const LigneScore& ligne,
                         MeilleursScores::Mode mode, SaisieNom& saisie) {
    const TraductionTouches traduction;
    Saisie ecran(*this, invite, ligne, mode, saisie);
    executer(ecran, rythmeEcranAnime);
    return ecran.parEntree();
}

void EcranScores::dessinerTables(const MeilleursScores& scores, MeilleursScores::Mode mode,
                                 int rang, MeilleursScores::Mode modeChoisi, int rangChoisi,
                                 bool rejeux, const std::string& avisRejeu) const {
    toile::nouvelleImage();
    glColor3ub(255, 7, 7);
    freetype::print(grande, 290, 555, "%s", _("Meilleurs scores"));
    for (int m = 0; m < MeilleursScores::nbModes; ++m) {
        const auto modeTable = static_cast<MeilleursScores::Mode>(m);
        dessinerTable(scores.table(modeTable), _(MeilleursScores::nomsModes[m]), hautTable[m],
                      modeTable == mode ? rang : -1, modeTable == modeChoisi ? rangChoisi : -1);
    }
    dessinerAvertissement(scores.getEnregistrement(), avisRejeu);
    glColor3ub(150, 150, 150);
    const std::string aide =
        rejeux ? _("Haut, Bas, Entree: regarder un rejeu    Autre touche: revenir")
               : _("Une touche pour revenir");
    freetype::print(petite, (largeurToile - freetype::largeur(petite, aide)) / 2, 18, "%s",
                    aide.c_str());
    SDL_GL_SwapBuffers();
}

void EcranScores::dessinerAvertissement(const fichiers::Enregistrement& enregistrement,
                                        const std::string& avisRejeu) const {
    glColor3ub(255, 60, 60);
    const std::string avis =
        avisRejeu.empty() ? avisEnregistrement(petite, enregistrement, _("Score non enregistre"),
                                               largeurToile - 2 * colRang)
                          : avisRejeu;
    freetype::print(petite, colRang, basAvertissement, "%s", avis.c_str());
}

void EcranScores::dessinerTable(const TableScores& table, const char* titre, float haut,
                                int rangSurligne, int rangChoisi) const {
    glColor3ub(255, 255, 0);
    freetype::print(petite, colRang, haut, "%s", titre);
    glColor3ub(204, 204, 0);
    const float entetes = haut - pasLigne - 1;
    freetype::print(petite, colNom, entetes, "%s", _("Nom"));
    freetype::print(petite, colScore, entetes, "%s", _("Score"));
    freetype::print(petite, colNiveau, entetes, "%s", _("Niveau"));
    freetype::print(petite, colDifficulte, entetes, "%s", _("Difficulte"));
    freetype::print(petite, colDate, entetes, "%s", _("Date"));
    const auto& lignes = table.getLignes();
    if (lignes.empty()) {
        glColor3ub(150, 150, 150);
        freetype::print(petite, colNom, entetes - pasLigne, "%s", _("Aucun score pour l'instant"));
        return;
    }
    for (std::size_t k = 0; k < lignes.size(); ++k) {
        const float y = entetes - pasLigne * (k + 1);
        if (static_cast<int>(k) == rangChoisi) {
            // The line whose replay Return plays, framed.
            glColor3ub(0, 200, 255);
            rectangle(colRang - 12, y - 7, finTable + 2, y + pasLigne - 3, GL_LINE_LOOP);
        }
        if (static_cast<int>(k) == rangSurligne) {
            glColor3ub(0, 0, 150);
            rectangle(colRang - 10, y - 5, finTable, y + pasLigne - 5, GL_QUADS);
            glColor3ub(255, 255, 255);
        } else {
            glColor3ub(220, 220, 220);
        }
        const LigneScore& l = lignes[k];
        const float largeurNoms = colScore - colNom - ecartColonnes;
        cellule(petite, colRang, y, colNom, std::to_string(k + 1) + ".");
        cellule(petite, colNom, y, colScore, nomsJoints(petite, l, largeurNoms));
        cellule(petite, colScore, y, colNiveau, std::to_string(l.score));
        cellule(petite, colNiveau, y, colDifficulte, std::to_string(l.niveau));
        cellule(petite, colDifficulte, y, colDate, _(difficulte::noms[l.difficulte]));
        cellule(petite, colDate, y, finTable, l.date);
    }
}

void EcranScores::dessinerSaisie(const std::string& invite, const LigneScore& ligne,
                                 MeilleursScores::Mode mode, const SaisieNom& saisie) const {
    toile::nouvelleImage();
    glColor3ub(255, 7, 7);
    freetype::print(grande, gaucheSaisie, 470, "%s", _("Nouveau meilleur score"));
    glColor3ub(255, 255, 0);
    freetype::print(petite, gaucheSaisie, 430, _("%s: %d points, niveau %d"),
                    _(MeilleursScores::nomsModes[mode]), ligne.score, ligne.niveau);
    glColor3ub(230, 230, 230);
    freetype::print(grande, gaucheSaisie, 350, "%s", invite.c_str());
    glColor3ub(204, 204, 0);
    rectangle(cadreSaisie[0], cadreSaisie[1], cadreSaisie[2], cadreSaisie[3], GL_LINE_LOOP);
    glColor3ub(255, 255, 255);
    freetype::print(grande, gaucheNom, 300, "%s_", saisie.getTexte().c_str());
    glColor3ub(170, 170, 170);
    freetype::print(petite, gaucheSaisie, 255, "%s",
                    _("Lettres, chiffres, espaces, - et ', 12 au plus"));
    freetype::print(petite, gaucheSaisie, 233, "%s",
                    _("Entree: valider    Retour arriere: effacer"));
    SDL_GL_SwapBuffers();
}
