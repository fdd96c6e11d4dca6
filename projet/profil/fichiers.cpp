// SPDX-License-Identifier: GPL-3.0-or-later
#include "profil/fichiers.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fichiers {

namespace {

const char* const nomDuJeu = "vorlen";
const char* const suffixeVerrou = ".verrou";
// mkstemp's six characters after the file's name and a dot.
const std::size_t longueurSuffixeTemporaire = 6;
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

private:
    int fd;
};

// Up to `tailleMax` bytes and one more, to tell a file that is too long.
bool lireAuPlus(int fd, std::size_t tailleMax, std::string& texte) {
    texte.resize(tailleMax + 1);
    std::size_t lu = 0;
    while (lu < texte.size()) {
        const ssize_t n = read(fd, texte.data() + lu, texte.size() - lu);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return false;
        }
        if (n == 0) {
            break;
        }
        lu += static_cast<std::size_t>(n);
    }
    texte.resize(lu);
    return true;
}

Contenu illisible(const std::string& raison) {
    return {Contenu::ILLISIBLE, std::string(), raison};
}

// Whether a name is taken by anything, a broken or looping link included.
bool nomPris(const std::string& chemin) {
    struct stat etat;
    return lstat(chemin.c_str(), &etat) == 0 || errno != ENOENT;
}

// The file a save must replace: `chemin`, or the end of its chain of links
// (a player's dotfiles), so that the link stays a link.
bool cibleDuLien(const std::string& chemin, std::string& cible, std::string& erreur) {
    namespace fs = std::filesystem;
    fs::path p = chemin;
    for (int k = 0; k < maxLiens; ++k) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(p, ec))) {
            cible = p.string();
            return true;
        }
        const fs::path lien = fs::read_symlink(p, ec);
        if (ec) {
            erreur = p.string() + ": " + ec.message();
            return false;
        }
        p = lien.is_absolute() ? lien : p.parent_path() / lien;
    }
    erreur = chemin + ": " + std::strerror(ELOOP);
    return false;
}

// A name mkstemp made beside `chemin`: our own temporary, left by a save
// that was killed. The lock beside it has a name of the same length.
bool estTemporaire(const std::string& nom, const std::string& base) {
    if (nom.size() != base.size() + 1 + longueurSuffixeTemporaire ||
        nom.compare(0, base.size(), base) != 0 || nom[base.size()] != '.' ||
        nom == base + suffixeVerrou) {
        return false;
    }
    for (std::size_t k = base.size() + 1; k < nom.size(); ++k) {
        if (!std::isalnum(static_cast<unsigned char>(nom[k]))) {
            return false;
        }
    }
    return true;
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
// two copies of the game save one after the other. Where the lock cannot be
// had (a folder we may not write), the save goes on and fails or not alone.
class Verrou {
public:
    explicit Verrou(const std::string& chemin)
        : fd(open((chemin + suffixeVerrou).c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW,
                  0600)) {
        while (fd.get() >= 0 && flock(fd.get(), LOCK_EX) != 0 && errno == EINTR) {
        }
    }

private:
    Descripteur fd; // the lock goes with it
};

bool creerDossier(const std::string& chemin, std::string& erreur) {
    const std::filesystem::path dossier = std::filesystem::path(chemin).parent_path();
    std::error_code ec;
    if (!dossier.empty()) {
        std::filesystem::create_directories(dossier, ec);
        if (ec) {
            erreur = dossier.string() + ": " + ec.message();
            return false;
        }
    }
    return true;
}

} // namespace

std::string dossierPreferences() {
    return dossierXdg("XDG_CONFIG_HOME", ".config");
}

std::string dossierDonneesJoueur() {
    return dossierXdg("XDG_DATA_HOME", ".local/share");
}

Contenu lire(const std::string& chemin, std::size_t tailleMax) {
    // Not blocking: opening a pipe for reading would wait for a writer.
    const Descripteur fd(open(chemin.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) {
        return errno == ENOENT ? Contenu() : illisible(std::strerror(errno));
    }
    struct stat etat;
    if (fstat(fd.get(), &etat) != 0) {
        return illisible(std::strerror(errno));
    }
    if (S_ISDIR(etat.st_mode)) {
        return illisible("c'est un dossier");
    }
    if (!S_ISREG(etat.st_mode)) {
        return illisible("ce n'est pas un fichier ordinaire");
    }
    Contenu contenu{Contenu::LU, std::string(), std::string()};
    if (!lireAuPlus(fd.get(), tailleMax, contenu.texte)) {
        return illisible(std::strerror(errno));
    }
    if (contenu.texte.size() > tailleMax) {
        return illisible("plus de " + std::to_string(tailleMax / 1024) + " Kio");
    }
    return contenu;
}

bool ecrireAtomiquement(const std::string& chemin, const std::string& contenu,
                        std::string& erreur) {
    if (!creerDossier(chemin, erreur)) {
        return false;
    }
    std::string temporaire = chemin + ".XXXXXX";
    const int fd = mkstemp(temporaire.data());
    if (fd < 0) {
        erreur = temporaire + ": " + std::strerror(errno);
        return false;
    }
    const bool ecrit = toutEcrire(fd, contenu) && fsync(fd) == 0;
    const int errnoEcriture = errno;
    const bool ferme = close(fd) == 0;
    if (!ecrit || !ferme || std::rename(temporaire.c_str(), chemin.c_str()) != 0) {
        erreur = chemin + ": " + std::strerror(ecrit && ferme ? errno : errnoEcriture);
        unlink(temporaire.c_str());
        return false;
    }
    return true;
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
    if (!creerDossier(chemin, resultat.erreur)) {
        return resultat;
    }
    const Verrou verrou(chemin);
    const Contenu avant = lire(chemin, tailleMax);
    const Fusion fusion = fusionner(avant);
    if (avant.etat == Contenu::ILLISIBLE || fusion.garderDeCote) {
        resultat.aCote = mettreDeCote(chemin);
        if (resultat.aCote.empty()) {
            resultat.erreur = chemin + ": illisible (" +
                              (avant.raison.empty() ? "lignes abimees" : avant.raison) +
                              ") et impossible a renommer";
            return resultat;
        }
    }
    std::string cible;
    if (!cibleDuLien(chemin, cible, resultat.erreur)) {
        return resultat;
    }
    effacerTemporaires(cible);
    resultat.reussi = ecrireAtomiquement(cible, fusion.texte, resultat.erreur);
    return resultat;
}

} // namespace fichiers
