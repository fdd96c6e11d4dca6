#include "balle.h"
#include "bonus.h"
#include "brique.h"
#include "debris.h"
#include "horloge.h"
#include "joueur.h"
#include "tir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <set>
#include <tuple>
#include <vector>

namespace {

// The next `nombre` draws of rand() after srand(graine), reseeded so that the
// code under test sees the same ones.
std::vector<int> tiragesApres(unsigned graine, int nombre) {
    std::srand(graine);
    std::vector<int> tirages;
    for (int i = 0; i < nombre; ++i) {
        tirages.push_back(std::rand());
    }
    std::srand(graine);
    return tirages;
}

// A seed whose draw at `rang` (from 0) gives a spin angle of 0.
unsigned graineAngleNul(int rang) {
    unsigned graine = 1;
    while (tiragesApres(graine, rang + 1)[rang] % 30 != 0) {
        ++graine;
    }
    std::srand(graine);
    return graine;
}

Uint32 instantTest = 0;
Uint32 lireInstantTest() {
    return instantTest;
}

// Drives the game's clock for one test and gives it back whatever happens.
struct HorlogeDeTest {
    HorlogeDeTest() { horloge::remplacerSource(lireInstantTest); }
    ~HorlogeDeTest() { horloge::remplacerSource(nullptr); }
};

float scalaire(const Vecteur& a, const Vecteur& b) {
    return a.X * b.X + a.Y * b.Y + a.Z * b.Z;
}

Vecteur vectoriel(const Vecteur& a, const Vecteur& b) {
    return Vecteur(a.Y * b.Z - a.Z * b.Y, a.Z * b.X - a.X * b.Z, a.X * b.Y - a.Y * b.X);
}

Vecteur sommet(const Face& face, int i) {
    const float* s = face.sommets[i % face.nbSommets];
    return Vecteur(s[0], s[1], s[2]);
}

// Each face flat and convex, counter-clockwise about its normal, which points
// away from the centre and within 25 degrees of the face's true normal (the
// bevels' integer normals are only close); all faces together close the solid.
template <std::size_t N> void attendreSolideFerme(const std::array<Face, N>& faces) {
    Vecteur aireTotale(0, 0, 0);
    for (std::size_t f = 0; f < N; ++f) {
        SCOPED_TRACE(testing::Message() << "face " << f);
        const Face& face = faces[f];
        const Vecteur normale(face.normale[0], face.normale[1], face.normale[2]);
        const Vecteur vraie =
            vectoriel(sommet(face, 1) - sommet(face, 0), sommet(face, 2) - sommet(face, 1));
        EXPECT_GT(scalaire(vraie, normale),
                  0.9f * std::sqrt(scalaire(vraie, vraie) * scalaire(normale, normale)));
        for (int i = 0; i < face.nbSommets; ++i) {
            const Vecteur a = sommet(face, i);
            const Vecteur b = sommet(face, i + 1);
            const Vecteur virage = vectoriel(b - a, sommet(face, i + 2) - b);
            const Vecteur ecart = vectoriel(virage, vraie);
            EXPECT_GT(scalaire(virage, vraie), 0.0f);
            EXPECT_NEAR(scalaire(ecart, ecart), 0.0f, 1e-10f);
            EXPECT_GT(scalaire(a, normale), 0.0f);
            aireTotale = aireTotale + vectoriel(a, b);
        }
    }
    EXPECT_NEAR(aireTotale.X, 0.0f, 1e-5f);
    EXPECT_NEAR(aireTotale.Y, 0.0f, 1e-5f);
    EXPECT_NEAR(aireTotale.Z, 0.0f, 1e-5f);
}

// Orthonormal columns and a determinant of +1, within 1e-4.
void attendreRotation(const Matrice& m) {
    const Vecteur x(m.m[0], m.m[1], m.m[2]);
    const Vecteur y(m.m[4], m.m[5], m.m[6]);
    const Vecteur z(m.m[8], m.m[9], m.m[10]);
    EXPECT_NEAR(scalaire(x, x), 1.0f, 1e-4f);
    EXPECT_NEAR(scalaire(y, y), 1.0f, 1e-4f);
    EXPECT_NEAR(scalaire(x, y), 0.0f, 1e-4f);
    EXPECT_NEAR(scalaire(vectoriel(x, y), z), 1.0f, 1e-4f);
}

void attendreIdentite(const Matrice& m) {
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(m.m[i], Matrice::identite().m[i]) << "element " << i;
    }
}

