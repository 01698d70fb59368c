#include "platform/gfx_state.h"

namespace gfx {

DeviceState::DeviceState()
{
    auto rs = [this](RenderState s, uint32_t v) { renderStates[uint32_t(s)] = v; };
    rs(RenderState::ZEnable, 1);  // the device is made with a depth buffer
    rs(RenderState::ZWriteEnable, 1);
    rs(RenderState::Lighting, 1);
    rs(RenderState::AlphaBlendEnable, 0);
    rs(RenderState::SrcBlend, blend::One);
    rs(RenderState::DestBlend, blend::Zero);
    rs(RenderState::AlphaTestEnable, 0);
    rs(RenderState::AlphaRef, 0);
    rs(RenderState::AlphaFunc, cmp::Always);
    rs(RenderState::CullMode, cull::CCW);
    rs(RenderState::Ambient, 0);
    rs(RenderState::DitherEnable, 0);
    rs(RenderState::ScissorTestEnable, 0);

    auto ts = [this](StageState s, uint32_t v) { stageStates[uint32_t(s)] = v; };
    ts(StageState::ColorOp, top::Modulate);
    ts(StageState::ColorArg1, targ::Texture);
    ts(StageState::ColorArg2, targ::Current);
    ts(StageState::AlphaOp, top::SelectArg1);
    ts(StageState::AlphaArg1, targ::Texture);
    ts(StageState::AlphaArg2, targ::Current);

    auto ss = [this](SamplerState s, uint32_t v) { samplerStates[uint32_t(s)] = v; };
    ss(SamplerState::MinFilter, filter::Point);
    ss(SamplerState::MagFilter, filter::Point);
    ss(SamplerState::AddressU, address::Wrap);
    ss(SamplerState::AddressV, address::Wrap);

    for (auto& t : transforms) t = math3d::Identity();

    // A light enabled before it was ever set is Direct3D's default light: white, directional, along +z.
    for (auto& l : lights) {
        l = Light{};
        l.type = LightType::Directional;
        l.diffuse = {1, 1, 1, 0};
        l.direction = {0, 0, 1};
    }
}

bool DeviceState::Set(RenderState s, uint32_t value)
{
    if (uint32_t(s) >= uint32_t(RenderState::Count)) return false;
    renderStates[uint32_t(s)] = value;
    return true;
}

bool DeviceState::Set(StageState s, uint32_t value)
{
    if (uint32_t(s) >= uint32_t(StageState::Count)) return false;
    stageStates[uint32_t(s)] = value;
    return true;
}

bool DeviceState::Set(SamplerState s, uint32_t value)
{
    if (uint32_t(s) >= uint32_t(SamplerState::Count)) return false;
    samplerStates[uint32_t(s)] = value;
    return true;
}

bool DeviceState::Set(TransformType t, const math3d::Matrix& m)
{
    if (uint32_t(t) > uint32_t(TransformType::Projection)) return false;
    transforms[uint32_t(t)] = m;
    return true;
}

bool DeviceState::SetLight(uint32_t index, const Light& light)
{
    if (index >= kMaxLights) return false;
    lights[index] = light;
    return true;
}

bool DeviceState::EnableLight(uint32_t index, bool enable)
{
    if (index >= kMaxLights) return false;
    lightEnabled[index] = enable;
    return true;
}

bool ValidMeshData(const MeshData& data)
{
    for (uint32_t i : data.indices)
        if (i >= data.vertices.size()) return false;
    for (const MeshSubset& s : data.subsets)
        if (s.indexCount % 3 != 0 || uint64_t(s.firstIndex) + s.indexCount > data.indices.size()) return false;
    return true;
}

uint64_t VerticesOfPrimitives(Primitive type, uint32_t primitiveCount)
{
    if (primitiveCount == 0) return 0;
    switch (type) {
    case Primitive::TriangleList: return uint64_t(primitiveCount) * 3;
    case Primitive::TriangleStrip: return uint64_t(primitiveCount) + 2;
    }
    return 0;
}

}  // namespace gfx
