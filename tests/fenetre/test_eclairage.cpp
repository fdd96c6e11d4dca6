// SPDX-License-Identifier: GPL-3.0-or-later
#include "banc.h"
#include "fenetre.h"
#include "profil/settings.h"

#include <gtest/gtest.h>

// A brick of 5 points (165, 150, 140) in each lighting: its face at the
// centre, and its top and bottom bevels, the last lit rows above and below.
TEST(Eclairage, VifShowsABrickNearItsColourWithShadedBevelsClassiqueKeepsItsDimLook) {
    for (const bool vif : {false, true}) {
        currentSettings.setEclairageVif(vif);
        Banc<Normal1j> partie;
        partie.niveau().initBriques("absent.lvl", 1);
        partie.frame();
        currentSettings.setEclairageVif(false);
        const Capture capture;
        // Where the camera puts the brick's centre (see the frame tests).
        const Vecteur centre = partie.centre(8, 5);
        const int colonne = static_cast<int>(325.0 * (1 + 0.0185577 * centre.X) + 0.5);
        const int ligne = static_cast<int>(300.0 * (1 - 0.0247436 * centre.Y) + 0.5);
        const auto allume = [&](int l) {
            const Pixel p = capture.at(colonne, l);
            return p.r + p.v + p.b > 30;
        };
        int haut = ligne;
        int bas = ligne;
        while (allume(haut - 1)) {
            --haut;
        }
        while (allume(bas + 1)) {
            ++bas;
        }
        const Pixel face = capture.at(colonne, ligne);
        if (!vif) {
            EXPECT_TRUE(std::abs(face.r - 37) < 4 && std::abs(face.v - 34) < 4 &&
                        std::abs(face.b - 31) < 4)
                << face.r << ' ' << face.v << ' ' << face.b;
        } else {
            EXPECT_GE(face.r, 0.8 * 165) << "close to its full colour";
            EXPECT_NEAR(static_cast<double>(face.v) / face.r, 150.0 / 165, 0.05) << "same hue";
            EXPECT_NEAR(static_cast<double>(face.b) / face.r, 140.0 / 165, 0.05) << "same hue";
            EXPECT_GT(capture.at(colonne, haut).r, capture.at(colonne, bas).r + 30)
                << "the light falls from above";
        }
    }
}