void attendreXY(const Vecteur& v, float x, float y) {
    EXPECT_NEAR(v.X, x, 1e-5f);
    EXPECT_NEAR(v.Y, y, 1e-5f);
}

void attendreCouleur(Couleur c, int r, int v, int b) {
    EXPECT_EQ(c.r, r);
    EXPECT_EQ(c.v, v);
    EXPECT_EQ(c.b, b);
}

} // namespace

TEST(Balle, LaunchAngleComesFromTheDrawAndIsNeverVertical) {
    Joueur J(1);
    const int nombre = 100;
    const std::vector<int> tirages = tiragesApres(77, nombre + 1);
    for (int i = 0; i < nombre; ++i) {
        const Vecteur v = Balle(&J, 0.0f, -34.0f, true).getVitesse();
        EXPECT_NEAR(std::atan2(v.X, v.Y), (tirages[i] % 15 - 7.5) / 10.0, 1e-6);
        EXPECT_NE(v.X, 0.0f);
        EXPECT_GT(v.Y, 0.0f);
        EXPECT_NEAR(std::hypot(v.X, v.Y), 0.5f, 1e-6f);
        EXPECT_EQ(v.norme, 0.5f);
    }
    // One draw per ball, no more.
    EXPECT_EQ(std::rand(), tirages[nombre]);
}

TEST(Balle, HeldBallFollowsThePaddleAndLaunchingKeepsItsVelocity) {
    Joueur J(1);
    Balle tenue(&J, 0.0f, -34.0f, true);
    const Vecteur vitesse = tenue.getVitesse();
    EXPECT_TRUE(tenue.isHooked());
    tenue.suivreBatte(1);
    EXPECT_EQ(tenue.getPosition()->X, 1.0f);
    tenue.suivreBatte(-1);
    tenue.suivreBatte(-5);
    tenue.suivreBatte(0);
    EXPECT_EQ(tenue.getPosition()->X, -1.0f);
    tenue.lancer();
    EXPECT_FALSE(tenue.isHooked());
    attendreXY(tenue.getVitesse(), vitesse.X, vitesse.Y);

    Balle libre(&J, 3.0f, 4.0f, false);
    const Vecteur vitesseLibre = libre.getVitesse();
    libre.lancer();
    EXPECT_FALSE(libre.isHooked());
    attendreXY(libre.getVitesse(), vitesseLibre.X, vitesseLibre.Y);
    attendreXY(*libre.getPosition(), 3.0f, 4.0f);
}

TEST(Balle, MovesFlipsAndBouncesOneAxisAtATimeKeepingTheSpeed) {
    Joueur J(2);
    Balle balle(&J, 5.0f, -20.0f, false);
    balle.rebondBatte(0.785f);
    attendreXY(balle.getVitesse(), 0.35341f, 0.35369f);
    const Vecteur v = balle.getVitesse();
    const Vecteur& p = *balle.getPosition();
    balle.deplacer();
    attendreXY(p, 5.0f + v.X, -20.0f + v.Y);
    balle.undoDeplacer();
    attendreXY(p, 5.0f, -20.0f);
    balle.avanceX();
    attendreXY(p, 5.0f + v.X, -20.0f);
    balle.reculeX();
    balle.avanceY();
    attendreXY(p, 5.0f, -20.0f + v.Y);
    balle.reculeY();
    attendreXY(p, 5.0f, -20.0f);

    EXPECT_FALSE(balle.isGoingDown());
    balle.rebondX();
    balle.rebondY();
    attendreXY(balle.getVitesse(), -v.X, -v.Y);
    EXPECT_TRUE(balle.isGoingDown());
    balle.rebondBatte(-0.785f);
    attendreXY(balle.getVitesse(), -0.35341f, 0.35369f);
    balle.collision(Vecteur(0.6f, 0.8f, 0.0f));
    EXPECT_EQ(balle.getVitesse().norme, 0.5f);
    balle.rebondBatte(0.0f);
    attendreXY(balle.getVitesse(), 0.0f, 0.5f);
    balle.rebondX();
    EXPECT_TRUE(std::signbit(balle.getVitesse().X));
}

TEST(Balle, GrowsTwoStepsOnlyAndPiercingIsForGood) {
    Joueur J(1);
    Balle balle(&J, 0.0f, 0.0f, true);
    const struct {
        int indice;
        float rayon;
    } tailles[] = {{1, 0.8f}, {2, 1.0f}, {3, 1.2f}, {3, 1.2f}};
    for (const auto& t : tailles) {
        EXPECT_EQ(balle.getIRayon(), t.indice);
        EXPECT_FLOAT_EQ(balle.getRayon(), t.rayon);
        balle.agrandir();
    }
    EXPECT_FALSE(balle.isTraversante());
    balle.setTraversante();
    balle.setTraversante();
    EXPECT_TRUE(balle.isTraversante());
}

