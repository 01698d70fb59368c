// The drawing device on OpenGL 4.5 core. Direct3D 9's rules are kept as follows:
// - glClipControl(UPPER_LEFT, ZERO_TO_ONE): depth 0..1, and row 0 of every framebuffer and texture is the
//   top row of the picture, so textures upload top row first and render targets sample upright.
// - Pixel centres: Direct3D puts pixel x's centre at x, OpenGL at x + 0.5; the vertex shader moves every
//   vertex half a pixel right and down (in the current target's pixels).
// - Matrices are Direct3D's row-vector ones, uploaded as they are: GLSL reads them transposed, so
//   M * v in the shader is v * M in Direct3D.
// - Fixed-function lighting, texture stage 0 and the alpha test run in GLSL programs made for the
//   state they draw with (see ProgramKey).
// - Everything is drawn into one persistent 1024 x 768 framebuffer; Present scales a copy into the window.
#include <SDL.h>
#define GL_GLEXT_PROTOTYPES 1
#include <GL/glcorearb.h>

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <unordered_map>
#include <vector>

#include "platform/gfx.h"
#include "platform/gfx_state.h"
#include "platform/window.h"

namespace gfx {
namespace {

const char* kVertexShader = R"(
layout(location = 0) in vec3 aPosition;
layout(location = 1) in vec3 aNormal;
layout(location = 2) in vec2 aTexCoord;
#if INSTANCED
// One world matrix and its normal matrix per instance, laid out as the uniforms are.
layout(location = 3) in mat4 aWorld;
layout(location = 7) in mat3 aNormalMatrix;
#define uWorld aWorld
#define uNormalMatrix aNormalMatrix
#else
uniform mat4 uWorld;
#endif
uniform mat4 uViewProj;
#if !INSTANCED
uniform mat3 uNormalMatrix;   // inverse transpose of the world matrix
#endif
uniform vec2 uPixelShift;     // half a pixel right and down, in clip units
uniform vec4 uGlobalAmbient;
uniform vec4 uMatDiffuse, uMatAmbient, uMatEmissive;
// The enabled lights, directional ones first, four vec4 each:
// directional: direction, diffuse, ambient, unused;
// point: position and range, diffuse, ambient, attenuation (constant, linear, quadratic).
uniform int uDirectionalCount, uPointCount;
uniform vec4 uLights[400];

out vec4 vDiffuse;
out vec2 vTexCoord;

// Without branches: llvmpipe runs the vertex shader on the CPU, where both sides of a branch cost
// as much as taking them. A vertex beyond the range gets nothing (factor 0).
void PointLight(int i, vec3 world, vec3 n, inout vec3 ambient, inout vec3 diffuse)
{
    vec4 position = uLights[4 * i];
    vec3 d = position.xyz - world;
    float dist = length(d);
    vec3 toLight = d / max(dist, 1e-30);  // 0 at the light itself
    vec3 a = uLights[4 * i + 3].xyz;
    float denom = a.x + a.y * dist + a.z * dist * dist;
    float att = (dist <= position.w ? 1.0 : 0.0) / (denom > 0.0 ? denom : 1.0);
    ambient += att * uLights[4 * i + 2].rgb;
    diffuse += att * uLights[4 * i + 1].rgb * max(dot(n, toLight), 0.0);
}

void main()
{
    vec4 world = uWorld * vec4(aPosition, 1.0);
    gl_Position = uViewProj * world;
    gl_Position.xy += uPixelShift * gl_Position.w;
    vTexCoord = aTexCoord;
#if !LIGHTING
    vDiffuse = vec4(1.0);  // the vertex format has no colour: Direct3D takes opaque white
#else
    // Direct3D does not normalise transformed normals unless asked to, and the game never asks.
    vec3 n = uNormalMatrix * aNormal;
    vec3 ambient = uGlobalAmbient.rgb;
    vec3 diffuse = vec3(0.0);
#if POINT_LIGHTS < 0
    for (int i = 0; i < uDirectionalCount; ++i) {
        vec3 toLight = normalize(-uLights[4 * i].xyz);
        ambient += uLights[4 * i + 2].rgb;
        diffuse += uLights[4 * i + 1].rgb * max(dot(n, toLight), 0.0);
    }
    for (int i = uDirectionalCount; i < uDirectionalCount + uPointCount; ++i) PointLight(i, world.xyz, n, ambient, diffuse);
#else
    // Written out, so every light is read from a known place.
#if POINT_LIGHTS > 0
    PointLight(0, world.xyz, n, ambient, diffuse);
#endif
#if POINT_LIGHTS > 1
    PointLight(1, world.xyz, n, ambient, diffuse);
#endif
#if POINT_LIGHTS > 2
    PointLight(2, world.xyz, n, ambient, diffuse);
    PointLight(3, world.xyz, n, ambient, diffuse);
#endif
#if POINT_LIGHTS > 4
    PointLight(4, world.xyz, n, ambient, diffuse);
    PointLight(5, world.xyz, n, ambient, diffuse);
    PointLight(6, world.xyz, n, ambient, diffuse);
    PointLight(7, world.xyz, n, ambient, diffuse);
#endif
#endif
    vec3 c = uMatAmbient.rgb * ambient + uMatDiffuse.rgb * diffuse + uMatEmissive.rgb;
    vDiffuse = clamp(vec4(c, uMatDiffuse.a), 0.0, 1.0);
#endif
}
)";

// The stage's operations and arguments, whether a texture is bound and the alpha test's function (0:
// no test) come as constants.
const char* kFragmentShader = R"(
in vec4 vDiffuse;
in vec2 vTexCoord;

uniform sampler2D uTexture;
uniform int uAlphaRef;

out vec4 fragColor;

// Stage 0: TEXTURE (2) is the texel, DIFFUSE (0) and CURRENT (1) the vertex colour.
vec4 arg(int a, vec4 texel) { return a == 2 ? texel : vDiffuse; }

// DISABLE (1) passes the vertex colour, SELECTARG1 (2), SELECTARG2 (3), MODULATE (4).
vec4 op(int o, vec4 a1, vec4 a2)
{
    if (o == 2) return a1;
    if (o == 3) return a2;
    if (o == 4) return a1 * a2;
    return vDiffuse;
}

bool passes(int f, int a, int ref)
{
    switch (f) {
    case 1: return false;
    case 2: return a < ref;
    case 3: return a == ref;
    case 4: return a <= ref;
    case 5: return a > ref;
    case 6: return a != ref;
    case 7: return a >= ref;
    }
    return true;
}

void main()
{
    // A stage with no texture reads opaque white, so untextured geometry shows its vertex colour.
#if HAS_TEXTURE
    vec4 texel = texture(uTexture, vTexCoord);
#else
    vec4 texel = vec4(1.0);
#endif
    vec3 rgb = op(COLOR_OP, arg(COLOR_ARG1, texel), arg(COLOR_ARG2, texel)).rgb;
    float a = op(ALPHA_OP, arg(ALPHA_ARG1, texel), arg(ALPHA_ARG2, texel)).a;
#if ALPHA_FUNC != 0
    if (!passes(ALPHA_FUNC, int(floor(clamp(a, 0.0, 1.0) * 255.0 + 0.5)), uAlphaRef)) discard;
#endif
    fragColor = vec4(rgb, a);
}
)";

