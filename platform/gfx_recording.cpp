#include "platform/gfx_recording.h"

#include <algorithm>

namespace gfx {

// Every call is recorded as it was made, valid or not, so a test sees what the code asked for; the
// device state follows the calls with the same rules as the OpenGL device.

Call& RecordingDevice::Add(CallType type)
{
    Call& c = keepCalls_ ? calls_.emplace_back() : scratch_;
    c.type = type;
    return c;
}

std::vector<const Call*> RecordingDevice::Draws() const
{
    std::vector<const Call*> out;
    for (const Call& c : calls_)
        if (c.type == CallType::DrawPrimitive || c.type == CallType::DrawSubset) out.push_back(&c);
    return out;
}

const MeshData* RecordingDevice::MeshOf(Mesh mesh) const
{
    auto it = meshes_.find(mesh);
    return it == meshes_.end() ? nullptr : &it->second;
}

Texture RecordingDevice::CreateTexture(int width, int height, const uint8_t* rgba)
{
    Texture t = 0;
    if (width > 0 && height > 0 && rgba) {
        t = nextHandle_++;
        textures_[t] = {width, height, false};
    }
    Call& c = Add(CallType::CreateTexture);
    c.handle = t;
    c.width = width;
    c.height = height;
    return t;
}

Texture RecordingDevice::CreateRenderTarget(int width, int height, Format format)
{
    Texture t = 0;
    if (width > 0 && height > 0) {
        t = nextHandle_++;
        textures_[t] = {width, height, true};
    }
    Call& c = Add(CallType::CreateRenderTarget);
    c.handle = t;
    c.width = width;
    c.height = height;
    c.format = format;
    return t;
}

void RecordingDevice::UpdateTexture(Texture texture, const uint8_t*)
{
    Add(CallType::UpdateTexture).handle = texture;
}

void RecordingDevice::ReleaseTexture(Texture texture)
{
    textures_.erase(texture);
    names_.erase(texture);
    if (state_.renderTarget == texture) state_.renderTarget = 0;
    Add(CallType::ReleaseTexture).handle = texture;
}

bool RecordingDevice::TextureSize(Texture texture, int& width, int& height) const
{
    auto it = textures_.find(texture);
    if (it == textures_.end()) return false;
    width = it->second.width;
    height = it->second.height;
    return true;
}

VertexBuffer RecordingDevice::CreateVertexBuffer(const Vertex* vertices, size_t count)
{
    VertexBuffer b = 0;
    Call& c = Add(CallType::CreateVertexBuffer);
    if (count > 0) {
        b = nextHandle_++;
        auto& data = buffers_[b];
        if (vertices) data.assign(vertices, vertices + count);
        else data.assign(count, Vertex{});
        c.vertices = data;
    }
    c.handle = b;
    return b;
}

void RecordingDevice::UpdateVertexBuffer(VertexBuffer buffer, const Vertex* vertices, size_t count)
{
    Call& c = Add(CallType::UpdateVertexBuffer);
    c.handle = buffer;
    auto it = buffers_.find(buffer);
    if (it == buffers_.end() || !vertices) return;
    // As the OpenGL device: the update writes from the start and never grows the buffer.
    size_t n = count < it->second.size() ? count : it->second.size();
    std::copy(vertices, vertices + n, it->second.begin());
    c.vertices.assign(vertices, vertices + n);
}

void RecordingDevice::ReleaseVertexBuffer(VertexBuffer buffer)
{
    buffers_.erase(buffer);
    if (state_.streamSource == buffer) state_.streamSource = 0;
    Add(CallType::ReleaseVertexBuffer).handle = buffer;
}

Mesh RecordingDevice::CreateMesh(const MeshData& data)
{
    Mesh m = 0;
    if (ValidMeshData(data)) {
        m = nextHandle_++;
        meshes_[m] = data;
    }
    Add(CallType::CreateMesh).handle = m;
    return m;
}

void RecordingDevice::ReleaseMesh(Mesh mesh)
{
    meshes_.erase(mesh);
    names_.erase(mesh);
    Add(CallType::ReleaseMesh).handle = mesh;
}

uint32_t RecordingDevice::SubsetCount(Mesh mesh) const
{
    auto it = meshes_.find(mesh);
    return it == meshes_.end() ? 0 : uint32_t(it->second.subsets.size());
}

void RecordingDevice::SetRenderState(RenderState s, uint32_t value)
{
    state_.Set(s, value);
    Call& c = Add(CallType::SetRenderState);
    c.which = uint32_t(s);
    c.value = value;
}

uint32_t RecordingDevice::GetRenderState(RenderState s) const
{
    return uint32_t(s) < uint32_t(RenderState::Count) ? state_.Get(s) : 0;
}

void RecordingDevice::SetStageState(StageState s, uint32_t value)
{
    state_.Set(s, value);
    Call& c = Add(CallType::SetStageState);
    c.which = uint32_t(s);
    c.value = value;
}

void RecordingDevice::SetSamplerState(SamplerState s, uint32_t value)
{
    state_.Set(s, value);
    Call& c = Add(CallType::SetSamplerState);
    c.which = uint32_t(s);
    c.value = value;
}

void RecordingDevice::SetTransform(TransformType type, const math3d::Matrix& matrix)
{
    state_.Set(type, matrix);
    Call& c = Add(CallType::SetTransform);
    c.which = uint32_t(type);
    c.matrix = matrix;
}

math3d::Matrix RecordingDevice::GetTransform(TransformType type) const
{
    return uint32_t(type) <= uint32_t(TransformType::Projection) ? state_.Get(type) : math3d::Identity();
}

void RecordingDevice::SetMaterial(const Material& material)
{
    state_.material = material;
    Add(CallType::SetMaterial).material = material;
}

void RecordingDevice::SetLight(uint32_t index, const Light& light)
{
    state_.SetLight(index, light);
    Call& c = Add(CallType::SetLight);
    c.which = index;
    c.light = light;
}

void RecordingDevice::LightEnable(uint32_t index, bool enable)
{
    state_.EnableLight(index, enable);
    Call& c = Add(CallType::LightEnable);
    c.which = index;
    c.value = enable ? 1 : 0;
}

void RecordingDevice::SetTexture(Texture texture)
{
    state_.texture = texture;
    Add(CallType::SetTexture).handle = texture;
}

void RecordingDevice::SetRenderTarget(Texture target)
{
    // 0 is the back buffer; a handle that is no render target is refused and the target stays.
    auto it = textures_.find(target);
    if (target == 0 || (it != textures_.end() && it->second.renderTarget)) {
        state_.renderTarget = target;
        state_.scissor = {0, 0, target ? it->second.width : kScreenWidth, target ? it->second.height : kScreenHeight};
    }
    Add(CallType::SetRenderTarget).handle = target;
}

void RecordingDevice::SetScissorRect(const Rect& rect)
{
    state_.scissor = rect;
    Add(CallType::SetScissorRect).rect = rect;
}

void RecordingDevice::SetStreamSource(VertexBuffer buffer)
{
    state_.streamSource = buffer;
    Add(CallType::SetStreamSource).handle = buffer;
}

void RecordingDevice::Clear(uint32_t flags, uint32_t argb, float z)
{
    Call& c = Add(CallType::Clear);
    c.handle = state_.renderTarget;
    c.clearFlags = flags;
    c.clearColor = argb;
    c.clearZ = z;
}

void RecordingDevice::BeginScene() { Add(CallType::BeginScene); }
void RecordingDevice::EndScene() { Add(CallType::EndScene); }

bool RecordingDevice::Present()
{
    Add(CallType::Present);
    return true;
}

void RecordingDevice::DrawPrimitive(Primitive type, uint32_t startVertex, uint32_t primitiveCount)
{
    Call& c = Add(CallType::DrawPrimitive);
    c.handle = state_.streamSource;
    c.primitive = type;
    c.startVertex = startVertex;
    c.primitiveCount = primitiveCount;
    c.state = state_;
    auto it = buffers_.find(state_.streamSource);
    if (it == buffers_.end()) return;
    const auto& data = it->second;
    uint64_t end = uint64_t(startVertex) + VerticesOfPrimitives(type, primitiveCount);
    if (startVertex < data.size()) c.vertices.assign(data.begin() + startVertex, data.begin() + std::min<uint64_t>(end, data.size()));
}

void RecordingDevice::DrawSubset(Mesh mesh, uint32_t subset)
{
    Call& c = Add(CallType::DrawSubset);
    c.handle = mesh;
    c.subset = subset;
    c.state = state_;
}

void RecordingDevice::DrawSubsetInstanced(Mesh mesh, uint32_t subset, const math3d::Matrix* worlds, uint32_t count)
{
    for (uint32_t i = 0; i < count; ++i) {
        state_.Set(TransformType::World, worlds[i]);
        DrawSubset(mesh, subset);
        if (keepCalls_) calls_.back().batch = count;
    }
}

std::vector<uint8_t> RecordingDevice::ReadBackBuffer()
{
    std::vector<uint8_t> black(size_t(kScreenWidth) * kScreenHeight * 4, 0);
    for (size_t i = 3; i < black.size(); i += 4) black[i] = 255;
    return black;
}

const std::string& RecordingDevice::NameOf(uint32_t handle) const
{
    static const std::string kNone;
    auto it = names_.find(handle);
    return it == names_.end() ? kNone : it->second;
}

void RecordingDevice::Name(uint32_t handle, const std::string& name)
{
    if (handle != 0) names_[handle] = name;
}

void RecordingDevice::Marker(const char* pass)
{
    Add(CallType::Marker).text = pass ? pass : "";
}

void RecordingDevice::TextMarker(const char* text, float x, float y, int font)
{
    Call& c = Add(CallType::TextMarker);
    c.text = text ? text : "";
    c.x = x;
    c.y = y;
    c.font = font;
}

std::unique_ptr<Device> CreateRecordingDevice()
{
    return std::make_unique<RecordingDevice>();
}

}  // namespace gfx
