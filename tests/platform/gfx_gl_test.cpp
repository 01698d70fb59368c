// Pixel tests of the OpenGL device, offscreen (llvmpipe): Direct3D 9's rules as the game relies on them.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <utility>
#include <vector>

#include "platform/gfx.h"
#include "platform/gfx_recording.h"
#include "platform/gfx_state.h"
#include "platform/image.h"
#include "platform/texture_file.h"

namespace {

using namespace gfx;

struct Rgba {
    int r, g, b, a;
};

class GLDeviceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string error;
        dev = CreateGLDevice(nullptr, error);
        ASSERT_NE(dev, nullptr) << error;
        // The game's 2D quad: the unit square, y upward, the texture's top at y = 1.
        Vertex quad[4] = {{0, 0, 0, 0, 0, 1, 0, 1}, {0, 1, 0, 0, 0, 1, 0, 0},
                          {1, 0, 0, 0, 0, 1, 1, 1}, {1, 1, 0, 0, 0, 1, 1, 0}};
        quadVB = dev->CreateVertexBuffer(quad, 4);
        ASSERT_NE(quadVB, 0u);
        dev->Clear(clear::Target | clear::ZBuffer, 0xff000000, 1.0f);
        dev->BeginScene();
    }

    // The game's 2D mode.
    void Setze2DModus()
    {
        dev->SetTransform(TransformType::View, math3d::Identity());
        dev->SetTransform(TransformType::Projection, math3d::OrthoLH(1024, 768, 0, 1));
        dev->SetRenderState(RenderState::ZEnable, 0);
        dev->SetRenderState(RenderState::ZWriteEnable, 0);
        dev->SetRenderState(RenderState::Lighting, 0);
        dev->SetRenderState(RenderState::AlphaBlendEnable, 1);
        dev->SetRenderState(RenderState::SrcBlend, blend::SrcAlpha);
        dev->SetRenderState(RenderState::DestBlend, blend::InvSrcAlpha);
        dev->SetRenderState(RenderState::AlphaTestEnable, 1);
        dev->SetRenderState(RenderState::AlphaRef, 8);
        dev->SetRenderState(RenderState::AlphaFunc, cmp::GreaterEqual);
    }

    // The game's Draw2D: a w x h quad at pixel (x, y), shifted by half a pixel as the game does it.
    void Draw2D(float x, float y, float w, float h, float z = 0)
    {
        math3d::Matrix world = math3d::Scaling(w, h, 1);
        world.m[3][0] = (x - 512) - 0.5f;
        world.m[3][1] = (384 - y - h) + 0.5f;
        world.m[3][2] = z;
        dev->SetTransform(TransformType::World, world);
        dev->SetStreamSource(quadVB);
        dev->DrawPrimitive(Primitive::TriangleStrip, 0, 2);
    }

    Texture Solid(uint32_t argb)
    {
        uint8_t px[4] = {uint8_t(argb >> 16), uint8_t(argb >> 8), uint8_t(argb), uint8_t(argb >> 24)};
        return dev->CreateTexture(1, 1, px);
    }

    void Read() { frame = dev->ReadBackBuffer(); }
    Rgba Pixel(int x, int y) const
    {
        const uint8_t* p = &frame[(size_t(y) * kScreenWidth + x) * 4];
        return {p[0], p[1], p[2], p[3]};
    }
    static bool Near(Rgba a, Rgba b, int tolerance = 2)
    {
        return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance && std::abs(a.b - b.b) <= tolerance;
    }

    std::unique_ptr<Device> dev;
    VertexBuffer quadVB = 0;
    std::vector<uint8_t> frame;
};

constexpr Rgba kRed{255, 0, 0, 255}, kGreen{0, 255, 0, 255}, kBlue{0, 0, 255, 255}, kWhite{255, 255, 255, 255},
    kBlack{0, 0, 0, 255};

::testing::AssertionResult Covers(const std::vector<uint8_t>& frame, int x0, int y0, int w, int h)
{
    // Inside: the 2 x 2 texture's quadrants, texel for texel; the ring around it: untouched black.
    for (int y = y0 - 1; y <= y0 + h; ++y)
        for (int x = x0 - 1; x <= x0 + w; ++x) {
            const uint8_t* p = &frame[(size_t(y) * kScreenWidth + x) * 4];
            Rgba want = kBlack;
            if (x >= x0 && x < x0 + w && y >= y0 && y < y0 + h) {
                bool right = x >= x0 + w / 2, bottom = y >= y0 + h / 2;
                want = bottom ? (right ? kWhite : kBlue) : (right ? kGreen : kRed);
            }
            if (p[0] != want.r || p[1] != want.g || p[2] != want.b)
                return ::testing::AssertionFailure() << "pixel " << x << "," << y << " is " << int(p[0]) << ","
                                                     << int(p[1]) << "," << int(p[2]);
        }
    return ::testing::AssertionSuccess();
}

