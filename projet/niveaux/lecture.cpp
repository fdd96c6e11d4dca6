// SPDX-License-Identifier: GPL-3.0-or-later
#include "niveaux/lecture.h"

#include "profil/fichiers.h"
#include "systeme/signalements.h"

#include <cassert>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <set>
#include <string>

namespace {

// One whitespace-separated word of the level file, classified as it is read,
// so that a word of any length costs a bounded amount of memory.
struct Mot {
    enum Genre { NOMBRE, ENTETE, AUTRE };

    Genre genre = AUTRE;
    long long valeur = 0; // saturated well past the range of an int
    bool horsLimites = false;
    std::string apercu; // the first characters, printable, for messages

    // The number as the loader keeps it: out-of-range values pinned to the
    // nearest end of an int, which keeps their meaning for a cell.
    int valeurBornee() const {
        if (valeur > INT_MAX) {
            return INT_MAX;
        }
        return valeur < INT_MIN ? INT_MIN : static_cast<int>(valeur);
    }
};

// Recognises a decimal integer or a header "[n]" one character at a time.
class AnalyseMot {
public:
    // Takes the next character of the word.
    void ajouter(int c) {
        noterApercu(c);
        switch (etape) {
        case DEBUT:
            if (c == '[') {
                crochet = true;
                etape = CROCHET;
                return;
            }
            [[fallthrough]];
        case CROCHET:
            if (c == '+' || c == '-') {
                negatif = (c == '-');
                etape = SIGNE;
                return;
            }
            [[fallthrough]];
        case SIGNE:
        case CHIFFRES:
            if (std::isdigit(c)) {
                ajouterChiffre(c - '0');
                etape = CHIFFRES;
            } else if (etape == CHIFFRES && crochet && c == ']') {
                etape = FERME;
            } else {
                etape = INVALIDE;
            }
            return;
        case FERME:
        case INVALIDE:
            etape = INVALIDE;
            return;
        }
    }

    // What the whole word turned out to be.
    Mot resultat() const {
        Mot mot;
        mot.apercu = apercu;
        if (apercuTronque) {
            mot.apercu += "...";
        }
        if ((etape == CHIFFRES && !crochet) || etape == FERME) {
            mot.genre = (etape == FERME) ? Mot::ENTETE : Mot::NOMBRE;
            mot.valeur = negatif ? -valeur : valeur;
            mot.horsLimites = mot.valeur > INT_MAX || mot.valeur < INT_MIN;
        }
        return mot;
    }

private:
    enum Etape { DEBUT, CROCHET, SIGNE, CHIFFRES, FERME, INVALIDE };

    // Far beyond an int, far below the limit of a long long.
    static constexpr long long saturation = 1000000000000LL;

    void ajouterChiffre(int chiffre) {
        if (valeur < saturation) {
            valeur = valeur * 10 + chiffre;
        }
    }

    void noterApercu(int c) {
        if (apercu.size() < longueurApercu) {
            apercu += affichable(c);
        } else {
            apercuTronque = true;
        }
    }

    Etape etape = DEBUT;
    bool crochet = false;
    bool negatif = false;
    long long valeur = 0;
    std::string apercu;
    bool apercuTronque = false;
};

// Reads the level file word by word for one call of the loader and reports,
// on the error stream, what it has to skip or guess.
class LecteurNiveaux {
public:
    LecteurNiveaux(std::FILE* f, const char* nom, std::ostream& r)
        : fichier(f), signalements(r, std::string(nom) + ": ") {
        sauterMarqueOrdre();
    }

    // Reads up to the next header, skipping and reporting other words; false
    // at the end of the file, `numero` then unchanged.
    bool lireEntete(int& numero) {
        Mot mot;
        while (lireMot(mot)) {
            if (mot.genre == Mot::ENTETE && !mot.horsLimites) {
                numero = static_cast<int>(mot.valeur);
                entreeEnCours = numero;
                enteteVu = true;
                entreeFinie = false;
                return true;
            }
            signalerPasUnEntete(mot);
        }
        return false;
    }

