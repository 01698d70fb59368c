// The town view's passes on the OpenGL device (offscreen): a small town at night from a fixed
// camera, with a figure, a house, a plant, shadows and a lamp; and a portrait.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>

#include "framework/camera.h"
#include "framework/frame.h"
#include "framework/geometry.h"
#include "framework/myapp.h"
#include "framework/services_townview.h"
#include "framework/szene.h"
#include "platform/random.h"
#include "townview/vorschau.h"
#include "world/records.h"

namespace {

struct Farbe {
    int r, g, b;
};

gfx::MeshData Quader(float x0, float y0, float z0, float x1, float y1, float z1)
{
    gfx::MeshData m;
    const float p[8][3] = {{x0, y0, z0}, {x1, y0, z0}, {x1, y1, z0}, {x0, y1, z0},
                           {x0, y0, z1}, {x1, y0, z1}, {x1, y1, z1}, {x0, y1, z1}};
    const int seiten[6][4] = {{0, 3, 2, 1}, {4, 5, 6, 7}, {0, 4, 7, 3}, {1, 2, 6, 5}, {3, 7, 6, 2}, {0, 1, 5, 4}};
    const float n[6][3] = {{0, 0, -1}, {0, 0, 1}, {-1, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, -1, 0}};
    const float uv[4][2] = {{0, 1}, {0, 0}, {1, 0}, {1, 1}};
    for (int s = 0; s < 6; ++s) {
        const uint32_t basis = uint32_t(m.vertices.size());
        for (int k = 0; k < 4; ++k) {
            const float* q = p[seiten[s][k]];
            m.vertices.push_back({q[0], q[1], q[2], n[s][0], n[s][1], n[s][2], uv[k][0], uv[k][1]});
        }
        for (uint32_t i : {0u, 1u, 2u, 0u, 2u, 3u}) m.indices.push_back(basis + i);
    }
    m.subsets.push_back({0, uint32_t(m.indices.size())});
    m.materials.resize(1);
    return m;
}

// A flat square facing up, 2h wide, lying at height y.
gfx::MeshData Flach(float h, float y = 0)
{
    gfx::MeshData m;
    m.vertices = {{-h, y, -h, 0, 1, 0, 0, 1}, {-h, y, h, 0, 1, 0, 0, 0}, {h, y, h, 0, 1, 0, 1, 0}, {h, y, -h, 0, 1, 0, 1, 1}};
    m.indices = {0, 1, 2, 0, 2, 3};
    m.subsets.push_back({0, 6});
    m.materials.resize(1);
    return m;
}

class SzeneGerendert : public ::testing::Test {
protected:
    gfx::Device* dev = nullptr;
    std::vector<uint8_t> bild;