TEST_F(GLDeviceTest, QuadCoversItsPixelsTexelForTexel)
{
    // Red, green / blue, white: top row first.
    const uint8_t px[16] = {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 255, 255, 255};
    Texture tex = dev->CreateTexture(2, 2, px);
    ASSERT_NE(tex, 0u);
    Setze2DModus();
    dev->SetTexture(tex);
    Draw2D(0, 0, 32, 32);
    Draw2D(101, 57, 32, 32);
    Draw2D(300, 200, 2, 2);     // one pixel per texel
    Draw2D(1022, 766, 2, 2);    // the bottom-right corner of the screen
    dev->EndScene();
    Read();
    // The corner quad at the screen's edge (no ring to check there).
    EXPECT_TRUE(Near(Pixel(1022, 766), kRed) && Near(Pixel(1023, 767), kWhite));
    EXPECT_TRUE(Near(Pixel(0, 0), kRed));
    EXPECT_TRUE(Near(Pixel(31, 31), kWhite));
    EXPECT_TRUE(Covers(frame, 101, 57, 32, 32));
    EXPECT_TRUE(Covers(frame, 300, 200, 2, 2));
    std::string error;
    std::string path = std::string(VELQUOR_BINARY_DIR) + "/gfx_quad_test.png";
    EXPECT_TRUE(SaveBackBufferPng(*dev, path, error)) << error;
}

// Direct3D's pixel centres exactly, not nearly: with bilinear filtering a 2 x 1 red/blue texture drawn 2
// pixels wide comes out as pure colours (each pixel centre on its texel's centre), and a quad whose left
// edge is at x = 0.2 (without the game's half-pixel shift) misses pixel 0, whose centre is at 0; likewise
// in y.
TEST_F(GLDeviceTest, PixelCentresSitWhereDirect3DPutsThem)
{
    const uint8_t px[8] = {255, 0, 0, 255, 0, 0, 255, 255};
    Texture tex = dev->CreateTexture(2, 1, px);
    ASSERT_NE(tex, 0u);
    Setze2DModus();
    dev->SetSamplerState(SamplerState::MinFilter, filter::Linear);
    dev->SetSamplerState(SamplerState::MagFilter, filter::Linear);
    dev->SetSamplerState(SamplerState::AddressU, address::Clamp);
    dev->SetSamplerState(SamplerState::AddressV, address::Clamp);
    dev->SetTexture(tex);
    Draw2D(200, 100, 2, 1);
    dev->SetTexture(Solid(0xffffffff));
    for (const float x : {0.2f, 10.2f}) {
        math3d::Matrix world = math3d::Scaling(4, 4, 1);
        world.m[3][0] = x - 512;
        world.m[3][1] = 384 - 10.2f - 4;  // rows 10.2 to 14.2: centres 11 to 14
        dev->SetTransform(TransformType::World, world);
        dev->SetStreamSource(quadVB);
        dev->DrawPrimitive(Primitive::TriangleStrip, 0, 2);
    }
    dev->EndScene();
    Read();
    EXPECT_TRUE(Near(Pixel(200, 100), kRed, 1)) << Pixel(200, 100).r << "," << Pixel(200, 100).b;
    EXPECT_TRUE(Near(Pixel(201, 100), kBlue, 1)) << Pixel(201, 100).r << "," << Pixel(201, 100).b;
    for (int y = 11; y < 15; ++y) {
        EXPECT_TRUE(Near(Pixel(0, y), kBlack, 0)) << y;
        EXPECT_TRUE(Near(Pixel(1, y), kWhite, 0)) << y;
        EXPECT_TRUE(Near(Pixel(4, y), kWhite, 0)) << y;
        EXPECT_TRUE(Near(Pixel(10, y), kBlack, 0)) << y;
        EXPECT_TRUE(Near(Pixel(14, y), kWhite, 0)) << y;
        EXPECT_TRUE(Near(Pixel(15, y), kBlack, 0)) << y;
    }
    EXPECT_TRUE(Near(Pixel(1, 10), kBlack, 0));
    EXPECT_TRUE(Near(Pixel(1, 15), kBlack, 0));
}

