// The town frame's draw workload, offscreen at 1024 x 768: the same counts of floor tiles, object
// meshes, figure parts, plants and 2D quads drawn by a plain OpenGL program (one draw call each,
// per-vertex lighting of 8 point lights, alpha test) and through the game's drawing device. The
// plain program is the yardstick the device is measured against.
#include <SDL.h>
#define GL_GLEXT_PROTOTYPES 1
#include <GL/glcorearb.h>
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "platform/gfx.h"

namespace {

// How many of each kind one frame draws.
struct Arbeit {
    int boden = 1600, objekte = 400, teile = 540, pflanzen = 300, quads = 700;
};

// A fan of triangles around the origin, as the yardstick draws them: 8 floats a corner.
std::vector<float> Faecher(int dreiecke, float groesse)
{
    std::vector<float> v;
    v.reserve(size_t(dreiecke) * 24);
    for (int i = 0; i < dreiecke; ++i)
        for (int k = 0; k < 3; ++k) {
            const float a = float(i * 3 + k) * 0.37f;
            v.insert(v.end(), {groesse * std::cos(a), groesse * float(k == 1), groesse * std::sin(a), 0, 1, 0,
                               float(k & 1), float(k >> 1)});
        }
    return v;
}

// The camera both draw with: a rough look down on a 400 x 400 area (column-major for OpenGL, the
// same floats as a row-vector matrix for the device).
constexpr float kKamera[16] = {1.2f, 0, 0, 0, 0, 0.9f, -0.4f, 0.4f, 0, 0.9f, 0.5f, -0.5f, -240, -120, 200, 200};

template <typename Zeichne>
void Szene(const Arbeit& a, Zeichne zeichne)
{
    for (int i = 0; i < a.boden; ++i) zeichne(0, float(i / 40) * 10.f, float(i % 40) * 10.f);
    for (int i = 0; i < a.objekte; ++i) zeichne(1, float(i % 20) * 20.f, float(i / 20) * 20.f);
    for (int i = 0; i < a.teile; ++i) zeichne(2, float(i % 30) * 13.f, float(i / 30) * 20.f);
    for (int i = 0; i < a.pflanzen; ++i) zeichne(3, float(i % 17) * 23.f, float(i / 17) * 22.f);
}

const char* kVs = R"(#version 450 core
uniform mat4 mvp; uniform mat4 world; uniform vec3 lp[8]; uniform float lr[8];
layout(location = 0) in vec3 pos; layout(location = 1) in vec3 nrm; layout(location = 2) in vec2 uv;
out vec2 t; out vec4 c;
void main(){ vec4 wp = world*vec4(pos,1.0); vec3 n = normalize(mat3(world)*nrm); vec3 col = vec3(0.2);
 for(int i=0;i<8;i++){ vec3 d = lp[i]-wp.xyz; float l = length(d); if(l<lr[i]) col += max(dot(n,d/l),0.0)/(1.0+0.01*l); }
 c = vec4(col,1.0); t = uv; gl_Position = mvp*wp; })";
const char* kFs = R"(#version 450 core
uniform sampler2D tex; in vec2 t; in vec4 c; out vec4 f;
void main(){ vec4 s = texture(tex,t)*c; if(s.a < 8.0/255.0) discard; f = s; })";

