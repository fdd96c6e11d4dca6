// SPDX-License-Identifier: GPL-3.0-or-later
// Replays: a match recorded frame by frame plays again from its file to the
// same state at every frame; a file that is not such a replay is refused.
#include "banc.h"
#include "jeu/magnetoscope.h"
#include "outils.h"
#include "profil/settings.h"
#include "rendu/display.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace {

// A match with a little of everything: launches and shots, keys held, the
// mouse, the pause key, the window left; its clock steps unevenly, as a busy
// machine's does. The match's digest after each frame.
template <typename Mode>
std::vector<Uint32> jouer(Banc<Mode>& partie, HorlogeDeTest& horloge, int frames) {
    const Uint32 pas[] = {16, 17, 16, 16, 33, 16};
    SDL_Event fenetreQuittee = {SDL_ACTIVEEVENT};
    fenetreQuittee.active = {SDL_ACTIVEEVENT, 0, SDL_APPINPUTFOCUS};
    std::vector<Uint32> etats;
    for (int k = 0; k < frames; ++k) {
        horloge.avancer(pas[k % 6]);
        std::vector<SDL_Event> e;
        if (k % 97 == 0) {
            e.push_back(touche(SDLK_SPACE));
        }
        if (k % 89 == 0) {
            e.push_back(touche(SDLK_w));
        }
        if (k % 40 == 0) {
            e.push_back(touche(k % 80 == 0 ? SDLK_LEFT : SDLK_RIGHT));
        } else if (k % 40 == 25) {
            e.push_back(touche(k % 80 == 25 ? SDLK_LEFT : SDLK_RIGHT, SDL_KEYUP));
        }
        // Player 1's mouse follows the first ball, a little off the paddle's
        // centre, but for a while when it lets it fall.
        const bool distrait = k % 1500 >= 1300;
        if (!partie.balles().empty() && !distrait) {
            const float ecart = partie.balles().front().getPosition()->X -
                                partie.j1().getBatteRef().getPosition()->X + 1.5f;
            e.push_back(mouvementSouris(static_cast<int>(ecart * Disposition::pixelsParUnite())));
        }
        if (k % 50 == 0) {
            // Player 2's stick, in co-op: leaning, then let go.
            e.push_back(manette(SDL_JOYAXISMOTION, 1, 0, k % 100 == 0 ? 20000 : 0));
        }
        if (k == 700) {
            e.push_back(fenetreQuittee);
        } else if (k == 760 || k == 900 || k == 960) {
            e.push_back(touche(SDLK_p));
            e.push_back(touche(SDLK_p, SDL_KEYUP));
        }
        partie.passage(e);
        etats.push_back(partie.empreinte());
    }
    return etats;
}

// Plays `rejeu` from its file on a program that has drawn and timed other
// things meanwhile, and checks every frame's digest.
void rejouer(const Rejeu& rejeu, const std::vector<Uint32>& etats, HorlogeDeTest& horloge) {
    std::string raison;
    const std::optional<Rejeu> relu = Rejeu::lire(rejeu.texte(), raison);
    ASSERT_TRUE(relu) << raison;
    hasard::passer(12345);
    horloge.avancer(999999);
    Magnetoscope magnetoscope(*relu);
    for (std::size_t k = 0; k < etats.size(); ++k) {
        ASSERT_TRUE(magnetoscope.avancer()) << "frame " << k + 1;
        ASSERT_EQ(magnetoscope.partie().empreinte(), etats[k]) << "frame " << k + 1;
    }
    EXPECT_FALSE(magnetoscope.avancer() || magnetoscope.egare());
}