TEST_F(GLDeviceTest, AlphaTestKeepsReferenceAndAbove)
{
    // Alpha 7, alpha 8 side by side; blending off so a kept texel shows at full strength.
    const uint8_t px[8] = {255, 255, 255, 7, 255, 255, 255, 8};
    Texture tex = dev->CreateTexture(2, 1, px);
    Setze2DModus();
    dev->SetRenderState(RenderState::AlphaBlendEnable, 0);
    dev->SetTexture(tex);
    Draw2D(10, 10, 20, 10);
    Read();
    EXPECT_TRUE(Near(Pixel(15, 15), kBlack));  // 7 dropped
    EXPECT_TRUE(Near(Pixel(25, 15), kWhite));  // 8 kept
}

TEST_F(GLDeviceTest, AlphaTestByEveryFunction)
{
    // Texels of alpha 99, 100 and 101 against the reference 100; blending off, so a kept texel is white.
    const uint8_t px[12] = {255, 255, 255, 99, 255, 255, 255, 100, 255, 255, 255, 101};
    Texture tex = dev->CreateTexture(3, 1, px);
    Setze2DModus();
    dev->SetRenderState(RenderState::AlphaBlendEnable, 0);
    dev->SetRenderState(RenderState::AlphaRef, 100);
    dev->SetTexture(tex);
    struct Case {
        uint32_t func;
        bool test;
        bool below, equal, above;  // kept
    } cases[] = {
        {cmp::Never, true, false, false, false},       {cmp::Less, true, true, false, false},
        {cmp::Equal, true, false, true, false},        {cmp::LessEqual, true, true, true, false},
        {cmp::Greater, true, false, false, true},      {cmp::NotEqual, true, true, false, true},
        {cmp::GreaterEqual, true, false, true, true},  {cmp::Always, true, true, true, true},
        {cmp::Never, false, true, true, true},  // the test off keeps everything
    };
    int y = 0;
    for (const Case& c : cases) {
        dev->SetRenderState(RenderState::AlphaTestEnable, c.test ? 1 : 0);
        dev->SetRenderState(RenderState::AlphaFunc, c.func);
        Draw2D(0, float(y), 30, 10);
        y += 10;
    }
    Read();
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        const bool kept[3] = {c.below, c.equal, c.above};
        for (int k = 0; k < 3; ++k)
            EXPECT_TRUE(Near(Pixel(k * 10 + 5, int(i) * 10 + 5), kept[k] ? kWhite : kBlack))
                << "function " << c.func << (c.test ? "" : " with the test off") << ", alpha " << 99 + k;
    }
}

TEST_F(GLDeviceTest, AlphaOperations)
{
    // Texture alpha 64, vertex alpha 128 (the material's diffuse alpha); blending off, so the back
    // buffer keeps the alpha the stage made.
    Setze2DModus();
    dev->SetRenderState(RenderState::AlphaBlendEnable, 0);
    dev->SetRenderState(RenderState::AlphaTestEnable, 0);
    dev->SetRenderState(RenderState::Lighting, 1);
    Material m{};
    m.diffuse = {0, 0, 0, 128 / 255.0f};
    m.emissive = {1, 1, 1, 0};
    dev->SetMaterial(m);
    dev->SetTexture(Solid(0x40ffffff));
    struct Case {
        uint32_t op, arg1, arg2;
        int want;
    } cases[] = {
        {top::SelectArg1, targ::Texture, targ::Diffuse, 64}, {top::SelectArg2, targ::Texture, targ::Diffuse, 128},
        {top::SelectArg1, targ::Diffuse, targ::Texture, 128}, {top::Modulate, targ::Texture, targ::Diffuse, 32},
        {top::Disable, targ::Texture, targ::Texture, 128},
    };
    int x = 0;
    for (const Case& c : cases) {
        dev->SetStageState(StageState::AlphaOp, c.op);
        dev->SetStageState(StageState::AlphaArg1, c.arg1);
        dev->SetStageState(StageState::AlphaArg2, c.arg2);
        Draw2D(float(x), 0, 10, 10);
        x += 10;
    }
    Read();
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_NEAR(Pixel(int(i) * 10 + 5, 5).a, cases[i].want, 1) << "case " << i;
}

