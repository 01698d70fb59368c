#include "framework/myapp.h"

#include <cmath>

#include "platform/image.h"
#include "platform/os.h"

class MyApp MyApp;

MyApp::~MyApp() { Shutdown(); }

namespace {

void Freigeben(gfx::Device* device, gfx::Texture& texture)
{
    if (texture && device) device->ReleaseTexture(texture);
    texture = 0;
}

// A texture from an image file; 0 when the file cannot be read or decoded.
gfx::Texture TexturAusDatei(gfx::Device& device, const char* file)
{
    image::Image img;
    std::string error;
    if (!image::Load(file, img, error)) return 0;
    return device.CreateTexture(img.width, img.height, img.rgba.data());
}

}  // namespace

void MyApp::Shutdown()
{
    gfx::Device* device = m_pd3dDevice.get();
    for (int slot = 0; slot < kMeshSlots; ++slot) {
        if (Meshes[slot] && device) device->ReleaseMesh(Meshes[slot]);
        Meshes[slot] = 0;
        for (gfx::Texture& t : MeshTexturen[slot]) Freigeben(device, t);
        MeshTexturen[slot].clear();
        MeshMaterialien[slot].clear();
        MeshMaterialZahl[slot] = 0;
        Freigeben(device, SlotTexturen[slot]);
    }
    for (gfx::Texture& t : ItemIconTexturen) Freigeben(device, t);
    for (gfx::Texture& t : Texturen) Freigeben(device, t);
    for (gfx::Texture& t : BodenTexturen) Freigeben(device, t);
    for (gfx::Texture& t : EnergieTexturen) Freigeben(device, t);
    for (gfx::Texture& t : SchriftTexturen) Freigeben(device, t);
    Freigeben(device, SchattenTextur);
    Freigeben(device, PortraitTextur);
    Freigeben(device, VorschauTextur);
    if (m_pQuadVB && device) device->ReleaseVertexBuffer(m_pQuadVB);
    m_pQuadVB = 0;
    // The device goes last: the resources above belong to it.
    m_pd3dDevice.reset();
}

int32_t MyApp::CreateQuad()
{
    // The unit square, y upward, the texture's top row at y = 1.
    const gfx::Vertex quad[4] = {
        {0, 0, 0, 0, 0, 1, 0, 1},
        {0, 1, 0, 0, 0, 1, 0, 0},
        {1, 0, 0, 0, 0, 1, 1, 1},
        {1, 1, 0, 0, 0, 1, 1, 0},
    };
    if (m_pQuadVB) m_pd3dDevice->ReleaseVertexBuffer(m_pQuadVB);
    m_pQuadVB = m_pd3dDevice->CreateVertexBuffer(quad, 4);
    return 0;
}

void MyApp::DrawQuad(float x, float y, float w, float h)
{
    math3d::Matrix world = math3d::Multiply(math3d::Scaling(w, h, 1.0f), math3d::RotationZ(0.0f));
    // Half a pixel to the left and up, so texels meet pixels.
    world.m[3][0] = x - 0.5f;
    world.m[3][1] = y + 0.5f;
    world.m[3][2] = 0.0f;
    m_pd3dDevice->SetTransform(gfx::TransformType::World, world);
    m_pd3dDevice->SetStreamSource(m_pQuadVB);
    m_pd3dDevice->DrawPrimitive(gfx::Primitive::TriangleStrip, 0, 2);
    m_pd3dDevice->SetTexture(0);
}

int32_t MyApp::Draw2D(float x, float y, float w, float h)
{
    DrawQuad(x - 512.0f, 384.0f - y - h, w, h);
    return 0;
}

void MyApp::SetPointLight(int index, float r, float g, float b, float x, float y, float z, float range,
                          float attenuation0, float attenuation1, float attenuation2)
{
    gfx::Light light;
    light.type = gfx::LightType::Point;
    light.diffuse = {r, g, b, 0.0f};
    light.position = {x, y, z};
    light.range = range;
    light.attenuation0 = attenuation0;
    light.attenuation1 = attenuation1;
    light.attenuation2 = attenuation2;
    m_pd3dDevice->SetLight(static_cast<uint32_t>(index), light);
    m_pd3dDevice->LightEnable(static_cast<uint32_t>(index), true);
    m_pd3dDevice->SetRenderState(gfx::RenderState::Lighting, 1);
    m_pd3dDevice->SetRenderState(gfx::RenderState::Ambient, 0xFF333333u);
}

float MyApp::Distance(float x1, float y1, float z1, float x2, float y2, float z2)
{
    const float dx = x2 - x1, dy = y2 - y1, dz = z2 - z1;
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

void MyApp::CountFPS()
{
    static float anzahl = 0.0f;
    static float zuletzt = 0.0f;
    const float jetzt = static_cast<float>(os::GetTickCount()) * 0.001f;
    anzahl += 1.0f;
    if (jetzt - zuletzt > 1.0f) {
        zuletzt = jetzt;
        FPS = anzahl;
        anzahl = 0.0f;
    }
}

namespace {

// Loads file into table[index] (releasing what the slot held); an index outside the table loads
// nothing. On failure the box names the file and the slot stays empty.
void LadeInTabelle(gfx::Device& device, gfx::Texture* table, int size, int index, const char* file,
                   const char* meldung)
{
    if (index < 0 || index >= size) return;
    Freigeben(&device, table[index]);
    table[index] = TexturAusDatei(device, file);
    if (!table[index]) os::MessageBox(meldung, file);
}

}  // namespace

void MyApp::LoadTexture(int index, const char* file)
{
    LadeInTabelle(*m_pd3dDevice, Texturen, kTexturen, index, file, "Texture nicht gefunden");
}

void MyApp::LoadItemTexture(int index, const char* file)
{
    LadeInTabelle(*m_pd3dDevice, SlotTexturen, kMeshSlots, index, file, "Texture nicht gefunden");
}

void MyApp::LoadBodenTexture(int index, const char* file)
{
    LadeInTabelle(*m_pd3dDevice, BodenTexturen, kBodenTexturen, index, file, "Texture nicht gefunden");
}

void MyApp::LoadSchriftTexture(int glyph, const char* file, int font)
{
    if (font < 0 || font >= 10 || glyph < 0 || glyph >= 100) return;
    LadeInTabelle(*m_pd3dDevice, SchriftTexturen, kSchriftTexturen, font * 100 + glyph, file,
                  "Schrift-Texture nicht gefunden");
}
