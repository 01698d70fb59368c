// The town frame and the device measured against plain OpenGL, offscreen at 1024 x 768 on llvmpipe.
// - BM_StadtFrame: the game's whole town frame (tests/e2e/stadt_nacht.h: town 0 at night in the rain,
//   60 figures, every effect on), each frame followed by its reference: a plain OpenGL program that
//   draws the same frame naively, one draw per pass with a trivial shader but the same triangles,
//   blending, depth, render-target round trips and read-back. Their ratio is what the game's own
//   drawing costs beyond the pixel work of the picture.
// - BM_GeraetFest against BM_MassstabFest: a fixed workload of many small draws with little pixel
//   work, through the device and through a plain OpenGL program (8 point lights per vertex, alpha
//   test, one draw call each): what the device adds per draw.
// Run it with all cores and with two (taskset -c 0,1 with LP_NUM_THREADS=2); scripts/bench runs it
// from the game's data folder. VELQUOR_BENCH_PNG=<file> saves the recorded frame as a picture.
#include <SDL.h>
#define GL_GLEXT_PROTOTYPES 1
#include <GL/glcorearb.h>
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <map>
#include <memory>
#include <vector>

#include "bench/median.h"
#include "framework/frame.h"
#include "framework/myapp.h"
#include "framework/shell.h"
#include "platform/gfx.h"
#include "platform/gfx_state.h"
#include "platform/image.h"
#include "world/new_game.h"
#include "world/records.h"
#include "world/stadt.h"
#include "tests/e2e/stadt_nacht.h"

namespace {

// One draw of the fixed workload: its triangles, and whether it is 3D (lit, depth-tested) or 2D.
struct Zug {
    int dreiecke;
    bool raum;
};

// The fixed workload: 1600 floor quads, 400 object meshes of 200 triangles, 540 figure parts of 100,
// 300 plants of 50, 700 2D quads.
std::vector<Zug> FesteArbeit()
{
    std::vector<Zug> z;
    z.insert(z.end(), 1600, {2, true});
    z.insert(z.end(), 400, {200, true});
    z.insert(z.end(), 540, {100, true});
    z.insert(z.end(), 300, {50, true});
    z.insert(z.end(), 700, {2, false});
    return z;
}

// A fan of triangles around the origin, 8 floats a corner; 2D ones are glyph-sized.
std::vector<float> Faecher(int dreiecke, bool raum)
{
    const float groesse = raum ? (dreiecke <= 2 ? 15.0f : 12.0f) : 0.02f;
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

// Where draw n of the workload stands: 3D ones spread over a 400 x 400 area, 2D ones over the screen.
void Platz(size_t n, bool raum, float& x, float& z)
{
    x = raum ? float(n % 40) * 10.f : -0.9f + float(n % 35) * 0.05f;
    z = raum ? float(n / 40 % 40) * 10.f : -0.9f + float(n / 35 % 35) * 0.05f;
}

// The camera both draw the fixed workload with: a rough look down on the area (column-major for
// OpenGL, the same floats as a row-vector matrix for the device).
constexpr float kKamera[16] = {1.2f, 0, 0, 0, 0, 0.9f, -0.4f, 0.4f, 0, 0.9f, 0.5f, -0.5f, -240, -120, 200, 200};

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

// The yardstick: plain OpenGL, nothing but the draws of the list.
void Massstab(benchmark::State& state, const std::vector<Zug>& arbeit)
{
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
    std::map<std::pair<int, bool>, GLuint> netze;  // one buffer per size and kind
    for (const Zug& z : arbeit) {
        GLuint& vbo = netze[{z.dreiecke, z.raum}];
        if (vbo) continue;
        const std::vector<float> d = Faecher(z.dreiecke, z.raum);
        glGenBuffers(1, &vbo);
        glBindBuffer(GL_ARRAY_BUFFER, vbo);
        glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(d.size() * 4), d.data(), GL_STATIC_DRAW);
    }
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
    const float eins[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    std::vector<uint8_t> bild(size_t(1024) * 768 * 4);
    auto bildZeichnen = [&] {
        glViewport(0, 0, 1024, 768);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        bool raum = false;
        for (size_t n = 0; n < arbeit.size(); ++n) {
            const Zug& z = arbeit[n];
            if (n == 0 || z.raum != raum) {
                raum = z.raum;
                glUniformMatrix4fv(mvp, 1, GL_FALSE, raum ? kKamera : eins);
                raum ? glEnable(GL_DEPTH_TEST) : glDisable(GL_DEPTH_TEST);
            }
            float x, zz;
            Platz(n, raum, x, zz);
            const float w[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, x, 0, zz, 1};
            glUniformMatrix4fv(world, 1, GL_FALSE, w);
            glBindBuffer(GL_ARRAY_BUFFER, netze[{z.dreiecke, z.raum}]);
            glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, 32, nullptr);
            glVertexAttribPointer(1, 3, GL_FLOAT, GL_FALSE, 32, reinterpret_cast<void*>(12));
            glVertexAttribPointer(2, 2, GL_FLOAT, GL_FALSE, 32, reinterpret_cast<void*>(24));
            glDrawArrays(GL_TRIANGLES, 0, z.dreiecke * 3);
        }
        glBindFramebuffer(GL_READ_FRAMEBUFFER, fbo);
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
        glBlitFramebuffer(0, 0, 1024, 768, 0, 0, 1024, 768, GL_COLOR_BUFFER_BIT, GL_NEAREST);
        glBindFramebuffer(GL_FRAMEBUFFER, fbo);
        SDL_GL_SwapWindow(win);
        // Read the frame back as the device's benchmarks do, so each iteration is one finished frame.
        glBindFramebuffer(GL_READ_FRAMEBUFFER, fbo);
        glReadPixels(0, 0, 1024, 768, GL_RGBA, GL_UNSIGNED_BYTE, bild.data());
        benchmark::DoNotOptimize(bild.data());
    };
    for (int i = 0; i < 10; ++i) bildZeichnen();  // llvmpipe compiles its shader variants at first use
    for (auto _ : state) bildZeichnen();
    size_t dreiecke = 0;
    for (const Zug& z : arbeit) dreiecke += size_t(z.dreiecke);
    state.counters["draws"] = double(arbeit.size());
    state.counters["triangles"] = double(dreiecke);
    SDL_GL_DeleteContext(ctx);
    SDL_DestroyWindow(win);
}

// The game's device, passing every call on. While it records, it also writes down what one frame
// drew, as the plain-GL reference draws it: each run of draws with the same target and pixel state
// (blending, alpha test, depth, culling, filter) becomes one draw of all their triangles, already
// transformed to clip space, with the run's first texture; clears stay where they were.
class Mitschnitt : public gfx::Device {
public:
    explicit Mitschnitt(std::unique_ptr<gfx::Device> d) : d_(std::move(d)) {}

