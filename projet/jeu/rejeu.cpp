// SPDX-License-Identifier: GPL-3.0-or-later
#include "jeu/rejeu.h"

#include "niveaux/brique.h"
#include "systeme/langue.h"
#include "systeme/compression.h"

#include <cmath>
#include <cstring>
#include <sstream>

namespace {

const char* const entete = "Vorlen rejeu 1";

// A frame's first byte says what follows it.
enum : unsigned char {
    AUTRE_DUREE = 1,      // play time moved other than one frame's 16 ms
    GESTES = 2,           // orders or pauses reached the rules
    GLISSEMENT_1 = 4,     // player 1's pad glide changed
    GLISSEMENT_2 = 8,     // player 2's
    NIVEAU = 16,          // a level was laid out
    CONTROLE = 32,        // the match's digest
    DRAPEAUX_CONNUS = 63, // any other bit is not ours
};
// A gesture's byte: the player and the order, or this for a pause imposed.
const unsigned char pauseImposee = 0xF0;
const Uint32 dureeFrame = 16;
const int numeroNiveauMax = 9999;
// Far beyond what hours of play draw, and replayed in a fraction of a second.
const unsigned long long tiragesMax = 1ull << 26;
// Far beyond any paddle glide or mouse move of one frame.
const float distanceMax = 1000.0f;

void ecrireNombre(std::string& o, unsigned long long n) {
    while (n >= 0x80) {
        o += static_cast<char>((n & 0x7F) | 0x80);
        n >>= 7;
    }
    o += static_cast<char>(n);
}

void ecrireReel(std::string& o, float x) {
    char octets[sizeof x];
    std::memcpy(octets, &x, sizeof x);
    o.append(octets, sizeof x);
}

void ecrireMot(std::string& o, Uint32 n) {
    for (int k = 0; k < 4; ++k) {
        o += static_cast<char>((n >> (8 * k)) & 0xFF);
    }
}

// Reads the packed frames, every value checked against what the rules accept.
class Flux {
public:
    Flux(const std::string& octets, std::size_t& position) : o(octets), pos(position) {}

