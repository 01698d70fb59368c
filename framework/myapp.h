#pragma once
// The one application object: the drawing device, the matrices, the mouse position and pick cell,
// and the resource tables that every drawing routine addresses by slot number. Class and global
// instance share the name, so game code reads MyApp.Draw2D(...) and MyApp.Texturen[201].
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/gfx.h"
#include "platform/image.h"
#include "platform/math3d.h"

struct LevelTexturen;
struct SetupErsetzt;

class MyApp {
public:
    static constexpr int kMeshSlots = 10001;
    static constexpr int kTexturen = 1000;
    static constexpr int kBodenTexturen = 1000;
    static constexpr int kSchriftTexturen = 10 * 100;  // glyph g of font f at f * 100 + g
    static constexpr int kEnergieTexturen = 28;
    static constexpr int kItemIcons = 500;

    // What start-up asked of the device: the back-buffer format from COLOR, windowed from FULLSCREEN.
    struct PresentParameters {
        int width = 0, height = 0;
        gfx::Format format = gfx::Format::A8R8G8B8;
        bool windowed = true;
    };

    MyApp() = default;
    ~MyApp();
    MyApp(const MyApp&) = delete;
    MyApp& operator=(const MyApp&) = delete;

    float FPS = 0.0f;
    float fpsBilder = 0.0f;     // frames counted since fpsZuletzt
    uint32_t fpsZuletzt = 0;    // tick of the last FPS update
    int32_t PickX = 0, PickY = 0;  // town-grid cell under the mouse
    int32_t MausX = 0, MausY = 0;  // client pixels, written only by the window procedure
    int32_t Objektcounter = 0;
    math3d::Matrix m_matProj{};
    math3d::Matrix m_matView{};
    math3d::Matrix m_matProjNah{};

    // Mesh slots: the mesh, one material and one texture (0 = none) per subset.
    gfx::Mesh Meshes[kMeshSlots] = {};
    std::vector<gfx::Material> MeshMaterialien[kMeshSlots];
    std::vector<gfx::Texture> MeshTexturen[kMeshSlots];
    uint32_t MeshMaterialZahl[kMeshSlots] = {};
    // The box around subset 0 of a slot's mesh as loaded; unknown (bekannt false) for a mesh made
    // elsewhere.
    struct MeshBox {
        math3d::Vec3 min{}, max{};
        bool bekannt = false;
    };
    MeshBox MeshBoxen[kMeshSlots] = {};

    std::unique_ptr<gfx::Device> m_pd3dDevice;
    PresentParameters m_d3dpp;
    gfx::Material m_Material{};

    gfx::Texture Texturen[kTexturen] = {};
    gfx::Texture SlotTexturen[kMeshSlots] = {};
    gfx::Texture BodenTexturen[kBodenTexturen] = {};
    gfx::Texture SchattenTextur = 0, PortraitTextur = 0, VorschauTextur = 0;
    gfx::Texture SchriftTexturen[kSchriftTexturen] = {};
    gfx::Texture EnergieTexturen[kEnergieTexturen] = {};
    gfx::VertexBuffer m_pQuadVB = 0;
    // The item icons themselves; the saved ItemIcons words only index this table (see items.h).
    gfx::Texture ItemIconTexturen[kItemIcons] = {};

    // Start-up's first part, which needs no window (the shell runs it before making one): the
    // settings read (Init gives their message), the language's lists unpacked and the level
    // textures read and decoded on worker threads from then on, while the window and the OpenGL
    // driver start. Init does it itself when it was not done.
    void BereiteVor();
    std::unique_ptr<SetupErsetzt> setupVorab;
    std::unique_ptr<LevelTexturen> texturenVorab;
    // Start-up: settings, device (through the shell's device factory), keyboard, game data.
    // 0 on success, -1 on failure (after its message box).
    int32_t Init();
    // The game data; with vorab the language's lists are unpacked and the level textures read ahead.
    void InitGameData(LevelTexturen* vorab = nullptr);
    // Releases everything; harmless when called again.
    void Shutdown();

    // The frame dispatch; -1 when Present failed, else 0.
    int32_t Render(float value);

    int32_t CreateQuad();
    void DrawQuad(float x, float y, float w, float h);
    // The texture on stage 0 as a w x h quad at pixel (x, y), origin top left; leaves no texture set.
    int32_t Draw2D(float x, float y, float w, float h);

    // 0 on success, -1 when the model could not be loaded (the program is then closed).
    int32_t LoadModel(const char* file, int slot);
    // With daten the file is already decoded.
    int32_t LoadMeshOnly(const char* file, int slot, const gfx::MeshData* daten = nullptr);
    void LoadTexture(int index, const char* file);
    // The same with the file's picture already decoded.
    void LoadTexture(int index, const char* file, const image::Image& bild);
    void LoadItemTexture(int index, const char* file);
    void LoadBodenTexture(int index, const char* file);
    void LoadIconTexture(int index, const char* file);
    void LoadSchriftTexture(int glyph, const char* file, int font);

    void SetPointLight(int index, float r, float g, float b, float x, float y, float z, float range,
                       float attenuation0, float attenuation1, float attenuation2);
    float Distance(float x1, float y1, float z1, float x2, float y2, float z2);
    void CountFPS();
};

extern class MyApp MyApp;

// Blending by source alpha and the alpha test at 8 (GREATEREQUAL): the states every textured overlay,
// text and see-through model of the game draws with.
void SetzeAlphaZustaende(gfx::Device& device);
