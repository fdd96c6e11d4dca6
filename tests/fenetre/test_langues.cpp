// SPDX-License-Identifier: GPL-3.0-or-later
#include "banc.h"
#include "fenetre.h"
#include "outils.h"
#include "ecrans/credits.h"
#include "ecrans/decor.h"
#include "ecrans/editeur.h"
#include "ecrans/menu.h"
#include "jeu/aide.h"
#include "jeu/pause.h"
#include "jeu/typesparties.h"
#include "profil/settings.h"
#include "rendu/FreeType.h"
#include "systeme/langue.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// The match's panel, and each player's box in it.
const float bordPanneau = 650.0f;
const float droiteCadres = 770.0f;

// The match's texts: the panel's in its boxes, the field's on the field.
void verifierPartie(const std::vector<freetype::LigneDessinee>& lignes, const std::string& ecran) {
    std::vector<freetype::LigneDessinee> panneau, champ;
    for (const freetype::LigneDessinee& l : lignes) {
        (l.gauche >= bordPanneau ? panneau : champ).push_back(l);
    }
    verifierDans(panneau, bordPanneau, droiteCadres, ecran + ", panel");
    verifierDans(champ, 0, bordPanneau, ecran + ", field");
}

struct Langues : ::testing::TestWithParam<langue::Choix> {
    void SetUp() override { montrerEn(GetParam()); }
    void TearDown() override {
        montrerEn(langue::FRANCAIS);
        currentSettings.initSettings();
    }
};

} // namespace

TEST_P(Langues, EveryScreenFitsEachOfItsTextsWholeInItsBoxAt800x600) {
    const std::unique_ptr<Menu> menu = menuApres();
    // The widest device and the longest key names a player can choose.
    currentSettings.setPeripherique(1, Settings::PERIPH_MANETTE2);
    currentSettings.setPeripherique(2, Settings::PERIPH_SOURIS);
    for (void (Menu::*page)() :
         {&Menu::reinitMainMenu, &Menu::reinitPartieType, &Menu::reinitDifficulteMenu,
          &Menu::reinitNiveauxMenu, &Menu::reinitOptionsMenu, &Menu::reinitControlesMenu,
          &Menu::reinitAppareilsMenu}) {
        (menu.get()->*page)();
        verifierDans(lignesDe([&] { menu->display(); }), 0, largeurToile, menu->getTitle());
    }
    verifierDans(lignesDe([] {
                     Aide aide;
                     aide.dessiner();
                 }),
                 0, largeurToile, "help");
    verifierDans(lignesDe([] {
                     const Decor decor;
                     freetype::font_data police;
                     police.init(freetype::fichierPolice, 20);
                     Credits(decor, police).dessiner();
                 }),
                 0, largeurToile, "credits");

    // The panel's texts are drawn with the match's first frame, and kept.
    verifierPartie(lignesDe([] {
                       Banc<Coop2j> partie;
                       partie.frame();
                       ASSERT_EQ(partie.astuce().size(), 3u) << "both players hold a ball";
                   }),
                   "co-op match");
    verifierDans(lignesDe([] { Pause().afficher("ESPACE"); }), 0, bordPanneau, "pause");
    {
        const DossierTemporaire dossier;
        Editeur editeur((dossier.chemin / "niveaux.lvl").string(), Niveau::fichierParDefaut);
        verifierDans(lignesDe([&] { editeur.dessiner(); }), 0, largeurToile, "editor");
    }
}

INSTANTIATE_TEST_SUITE_P(FrancaisEtAnglais, Langues,
                         ::testing::Values(langue::FRANCAIS, langue::ANGLAIS),
                         [](const auto& info) {
                             return info.param == langue::FRANCAIS ? "Francais" : "Anglais";
                         });