    struct Ecke {
        float x, y, z, w, u, v, a;  // clip position, texture coordinate, the material's alpha
    };
    // One pass of the reference: a clear (anzahl 0) or a draw of the corners erste.. erste+anzahl-1.
    struct Schritt {
        gfx::Texture ziel = 0;  // 0 = back buffer
        uint32_t loeschen = 0, farbe = 0;
        float tiefe = 1;
        uint32_t zustand[8] = {};  // blend on, src, dest, alpha function (0: none), ref, z test, z write, cull
        uint32_t filter = 0;
        gfx::Texture textur = 0;
        size_t erste = 0, anzahl = 0;
    };
    struct Bild {
        int breite = 0, hoehe = 0;
        std::vector<uint8_t> rgba;  // empty for a render target
        gfx::Format format = gfx::Format::R5G6B5;
    };

    bool aufnehmen = false;
    size_t zuege = 0;  // the draws of the last frame
    bool netz = false;  // whether they drew a mesh
    std::vector<Schritt> schritte;
    std::vector<Ecke> ecken;
    std::map<gfx::Texture, Bild> bilder;

    gfx::Texture CreateTexture(int w, int h, const uint8_t* rgba) override
    {
        const gfx::Texture t = d_->CreateTexture(w, h, rgba);
        if (t) bilder[t] = {w, h, std::vector<uint8_t>(rgba, rgba + size_t(w) * size_t(h) * 4)};
        return t;
    }
    gfx::Texture CreateRenderTarget(int w, int h, gfx::Format f) override
    {
        const gfx::Texture t = d_->CreateRenderTarget(w, h, f);
        if (t) bilder[t] = {w, h, {}, f};
        return t;
    }
    void UpdateTexture(gfx::Texture t, const uint8_t* rgba) override
    {
        auto it = bilder.find(t);
        if (it != bilder.end() && !it->second.rgba.empty() && rgba)
            std::copy(rgba, rgba + it->second.rgba.size(), it->second.rgba.begin());
        d_->UpdateTexture(t, rgba);
    }
    void ReleaseTexture(gfx::Texture t) override
    {
        bilder.erase(t);
        d_->ReleaseTexture(t);
    }
    bool TextureSize(gfx::Texture t, int& w, int& h) const override { return d_->TextureSize(t, w, h); }
    gfx::VertexBuffer CreateVertexBuffer(const gfx::Vertex* v, size_t n) override
    {
        const gfx::VertexBuffer b = d_->CreateVertexBuffer(v, n);
        if (b) puffer_[b].assign(v, v + n);
        return b;
    }
    void UpdateVertexBuffer(gfx::VertexBuffer b, const gfx::Vertex* v, size_t n) override
    {
        auto it = puffer_.find(b);
        if (it != puffer_.end() && v) std::copy(v, v + std::min(n, it->second.size()), it->second.begin());
        d_->UpdateVertexBuffer(b, v, n);
    }
    void ReleaseVertexBuffer(gfx::VertexBuffer b) override
    {
        puffer_.erase(b);
        d_->ReleaseVertexBuffer(b);
    }
    gfx::Mesh CreateMesh(const gfx::MeshData& data) override
    {
        const gfx::Mesh m = d_->CreateMesh(data);
        if (m) netze_[m] = {data.vertices, data.indices, data.subsets};
        return m;
    }
    void ReleaseMesh(gfx::Mesh m) override
    {
        netze_.erase(m);
        d_->ReleaseMesh(m);
    }
    uint32_t SubsetCount(gfx::Mesh m) const override { return d_->SubsetCount(m); }
    void SetRenderState(gfx::RenderState s, uint32_t v) override
    {
        z_.Set(s, v);
        d_->SetRenderState(s, v);
    }
    uint32_t GetRenderState(gfx::RenderState s) const override { return d_->GetRenderState(s); }
    void SetStageState(gfx::StageState s, uint32_t v) override { d_->SetStageState(s, v); }
    void SetSamplerState(gfx::SamplerState s, uint32_t v) override
    {
        z_.Set(s, v);
        d_->SetSamplerState(s, v);
    }
    void SetTransform(gfx::TransformType t, const math3d::Matrix& m) override
    {
        z_.Set(t, m);
        d_->SetTransform(t, m);
    }
    math3d::Matrix GetTransform(gfx::TransformType t) const override { return d_->GetTransform(t); }
    void SetMaterial(const gfx::Material& m) override
    {
        z_.material = m;
        d_->SetMaterial(m);
    }
    void SetLight(uint32_t i, const gfx::Light& l) override { d_->SetLight(i, l); }
    void LightEnable(uint32_t i, bool on) override { d_->LightEnable(i, on); }
    void SetTexture(gfx::Texture t) override
    {
        z_.texture = t;
        d_->SetTexture(t);
    }
    void SetRenderTarget(gfx::Texture t) override
    {
        d_->SetRenderTarget(t);
        if (t == 0 || bilder.count(t)) z_.renderTarget = t;
    }
    // The reference draws naively: it clears and multiplies the whole layer.
    void SetScissorRect(const gfx::Rect& r) override { d_->SetScissorRect(r); }
    void SetStreamSource(gfx::VertexBuffer b) override
    {
        z_.streamSource = b;
        d_->SetStreamSource(b);
    }
    void Clear(uint32_t flags, uint32_t argb, float z) override
    {
        if (aufnehmen) {
            Schritt s;
            s.ziel = z_.renderTarget;
            s.loeschen = flags;
            s.farbe = argb;
            s.tiefe = z;
            schritte.push_back(s);
        }
        d_->Clear(flags, argb, z);
    }
    void BeginScene() override { d_->BeginScene(); }
    void EndScene() override { d_->EndScene(); }
    bool Present() override { return d_->Present(); }
    void DrawPrimitive(gfx::Primitive type, uint32_t start, uint32_t count) override
    {
        ++zuege;
        auto it = puffer_.find(z_.streamSource);
        if (aufnehmen && it != puffer_.end() && start + gfx::VerticesOfPrimitives(type, count) <= it->second.size()) {
            std::vector<uint32_t> idx;
            for (uint32_t k = 0; k < count; ++k) {
                const uint32_t a = type == gfx::Primitive::TriangleList ? 3 * k : k;
                // A strip's odd triangles keep their winding with their first two corners swapped.
                const bool tausch = type == gfx::Primitive::TriangleStrip && (k & 1);
                idx.insert(idx.end(), {start + a + (tausch ? 1 : 0), start + a + (tausch ? 0 : 1), start + a + 2});
            }
            Aufnehmen(it->second, idx);
        }
        d_->DrawPrimitive(type, start, count);
    }
    void DrawSubset(gfx::Mesh m, uint32_t subset) override
    {
        ++zuege;
        Merken(m, subset);
        d_->DrawSubset(m, subset);
    }
    // The reference draws the instances' triangles as they are, one after the other.
    void DrawSubsetInstanced(gfx::Mesh m, uint32_t subset, const math3d::Matrix* welten, uint32_t n) override
    {
        ++zuege;
        for (uint32_t i = 0; i < n; ++i) {
            z_.Set(gfx::TransformType::World, welten[i]);
            Merken(m, subset);
        }
        d_->DrawSubsetInstanced(m, subset, welten, n);
    }
    std::vector<uint8_t> ReadBackBuffer() override { return d_->ReadBackBuffer(); }

private:
    void Merken(gfx::Mesh m, uint32_t subset)
    {
        auto it = netze_.find(m);
        if (it == netze_.end() || subset >= it->second.subsets.size()) return;
        netz = true;
        if (!aufnehmen) return;
        const gfx::MeshSubset& t = it->second.subsets[subset];
        Aufnehmen(it->second.vertices, std::vector<uint32_t>(it->second.indices.begin() + t.firstIndex,
                                                             it->second.indices.begin() + t.firstIndex + t.indexCount));
    }
    void Aufnehmen(const std::vector<gfx::Vertex>& v, const std::vector<uint32_t>& idx)
    {
        using gfx::RenderState;
        Schritt s;
        s.ziel = z_.renderTarget;
        const uint32_t test = z_.Get(RenderState::AlphaTestEnable) ? z_.Get(RenderState::AlphaFunc) : 0;
        const bool mischen = z_.Get(RenderState::AlphaBlendEnable) != 0;
        const uint32_t zustand[8] = {mischen,
                                     mischen ? z_.Get(RenderState::SrcBlend) : 0,
                                     mischen ? z_.Get(RenderState::DestBlend) : 0,
                                     test,
                                     test ? z_.Get(RenderState::AlphaRef) & 0xff : 0,
                                     z_.Get(RenderState::ZEnable),
                                     z_.Get(RenderState::ZWriteEnable),
                                     z_.Get(RenderState::CullMode)};
        std::copy(std::begin(zustand), std::end(zustand), s.zustand);
        s.filter = z_.Get(gfx::SamplerState::MagFilter);
        s.textur = z_.texture;
        const bool weiter = !schritte.empty() && schritte.back().anzahl > 0 && schritte.back().ziel == s.ziel &&
                            std::equal(std::begin(zustand), std::end(zustand), schritte.back().zustand) &&
                            schritte.back().filter == s.filter;
        if (!weiter) {
            s.erste = ecken.size();
            schritte.push_back(s);
        }
        int breite = gfx::kScreenWidth, hoehe = gfx::kScreenHeight;
        if (auto it = bilder.find(z_.renderTarget); it != bilder.end()) breite = it->second.breite, hoehe = it->second.hoehe;
        const math3d::Matrix m = math3d::Multiply(math3d::Multiply(z_.Get(gfx::TransformType::World),
                                                                   z_.Get(gfx::TransformType::View)),
                                                  z_.Get(gfx::TransformType::Projection));
        const float alpha = z_.Get(RenderState::Lighting) ? z_.material.diffuse.a : 1.0f;
        for (uint32_t i : idx) {
            const gfx::Vertex& p = v[i];
            math3d::Vec4 c = math3d::Transform({p.x, p.y, p.z}, m);
            // The device's half-pixel shift, so the reference covers the same pixels.
            c.x += c.w / float(breite);
            c.y -= c.w / float(hoehe);
            ecken.push_back({c.x, c.y, c.z, c.w, p.u, p.v, alpha});
        }
        schritte.back().anzahl += idx.size();
    }