TEST_F(GLDeviceTest, BlendFactors)
{
    struct Case {
        uint32_t src, dest, background, drawn;
        Rgba want;
    } cases[] = {
        {blend::SrcAlpha, blend::InvSrcAlpha, 0xff0000ff, 0x80ff0000, {128, 0, 127, 255}},
        {blend::One, blend::One, 0xff643200, 0xff646464, {200, 150, 100, 255}},
        {blend::Zero, blend::SrcColor, 0xffc86432, 0xff80ff00, {100, 100, 0, 255}},  // the shadow layer's multiply
    };
    Setze2DModus();
    int x = 0;
    for (const Case& c : cases) {
        dev->SetRenderState(RenderState::AlphaBlendEnable, 0);
        dev->SetTexture(Solid(c.background));
        Draw2D(float(x), 0, 10, 10);
        dev->SetRenderState(RenderState::AlphaBlendEnable, 1);
        dev->SetRenderState(RenderState::SrcBlend, c.src);
        dev->SetRenderState(RenderState::DestBlend, c.dest);
        dev->SetTexture(Solid(c.drawn));
        Draw2D(float(x), 0, 10, 10);
        x += 10;
    }
    Read();
    for (size_t i = 0; i < std::size(cases); ++i) {
        Rgba p = Pixel(int(i) * 10 + 5, 5);
        EXPECT_TRUE(Near(p, cases[i].want)) << "case " << i << ": " << p.r << "," << p.g << "," << p.b;
    }
}

TEST_F(GLDeviceTest, RenderTargetComesOutUpright)
{
    const uint8_t px[16] = {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 255, 255, 255};
    Texture tex = dev->CreateTexture(2, 2, px);
    Texture target = dev->CreateRenderTarget(128, 128, Format::R5G6B5);  // the game's targets
    ASSERT_NE(target, 0u);
    int w = 0, h = 0;
    ASSERT_TRUE(dev->TextureSize(target, w, h));
    EXPECT_EQ(w, 128);

    // Into the target: the viewport follows it, so the whole 1024 x 768 screen space maps onto it.
    dev->SetRenderTarget(target);
    dev->Clear(clear::Target | clear::ZBuffer, 0xff000000, 1.0f);
    Setze2DModus();
    dev->SetTexture(tex);
    Draw2D(0, 0, 1024, 768);
    dev->SetRenderTarget(0);

    // Back to the screen: the target drawn as a texture, with alpha test and blending on (its alpha reads 1).
    dev->SetTexture(target);
    Draw2D(64, 64, 128, 128);
    Read();
    EXPECT_TRUE(Covers(frame, 64, 64, 128, 128));
}

TEST_F(GLDeviceTest, StageOperationsAndDrawsWithoutTexture)
{
    // The vertex colour comes from lighting with no light: the material's emissive, alpha its diffuse alpha.
    dev->SetRenderState(RenderState::Lighting, 1);
    Material m{};
    m.diffuse = {0, 0, 0, 1};
    m.emissive = {0.5f, 1, 0.25f, 0};
    dev->SetMaterial(m);
    Texture tex = Solid(0xff808080);
    struct Case {
        uint32_t op, arg1, arg2;
        bool textured;
        Rgba want;
    } cases[] = {
        {top::Modulate, targ::Texture, targ::Diffuse, true, {64, 128, 32, 255}},
        {top::Modulate, targ::Texture, targ::Current, true, {64, 128, 32, 255}},  // stage 0's current is the diffuse
        {top::SelectArg1, targ::Texture, targ::Diffuse, true, {128, 128, 128, 255}},
        {top::SelectArg2, targ::Texture, targ::Diffuse, true, {128, 255, 64, 255}},
        {top::Disable, targ::Texture, targ::Diffuse, true, {128, 255, 64, 255}},
        {top::Modulate, targ::Texture, targ::Diffuse, false, {128, 255, 64, 255}},  // no texture reads white
        {top::SelectArg1, targ::Texture, targ::Diffuse, false, {255, 255, 255, 255}},
    };
    dev->SetTransform(TransformType::View, math3d::Identity());
    dev->SetTransform(TransformType::Projection, math3d::OrthoLH(1024, 768, 0, 1));
    dev->SetRenderState(RenderState::ZEnable, 0);
    int x = 0;
    for (const Case& c : cases) {
        dev->SetStageState(StageState::ColorOp, c.op);
        dev->SetStageState(StageState::ColorArg1, c.arg1);
        dev->SetStageState(StageState::ColorArg2, c.arg2);
        dev->SetTexture(c.textured ? tex : 0);
        Draw2D(float(x), 0, 10, 10);
        x += 10;
    }
    Read();
    for (size_t i = 0; i < std::size(cases); ++i) {
        Rgba p = Pixel(int(i) * 10 + 5, 5);
        EXPECT_TRUE(Near(p, cases[i].want)) << "case " << i << ": " << p.r << "," << p.g << "," << p.b;
    }
}

