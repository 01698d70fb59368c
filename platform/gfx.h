#pragma once
// The drawing device: the part of a Direct3D 9 device that the game uses, with the same rules
// (row-vector transforms, depth 0..1, top-row-first images, counter-clockwise culling as Direct3D
// means it, fixed-function lighting, texture stage 0 and sampler 0 only). Two implementations:
// OpenGL (gfx_gl.cpp) and a recording one for tests (gfx_recording.cpp).
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/math3d.h"

struct SDL_Window;

namespace gfx {

using Texture = uint32_t;       // 0 = none
using VertexBuffer = uint32_t;  // 0 = none
using Mesh = uint32_t;          // 0 = none

constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;

// The game's one vertex format: position, normal, one texture coordinate.
struct Vertex {
    float x, y, z;
    float nx, ny, nz;
    float u, v;
};
static_assert(sizeof(Vertex) == 32);

// A rectangle of pixels, right and bottom excluded, row 0 at the top.
struct Rect {
    int left, top, right, bottom;
};

struct Color {
    float r, g, b, a;
};

struct Material {
    Color diffuse, ambient, specular, emissive;
    float power;
};

enum class LightType : uint32_t { Point = 1, Spot = 2, Directional = 3 };

struct Light {
    LightType type = LightType::Point;
    Color diffuse{}, specular{}, ambient{};
    math3d::Vec3 position{}, direction{};
    float range = 0, falloff = 0;
    float attenuation0 = 0, attenuation1 = 0, attenuation2 = 0;
    float theta = 0, phi = 0;
};

enum class RenderState : uint32_t {
    ZEnable, ZWriteEnable, Lighting, AlphaBlendEnable, SrcBlend, DestBlend,
    AlphaTestEnable, AlphaRef, AlphaFunc, CullMode, Ambient, DitherEnable, ScissorTestEnable,
    Count
};

// Values of the states, numbered as the game's data and code give them.
namespace blend {
constexpr uint32_t Zero = 1, One = 2, SrcColor = 3, InvSrcColor = 4, SrcAlpha = 5, InvSrcAlpha = 6,
                   DestAlpha = 7, InvDestAlpha = 8, DestColor = 9, InvDestColor = 10;
}
namespace cull {
constexpr uint32_t None = 1, CW = 2, CCW = 3;
}
namespace cmp {
constexpr uint32_t Never = 1, Less = 2, Equal = 3, LessEqual = 4, Greater = 5, NotEqual = 6,
                   GreaterEqual = 7, Always = 8;
}

enum class StageState : uint32_t { ColorOp, ColorArg1, ColorArg2, AlphaOp, AlphaArg1, AlphaArg2, Count };
namespace top {
constexpr uint32_t Disable = 1, SelectArg1 = 2, SelectArg2 = 3, Modulate = 4;
}
namespace targ {
constexpr uint32_t Diffuse = 0, Current = 1, Texture = 2;
}

enum class SamplerState : uint32_t { MinFilter, MagFilter, AddressU, AddressV, Count };
namespace filter {
constexpr uint32_t None = 0, Point = 1, Linear = 2, Anisotropic = 3;
}
namespace address {
constexpr uint32_t Wrap = 1, Mirror = 2, Clamp = 3;
}

enum class TransformType : uint32_t { World, View, Projection };
enum class Primitive : uint32_t { TriangleList = 4, TriangleStrip = 5 };
enum class Format : uint32_t { R5G6B5, X8R8G8B8, A8R8G8B8 };

namespace clear {
constexpr uint32_t Target = 1, ZBuffer = 2;
}

// A mesh as the X-file loader gives it: one vertex list, triangles grouped into subsets, one per
// material in the file's material order.
struct MeshSubset {
    uint32_t firstIndex = 0;   // into indices
    uint32_t indexCount = 0;   // a multiple of 3
};

struct MeshMaterial {
    Material material{};
    std::string textureFile;   // empty when the material has none
};

struct MeshData {
    std::vector<Vertex> vertices;
    std::vector<uint32_t> indices;
    std::vector<MeshSubset> subsets;
    std::vector<MeshMaterial> materials;  // same count as subsets
};

class Device {
public:
    virtual ~Device() = default;

