// SPDX-License-Identifier: GPL-3.0-or-later
#include "profil/fichiers.h"

#include "systeme/langue.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fichiers {

namespace {

const char* const nomDuJeu = "vorlen";
const char* const suffixeVerrou = ".verrou";
// A temporary is ".<file>.temporaire-vorlen-" and mkstemp's six characters:
// hidden, and a name no player gives a file of their own.
const char* const marqueTemporaire = ".temporaire-vorlen-";
const std::size_t longueurAleatoire = 6;
const int pasAttenteVerrouMs = 20;
// As the system itself gives up on a chain of links.
const int maxLiens = 40;
const int maxNomsDeCote = 1000;

// The base directory sets the XDG variable names, else HOME plus the usual
// sub-folder. Relative values are ignored, as the XDG rules ask.
std::string dossierXdg(const char* variable, const char* sousDossierDuHome) {
    const char* base = std::getenv(variable);
    if (base != nullptr && base[0] == '/') {
        return std::string(base) + "/" + nomDuJeu;
    }
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') {
        return std::string(home) + "/" + sousDossierDuHome + "/" + nomDuJeu;
    }
    return std::string();
}

bool toutEcrire(int fd, const std::string& contenu) {
    size_t ecrit = 0;
    while (ecrit < contenu.size()) {
        const ssize_t n = write(fd, contenu.data() + ecrit, contenu.size() - ecrit);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        ecrit += static_cast<size_t>(n);
    }
    return true;
}

// A file descriptor closed with its owner.
class Descripteur {
public:
    explicit Descripteur(int f) : fd(f) {}
    ~Descripteur() {
        if (fd >= 0) {
            close(fd);
        }
    }
    Descripteur(const Descripteur&) = delete;
    Descripteur& operator=(const Descripteur&) = delete;
    int get() const { return fd; }
    // Hands the descriptor over to whoever closes it now.
    void liberer() { fd = -1; }

private:
    int fd;
};

Contenu illisible(const std::string& raison) {
    return {Contenu::ILLISIBLE, std::string(), raison};
}

// Whether a name is taken by anything, a broken or looping link included.
bool nomPris(const std::string& chemin) {
    struct stat etat;
    return lstat(chemin.c_str(), &etat) == 0 || errno != ENOENT;
}

// The file a save must replace: `chemin`, or the end of its chain of links
// (a player's dotfiles), so that the link stays a link. On failure `cible` is
// the link that could not be followed and `raison` why.
bool cibleDuLien(const std::string& chemin, std::string& cible, std::string& raison) {
    namespace fs = std::filesystem;
    fs::path p = chemin;
    for (int k = 0; k < maxLiens; ++k) {
        std::error_code ec;
        cible = p.string();
        if (!fs::is_symlink(fs::symlink_status(p, ec))) {
            return true;
        }
        const fs::path lien = fs::read_symlink(p, ec);
        if (ec) {
            raison = ec.message();
            return false;
        }
        p = lien.is_absolute() ? lien : p.parent_path() / lien;
    }
    cible = chemin;
    raison = std::strerror(ELOOP);
    return false;
}

bool estFichierOrdinaire(const std::string& chemin) {
    struct stat etat;
    return lstat(chemin.c_str(), &etat) == 0 && S_ISREG(etat.st_mode);
}

std::string prefixeTemporaire(const std::string& base) {
    return "." + base + marqueTemporaire;
}

