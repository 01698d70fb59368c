#pragma once
// The state a device keeps between calls, with Direct3D 9's defaults. Both devices hold one; the
// recording device hands a copy of it out with every draw, so tests see exactly what a draw used.
#include <cstdint>

#include "platform/gfx.h"

namespace gfx {

constexpr uint32_t kMaxLights = 100;

struct DeviceState {
    uint32_t renderStates[uint32_t(RenderState::Count)];
    uint32_t stageStates[uint32_t(StageState::Count)];
    uint32_t samplerStates[uint32_t(SamplerState::Count)];
    math3d::Matrix transforms[3];  // by TransformType
    Material material{};
    Light lights[kMaxLights];
    bool lightEnabled[kMaxLights] = {};
    Texture texture = 0;
    Texture renderTarget = 0;      // 0 = the back buffer
    Rect scissor{0, 0, kScreenWidth, kScreenHeight};
    VertexBuffer streamSource = 0;

    DeviceState();

    uint32_t Get(RenderState s) const { return renderStates[uint32_t(s)]; }
    uint32_t Get(StageState s) const { return stageStates[uint32_t(s)]; }
    uint32_t Get(SamplerState s) const { return samplerStates[uint32_t(s)]; }
    const math3d::Matrix& Get(TransformType t) const { return transforms[uint32_t(t)]; }

    // The setters ignore what Direct3D would refuse (unknown states, light index 100 and above) and
    // return false then, so a device does nothing more with the call.
    bool Set(RenderState s, uint32_t value);
    bool Set(StageState s, uint32_t value);
    bool Set(SamplerState s, uint32_t value);
    bool Set(TransformType t, const math3d::Matrix& m);
    bool SetLight(uint32_t index, const Light& light);
    bool EnableLight(uint32_t index, bool enable);
};

// Indices within the vertices, subsets within the indices and made of whole triangles.
bool ValidMeshData(const MeshData& data);

// The number of vertices a draw of primitiveCount primitives reads.
uint64_t VerticesOfPrimitives(Primitive type, uint32_t primitiveCount);  // 0 for an unknown type

}  // namespace gfx