TEST(Brique, DamageReportsOnlyTheBreakingHit) {
    Brique faible(1, 0.0f, 0.0f);
    EXPECT_TRUE(faible.faireDegats(1));
    EXPECT_TRUE(faible.isDestroyable());
    EXPECT_FALSE(faible.faireDegats(1));
    EXPECT_EQ(faible.getPtsVie(), 0);

    Brique forte(5, 0.0f, 0.0f);
    EXPECT_FALSE(forte.faireDegats(3));
    EXPECT_TRUE(forte.faireDegats(3));
    EXPECT_EQ(forte.getPtsVie(), -1);

    Brique incassable(-1, 0.0f, 0.0f);
    EXPECT_FALSE(incassable.isDestroyable());
    EXPECT_FALSE(incassable.faireDegats(1));
    EXPECT_EQ(incassable.getPtsVie(), -1);
}

TEST(Brique, ColourShowsTheHitPointsWrappedToEightBits) {
    const struct {
        int points;
        int r, v, b;
    } cas[] = {{1, 225, 70, 148},   {2, 210, 90, 146},  {3, 195, 110, 144},  {4, 180, 130, 142},
               {5, 165, 150, 140},  {6, 150, 170, 138}, {7, 135, 190, 136},  {8, 120, 210, 134},
               {9, 105, 230, 132},  {10, 90, 250, 130}, {-1, 200, 200, 200}, {0, 240, 50, 150},
               {20, 196, 194, 110}, {-2, 14, 10, 154}};
    for (const auto& c : cas) {
        SCOPED_TRACE(testing::Message() << c.points << " points");
        attendreCouleur(Brique::couleurPourPoints(c.points), c.r, c.v, c.b);
    }
}

TEST(Faces, BrickAndCapsuleAreClosedAndWoundCounterClockwiseFromOutside) {
    attendreSolideFerme(Brique::faces());
    attendreSolideFerme(Bonus::faces());

    // The bevelled brick: 18 quadrilaterals, then 8 triangles, on 24 corners.
    std::set<std::tuple<float, float, float>> coins;
    for (int f = 0; f < Brique::nbFaces; ++f) {
        const Face& face = Brique::faces()[f];
        EXPECT_EQ(face.nbSommets, f < Brique::nbQuadrilateres ? 4 : 3) << "face " << f;
        for (int i = 0; i < face.nbSommets; ++i) {
            coins.insert({face.sommets[i][0], face.sommets[i][1], face.sommets[i][2]});
        }
    }
    EXPECT_EQ(coins.size(), 24u);
}

TEST(Tir, FliesStraightAlongYAtItsSpeed) {
    Joueur J(1);
    Tir montant(&J, 3.0f, -35.0f, false);
    Tir descendant(&J, -3.0f, 0.0f, true);
    for (int frame = 0; frame < 10; ++frame) {
        montant.deplacer();
        descendant.deplacer();
    }
    attendreXY(*montant.getPosition(), 3.0f, -26.0f);
    attendreXY(*descendant.getPosition(), -3.0f, -9.0f);
}

TEST(Bonus, DriftsOneWayAndKeepsItsTypeAndBox) {
    Bonus chute(4.0f, 10.0f, BONUS_ARME, -1);
    Bonus montee(4.0f, 10.0f, BONUS_LIFE, 0);
    for (int frame = 0; frame < 5; ++frame) {
        chute.deplacer();
        montee.deplacer();
    }
    attendreXY(*chute.getPosition(), 4.0f, 9.0f);
    attendreXY(*montee.getPosition(), 4.0f, 11.0f);
    EXPECT_EQ(chute.getType(), BONUS_ARME);
    EXPECT_EQ(chute.getBoiteCol()->lX, 2.0f);
    EXPECT_EQ(chute.getBoiteCol()->lY, 2.0f);
}

TEST(Spin, AZeroAngleDrawLeavesCapsuleAndDebrisUnturned) {
    // The angle is the third spin draw: the capsule's third, the debris'
    // eighth when its colour is given.
    graineAngleNul(2);
    Bonus bonus(0.0f, 0.0f, BONUS_LIFE, -1);
    graineAngleNul(7);
    Debris debris(Vecteur(0, 0, 0), 0, 0, 1);
    for (int frame = 0; frame < 50; ++frame) {
        bonus.deplacer();
        debris.deplacer();
    }
    attendreIdentite(bonus.getOrientation());
    attendreIdentite(debris.getOrientation());
}