    // Next value of the current entry; false once the entry has ended, at
    // the end of the file or at the next header (which is kept for later).
    bool lireValeur(Mot& mot) {
        while (!entreeFinie && lireMot(mot)) {
            if (mot.genre == Mot::NOMBRE) {
                derniereValeur = mot.valeurBornee();
                valeurLue = true;
                return true;
            }
            if (mot.genre == Mot::ENTETE) {
                motEnAttente = mot;
                attente = true;
                signaler("niveau " + std::to_string(entreeEnCours) + ": coupe par l'en-tete " +
                         mot.apercu);
                break;
            }
            signaler(ouEstLaCase() + "\"" + mot.apercu +
                     "\" n'est pas un nombre, ignore; la suite de l'entree est decalee d'une case");
        }
        entreeFinie = true;
        return false;
    }

    // Starts again from the top of the file.
    void rembobiner() {
        std::rewind(fichier);
        attente = false;
        sauterMarqueOrdre();
    }

    // What a cell missing from the entry is filled with: the last value read,
    // or nothing at all when no value has been read yet.
    int valeurManquante() {
        if (!valeurLue && !videSignale) {
            videSignale = true;
            signaler("niveau " + std::to_string(entreeEnCours) +
                     ": aucune valeur lue, cases vides");
        }
        return valeurLue ? derniereValeur : 0;
    }

    // Whether any word at all was met, to tell an empty file from a junk one.
    bool aDuContenu() const { return motsLus > 0; }
    bool erreurLecture() const { return std::ferror(fichier) != 0; }
    int entree() const { return entreeEnCours; }
    // Whether the current entry was cut short by the next header.
    bool enteteEnAttente() const { return attente; }

    // One line on the error stream naming the file, up to the report limit.
    void signaler(const std::string& texte) { signalements.signaler(texte); }
    int nbSignalements() const { return signalements.nombre(); }

    // The cell (0 to 159) the next value of the entry goes to, for reports.
    void allerALaCase(int k) { caseEnCours = k; }
    // "niveau 3, rangee 2, colonne 5: ", rows counted from the top as the
    // file lists them, columns from the left.
    std::string ouEstLaCase() const {
        return "niveau " + std::to_string(entreeEnCours) + ", rangee " +
               std::to_string(caseEnCours / Niveau::nbBriquesX + 1) + ", colonne " +
               std::to_string(caseEnCours % Niveau::nbBriquesX + 1) + ": ";
    }

private:
    // Several editors open a UTF-8 file with a byte-order mark: it is no word.
    void sauterMarqueOrdre() {
        static const unsigned char marque[] = {0xEF, 0xBB, 0xBF};
        const long debut = std::ftell(fichier);
        for (unsigned char attendu : marque) {
            if (std::getc(fichier) != attendu) {
                std::clearerr(fichier);
                std::fseek(fichier, debut, SEEK_SET);
                return;
            }
        }
    }

    // Reads the next whitespace-separated word; false at the end of the file
    // (a read error counts as the end).
    bool lireMot(Mot& mot) {
        if (attente) {
            attente = false;
            mot = motEnAttente;
            return true;
        }
        int c = std::getc(fichier);
        while (c != EOF && std::isspace(c)) {
            c = std::getc(fichier);
        }
        if (c == EOF) {
            return false;
        }
        AnalyseMot analyse;
        while (c != EOF && !std::isspace(c)) {
            analyse.ajouter(c);
            c = std::getc(fichier);
        }
        mot = analyse.resultat();
        ++motsLus;
        return true;
    }

    void signalerPasUnEntete(const Mot& mot) {
        const std::string ou =
            enteteVu ? "apres le niveau " + std::to_string(entreeEnCours) + ": " : "";
        const char* raison = mot.genre == Mot::ENTETE ? "\" est hors limites, ignore"
                                                      : "\" n'est pas un en-tete, ignore";
        signaler(ou + "\"" + mot.apercu + raison);
    }

