#include "framework/myapp.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "framework/dateinamen.h"
#include "framework/items.h"
#include "framework/keyboard.h"
#include "framework/lists.h"
#include "framework/packarchiv.h"
#include "framework/services_townview.h"
#include "framework/setup.h"
#include "framework/shell.h"
#include "framework/szene.h"
#include "framework/texte.h"
#include "platform/texture_file.h"
#include "platform/os.h"
#include "platform/window.h"
#include "platform/xfile.h"
#include "world/records.h"

class MyApp MyApp;

namespace {
void LeereMeshSlot(class MyApp& app, int slot);
}

MyApp::~MyApp() { Shutdown(); }

namespace {

void Freigeben(gfx::Device* device, gfx::Texture& texture)
{
    if (texture && device) device->ReleaseTexture(texture);
    texture = 0;
}

// A texture from an image file; 0 when the file cannot be read or decoded.
// The names come from the data files: one that could leave the working directory counts as missing.
gfx::Texture TexturAusDatei(gfx::Device& device, const char* file)
{
    if (!IstSichererDateiname(file)) return 0;
    std::string error;
    return gfx::LoadTextureFile(device, file, error);
}

}  // namespace

void MyApp::Shutdown()
{
    gfx::Device* device = m_pd3dDevice.get();
    for (int slot = 0; slot < kMeshSlots; ++slot) {
        LeereMeshSlot(*this, slot);
        Freigeben(device, SlotTexturen[slot]);
    }
    GibItemIconsFrei();
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
    // Milliseconds as the counter gives them: the unsigned difference stays right across its wrap.
    const uint32_t jetzt = os::GetTickCount();
    fpsBilder += 1.0f;
    if (jetzt - fpsZuletzt > 1000u) {
        fpsZuletzt = jetzt;
        FPS = fpsBilder;
        fpsBilder = 0.0f;
    }
}

namespace {

// Loads file into table[index] (releasing what the slot held); an index outside the table loads
// nothing. On failure the box names the file and the slot stays empty.
// With bild the file's picture is already decoded.
void LadeInTabelle(gfx::Device& device, gfx::Texture* table, const char* tableName, int size, int index,
                   const char* file, const char* meldung, const image::Image* bild = nullptr)
{
    if (index < 0 || index >= size) return;
    Freigeben(&device, table[index]);
    std::string error;
    table[index] = bild ? gfx::TextureFromImage(device, *bild, file, error) : TexturAusDatei(device, file);
    if (!table[index]) os::MessageBox(meldung, file);
    else device.Name(table[index], std::string(tableName) + "[" + std::to_string(index) + "] " + file);
}

}  // namespace

void MyApp::LoadTexture(int index, const char* file)
{
    LadeInTabelle(*m_pd3dDevice, Texturen, "Texturen", kTexturen, index, file, "Texture nicht gefunden");
}

void MyApp::LoadTexture(int index, const char* file, const image::Image& bild)
{
    LadeInTabelle(*m_pd3dDevice, Texturen, "Texturen", kTexturen, index, file, "Texture nicht gefunden", &bild);
}

void MyApp::LoadItemTexture(int index, const char* file)
{
    LadeInTabelle(*m_pd3dDevice, SlotTexturen, "SlotTexturen", kMeshSlots, index, file, "Texture nicht gefunden");
}

void MyApp::LoadBodenTexture(int index, const char* file)
{
    LadeInTabelle(*m_pd3dDevice, BodenTexturen, "BodenTexturen", kBodenTexturen, index, file, "Texture nicht gefunden");
}

void MyApp::LoadSchriftTexture(int glyph, const char* file, int font)
{
    if (font < 0 || font >= 10 || glyph < 0 || glyph >= 100) return;
    LadeInTabelle(*m_pd3dDevice, SchriftTexturen, "SchriftTexturen", kSchriftTexturen, font * 100 + glyph, file,
                  "Schrift-Texture nicht gefunden");
}

void MyApp::LoadIconTexture(int index, const char* file)
{
    if (index < 0 || index >= kItemIcons) return;
    LadeInTabelle(*m_pd3dDevice, ItemIconTexturen, "ItemIconTexturen", kItemIcons, index, file, "Texture nicht gefunden");
    // The saved word only selects the entry of the unsaved table.
    ItemIcons[index] = ItemIconTexturen[index] ? uint32_t(index + 1) : 0u;
}

