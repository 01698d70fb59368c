#include "platform/gfx_recording.h"

#include <gtest/gtest.h>

namespace {

using namespace gfx;

Vertex V(float x) { return Vertex{x, 0, 0, 0, 0, 1, 0, 0}; }

TEST(RecordingDevice, StartsWithDirect3DDefaults)
{
    RecordingDevice dev;
    const DeviceState& s = dev.State();
    EXPECT_EQ(s.Get(RenderState::ZEnable), 1u);
    EXPECT_EQ(s.Get(RenderState::Lighting), 1u);
    EXPECT_EQ(s.Get(RenderState::CullMode), cull::CCW);
    EXPECT_EQ(s.Get(RenderState::SrcBlend), blend::One);
    EXPECT_EQ(s.Get(RenderState::DestBlend), blend::Zero);
    EXPECT_EQ(s.Get(RenderState::AlphaFunc), cmp::Always);
    EXPECT_EQ(s.Get(StageState::ColorOp), top::Modulate);
    EXPECT_EQ(s.Get(StageState::AlphaOp), top::SelectArg1);
    EXPECT_EQ(s.Get(SamplerState::MinFilter), filter::Point);
    EXPECT_EQ(s.Get(SamplerState::AddressU), address::Wrap);
    EXPECT_EQ(s.Get(TransformType::World).m[3][3], 1.0f);
    EXPECT_EQ(s.Get(TransformType::World).m[3][0], 0.0f);
    EXPECT_FALSE(s.lightEnabled[0]);
    EXPECT_EQ(s.lights[5].type, LightType::Directional);  // the default light, should one be enabled unset
}

TEST(RecordingDevice, DrawsCarryTheStateInForceAndTheirVertices)
{
    RecordingDevice dev;
    std::vector<uint8_t> px(4 * 4, 255);
    Texture tex = dev.CreateTexture(2, 2, px.data());
    std::vector<Vertex> quad = {V(0), V(1), V(2), V(3), V(4), V(5)};
    VertexBuffer vb = dev.CreateVertexBuffer(quad.data(), quad.size());

    dev.SetRenderState(RenderState::AlphaBlendEnable, 1);
    dev.SetTexture(tex);
    dev.SetStreamSource(vb);
    math3d::Matrix world = math3d::Identity();
    world.m[3][0] = 7;
    dev.SetTransform(TransformType::World, world);
    dev.SetLight(3, Light{});
    dev.LightEnable(3, true);
    dev.DrawPrimitive(Primitive::TriangleStrip, 1, 2);
    dev.SetTexture(0);
    dev.SetRenderState(RenderState::AlphaBlendEnable, 0);
    dev.DrawSubset(42, 1);

    auto draws = dev.Draws();
    ASSERT_EQ(draws.size(), 2u);
    const Call& a = *draws[0];
    EXPECT_EQ(a.type, CallType::DrawPrimitive);
    EXPECT_EQ(a.handle, vb);
    EXPECT_EQ(a.state.texture, tex);
    EXPECT_EQ(a.state.Get(RenderState::AlphaBlendEnable), 1u);
    EXPECT_EQ(a.state.Get(TransformType::World).m[3][0], 7.0f);
    EXPECT_TRUE(a.state.lightEnabled[3]);
    ASSERT_EQ(a.vertices.size(), 4u);  // a strip of 2 from vertex 1: vertices 1..4
    EXPECT_EQ(a.vertices[0].x, 1.0f);
    EXPECT_EQ(a.vertices[3].x, 4.0f);

    const Call& b = *draws[1];
    EXPECT_EQ(b.type, CallType::DrawSubset);
    EXPECT_EQ(b.handle, 42u);  // recorded as asked, even for a mesh that does not exist
    EXPECT_EQ(b.subset, 1u);
    EXPECT_EQ(b.state.texture, 0u);
    EXPECT_EQ(b.state.Get(RenderState::AlphaBlendEnable), 0u);

    // Every call is in the list, in order.
    EXPECT_EQ(dev.Calls()[0].type, CallType::CreateTexture);
    EXPECT_EQ(dev.Calls()[2].type, CallType::SetRenderState);
    EXPECT_EQ(dev.Calls()[2].which, uint32_t(RenderState::AlphaBlendEnable));
    EXPECT_EQ(dev.Calls()[2].value, 1u);
}

TEST(RecordingDevice, DrawReadingPastTheBufferKeepsOnlyWhatExists)
{
    RecordingDevice dev;
    std::vector<Vertex> three = {V(0), V(1), V(2)};
    dev.SetStreamSource(dev.CreateVertexBuffer(three.data(), three.size()));
    dev.DrawPrimitive(Primitive::TriangleList, 1, 1);
    dev.DrawPrimitive(Primitive::TriangleList, 9, 1);
    auto draws = dev.Draws();
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[0]->vertices.size(), 2u);
    EXPECT_TRUE(draws[1]->vertices.empty());
}