// Lit programs by the point lights their vertex shader works through: a fixed 0, 1, 2, 4 or 8 (the
// loop unrolls, which llvmpipe runs several times faster than a loop over a uniform count), or any
// number with directional lights too (the last one).
constexpr int kFixedLights[] = {0, 1, 2, 4, 8};
constexpr int kGeneralLights = 5;
constexpr int kUnlit = 6;

// What a program is made for: its lighting (kUnlit, or an index into kFixedLights, kGeneralLights),
// whether a texture is bound, stage 0's operations and arguments as far as the shader tells them
// apart, and the alpha test's function (0: none). llvmpipe runs the vertex and pixel shaders on the
// CPU, where the same choices made from uniforms cost about half the frame's pixel work.
struct ProgramKey {
    uint32_t lights, texture, colorOp, colorArg1, colorArg2, alphaOp, alphaArg1, alphaArg2, alphaFunc;
    uint32_t instanced;  // the world matrices come per instance

    // The point lights the program is given: -1 all lights, directional ones first.
    int PointSlots() const
    {
        return lights == uint32_t(kGeneralLights) ? -1 : lights == uint32_t(kUnlit) ? 0 : kFixedLights[lights];
    }
    uint32_t Packed() const
    {
        auto t = [](uint32_t arg) { return arg == targ::Texture ? 1u : 0u; };
        return lights | texture << 3 | colorOp << 4 | t(colorArg1) << 7 | t(colorArg2) << 8 | alphaOp << 9 |
               t(alphaArg1) << 12 | t(alphaArg2) << 13 | alphaFunc << 14 | instanced << 18;
    }
    std::string Defines() const
    {
        auto d = [](const char* name, int v) {
            return std::string("#define ") + name + " " + std::to_string(v) + "\n";
        };
        return "#version 450 core\n" + d("LIGHTING", lights != uint32_t(kUnlit)) + d("POINT_LIGHTS", PointSlots()) +
               d("HAS_TEXTURE", int(texture)) + d("COLOR_OP", int(colorOp)) + d("COLOR_ARG1", int(colorArg1)) +
               d("COLOR_ARG2", int(colorArg2)) + d("ALPHA_OP", int(alphaOp)) + d("ALPHA_ARG1", int(alphaArg1)) +
               d("ALPHA_ARG2", int(alphaArg2)) + d("ALPHA_FUNC", int(alphaFunc)) + d("INSTANCED", int(instanced));
    }
};

// The shader treats every operation but SELECTARG1, SELECTARG2 and MODULATE as DISABLE, and every
// argument but TEXTURE as the vertex colour.
uint32_t ShaderOp(uint32_t op)
{
    return op == top::SelectArg1 || op == top::SelectArg2 || op == top::Modulate ? op : top::Disable;
}
uint32_t ShaderArg(uint32_t arg) { return arg == targ::Texture ? targ::Texture : targ::Diffuse; }

struct TextureObject {
    GLuint texture = 0;
    GLuint framebuffer = 0;  // render targets only
    GLuint depth = 0;
    int width = 0, height = 0;
    bool renderTarget = false;
};

struct BufferObject {
    GLuint buffer = 0;
    size_t count = 0;
};

struct MeshObject {
    GLuint vertices = 0, indices = 0;
    std::vector<MeshSubset> subsets;
};

GLenum BlendFactor(uint32_t b)
{
    switch (b) {
    case blend::Zero: return GL_ZERO;
    case blend::One: return GL_ONE;
    case blend::SrcColor: return GL_SRC_COLOR;
    case blend::InvSrcColor: return GL_ONE_MINUS_SRC_COLOR;
    case blend::SrcAlpha: return GL_SRC_ALPHA;
    case blend::InvSrcAlpha: return GL_ONE_MINUS_SRC_ALPHA;
    case blend::DestAlpha: return GL_DST_ALPHA;
    case blend::InvDestAlpha: return GL_ONE_MINUS_DST_ALPHA;
    case blend::DestColor: return GL_DST_COLOR;
    case blend::InvDestColor: return GL_ONE_MINUS_DST_COLOR;
    }
    return GL_ONE;
}

GLint FilterOf(uint32_t f)
{
    // Anisotropic filtering with Direct3D's default MAXANISOTROPY of 1 is linear filtering.
    return f == filter::Linear || f == filter::Anisotropic ? GL_LINEAR : GL_NEAREST;
}

GLint AddressOf(uint32_t a)
{
    switch (a) {
    case address::Clamp: return GL_CLAMP_TO_EDGE;
    case address::Mirror: return GL_MIRRORED_REPEAT;
    }
    return GL_REPEAT;
}

