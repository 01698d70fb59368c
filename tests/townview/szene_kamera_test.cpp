// The scene's 2D and 3D set-ups and the mouse ray against a floor cell.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "framework/myapp.h"
#include "framework/szene.h"
#include "platform/gfx_recording.h"
#include "world/records.h"

namespace {

class SzeneKameraTest : public ::testing::Test {
protected:
    gfx::RecordingDevice* dev = nullptr;

    void SetUp() override
    {
        std::memset(&SpielGlobals, 0, sizeof SpielGlobals);
        auto device = std::make_unique<gfx::RecordingDevice>();
        dev = device.get();
        MyApp.m_pd3dDevice = std::move(device);
        MyApp.CreateQuad();
    }
    void TearDown() override { MyApp.Shutdown(); }

    // Looks straight down from 100 above the floor point (x, z).
    static void VonOben(float x, float z)
    {
        Cam.Set(x, 100, z, x, 0, z, 0, 0, 1);
        Szene.Setze3DKamera();
    }
};

TEST_F(SzeneKameraTest, TwoDModeSetsTheScreenState)
{
    dev->SetRenderState(gfx::RenderState::ZEnable, 1);
    dev->SetRenderState(gfx::RenderState::Lighting, 1);
    Szene.Setze2DModus();
    const gfx::DeviceState& s = dev->State();
    EXPECT_EQ(s.Get(gfx::RenderState::ZEnable), 0u);
    EXPECT_EQ(s.Get(gfx::RenderState::ZWriteEnable), 0u);
    EXPECT_EQ(s.Get(gfx::RenderState::Lighting), 0u);
    EXPECT_EQ(s.Get(gfx::RenderState::AlphaBlendEnable), 1u);
    EXPECT_EQ(s.Get(gfx::RenderState::SrcBlend), gfx::blend::SrcAlpha);
    EXPECT_EQ(s.Get(gfx::RenderState::DestBlend), gfx::blend::InvSrcAlpha);
    EXPECT_EQ(s.Get(gfx::RenderState::AlphaTestEnable), 1u);
    EXPECT_EQ(s.Get(gfx::RenderState::AlphaRef), 8u);
    EXPECT_EQ(s.Get(gfx::RenderState::AlphaFunc), gfx::cmp::GreaterEqual);
    const math3d::Matrix& view = s.Get(gfx::TransformType::View);
    const math3d::Matrix& proj = s.Get(gfx::TransformType::Projection);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) EXPECT_FLOAT_EQ(view.m[r][c], r == c ? 1.0f : 0.0f);
    EXPECT_FLOAT_EQ(proj.m[0][0], 2.0f / 1024);
    EXPECT_FLOAT_EQ(proj.m[1][1], 2.0f / 768);
    EXPECT_FLOAT_EQ(proj.m[2][2], 1.0f);

    // A full-screen quad then covers the screen: its corners land on the clip-space corners.
    MyApp.Draw2D(0, 0, 1024, 768);
    const gfx::Call* draw = dev->Draws().back();
    const math3d::Matrix welt = draw->state.Get(gfx::TransformType::World);
    const math3d::Matrix wp = math3d::Multiply(welt, proj);
    const math3d::Vec3 links_unten = math3d::TransformCoord({0, 0, 0}, wp);
    const math3d::Vec3 rechts_oben = math3d::TransformCoord({1, 1, 0}, wp);
    EXPECT_NEAR(links_unten.x, -1.0f, 0.002f);
    EXPECT_NEAR(links_unten.y, -1.0f, 0.002f);
    EXPECT_NEAR(rechts_oben.x, 1.0f, 0.002f);
    EXPECT_NEAR(rechts_oben.y, 1.0f, 0.002f);
}

TEST_F(SzeneKameraTest, ThreeDCameraSetsProjectionAndViewFromCam)
{
    Cam.Set(0, 250, 100, 0, 237, 90, 0, 1, 0);
    Szene.Setze3DKamera();
    const math3d::Matrix proj = math3d::PerspectiveFovLH(0.7853982f, 1.3333334f, 1.0f, 9900.0f);
    const math3d::Matrix view = math3d::LookAtLH({0, 250, 100}, {0, 237, 90}, {0, 1, 0});
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            EXPECT_FLOAT_EQ(MyApp.m_matProj.m[r][c], proj.m[r][c]);
            EXPECT_FLOAT_EQ(MyApp.m_matView.m[r][c], view.m[r][c]);
            EXPECT_FLOAT_EQ(dev->State().Get(gfx::TransformType::Projection).m[r][c], proj.m[r][c]);
            EXPECT_FLOAT_EQ(dev->State().Get(gfx::TransformType::View).m[r][c], view.m[r][c]);
        }
    // No render state is touched.
    for (const gfx::Call& c : dev->Calls()) EXPECT_NE(c.type, gfx::CallType::SetRenderState);
}

TEST_F(SzeneKameraTest, MouseRayHitsTheCellBelowIt)
{
    struct Fall {
        float kameraX, kameraZ;
        int mausX, mausY;
        float zelleX, zelleZ;
        bool trifft;
    };
    const Fall faelle[] = {
        // The centre of a cell lies on the diagonal that its two triangles share.
        {50, 50, 512, 384, 5, 5, true},
        {50, 50, 512, 384, 6, 5, false},
        {50, 50, 512, 384, 5, 4, false},
        // Off the diagonal, in each triangle.
        {52, 52, 512, 384, 5, 5, true},
        {48, 48, 512, 384, 5, 5, true},
        // Cell 0 spans -5 to 5.
        {4, -4, 512, 384, 0, 0, true},
        {6, 0, 512, 384, 0, 0, false},
    };
    for (const Fall& f : faelle) {
        VonOben(f.kameraX, f.kameraZ);
        MyApp.MausX = f.mausX;
        MyApp.MausY = f.mausY;
        EXPECT_EQ(Szene.MausTrifftFeld(f.zelleX, f.zelleZ), f.trifft ? 1 : 0)
            << f.kameraX << "," << f.kameraZ << " cell " << f.zelleX << "," << f.zelleZ;
    }
}

TEST_F(SzeneKameraTest, RayParallelToTheFloorHitsNoCell)
{
    Cam.Set(0, 10, 0, 100, 10, 0, 0, 1, 0);
    Szene.Setze3DKamera();
    MyApp.MausX = 512;
    MyApp.MausY = 384;
    for (int x = -2; x < 12; ++x) EXPECT_EQ(Szene.MausTrifftFeld(static_cast<float>(x), 0), 0) << x;
}

}  // namespace
