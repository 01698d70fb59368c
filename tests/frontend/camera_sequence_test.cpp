// The camera sequence's timeline, its sounds, leaving it, and the textures it frees.
#include <cmath>

#include "framework/services_frontend.h"
#include "frontend_fixture.h"

namespace {

class CameraSequenceTest : public FrontendTest {
protected:
    void SetUp() override
    {
        FrontendTest::SetUp();
        const gfx::MeshData quad{{{0, 0, 0, 0, 0, 1, 0, 0}, {1, 0, 0, 0, 0, 1, 1, 0}, {0, 1, 0, 0, 0, 1, 0, 1}},
                                 {0, 1, 2},
                                 {{0, 3}},
                                 {{}}};
        const uint8_t pixel[4] = {1, 2, 3, 4};
        for (int slot : {9014, 9015, 9016}) {
            MyApp.Meshes[slot] = dev->CreateMesh(quad);
            MyApp.MeshTexturen[slot] = {dev->CreateTexture(1, 1, pixel)};
        }
        SpielModus = 12000;
    }

    // The mesh draws of the last frame.
    std::vector<const gfx::Call*> Meshes() const
    {
        std::vector<const gfx::Call*> m;
        for (const gfx::Call* c : dev->Draws())
            if (c->type == gfx::CallType::DrawSubset) m.push_back(c);
        return m;
    }
};

TEST_F(CameraSequenceTest, TimelineOfPictureFootprintsAndSounds)
{
    TonEin({11, 16, 17});
    const gfx::Texture bild = MyApp.Texturen[245];
    const gfx::Texture endBild = MyApp.MeshTexturen[9014][0];
    for (int frame = 1; frame <= 120; ++frame) {
        SCOPED_TRACE(frame);
        dev->ClearCalls();
        KameraSequenz();
        const auto m = Meshes();
        ASSERT_FALSE(m.empty());
        // The picture first: it flies from z -55 to z 10 in 14 frames and rests there.
        EXPECT_EQ(m[0]->handle, MyApp.Meshes[9014]);
        EXPECT_FLOAT_EQ(m[0]->state.Get(gfx::TransformType::World).m[3][2], frame < 14 ? 5.0f * frame - 60 : 10);
        EXPECT_EQ(m[0]->state.texture, frame <= 110 ? bild : endBild);
        // One more footprint every ten frames from frame 30, all seven from frame 90 on.
        const int abdruecke = frame < 30 ? 0 : std::min(7, (frame - 20) / 10);
        EXPECT_EQ(static_cast<int>(m.size()) - 1, abdruecke);
        for (size_t p = 1; p < m.size(); ++p) {
            EXPECT_EQ(m[p]->handle, MyApp.Meshes[9015]);
            EXPECT_EQ(m[p]->state.texture, MyApp.MeshTexturen[p % 2 ? 9015 : 9016][0]);
            EXPECT_FLOAT_EQ(m[p]->state.Get(gfx::TransformType::World).m[3][2], 40);
        }
        EXPECT_EQ(Gespielt(11), frame == 2);
        EXPECT_EQ(Gespielt(16), frame >= 30 && frame <= 90 && frame % 10 == 0);
        EXPECT_EQ(Gespielt(17), frame == 110);
        // Drawn over white, without lighting or depth.
        EXPECT_EQ(dev->Calls().front().type, gfx::CallType::Clear);
        EXPECT_EQ(dev->Calls().front().clearColor, 0xFFFFFFFFu);
        EXPECT_EQ(m[0]->state.Get(gfx::RenderState::Lighting), 0u);
        EXPECT_EQ(m[0]->state.Get(gfx::RenderState::ZEnable), 0u);
    }
    EXPECT_EQ(MenueZaehler[0], 70);
    EXPECT_EQ(MenueZaehler[1], 8);
    EXPECT_EQ(MenueZaehler[2], 120);
    EXPECT_EQ(SpielModus, 12000);
}

// Each footprint turned about z by its angle and moved to its place of the table.
TEST_F(CameraSequenceTest, FootprintsStandWhereTheirTableSays)
{
    for (int frame = 1; frame <= 95; ++frame) {
        dev->ClearCalls();
        KameraSequenz();
    }
    const auto m = Meshes();
    ASSERT_EQ(m.size(), 8u);
    const float tabelle[7][3] = {{45, 0, 0.8f},  {35, 0, 0.5f},  {38, 7, 0.6f}, {28, 7, 0.8f},
                                 {28, 15, 1.4f}, {20, 7, 1.8f}, {16, 13, 2.2f}};
    for (int p = 0; p < 7; ++p) {
        const math3d::Matrix& w = m[size_t(p) + 1]->state.Get(gfx::TransformType::World);
        EXPECT_FLOAT_EQ(w.m[3][0], tabelle[p][0]) << p + 1;
        EXPECT_FLOAT_EQ(w.m[3][1], tabelle[p][1]) << p + 1;
        EXPECT_NEAR(w.m[0][0], std::cos(tabelle[p][2]), 1e-6) << p + 1;
        EXPECT_NEAR(w.m[0][1], std::sin(tabelle[p][2]), 1e-6) << p + 1;
        EXPECT_NEAR(w.m[1][0], -std::sin(tabelle[p][2]), 1e-6) << p + 1;
    }
}

TEST_F(CameraSequenceTest, PressInTheFirstFrameLeavesAtOnceWithoutTheFlightSound)
{
    TonEin({11});
    MausLinksGedrueckt = 1;
    KameraSequenz();
    EXPECT_EQ(SpielModus, 15000);
    EXPECT_EQ(MausLinksGedrueckt, 0);
    for (int32_t c : MenueZaehler) EXPECT_EQ(c, 0);
    KameraSequenz();
    EXPECT_FALSE(Gespielt(11));
}

TEST_F(CameraSequenceTest, LeavingGoesToTheTownWhenTheMenusCameFromThere)
{
    MenueAusStadt = 1;
    MausRechtsGedrueckt = 1;
    KameraSequenz();
    EXPECT_EQ(SpielModus, 1000);
    EXPECT_EQ(MenueAusStadt, 0);
    EXPECT_EQ(MausRechtsGedrueckt, 0);
}

TEST_F(CameraSequenceTest, FreedTexturesDrawAsNothingAfterwards)
{
    for (int i = 0; i < 50; ++i) KameraSequenz();
    dev->ClearCalls();
    MausLinksGedrueckt = 1;
    KameraSequenz();
    // Released: the first textures of 9015, 9016, 9014. The first picture's level texture 245 is
    // also the dead member's plate of the squad bar and stays.
    const gfx::Texture platte = MyApp.Texturen[245];
    int freigegeben = 0;
    for (const gfx::Call& c : dev->Calls()) {
        freigegeben += c.type == gfx::CallType::ReleaseTexture;
        if (c.type == gfx::CallType::ReleaseTexture) {
            EXPECT_NE(c.handle, platte);
        }
    }
    EXPECT_EQ(freigegeben, 3);
    EXPECT_NE(MyApp.Texturen[245], 0u);
    EXPECT_EQ(MyApp.Texturen[245], platte);
    for (int slot : {9014, 9015, 9016}) EXPECT_EQ(MyApp.MeshTexturen[slot][0], 0u);
    // The rest of that frame and any later run draw untextured, never with a freed handle.
    SpielModus = 12000;
    for (int i = 0; i < 120; ++i) KameraSequenz();
    dev->ClearCalls();
    KameraSequenz();
    // The picture shows the kept level texture until frame 110.
    for (const gfx::Call* c : Meshes()) EXPECT_TRUE(c->state.texture == 0u || c->state.texture == platte);
    // Leaving again frees nothing twice.
    dev->ClearCalls();
    MausLinksGedrueckt = 1;
    KameraSequenz();
    for (const gfx::Call& c : dev->Calls()) EXPECT_NE(c.type, gfx::CallType::ReleaseTexture);
}

TEST_F(CameraSequenceTest, EmptyMeshSlotsDrawNothing)
{
    for (int slot : {9014, 9015, 9016}) {
        dev->ReleaseMesh(MyApp.Meshes[slot]);
        MyApp.Meshes[slot] = 0;
        MyApp.MeshTexturen[slot].clear();
    }
    for (int i = 0; i < 120; ++i) KameraSequenz();
    MausLinksGedrueckt = 1;
    KameraSequenz();
    EXPECT_TRUE(Meshes().empty());
    EXPECT_EQ(SpielModus, 15000);
}

}  // namespace
