#pragma once
// The recording device: draws nothing, keeps every call in order. Tests run their drawing code on it
// and assert what was drawn, with which states, in which order:
//
//   gfx::RecordingDevice dev;
//   ZeichneEtwas(dev);
//   auto draws = dev.Draws();
//   ASSERT_EQ(draws.size(), 1u);
//   EXPECT_EQ(draws[0]->state.texture, tex);
//   EXPECT_EQ(draws[0]->state.Get(gfx::RenderState::AlphaBlendEnable), 1u);
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/gfx.h"
#include "platform/gfx_state.h"

namespace gfx {

enum class CallType : uint32_t {
    CreateTexture, CreateRenderTarget, UpdateTexture, ReleaseTexture,
    CreateVertexBuffer, UpdateVertexBuffer, ReleaseVertexBuffer, CreateMesh, ReleaseMesh,
    SetRenderState, SetStageState, SetSamplerState, SetTransform, SetMaterial, SetLight, LightEnable,
    SetTexture, SetRenderTarget, SetScissorRect, SetStreamSource,
    Clear, BeginScene, EndScene, Present,
    DrawPrimitive, DrawSubset,
    Marker, TextMarker,
};

// One call. Only the fields that belong to its type are filled.
struct Call {
    CallType type{};
    uint32_t handle = 0;  // the texture, render target, vertex buffer or mesh the call creates, names or draws
    uint32_t which = 0;   // Set*State: the state (as its number); SetTransform: the TransformType;
                          // SetLight, LightEnable: the light index
    uint32_t value = 0;   // Set*State: the value; LightEnable: 1 on, 0 off
    int width = 0, height = 0;                // CreateTexture, CreateRenderTarget
    Format format{};                          // CreateRenderTarget
    uint32_t clearFlags = 0, clearColor = 0;  // Clear (the colour as ARGB)
    float clearZ = 0;
    Rect rect{};                              // SetScissorRect
    math3d::Matrix matrix{};                  // SetTransform
    Material material{};                      // SetMaterial
    Light light{};                            // SetLight
    Primitive primitive{};                    // DrawPrimitive
    uint32_t startVertex = 0, primitiveCount = 0;  // DrawPrimitive
    uint32_t subset = 0;                           // DrawSubset
    uint32_t batch = 1;                            // DrawSubset: the draws of its DrawSubsetInstanced call
    // DrawPrimitive: the vertices the draw reads, in order; CreateVertexBuffer, UpdateVertexBuffer: the data.
    std::vector<Vertex> vertices;
    DeviceState state;  // DrawPrimitive, DrawSubset: every state in force at the draw
    std::string text;   // Marker: the pass; TextMarker: the text
    float x = 0, y = 0; // TextMarker: where the text is drawn
    int font = 0;       // TextMarker
};

class RecordingDevice : public Device {
public:
    // Runs of many frames that need only the device's state and resources keep no calls: a log of
    // every frame would fill memory.
    explicit RecordingDevice(bool keepCalls = true) : keepCalls_(keepCalls) {}

    const std::vector<Call>& Calls() const { return calls_; }
    // The DrawPrimitive and DrawSubset calls, in order; the pointers hold until the next call on the device.
    std::vector<const Call*> Draws() const;
    void ClearCalls() { calls_.clear(); }    // the device's state and resources stay
    void KeepCalls(bool keep) { keepCalls_ = keep; }
    const DeviceState& State() const { return state_; }
    const MeshData* MeshOf(Mesh mesh) const;  // what CreateMesh was given; null when unknown
    // The name given to a texture or mesh; empty when it has none.
    const std::string& NameOf(uint32_t handle) const;

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
    // Kept as one DrawSubset call per matrix, each with its world transform and batch set.
    void DrawSubsetInstanced(Mesh mesh, uint32_t subset, const math3d::Matrix* worlds, uint32_t count) override;

    // A black frame: nothing is drawn.
    std::vector<uint8_t> ReadBackBuffer() override;

    void Name(uint32_t handle, const std::string& name) override;
    void Marker(const char* pass) override;
    void TextMarker(const char* text, float x, float y, int font) override;

private:
    struct TextureInfo {
        int width, height;
        bool renderTarget;
    };
    Call& Add(CallType type);

    bool keepCalls_;
    std::vector<Call> calls_;
    Call scratch_;  // the call being made when none are kept
    DeviceState state_;
    uint32_t nextHandle_ = 1;
    std::map<Texture, TextureInfo> textures_;
    std::map<VertexBuffer, std::vector<Vertex>> buffers_;
    std::map<Mesh, MeshData> meshes_;
    std::map<uint32_t, std::string> names_;  // kept while the handle lives
};

}  // namespace gfx
