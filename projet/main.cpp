// SPDX-License-Identifier: GPL-3.0-or-later
#include "main.h"

#include "ecrans/menu.h"
#include "jeu/partie.h"
#include "jeu/magnetoscope.h"
#include "niveaux/verification.h"
#include "profil/preferences.h"
#include "profil/settings.h"
#include "son/mixer.h"
#include "systeme/donnees.h"
#include "systeme/icone.h"
#include "systeme/langue.h"
#include "systeme/options.h"
#include "systeme/fenetre.h"
#include "systeme/manettes.h"
#include "systeme/sauvegardeurgente.h"
#include "systeme/signaux.h"

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

AudioMixer amixer;
SDL_Surface* screenSurface = nullptr;
Settings currentSettings;
int videoFlags = 0;

namespace {

// Video is required, sound is not: without a sound card the game plays silent.
bool initialiserSDL() {
    fenetre::choisirPilotes();
    if (SDL_Init(SDL_INIT_AUDIO | SDL_INIT_VIDEO) == 0) {
        return true;
    }
    // Debian 13's SDL 1.2 answers 0 to a second try that fails like the
    // first, and forgets why: only SDL_WasInit tells whether video started.
    const std::string raison = SDL_GetError();
    if (SDL_Init(SDL_INIT_VIDEO) == 0 && SDL_WasInit(SDL_INIT_VIDEO) != 0) {
        return true;
    }
    std::fprintf(stderr,
                 "Vorlen: impossible d'initialiser l'affichage (%s); lancez le jeu sur un "
                 "bureau graphique, ou sans écran avec xvfb-run\n",
                 raison.c_str());
    return false;
}

// Where the player started the game, before it moves to its data.
std::string dossierCourant() {
    std::error_code erreur;
    const std::filesystem::path dossier = std::filesystem::current_path(erreur);
    return erreur ? std::string() : dossier.string();
}

// A player whose remembered gamepad is not plugged in plays with the
// keyboard, and one line says so.
void auClavierSansSaManette(int nbManettes) {
    for (int joueur = 1; joueur <= 2; ++joueur) {
        const int manette = currentSettings.getPeripherique(joueur) - Settings::PERIPH_MANETTE1;
        if (manette >= nbManettes) {
            std::cerr << "Vorlen: manette " << manette + 1 << " absente; le joueur " << joueur
                      << " joue au clavier" << std::endl;
            currentSettings.setPeripherique(joueur, Settings::PERIPH_CLAVIER);
        }
    }
}

} // namespace

int SDL_main(int argc, char** argv) {
    // The help already speaks the player's language; the options may choose another.
    langue::lier(dossierCatalogues());
    langue::choisir(langue::SYSTEME);
    const Options options = lireOptions(argc, argv, dossierCourant());
    if (const int statut = repondreSansFenetre(options); statut >= 0) {
        return statut;
    }
    if (options.action == Options::ACTION_VERIFIER) {
        return verifierNiveaux(options.aVerifier.c_str(), std::cout);
    }
    if (options.action == Options::ACTION_VERIFIER_REJEU) {
        return verifierRejeu(options.rejeu, std::cout);
    }
    std::optional<Rejeu> aRegarder;
    if (!options.rejeu.empty()) {
        std::string raison;
        aRegarder = chargerRejeu(options.rejeu, raison);
        if (!aRegarder) {
            std::cerr << "Vorlen: rejeu " << options.rejeu << " illisible: " << raison << std::endl;
            return 1;
        }
    }
    const std::vector<std::string> dossiers = dossiersCandidats(options.donnees);
    const bool donneesTrouvees = allerAuxDonnees(dossiers);

    videoFlags = SDL_OPENGL | SDL_ANYFORMAT;
    preferences::charger(currentSettings);
    langue::choisir(static_cast<langue::Choix>(currentSettings.getLangue()));
    // The command line chooses the screen for this run only; the file keeps
    // the player's own choice.
    if (options.ecran != Options::ECRAN_NON_PRECISE) {
        currentSettings.imposerPleinEcran(options.ecran == Options::ECRAN_PLEIN);
    }
    if (!initialiserSDL()) {
        return 1;
    }
    signaux::installer();
    const SDL_VideoInfo* videoInfo = SDL_GetVideoInfo();
    if (videoInfo == nullptr) {
        std::fprintf(stderr, "Video query failed: %s\n", SDL_GetError());
        SDL_Quit();
        return 1;
    }
    // Without its data the game stops at the font, whose line names every folder tried.
    if (donneesTrouvees) {
        icone::poser();
    }
    // The sounds need no window: loaded before it opens, they shorten the time
    // the window stands empty.
    amixer.initMixer();
    amixer.setVolume(currentSettings.getVolume(), Settings::volumeMax);
    fenetre::Choix choix = currentSettings.getChoixFenetre();
    if (!fenetre::ouvrir(*videoInfo, choix)) {
        SDL_Quit();
        return 1;
    }
    currentSettings.imposerPleinEcran(choix.pleinEcran);
    SauvegardeUrgente::surveillerAffichage();
    const Manettes manettes;
    auClavierSansSaManette(manettes.nombre());

    std::unique_ptr<Menu> startMenu;
    try {
        // The menu runs the game from its constructor until the player quits.
        startMenu.reset(
            new Menu(0.0f, 0.0f, 20.0f, -20.0f,
                     options.niveaux.empty() ? Niveau::fichierParDefaut : options.niveaux,
                     aRegarder ? &*aRegarder : nullptr));
    } catch (const freetype::ErreurPolice& e) {
        std::fprintf(stderr,
                     "Vorlen: police %s illisible (%s); placez une police TrueType sous ce "
                     "nom dans le dossier du jeu%s%s\n",
                     e.fichier().c_str(), e.what(),
                     donneesTrouvees ? "" : ", ou donnez-le avec --donnees; dossiers essayes: ",
                     donneesTrouvees ? "" : listeDossiers(dossiers).c_str());
        SDL_Quit();
        return 1;
    }

    if (currentSettings.getPleinEcranState()) {
        SDL_WM_ToggleFullScreen(screenSurface);
    }
    startMenu.reset();
    SDL_Quit();
    return signaux::statutDeSortie();
}

// SDL 1.2 has no entry wrapper on this platform: this is ours.
int main(int argc, char** argv) {
    return SDL_main(argc, argv);
}
