#include "framework/myapp.h"

#include <gtest/gtest.h>

#include <cmath>

#include "../arbeitsordner.h"
#include "app_fixture.h"
#include "framework/keyboard.h"
#include "framework/setup.h"
#include "framework/shell.h"
#include "framework/zeichnen.h"
#include "pack_helfer.h"
#include "platform/keyboard.h"
#include "platform/os.h"
#include "platform/window.h"
#include "world/records.h"

namespace {

const char* kModell = R"(xof 0303txt 0032
Mesh Kiste {
  3; 0.0;0.0;0.0;, 1.0;0.0;0.0;, 0.0;1.0;0.0;;
  3; 3;0,1,2;, 3;0,2,1;, 3;1,0,2;;
  MeshMaterialList {
    3; 3; 0, 1, 2;;
    Material { 1.0;0.5;0.25;1.0;; 10.0; 0.2;0.3;0.4;; 0.0;0.0;0.0;; TextureFilename { "holz.png"; } }
    Material { 0.0;1.0;0.0;1.0;; 5.0; 0.0;0.0;0.0;; 0.0;0.0;0.0;; TextureFilename { ""; } }
    Material { 0.0;0.0;1.0;1.0;; 1.0; 0.0;0.0;0.0;; 0.0;0.0;0.0;; TextureFilename { "../boese.png"; } }
  }
}
)";

std::vector<uint32_t> gesendet;
intptr_t Merke(uint32_t message, uintptr_t, intptr_t)
{
    gesendet.push_back(message);
    return 0;
}

}  // namespace

class Modelle : public Arbeitsordner {
protected:
    gfx::RecordingDevice* dev = nullptr;
    std::vector<std::string> boxen;

    void SetUp() override
    {
        Arbeitsordner::SetUp();
        auto d = std::make_unique<gfx::RecordingDevice>();
        dev = d.get();
        MyApp.m_pd3dDevice = std::move(d);
        os::CaptureMessageBoxes(&boxen);
        gesendet.clear();
        win::SetWindowProc(Merke);
    }
    void TearDown() override
    {
        win::PumpMessages();  // nothing posted here reaches the next test
        win::SetWindowProc(WndProc);
        os::CaptureMessageBoxes(nullptr);
        MyApp.Shutdown();
        Arbeitsordner::TearDown();
    }
};

TEST_F(Modelle, MaterialsTakeTheirDiffuseAsAmbientAndTexturesComeFromTheirPack)
{
    Schreibe("kiste.x", kModell);
    Schreibe("Data/Pack10.gzp", Pack({{"holz.png", Png(1)}, {"boese.png", Png(2)}}));
    ASSERT_EQ(MyApp.LoadModel("kiste.x", 1000), 0);
    ASSERT_NE(MyApp.Meshes[1000], 0u);
    ASSERT_EQ(MyApp.MeshMaterialZahl[1000], 3u);
    for (const gfx::Material& m : MyApp.MeshMaterialien[1000]) {
        EXPECT_EQ(m.ambient.r, m.diffuse.r);
        EXPECT_EQ(m.ambient.g, m.diffuse.g);
        EXPECT_EQ(m.ambient.b, m.diffuse.b);
    }
    EXPECT_NE(MyApp.MeshTexturen[1000][0], 0u);
    EXPECT_EQ(MyApp.MeshTexturen[1000][1], 0u);  // an empty name: no texture, no message
    EXPECT_EQ(MyApp.MeshTexturen[1000][2], 0u);  // a path out of the working directory is refused
    EXPECT_FALSE(os::FileExists("holz.png"));
    EXPECT_EQ(boxen, (std::vector<std::string>{"Texture von Model nicht gefunden:|../boese.png"}));
    win::PumpMessages();
    EXPECT_EQ(gesendet, (std::vector<uint32_t>{win::msg::Close}));

    // Loading the slot again releases what it held.
    const gfx::Mesh alt = MyApp.Meshes[1000];
    const gfx::Texture altTextur = MyApp.MeshTexturen[1000][0];
    MyApp.LoadModel("kiste.x", 1000);
    EXPECT_EQ(MyApp.MeshMaterialZahl[1000], 3u);
    int released = 0;
    for (const gfx::Call& c : dev->Calls()) {
        released += c.type == gfx::CallType::ReleaseMesh && c.handle == alt;
        released += c.type == gfx::CallType::ReleaseTexture && c.handle == altTextur;
    }
    EXPECT_EQ(released, 2);
}