// One of our temporaries beside the file `base`, left by a save that was
// killed: the only names a save ever removes.
bool estTemporaire(const std::string& nom, const std::string& base) {
    const std::string prefixe = prefixeTemporaire(base);
    if (nom.size() != prefixe.size() + longueurAleatoire ||
        nom.compare(0, prefixe.size(), prefixe) != 0) {
        return false;
    }
    return std::all_of(nom.begin() + static_cast<long>(prefixe.size()), nom.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

// Under the lock no save of ours is under way: every temporary is stale.
void effacerTemporaires(const std::string& chemin) {
    namespace fs = std::filesystem;
    const fs::path p = chemin;
    const std::string base = p.filename().string();
    std::error_code ec;
    for (fs::directory_iterator it(p.parent_path(), ec), fin; !ec && it != fin; it.increment(ec)) {
        const std::string nom = it->path().filename().string();
        std::error_code ignore;
        if (estTemporaire(nom, base) &&
            fs::is_regular_file(fs::symlink_status(it->path(), ignore))) {
            fs::remove(it->path(), ignore);
        }
    }
}

// Holds an advisory lock on a file beside `chemin` while it lives, so that
// two copies of the game save one after the other. Where the lock file cannot
// be made (a folder we may not write), the save goes on and fails or not
// alone; a lock another copy holds past `attenteVerrouMs` is not waited for.
class Verrou {
public:
    explicit Verrou(const std::string& chemin)
        : fd(open((chemin + suffixeVerrou).c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW,
                  0600)) {
        for (int attendu = 0; fd.get() >= 0 && flock(fd.get(), LOCK_EX | LOCK_NB) != 0;
             attendu += pasAttenteVerrouMs) {
            if ((errno != EWOULDBLOCK && errno != EINTR) || attendu >= attenteVerrouMs) {
                occupe = errno == EWOULDBLOCK;
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(pasAttenteVerrouMs));
        }
        tenu = fd.get() >= 0;
    }
    // Another copy of the game is saving and did not finish in time.
    bool estOccupe() const { return occupe; }
    // No save of ours can be under way beside the file.
    bool estTenu() const { return tenu; }

private:
    Descripteur fd; // the lock goes with it
    bool occupe = false;
    bool tenu = false;
};

void creerDossier(const std::string& chemin, Enregistrement& resultat) {
    const std::filesystem::path dossier = std::filesystem::path(chemin).parent_path();
    std::error_code ec;
    if (!dossier.empty()) {
        std::filesystem::create_directories(dossier, ec);
        if (ec) {
            resultat.echouer(dossier.string(), ec.message());
        }
    }
}

// The permissions the file being replaced has, else those the player's umask
// gives a new file.
mode_t modeDuFichier(const std::string& chemin) {
    struct stat etat;
    if (stat(chemin.c_str(), &etat) == 0) {
        return etat.st_mode & 07777;
    }
    const mode_t masque = umask(0);
    umask(masque);
    return 0666 & ~masque;
}

// A rename is on disk once its folder is.
void synchroniserDossier(const std::string& chemin) {
    const std::string dossier = std::filesystem::path(chemin).parent_path().string();
    const Descripteur fd(
        open(dossier.empty() ? "." : dossier.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0) {
        fsync(fd.get());
    }
}

// Writes `contenu` to a temporary file of ours beside `chemin`, flushes it to
// disk, renames it over `chemin` and flushes the folder, so that a power cut
// leaves the old file or the new one. The file keeps its permissions; a new
// one gets those the player's umask gives. The folder must exist. On failure
// the old file is untouched, `erreur` says why and the result is false.
bool ecrireAtomiquement(const std::string& chemin, const std::string& contenu,
                        std::string& erreur) {
    const std::filesystem::path p = chemin;
    std::string temporaire =
        (p.parent_path() / (prefixeTemporaire(p.filename().string()) + "XXXXXX")).string();
    const int fd = mkstemp(temporaire.data());
    if (fd < 0) {
        erreur = std::strerror(errno);
        return false;
    }
    const bool ecrit =
        fchmod(fd, modeDuFichier(chemin)) == 0 && toutEcrire(fd, contenu) && fsync(fd) == 0;
    const int errnoEcriture = errno;
    const bool ferme = close(fd) == 0;
    if (!ecrit || !ferme || std::rename(temporaire.c_str(), chemin.c_str()) != 0) {
        erreur = std::strerror(ecrit && ferme ? errno : errnoEcriture);
        unlink(temporaire.c_str());
        return false;
    }
    synchroniserDossier(chemin);
    return true;
}

} // namespace

void Enregistrement::echouer(const std::string& nomFichier, const std::string& pourquoi) {
    reussi = false;
    fichier = nomFichier;
    raison = pourquoi;
    erreur = nomFichier + ": " + pourquoi;
}

std::string dossierPreferences() {
    return dossierXdg("XDG_CONFIG_HOME", ".config");
}

std::string dossierDonneesJoueur() {
    return dossierXdg("XDG_DATA_HOME", ".local/share");
}

std::string raisonTropLong(std::size_t tailleMax) {
    return tailleMax >= (1u << 20) ? "plus de " + std::to_string(tailleMax >> 20) + " Mio"
                                   : "plus de " + std::to_string(tailleMax >> 10) + " Kio";
}

Fichier ouvrir(const std::string& chemin, std::size_t tailleMax, Contenu& refus) {
    // Not blocking: opening a pipe for reading would wait for a writer.
    const int fd = open(chemin.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        // A file under what is not a folder is not there either.
        refus = errno == ENOENT || errno == ENOTDIR ? Contenu() : illisible(std::strerror(errno));
        return nullptr;
    }
    Descripteur proprietaire(fd);
    struct stat etat;
    if (fstat(fd, &etat) != 0) {
        refus = illisible(std::strerror(errno));
    } else if (S_ISDIR(etat.st_mode)) {
        refus = illisible(raisonDossier);
    } else if (!S_ISREG(etat.st_mode)) {
        refus = illisible("ce n'est pas un fichier ordinaire");
    } else if (static_cast<std::size_t>(etat.st_size) > tailleMax) {
        refus = illisible(raisonTropLong(tailleMax));
    } else if (Fichier fichier{fdopen(fd, "r")}) {
        proprietaire.liberer();
        return fichier;
    } else {
        refus = illisible(std::strerror(errno));
    }
    return nullptr;
}

Contenu lire(const std::string& chemin, std::size_t tailleMax) {
    Contenu contenu;
    const Fichier fichier = ouvrir(chemin, tailleMax, contenu);
    if (!fichier) {
        return contenu;
    }
    contenu.etat = Contenu::LU;
    // A file may still grow while it is read: one byte more than allowed tells.
    char morceau[64 * 1024];
    for (std::size_t lu = 0; contenu.texte.size() <= tailleMax &&
                             (lu = std::fread(morceau, 1, sizeof morceau, fichier.get())) > 0;) {
        contenu.texte.append(morceau, lu);
    }
    if (std::ferror(fichier.get())) {
        return illisible(std::strerror(errno));
    }
    if (contenu.texte.size() > tailleMax) {
        return illisible(raisonTropLong(tailleMax));
    }
    return contenu;
}

std::string mettreDeCote(const std::string& chemin) {
    std::string nouveau = chemin + ".illisible";
    for (int n = 2; nomPris(nouveau); ++n) {
        if (n > maxNomsDeCote) {
            return std::string();
        }
        nouveau = chemin + ".illisible-" + std::to_string(n);
    }
    return std::rename(chemin.c_str(), nouveau.c_str()) == 0 ? nouveau : std::string();
}

Enregistrement enregistrer(const std::string& chemin, std::size_t tailleMax,
                           const std::function<Fusion(const Contenu&)>& fusionner) {
    Enregistrement resultat;
    creerDossier(chemin, resultat);
    if (!resultat.erreur.empty()) {
        return resultat;
    }
    const Verrou verrou(chemin);
    if (verrou.estOccupe()) {
        resultat.echouer(chemin, _("une autre copie du jeu l'enregistre; nouvel essai au prochain "
                                   "enregistrement"));
        return resultat;
    }
    const Contenu avant = lire(chemin, tailleMax);
    const Fusion fusion = fusionner(avant);
    std::string cible, erreur;
    const bool lienSuivi = cibleDuLien(chemin, cible, erreur);
    if (avant.etat == Contenu::ILLISIBLE || fusion.garderDeCote) {
        // A player's file reached through links (dotfiles) is kept aside where
        // it is, and the links still lead to the new one; anything else at
        // the end of a link (a device, a pipe, a loop) is not ours to move:
        // the name itself goes aside.
        if (!lienSuivi || !estFichierOrdinaire(cible)) {
            cible = chemin;
        }
        resultat.aCote = mettreDeCote(cible);
        if (resultat.aCote.empty()) {
            resultat.echouer(cible, langue::formater(_("illisible (%s) et impossible a renommer"),
                                                     avant.raison.empty() ? _("lignes abimees")
                                                                          : avant.raison.c_str()));
            return resultat;
        }
    } else if (!lienSuivi) {
        resultat.echouer(cible, erreur);
        return resultat;
    }
    if (verrou.estTenu()) {
        effacerTemporaires(cible);
    }
    resultat.reussi = ecrireAtomiquement(cible, fusion.texte, erreur);
    if (!resultat.reussi) {
        resultat.echouer(cible, erreur);
    }
    return resultat;
}

} // namespace fichiers
