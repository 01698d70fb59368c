// Floor tiles, the detail floor, town objects, plants and the border on the recording device.
#include "framework/services_townview.h"
#include "szene_test_fixture.h"
#include "townview/szene_hilfen.h"

namespace {

using gfx::RenderState;

class BodenTest : public SzeneTest {};

TEST_F(BodenTest, TileWithAndWithoutOverlay)
{
    BodenKarte[10][10] = {4, 0, 1.5f, 0};
    BodenKarte[11][10] = {5, 20, 0.5f, 3.0f};
    Szene.ZeichneBodenTile(10, 10, 0);
    auto d = dev->Draws();
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0]->handle, Mesh(9003));
    EXPECT_EQ(d[0]->state.texture, Boden(4));
    EXPECT_TRUE(GleicheMatrix(d[0]->state.Get(gfx::TransformType::World),
                              math3d::Multiply(math3d::RotationY(1.5f), math3d::Translation(300, 0, 300))));

    dev->ClearCalls();
    Szene.ZeichneBodenTile(11, 10, 0);
    d = dev->Draws();
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(d[0]->state.texture, Boden(5));
    EXPECT_EQ(State(d[0], RenderState::AlphaBlendEnable), 0u);
    EXPECT_EQ(d[1]->state.texture, Boden(20));
    EXPECT_EQ(State(d[1], RenderState::AlphaBlendEnable), 1u);
    EXPECT_EQ(State(d[1], RenderState::AlphaTestEnable), 1u);
    EXPECT_TRUE(GleicheMatrix(d[1]->state.Get(gfx::TransformType::World),
                              math3d::Multiply(math3d::RotationY(3.0f), math3d::Translation(330, 0, 300))));
    EXPECT_EQ(dev->State().Get(RenderState::AlphaBlendEnable), 0u) << "blending is off again after the overlay";

    // Only the overlay (the detail floor's call), and textures a file could name beyond the table.
    dev->ClearCalls();
    Szene.ZeichneBodenTile(11, 10, 1);
    ASSERT_EQ(dev->Draws().size(), 1u);
    EXPECT_EQ(dev->Draws()[0]->state.texture, Boden(20));
    BodenKarte[12][10] = {1500, -7, 0, 0};
    BodenKarte[13][10] = {-2, 0, 0, 0};
    dev->ClearCalls();
    Szene.ZeichneBodenTile(12, 10, 0);
    Szene.ZeichneBodenTile(13, 10, 0);
    Szene.ZeichneBodenTile(40, 0, 0);
    EXPECT_TRUE(dev->Draws().empty());
}

TEST_F(BodenTest, FloorPassDrawsTheTilesInViewWithoutDepth)
{
    for (auto& zeile : BodenKarte)
        for (BodenTile& t : zeile) t.BasisTextur = 1;
    Szene.ZeichneBoden();
    const auto d = dev->Draws();
    ASSERT_GT(d.size(), 10u);
    EXPECT_LT(d.size(), 200u) << "tiles out of view are culled";
    for (const gfx::Call* c : d) {
        EXPECT_EQ(State(c, RenderState::ZEnable), 0u);
        EXPECT_EQ(State(c, RenderState::Lighting), 1u);
        const float x = c->state.Get(gfx::TransformType::World).m[3][0], z = c->state.Get(gfx::TransformType::World).m[3][2];
        EXPECT_LT(std::fabs(x - 300), 300.0f);
        EXPECT_LT(std::fabs(z - 300), 300.0f);
    }
}

TEST_F(BodenTest, DetailSetByTownTutorialAndSpecialPlace)
{
    struct Fall {
        int stadt, tutorial, sonderOrt, satz;
    };
    const Fall faelle[] = {{0, 0, 0, 208}, {1, 0, 0, 226},  {3, 0, 0, 230},  {4, 0, 0, 237},  {15, 0, 0, 237},
                           {16, 0, 0, 237}, {10, 0, 0, 241}, {14, 0, 0, 241}, {19, 0, 0, 208}, {1, 5, 0, 208},
                           {3, 99, 0, 208}, {1, 5, 1, 237},  {0, 0, 1, 237}};
    for (const Fall& f : faelle) {
        AktuelleStadt = f.stadt;
        TutorialSchritt = uint8_t(f.tutorial);
        SonderOrt = uint8_t(f.sonderOrt);
        EXPECT_EQ(DetailTexturSatz(), f.satz) << "town " << f.stadt << " tutorial " << f.tutorial;
    }
    AktuelleStadt = 1;
    TutorialSchritt = 0;
    SonderOrt = 0;
    BodenKarte[20][0] = {1, 20, 0, 0};
    BodenKarte[19][0] = {1, 20, 0, 0};
    ZeichneDetailBoden();
    const auto d = dev->Draws();
    ASSERT_EQ(d.size(), 6u);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(d[k]->handle, Mesh(9007));
        EXPECT_EQ(d[k]->state.texture, Tex(226 + k));
    }
    EXPECT_EQ(d[4]->state.texture, Boden(20)) << "only the overlays of the entrance tiles";
    EXPECT_EQ(d[5]->state.texture, Boden(20));
}