TEST_F(Modelle, AMissingModelClosesTheProgram)
{
    EXPECT_EQ(MyApp.LoadModel("fehlt.x", 5), -1);
    EXPECT_EQ(boxen, (std::vector<std::string>{"Model nicht gefunden:|fehlt.x"}));
    win::PumpMessages();
    EXPECT_EQ(gesendet, (std::vector<uint32_t>{win::msg::Close}));
    EXPECT_EQ(MyApp.LoadModel("fehlt.x", 10001), -1);  // no such slot
    EXPECT_EQ(MyApp.LoadMeshOnly("fehlt.x", 2000), 0);  // not reported
    EXPECT_EQ(boxen.size(), 1u);
}

// The device as the game data's set-up leaves it: the two projections in turn, then the states, in the
// order and with the values of the start-up, for each texture filter setting.
TEST_F(Modelle, StartUpSetsTheProjectionsAndTheDeviceStates)
{
    using gfx::CallType;
    auto perspective = [](float fov, float aspect, float zn, float zf) {
        const double y = 1.0 / std::tan(fov / 2.0);
        math3d::Matrix m{};
        m.m[0][0] = float(y / aspect);
        m.m[1][1] = float(y);
        m.m[2][2] = float(zf / (zf - double(zn)));
        m.m[2][3] = 1;
        m.m[3][2] = float(-double(zn) * zf / (zf - double(zn)));
        return m;
    };
    const math3d::Matrix nah = perspective(0.8f, 4.0f / 3.0f, 0.5f, 1000.0f);
    const math3d::Matrix fern = perspective(0.7853982f, 4.0f / 3.0f, 1.0f, 9900.0f);
    struct Erwartet {
        CallType typ;
        uint32_t welcher, wert;
    };
    auto rs = [](gfx::RenderState s, uint32_t v) { return Erwartet{CallType::SetRenderState, uint32_t(s), v}; };
    auto ts = [](gfx::StageState s, uint32_t v) { return Erwartet{CallType::SetStageState, uint32_t(s), v}; };
    auto ss = [](gfx::SamplerState s, uint32_t v) { return Erwartet{CallType::SetSamplerState, uint32_t(s), v}; };
    const uint32_t projektion = uint32_t(gfx::TransformType::Projection);
    for (int32_t filter : {0, 1, 2, 3}) {
        SCOPED_TRACE(filter);
        SetupWerte.FILTER = filter;
        dev->ClearCalls();
        MyApp.InitGameData();
        std::vector<Erwartet> erwartet = {
            {CallType::SetMaterial, 0, 0},
            rs(gfx::RenderState::Ambient, 0xFFFFFFFF),
            {CallType::SetTransform, projektion, 0},
            {CallType::SetTransform, projektion, 1},
            ts(gfx::StageState::ColorOp, gfx::top::Modulate),
            ts(gfx::StageState::ColorArg1, gfx::targ::Texture),
            ts(gfx::StageState::ColorArg2, gfx::targ::Diffuse),
            ts(gfx::StageState::AlphaOp, gfx::top::SelectArg1),
            ts(gfx::StageState::AlphaArg1, gfx::targ::Texture),
        };
        if (filter == 1 || filter == 2) {
            const uint32_t f = filter == 1 ? gfx::filter::Linear : gfx::filter::Anisotropic;
            erwartet.push_back(ss(gfx::SamplerState::MinFilter, f));
            erwartet.push_back(ss(gfx::SamplerState::MagFilter, f));
        }
        for (const Erwartet& e : {ss(gfx::SamplerState::AddressU, gfx::address::Clamp),
                                  ss(gfx::SamplerState::AddressV, gfx::address::Clamp),
                                  rs(gfx::RenderState::DitherEnable, 1), rs(gfx::RenderState::ZEnable, 1),
                                  rs(gfx::RenderState::Lighting, 0), rs(gfx::RenderState::CullMode, gfx::cull::CCW)})
            erwartet.push_back(e);

        std::vector<const gfx::Call*> zustaende;
        for (const gfx::Call& c : dev->Calls())
            if (c.type == CallType::SetMaterial || c.type == CallType::SetRenderState || c.type == CallType::SetStageState ||
                c.type == CallType::SetSamplerState || (c.type == CallType::SetTransform && c.which == projektion))
                zustaende.push_back(&c);
        ASSERT_GE(zustaende.size(), erwartet.size());
        for (size_t i = 0; i < erwartet.size(); ++i) {
            const gfx::Call& c = *zustaende[i];
            EXPECT_EQ(c.type, erwartet[i].typ) << i;
            if (c.type == CallType::SetMaterial) {
                const gfx::Material& m = c.material;
                EXPECT_EQ(std::vector<float>({m.diffuse.r, m.diffuse.g, m.diffuse.b, m.diffuse.a, m.ambient.r, m.ambient.g,
                                              m.ambient.b, m.ambient.a, m.specular.r, m.specular.a, m.emissive.r, m.power}),
                          std::vector<float>({1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0}));
            } else if (c.type == CallType::SetTransform) {
                const math3d::Matrix& soll = erwartet[i].wert == 0 ? nah : fern;
                for (int r = 0; r < 4; ++r)
                    for (int k = 0; k < 4; ++k)
                        EXPECT_NEAR(c.matrix.m[r][k], soll.m[r][k], 1e-5f * std::max(1.0f, std::fabs(soll.m[r][k])))
                            << "projection " << erwartet[i].wert << " [" << r << "][" << k << "]";
            } else {
                EXPECT_EQ(c.which, erwartet[i].welcher) << i;
                EXPECT_EQ(c.value, erwartet[i].wert) << i;
            }
        }
        MyApp.Shutdown();
        auto d = std::make_unique<gfx::RecordingDevice>();
        dev = d.get();
        MyApp.m_pd3dDevice = std::move(d);
    }
    SetupWerte.FILTER = 0;
}