    struct Netz {
        std::vector<gfx::Vertex> vertices;
        std::vector<uint32_t> indices;
        std::vector<gfx::MeshSubset> subsets;
    };
    std::unique_ptr<gfx::Device> d_;
    gfx::DeviceState z_;
    std::map<gfx::VertexBuffer, std::vector<gfx::Vertex>> puffer_;
    std::map<gfx::Mesh, Netz> netze_;
};

const char* kReferenzVs = R"(#version 450 core
layout(location = 0) in vec4 pos; layout(location = 1) in vec2 uv; layout(location = 2) in float a;
out vec2 t; out float alpha;
void main(){ t = uv; alpha = a; gl_Position = pos; })";
const char* kReferenzFs = R"(#version 450 core
uniform sampler2D tex; uniform float ref; uniform bool test; in vec2 t; in float alpha; out vec4 f;
void main(){ vec4 c = texture(tex, t); c.a *= alpha; if (test && c.a < ref) discard; f = c; })";

// The town frame drawn naively by a plain OpenGL program of its own context: per pass of the
// recorded frame one draw of the same triangles with the same blending, depth and culling into the
// same targets (the shadow layers cleared, drawn into and multiplied back), a shader that only
// samples the pass's first texture and alpha-tests it (greater-or-equal, the game's only test), the
// frame copied into the window and read back.
class Referenz {
public:
    bool Anlegen(const Mitschnitt& m, std::string& fehler)
    {
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 4);
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 5);
        fenster_ = SDL_CreateWindow("r", 0, 0, 1024, 768, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
        kontext_ = fenster_ ? SDL_GL_CreateContext(fenster_) : nullptr;
        if (!kontext_) {
            fehler = "no OpenGL 4.5 context";
            return false;
        }
        SDL_GL_MakeCurrent(fenster_, kontext_);
        SDL_GL_SetSwapInterval(0);
        glClipControl(GL_UPPER_LEFT, GL_ZERO_TO_ONE);
        glFrontFace(GL_CW);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        GLuint v = glCreateShader(GL_VERTEX_SHADER), f = glCreateShader(GL_FRAGMENT_SHADER);
        glShaderSource(v, 1, &kReferenzVs, nullptr);
        glCompileShader(v);
        glShaderSource(f, 1, &kReferenzFs, nullptr);
        glCompileShader(f);
        programm_ = glCreateProgram();
        glAttachShader(programm_, v);
        glAttachShader(programm_, f);
        glLinkProgram(programm_);
        glUseProgram(programm_);
        ref_ = glGetUniformLocation(programm_, "ref");
        test_ = glGetUniformLocation(programm_, "test");
        glGenVertexArrays(1, &vao_);
        glBindVertexArray(vao_);
        glGenBuffers(1, &vbo_);
        glBindBuffer(GL_ARRAY_BUFFER, vbo_);
        glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(m.ecken.size() * sizeof(Mitschnitt::Ecke)), m.ecken.data(),
                     GL_STATIC_DRAW);
        for (GLuint i = 0; i < 3; ++i) glEnableVertexAttribArray(i);
        const GLsizei schritt = sizeof(Mitschnitt::Ecke);
        glVertexAttribPointer(0, 4, GL_FLOAT, GL_FALSE, schritt, nullptr);
        glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, schritt, reinterpret_cast<void*>(16));
        glVertexAttribPointer(2, 1, GL_FLOAT, GL_FALSE, schritt, reinterpret_cast<void*>(24));
        ziele_[0] = NeuesZiel(1024, 768, GL_RGBA8);
        const uint8_t weiss[4] = {255, 255, 255, 255};
        weiss_ = Textur(1, 1, weiss);
        for (const Mitschnitt::Schritt& s : m.schritte) {
            for (gfx::Texture t : {s.ziel, s.textur}) {
                auto it = m.bilder.find(t);
                if (t == 0 || it == m.bilder.end() || ziele_.count(t) || texturen_.count(t)) continue;
                const Mitschnitt::Bild& b = it->second;
                if (b.rgba.empty())
                    ziele_[t] = NeuesZiel(b.breite, b.hoehe, b.format == gfx::Format::R5G6B5 ? GL_RGB565 : GL_RGBA8);
                else
                    texturen_[t] = Textur(b.breite, b.hoehe, b.rgba.data());
            }
        }
        schritte_ = m.schritte;
        bild_.resize(size_t(1024) * 768 * 4);
        return glGetError() == GL_NO_ERROR;
    }

    ~Referenz()
    {
        if (kontext_) SDL_GL_DeleteContext(kontext_);
        if (fenster_) SDL_DestroyWindow(fenster_);
    }

    void MachAktuell() { SDL_GL_MakeCurrent(fenster_, kontext_); }

    void Zeichnen()
    {
        for (const Mitschnitt::Schritt& s : schritte_) {
            const Ziel& z = ziele_.count(s.ziel) ? ziele_[s.ziel] : ziele_[0];
            glBindFramebuffer(GL_FRAMEBUFFER, z.fbo);
            glViewport(0, 0, z.breite, z.hoehe);
            if (s.anzahl == 0) {
                GLbitfield maske = 0;
                if (s.loeschen & gfx::clear::Target) {
                    glClearColor(float(s.farbe >> 16 & 0xff) / 255.f, float(s.farbe >> 8 & 0xff) / 255.f,
                                 float(s.farbe & 0xff) / 255.f, float(s.farbe >> 24) / 255.f);
                    maske |= GL_COLOR_BUFFER_BIT;
                }
                if (s.loeschen & gfx::clear::ZBuffer) {
                    glClearDepth(s.tiefe);
                    glDepthMask(GL_TRUE);
                    maske |= GL_DEPTH_BUFFER_BIT;
                }
                glClear(maske);
                continue;
            }
            const uint32_t* st = s.zustand;
            if (st[0]) {
                glEnable(GL_BLEND);
                glBlendFunc(Faktor(st[1]), Faktor(st[2]));
            } else {
                glDisable(GL_BLEND);
            }
            glUniform1i(test_, st[3] != 0);
            glUniform1f(ref_, float(st[4]) / 255.0f);
            st[5] ? glEnable(GL_DEPTH_TEST) : glDisable(GL_DEPTH_TEST);
            glDepthFunc(GL_LEQUAL);
            glDepthMask(st[6] ? GL_TRUE : GL_FALSE);
            if (st[7] == gfx::cull::CW || st[7] == gfx::cull::CCW) {
                glEnable(GL_CULL_FACE);
                glCullFace(st[7] == gfx::cull::CCW ? GL_BACK : GL_FRONT);
            } else {
                glDisable(GL_CULL_FACE);
            }
            GLuint tex = weiss_;
            if (auto it = texturen_.find(s.textur); it != texturen_.end()) tex = it->second;
            if (auto it = ziele_.find(s.textur); s.textur != 0 && it != ziele_.end()) tex = it->second.textur;
            glBindTexture(GL_TEXTURE_2D, tex);
            const GLint filter = s.filter == gfx::filter::Point ? GL_NEAREST : GL_LINEAR;
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
            glDrawArrays(GL_TRIANGLES, GLint(s.erste), GLsizei(s.anzahl));
        }
        glBindFramebuffer(GL_READ_FRAMEBUFFER, ziele_[0].fbo);
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
        glBlitFramebuffer(0, 0, 1024, 768, 0, 768, 1024, 0, GL_COLOR_BUFFER_BIT, GL_NEAREST);
        SDL_GL_SwapWindow(fenster_);
        glBindFramebuffer(GL_READ_FRAMEBUFFER, ziele_[0].fbo);
        glReadPixels(0, 0, 1024, 768, GL_RGBA, GL_UNSIGNED_BYTE, bild_.data());
        benchmark::DoNotOptimize(bild_.data());
    }

    size_t Zuege() const
    {
        return size_t(std::count_if(schritte_.begin(), schritte_.end(), [](const auto& s) { return s.anzahl > 0; }));
    }