namespace {

const char* ListenPack()
{
    static const char* const kSprachPacks[] = {"Data/Pack16.gzp", "Data/Pack17.gzp", "Data/Pack18.gzp"};
    return Sprache >= 0 && Sprache <= 2 ? kSprachPacks[Sprache] : nullptr;
}

// The first pack of the chosen language that is missing or is no pack, or null when all are there:
// without one the game would run with figures, textures, sounds or texts missing.
const char* FehlendesPack()
{
    std::vector<const char*> packs = {"Data/Pack1.gzp",  "Data/Pack2.gzp",  "Data/Pack3.gzp",  "Data/Pack4.gzp",
                                      "Data/Pack9.gzp",  "Data/Pack10.gzp", "Data/Pack11.gzp", "Data/Pack12.gzp",
                                      "Data/Pack13.gzp", "Data/Pack15.gzp", TextPack(),        ListenPack()};
    for (int32_t font = 0; font < 4; ++font) packs.push_back(SchriftPack(font));
    for (const char* pack : packs)
        if (pack && !IstLesbaresPack(pack)) return pack;
    return nullptr;
}

void EntpackeSprachListen()
{
    if (const char* pack = ListenPack())
        for (const char* liste : ListenDateien) EntpackeDatei(pack, liste);
}

// The language's lists unpacked, and the level textures read and decoded from now on.
std::unique_ptr<LevelTexturen> LeseListenUndTexturen()
{
    const PackVerzeichnisse verzeichnisse;
    EntpackeSprachListen();
    return std::make_unique<LevelTexturen>(LeseLevelTexturen("Level001.txt"));
}

}  // namespace

void MyApp::BereiteVor()
{
    setupVorab = std::make_unique<SetupErsetzt>(LiesSetup("Data/Setup.txt"));
    if (!FehlendesPack()) texturenVorab = LeseListenUndTexturen();  // Init names a missing pack
}

int32_t MyApp::Init()
{
    if (!setupVorab) BereiteVor();
    MeldeSetup("Data/Setup.txt", *setupVorab);
    if (const char* pack = FehlendesPack()) {
        os::MessageBox(std::string("Datei fehlt oder ist nicht lesbar: ") + pack, "Fehler!");
        return -1;
    }
    // The level textures have been decoding on worker threads since BereiteVor; InitGameData reads
    // them itself when a pack was missing then and is there now.
    const std::unique_ptr<LevelTexturen> texturen = std::move(texturenVorab);

    m_d3dpp.width = gfx::kScreenWidth;
    m_d3dpp.height = gfx::kScreenHeight;
    switch (SetupWerte.COLOR) {
    case 16: m_d3dpp.format = gfx::Format::R5G6B5; break;
    case 24: m_d3dpp.format = gfx::Format::X8R8G8B8; break;
    default: m_d3dpp.format = gfx::Format::A8R8G8B8; break;
    }
    m_d3dpp.windowed = Vollbild == 0;

    std::string fehler;
    m_pd3dDevice = ErzeugeGeraet(fehler);
    if (!m_pd3dDevice) {
        os::MessageBox("CreateDevice() - FAILED", "");
        return -1;
    }
    ErstelleDirectInput();
    ErstelleTastatur();
    InitGameData(texturen.get());
    return 0;
}

void MyApp::InitGameData(LevelTexturen* vorab)
{
    const PackVerzeichnisse verzeichnisse;
    std::unique_ptr<LevelTexturen> eigene;
    if (!vorab) vorab = (eigene = LeseListenUndTexturen()).get();
    LadeLevelTexturen(*vorab);
    LadeSchrift("Schrift002.txt", 2);
    Cam.Set(0.0f, 250.0f, 100.0f, 0.0f, 237.0f, 90.0f, 0.0f, 1.0f, 0.0f);

    gfx::Device& device = *m_pd3dDevice;
    m_Material = gfx::Material{};
    m_Material.diffuse = {1.0f, 1.0f, 1.0f, 1.0f};
    m_Material.ambient = {1.0f, 1.0f, 1.0f, 1.0f};
    device.SetMaterial(m_Material);
    device.SetRenderState(gfx::RenderState::Ambient, 0xFFFFFFFFu);

    m_matProjNah = math3d::PerspectiveFovLH(0.8f, 1.3333334f, 0.5f, 1000.0f);
    device.SetTransform(gfx::TransformType::Projection, m_matProjNah);
    m_matProj = math3d::PerspectiveFovLH(0.7853982f, 1.3333334f, 1.0f, 9900.0f);
    device.SetTransform(gfx::TransformType::Projection, m_matProj);

    device.SetStageState(gfx::StageState::ColorOp, gfx::top::Modulate);
    device.SetStageState(gfx::StageState::ColorArg1, gfx::targ::Texture);
    device.SetStageState(gfx::StageState::ColorArg2, gfx::targ::Diffuse);
    device.SetStageState(gfx::StageState::AlphaOp, gfx::top::SelectArg1);
    device.SetStageState(gfx::StageState::AlphaArg1, gfx::targ::Texture);

    if (SetupWerte.FILTER == 1 || SetupWerte.FILTER == 2) {
        const uint32_t f = SetupWerte.FILTER == 1 ? gfx::filter::Linear : gfx::filter::Anisotropic;
        device.SetSamplerState(gfx::SamplerState::MinFilter, f);
        device.SetSamplerState(gfx::SamplerState::MagFilter, f);
    }
    device.SetSamplerState(gfx::SamplerState::AddressU, gfx::address::Clamp);
    device.SetSamplerState(gfx::SamplerState::AddressV, gfx::address::Clamp);

    device.SetRenderState(gfx::RenderState::DitherEnable, 1);
    device.SetRenderState(gfx::RenderState::ZEnable, 1);
    device.SetRenderState(gfx::RenderState::Lighting, 0);
    device.SetRenderState(gfx::RenderState::CullMode, gfx::cull::CCW);

    ErstelleSchattenTexture();
    Szene.ErstelleVorschauTexturen();
    CreateQuad();
}