    std::FILE* fichier;
    Signalements signalements;
    Mot motEnAttente;
    bool attente = false;
    int entreeEnCours = 0;
    bool enteteVu = false;
    bool entreeFinie = true;
    int derniereValeur = 0;
    bool valeurLue = false;
    bool videSignale = false;
    long motsLus = 0;
    int caseEnCours = 0;
};

// Discards what is written to it: trace past its bound, reports of a pass the player
// has seen already.
std::ostream& fluxMuet() {
    static std::ostream muet(nullptr);
    return muet;
}

// The developer's trace of one load on the output stream, bounded like the
// reports: a file of bare headers would otherwise print millions of lines.
class Trace {
public:
    static constexpr int maxLignes = 400;

    explicit Trace(std::ostream& f) : flux(f) {}
    ~Trace() {
        if (omises > 0) {
            flux << "trace: " << omises << " lignes omises" << std::endl;
        }
    }

    // Whether the bound is reached: what follows is only counted.
    bool pleine() const { return ecrites >= maxLignes; }
    void omettre(long lignes) { omises += lignes; }

    // The stream for the next line, or a mute one past the bound.
    std::ostream& ligne() {
        if (ecrites < maxLignes) {
            ++ecrites;
            return flux;
        }
        ++omises;
        return fluxMuet();
    }

private:
    std::ostream& flux;
    int ecrites = 0;
    long omises = 0;
};

const char* const etatVide = "est vide";

// Opens the level file once, refusing anything but a plain file of a level
// file's size: reading a pipe or a device could block the game, and a huge
// file would freeze it. Null once open, otherwise what is wrong.
const char* ouvrir(const char* nom, fichiers::Fichier& fichier) {
    fichiers::Contenu refus;
    fichier = fichiers::ouvrir(nom, tailleMaxFichierNiveaux, refus);
    if (fichier) {
        return nullptr;
    }
    if (refus.etat == fichiers::Contenu::ABSENT) {
        return fichierIntrouvable;
    }
    const std::string tropLong = fichiers::raisonTropLong(tailleMaxFichierNiveaux);
    if (refus.raison == tropLong) {
        static const std::string etatTropGrand =
            "est trop grand pour un fichier de niveaux (" + tropLong + ")";
        return etatTropGrand.c_str();
    }
    return refus.raison == fichiers::raisonDossier ? "est un dossier" : "est illisible";
}

// What is wrong with a file that opened but holds no header at all.
const char* etatSansEntete(const LecteurNiveaux& lecteur) {
    if (lecteur.erreurLecture()) {
        return "est illisible";
    }
    return lecteur.aDuContenu() ? "ne contient aucun niveau" : etatVide;
}

// One line naming the file and what is wrong with it, then the switch to
// the built-in level, left unsaid for a merely empty file.
void signalerFichier(const char* fichier, const char* etat) {
    std::cerr << "le fichier " << fichier << ' ' << etat << std::endl;
    if (etat != etatVide) {
        std::cerr << "on bascule sur un niveau par defaut" << std::endl;
    }
}

// Start of the trace line for a value missing from entry `entree`.
std::ostream& finAnormale(Trace& trace, int entree) {
    return trace.ligne() << "Abnormal termination for the level " << entree << " file";
}

constexpr int nbCellules = Niveau::nbBriquesX * Niveau::nbBriquesY;

// Reads past the values of an entry that is not the one wanted.
void passerEntree(LecteurNiveaux& lecteur, Trace& trace) {
    Mot mot;
    for (int k = 0; k < nbCellules; ++k) {
        lecteur.allerALaCase(k);
        if (lecteur.lireValeur(mot)) {
            continue;
        }
        if (trace.pleine()) { // a file of bare headers would spend its time here
            trace.omettre(nbCellules - k);
            return;
        }
        finAnormale(trace, lecteur.entree()) << " :: " << k << std::endl;
    }
}

// Moves past entries until the header of `nNiveau`, going round to entry 1
// at the end of the file; false when entry 1 is not there either.
bool chercherEntree(LecteurNiveaux& lecteur, Trace& trace, int& nNiveau, int& fNiveau) {
    while (fNiveau != nNiveau) {
        trace.ligne() << "premier test: 1" << std::endl;
        trace.ligne() << "parcours des donnees " << std::endl;
        passerEntree(lecteur, trace);
        const bool lu = lecteur.lireEntete(fNiveau);
        trace.ligne() << "nouvelle entree: nNiveau=" << nNiveau << " fNiveau=" << fNiveau
                      << std::endl;
        trace.ligne() << "2e test: " << (lu ? 1 : -1) << std::endl;
        if (!lu) {
            trace.ligne() << "pouet2" << std::endl;
            // A search for 1 began at the top already: going round again
            // would never end.
            if (nNiveau == 1) {
                return false;
            }
            lecteur.rembobiner();
            if (!lecteur.lireEntete(fNiveau)) {
                return false;
            }
            nNiveau = 1;
        }
    }
    return true;
}

// Reads the hit points of the entry's next cell: values above the strongest
// brick are capped, any negative value is an unbreakable brick. False when
// the entry has ended, `solidite` then what a missing cell is filled with.
bool lireCellule(LecteurNiveaux& lecteur, int& solidite) {
    Mot mot;
    const bool lue = lecteur.lireValeur(mot);
    if (lue) {
        solidite = mot.valeurBornee();
        const std::string ou = lecteur.ouEstLaCase();
        if (mot.horsLimites) {
            lecteur.signaler(ou + mot.apercu + " est hors limites, lu comme " +
                             (solidite > 0 ? "10" : "-1"));
        } else if (solidite < -1) {
            lecteur.signaler(ou + mot.apercu + " lu comme -1 (incassable)");
        } else if (solidite > Brique::soliditeMax) {
            lecteur.signaler(ou + mot.apercu + " lu comme 10 (la plus solide)");
        }
    } else {
        solidite = lecteur.valeurManquante();
    }
    if (solidite > Brique::soliditeMax) {
        solidite = Brique::soliditeMax;
    } else if (solidite < -1) {
        solidite = -1;
    }
    return lue;
}

// Reads the current entry's 160 cells, the top row first, each row from the
// left; gives how many were in the file, each missing one traced.
int lireGrille(LecteurNiveaux& lecteur, Trace& trace, Niveau::Grille& points) {
    const auto cellule = [&points](int k) -> int& {
        return points[k % Niveau::nbBriquesX][Niveau::nbBriquesY - 1 - k / Niveau::nbBriquesX];
    };
    int lues = 0;
    for (int k = 0; k < nbCellules; ++k) {
        lecteur.allerALaCase(k);
        if (lireCellule(lecteur, cellule(k))) {
            ++lues;
            continue;
        }
        if (trace.pleine()) { // every missing cell takes the same value
            for (int reste = k + 1; reste < nbCellules; ++reste) {
                cellule(reste) = cellule(k);
            }
            trace.omettre(nbCellules - k);
            return lues;
        }
        finAnormale(trace, lecteur.entree()) << std::endl;
    }
    return lues;
}

// Whether the match, having just loaded entry `numero` with nothing to
// break, would load entries with nothing to break for ever: from entry n it
// asks for n + 1, or goes back to 1 when there is none. A file of more
// entries than the search looks at is taken as such.
bool tourneAVide(const char* fichier, int numero) {
    LectureNiveaux lecture;
    const std::map<int, int> cassables = cassablesParNiveau(fichier, lecture);
    if (!lecture.complete) {
        return true;
    }
    std::set<int> vus;
    while (vus.insert(numero).second) {
        const auto suivant =
            cassables.count(numero + 1) ? cassables.find(numero + 1) : cassables.find(1);
        if (suivant == cassables.end()) {
            return false; // no entry 1: the next load falls back on the built-in level
        }
        if (suivant->second > 0) {
            return false;
        }
        numero = suivant->first;
    }
    return true;
}

} // namespace