TEST_F(GLDeviceTest, CullingDropsWhatDirect3DDrops)
{
    // Two triangles in 2D screen space (y up): one clockwise on screen, one counter-clockwise.
    Vertex tris[6] = {
        {-400, 300, 0, 0, 0, -1, 0, 0}, {-300, 300, 0, 0, 0, -1, 0, 0}, {-400, 200, 0, 0, 0, -1, 0, 0},  // clockwise
        {100, 300, 0, 0, 0, -1, 0, 0}, {100, 200, 0, 0, 0, -1, 0, 0}, {200, 300, 0, 0, 0, -1, 0, 0},     // counter-clockwise
    };
    VertexBuffer vb = dev->CreateVertexBuffer(tris, 6);
    Setze2DModus();
    dev->SetTexture(Solid(0xffffffff));
    dev->SetTransform(TransformType::World, math3d::Identity());
    dev->SetStreamSource(vb);
    // Screen pixel of a point inside each triangle: x + 512, 384 - y.
    const int cwX = -380 + 512, ccwX = 120 + 512, y = 384 - 280;
    struct Case {
        uint32_t mode;
        bool cwDrawn, ccwDrawn;
    } cases[] = {{cull::CCW, true, false}, {cull::CW, false, true}, {cull::None, true, true}};
    for (const Case& c : cases) {
        dev->Clear(clear::Target, 0xff000000, 1.0f);
        dev->SetRenderState(RenderState::CullMode, c.mode);
        dev->DrawPrimitive(Primitive::TriangleList, 0, 2);
        Read();
        EXPECT_EQ(Near(Pixel(cwX, y), kWhite), c.cwDrawn) << "cull mode " << c.mode;
        EXPECT_EQ(Near(Pixel(ccwX, y), kWhite), c.ccwDrawn) << "cull mode " << c.mode;
    }
}

TEST_F(GLDeviceTest, DepthTestFollowsZEnable)
{
    Setze2DModus();
    dev->SetRenderState(RenderState::AlphaBlendEnable, 0);
    for (uint32_t zEnable : {1u, 0u}) {
        dev->Clear(clear::Target | clear::ZBuffer, 0xff000000, 1.0f);
        dev->SetRenderState(RenderState::ZEnable, zEnable);
        dev->SetRenderState(RenderState::ZWriteEnable, 1);
        dev->SetTexture(Solid(0xffff0000));
        Draw2D(0, 0, 20, 20, 0.2f);  // near
        dev->SetTexture(Solid(0xff00ff00));
        Draw2D(10, 0, 20, 20, 0.8f);  // far, overlapping the near one's right half
        Read();
        EXPECT_TRUE(Near(Pixel(15, 10), zEnable ? kRed : kGreen)) << "ZENABLE " << zEnable;
        EXPECT_TRUE(Near(Pixel(25, 10), kGreen));
    }
}

