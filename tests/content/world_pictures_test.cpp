// Pictures of the world's models drawn with the OpenGL device, for people to look at:
// build-test/screenshots/content_figures.png (the figure in several actions and frames, textured
// per part), content_objects.png (the town objects in a row) and content_closeup.png (the
// container's close-up set from the scene camera).
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "content/town_models.h"
#include "tests/content/daten_bilder.h"
#include "framework/lists.h"
#include "framework/myapp.h"
#include "framework/packarchiv.h"
#include "framework/setup.h"
#include "platform/gfx.h"
#include "platform/math3d.h"
#include "platform/os.h"

namespace fs = std::filesystem;

namespace {

class WeltBilder : public DatenBilder {
protected:
    void SetUp() override {
        DatenBilder::SetUp();
        if (HasFatalFailure()) return;
        Sprache = 0;
        for (const char* liste : {"Level001.txt", "s_Mesh.txt", "Fig_Anims.txt"})
            ASSERT_TRUE(EntpackeDatei("Data/Pack16.gzp", liste));
        LadeLevelTexturen("Level001.txt");
        LadeLevelModelle("Level001.txt");
        LadeMeshes("s_Mesh.txt");
        LadeFigAnims("Fig_Anims.txt");
        ASSERT_TRUE(meldungen.empty()) << meldungen.front();
    }
    void Beginne(math3d::Vec3 auge, math3d::Vec3 ziel) {
        gfx::Device& d = *MyApp.m_pd3dDevice;
        d.Clear(gfx::clear::Target | gfx::clear::ZBuffer, 0xFF6080A0, 1.0f);
        d.BeginScene();
        gfx::Material m{};
        m.diffuse = m.ambient = {1, 1, 1, 1};
        d.SetMaterial(m);
        d.SetTransform(gfx::TransformType::Projection, math3d::PerspectiveFovLH(0.7853982f, 1.3333334f, 1.0f, 2000.0f));
        d.SetTransform(gfx::TransformType::View, math3d::LookAtLH(auge, ziel, {0, 1, 0}));
        d.SetRenderState(gfx::RenderState::ZEnable, 1);
        d.SetRenderState(gfx::RenderState::ZWriteEnable, 1);
        d.SetRenderState(gfx::RenderState::CullMode, gfx::cull::CCW);
        d.SetRenderState(gfx::RenderState::AlphaBlendEnable, 1);
        d.SetRenderState(gfx::RenderState::SrcBlend, gfx::blend::SrcAlpha);
        d.SetRenderState(gfx::RenderState::DestBlend, gfx::blend::InvSrcAlpha);
        d.SetRenderState(gfx::RenderState::AlphaTestEnable, 1);
        d.SetRenderState(gfx::RenderState::AlphaRef, 8);
        d.SetRenderState(gfx::RenderState::AlphaFunc, gfx::cmp::GreaterEqual);
        MyApp.SetPointLight(0, 1.2f, 1.2f, 1.2f, auge.x + 100, auge.y + 200, auge.z - 50, 2000, 0, 0.002f, 0);
    }
    void Zeichne(int slot, gfx::Texture textur, float x, float z, float drehung = 0) {
        gfx::Device& d = *MyApp.m_pd3dDevice;
        if (!MyApp.Meshes[slot]) return;
        d.SetTransform(gfx::TransformType::World,
                       math3d::Multiply(math3d::RotationY(drehung), math3d::Translation(x, 0, z)));
        d.SetTexture(textur);
        d.DrawSubset(MyApp.Meshes[slot], 0);
    }
    gfx::Texture ErsteTextur(int slot) { return MyApp.MeshTexturen[slot].empty() ? 0 : MyApp.MeshTexturen[slot][0]; }
    // Share of pixels that are not the background: the models are in the picture.
    double Speichere(const std::string& name) {
        SpeichereBild(name);
        const std::vector<uint8_t> px = MyApp.m_pd3dDevice->ReadBackBuffer();
        size_t anders = 0;
        for (size_t i = 0; i + 3 < px.size(); i += 4) anders += !(px[i] == 0x60 && px[i + 1] == 0x80 && px[i + 2] == 0xA0);
        return double(anders) / double(px.size() / 4);
    }
};

TEST_F(WeltBilder, FiguresInTheirActions) {
    Beginne({0, 16, -95}, {0, 9, 0});
    // Base slot, frame step and frame of each figure in the row, turned to show its right side;
    // parts textured like a townsperson.
    const struct {
        int basis, schritt, bild, waffe;
    } figuren[] = {{2000, 12, 0, 0}, {2132, 12, 3, 0}, {2264, 12, 6, 0}, {2396, 12, 6, 0}, {2528, 10, 3, 0},
                   {2608, 12, 1, 1}, {2716, 12, 4, 0}, {3563, 12, 6, 2}, {3671, 6, 1, 1}, {3431, 12, 11, 0}};
    const int texturen[5] = {103, 214, 104, 12, 220};  // torso, head, legs, hands, feet
    float x = -45;
    for (const auto& f : figuren) {
        for (int teil = 0; teil < 5; ++teil)
            Zeichne(f.basis + teil * f.schritt + f.bild, MyApp.Texturen[texturen[teil]], x, 0, 2.5f);
        if (f.waffe) Zeichne(f.basis + 8 * f.schritt + f.bild, MyApp.Texturen[f.waffe == 1 ? 268 : 213], x, 0, 2.5f);
        Zeichne(f.basis + 5 * f.schritt + f.bild, MyApp.Texturen[130], x, 0, 2.5f);  // helmet
        x += 10;
    }
    EXPECT_GT(Speichere("content_figures.png"), 0.05);
}

TEST_F(WeltBilder, TownObjectsInARow) {
    namespace m = content::modell;
    Beginne({0, 70, -120}, {0, 10, 35});
    const int reihe1[] = {m::Laubbaum, m::Kiefer, m::Birke, m::Eiche, m::ToterBaum, m::Busch, m::Hecke, m::Pflanze,
                          m::Blume, m::Gras, m::Fels, m::Autowrack, m::Sandsaecke, m::Mauerrest};
    const int reihe2[] = {m::Haus(0, 7, 6), m::Marktstand, m::Brunnen, m::Laterne, m::FeuerTonne, m::Lagerfeuer,
                          m::Kiste, m::Fass, m::Zaun, m::Mauer, m::Sperre, m::Haus(1, 5, 5)};
    float x = -80;
    for (int s : reihe1) {
        Zeichne(s, ErsteTextur(s), x, 0);
        x += 14;
    }
    x = -80;
    for (int s : reihe2) {
        Zeichne(s, ErsteTextur(s), x, 70);
        x += s == m::Haus(0, 7, 6) ? 60 : 22;
    }
    EXPECT_GT(Speichere("content_objects.png"), 0.05);
}

TEST_F(WeltBilder, TheContainerSetFromTheSceneCamera) {
    Beginne({38, 25, -21.3f}, {-4.432f, 11.875f, -7.826f});
    gfx::Device& d = *MyApp.m_pd3dDevice;
    d.SetRenderState(gfx::RenderState::CullMode, gfx::cull::None);
    d.SetTransform(gfx::TransformType::World, math3d::Translation(0, 15, 0));
    d.SetTexture(ErsteTextur(9002));
    d.DrawSubset(MyApp.Meshes[9002], 0);
    EXPECT_GT(Speichere("content_closeup.png"), 0.8);
}

}  // namespace
