// Rain, cloud shadows, the drifting layers, particles and entrance icons on the recording device.
#include "framework/keyboard.h"
#include "framework/services_townview.h"
#include "platform/keyboard.h"
#include "szene_test_fixture.h"
#include "townview/szene_hilfen.h"
#include "townview/weather.h"
#include "world/sky.h"

namespace {

using gfx::RenderState;

class WetterTest : public SzeneTest {
protected:
    void SetUp() override
    {
        SzeneTest::SetUp();
        for (Regentropfen& t : RegenTropfen) t = {100, 200, 100};
        for (DriftSprite& w : Wolken) w = {100, 0, 100};
    }
};

TEST_F(WetterTest, DropsFallAndStartAgainAboveTheEye)
{
    RegenTropfen[0] = {50, 4, 50};
    SetupWerte.PARTIKEL = 1;
    SetupWerte.CLOUDS = 0;
    Szene.ZeichneWetter();
    EXPECT_FLOAT_EQ(RegenTropfen[0].y, -12.0f);
    EXPECT_EQ(DrawsOf(9009).size(), 300u);
    EXPECT_TRUE(DrawsOf(9005).empty()) << "no splashes with PARTIKEL 1";
    EXPECT_TRUE(DrawsOf(9006).empty()) << "no cloud shadows with CLOUDS 0";
    EXPECT_FLOAT_EQ(DrawsOf(9009)[0]->state.Get(gfx::TransformType::World).m[3][1], -12.0f);

    dev->ClearCalls();
    Szene.ZeichneWetter();
    const Regentropfen& t = RegenTropfen[0];
    EXPECT_FLOAT_EQ(t.y, 300.0f);
    EXPECT_LE(std::fabs(t.x - Cam.Auge[0]), 290.0f);
    EXPECT_LE(std::fabs(t.z - Cam.Auge[2]), 290.0f);
    EXPECT_EQ(std::fmod(t.x - Cam.Auge[0], 10.0f), 0.0f);
}

TEST_F(WetterTest, SplashesGrowAndCloudShadowsWrap)
{
    SetupWerte.PARTIKEL = 2;
    RegenTropfen[0] = {80, 166, 90};  // falls to 150: half way
    Wolken[3] = {1600.5f, 0, 500};
    Szene.ZeichneWetter();
    const auto ringe = DrawsOf(9005);
    ASSERT_EQ(ringe.size(), 300u);
    EXPECT_TRUE(GleicheMatrix(ringe[0]->state.Get(gfx::TransformType::World),
                              math3d::Multiply(math3d::Scaling(0.25f, 1, 0.25f), math3d::Translation(80, 0, 90))));
    EXPECT_EQ(ringe[0]->state.texture, Tex(137));
    const auto wolken = DrawsOf(9006);
    ASSERT_EQ(wolken.size(), 80u);
    EXPECT_EQ(wolken[0]->state.texture, Tex(138));
    EXPECT_EQ(State(wolken[0], RenderState::ZEnable), 0u);
    EXPECT_FLOAT_EQ(Wolken[3].x, -149.0f);
    EXPECT_FLOAT_EQ(Wolken[4].x, 101.0f);
}

TEST_F(WetterTest, FogAndCloudLayersDriftAtTheirOwnSpeed)
{
    DriftSchichtA[0] = {1600.5f, 0, 10};
    DriftSchichtA[1] = {10, 77, 10};
    DriftSchichtB[0] = {1600.5f, 0, 10};
    ZeichneNebelSchicht();
    ZeichneWolkenSchicht();
    const auto d = dev->Draws();
    ASSERT_EQ(d.size(), 80u);
    EXPECT_EQ(d[0]->state.texture, Tex(17));
    EXPECT_EQ(d[40]->state.texture, Tex(20));
    EXPECT_FLOAT_EQ(DriftSchichtA[0].x, -149.0f);
    EXPECT_FLOAT_EQ(DriftSchichtB[0].x, -149.5f);
    EXPECT_FLOAT_EQ(DriftSchichtA[1].x, 11.0f);
    EXPECT_TRUE(GleicheMatrix(d[1]->state.Get(gfx::TransformType::World),
                              math3d::Multiply(math3d::RotationY(1.0f), math3d::Translation(11, 0, 10))))
        << "drawn at height 0, turned by its index";
}

TEST_F(WetterTest, ParticleLimitsByTheSetting)
{
    FigurRecord& feuer = Person(0, 300, 300, 10000);
    FigurRecord& laeufer = Person(1, 320, 300);
    laeufer.Zustand = 2;
    // A save can bring back any number: beyond the slots it means all of them.
    for (int partikel : {1, 2, 3, 1 << 30}) {
        SetupWerte.PARTIKEL = partikel;
        for (PartikelSlot& p : feuer.Partikel) p = {300, 20, 300, 0, {}};  // due to start again
        for (PartikelSlot& p : laeufer.Partikel) p = {320, 0, 300, 0, {}};
        Szene.ZeichneEffekte();
        for (int k = 0; k < 50; ++k) {
            EXPECT_EQ(feuer.Partikel[k].aktiv == 1, k < int64_t(partikel) * 7) << "fire slot " << k;
            EXPECT_EQ(laeufer.Partikel[k].aktiv == 1, k < int64_t(partikel) * 3) << "dust slot " << k;
        }
    }
    SetupWerte.PARTIKEL = 0;
    dev->ClearCalls();
    Szene.ZeichneEffekte();
    EXPECT_TRUE(dev->Calls().empty());
}

TEST_F(WetterTest, MuzzleFlashAndFireRespawn)
{
    FigurRecord& schuetze = Person(0, 300, 300);
    schuetze.Zustand = 11;
    schuetze.AnimBild = 1;
    schuetze.Drehung[1] = 1.5707963f;
    for (PartikelSlot& p : schuetze.Partikel) p = {300, 2, 300, 1, {}};
    FigurRecord& fass = Person(1, 280, 300, 10002);
    fass.Partikel[0] = {0, 24.5f, 0, 0, {}};
    Szene.ZeichneEffekte();
    int aktiv = 0;
    for (const PartikelSlot& p : schuetze.Partikel) aktiv += p.aktiv;
    EXPECT_EQ(aktiv, 1);
    EXPECT_NEAR(schuetze.Partikel[0].x, 311.0f, 1e-3f);
    EXPECT_FLOAT_EQ(schuetze.Partikel[0].y, 15.0f);
    const auto d = DrawsOf(9008);
    ASSERT_GE(d.size(), 1u);
    EXPECT_EQ(d[0]->state.texture, Tex(1));
    EXPECT_EQ(State(d[0], RenderState::ZWriteEnable), 0u);
    // The barrel fire's slot started again at height 5 by the barrel.
    EXPECT_EQ(fass.Partikel[0].aktiv, 1);
    EXPECT_GE(fass.Partikel[0].y, 5.0f);
    EXPECT_LT(fass.Partikel[0].y, 5.7f);
    EXPECT_NEAR(fass.Partikel[0].x, 279.5f, 0.6f);
}

TEST_F(WetterTest, ParticleStraightBelowTheCameraTargetIsLeftOut)
{
    FigurRecord& feuer = Person(0, 300, 300, 10000);
    SetupWerte.PARTIKEL = 1;
    // A flame rising straight below the target: no sideways direction to face the camera by.
    feuer.Partikel[0] = {300, 1, 300, 1, {}};
    feuer.Partikel[1] = {301, 1, 300, 1, {}};
    Cam.Ziel[0] = 300;
    Cam.Ziel[2] = 300;
    ZeichneFigurEffekte(0);
    const auto d = DrawsOf(9008);
    ASSERT_EQ(d.size(), 1u) << "only the flame beside it";
    EXPECT_FLOAT_EQ(d[0]->state.Get(gfx::TransformType::World).m[3][0], 301.0f);
}

TEST_F(WetterTest, EntranceIconsOnlyWhileAltOrShiftIsHeld)
{
    StadtGitter[30][30].Eingang = 2;
    StadtGitter[31][30].Eingang = 7;  // the recruiter shows like the others
    StadtGitter[32][30].Eingang = 8;  // a name only: no icon
    StadtGitter[29][31].Eingang = 6;
    Szene.ZeichneFeldMarker();
    EXPECT_TRUE(dev->Calls().empty());
    TastenStatus[kbd::dik::RShift] = 0x80;
    Szene.ZeichneFeldMarker();
    TastenStatus[kbd::dik::RShift] = 0;
    const auto d = dev->Draws();
    ASSERT_EQ(d.size(), 3u);
    EXPECT_EQ(d[0]->state.texture, Tex(194));
    EXPECT_EQ(d[1]->state.texture, Tex(224));
    EXPECT_EQ(d[2]->state.texture, Tex(263));
    EXPECT_TRUE(GleicheMatrix(dev->State().Get(gfx::TransformType::Projection), MyApp.m_matProj)) << "3D again";
}

}  // namespace
