// A town-sized frame through the OpenGL device, offscreen: 2,000 textured, lit meshes of 200 triangles
// (each with the sun and the point lights near it, as the game's light selection sets them) and
// 1,000 alpha-tested, blended 2D quads. Reports frames per second.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "platform/gfx.h"

namespace {

using namespace gfx;

// A sphere of 10 rings x 10 segments: 200 triangles.
MeshData Sphere()
{
    MeshData m;
    const int rings = 10, segments = 10;
    for (int r = 0; r <= rings; ++r)
        for (int s = 0; s <= segments; ++s) {
            float a = 3.14159265f * float(r) / rings, b = 2 * 3.14159265f * float(s) / segments;
            float x = std::sin(a) * std::cos(b), y = std::cos(a), z = std::sin(a) * std::sin(b);
            m.vertices.push_back({x * 5, y * 5 + 5, z * 5, x, y, z, float(s) / segments, float(r) / rings});
        }
    for (int r = 0; r < rings; ++r)
        for (int s = 0; s < segments; ++s) {
            uint32_t i = uint32_t(r * (segments + 1) + s), j = i + segments + 1;
            m.indices.insert(m.indices.end(), {i, i + 1, j, j, i + 1, j + 1});
        }
    m.subsets.push_back({0, uint32_t(m.indices.size())});
    m.materials.resize(1);
    return m;
}

Texture Checker(Device& dev, int size, uint8_t alpha)
{
    std::vector<uint8_t> px(size_t(size) * size * 4);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            uint8_t* p = &px[(size_t(y) * size + x) * 4];
            bool on = ((x / 4) + (y / 4)) % 2;
            p[0] = on ? 200 : 60;
            p[1] = on ? 180 : 90;
            p[2] = on ? 120 : 40;
            p[3] = (x + y) % 5 ? alpha : 0;
        }
    return dev.CreateTexture(size, size, px.data());
}

void BM_TownFrame(benchmark::State& state)
{
    std::string error;
    auto dev = CreateGLDevice(nullptr, error);
    if (!dev) {
        state.SkipWithError(error.c_str());
        return;
    }
    Mesh sphere = dev->CreateMesh(Sphere());
    Texture meshTex = Checker(*dev, 64, 255), glyph = Checker(*dev, 16, 255);
    Vertex quad[4] = {{0, 0, 0, 0, 0, 1, 0, 1}, {0, 1, 0, 0, 0, 1, 0, 0}, {1, 0, 0, 0, 0, 1, 1, 1}, {1, 1, 0, 0, 0, 1, 1, 0}};
    VertexBuffer quadVB = dev->CreateVertexBuffer(quad, 4);

    Material material{};
    material.diffuse = {1, 1, 1, 1};
    material.ambient = {1, 1, 1, 1};
    dev->SetMaterial(material);
    dev->SetStageState(StageState::ColorArg2, targ::Diffuse);
    Light sun{};
    sun.type = LightType::Point;
    sun.diffuse = {1, 0.95f, 0.8f, 0};
    sun.position = {600, 2000, 600};
    sun.range = 5000;
    sun.attenuation0 = 1;
    Light fire{};
    fire.type = LightType::Point;
    fire.diffuse = {1, 0.5f, 0, 0};
    fire.range = 100;
    fire.attenuation1 = 0.01f;

    const math3d::Matrix proj = math3d::PerspectiveFovLH(0.7853982f, 1.3333334f, 1, 9900);
    const math3d::Matrix view = math3d::LookAtLH({600, 250, 100}, {600, 0, 500}, {0, 1, 0});
    const math3d::Matrix ortho = math3d::OrthoLH(1024, 768, 0, 1);

    for (auto _ : state) {
        dev->Clear(clear::Target | clear::ZBuffer, 0xff000000, 1.0f);
        dev->BeginScene();
        // 3D: 2,000 lit, textured meshes in a 50 x 40 field, nearest the camera last.
        dev->SetTransform(TransformType::Projection, proj);
        dev->SetTransform(TransformType::View, view);
        dev->SetRenderState(RenderState::ZEnable, 1);
        dev->SetRenderState(RenderState::ZWriteEnable, 1);
        dev->SetRenderState(RenderState::Lighting, 1);
        dev->SetRenderState(RenderState::AlphaBlendEnable, 0);
        dev->SetRenderState(RenderState::AlphaTestEnable, 0);
        dev->SetRenderState(RenderState::Ambient, 0xff333333);
        dev->SetLight(0, sun);
        dev->LightEnable(0, true);
        dev->SetTexture(meshTex);
        for (int k = 0; k < 2000; ++k) {
            float x = float(k % 50) * 24, z = float(k / 50) * 24 + 200;
            // The light selection: every fire within 100 units on, the rest off.
            for (uint32_t l = 1; l <= 4; ++l) {
                float fx = float(l) * 240, fz = 500;
                bool near = std::hypot(fx - x, fz - z) < 100;
                if (near) {
                    fire.position = {fx, 5, fz};
                    dev->SetLight(l, fire);
                }
                dev->LightEnable(l, near);
            }
            dev->SetTransform(TransformType::World, math3d::Translation(x, 0, z));
            dev->DrawSubset(sphere, 0);
        }
        // 2D: 1,000 glyph-sized quads, blended and alpha-tested.
        dev->SetTransform(TransformType::View, math3d::Identity());
        dev->SetTransform(TransformType::Projection, ortho);
        dev->SetRenderState(RenderState::ZEnable, 0);
        dev->SetRenderState(RenderState::ZWriteEnable, 0);
        dev->SetRenderState(RenderState::Lighting, 0);
        dev->SetRenderState(RenderState::AlphaBlendEnable, 1);
        dev->SetRenderState(RenderState::SrcBlend, blend::SrcAlpha);
        dev->SetRenderState(RenderState::DestBlend, blend::InvSrcAlpha);
        dev->SetRenderState(RenderState::AlphaTestEnable, 1);
        dev->SetRenderState(RenderState::AlphaRef, 8);
        dev->SetRenderState(RenderState::AlphaFunc, cmp::GreaterEqual);
        dev->SetStreamSource(quadVB);
        for (int q = 0; q < 1000; ++q) {
            float x = float(q % 50) * 20, y = float(q / 50) * 20 + 300;
            math3d::Matrix world = math3d::Scaling(16, 16, 1);
            world.m[3][0] = x - 512 - 0.5f;
            world.m[3][1] = 384 - y - 16 + 0.5f;
            dev->SetTransform(TransformType::World, world);
            dev->SetTexture(glyph);
            dev->DrawPrimitive(Primitive::TriangleStrip, 0, 2);
            dev->SetTexture(0);
        }
        dev->EndScene();
        dev->Present();
        // Wait for the frame to be finished, so each iteration is one whole frame.
        benchmark::DoNotOptimize(dev->ReadBackBuffer());
    }
    state.counters["fps"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_TownFrame)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