template <typename Mode> void enregistrerPuisRejouer(difficulte::Choix choix) {
    HorlogeDeTest horloge;
    currentSettings.setPeripherique(2, Settings::PERIPH_MANETTE2);
    Rejeu rejeu;
    std::vector<Uint32> etats;
    PartieGardee gardee;
    {
        Banc<Mode> partie;
        partie.choisirDifficulte(choix);
        const int viesDebut = partie.j1().getNbVie();
        etats = jouer(partie, horloge, 1500);
        gardee = partie.garder();
        const std::vector<Uint32> suite = jouer(partie, horloge, 1500);
        etats.insert(etats.end(), suite.begin(), suite.end());
        rejeu = partie.rejeu();
        // Worth replaying: bricks broken, a life lost.
        EXPECT_GT(partie.getScoreTotal(), 10);
        const int nbJoueurs = partie.getNbJoueur();
        EXPECT_LT(partie.j1().getNbVie() + (nbJoueurs == 2 ? partie.j2().getNbVie() : 0),
                  viesDebut * nbJoueurs);
    }
    rejouer(rejeu, etats, horloge);
    // The match resumed from where it was kept, half way, plays again too.
    {
        Banc<Mode> partie;
        partie.reprendre(gardee);
        etats = jouer(partie, horloge, 600);
        rejeu = partie.rejeu();
    }
    rejouer(rejeu, etats, horloge);
    currentSettings.initSettings();
}

} // namespace

TEST(Rejeu, EachModesMatchAndAResumedOnePlayAgainFromTheirFileToTheSameStateAtEveryFrame) {
    enregistrerPuisRejouer<Normal1j>(difficulte::NORMAL);
    enregistrerPuisRejouer<Coop2j>(difficulte::DIFFICILE);
}

TEST(Rejeu, AFileCutAlteredOrFromAnotherVersionIsRefusedAndOneGoneAstraySaysWhere) {
    HorlogeDeTest horloge;
    Banc<Normal1j> partie;
    for (int k = 0; k < 200; ++k) {
        horloge.avancer(16);
        partie.passage({touche(SDLK_SPACE)});
    }
    const std::string bon = partie.rejeu().texte();
    std::string raison;
    ASSERT_TRUE(Rejeu::lire(bon, raison)) << raison;
    const auto remplacer = [&bon](const std::string& de, const std::string& par) {
        std::string t = bon;
        return t.replace(t.find(de), de.size(), par);
    };
    const std::pair<std::string, const char*> cas[] = {
        {"", "ce n'est pas un rejeu de Vorlen"},
        {"# Vorlen, autre chose\n" + bon, "ce n'est pas un rejeu de Vorlen"},
        {bon.substr(0, bon.size() - 1), "fichier coupe ou allonge"},
        {bon + "x", "fichier coupe ou allonge"},
        {remplacer("passages 200", "passages 201"), "passages illisibles"},
        {remplacer("joueurs 1", "joueurs 3"), "en-tete illisible"},
        {remplacer("scores ", "scores -"), "en-tete illisible"},
        {bon.substr(0, bon.size() - 6) + "\x01\x02" + bon.substr(bon.size() - 4),
         "parties comprimees illisibles"},
    };
    for (const auto& [texte, attendu] : cas) {
        EXPECT_FALSE(Rejeu::lire(texte, raison)) << attendu;
        EXPECT_EQ(raison, attendu);
    }
    // A frame read to its last byte, a long stall and all; a glide past what the rules
    // accept refused.
    for (const float distance : {1.5f, 2000.0f}) {
        Rejeu fait;
        Rejeu::Passage p;
        p.temps = 100000;
        p.gestes.push_back({false, 0, {1, Commandes::GLISSER, distance}});
        fait.ajouter(p);
        const std::optional<Rejeu> relu = Rejeu::lire(fait.texte(), raison);
        ASSERT_EQ(relu.has_value(), distance < 1000.0f) << distance;
        Rejeu::Passage lu;
        EXPECT_TRUE(!relu || (Rejeu::Lecteur(*relu).suivant(lu) && lu.temps == 100000 &&
                              lu.gestes.at(0).lecture.distance == distance));
    }
    const DossierTemporaire dossier;
    const auto ecrire = [&dossier](const std::string& nom, const std::string& texte) {
        std::ofstream(dossier.chemin / nom, std::ios::binary) << texte;
        return (dossier.chemin / nom).string();
    };
    EXPECT_FALSE(chargerRejeu(ecrire("ancien", remplacer("version ", "version 0.9")), raison));
    EXPECT_EQ(raison.find("enregistre par Vorlen 0.9"), 0u) << raison;
    std::ostringstream sortie;
    EXPECT_EQ(verifierRejeu(ecrire("fidele", bon), sortie), REJEU_FIDELE) << sortie.str();
    EXPECT_NE(sortie.str().find("passage 120: "), std::string::npos) << sortie.str();
    // Other draws of rand() from the start: the ball leaves another way.
    sortie.str("");
    EXPECT_EQ(verifierRejeu(ecrire("egare", remplacer("tirages 0", "tirages 1")), sortie),
              REJEU_ECARTE);
    EXPECT_NE(sortie.str().find("passage 60: le match s'ecarte"), std::string::npos)
        << sortie.str();
}