TEST(RecordingDevice, ResourcesAndRenderTargets)
{
    RecordingDevice dev;
    std::vector<uint8_t> px(8 * 4 * 4, 0);
    Texture plain = dev.CreateTexture(8, 4, px.data());
    Texture target = dev.CreateRenderTarget(128, 128, Format::R5G6B5);
    EXPECT_NE(plain, 0u);
    EXPECT_NE(target, plain);
    EXPECT_EQ(dev.CreateTexture(0, 4, px.data()), 0u);

    int w = 0, h = 0;
    ASSERT_TRUE(dev.TextureSize(plain, w, h));
    EXPECT_EQ(w, 8);
    EXPECT_EQ(h, 4);

    dev.SetRenderTarget(plain);  // not a render target: refused
    EXPECT_EQ(dev.State().renderTarget, 0u);
    dev.SetRenderTarget(target);
    EXPECT_EQ(dev.State().renderTarget, target);
    dev.Clear(clear::Target | clear::ZBuffer, 0xff000000, 1.0f);
    EXPECT_EQ(dev.Calls().back().handle, target);  // the clear names the target it cleared
    dev.ReleaseTexture(target);
    EXPECT_EQ(dev.State().renderTarget, 0u);
    EXPECT_FALSE(dev.TextureSize(target, w, h));

    MeshData md;
    md.vertices = {V(0), V(1), V(2)};
    md.indices = {0, 1, 2};
    md.subsets = {{0, 3}, {3, 0}};
    md.materials.resize(2);
    Mesh mesh = dev.CreateMesh(md);
    EXPECT_EQ(dev.SubsetCount(mesh), 2u);
    ASSERT_NE(dev.MeshOf(mesh), nullptr);
    EXPECT_EQ(dev.MeshOf(mesh)->indices.size(), 3u);
    dev.ReleaseMesh(mesh);
    EXPECT_EQ(dev.SubsetCount(mesh), 0u);

    md.indices[2] = 3;  // past the vertices
    EXPECT_EQ(dev.CreateMesh(md), 0u);
    md.indices[2] = 2;
    md.subsets[1] = {2, 3};  // past the indices
    EXPECT_EQ(dev.CreateMesh(md), 0u);
}

TEST(RecordingDevice, RefusesStatesDirect3DWouldRefuse)
{
    RecordingDevice dev;
    dev.SetLight(100, Light{});
    dev.LightEnable(100, true);
    dev.SetRenderState(RenderState::Count, 5);
    EXPECT_EQ(dev.GetRenderState(RenderState::Count), 0u);
    EXPECT_EQ(dev.Calls().size(), 3u);  // recorded all the same
    ASSERT_NE(CreateRecordingDevice(), nullptr);
}

// The notes for frame snapshots: names live as long as their handle (handles are never reused, but a
// released texture must not lend its name to nothing), markers keep their place among the calls.
TEST(RecordingDevice, NamesAndNotes)
{
    RecordingDevice dev;
    const uint8_t px[4] = {1, 2, 3, 4};
    const Texture t = dev.CreateTexture(1, 1, px);
    dev.Name(t, "Texturen[201] icon.png");
    dev.Name(0, "nothing");
    EXPECT_EQ(dev.NameOf(t), "Texturen[201] icon.png");
    EXPECT_EQ(dev.NameOf(0), "");
    dev.ReleaseTexture(t);
    EXPECT_EQ(dev.NameOf(t), "");

    dev.ClearCalls();
    dev.Marker("hud");
    dev.TextMarker("Hallo", 35.5f, 76.0f, 2);
    ASSERT_EQ(dev.Calls().size(), 2u);
    EXPECT_EQ(dev.Calls()[0].type, CallType::Marker);
    EXPECT_EQ(dev.Calls()[0].text, "hud");
    EXPECT_EQ(dev.Calls()[1].type, CallType::TextMarker);
    EXPECT_EQ(dev.Calls()[1].text, "Hallo");
    EXPECT_EQ(dev.Calls()[1].x, 35.5f);
    EXPECT_EQ(dev.Calls()[1].y, 76.0f);
    EXPECT_EQ(dev.Calls()[1].font, 2);

    // Calls kept only while asked for: the names still follow.
    dev.KeepCalls(false);
    const Texture u = dev.CreateTexture(1, 1, px);
    dev.Name(u, "Texturen[3] x.png");
    dev.Marker("floor");
    EXPECT_EQ(dev.Calls().size(), 2u);
    EXPECT_EQ(dev.NameOf(u), "Texturen[3] x.png");
}

}  // namespace