TEST_F(BodenTest, ObjectsInArrayOrderCulledAtSixty)
{
    auto objekt = [](int k, float x, float z, int modell) {
        ObjektRecord& o = StadtObjekte[k];
        o.Aktiv = 1;
        o.Position[0] = x;
        o.Position[2] = z;
        o.Modell = modell;
        o.Drehung[1] = 0.5f;
    };
    objekt(0, 310, 300, 3001);
    objekt(1, 290, 310, 3002);
    objekt(2, 300, 300, 0);       // an empty slot
    objekt(3, 300, 300, 20000);   // beyond the table
    objekt(4, 5000, 5000, 3003);  // far out of view
    objekt(5, 300, 300, 3004);
    StadtObjekte[5].Aktiv = 0;
    Szene.ZeichneStadtObjekte();
    const auto d = dev->Draws();
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(d[0]->handle, Mesh(3001));
    EXPECT_EQ(d[0]->state.texture, ErsteTex(3001));
    EXPECT_EQ(d[1]->handle, Mesh(3002));
    EXPECT_EQ(State(d[0], RenderState::ZEnable), 1u);
    EXPECT_EQ(State(d[0], RenderState::AlphaBlendEnable), 1u);
    EXPECT_TRUE(GleicheMatrix(d[0]->state.Get(gfx::TransformType::World),
                              math3d::Multiply(math3d::RotationY(0.5f), math3d::Translation(310, 0, 300))));
    EXPECT_TRUE(GleicheMatrix(d[0]->state.Get(gfx::TransformType::View),
                              math3d::LookAtLH({300, 300, 150}, {300, 0, 300}, {0, 1, 0})));
}

TEST_F(BodenTest, PlantsSwayInViewAndFreezeOutOfItOrSwitchedOff)
{
    ObjektRecord& nah = VegetationObjekte[0];
    nah = {1, {}, {300, 0, 300}, {0, 0.7f, 0}, 1.0f, 3005};
    ObjektRecord& fern = VegetationObjekte[1];
    fern = {1, {}, {2000, 0, 2000}, {0, 0, 0}, 1.0f, 3005};
    Szene.ZeichneVegetation();
    EXPECT_FLOAT_EQ(nah.Drehung[2], std::sin(1.0f) / 10);
    EXPECT_FLOAT_EQ(nah.Drehung[0], std::sin(1.0f) / 15);
    EXPECT_FLOAT_EQ(nah.Drehung[1], 0.7f);
    EXPECT_FLOAT_EQ(nah.Phase, 1.04f);
    EXPECT_FLOAT_EQ(fern.Phase, 1.0f) << "a plant out of view stands still";
    ASSERT_EQ(dev->Draws().size(), 1u);

    SetupWerte.VEGETATION = 0;
    dev->ClearCalls();
    Szene.ZeichneVegetation();
    EXPECT_TRUE(dev->Draws().empty());
    EXPECT_FLOAT_EQ(nah.Phase, 1.04f);
}