// The option on, the last few bricks left a while may be passed: the key scores them as a ball
// of the usual size would and the next level follows. Sooner, with one brick more, or the option
// off, the key does nothing. The order is the match's: its replay passes, whatever the options.
TEST(Rejeu, TheLastFewBricksLeftAWhilePassForThePointsABallWouldScoreAndReplayAlike) {
    const DossierTemporaire dossier;
    // Level 1: `premiers` bricks along the top row, an unbreakable one after them.
    const auto ecrire = [&](const std::string& premiers) {
        const std::string fichier = (dossier.chemin / "fin.lvl").string();
        std::ofstream f(fichier);
        f << "[1] " << premiers << " -1";
        for (int k = static_cast<int>(std::count(premiers.begin(), premiers.end(), ' ')) + 2;
             k < 160; ++k) {
            f << " 0";
        }
        f << "\n[2] 4";
        for (int k = 1; k < 160; ++k) {
            f << " 0";
        }
        f << "\n";
        return fichier;
    };
    HorlogeDeTest horloge;
    const std::vector<SDL_Event> passer = {touche(Partie::FinDeNiveau::touche)};
    const auto frames = [&](Banc<Normal1j>& partie, int n, bool cle) {
        for (int k = 0; k < n; ++k) {
            horloge.avancer(Partie::dureeFrame);
            partie.passage(cle && k == n - 1 ? passer : std::vector<SDL_Event>{});
        }
    };
    const std::pair<const char*, bool> jamais[] = {{"2 3 1 10 1 1", true}, {"2 3 1 10 1", false}};
    for (const auto& [briques, option] : jamais) {
        currentSettings.setFinNiveauPasser(option);
        Banc<Normal1j> autre(ecrire(briques));
        frames(autre, 2000, true);
        EXPECT_EQ(autre.getNumNiveau(), 1) << "passed " << briques << ", the option " << option;
    }
    currentSettings.setFinNiveauPasser(true);
    Banc<Normal1j> partie(ecrire("2 3 1 10 1"));
    // Few bricks from the first frame on: 1250 frames of 16 ms more make the 20 s.
    frames(partie, 1, false);
    frames(partie, 1249, true);
    EXPECT_EQ(partie.getNumNiveau(), 1) << "passed before its time";
    frames(partie, 1, true);
    EXPECT_EQ(partie.getNumNiveau(), 2) << "not passed on time";
    EXPECT_EQ(partie.j1().getScore(), 2 + 3 + 1 + 10 + 1);
    currentSettings.setFinNiveauPasser(false);
    std::string raison;
    const std::optional<Rejeu> rejeu = Rejeu::lire(partie.rejeu().texte(), raison);
    ASSERT_TRUE(rejeu) << raison;
    Magnetoscope magnetoscope(*rejeu);
    while (magnetoscope.avancer()) {
    }
    EXPECT_FALSE(magnetoscope.egare());
    EXPECT_EQ(magnetoscope.partie().getNumNiveau(), 2);
    EXPECT_EQ(magnetoscope.partie().getScoreTotal(), 17);
    currentSettings.initSettings();
}