    bool octet(unsigned char& c) {
        if (pos >= o.size()) {
            return false;
        }
        c = static_cast<unsigned char>(o[pos++]);
        return true;
    }
    bool nombre(unsigned long long& n, unsigned long long max) {
        n = 0;
        for (int decalage = 0; decalage < 64; decalage += 7) {
            unsigned char c;
            if (!octet(c)) {
                return false;
            }
            n |= static_cast<unsigned long long>(c & 0x7F) << decalage;
            if ((c & 0x80) == 0) {
                return n <= max;
            }
        }
        return false;
    }
    bool reel(float& x, float max) {
        if (pos + sizeof x > o.size()) {
            return false;
        }
        std::memcpy(&x, o.data() + pos, sizeof x);
        pos += sizeof x;
        return std::isfinite(x) && std::fabs(x) <= max;
    }
    bool mot(Uint32& n) {
        n = 0;
        for (int k = 0; k < 4; ++k) {
            unsigned char c;
            if (!octet(c)) {
                return false;
            }
            n |= static_cast<Uint32>(c) << (8 * k);
        }
        return true;
    }

private:
    const std::string& o;
    std::size_t& pos;
};

void ecrirePassage(std::string& o, const Rejeu::Passage& p, const Rejeu::Passage& avant) {
    const Uint32 duree = p.temps - avant.temps;
    const unsigned char drapeaux = (duree != dureeFrame ? AUTRE_DUREE : 0) |
                                   (!p.gestes.empty() ? GESTES : 0) |
                                   (p.glissements[0] != avant.glissements[0] ? GLISSEMENT_1 : 0) |
                                   (p.glissements[1] != avant.glissements[1] ? GLISSEMENT_2 : 0) |
                                   (p.niveau ? NIVEAU : 0) | (p.controle ? CONTROLE : 0);
    o += static_cast<char>(drapeaux);
    if (drapeaux & AUTRE_DUREE) {
        ecrireNombre(o, duree);
    }
    if (drapeaux & GESTES) {
        ecrireNombre(o, p.gestes.size());
        for (const Rejeu::Geste& g : p.gestes) {
            if (g.pauseImposee) {
                o += static_cast<char>(pauseImposee);
                ecrireNombre(o, g.tirages);
                continue;
            }
            o += static_cast<char>(g.lecture.joueur << 4 | g.lecture.ordre);
            if (g.lecture.ordre == Commandes::GLISSER) {
                ecrireReel(o, g.lecture.distance);
            }
        }
    }
    for (int n = 0; n < 2; ++n) {
        if (drapeaux & (GLISSEMENT_1 << n)) {
            ecrireReel(o, p.glissements[n]);
        }
    }
    if (p.niveau) {
        ecrireNombre(o, p.niveau->first);
        for (const auto& colonne : p.niveau->second) {
            for (const int points : colonne) {
                o += static_cast<char>(points + 1);
            }
        }
    }
    if (p.controle) {
        ecrireMot(o, *p.controle);
    }
}

bool lireGeste(Flux& f, Rejeu::Geste& g) {
    unsigned char c;
    if (!f.octet(c)) {
        return false;
    }
    if (c == pauseImposee) {
        g.pauseImposee = true;
        return f.nombre(g.tirages, tiragesMax);
    }
    g.lecture.joueur = c >> 4;
    g.lecture.ordre = static_cast<Commandes::Ordre>(c & 0x0F);
    if (g.lecture.joueur > 2 || g.lecture.ordre > Commandes::PASSER) {
        return false;
    }
    return g.lecture.ordre != Commandes::GLISSER || f.reel(g.lecture.distance, distanceMax);
}

bool lirePassage(Flux& f, const Rejeu::Passage& avant, Rejeu::Passage& p) {
    p = Rejeu::Passage{};
    p.glissements = avant.glissements;
    unsigned char drapeaux;
    if (!f.octet(drapeaux) || (drapeaux & ~DRAPEAUX_CONNUS) != 0) {
        return false;
    }
    unsigned long long n = dureeFrame;
    if ((drapeaux & AUTRE_DUREE) && !f.nombre(n, 0xFFFFFFFFull)) {
        return false;
    }
    p.temps = avant.temps + static_cast<Uint32>(n);
    if (drapeaux & GESTES) {
        // A frame takes the events of one pass: a few dozen at most.
        if (!f.nombre(n, 4096)) {
            return false;
        }
        p.gestes.resize(n);
        for (Rejeu::Geste& g : p.gestes) {
            if (!lireGeste(f, g)) {
                return false;
            }
        }
    }
    for (int k = 0; k < 2; ++k) {
        if ((drapeaux & (GLISSEMENT_1 << k)) && !f.reel(p.glissements[k], 1.0f)) {
            return false;
        }
    }
    if (drapeaux & NIVEAU) {
        if (!f.nombre(n, numeroNiveauMax)) {
            return false;
        }
        p.niveau.emplace(static_cast<int>(n), Niveau::Grille{});
        for (auto& colonne : p.niveau->second) {
            for (int& points : colonne) {
                unsigned char c;
                if (!f.octet(c) || c > Brique::soliditeMax + 1) {
                    return false;
                }
                points = c - 1;
            }
        }
    }
    if (drapeaux & CONTROLE) {
        Uint32 empreinte;
        if (!f.mot(empreinte)) {
            return false;
        }
        p.controle = empreinte;
    }
    return true;
}

// The header's lines: a word, a space, the rest.
bool lireLigne(std::istream& lignes, const char* mot, std::string& reste) {
    std::string ligne;
    if (!std::getline(lignes, ligne) || ligne.compare(0, std::strlen(mot), mot) != 0 ||
        ligne.size() < std::strlen(mot) + 1 || ligne[std::strlen(mot)] != ' ') {
        return false;
    }
    reste = ligne.substr(std::strlen(mot) + 1);
    return true;
}

// The line after the levels: how hard, when the match was not played as
// written, then the date.
bool lireDifficulte(std::istream& lignes, Rejeu& r) {
    std::string ligne, mot;
    if (!std::getline(lignes, ligne)) {
        return false;
    }
    std::istringstream commeDate(ligne), commeDifficulte(ligne);
    if (lireLigne(commeDate, "date", r.date)) {
        r.difficulte = difficulte::NORMAL;
        return true;
    }
    const std::optional<difficulte::Choix> choix =
        lireLigne(commeDifficulte, "difficulte", mot) ? difficulte::lire(mot) : std::nullopt;
    r.difficulte = choix.value_or(difficulte::NORMAL);
    return choix && choix != difficulte::NORMAL && lireLigne(lignes, "date", r.date);
}

template <typename Entier>
bool entier(const std::string& texte, Entier min, Entier max, Entier& valeur) {
    std::istringstream flux(texte);
    flux.imbue(std::locale::classic());
    long long lu;
    if (!(flux >> lu) || !flux.eof() || lu < static_cast<long long>(min) ||
        lu > static_cast<long long>(max)) {
        return false;
    }
    valeur = static_cast<Entier>(lu);
    return true;
}

} // namespace

void Rejeu::ajouter(const Passage& passage) {
    ecrirePassage(octets, passage, dernier);
    dernier = passage;
    ++passages;
}

