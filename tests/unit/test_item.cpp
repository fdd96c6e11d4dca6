#include "item.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace {

// The plainest object on the field: one that draws nothing.
class Point : public Item {
public:
    using Item::Item;
    void afficher() override {}
};

// Where the matrix takes the point (x, y, z).
Vecteur appliquer(const Matrice& m, float x, float y, float z) {
    return Vecteur(m.m[0] * x + m.m[4] * y + m.m[8] * z, m.m[1] * x + m.m[5] * y + m.m[9] * z,
                   m.m[2] * x + m.m[6] * y + m.m[10] * z);
}

void attendreVecteur(const Vecteur& v, float x, float y, float z) {
    EXPECT_NEAR(v.X, x, 1e-6f);
    EXPECT_NEAR(v.Y, y, 1e-6f);
    EXPECT_NEAR(v.Z, z, 1e-6f);
}

void attendreMatrice(const Matrice& a, const Matrice& b) {
    for (int i = 0; i < 16; ++i) {
        EXPECT_NEAR(a.m[i], b.m[i], 1e-6f) << "element " << i;
    }
}

} // namespace

TEST(Vecteur, ReflectionOnAnAxisFlipsOneComponentAndDropsZ) {
    const Vecteur d(3.0f, 4.0f, 5.0f);
    const struct {
        Vecteur normale;
        float x;
        float y;
    } cas[] = {{Vecteur(1, 0, 0), -3, 4},
               {Vecteur(-1, 0, 0), -3, 4},
               {Vecteur(0, 1, 0), 3, -4},
               {Vecteur(0, -1, 0), 3, -4}};
    for (const auto& c : cas) {
        const Vecteur r = d * c.normale;
        EXPECT_EQ(r.X, c.x);
        EXPECT_EQ(r.Y, c.y);
        EXPECT_EQ(r.Z, 0.0f);
    }
}

TEST(Vecteur, ReflectionOnASlantedNormalAndItsSnapToX) {
    attendreVecteur(Vecteur(1, 0, 0) * Vecteur(0.70710677f, 0.70710677f, 0), 0, -1, 0);

    // Within 0.01 rad of +X the correction goes along X only, with k from the given normal.
    const Vecteur d(0.3f, 0.4f, 2.0f);
    const Vecteur presqueX = d * Vecteur(0.99995f, 0.005f, 0);
    EXPECT_EQ(presqueX.Y, d.Y);
    EXPECT_NEAR(presqueX.X, 0.3f - 2.0f * (0.3f * 0.99995f + 0.4f * 0.005f), 1e-6f);
    EXPECT_EQ(presqueX.Z, 0.0f);

    // Just past the threshold the correction tilts with the normal.
    const Vecteur incline = d * Vecteur(std::cos(0.02f), std::sin(0.02f), 0);
    EXPECT_LT(incline.Y, d.Y - 0.01f);
}

TEST(Vecteur, CachedLengthTravelsOnlyByCopyAndReflection) {
    EXPECT_EQ(Vecteur().norme, -1.0f);
    EXPECT_EQ(Vecteur(1, 2, 3).norme, -1.0f);

    Vecteur vitesse(0.3f, 0.4f, 0);
    vitesse.norme = 0.5f;
    EXPECT_EQ(Vecteur(vitesse).norme, 0.5f);
    EXPECT_EQ((vitesse * Vecteur(0, 1, 0)).norme, 0.5f);
    EXPECT_EQ((vitesse * Vecteur(0.6f, 0.8f, 0)).norme, 0.5f);
    EXPECT_EQ((vitesse + vitesse).norme, -1.0f);
    EXPECT_EQ((vitesse - vitesse).norme, -1.0f);

    Vecteur cible(9, 9, 9);
    cible.norme = 2.0f;
    cible = vitesse;
    attendreVecteur(cible, 0.3f, 0.4f, 0);
    EXPECT_EQ(cible.norme, 2.0f);
}

TEST(Item, BuiltFromTwoCoordinatesLiesInThePlaneAndNeverCachesALength) {
    Point plan(2.0f, 3.0f, 0, 0, 0);
    attendreVecteur(*plan.getPosition(), 2, 3, 0);

    Vecteur ailleurs(1, 2, 4);
    ailleurs.norme = 5.0f;
    Point point(ailleurs, 0, 0, 0);
    attendreVecteur(*point.getPosition(), 1, 2, 4);
    EXPECT_EQ(point.getPosition()->norme, -1.0f);
}

TEST(Matrice, RotationTurnsLikeGlRotateAboutTheNormalisedAxis) {
    // Counter-clockwise seen from the axis' tip, stored column by column.
    const Matrice quartZ = Matrice::rotation(90, 0, 0, 1);
    attendreVecteur(appliquer(quartZ, 1, 0, 0), 0, 1, 0);
    EXPECT_NEAR(quartZ.m[1], 1.0f, 1e-6f);
    attendreMatrice(Matrice::rotation(90, 0, 0, 5), quartZ);
    attendreVecteur(appliquer(Matrice::rotation(120, 1, 1, 1), 1, 0, 0), 0, 1, 0);
    attendreMatrice(Matrice::rotation(0, 2, 3, 1), Matrice::identite());
}

TEST(Matrice, ProductAppliesTheRightOperandFirst) {
    const Matrice quartX = Matrice::rotation(90, 1, 0, 0);
    const Matrice quartZ = Matrice::rotation(90, 0, 0, 1);
    // Y goes to Z about X, and Z stays put about Z.
    attendreVecteur(appliquer(quartZ * quartX, 0, 1, 0), 0, 0, 1);
    attendreVecteur(appliquer(quartX * quartZ, 0, 1, 0), -1, 0, 0);
    attendreMatrice(Matrice::identite() * quartX, quartX);

    Matrice orientation = Matrice::rotation(30, 1, 2, 3);
    orientation.tourner(Matrice::rotation(60, 1, 2, 3));
    attendreMatrice(orientation, Matrice::rotation(90, 1, 2, 3));
}

TEST(Matrice, RandomSpinDrawsAxisYThenAxisXThenAngle) {
    std::srand(1234);
    const float u = (std::rand() % 30) / 3.0f;
    const float v = (std::rand() % 30) / 3.0f;
    const float w = (std::rand() % 30) / 3.0f;
    const int suivant = std::rand();
    ASSERT_NE(u, v) << "pick a seed that tells the two axis draws apart";
    std::srand(1234);
    attendreMatrice(Matrice::rotationAleatoire(), Matrice::rotation(w, v, u, 1));
    EXPECT_EQ(std::rand(), suivant);
}