// The yardstick: plain OpenGL, nothing but the draws.
void BM_PlainOpenGL(benchmark::State& state)
{
    const Arbeit a;
    SDL_InitSubSystem(SDL_INIT_VIDEO);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 4);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 5);
    SDL_Window* win = SDL_CreateWindow("b", 0, 0, 1024, 768, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    SDL_GLContext ctx = win ? SDL_GL_CreateContext(win) : nullptr;
    if (!ctx) {
        state.SkipWithError("no OpenGL 4.5 context");
        return;
    }
    GLuint v = glCreateShader(GL_VERTEX_SHADER), f = glCreateShader(GL_FRAGMENT_SHADER);
    glShaderSource(v, 1, &kVs, nullptr);
    glCompileShader(v);
    glShaderSource(f, 1, &kFs, nullptr);
    glCompileShader(f);
    GLuint prog = glCreateProgram();
    glAttachShader(prog, v);
    glAttachShader(prog, f);
    glLinkProgram(prog);
    glUseProgram(prog);
    GLuint vao;
    glGenVertexArrays(1, &vao);
    glBindVertexArray(vao);
    for (GLuint i = 0; i < 3; ++i) glEnableVertexAttribArray(i);
    GLuint fbo, rb[2];
    glGenFramebuffers(1, &fbo);
    glGenRenderbuffers(2, rb);
    glBindRenderbuffer(GL_RENDERBUFFER, rb[0]);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, 1024, 768);
    glBindRenderbuffer(GL_RENDERBUFFER, rb[1]);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, 1024, 768);
    glBindFramebuffer(GL_FRAMEBUFFER, fbo);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, rb[0]);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, rb[1]);
    GLuint tex;
    glGenTextures(1, &tex);
    glBindTexture(GL_TEXTURE_2D, tex);
    std::vector<unsigned> px(64 * 64, 0xff80c0a0u);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 64, 64, 0, GL_RGBA, GL_UNSIGNED_BYTE, px.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    struct Netz { GLuint vbo; int n; };
    auto netz = [](int dreiecke, float groesse) {
        const std::vector<float> d = Faecher(dreiecke, groesse);
        Netz m{0, dreiecke * 3};
        glGenBuffers(1, &m.vbo);
        glBindBuffer(GL_ARRAY_BUFFER, m.vbo);
        glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(d.size() * 4), d.data(), GL_STATIC_DRAW);
        return m;
    };
    const Netz netze[5] = {netz(2, 15), netz(200, 12), netz(100, 3), netz(50, 4), netz(2, 0.02f)};
    const GLint mvp = glGetUniformLocation(prog, "mvp"), world = glGetUniformLocation(prog, "world");
    float lp[24], lr[8];
    for (int i = 0; i < 8; ++i) {
        lp[i * 3] = float(i) * 50.f;
        lp[i * 3 + 1] = 20;
        lp[i * 3 + 2] = float(i) * 40.f;
        lr[i] = 100;
    }
    glUniform3fv(glGetUniformLocation(prog, "lp"), 8, lp);
    glUniform1fv(glGetUniformLocation(prog, "lr"), 8, lr);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    auto zeichne = [&](int k, float x, float z) {
        const float w[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, x, 0, z, 1};
        glUniformMatrix4fv(world, 1, GL_FALSE, w);
        glBindBuffer(GL_ARRAY_BUFFER, netze[k].vbo);
        glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, 32, nullptr);
        glVertexAttribPointer(1, 3, GL_FLOAT, GL_FALSE, 32, reinterpret_cast<void*>(12));
        glVertexAttribPointer(2, 2, GL_FLOAT, GL_FALSE, 32, reinterpret_cast<void*>(24));
        glDrawArrays(GL_TRIANGLES, 0, netze[k].n);
    };
    for (auto _ : state) {
        glViewport(0, 0, 1024, 768);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glEnable(GL_DEPTH_TEST);
        glUniformMatrix4fv(mvp, 1, GL_FALSE, kKamera);
        Szene(a, zeichne);
        const float eins[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
        glUniformMatrix4fv(mvp, 1, GL_FALSE, eins);
        glDisable(GL_DEPTH_TEST);
        for (int i = 0; i < a.quads; ++i) zeichne(4, -0.9f + float(i % 35) * 0.05f, -0.9f + float(i / 35) * 0.05f);
        glBindFramebuffer(GL_READ_FRAMEBUFFER, fbo);
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
        glBlitFramebuffer(0, 0, 1024, 768, 0, 0, 1024, 768, GL_COLOR_BUFFER_BIT, GL_NEAREST);
        glBindFramebuffer(GL_FRAMEBUFFER, fbo);
        SDL_GL_SwapWindow(win);
        // Read the frame back as the device's benchmark does, so each iteration is one finished frame.
        std::vector<uint8_t> bild(size_t(1024) * 768 * 4);
        glReadPixels(0, 0, 1024, 768, GL_RGBA, GL_UNSIGNED_BYTE, bild.data());
        benchmark::DoNotOptimize(bild.data());
    }
    SDL_GL_DeleteContext(ctx);
    SDL_DestroyWindow(win);
}
BENCHMARK(BM_PlainOpenGL)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same through the game's device: the same meshes, transforms, point lights of range 100
// attenuated 1 + 0.01 d (as many as the argument: 8 as the yardstick has, 2 as the game's light
// selection mostly leaves on: the sun and one fire), texture, alpha test and blending; the 2D quads
// unlit as the game draws them.
void BM_Geraet(benchmark::State& state)
{
    using namespace gfx;
    const Arbeit a;
    std::string fehler;
    auto dev = CreateGLDevice(nullptr, fehler);
    if (!dev) {
        state.SkipWithError(fehler.c_str());
        return;
    }
    auto netz = [&](int dreiecke, float groesse) {
        const std::vector<float> d = Faecher(dreiecke, groesse);
        MeshData m;
        for (size_t i = 0; i < d.size(); i += 8) {
            m.vertices.push_back({d[i], d[i + 1], d[i + 2], d[i + 3], d[i + 4], d[i + 5], d[i + 6], d[i + 7]});
            m.indices.push_back(uint32_t(m.indices.size()));
        }
        m.subsets.push_back({0, uint32_t(m.indices.size())});
        m.materials.resize(1);
        return dev->CreateMesh(m);
    };
    const Mesh netze[5] = {netz(2, 15), netz(200, 12), netz(100, 3), netz(50, 4), netz(2, 0.02f)};
    std::vector<uint8_t> px(64 * 64 * 4);
    for (size_t i = 0; i < px.size(); i += 4) px[i] = 0xa0, px[i + 1] = 0xc0, px[i + 2] = 0x80, px[i + 3] = 0xff;
    const Texture tex = dev->CreateTexture(64, 64, px.data());
    Material mat{};
    mat.diffuse = {1, 1, 1, 1};
    mat.ambient = {1, 1, 1, 1};
    dev->SetMaterial(mat);
    dev->SetRenderState(RenderState::Ambient, 0xff333333);
    for (uint32_t i = 0; i < uint32_t(state.range(0)); ++i) {
        Light l{};
        l.diffuse = {1, 1, 1, 1};
        l.position = {float(i) * 50.f, 20, float(i) * 40.f};
        l.range = 100;
        l.attenuation0 = 1;
        l.attenuation1 = 0.01f;
        dev->SetLight(i, l);
        dev->LightEnable(i, true);
    }
    dev->SetTexture(tex);
    dev->SetSamplerState(SamplerState::MinFilter, filter::Linear);
    dev->SetSamplerState(SamplerState::MagFilter, filter::Linear);
    dev->SetRenderState(RenderState::AlphaBlendEnable, 1);
    dev->SetRenderState(RenderState::SrcBlend, blend::SrcAlpha);
    dev->SetRenderState(RenderState::DestBlend, blend::InvSrcAlpha);
    dev->SetRenderState(RenderState::AlphaTestEnable, 1);
    dev->SetRenderState(RenderState::AlphaRef, 8);
    dev->SetRenderState(RenderState::AlphaFunc, cmp::GreaterEqual);
    dev->SetRenderState(RenderState::CullMode, cull::None);
    math3d::Matrix kamera;
    for (int i = 0; i < 16; ++i) kamera.m[i / 4][i % 4] = kKamera[i];
    auto zeichne = [&](int k, float x, float z) {
        dev->SetTransform(TransformType::World, math3d::Translation(x, 0, z));
        dev->DrawSubset(netze[k], 0);
    };
    for (auto _ : state) {
        dev->Clear(clear::Target | clear::ZBuffer, 0xff000000, 1.0f);
        dev->BeginScene();
        dev->SetTransform(TransformType::View, math3d::Identity());
        dev->SetTransform(TransformType::Projection, kamera);
        dev->SetRenderState(RenderState::ZEnable, 1);
        dev->SetRenderState(RenderState::Lighting, 1);
        Szene(a, zeichne);
        dev->SetTransform(TransformType::Projection, math3d::Identity());
        dev->SetRenderState(RenderState::ZEnable, 0);
        dev->SetRenderState(RenderState::Lighting, 0);
        for (int i = 0; i < a.quads; ++i) zeichne(4, -0.9f + float(i % 35) * 0.05f, -0.9f + float(i / 35) * 0.05f);
        dev->EndScene();
        dev->Present();
        benchmark::DoNotOptimize(dev->ReadBackBuffer());
    }
}
BENCHMARK(BM_Geraet)->Arg(8)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