TEST_F(GLDeviceTest, PointLightLightsWithinItsRangeOnly)
{
    // A floor of 40 x 30 cells of 5 units, seen from above: 1024 pixels show 200 units.
    std::vector<Vertex> floor;
    for (int j = 0; j < 30; ++j)
        for (int i = 0; i < 40; ++i) {
            float x0 = -100 + i * 5.0f, z0 = -75 + j * 5.0f, x1 = x0 + 5, z1 = z0 + 5;
            Vertex a{x0, 0, z0, 0, 1, 0, 0, 0}, b{x0, 0, z1, 0, 1, 0, 0, 0}, c{x1, 0, z0, 0, 1, 0, 0, 0},
                d{x1, 0, z1, 0, 1, 0, 0, 0};
            floor.insert(floor.end(), {a, b, c, c, b, d});
        }
    VertexBuffer vb = dev->CreateVertexBuffer(floor.data(), floor.size());
    dev->SetTransform(TransformType::World, math3d::Identity());
    dev->SetTransform(TransformType::View, math3d::LookAtLH({0, 100, 0}, {0, 0, 0}, {0, 0, 1}));
    dev->SetTransform(TransformType::Projection, math3d::OrthoLH(200, 150, 1, 1000));
    dev->SetRenderState(RenderState::CullMode, cull::None);
    dev->SetRenderState(RenderState::Lighting, 1);
    dev->SetRenderState(RenderState::Ambient, 0xff202020);
    Material m{};
    m.diffuse = {1, 1, 1, 1};
    m.ambient = {1, 1, 1, 1};
    dev->SetMaterial(m);
    Light light{};
    light.type = LightType::Point;
    light.diffuse = {1, 0.5f, 0, 0};
    light.position = {0, 5, 0};
    light.range = 40;
    light.attenuation1 = 0.01f;
    dev->SetLight(7, light);
    dev->LightEnable(7, true);
    dev->SetTexture(0);  // untextured: the lit colour itself
    dev->SetStreamSource(vb);
    dev->DrawPrimitive(Primitive::TriangleList, 0, uint32_t(floor.size() / 3));
    Read();
    // 5.12 pixels per unit; the light stands over the centre of the screen.
    Rgba centre = Pixel(512, 384), inside = Pixel(512 + 154, 384), outside = Pixel(512 + 307, 384);
    EXPECT_TRUE(Near(centre, {255, 255, 32, 255})) << centre.r << "," << centre.g << "," << centre.b;
    // 30 units out: N.L = 5 / d, attenuation 1 / (0.01 d), plus the ambient.
    float d = std::sqrt(30.0f * 30.0f + 5.0f * 5.0f), lit = (5 / d) / (0.01f * d);
    Rgba want{int(std::lround((32 / 255.0f + lit) * 255)), int(std::lround((32 / 255.0f + 0.5f * lit) * 255)), 32, 255};
    EXPECT_TRUE(Near(inside, want, 4)) << inside.r << "," << inside.g << "," << inside.b;
    EXPECT_TRUE(Near(outside, {32, 32, 32, 255})) << outside.r << "," << outside.g << "," << outside.b;  // 60 units
    // Light 7 off leaves the ambient alone.
    dev->LightEnable(7, false);
    dev->DrawPrimitive(Primitive::TriangleList, 0, uint32_t(floor.size() / 3));
    Read();
    EXPECT_TRUE(Near(Pixel(512, 384), {32, 32, 32, 255}));
}

TEST_F(GLDeviceTest, EveryEnabledLightAddsItsShareWhateverTheirNumber)
{
    // Lit draws take a program by their number of lights (fixed counts up to 8, any number with
    // directional lights or more): each enabled light must add its share, the padding nothing.
    Setze2DModus();
    dev->SetRenderState(RenderState::AlphaBlendEnable, 0);
    dev->SetRenderState(RenderState::Lighting, 1);
    Material m{};
    m.diffuse = {1, 1, 1, 1};
    m.ambient = {1, 1, 1, 1};
    dev->SetMaterial(m);
    dev->SetTexture(0);
    // Each point light stands far out on the quad's normal (+z) and adds 2/255 of red.
    Light point{};
    point.type = LightType::Point;
    point.diffuse = {2 / 255.0f, 0, 0, 0};
    point.position = {0, 0, 100000};
    point.range = 200000;
    point.attenuation0 = 1;
    Light sun{};  // a directional light adds 40/255 of green and 20/255 of blue ambient
    sun.type = LightType::Directional;
    sun.diffuse = {0, 40 / 255.0f, 0, 0};
    sun.ambient = {0, 0, 20 / 255.0f, 0};
    sun.direction = {0, 0, -1};
    struct Case {
        int points;
        bool directional;
    } cases[] = {{0, false}, {1, false}, {2, false}, {4, false}, {3, false}, {8, false}, {9, false}, {99, false}, {3, true}};
    int x = 0;
    for (const Case& c : cases) {
        for (uint32_t i = 0; i < kMaxLights; ++i) {
            const bool on = int(i) < c.points || (c.directional && i == 99);
            if (on) dev->SetLight(i, i == 99 && c.directional ? sun : point);
            dev->LightEnable(i, on);
        }
        Draw2D(float(x), 0, 10, 10);
        x += 10;
    }
    Read();
    for (size_t k = 0; k < std::size(cases); ++k) {
        const Case& c = cases[k];
        Rgba p = Pixel(int(k) * 10 + 5, 5);
        Rgba want{std::min(255, 2 * c.points), c.directional ? 40 : 0, c.directional ? 20 : 0, 255};
        EXPECT_TRUE(Near(p, want, 1)) << c.points << " point lights" << (c.directional ? " and the sun" : "") << ": "
                                      << p.r << "," << p.g << "," << p.b;
    }
}

