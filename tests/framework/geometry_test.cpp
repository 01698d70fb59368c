#include "framework/geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "framework/camera.h"

using math3d::Vec3;

TEST(Geometrie, HeadingsBetweenMapPoints)
{
    struct Fall {
        float x2, y2, grad;
    };
    // The game's factor 57.29747 instead of 180/pi shifts the angles by a hair.
    const float f = 57.29747f / 57.29578f;
    const Fall faelle[] = {{0, 5, 90.0f}, {0, -5, 270.0f}, {-1, 0, 180.0f}, {1, -1, 360.0f - 45.0f * f},
                           {1, 1, 45.0f * f}, {0, 0, 90.0f}};
    for (const Fall& c : faelle) EXPECT_NEAR(BerechneWinkel(0, 0, c.x2, c.y2), c.grad, 1e-3f) << c.x2 << "," << c.y2;
}

TEST(Geometrie, HeadingsStayBelow360)
{
    // Just below the x axis the angle is a hair under 0, which 360 + angle cannot hold.
    for (float dy : {-1e-7f, -1e-6f, -1e-5f}) {
        const float a = BerechneWinkel(0, 0, 1, dy);
        EXPECT_GE(a, 0.0f) << dy;
        EXPECT_LT(a, 360.0f) << dy;
    }
}

TEST(Geometrie, VectorsOfLengthZeroStayDefined)
{
    Vec3 out{1, 2, 3};
    NormiereVektor(out, {0, 0, 0});
    EXPECT_EQ(out.x, 0.0f);
    EXPECT_EQ(out.y, 0.0f);
    EXPECT_EQ(out.z, 0.0f);
    EXPECT_EQ(VektorWinkel({0, 0, 0}, {1, 0, 0}), 0.0f);
}

TEST(Geometrie, RayHitsOnlyTheFrontOfATriangle)
{
    const Vec3 c0{0, 0, 0}, c1{0, 1, 0}, c2{1, 0, 0};  // front faces -z
    float t = 0;
    for (uint8_t cull : {0, 1}) {
        EXPECT_TRUE(SchneideStrahlDreieck({0.2f, 0.2f, -5}, {0, 0, 1}, cull, c0, c1, c2, &t));
        EXPECT_FLOAT_EQ(t, 5.0f);
        EXPECT_FALSE(SchneideStrahlDreieck({0.2f, 0.2f, 5}, {0, 0, -1}, cull, c0, c1, c2, nullptr));
        EXPECT_FALSE(SchneideStrahlDreieck({2, 2, -5}, {0, 0, 1}, cull, c0, c1, c2, nullptr));
    }
}

TEST(Geometrie, SegmentsAgainstPolygons)
{
    const Vec3 quadrat[4] = {{-1, -1, 0}, {1, -1, 0}, {1, 1, 0}, {-1, 1, 0}};
    const Vec3 durch[2] = {{0, 0, -1}, {0, 0, 1}};
    const Vec3 daneben[2] = {{3, 0, -1}, {3, 0, 1}};
    const Vec3 inEbene[2] = {{-2, 0, 0}, {2, 0, 0}};
    EXPECT_TRUE(StreckeTrifftDreieck(quadrat, durch, 4));
    EXPECT_FALSE(StreckeTrifftDreieck(quadrat, daneben, 4));
    EXPECT_FALSE(StreckeTrifftDreieck(quadrat, inEbene, 4));
    EXPECT_TRUE(PunktInVieleck({0, 0, 0}, quadrat, 4));
    EXPECT_FALSE(PunktInVieleck({3, 0, 0}, quadrat, 4));
}

TEST(Geometrie, InverseAndOrientation)
{
    const math3d::Matrix m = math3d::Multiply(math3d::RotationY(0.7f), math3d::Translation(3, -2, 5));
    math3d::Matrix inv, produkt;
    InvertiereMatrix(m, inv);
    MultipliziereMatrix(produkt, m, inv);
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) EXPECT_NEAR(produkt.m[i][j], i == j ? 1.0f : 0.0f, 1e-5f);

    math3d::Matrix o;
    EXPECT_EQ(RichteMatrixAus(o, {1, 2, 3}, {1, 2, 10}, {0, 1, 0}), 1);
    EXPECT_FLOAT_EQ(o.m[2][2], 1.0f);  // z row points at the target
    EXPECT_FLOAT_EQ(o.m[1][1], 1.0f);
    EXPECT_FLOAT_EQ(o.m[0][0], 1.0f);
    EXPECT_FLOAT_EQ(o.m[3][0], 1.0f);
}