int nbBriquesCassables(const Niveau::Grille& points) {
    int cassables = 0;
    for (const auto& colonne : points) {
        for (int solidite : colonne) {
            cassables += solidite > 0;
        }
    }
    return cassables;
}

std::map<int, int> cassablesParNiveau(const char* fichier, LectureNiveaux& lecture) {
    std::map<int, int> cassables;
    long lues = 0;
    lecture = lireNiveaux(fichier, fluxMuet(), [&cassables, &lues](const EntreeNiveaux& entree) {
        cassables.emplace(entree.numero, nbBriquesCassables(entree.points));
        return ++lues < maxEntreesCherchees;
    });
    return cassables;
}

namespace {

// Reads the open level file `f`, named `nom` in reports, entry by entry.
LectureNiveaux lireEntrees(std::FILE* f, const char* nom, std::ostream& rapport,
                           const std::function<bool(const EntreeNiveaux&)>& chaqueEntree) {
    LectureNiveaux lecture;
    LecteurNiveaux lecteur(f, nom, rapport);
    Trace muette(fluxMuet()); // no search to trace here
    for (int numero = 0; lecture.complete && lecteur.lireEntete(numero);) {
        EntreeNiveaux entree;
        entree.numero = numero;
        entree.valeursLues = lireGrille(lecteur, muette, entree.points);
        if (entree.valeursLues < nbCellules && !lecteur.enteteEnAttente()) {
            lecteur.signaler("niveau " + std::to_string(numero) +
                             ": coupe par la fin du fichier, " +
                             std::to_string(entree.valeursLues) + " valeurs sur 160");
        }
        ++lecture.nbEntrees;
        lecture.complete = chaqueEntree(entree);
    }
    if (lecteur.erreurLecture()) {
        lecture.echec = "est illisible";
    }
    lecture.nbSignalements = lecteur.nbSignalements();
    return lecture;
}

} // namespace