private:
    struct Ziel {
        GLuint fbo = 0, textur = 0, tiefe = 0;
        int breite = 0, hoehe = 0;
    };
    static Ziel NeuesZiel(int breite, int hoehe, GLenum format)
    {
        Ziel z;
        z.breite = breite;
        z.hoehe = hoehe;
        glCreateTextures(GL_TEXTURE_2D, 1, &z.textur);
        glTextureStorage2D(z.textur, 1, format, breite, hoehe);
        if (format != GL_RGBA8) glTextureParameteri(z.textur, GL_TEXTURE_SWIZZLE_A, GL_ONE);
        glCreateRenderbuffers(1, &z.tiefe);
        glNamedRenderbufferStorage(z.tiefe, GL_DEPTH_COMPONENT24, breite, hoehe);
        glCreateFramebuffers(1, &z.fbo);
        glNamedFramebufferTexture(z.fbo, GL_COLOR_ATTACHMENT0, z.textur, 0);
        glNamedFramebufferRenderbuffer(z.fbo, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, z.tiefe);
        return z;
    }
    static GLuint Textur(int breite, int hoehe, const uint8_t* rgba)
    {
        GLuint t;
        glCreateTextures(GL_TEXTURE_2D, 1, &t);
        glTextureStorage2D(t, 1, GL_RGBA8, breite, hoehe);
        glTextureSubImage2D(t, 0, 0, 0, breite, hoehe, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
        return t;
    }
    static GLenum Faktor(uint32_t b)
    {
        switch (b) {
        case gfx::blend::Zero: return GL_ZERO;
        case gfx::blend::SrcColor: return GL_SRC_COLOR;
        case gfx::blend::InvSrcColor: return GL_ONE_MINUS_SRC_COLOR;
        case gfx::blend::SrcAlpha: return GL_SRC_ALPHA;
        case gfx::blend::InvSrcAlpha: return GL_ONE_MINUS_SRC_ALPHA;
        case gfx::blend::DestColor: return GL_DST_COLOR;
        case gfx::blend::InvDestColor: return GL_ONE_MINUS_DST_COLOR;
        }
        return GL_ONE;
    }

    SDL_Window* fenster_ = nullptr;
    SDL_GLContext kontext_ = nullptr;
    GLuint programm_ = 0, vao_ = 0, vbo_ = 0, weiss_ = 0;
    GLint ref_ = -1, test_ = -1;
    std::map<gfx::Texture, Ziel> ziele_;  // 0: the frame
    std::map<gfx::Texture, GLuint> texturen_;
    std::vector<Mitschnitt::Schritt> schritte_;
    std::vector<uint8_t> bild_;
};