class Projektion : public ::testing::Test {
protected:
    math3d::Matrix view = math3d::LookAtLH({0, 250, 100}, {0, 237, 90}, {0, 1, 0});
    math3d::Matrix proj = math3d::PerspectiveFovLH(0.7853982f, 1.3333334f, 1.0f, 9900.0f);
};

TEST_F(Projektion, MouseRayAndProjectionMeetAgain)
{
    Vec3 o, d;
    BerechneMausStrahl(512, 384, view, proj, o, d);
    Vec3 blick;
    NormiereVektor(blick, {0, -13, -10});
    EXPECT_NEAR(d.x, blick.x, 1e-4f);
    EXPECT_NEAR(d.y, blick.y, 1e-4f);
    EXPECT_NEAR(d.z, blick.z, 1e-4f);
    EXPECT_NEAR(o.y, 250.0f, 1e-3f);

    // A pixel's ray, followed 100 units, projects back onto that pixel (y counted from the bottom).
    BerechneMausStrahl(300, 200, view, proj, o, d);
    const BildschirmPunkt p = ProjiziereAufBildschirm(o.x + 100 * d.x, o.y + 100 * d.y, o.z + 100 * d.z, view, proj);
    EXPECT_TRUE(p.vorAuge);
    EXPECT_NEAR(p.x, 300, 1);
    EXPECT_NEAR(768 - p.y, 200, 1);
}

TEST_F(Projektion, PointsAtOrBehindTheEyeAreReportedNotConverted)
{
    EXPECT_FALSE(ProjiziereAufBildschirm(0, 250, 100, view, proj).vorAuge);   // the eye itself
    EXPECT_FALSE(ProjiziereAufBildschirm(0, 263, 110, view, proj).vorAuge);   // behind it
    EXPECT_TRUE(ProjiziereAufBildschirm(0, 237, 90, view, proj).vorAuge);
}

TEST(Kamera, OperationsMoveAsTheGameMovesThem)
{
    Camera cam;
    cam.Set(0, 250, 100, 0, 237, 90, 0, 1, 0);
    const Camera vorher = cam;
    cam.Orbit(0, 0, 0);
    cam.Rotate(5, 5, 5, 0, 0, 0);
    EXPECT_EQ(std::memcmp(&cam, &vorher, sizeof cam), 0);

    cam.Set(0, 0, 0, 0, 0, 100, 0, 1, 0);
    cam.MoveForward(0.1f);
    EXPECT_FLOAT_EQ(cam.Auge[2], 10.0f);
    EXPECT_FLOAT_EQ(cam.Ziel[2], 110.0f);

    // Orbit's y angle is negated: the target turns the other way than Rotate turns the eye.
    Camera a, b;
    a.Set(0, 0, 0, 0, 0, 10, 0, 1, 0);
    b.Set(0, 0, 10, 0, 0, 0, 0, 1, 0);
    a.Orbit(0, 0.5f, 0);
    b.Rotate(0, 0, 0, 0, 0.5f, 0);
    EXPECT_NEAR(a.Ziel[0], 10 * std::sin(0.5f), 1e-4f);
    EXPECT_NEAR(b.Auge[0], -10 * std::sin(0.5f), 1e-4f);

    cam.Set(0, 0, 0, 0, 0, 10, 0, 1, 0);
    cam.Strafe(1.0f);
    EXPECT_FLOAT_EQ(cam.Auge[0], 10.0f);  // not normalised: grows with the distance
}

TEST(Kamera, FrustumPlanesAndSpheres)
{
    Frustum f;
    f.AusMatrizen(math3d::LookAtLH({0, 0, 0}, {0, 0, 1}, {0, 1, 0}),
                  math3d::PerspectiveFovLH(0.7853982f, 1.3333334f, 1.0f, 9900.0f));
    for (const math3d::Plane& p : f.planes) EXPECT_NEAR(std::sqrt(p.a * p.a + p.b * p.b + p.c * p.c), 1.0f, 1e-5f);
    EXPECT_EQ(f.FrustumKugelSichtbar(0, 0, 50, 0), 1);
    EXPECT_EQ(f.FrustumKugelSichtbar(0, 0, -50, 1), 0);
    // Plane 5 lies just in front of the eye: a sphere at the eye whose signed distance is exactly -r
    // counts as outside, one a little larger as visible.
    const float d = f.planes[5].d;
    ASSERT_LT(d, 0.0f);
    EXPECT_EQ(f.FrustumKugelSichtbar(0, 0, 0, -d), 0);
    EXPECT_EQ(f.FrustumKugelSichtbar(0, 0, 0, -d + 0.001f), 1);
}