namespace {

// Empties a mesh slot: the mesh, its materials and their textures, so a reload releases the old ones.
void LeereMeshSlot(class MyApp& app, int slot)
{
    gfx::Device* device = app.m_pd3dDevice.get();
    if (app.Meshes[slot] && device) device->ReleaseMesh(app.Meshes[slot]);
    app.Meshes[slot] = 0;
    for (gfx::Texture& t : app.MeshTexturen[slot]) Freigeben(device, t);
    app.MeshTexturen[slot].clear();
    app.MeshMaterialien[slot].clear();
    app.MeshMaterialZahl[slot] = 0;
    app.MeshBoxen[slot] = {};
}

MyApp::MeshBox BoxVon(const gfx::MeshData& daten)
{
    MyApp::MeshBox box;
    if (daten.subsets.empty()) return box;
    const gfx::MeshSubset& s = daten.subsets[0];
    for (uint32_t i = s.firstIndex; i < s.firstIndex + s.indexCount; ++i) {
        const gfx::Vertex& v = daten.vertices[daten.indices[i]];
        if (!box.bekannt) box.min = box.max = {v.x, v.y, v.z};
        box.bekannt = true;
        box.min = {std::min(box.min.x, v.x), std::min(box.min.y, v.y), std::min(box.min.z, v.z)};
        box.max = {std::max(box.max.x, v.x), std::max(box.max.y, v.y), std::max(box.max.z, v.z)};
    }
    return box;
}

// The slot's mesh from the decoded file, with its name, box and material count.
void ErzeugeMesh(class MyApp& app, int slot, const char* file, const gfx::MeshData& daten)
{
    app.Meshes[slot] = app.m_pd3dDevice->CreateMesh(daten);
    app.m_pd3dDevice->Name(app.Meshes[slot], "Meshes[" + std::to_string(slot) + "] " + file);
    if (app.Meshes[slot]) app.MeshBoxen[slot] = BoxVon(daten);
    app.MeshMaterialZahl[slot] = static_cast<uint32_t>(daten.materials.size());
}

// A missing model or model texture ends the program: the message, then the window is closed.
void ModellFehlt(const std::string& datei, const char* meldung)
{
    os::MessageBox(datei, meldung);
    win::PostMessage(win::msg::Close, 0, 0);
}

}  // namespace

int32_t MyApp::LoadModel(const char* file, int slot)
{
    if (slot < 0 || slot >= kMeshSlots) return -1;
    LeereMeshSlot(*this, slot);
    gfx::MeshData daten;
    std::string fehler;
    if (!IstSichererDateiname(file) || !gfx::LoadXFile(file, daten, fehler)) {
        ModellFehlt(file, "Model nicht gefunden:");
        return -1;
    }
    ErzeugeMesh(*this, slot, file, daten);
    for (const gfx::MeshMaterial& mm : daten.materials) {
        gfx::Material material = mm.material;
        material.ambient = material.diffuse;
        MeshMaterialien[slot].push_back(material);
        gfx::Texture textur = 0;
        if (!mm.textureFile.empty()) {
            // The name comes from the file: only a plain name in the working directory is unpacked.
            const std::string& name = mm.textureFile;
            LadeAusPack("Data/Pack10.gzp", name, [&] { textur = TexturAusDatei(*m_pd3dDevice, name.c_str()); });
            if (!textur) ModellFehlt(name, "Texture von Model nicht gefunden:");
            else m_pd3dDevice->Name(textur, "MeshTexturen[" + std::to_string(slot) + "] " + name);
        }
        MeshTexturen[slot].push_back(textur);
    }
    return 0;
}

int32_t MyApp::LoadMeshOnly(const char* file, int slot, const gfx::MeshData* daten)
{
    if (slot < 0 || slot >= kMeshSlots) return 0;
    LeereMeshSlot(*this, slot);
    gfx::MeshData gelesen;
    if (!daten) {
        std::string fehler;
        if (!IstSichererDateiname(file) || !gfx::LoadXFile(file, gelesen, fehler)) return 0;
        daten = &gelesen;
    }
    ErzeugeMesh(*this, slot, file, *daten);
    return 0;
}

void SetzeAlphaZustaende(gfx::Device& device)
{
    device.SetRenderState(gfx::RenderState::AlphaBlendEnable, 1);
    device.SetRenderState(gfx::RenderState::SrcBlend, gfx::blend::SrcAlpha);
    device.SetRenderState(gfx::RenderState::DestBlend, gfx::blend::InvSrcAlpha);
    device.SetRenderState(gfx::RenderState::AlphaTestEnable, 1);
    device.SetRenderState(gfx::RenderState::AlphaRef, 8);
    device.SetRenderState(gfx::RenderState::AlphaFunc, gfx::cmp::GreaterEqual);
}