    void SetUp() override
    {
        std::memset(&SpielGlobals, 0, sizeof SpielGlobals);
        std::memset(Figuren, 0, sizeof Figuren);
        std::memset(StadtObjekte, 0, sizeof StadtObjekte);
        std::memset(VegetationObjekte, 0, sizeof VegetationObjekte);
        std::memset(BodenKarte, 0, sizeof BodenKarte);
        std::memset(LichtZustand, 0, sizeof LichtZustand);
        ZufallSaat(1);
        std::string fehler;
        MyApp.m_pd3dDevice = gfx::CreateGLDevice(nullptr, fehler);
        ASSERT_NE(MyApp.m_pd3dDevice, nullptr) << fehler;
        dev = MyApp.m_pd3dDevice.get();
        MyApp.CreateQuad();
        gfx::Material weiss{};
        weiss.diffuse = weiss.ambient = {1, 1, 1, 1};
        dev->SetMaterial(weiss);
        // The test's boxes are not wound for culling.
        dev->SetRenderState(gfx::RenderState::CullMode, gfx::cull::None);

        MyApp.Meshes[9003] = dev->CreateMesh(Flach(15));
        MyApp.Meshes[9007] = dev->CreateMesh(Flach(320));
        MyApp.Meshes[3000] = dev->CreateMesh(Quader(-3, 8, -2, 3, 15, 2));     // torso
        MyApp.Meshes[3001] = dev->CreateMesh(Quader(-2, 15, -2, 2, 19, 2));    // head
        MyApp.Meshes[3002] = dev->CreateMesh(Quader(-3, 0, -2, 3, 8, 2));      // legs
        MyApp.Meshes[3100] = dev->CreateMesh(Quader(-12, 0, -12, 12, 25, 12));  // house
        MyApp.Meshes[3200] = dev->CreateMesh(Quader(-1, 0, -4, 1, 12, 4));     // plant
        MyApp.MeshTexturen[3100] = {Farbig(0xFFC04020)};
        MyApp.MeshTexturen[3200] = {Farbig(0xFF20C020)};
        MyApp.BodenTexturen[1] = Farbig(0xFFB0B0B0);
        MyApp.Texturen[12] = Farbig(0xFF3050E0);   // the figure's cloth
        MyApp.Texturen[132] = Farbig(0xFF000000);  // shadow caster
        MyApp.Texturen[10] = Farbig(0xFF808080);   // the portrait's side strips
        for (int k : {17, 20, 267}) MyApp.Texturen[k] = Farbig(0x00000000);

        for (int i = 0; i < BODENKARTE_GROESSE; ++i)
            for (int j = 0; j < BODENKARTE_GROESSE; ++j) BodenKarte[i][j].BasisTextur = 1;
        FigurRecord& f = Figuren[0];
        f.Aktiv = 1;
        f.Typ = 10;
        f.Position[0] = 290;
        f.Position[2] = 300;
        f.TeilModelle[0] = 3000, f.TeilModelle[1] = 3001, f.TeilModelle[2] = 3002;
        FigurRecord& lampe = Figuren[1];
        lampe.Aktiv = 1;
        lampe.Typ = 10003;
        lampe.Position[0] = 250;
        lampe.Position[2] = 260;
        StadtObjekte[0] = {1, {}, {340, 0, 330}, {}, 0, 3100};
        VegetationObjekte[0] = {1, {}, {300, 0, 270}, {}, 0, 3200};

        // Night: a dim sun far off to the side.
        LichtZustand[0] = {1, {}, 0, {0.05f, 0.05f, 0.1f}, {640, 500, 300}, 2000, {0, 0.001f, 0}, 0};
        SetupWerte.SHADOW = 1;
        SetupWerte.SHADOW_ENTITY = SetupWerte.SHADOW_OBJEKT = 1;
        SetupWerte.VEGETATION = 1;
        ErstelleSchattenTexture();
        Szene.ErstelleVorschauTexturen();
        Cam.Set(300, 160, 180, 300, 0, 300, 0, 1, 0);
    }

    void TearDown() override { MyApp.Shutdown(); }

    gfx::Texture Farbig(uint32_t argb)
    {
        uint8_t px[4 * 4];
        for (int k = 0; k < 4; ++k) {
            px[4 * k] = uint8_t(argb >> 16), px[4 * k + 1] = uint8_t(argb >> 8), px[4 * k + 2] = uint8_t(argb);
            px[4 * k + 3] = uint8_t(argb >> 24);
        }
        return dev->CreateTexture(2, 2, px);
    }

    // The town frame's 3D passes, in its order.
    void ZeichneStadt()
    {
        dev->Clear(gfx::clear::Target | gfx::clear::ZBuffer, 0xFF000000u, 1.0f);
        dev->BeginScene();
        Szene.Setze3DKamera();
        SichtPyramide.FrustumAktualisieren();
        Szene.SetzeFigurLichter();
        Szene.ZeichneBoden();
        Szene.ZeichneHorizont();
        Szene.ZeichneRand();
        if (SetupWerte.SHADOW > 0) Szene.RendereFigurSchatten();
        Szene.ZeichneFiguren();
        if (SetupWerte.SHADOW > 0) Szene.RendereObjektSchatten();
        Szene.ZeichneStadtObjekte();
        Szene.ZeichneVegetation();
        dev->EndScene();
        bild = dev->ReadBackBuffer();
    }