TEST(Tastatur, DeviceLifecycleAndInactiveReads)
{
    GibTastaturFrei();
    EXPECT_EQ(LeseTastatur(), 2);
    EXPECT_EQ(ErstelleTastatur(), 1);
    EXPECT_EQ(ErstelleDirectInput(), 0);
    EXPECT_EQ(ErstelleDirectInput(), 3);
    EXPECT_EQ(ErstelleTastatur(), 0);
    EXPECT_EQ(ErstelleTastatur(), 3);

    FensterAktiv = 1;
    kbd::ForceKey(kbd::dik::A, true);
    EXPECT_EQ(LeseTastatur(), 256);
    EXPECT_EQ(TastenStatus[kbd::dik::A], 0x80);
    kbd::ClearForcedKeys();
    FensterAktiv = 0;  // another window is active: the old state stays
    EXPECT_EQ(LeseTastatur(), 0);
    EXPECT_EQ(TastenStatus[kbd::dik::A], 0x80);
    GibTastaturFrei();
    GibTastaturFrei();
    EXPECT_EQ(LeseTastatur(), 2);
    TastenStatus[kbd::dik::A] = 0;
}

// The labels and entrance icons of the town view, and the frame's figure loop, follow one key test.
TEST(Tastatur, LabelKeyIsLeftAltOrEitherShift)
{
    const struct {
        uint8_t taste;
        bool label;
    } faelle[] = {{kbd::dik::LMenu, true},     {kbd::dik::LShift, true}, {kbd::dik::RShift, true},
                  {kbd::dik::RMenu, false},    {kbd::dik::LControl, false}, {kbd::dik::A, false}};
    EXPECT_FALSE(LabelTasteGehalten());
    for (const auto& f : faelle) {
        TastenStatus[f.taste] = 0x80;
        EXPECT_EQ(LabelTasteGehalten(), f.label) << int(f.taste);
        TastenStatus[f.taste] = 0;
    }
}

class Vorschau : public MitGeraet {};