void ColorOf(uint32_t argb, float out[4])
{
    out[0] = float((argb >> 16) & 0xff) / 255.0f;
    out[1] = float((argb >> 8) & 0xff) / 255.0f;
    out[2] = float(argb & 0xff) / 255.0f;
    out[3] = float(argb >> 24) / 255.0f;
}

// The inverse transpose of the upper 3 x 3 of m (cofactors over the determinant), for normals.
void NormalMatrix(const math3d::Matrix& m, float out[9])
{
    auto a = [&](int r, int c) { return m.m[r][c]; };
    float c[9] = {
        a(1, 1) * a(2, 2) - a(1, 2) * a(2, 1), a(1, 2) * a(2, 0) - a(1, 0) * a(2, 2), a(1, 0) * a(2, 1) - a(1, 1) * a(2, 0),
        a(0, 2) * a(2, 1) - a(0, 1) * a(2, 2), a(0, 0) * a(2, 2) - a(0, 2) * a(2, 0), a(0, 1) * a(2, 0) - a(0, 0) * a(2, 1),
        a(0, 1) * a(1, 2) - a(0, 2) * a(1, 1), a(0, 2) * a(1, 0) - a(0, 0) * a(1, 2), a(0, 0) * a(1, 1) - a(0, 1) * a(1, 0),
    };
    float det = a(0, 0) * c[0] + a(0, 1) * c[1] + a(0, 2) * c[2];
    float s = det != 0.0f ? 1.0f / det : 1.0f;  // a flattening matrix keeps the cofactors' directions
    for (int i = 0; i < 9; ++i) out[i] = c[i] * s;
}

bool CompileShader(GLuint shader, const char* source, std::string& error)
{
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    GLint ok = 0;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (ok) return true;
    char log[2048] = {};
    glGetShaderInfoLog(shader, sizeof log, nullptr, log);
    error = std::string("shader: ") + log;
    return false;
}

class GLDevice;

// The devices alive, newest last. The newest one's context is current; when it goes, the one before
// it becomes current again (tests make devices of their own beside the game's).
std::vector<GLDevice*> liveDevices;

class GLDevice : public Device {
public:
    ~GLDevice() override;
    bool Init(SDL_Window* window, std::string& error);

    Texture CreateTexture(int width, int height, const uint8_t* rgba) override;
    Texture CreateRenderTarget(int width, int height, Format format) override;
    void UpdateTexture(Texture texture, const uint8_t* rgba) override;
    void ReleaseTexture(Texture texture) override;
    bool TextureSize(Texture texture, int& width, int& height) const override;
    VertexBuffer CreateVertexBuffer(const Vertex* vertices, size_t count) override;
    void UpdateVertexBuffer(VertexBuffer buffer, const Vertex* vertices, size_t count) override;
    void ReleaseVertexBuffer(VertexBuffer buffer) override;
    Mesh CreateMesh(const MeshData& data) override;
    void ReleaseMesh(Mesh mesh) override;
    uint32_t SubsetCount(Mesh mesh) const override;

    void SetRenderState(RenderState state, uint32_t value) override;
    uint32_t GetRenderState(RenderState state) const override;
    void SetStageState(StageState state, uint32_t value) override;
    void SetSamplerState(SamplerState state, uint32_t value) override;
    void SetTransform(TransformType type, const math3d::Matrix& matrix) override;
    math3d::Matrix GetTransform(TransformType type) const override;
    void SetMaterial(const Material& material) override;
    void SetLight(uint32_t index, const Light& light) override;
    void LightEnable(uint32_t index, bool enable) override;
    void SetTexture(Texture texture) override;
    void SetRenderTarget(Texture target) override;
    void SetScissorRect(const Rect& rect) override;
    void SetStreamSource(VertexBuffer buffer) override;

    void Clear(uint32_t flags, uint32_t argb, float z) override;
    void BeginScene() override;
    void EndScene() override;
    bool Present() override;

    void DrawPrimitive(Primitive type, uint32_t startVertex, uint32_t primitiveCount) override;
    void DrawSubset(Mesh mesh, uint32_t subset) override;
    void DrawSubsetInstanced(Mesh mesh, uint32_t subset, const math3d::Matrix* worlds, uint32_t count) override;

    std::vector<uint8_t> ReadBackBuffer() override;

private:
    enum Dirty : uint32_t {
        kTransforms = 1, kLights = 2, kMaterial = 4, kFixed = 8, kSampler = 16, kTexture = 32, kTarget = 64,
        kAll = 127
    };
    struct Uniforms {
        GLint world, viewProj, normalMatrix, pixelShift, globalAmbient, matDiffuse, matAmbient, matEmissive,
            directionalCount, pointCount, lights, texture, alphaRef;
    };
    struct Program {
        GLuint id = 0;
        int pointSlots = 0;  // the point lights it is given: -1 all lights, directional ones first
        Uniforms u{};
        uint32_t dirty = kAll;  // what this program has not been given since it changed
    };
    bool MakeTarget(TextureObject& t, GLenum format, bool opaque, std::string& error);
    void DeleteTexture(TextureObject& t);
    void BindTarget();
    void ApplyScissor();
    bool BuildProgram(Program& p, const ProgramKey& key, std::string& error);
    ProgramKey KeyOfState(bool instanced) const;
    void Dirty(uint32_t what);
    void Prepare(bool instanced = false);
    void UploadLights(const Uniforms& u, int slots);
    void MakeCurrent() { SDL_GL_MakeCurrent(window_, context_); }

    SDL_Window* window_ = nullptr;
    bool ownWindow_ = false;
    bool ownVideo_ = false;
    SDL_GLContext context_ = nullptr;
    GLuint vao_ = 0, sampler_ = 0;
    GLuint instancedVao_ = 0;  // the mesh's vertices plus a buffer of matrices per instance
    std::vector<float> instanceData_;
    std::unordered_map<uint32_t, Program> programs_;  // by ProgramKey::Packed, made when first drawn with
    Program* current_ = nullptr;
    uint32_t currentKey_ = 0;
    bool programFailed_ = false;  // reported once
    int directionalLights_ = 0, pointLights_ = 0;  // enabled lights by kind
    bool textureBound_ = false;
    float pixelShift_[2] = {};
    TextureObject backBuffer_;
    DeviceState state_;
    uint32_t dirty_ = kAll;  // the context's own state (depth, blending, culling, sampler, texture binding)
    uint32_t nextHandle_ = 1;
    std::unordered_map<Texture, TextureObject> textures_;
    std::unordered_map<VertexBuffer, BufferObject> buffers_;
    std::unordered_map<Mesh, MeshObject> meshes_;
};