LectureNiveaux lireNiveaux(const char* fichier, std::ostream& rapport,
                           const std::function<bool(const EntreeNiveaux&)>& chaqueEntree) {
    fichiers::Fichier f;
    if (const char* echec = ouvrir(fichier, f)) {
        LectureNiveaux lecture;
        lecture.echec = echec;
        return lecture;
    }
    return lireEntrees(f.get(), fichier, rapport, chaqueEntree);
}

LectureNiveaux lireTexteNiveaux(const std::string& texte, const char* nom, std::ostream& rapport,
                                const std::function<bool(const EntreeNiveaux&)>& chaqueEntree) {
    LectureNiveaux lecture;
    if (texte.empty()) {
        return lecture;
    }
    // The text read already, read again by the same reader from memory.
    const fichiers::Fichier f(fmemopen(const_cast<char*>(texte.data()), texte.size(), "r"));
    if (!f) {
        lecture.echec = "est illisible";
        return lecture;
    }
    return lireEntrees(f.get(), nom, rapport, chaqueEntree);
}

bool lireEntree(const char* fichier, int& nNiveau, Niveau::Grille& points) {
    fichiers::Fichier f;
    if (const char* echec = ouvrir(fichier, f)) {
        signalerFichier(fichier, echec);
        return false;
    }
    LecteurNiveaux lecteur(f.get(), fichier, std::cerr);
    Trace trace(std::cout);
    int fNiveau = 0;
    if (!lecteur.lireEntete(fNiveau)) {
        signalerFichier(fichier, etatSansEntete(lecteur));
        return false;
    }
    trace.ligne() << "passage: nNiveau=" << nNiveau << " fNiveau=" << fNiveau << std::endl;
    if (!chercherEntree(lecteur, trace, nNiveau, fNiveau)) {
        signalerFichier(fichier, "n'a pas de niveau 1");
        return false;
    }
    lireGrille(lecteur, trace, points);
    if (nbBriquesCassables(points) == 0 && tourneAVide(fichier, nNiveau)) {
        signalerFichier(fichier, "n'a aucun niveau a finir (aucune brique cassable)");
        return false;
    }
    return true;
}