TEST_F(GLDeviceTest, TextureFileIsDrawnUprightAtItsOwnSize)
{
    // 3 x 2, not a power of two: red, green, blue / white, black, half-transparent grey.
    image::Image img;
    img.width = 3;
    img.height = 2;
    img.rgba = {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 255, 255, 255, 0, 0, 0, 255, 128, 128, 128, 128};
    std::string path = ::testing::TempDir() + "gfx_texture_file_test.png", error;
    ASSERT_TRUE(image::SavePng(path, img, error)) << error;
    Texture tex = LoadTextureFile(*dev, path, error);
    ASSERT_NE(tex, 0u) << error;
    int w = 0, h = 0;
    ASSERT_TRUE(dev->TextureSize(tex, w, h));
    EXPECT_EQ(w, 3);
    EXPECT_EQ(h, 2);
    Setze2DModus();
    dev->SetRenderState(RenderState::AlphaBlendEnable, 0);
    dev->SetTexture(tex);
    Draw2D(40, 30, 3, 2);
    Read();
    EXPECT_TRUE(Near(Pixel(40, 30), kRed));
    EXPECT_TRUE(Near(Pixel(42, 30), kBlue));
    EXPECT_TRUE(Near(Pixel(40, 31), kWhite));
    EXPECT_TRUE(Near(Pixel(42, 31), {128, 128, 128, 128}));
    std::remove(path.c_str());

    // A new picture for the same texture (the video player's frames).
    std::vector<uint8_t> green(3 * 2 * 4, 0);
    for (size_t i = 1; i < green.size(); i += 4) green[i] = green[i + 2] = 255;
    dev->UpdateTexture(tex, green.data());
    Draw2D(40, 30, 3, 2);
    Read();
    EXPECT_TRUE(Near(Pixel(40, 30), kGreen));

    RecordingDevice rec;
    EXPECT_EQ(LoadTextureFile(rec, path, error), 0u);  // gone now
    EXPECT_NE(error.find("gfx_texture_file_test.png"), std::string::npos);
    EXPECT_TRUE(rec.Calls().empty());
}

TEST_F(GLDeviceTest, ASecondDeviceGoingLeavesTheFirstDrawing)
{
    std::string error;
    auto other = CreateGLDevice(nullptr, error);
    ASSERT_NE(other, nullptr) << error;
    other.reset();
    dev->Clear(clear::Target, 0xff00ff00, 1.0f);
    Read();
    EXPECT_TRUE(Near(Pixel(1, 1), kGreen));
}

TEST_F(GLDeviceTest, PresentKeepsTheFrameAndUnbalancedCallsAreHarmless)
{
    dev->EndScene();
    dev->EndScene();  // no scene begun
    dev->Clear(clear::Target, 0xff336699, 1.0f);
    EXPECT_TRUE(dev->Present());
    EXPECT_TRUE(dev->Present());
    Read();
    EXPECT_TRUE(Near(Pixel(700, 500), {0x33, 0x66, 0x99, 255}));
}