bool GLDevice::Init(SDL_Window* window, std::string& error)
{
    if (!window) {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
            error = std::string("SDL video: ") + SDL_GetError();
            return false;
        }
        ownVideo_ = true;
        window = SDL_CreateWindow("gfx", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, kScreenWidth,
                                  kScreenHeight, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
        if (!window) {
            error = std::string("window: ") + SDL_GetError();
            return false;
        }
        ownWindow_ = true;
    }
    window_ = window;
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 4);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 5);
    context_ = SDL_GL_CreateContext(window_);
    if (!context_) {
        error = std::string("OpenGL 4.5 context: ") + SDL_GetError();
        return false;
    }
    SDL_GL_MakeCurrent(window_, context_);
    liveDevices.push_back(this);
    SDL_GL_SetSwapInterval(1);  // Direct3D's PRESENT_INTERVAL_ONE; where it is refused, frames are not paced by it

    // The programs are made as draws need them; the one for the starting state shows now that the
    // driver takes the shaders.
    if (!BuildProgram(programs_[KeyOfState(false).Packed()], KeyOfState(false), error)) return false;

    glClipControl(GL_UPPER_LEFT, GL_ZERO_TO_ONE);
    glFrontFace(GL_CW);  // Direct3D's front faces are clockwise on screen

    // The vertex's position, normal and texture coordinates from binding 0, in both vertex arrays.
    auto vertexFormat = [](GLuint& vao) {
        glCreateVertexArrays(1, &vao);
        for (GLuint a = 0; a < 3; ++a) glEnableVertexArrayAttrib(vao, a);
        glVertexArrayAttribFormat(vao, 0, 3, GL_FLOAT, GL_FALSE, offsetof(Vertex, x));
        glVertexArrayAttribFormat(vao, 1, 3, GL_FLOAT, GL_FALSE, offsetof(Vertex, nx));
        glVertexArrayAttribFormat(vao, 2, 2, GL_FLOAT, GL_FALSE, offsetof(Vertex, u));
        for (GLuint a = 0; a < 3; ++a) glVertexArrayAttribBinding(vao, a, 0);
    };
    vertexFormat(vao_);
    vertexFormat(instancedVao_);
    // Per instance: the world matrix's four rows (columns to GLSL), then the normal matrix's three.
    for (GLuint a = 0; a < 4; ++a) glVertexArrayAttribFormat(instancedVao_, 3 + a, 4, GL_FLOAT, GL_FALSE, 16 * a);
    for (GLuint a = 0; a < 3; ++a) glVertexArrayAttribFormat(instancedVao_, 7 + a, 3, GL_FLOAT, GL_FALSE, 64 + 12 * a);
    for (GLuint a = 3; a < 10; ++a) {
        glEnableVertexArrayAttrib(instancedVao_, a);
        glVertexArrayAttribBinding(instancedVao_, a, 1);
    }
    glVertexArrayBindingDivisor(instancedVao_, 1, 1);
    glBindVertexArray(vao_);

    glCreateSamplers(1, &sampler_);
    glBindSampler(0, sampler_);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);

    backBuffer_.width = kScreenWidth;
    backBuffer_.height = kScreenHeight;
    if (!MakeTarget(backBuffer_, GL_RGBA8, false, error)) return false;
    BindTarget();
    Clear(clear::Target | clear::ZBuffer, 0xff000000, 1.0f);
    if (GLenum e = glGetError(); e != GL_NO_ERROR) {
        error = "OpenGL error " + std::to_string(e) + " while setting up";
        return false;
    }
    return true;
}

bool GLDevice::BuildProgram(Program& p, const ProgramKey& key, std::string& error)
{
    const std::string defines = key.Defines();
    const std::string vertexSource = defines + kVertexShader, fragmentSource = defines + kFragmentShader;
    GLuint vs = glCreateShader(GL_VERTEX_SHADER), fs = glCreateShader(GL_FRAGMENT_SHADER);
    const bool compiled =
        CompileShader(vs, vertexSource.c_str(), error) && CompileShader(fs, fragmentSource.c_str(), error);
    if (compiled) {
        p.id = glCreateProgram();
        glAttachShader(p.id, vs);
        glAttachShader(p.id, fs);
        glLinkProgram(p.id);
    }
    glDeleteShader(vs);
    glDeleteShader(fs);
    if (!compiled) return false;
    GLint linked = 0;
    glGetProgramiv(p.id, GL_LINK_STATUS, &linked);
    if (!linked) {
        char log[2048] = {};
        glGetProgramInfoLog(p.id, sizeof log, nullptr, log);
        error = std::string("shader link: ") + log;
        glDeleteProgram(p.id);
        p.id = 0;
        return false;
    }
    auto u = [&](const char* name) { return glGetUniformLocation(p.id, name); };
    p.u = {u("uWorld"), u("uViewProj"), u("uNormalMatrix"), u("uPixelShift"), u("uGlobalAmbient"), u("uMatDiffuse"),
           u("uMatAmbient"), u("uMatEmissive"), u("uDirectionalCount"), u("uPointCount"), u("uLights"),
           u("uTexture"), u("uAlphaRef")};
    p.pointSlots = key.PointSlots();
    glProgramUniform1i(p.id, p.u.texture, 0);
    return true;
}