double ThreadCpuSekunden()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// The game's town frame as the player sees it at night in the rain (tests/e2e/stadt_nacht.h),
// interleaved with its plain-GL reference: each iteration times one game frame (drawn, presented,
// read back), then one reference frame in the reference's own context. The reported time is the
// game frame's; referenz_ms is the reference's median, verhaeltnis the ratio of the medians, and
// lesen_ms what reading the finished frame back once more costs alone.
// Runs from the game's data folder.
void BM_StadtFrame(benchmark::State& state)
{
    namespace fs = std::filesystem;
    if (!fs::exists("Data/Pack3.gzp")) {
        state.SkipWithError("run from the game's data folder (build/game)");
        return;
    }
    Mitschnitt* mitschnitt = nullptr;
    ShellOptions optionen;
    optionen.workDir = fs::current_path().string();
    optionen.lockPath = (fs::temp_directory_path() / ("velquor_bench_" + std::to_string(getpid()))).string();
    optionen.playIntro = false;
    optionen.makeDevice = [&](std::string& fehler) -> std::unique_ptr<gfx::Device> {
        auto gl = gfx::CreateGLDevice(nullptr, fehler);
        if (!gl) return nullptr;
        auto m = std::make_unique<Mitschnitt>(std::move(gl));
        mitschnitt = m.get();
        return m;
    };
    if (!StarteProgramm(optionen) || !mitschnitt) {
        state.SkipWithError("the game did not start");
        return;
    }
    for (int i = 0; i < 2 && BeendenFlag == 0; ++i) FrameSchritt();  // the loading sequence
    if (SpielModus != 3000) {
        state.SkipWithError("the loading sequence did not reach the main menu");
        BeendeProgramm();
        return;
    }
    if (!StarteStadtNull()) {
        state.SkipWithError("no new game in town 0");
        BeendeProgramm();
        return;
    }
    SDL_Window* spielFenster = SDL_GL_GetCurrentWindow();
    SDL_GLContext spielKontext = SDL_GL_GetCurrentContext();
    StadtNacht szene;
    szene.Einrichten();
    // llvmpipe compiles a shader variant for each new combination of program and state at its first
    // use, which takes several dozen frames of this picture; the measured ones find them all made.
    for (int i = 0; i < 100; ++i) {
        szene.Festhalten();
        FrameSchritt();
    }
    mitschnitt->zuege = 0;
    mitschnitt->aufnehmen = true;
    szene.Festhalten();
    FrameSchritt();
    mitschnitt->aufnehmen = false;
    const size_t ersteZuege = mitschnitt->zuege;
    if (!mitschnitt->netz) {
        state.SkipWithError("the town frame drew no mesh");
        BeendeProgramm();
        return;
    }
    if (const char* pfad = std::getenv("VELQUOR_BENCH_PNG")) {  // one frame to look at
        image::Image bild{1024, 768, MyApp.m_pd3dDevice->ReadBackBuffer()};
        std::string fehler;
        image::SavePng(pfad, bild, fehler);
    }
    Referenz referenz;
    std::string fehler;
    if (!referenz.Anlegen(*mitschnitt, fehler)) {
        state.SkipWithError(fehler.c_str());
        SDL_GL_MakeCurrent(spielFenster, spielKontext);
        BeendeProgramm();
        return;
    }
    for (int i = 0; i < 10; ++i) referenz.Zeichnen();  // its shader variants made before timing
    SDL_GL_MakeCurrent(spielFenster, spielKontext);
    using Uhr = std::chrono::steady_clock;
    std::vector<double> spiel, ref, lesen, spielCpu, refCpu;
    for (auto _ : state) {
        mitschnitt->zuege = 0;
        const auto t0 = Uhr::now();
        const double c0 = ThreadCpuSekunden();
        szene.Festhalten();
        FrameSchritt();
        benchmark::DoNotOptimize(MyApp.m_pd3dDevice->ReadBackBuffer());
        const auto t1 = Uhr::now();
        spielCpu.push_back(ThreadCpuSekunden() - c0);
        benchmark::DoNotOptimize(MyApp.m_pd3dDevice->ReadBackBuffer());  // the finished frame once more
        lesen.push_back(std::chrono::duration<double>(Uhr::now() - t1).count());
        referenz.MachAktuell();
        const auto t2 = Uhr::now();
        const double c2 = ThreadCpuSekunden();
        referenz.Zeichnen();
        const auto t3 = Uhr::now();
        refCpu.push_back(ThreadCpuSekunden() - c2);
        SDL_GL_MakeCurrent(spielFenster, spielKontext);
        spiel.push_back(std::chrono::duration<double>(t1 - t0).count());
        ref.push_back(std::chrono::duration<double>(t3 - t2).count());
        state.SetIterationTime(spiel.back());
        // The whole town every time: a frame with far fewer or more draws than the first is not it.
        if (mitschnitt->zuege * 5 < ersteZuege * 4 || mitschnitt->zuege * 5 > ersteZuege * 6) {
            state.SkipWithError("the frame no longer draws the town it drew at first");
            break;
        }
    }
    size_t dreiecke = 0;
    for (const Mitschnitt::Schritt& s : mitschnitt->schritte) dreiecke += s.anzahl / 3;
    state.counters["draws"] = double(ersteZuege);
    state.counters["triangles"] = double(dreiecke);
    state.counters["persons"] = double(StadtNacht::Personen());
    state.counters["referenz_draws"] = double(referenz.Zuege());
    state.counters["spiel_ms"] = Median(spiel) * 1e3;
    state.counters["referenz_ms"] = Median(ref) * 1e3;
    state.counters["lesen_ms"] = Median(lesen) * 1e3;
    // The calling thread's own CPU time: llvmpipe shades vertices and sorts triangles into tiles there,
    // and waits while its rasteriser threads draw them.
    state.counters["spiel_hauptfaden_ms"] = Median(spielCpu) * 1e3;
    state.counters["referenz_hauptfaden_ms"] = Median(refCpu) * 1e3;
    state.counters["verhaeltnis"] = Median(ref) > 0 ? Median(spiel) / Median(ref) : 0;
    BeendeProgramm();
}
BENCHMARK(BM_StadtFrame)->Unit(benchmark::kMillisecond)->UseManualTime();