TEST(Spin, OrientationStaysARotationAfter100000Frames) {
    std::srand(5);
    Bonus bonus(0.0f, 0.0f, BONUS_LIFE, -1);
    Debris debris(Vecteur(0, 0, 0), 0, 0, 0);
    for (int frame = 0; frame < 100000; ++frame) {
        bonus.deplacer();
        debris.deplacer();
    }
    attendreRotation(bonus.getOrientation());
    attendreRotation(debris.getOrientation());
}

TEST(Debris, DrawsSpeedSizeColourThenSpinInOrder) {
    const std::vector<int> t = tiragesApres(99, 12);
    const Debris noir(Vecteur(1, 2, 3), 0, 0, 0);
    EXPECT_EQ(std::rand(), t[11]);
    const Vecteur& v = noir.getVitesse();
    EXPECT_FLOAT_EQ(v.X, (t[0] % 15 - 7.5) / 10.0);
    EXPECT_FLOAT_EQ(v.Y, (t[1] % 15 - 7.5) / 10.0);
    EXPECT_FLOAT_EQ(v.Z, (t[2] % 15 - 7.5) / 10.0);
    EXPECT_FLOAT_EQ(noir.getBoiteCol()->lX, (t[3] % 20) / 18.0);
    EXPECT_FLOAT_EQ(noir.getBoiteCol()->lY, (t[4] % 20) / 20.0);
    attendreCouleur(noir.getCouleur(), t[5] % 256, t[6] % 256, t[7] % 256);
    EXPECT_EQ(noir.getPosition()->Z, 3.0f);

    // A colour asked for is kept and draws nothing.
    std::srand(99);
    const Debris bleu(Vecteur(1, 2, 3), 0, 0, 1);
    EXPECT_EQ(std::rand(), t[8]);
    attendreCouleur(bleu.getCouleur(), 0, 0, 1);
}

TEST(Debris, FallsUnderGravityAndBouncesOffTheSideWalls) {
    Debris droite(Vecteur(39.8f, 0.0f, 0.0f), 0, 255, 0);
    droite.setVitesse(Vecteur(0.5f, 0.0f, 0.0f));
    droite.deplacer();
    attendreXY(*droite.getPosition(), 40.3f, -0.02f);
    attendreXY(droite.getVitesse(), -0.5f, -0.02f);
    for (int frame = 1; frame < 10; ++frame) {
        droite.deplacer();
    }
    attendreXY(droite.getVitesse(), -0.5f, -0.2f);
    EXPECT_NEAR(droite.getPosition()->Y, -1.1f, 1e-5f);

    // Reaching a wall exactly counts, on either side; short of it nothing turns.
    const struct {
        float depart;
        float vitesse;
        float vitesseApres;
    } cas[] = {{39.5f, 0.5f, -0.5f}, {-39.5f, -0.5f, 0.5f}, {39.0f, 0.5f, 0.5f}};
    for (const auto& c : cas) {
        Debris debris(Vecteur(c.depart, 0.0f, 0.0f), 255, 0, 0);
        debris.setVitesse(Vecteur(c.vitesse, 0.0f, 0.0f));
        debris.deplacer();
        EXPECT_EQ(debris.getVitesse().X, c.vitesseApres) << "from " << c.depart;
    }

    // Born on the wall of a paddle that sticks out, it comes back in.
    Debris ne(Vecteur(40.0f, -35.0f, 0.0f), 0, 255, 0);
    ne.setVitesse(Vecteur(0.05f, 0.0f, 0.0f));
    for (int frame = 0; frame < 5; ++frame) {
        ne.deplacer();
    }
    EXPECT_NEAR(ne.getPosition()->X, 39.85f, 1e-5f);
}

TEST(Debris, ExpiresOneMillisecondAfterItsLifetimeEvenAcrossClockWrap) {
    const HorlogeDeTest horlogeDeTest;
    for (const Uint32 naissance : {Uint32(5000), Uint32(0xFFFFFF00)}) {
        instantTest = naissance;
        const Debris debris(Vecteur(0, 0, 0), 1, 1, 1);
        instantTest = naissance + 100000;
        EXPECT_FALSE(debris.isTooOld()) << "born at " << naissance;
        instantTest = naissance + 100001;
        EXPECT_TRUE(debris.isTooOld()) << "born at " << naissance;
    }
}