ProgramKey GLDevice::KeyOfState(bool instanced) const
{
    ProgramKey k{};
    k.instanced = instanced ? 1 : 0;
    // Unlit draws take the program without lights; lit ones the smallest that holds their lights.
    k.lights = uint32_t(kUnlit);
    if (state_.Get(RenderState::Lighting)) {
        k.lights = uint32_t(kGeneralLights);
        if (directionalLights_ == 0)
            for (int i = 0; i < kGeneralLights; ++i)
                if (pointLights_ <= kFixedLights[i]) {
                    k.lights = uint32_t(i);
                    break;
                }
    }
    k.texture = textureBound_ ? 1 : 0;
    k.colorOp = ShaderOp(state_.Get(StageState::ColorOp));
    k.colorArg1 = ShaderArg(state_.Get(StageState::ColorArg1));
    k.colorArg2 = ShaderArg(state_.Get(StageState::ColorArg2));
    k.alphaOp = ShaderOp(state_.Get(StageState::AlphaOp));
    k.alphaArg1 = ShaderArg(state_.Get(StageState::AlphaArg1));
    k.alphaArg2 = ShaderArg(state_.Get(StageState::AlphaArg2));
    const uint32_t f = state_.Get(RenderState::AlphaFunc);
    // ALWAYS, and any value the shader does not know, lets everything through as no test does.
    k.alphaFunc = state_.Get(RenderState::AlphaTestEnable) && f >= cmp::Never && f < cmp::Always ? f : 0;
    return k;
}

void GLDevice::Dirty(uint32_t what)
{
    dirty_ |= what;
    for (auto& [key, p] : programs_) p.dirty |= what;
}