// The fixed workload through the game's device: the same meshes and transforms, point lights of range
// 100 attenuated 1 + 0.01 d (as many as the argument: 8 as the yardstick has, 2 as the game's light
// selection mostly leaves on, the sun and one fire), texture, alpha test and blending; the 2D quads
// unlit as the game draws them.
void BM_GeraetFest(benchmark::State& state)
{
    using namespace gfx;
    const std::vector<Zug> arbeit = FesteArbeit();
    std::string fehler;
    auto dev = CreateGLDevice(nullptr, fehler);
    if (!dev) {
        state.SkipWithError(fehler.c_str());
        return;
    }
    std::map<std::pair<int, bool>, Mesh> netze;
    for (const Zug& z : arbeit) {
        Mesh& m = netze[{z.dreiecke, z.raum}];
        if (m) continue;
        const std::vector<float> d = Faecher(z.dreiecke, z.raum);
        MeshData data;
        for (size_t i = 0; i < d.size(); i += 8) {
            data.vertices.push_back({d[i], d[i + 1], d[i + 2], d[i + 3], d[i + 4], d[i + 5], d[i + 6], d[i + 7]});
            data.indices.push_back(uint32_t(data.indices.size()));
        }
        data.subsets.push_back({0, uint32_t(data.indices.size())});
        data.materials.resize(1);
        m = dev->CreateMesh(data);
    }
    std::vector<uint8_t> px(64 * 64 * 4);
    for (size_t i = 0; i < px.size(); i += 4) px[i] = 0xa0, px[i + 1] = 0xc0, px[i + 2] = 0x80, px[i + 3] = 0xff;
    dev->SetTexture(dev->CreateTexture(64, 64, px.data()));
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
    dev->SetSamplerState(SamplerState::MinFilter, filter::Linear);
    dev->SetSamplerState(SamplerState::MagFilter, filter::Linear);
    dev->SetRenderState(RenderState::AlphaBlendEnable, 1);
    dev->SetRenderState(RenderState::SrcBlend, blend::SrcAlpha);
    dev->SetRenderState(RenderState::DestBlend, blend::InvSrcAlpha);
    dev->SetRenderState(RenderState::AlphaTestEnable, 1);
    dev->SetRenderState(RenderState::AlphaRef, 8);
    dev->SetRenderState(RenderState::AlphaFunc, cmp::GreaterEqual);
    dev->SetRenderState(RenderState::CullMode, cull::None);
    dev->SetTransform(TransformType::View, math3d::Identity());
    math3d::Matrix kamera;
    for (int i = 0; i < 16; ++i) kamera.m[i / 4][i % 4] = kKamera[i];
    auto bildZeichnen = [&] {
        dev->Clear(clear::Target | clear::ZBuffer, 0xff000000, 1.0f);
        dev->BeginScene();
        for (size_t n = 0; n < arbeit.size(); ++n) {
            const Zug& z = arbeit[n];
            if (n == 0 || z.raum != arbeit[n - 1].raum) {
                dev->SetTransform(TransformType::Projection, z.raum ? kamera : math3d::Identity());
                dev->SetRenderState(RenderState::ZEnable, z.raum ? 1 : 0);
                dev->SetRenderState(RenderState::Lighting, z.raum ? 1 : 0);
            }
            float x, zz;
            Platz(n, z.raum, x, zz);
            dev->SetTransform(TransformType::World, math3d::Translation(x, 0, zz));
            dev->DrawSubset(netze[{z.dreiecke, z.raum}], 0);
        }
        dev->EndScene();
        dev->Present();
        benchmark::DoNotOptimize(dev->ReadBackBuffer());
    };
    for (int i = 0; i < 10; ++i) bildZeichnen();  // llvmpipe compiles its shader variants at first use
    for (auto _ : state) bildZeichnen();
}
BENCHMARK(BM_GeraetFest)->Arg(8)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_MassstabFest(benchmark::State& state) { Massstab(state, FesteArbeit()); }
BENCHMARK(BM_MassstabFest)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