    Farbe Bei(float x, float y, float z) const
    {
        const BildschirmPunkt p = ProjiziereAufBildschirm(x, y, z);
        EXPECT_TRUE(p.vorAuge);
        const int px = std::clamp(p.x, 0, 1023), py = std::clamp(768 - p.y, 0, 767);
        const uint8_t* q = &bild[(size_t(py) * 1024 + size_t(px)) * 4];
        return {q[0], q[1], q[2]};
    }

    static int Hell(Farbe f) { return f.r + f.g + f.b; }

    void Speichere(const char* name)
    {
        const auto ordner = std::filesystem::path(VELQUOR_BINARY_DIR) / "screenshots";
        std::filesystem::create_directories(ordner);
        std::string fehler;
        EXPECT_TRUE(gfx::SaveBackBufferPng(*dev, (ordner / name).string(), fehler)) << fehler;
    }
};

TEST_F(SzeneGerendert, TownAtNightWithALampShadowsFigurePlantAndHouse)
{
    ZeichneStadt();
    Speichere("townview_nacht.png");
    const Farbe beiLampe = Bei(255, 0, 265), fern = Bei(360, 0, 260);
    const Farbe figur = Bei(290, 17, 300), haus = Bei(340, 25, 330), pflanze = Bei(300, 10, 270);
    const Farbe schatten = Bei(365, 0, 345), frei = Bei(300, 0, 360);

    // The lamp lights the floor orange; beyond its reach it does not.
    EXPECT_GT(beiLampe.r, fern.r + 40);
    EXPECT_GT(beiLampe.r, beiLampe.b + 40);
    // The figure's head shows its blue skin variant, the house its red, the plant is green.
    EXPECT_GT(figur.b, figur.r);
    EXPECT_GT(haus.r, haus.g + 10);
    EXPECT_GT(pflanze.g, pflanze.r);
    EXPECT_GT(pflanze.g, pflanze.b);

    // The house's shadow falls away from the sun (+x) and darkens the floor there.
    SetupWerte.SHADOW = 0;
    ZeichneStadt();
    EXPECT_LT(Hell(schatten) + 20, Hell(Bei(365, 0, 345)));
    EXPECT_NEAR(Hell(frei), Hell(Bei(300, 0, 360)), 6) << "the layer leaves the rest of the frame as it was";

    // Without the lamp that floor is as dark as the rest.
    Figuren[1].Aktiv = 0;
    ZeichneStadt();
    EXPECT_LT(Bei(255, 0, 265).r + 40, beiLampe.r);
}

TEST_F(SzeneGerendert, PortraitShowsTheHeadBetweenTheStrips)
{
    FigurRecord& f = Figuren[0];
    f.TeilModelle[1] = 3001;
    dev->Clear(gfx::clear::Target | gfx::clear::ZBuffer, 0xFF000000u, 1.0f);
    dev->BeginScene();
    Szene.Setze3DKamera();
    RenderePortrait(0);
    // The portrait drawn back onto the frame at its own size.
    dev->SetTexture(MyApp.PortraitTextur);
    MyApp.Draw2D(0, 0, 128, 128);
    dev->EndScene();
    bild = dev->ReadBackBuffer();
    Speichere("townview_portrait.png");
    auto pixel = [&](int x, int y) {
        const uint8_t* q = &bild[(size_t(y) * 1024 + size_t(x)) * 4];
        return Farbe{q[0], q[1], q[2]};
    };
    const Farbe streifen = pixel(5, 64), kopf = pixel(64, 64);
    EXPECT_NEAR(streifen.r, 0x80, 8);
    EXPECT_NEAR(streifen.b, 0x80, 8);
    EXPECT_GT(Hell(kopf), 60) << "the head is lit by the portrait's lights";
    EXPECT_GT(kopf.r, kopf.b) << "under the orange front light";
    EXPECT_EQ(Hell(pixel(130, 64)), 0) << "beside the picture the frame is untouched";
}

}  // namespace