GLDevice::~GLDevice()
{
    if (context_) {
        SDL_GL_MakeCurrent(window_, context_);
        for (auto& [h, t] : textures_) DeleteTexture(t);
        for (auto& [h, b] : buffers_) glDeleteBuffers(1, &b.buffer);
        for (auto& [h, m] : meshes_) {
            glDeleteBuffers(1, &m.vertices);
            glDeleteBuffers(1, &m.indices);
        }
        DeleteTexture(backBuffer_);
        glDeleteSamplers(1, &sampler_);
        glDeleteVertexArrays(1, &vao_);
        glDeleteVertexArrays(1, &instancedVao_);
        for (auto& [key, p] : programs_) glDeleteProgram(p.id);
        SDL_GL_MakeCurrent(window_, nullptr);
        SDL_GL_DeleteContext(context_);
        std::erase(liveDevices, this);
        if (!liveDevices.empty()) liveDevices.back()->MakeCurrent();
    }
    if (ownWindow_) SDL_DestroyWindow(window_);
    if (ownVideo_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

bool GLDevice::MakeTarget(TextureObject& t, GLenum format, bool opaque, std::string& error)
{
    glCreateTextures(GL_TEXTURE_2D, 1, &t.texture);
    glTextureStorage2D(t.texture, 1, format, t.width, t.height);
    // A target without alpha reads alpha 1 when drawn, as Direct3D's X8R8G8B8 and R5G6B5 do.
    if (opaque) glTextureParameteri(t.texture, GL_TEXTURE_SWIZZLE_A, GL_ONE);
    glCreateRenderbuffers(1, &t.depth);
    glNamedRenderbufferStorage(t.depth, GL_DEPTH_COMPONENT24, t.width, t.height);
    glCreateFramebuffers(1, &t.framebuffer);
    glNamedFramebufferTexture(t.framebuffer, GL_COLOR_ATTACHMENT0, t.texture, 0);
    glNamedFramebufferRenderbuffer(t.framebuffer, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, t.depth);
    t.renderTarget = true;
    if (glCheckNamedFramebufferStatus(t.framebuffer, GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
        error = "render target " + std::to_string(t.width) + " x " + std::to_string(t.height) + " incomplete";
        DeleteTexture(t);
        return false;
    }
    return true;
}

void GLDevice::DeleteTexture(TextureObject& t)
{
    glDeleteFramebuffers(1, &t.framebuffer);
    glDeleteRenderbuffers(1, &t.depth);
    glDeleteTextures(1, &t.texture);
    t = TextureObject{};
}

Texture GLDevice::CreateTexture(int width, int height, const uint8_t* rgba)
{
    GLint maxSize = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
    if (width <= 0 || height <= 0 || width > maxSize || height > maxSize || !rgba) return 0;
    TextureObject t;
    t.width = width;
    t.height = height;
    glCreateTextures(GL_TEXTURE_2D, 1, &t.texture);
    glTextureStorage2D(t.texture, 1, GL_RGBA8, width, height);
    glTextureSubImage2D(t.texture, 0, 0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    Texture h = nextHandle_++;
    textures_[h] = t;
    return h;
}

Texture GLDevice::CreateRenderTarget(int width, int height, Format format)
{
    GLint maxSize = 0;
    glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE, &maxSize);
    if (width <= 0 || height <= 0 || width > maxSize || height > maxSize) return 0;
    TextureObject t;
    t.width = width;
    t.height = height;
    std::string error;
    GLenum internal = format == Format::R5G6B5 ? GL_RGB565 : GL_RGBA8;
    if (!MakeTarget(t, internal, format != Format::A8R8G8B8, error)) return 0;
    Texture h = nextHandle_++;
    textures_[h] = t;
    return h;
}

void GLDevice::UpdateTexture(Texture texture, const uint8_t* rgba)
{
    auto it = textures_.find(texture);
    if (it == textures_.end() || it->second.renderTarget || !rgba) return;
    const TextureObject& t = it->second;
    glTextureSubImage2D(t.texture, 0, 0, 0, t.width, t.height, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
}

void GLDevice::ReleaseTexture(Texture texture)
{
    auto it = textures_.find(texture);
    if (it == textures_.end()) return;
    DeleteTexture(it->second);
    textures_.erase(it);
    if (state_.renderTarget == texture) {
        state_.renderTarget = 0;
        BindTarget();
    }
    Dirty(kTexture);
}

bool GLDevice::TextureSize(Texture texture, int& width, int& height) const
{
    auto it = textures_.find(texture);
    if (it == textures_.end()) return false;
    width = it->second.width;
    height = it->second.height;
    return true;
}

VertexBuffer GLDevice::CreateVertexBuffer(const Vertex* vertices, size_t count)
{
    if (count == 0 || count > (size_t(1) << 26)) return 0;
    BufferObject b;
    b.count = count;
    glCreateBuffers(1, &b.buffer);
    glNamedBufferData(b.buffer, GLsizeiptr(count * sizeof(Vertex)), vertices, GL_DYNAMIC_DRAW);
    VertexBuffer h = nextHandle_++;
    buffers_[h] = b;
    return h;
}

void GLDevice::UpdateVertexBuffer(VertexBuffer buffer, const Vertex* vertices, size_t count)
{
    auto it = buffers_.find(buffer);
    if (it == buffers_.end() || !vertices) return;
    size_t n = count < it->second.count ? count : it->second.count;
    glNamedBufferSubData(it->second.buffer, 0, GLsizeiptr(n * sizeof(Vertex)), vertices);
}

void GLDevice::ReleaseVertexBuffer(VertexBuffer buffer)
{
    auto it = buffers_.find(buffer);
    if (it == buffers_.end()) return;
    glDeleteBuffers(1, &it->second.buffer);
    buffers_.erase(it);
    if (state_.streamSource == buffer) state_.streamSource = 0;
}

Mesh GLDevice::CreateMesh(const MeshData& data)
{
    if (!ValidMeshData(data)) return 0;
    MeshObject m;
    m.subsets = data.subsets;
    glCreateBuffers(1, &m.vertices);
    glNamedBufferData(m.vertices, GLsizeiptr(data.vertices.size() * sizeof(Vertex)), data.vertices.data(),
                      GL_STATIC_DRAW);
    glCreateBuffers(1, &m.indices);
    glNamedBufferData(m.indices, GLsizeiptr(data.indices.size() * sizeof(uint32_t)), data.indices.data(),
                      GL_STATIC_DRAW);
    Mesh h = nextHandle_++;
    meshes_[h] = std::move(m);
    return h;
}

void GLDevice::ReleaseMesh(Mesh mesh)
{
    auto it = meshes_.find(mesh);
    if (it == meshes_.end()) return;
    glDeleteBuffers(1, &it->second.vertices);
    glDeleteBuffers(1, &it->second.indices);
    meshes_.erase(it);
}

uint32_t GLDevice::SubsetCount(Mesh mesh) const
{
    auto it = meshes_.find(mesh);
    return it == meshes_.end() ? 0 : uint32_t(it->second.subsets.size());
}

void GLDevice::SetRenderState(RenderState s, uint32_t value)
{
    if (state_.Set(s, value)) Dirty(s == RenderState::Ambient ? kMaterial : kFixed);
}

uint32_t GLDevice::GetRenderState(RenderState s) const
{
    return uint32_t(s) < uint32_t(RenderState::Count) ? state_.Get(s) : 0;
}

void GLDevice::SetStageState(StageState s, uint32_t value)
{
    state_.Set(s, value);  // the stage picks the program at the next draw
}

void GLDevice::SetSamplerState(SamplerState s, uint32_t value)
{
    if (state_.Set(s, value)) Dirty(kSampler);
}

void GLDevice::SetTransform(TransformType type, const math3d::Matrix& matrix)
{
    if (state_.Set(type, matrix)) Dirty(kTransforms);
}

math3d::Matrix GLDevice::GetTransform(TransformType type) const
{
    return uint32_t(type) <= uint32_t(TransformType::Projection) ? state_.Get(type) : math3d::Identity();
}

void GLDevice::SetMaterial(const Material& material)
{
    state_.material = material;
    Dirty(kMaterial);
}

void GLDevice::SetLight(uint32_t index, const Light& light)
{
    if (state_.SetLight(index, light) && state_.lightEnabled[index]) Dirty(kLights);
}

void GLDevice::LightEnable(uint32_t index, bool enable)
{
    if (index < kMaxLights && state_.lightEnabled[index] != enable && state_.EnableLight(index, enable))
        Dirty(kLights);
}

void GLDevice::SetTexture(Texture texture)
{
    state_.texture = texture;
    Dirty(kTexture);
}

void GLDevice::SetRenderTarget(Texture target)
{
    auto it = textures_.find(target);
    if (target != 0 && (it == textures_.end() || !it->second.renderTarget)) return;  // refused, as Direct3D does
    state_.renderTarget = target;
    Dirty(kTexture);  // a texture that is the new target is not read while drawn into
    BindTarget();
    const TextureObject& t = target ? it->second : backBuffer_;
    state_.scissor = {0, 0, t.width, t.height};
    Dirty(kFixed);
}

void GLDevice::SetScissorRect(const Rect& rect)
{
    state_.scissor = rect;
    Dirty(kFixed);
}

// Row 0 of the target is its top row (glClipControl), so the rectangle is given as it is.
void GLDevice::ApplyScissor()
{
    if (!state_.Get(RenderState::ScissorTestEnable)) {
        glDisable(GL_SCISSOR_TEST);
        return;
    }
    const Rect& r = state_.scissor;
    glEnable(GL_SCISSOR_TEST);
    glScissor(r.left, r.top, r.right > r.left ? r.right - r.left : 0, r.bottom > r.top ? r.bottom - r.top : 0);
}

void GLDevice::BindTarget()
{
    const TextureObject& t = state_.renderTarget ? textures_.at(state_.renderTarget) : backBuffer_;
    glBindFramebuffer(GL_FRAMEBUFFER, t.framebuffer);
    glViewport(0, 0, t.width, t.height);
    pixelShift_[0] = 1.0f / float(t.width);
    pixelShift_[1] = -1.0f / float(t.height);
    Dirty(kTarget);
}

void GLDevice::SetStreamSource(VertexBuffer buffer)
{
    state_.streamSource = buffer;
}

void GLDevice::Clear(uint32_t flags, uint32_t argb, float z)
{
    GLbitfield mask = 0;
    if (flags & clear::Target) {
        float c[4];
        ColorOf(argb, c);
        glClearColor(c[0], c[1], c[2], c[3]);
        mask |= GL_COLOR_BUFFER_BIT;
    }
    if (flags & clear::ZBuffer) {
        glClearDepth(std::fmin(std::fmax(z, 0.0f), 1.0f));
        glDepthMask(GL_TRUE);
        mask |= GL_DEPTH_BUFFER_BIT;
        Dirty(kFixed);  // the depth write mask is the state's again at the next draw
    }
    if (mask) {
        ApplyScissor();
        glClear(mask);
    }
}

// A scene marks nothing OpenGL needs: an EndScene without a BeginScene is as harmless as any other.
void GLDevice::BeginScene() {}
void GLDevice::EndScene() {}

bool GLDevice::Present()
{
    // The frame stays as it is (Direct3D's copy swap effect): a copy is scaled into the window, aspect kept.
    int w = 0, h = 0;
    SDL_GL_GetDrawableSize(window_, &w, &h);
    if (w <= 0 || h <= 0) return true;
    // The same placement the mouse is scaled by.
    const win::Rect r = win::FitFrame(w, h);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    glDisable(GL_SCISSOR_TEST);  // the window is filled whole
    Dirty(kFixed);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    // The window's row 0 is its bottom row; the frame's is its top row.
    glBlitNamedFramebuffer(backBuffer_.framebuffer, 0, 0, 0, kScreenWidth, kScreenHeight, r.x, h - r.y, r.x + r.w,
                           h - r.y - r.h, GL_COLOR_BUFFER_BIT, r.w == kScreenWidth ? GL_NEAREST : GL_LINEAR);
    SDL_GL_SwapWindow(window_);
    BindTarget();
    return true;  // nothing here can fail the way a lost Direct3D device does
}

void GLDevice::Prepare(bool instanced)
{
    auto rs = [&](RenderState s) { return state_.Get(s); };
    if (dirty_ & kFixed) {
        if (rs(RenderState::ZEnable)) {
            glEnable(GL_DEPTH_TEST);
            glDepthFunc(GL_LEQUAL);  // Direct3D's default ZFUNC, which the game keeps
        } else {
            glDisable(GL_DEPTH_TEST);
        }
        glDepthMask(rs(RenderState::ZWriteEnable) ? GL_TRUE : GL_FALSE);
        if (rs(RenderState::AlphaBlendEnable)) {
            glEnable(GL_BLEND);
            glBlendFunc(BlendFactor(rs(RenderState::SrcBlend)), BlendFactor(rs(RenderState::DestBlend)));
        } else {
            glDisable(GL_BLEND);
        }
        uint32_t cullMode = rs(RenderState::CullMode);
        if (cullMode == cull::CW || cullMode == cull::CCW) {
            glEnable(GL_CULL_FACE);
            glCullFace(cullMode == cull::CCW ? GL_BACK : GL_FRONT);
        } else {
            glDisable(GL_CULL_FACE);
        }
        ApplyScissor();
    }
    if (dirty_ & kSampler) {
        glSamplerParameteri(sampler_, GL_TEXTURE_MIN_FILTER, FilterOf(state_.Get(SamplerState::MinFilter)));
        glSamplerParameteri(sampler_, GL_TEXTURE_MAG_FILTER, FilterOf(state_.Get(SamplerState::MagFilter)));
        glSamplerParameteri(sampler_, GL_TEXTURE_WRAP_S, AddressOf(state_.Get(SamplerState::AddressU)));
        glSamplerParameteri(sampler_, GL_TEXTURE_WRAP_T, AddressOf(state_.Get(SamplerState::AddressV)));
    }
    if (dirty_ & kTexture) {
        auto it = textures_.find(state_.texture);
        // A render target cannot be read while it is being drawn into; Direct3D leaves that undefined.
        textureBound_ = it != textures_.end() && state_.texture != state_.renderTarget;
        glBindTextureUnit(0, textureBound_ ? it->second.texture : 0);
    }
    if (dirty_ & kLights) {
        directionalLights_ = pointLights_ = 0;
        for (uint32_t i = 0; i < kMaxLights; ++i)
            if (state_.lightEnabled[i]) ++(state_.lights[i].type == LightType::Directional ? directionalLights_ : pointLights_);
    }
    dirty_ = 0;

    const ProgramKey key = KeyOfState(instanced);
    if (!current_ || key.Packed() != currentKey_) {
        auto [it, made] = programs_.try_emplace(key.Packed());
        if (made) {
            std::string error;
            if (!BuildProgram(it->second, key, error) && !programFailed_) {
                programFailed_ = true;
                std::fprintf(stderr, "OpenGL device: %s\n", error.c_str());
            }
        }
        glUseProgram(it->second.id);  // 0 when it could not be made: the draw shows nothing
        current_ = &it->second;
        currentKey_ = key.Packed();
    }
    Program& p = *current_;
    const Uniforms& u = p.u;
    const uint32_t d = p.dirty;
    p.dirty = 0;
    if (d & kFixed) glUniform1i(u.alphaRef, int(rs(RenderState::AlphaRef) & 0xff));
    if (d & kTarget) glUniform2f(u.pixelShift, pixelShift_[0], pixelShift_[1]);
    if (d & kTransforms) {
        const math3d::Matrix& world = state_.Get(TransformType::World);
        math3d::Matrix viewProj =
            math3d::Multiply(state_.Get(TransformType::View), state_.Get(TransformType::Projection));
        glUniformMatrix4fv(u.world, 1, GL_FALSE, &world.m[0][0]);
        glUniformMatrix4fv(u.viewProj, 1, GL_FALSE, &viewProj.m[0][0]);
        if (p.u.normalMatrix >= 0) {
            float normal[9];
            NormalMatrix(world, normal);
            glUniformMatrix3fv(u.normalMatrix, 1, GL_FALSE, normal);
        }
    }
    if (d & kMaterial) {
        const Material& m = state_.material;
        float ambient[4];
        ColorOf(state_.Get(RenderState::Ambient), ambient);
        glUniform4fv(u.globalAmbient, 1, ambient);
        glUniform4f(u.matDiffuse, m.diffuse.r, m.diffuse.g, m.diffuse.b, m.diffuse.a);
        glUniform4f(u.matAmbient, m.ambient.r, m.ambient.g, m.ambient.b, m.ambient.a);
        glUniform4f(u.matEmissive, m.emissive.r, m.emissive.g, m.emissive.b, m.emissive.a);
    }
    if ((d & kLights) && p.pointSlots != 0) UploadLights(u, p.pointSlots);
}

// The enabled lights as plain uniforms rather than a buffer: the game switches lights between draws,
// and a buffer that queued draws still read would make the driver finish them first. slots < 0: all
// lights, directional ones first; else the point lights padded with lights that reach nothing.
void GLDevice::UploadLights(const Uniforms& u, int slots)
{
    float block[kMaxLights * 16];
    int n = 0;
    for (int pass = slots < 0 ? 0 : 1; pass < 2; ++pass)
        for (uint32_t i = 0; i < kMaxLights; ++i) {
            const Light& l = state_.lights[i];
            const bool directional = l.type == LightType::Directional;
            if (!state_.lightEnabled[i] || directional != (pass == 0)) continue;
            const math3d::Vec3& at = directional ? l.direction : l.position;
            const float v[16] = {at.x, at.y, at.z, l.range, l.diffuse.r, l.diffuse.g, l.diffuse.b, l.diffuse.a,
                                 l.ambient.r, l.ambient.g, l.ambient.b, l.ambient.a,
                                 l.attenuation0, l.attenuation1, l.attenuation2, 0};
            std::memcpy(&block[n++ * 16], v, sizeof v);
        }
    for (; n < slots; ++n) {
        std::memset(&block[n * 16], 0, 16 * sizeof(float));
        block[n * 16 + 3] = -1.0f;  // a range no distance is within
    }
    if (n > 0) glUniform4fv(u.lights, n * 4, block);
    if (slots < 0) {
        glUniform1i(u.directionalCount, directionalLights_);
        glUniform1i(u.pointCount, pointLights_);
    }
}

void GLDevice::DrawPrimitive(Primitive type, uint32_t startVertex, uint32_t primitiveCount)
{
    auto it = buffers_.find(state_.streamSource);
    uint64_t count = VerticesOfPrimitives(type, primitiveCount);
    if (it == buffers_.end() || count == 0 || startVertex + count > it->second.count) return;
    Prepare();
    glVertexArrayVertexBuffer(vao_, 0, it->second.buffer, 0, sizeof(Vertex));
    glDrawArrays(type == Primitive::TriangleList ? GL_TRIANGLES : GL_TRIANGLE_STRIP, GLint(startVertex),
                 GLsizei(count));
}

void GLDevice::DrawSubset(Mesh mesh, uint32_t subset)
{
    auto it = meshes_.find(mesh);
    if (it == meshes_.end() || subset >= it->second.subsets.size()) return;
    const MeshSubset& s = it->second.subsets[subset];
    if (s.indexCount == 0) return;
    Prepare();
    glVertexArrayVertexBuffer(vao_, 0, it->second.vertices, 0, sizeof(Vertex));
    glVertexArrayElementBuffer(vao_, it->second.indices);
    glDrawElements(GL_TRIANGLES, GLsizei(s.indexCount), GL_UNSIGNED_INT,
                   reinterpret_cast<const void*>(uintptr_t(s.firstIndex) * sizeof(uint32_t)));
}

void GLDevice::DrawSubsetInstanced(Mesh mesh, uint32_t subset, const math3d::Matrix* worlds, uint32_t count)
{
    auto it = meshes_.find(mesh);
    if (it == meshes_.end() || subset >= it->second.subsets.size() || count == 0) return;
    SetTransform(TransformType::World, worlds[count - 1]);
    const MeshSubset& s = it->second.subsets[subset];
    if (s.indexCount == 0) return;
    Prepare(true);
    constexpr size_t kFloats = 25;  // 16 world, 9 normal
    instanceData_.resize(count * kFloats);
    for (uint32_t i = 0; i < count; ++i) {
        float* d = &instanceData_[i * kFloats];
        std::memcpy(d, &worlds[i].m[0][0], 16 * sizeof(float));
        NormalMatrix(worlds[i], d + 16);
    }
    // A buffer of its own for every draw: writing into one the queued frame still reads would make
    // llvmpipe finish the frame first. Deleted at once, it lives on until the frame no longer needs it.
    GLuint instances = 0;
    glCreateBuffers(1, &instances);
    glNamedBufferData(instances, GLsizeiptr(instanceData_.size() * sizeof(float)), instanceData_.data(), GL_STREAM_DRAW);
    glVertexArrayVertexBuffer(instancedVao_, 0, it->second.vertices, 0, sizeof(Vertex));
    glVertexArrayVertexBuffer(instancedVao_, 1, instances, 0, GLsizei(kFloats * sizeof(float)));
    glVertexArrayElementBuffer(instancedVao_, it->second.indices);
    glBindVertexArray(instancedVao_);
    glDrawElementsInstanced(GL_TRIANGLES, GLsizei(s.indexCount), GL_UNSIGNED_INT,
                            reinterpret_cast<const void*>(uintptr_t(s.firstIndex) * sizeof(uint32_t)), GLsizei(count));
    glBindVertexArray(vao_);
    glVertexArrayVertexBuffer(instancedVao_, 1, 0, 0, GLsizei(kFloats * sizeof(float)));
    glDeleteBuffers(1, &instances);
}

std::vector<uint8_t> GLDevice::ReadBackBuffer()
{
    std::vector<uint8_t> out(size_t(kScreenWidth) * kScreenHeight * 4);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, backBuffer_.framebuffer);
    glReadPixels(0, 0, kScreenWidth, kScreenHeight, GL_RGBA, GL_UNSIGNED_BYTE, out.data());
    BindTarget();
    return out;
}

}  // namespace

std::unique_ptr<Device> CreateGLDevice(SDL_Window* window, std::string& error)
{
    auto device = std::make_unique<GLDevice>();
    if (!device->Init(window, error)) return nullptr;
    return device;
}

}  // namespace gfx