bool Rejeu::Lecteur::suivant(Passage& passage) {
    if (position >= rejeu.octets.size()) {
        return false;
    }
    Flux f(rejeu.octets, position);
    if (!lirePassage(f, precedent, passage)) {
        return false;
    }
    precedent = passage;
    return true;
}

std::string Rejeu::texte() const {
    std::ostringstream t;
    t.imbue(std::locale::classic());
    const std::string partie = reprise ? reprise->texte() : "";
    const std::string comprimes = compression::comprimer(octets);
    t << entete << "\nversion " << version << "\njoueurs " << nbJoueurs << "\nniveaux " << niveaux;
    // Only a match not played as written says how hard it was.
    if (difficulte != difficulte::NORMAL) {
        t << "\ndifficulte " << difficulte::mots[difficulte];
    }
    t << "\ndate " << date << "\nnoms " << joueurs << "\nscores " << scores[0] << ' ' << scores[1]
      << "\nniveau " << niveauAtteint << "\ntirages " << tiragesDebut << "\ntemps " << tempsDebut
      << "\npassages " << passages << "\nreprise " << partie.size() << '\n'
      << partie << "corps " << comprimes.size() << '\n'
      << comprimes;
    return t.str();
}

std::optional<Rejeu> Rejeu::lire(const std::string& texte, std::string& raison) {
    Rejeu r;
    std::istringstream lignes(texte);
    std::string ligne, v;
    long long tailleReprise = 0, tailleCorps = 0;
    const auto refuser = [&raison](const char* pourquoi) {
        raison = _(pourquoi);
        return std::nullopt;
    };
    if (!std::getline(lignes, ligne) || ligne != entete) {
        return refuser(N_("ce n'est pas un rejeu de Vorlen"));
    }
    if (!lireLigne(lignes, "version", r.version)) {
        return refuser(N_("version absente"));
    }
    std::string scores;
    const bool debut = lireLigne(lignes, "joueurs", v) && entier(v, 1, 2, r.nbJoueurs) &&
                       lireLigne(lignes, "niveaux", r.niveaux) && lireDifficulte(lignes, r) &&
                       lireLigne(lignes, "noms", r.joueurs) && lireLigne(lignes, "scores", scores);
    std::istringstream deuxScores(scores);
    if (!debut || !(deuxScores >> r.scores[0] >> r.scores[1]) || r.scores[0] < 0 ||
        r.scores[1] < 0) {
        return refuser(N_("en-tete illisible"));
    }
    const bool suite =
        lireLigne(lignes, "niveau", v) && entier(v, 0, numeroNiveauMax, r.niveauAtteint) &&
        lireLigne(lignes, "tirages", v) && entier(v, 0ull, tiragesMax, r.tiragesDebut) &&
        lireLigne(lignes, "temps", v) && entier(v, Uint32{0}, Uint32{0xFFFFFFFF}, r.tempsDebut) &&
        lireLigne(lignes, "passages", v) && entier(v, 0L, 1L << 30, r.passages) &&
        lireLigne(lignes, "reprise", v) && entier(v, 0LL, 64LL << 10, tailleReprise);
    if (!suite) {
        return refuser(N_("en-tete illisible"));
    }
    if (tailleReprise > 0) {
        std::string partie(static_cast<std::size_t>(tailleReprise), '\0');
        std::string pourquoi;
        if (!lignes.read(partie.data(), tailleReprise) ||
            !(r.reprise = PartieGardee::lire(partie, pourquoi))) {
            return refuser(N_("partie reprise illisible"));
        }
    }
    if (!lireLigne(lignes, "corps", v) ||
        !entier(v, 0LL, static_cast<long long>(tailleMaxFichier), tailleCorps)) {
        return refuser(N_("en-tete illisible"));
    }
    std::string comprimes(static_cast<std::size_t>(tailleCorps), '\0');
    if (!lignes.read(comprimes.data(), tailleCorps) || lignes.peek() != EOF) {
        return refuser(N_("fichier coupe ou allonge"));
    }
    std::optional<std::string> octets = compression::decomprimer(comprimes, tailleMaxPassages);
    if (!octets) {
        return refuser(N_("parties comprimees illisibles"));
    }
    r.octets = std::move(*octets);
    // Every frame is read once here, so that a replay refused is refused
    // before a frame of it is shown.
    Lecteur lecteur(r);
    Passage p;
    long lus = 0;
    while (lecteur.suivant(p)) {
        ++lus;
    }
    if (lus != r.passages || !lecteur.fini()) {
        return refuser(N_("passages illisibles"));
    }
    return r;
}