    // Resources. Pixels are RGBA8, row 0 at the top of the image (texture v = 0).
    virtual Texture CreateTexture(int width, int height, const uint8_t* rgba) = 0;
    virtual Texture CreateRenderTarget(int width, int height, Format format) = 0;  // with its own depth buffer
    virtual void UpdateTexture(Texture texture, const uint8_t* rgba) = 0;  // whole image, same size
    virtual void ReleaseTexture(Texture texture) = 0;
    virtual bool TextureSize(Texture texture, int& width, int& height) const = 0;
    virtual VertexBuffer CreateVertexBuffer(const Vertex* vertices, size_t count) = 0;
    virtual void UpdateVertexBuffer(VertexBuffer buffer, const Vertex* vertices, size_t count) = 0;
    virtual void ReleaseVertexBuffer(VertexBuffer buffer) = 0;
    virtual Mesh CreateMesh(const MeshData& data) = 0;   // geometry only; materials stay with the caller
    virtual void ReleaseMesh(Mesh mesh) = 0;
    virtual uint32_t SubsetCount(Mesh mesh) const = 0;

    // State.
    virtual void SetRenderState(RenderState state, uint32_t value) = 0;
    virtual uint32_t GetRenderState(RenderState state) const = 0;
    virtual void SetStageState(StageState state, uint32_t value) = 0;
    virtual void SetSamplerState(SamplerState state, uint32_t value) = 0;
    virtual void SetTransform(TransformType type, const math3d::Matrix& matrix) = 0;
    virtual math3d::Matrix GetTransform(TransformType type) const = 0;
    virtual void SetMaterial(const Material& material) = 0;
    virtual void SetLight(uint32_t index, const Light& light) = 0;     // index 0..99
    virtual void LightEnable(uint32_t index, bool enable) = 0;
    virtual void SetTexture(Texture texture) = 0;                      // stage 0; 0 = none
    virtual void SetRenderTarget(Texture target) = 0;                  // 0 = the back buffer; viewport follows
    // Draws and clears touch only this rectangle of the target while SCISSORTESTENABLE is on;
    // SetRenderTarget makes it the whole new target, as Direct3D does.
    virtual void SetScissorRect(const Rect& rect) = 0;
    virtual void SetStreamSource(VertexBuffer buffer) = 0;

    // Frame. Unbalanced EndScene or Present calls are harmless.
    virtual void Clear(uint32_t flags, uint32_t argb, float z) = 0;
    virtual void BeginScene() = 0;
    virtual void EndScene() = 0;
    virtual bool Present() = 0;

    // Drawing.
    virtual void DrawPrimitive(Primitive type, uint32_t startVertex, uint32_t primitiveCount) = 0;
    virtual void DrawSubset(Mesh mesh, uint32_t subset) = 0;
    // The subset once for each world matrix, in order, in one draw: the picture of as many
    // SetTransform(World) and DrawSubset calls. The world transform is the last matrix afterwards.
    virtual void DrawSubsetInstanced(Mesh mesh, uint32_t subset, const math3d::Matrix* worlds, uint32_t count) = 0;

    // The back buffer as RGBA8, 1024 x 768, top row first (tests and screenshots).
    virtual std::vector<uint8_t> ReadBackBuffer() = 0;

    // Notes for tests, which draw nothing (the OpenGL device ignores them): the name of a texture or
    // mesh (the file or table slot it came from), where a pass of the frame begins, and a text with
    // its position and font (its glyphs follow as draws).
    virtual void Name(uint32_t /*handle*/, const std::string& /*name*/) {}
    virtual void Marker(const char* /*pass*/) {}
    virtual void TextMarker(const char* /*text*/, float /*x*/, float /*y*/, int /*font*/) {}
};

// The OpenGL device renders into a persistent 1024 x 768 frame that Present scales into the
// window. With window == nullptr it makes a hidden window of its own (tests). Null on failure,
// with the reason in error.
std::unique_ptr<Device> CreateGLDevice(SDL_Window* window, std::string& error);

// The recording device keeps every call (see gfx_recording.h).
std::unique_ptr<Device> CreateRecordingDevice();

// Writes the device's back buffer as a PNG file (screenshots, test pictures).
bool SaveBackBufferPng(Device& device, const std::string& path, std::string& error);

}  // namespace gfx