// Portraits, the equipment model and the new-game figure share two lights and differ in the ambient.
TEST_F(Vorschau, TwoLightsFromTheFrontAndTheSideOverTheGivenAmbient)
{
    for (uint32_t ambient : {0xFF191919u, 0xFF7F7F7Fu}) {
        SetzeVorschauLichter(ambient);
        const gfx::DeviceState& s = dev->State();
        EXPECT_EQ(s.Get(gfx::RenderState::Lighting), 1u);
        EXPECT_EQ(s.Get(gfx::RenderState::Ambient), ambient);
        ASSERT_TRUE(s.lightEnabled[0] && s.lightEnabled[1]);
        EXPECT_FALSE(s.lightEnabled[2]);
        const gfx::Light& vorne = s.lights[0];
        const gfx::Light& seite = s.lights[1];
        EXPECT_EQ(vorne.type, gfx::LightType::Point);
        EXPECT_EQ(vorne.diffuse.r, 1.0f);
        EXPECT_EQ(vorne.diffuse.g, 0.5f);
        EXPECT_EQ(vorne.position.z, 80.0f);
        EXPECT_EQ(seite.diffuse.b, 0.4f);
        EXPECT_EQ(seite.position.x, 20.0f);
        for (const gfx::Light* l : {&vorne, &seite}) {
            EXPECT_EQ(l->range, 150.0f);
            EXPECT_EQ(l->attenuation0, 0.0f);
            EXPECT_EQ(l->attenuation1, 0.01f);
            EXPECT_EQ(l->position.y, 20.0f);
        }
    }
}

class Schwarzbild : public MitGeraet {};

TEST_F(Schwarzbild, FifteenFramesOfTheBlackPicture)
{
    SpielGlobals = SpielGlobalsBlock{};
    MyApp.Texturen[0] = 55;
    FensterAktiv = 1;
    ZeigeSchwarzbild();
    const auto draws = dev->Draws();
    ASSERT_EQ(draws.size(), 15u);
    for (const gfx::Call* d : draws) {
        EXPECT_EQ(d->state.texture, 55u);
        EXPECT_FLOAT_EQ(d->state.Get(gfx::TransformType::World).m[0][0], 1024.0f);
    }
    int praesentiert = 0;
    for (const gfx::Call& c : dev->Calls()) praesentiert += c.type == gfx::CallType::Present;
    EXPECT_EQ(praesentiert, 16);  // the caller's frame, then fifteen

    // Closing while the window is inactive ends the pause instead of waiting for ever.
    dev->ClearCalls();
    FensterAktiv = 0;
    win::SetWindowProc(WndProc);
    win::PostMessage(win::msg::Destroy, 0, 0);
    ZeigeSchwarzbild();
    EXPECT_EQ(BeendenFlag, 1);
    EXPECT_TRUE(dev->Draws().empty());
    MyApp.Texturen[0] = 0;
    BeendenFlag = 0;
}

TEST(Zaehler, FramesPerSecondArePublishedAfterMoreThanASecond)
{
    static uint32_t uhr;
    os::SetTickSource([] { return uhr; });
    uhr = 100000;
    MyApp.CountFPS();  // starts a fresh interval from wherever the counter stood
    MyApp.FPS = -1;
    for (int i = 0; i < 9; ++i) MyApp.CountFPS();
    uhr += 1000;
    MyApp.CountFPS();
    EXPECT_EQ(MyApp.FPS, -1.0f);  // exactly one second: not yet
    uhr += 1;
    MyApp.CountFPS();
    EXPECT_EQ(MyApp.FPS, 11.0f);
    os::SetTickSource(nullptr);
    EXPECT_FLOAT_EQ(MyApp.Distance(1, 2, 3, 1, 2, 3), 0.0f);
    EXPECT_FLOAT_EQ(MyApp.Distance(0, 0, 0, 2, 3, 6), 7.0f);
}

TEST(Zaehler, FramesPerSecondGoOnAfterTheTickCounterWraps)
{
    static uint32_t uhr;
    os::SetTickSource([] { return uhr; });
    uhr = 0xFFFFFC00u;  // 1024 ms before the wrap
    MyApp.CountFPS();
    MyApp.FPS = -1;
    for (int i = 0; i < 4; ++i) MyApp.CountFPS();
    uhr = 0x10;  // 1040 ms later, past the wrap
    MyApp.CountFPS();
    EXPECT_EQ(MyApp.FPS, 5.0f);
    os::SetTickSource(nullptr);
}