// One instanced draw gives the same bytes as the draws it stands for, lit by a point light, blended
// over one another in order and alpha-tested.
TEST_F(GLDeviceTest, InstancedDrawIsTheSameAsOneDrawPerMatrix)
{
    MeshData quad;
    quad.vertices = {{-10, 0, -10, 0.2f, 1, 0.1f, 0, 0}, {-10, 0, 10, 0, 1, 0, 0, 1}, {10, 0, 10, 0, 1, 0.3f, 1, 1},
                     {10, 0, -10, 0.1f, 1, 0, 1, 0}};
    quad.indices = {0, 1, 2, 0, 2, 3};
    quad.subsets.push_back({0, 6});
    quad.materials.resize(1);
    Mesh mesh = dev->CreateMesh(quad);
    // A texture whose alpha falls from left to right, so the alpha test cuts each quad.
    std::vector<uint8_t> px(16 * 16 * 4);
    for (int i = 0; i < 16 * 16; ++i) px[size_t(i) * 4] = 200, px[size_t(i) * 4 + 1] = 120, px[size_t(i) * 4 + 3] = uint8_t(255 - 16 * (i % 16));
    dev->SetTexture(dev->CreateTexture(16, 16, px.data()));
    dev->SetTransform(TransformType::View, math3d::LookAtLH({0, 60, -40}, {0, 0, 0}, {0, 1, 0}));
    dev->SetTransform(TransformType::Projection, math3d::PerspectiveFovLH(0.9f, 4.0f / 3.0f, 1, 500));
    dev->SetRenderState(RenderState::CullMode, cull::None);
    dev->SetRenderState(RenderState::AlphaBlendEnable, 1);
    dev->SetRenderState(RenderState::SrcBlend, blend::SrcAlpha);
    dev->SetRenderState(RenderState::DestBlend, blend::InvSrcAlpha);
    dev->SetRenderState(RenderState::AlphaTestEnable, 1);
    dev->SetRenderState(RenderState::AlphaRef, 100);
    dev->SetRenderState(RenderState::AlphaFunc, cmp::GreaterEqual);
    dev->SetSamplerState(SamplerState::MinFilter, filter::Linear);
    dev->SetSamplerState(SamplerState::MagFilter, filter::Linear);
    Material m{};
    m.diffuse = m.ambient = {1, 1, 1, 0.9f};
    dev->SetMaterial(m);
    dev->SetRenderState(RenderState::Ambient, 0xff303030);
    Light light{};
    light.diffuse = {0.8f, 0.7f, 0.5f, 0};
    light.position = {3, 8, 2};
    light.range = 60;
    light.attenuation0 = 0.5f;
    light.attenuation1 = 0.02f;
    dev->SetLight(2, light);
    dev->LightEnable(2, true);
    std::vector<math3d::Matrix> welten;
    for (int k = 0; k < 7; ++k)
        welten.push_back(math3d::Multiply(math3d::Multiply(math3d::Scaling(1 + 0.1f * k, 1, 0.8f), math3d::RotationY(0.4f * k)),
                                          math3d::Translation(-15.0f + 5 * k, 0.5f * k, 3.0f * (k % 3))));
    for (const bool lighting : {true, false}) {
        dev->SetRenderState(RenderState::Lighting, lighting ? 1 : 0);
        dev->Clear(clear::Target | clear::ZBuffer, 0xff102030, 1.0f);
        for (const math3d::Matrix& w : welten) {
            dev->SetTransform(TransformType::World, w);
            dev->DrawSubset(mesh, 0);
        }
        Read();
        const std::vector<uint8_t> einzeln = frame;
        dev->Clear(clear::Target | clear::ZBuffer, 0xff102030, 1.0f);
        dev->SetTransform(TransformType::World, math3d::Identity());
        dev->DrawSubsetInstanced(mesh, 0, welten.data(), uint32_t(welten.size()));
        Read();
        EXPECT_TRUE(frame == einzeln) << (lighting ? "lit" : "unlit");
        EXPECT_NE(Pixel(512, 384).r, 0x10) << "the quads cover the middle";
        EXPECT_EQ(dev->GetTransform(TransformType::World).m[3][0], welten.back().m[3][0]) << "the last matrix stays";
    }
}

// With the scissor test on, draws and clears touch only the rectangle (row 0 at the top); a new
// target makes the rectangle the whole target again.
TEST_F(GLDeviceTest, ScissorRectangleLimitsDrawsAndClears)
{
    Setze2DModus();
    dev->SetRenderState(RenderState::ScissorTestEnable, 1);
    dev->SetScissorRect({100, 50, 200, 80});
    dev->Clear(clear::Target, 0xffff0000, 1.0f);
    dev->SetTexture(Solid(0xff00ff00));
    Draw2D(150, 0, 300, 300);
    Read();
    EXPECT_TRUE(Near(Pixel(100, 50), kRed));
    EXPECT_TRUE(Near(Pixel(149, 79), kRed));
    EXPECT_TRUE(Near(Pixel(150, 50), kGreen));
    EXPECT_TRUE(Near(Pixel(199, 79), kGreen));
    for (auto [x, y] : {std::pair{99, 60}, {120, 49}, {200, 60}, {160, 80}, {300, 150}})
        EXPECT_TRUE(Near(Pixel(x, y), {0, 0, 0, 255})) << x << "," << y;
    Texture ziel = dev->CreateRenderTarget(64, 64, Format::X8R8G8B8);
    dev->SetRenderTarget(ziel);
    dev->SetRenderTarget(0);
    dev->Clear(clear::Target, 0xff0000ff, 1.0f);
    Read();
    EXPECT_TRUE(Near(Pixel(0, 0), kBlue) && Near(Pixel(1023, 767), kBlue)) << "the whole frame again";
}

}  // namespace