// Plants of one model under the same lights are one draw; a later plant joins an earlier draw only
// where no draw between them covers its pixels, so blending sees the plants in their order wherever
// they overlap. A plant whose size is not known overlaps everything.
TEST_F(BodenTest, PlantsOfOneModelAreOneDrawUnlessAPlantBetweenCoversThem)
{
    for (int s : {3005, 3006}) MyApp.MeshBoxen[s] = {{-2, 0, -2}, {2, 8, 2}, true};
    struct Fall {
        const char* name;
        float dritterX;                        // the third plant, model 3005 like the first
        std::vector<std::pair<int, int>> zuege;  // model and plants of each draw, in order
    };
    const Fall faelle[] = {
        {"apart from the second: joins the first", 240, {{3005, 2}, {3006, 1}}},
        {"on the second: after it", 301, {{3005, 1}, {3006, 1}, {3005, 1}}},
    };
    for (const Fall& f : faelle) {
        VegetationObjekte[0] = {1, {}, {360, 0, 300}, {}, 0, 3005};
        VegetationObjekte[1] = {1, {}, {300, 0, 300}, {}, 0, 3006};
        VegetationObjekte[2] = {1, {}, {f.dritterX, 0, 300}, {}, 0, 3005};
        dev->ClearCalls();
        Szene.ZeichneVegetation();
        const auto d = dev->Draws();
        std::vector<std::pair<int, int>> zuege;
        for (size_t i = 0; i < d.size(); i += std::max(1u, d[i]->batch))
            zuege.push_back({int(d[i]->handle - Mesh(0)), int(d[i]->batch)});
        EXPECT_EQ(zuege, f.zuege) << f.name;
    }
    MyApp.MeshBoxen[3006] = {};
    VegetationObjekte[2].Position[0] = 240;
    dev->ClearCalls();
    Szene.ZeichneVegetation();
    ASSERT_EQ(dev->Draws().size(), 3u);
    EXPECT_EQ(dev->Draws()[2]->handle, Mesh(3005)) << "unknown size: the third plant stays after the second";
    for (int s : {3005, 3006}) MyApp.MeshBoxen[s] = {};
}

// After hours in view a plant keeps swaying as it did at the start: the phase never grows to where
// a step of 0.04 is lost in the float's rounding, and the sway goes on without a jump.
TEST_F(BodenTest, PlantsKeepSwayingAfterHours)
{
    ObjektRecord& p = VegetationObjekte[0];
    for (const float start : {1000.0f, 12867.9f, 1048576.0f, 16000001.0f}) {
        p = {1, {}, {300, 0, 300}, {0, 0.7f, 0}, start, 3005};
        float vorher = std::sin(start);
        for (int k = 0; k < 60; ++k) {
            const float phase = p.Phase;
            Szene.ZeichneVegetation();
            EXPECT_GE(p.Phase, 0.0f) << start;
            EXPECT_LT(p.Phase, 13000.0f) << start;
            const float jetzt = std::sin(p.Phase);
            if (k > 0) {
                EXPECT_NEAR(jetzt, std::sin(phase + 0.04f), 2e-3f) << start << " " << k;
            }
            EXPECT_NE(jetzt, vorher) << start << " " << k;
            vorher = jetzt;
        }
    }
    // Below where it is taken back, the phase runs exactly as a plain sum of 0.04 steps.
    p = {1, {}, {300, 0, 300}, {0, 0.7f, 0}, 12000.0f, 3005};
    float summe = 12000.0f;
    for (int k = 0; k < 500; ++k) {
        Szene.ZeichneVegetation();
        summe += 0.04f;
    }
    EXPECT_EQ(p.Phase, summe);
}

TEST_F(BodenTest, BorderCornersThenStepsInView)
{
    VonOben(0, 0);
    dev->ClearCalls();
    Szene.ZeichneRand();
    const auto d = dev->Draws();
    ASSERT_GT(d.size(), 4u);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(d[k]->state.texture, Boden(17));
        EXPECT_EQ(State(d[k], RenderState::AlphaBlendEnable), 1u);
    }
    // After the corners, steps of three tiles: the band opaque, then two fading edges.
    ASSERT_EQ((d.size() - 4) % 3, 0u);
    EXPECT_LT(d.size(), 4u + 3u * 168u) << "steps out of view are culled";
    for (size_t k = 4; k < d.size(); k += 3) {
        EXPECT_EQ(d[k]->state.texture, Boden(21));
        EXPECT_EQ(State(d[k], RenderState::AlphaBlendEnable), 0u);
        EXPECT_EQ(d[k + 1]->state.texture, Boden(15));
        EXPECT_EQ(d[k + 2]->state.texture, Boden(15));
        EXPECT_EQ(State(d[k + 1], RenderState::AlphaBlendEnable), 1u);
    }
    // The first step of the z = 0 side (s = -1): band at (-30, -30), inner edge at (-30, 0) turned pi.
    EXPECT_FLOAT_EQ(d[4]->state.Get(gfx::TransformType::World).m[3][0], -30);
    EXPECT_FLOAT_EQ(d[4]->state.Get(gfx::TransformType::World).m[3][2], -30);
    EXPECT_TRUE(GleicheMatrix(d[5]->state.Get(gfx::TransformType::World),
                              math3d::Multiply(math3d::RotationY(3.14159265f), math3d::Translation(-30, 0, 0))));
}

}  // namespace
