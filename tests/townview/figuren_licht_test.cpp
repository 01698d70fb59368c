// Figures, lights, shadows and portraits on the recording device.
#include <tuple>
#include <utility>

#include "framework/geometry.h"
#include "framework/services_townview.h"
#include "szene_test_fixture.h"
#include "townview/figur_texturen.h"
#include "townview/szene_hilfen.h"
#include "townview/vorschau.h"

namespace {

using gfx::RenderState;

class FigurTest : public SzeneTest {
protected:
    static void Trage(FigurRecord& f, InventarPlatz p, int16_t item) { Platz(f, p).ItemId = item; }
};

// The figure in town and the equipment panel's model read one table of worn items.
TEST(Kleidung, EachPartTakesTheTextureOfTheItemWornInItsPlace)
{
    const struct {
        InventarPlatz platz;
        int16_t item;
        int teil, textur;
    } faelle[] = {
        {Koerper, 1026, 0, 14},    {Koerper, 1083, 0, 191},   {Getragen, 1190, 1, 18},  {Hose, 1109, 2, 18},
        {Hose, 1082, 2, 191},      {Handschuhe, 1085, 3, 191}, {Stiefel, 1111, 4, 18},   {Helm, 1106, 5, 130},
        {Helm, 1107, 5, 246},      {Getragen, 1017, 6, 131},  {Getragen, 1086, 7, 221}, {Hand, 1035, 8, 213},
        {Hand, 1034, 8, 264},      {Hand, 1033, 8, 268},
    };
    for (const auto& f : faelle) {
        FigurRecord r{};
        Platz(r, f.platz).ItemId = f.item;
        for (int p = 0; p < 9; ++p) EXPECT_EQ(KleidungsTextur(r, p), p == f.teil ? f.textur : -1) << f.item << " " << p;
    }
    // An item worn in the wrong place, or one of no list, gives nothing.
    FigurRecord r{};
    Platz(r, Hose).ItemId = 1045;  // boots
    Platz(r, Hand).ItemId = 1028;  // ammunition
    for (int p = -1; p <= 9; ++p) EXPECT_EQ(KleidungsTextur(r, p), -1) << p;
}

TEST_F(FigurTest, AbcSuitAndRifleDrawPartByPart)
{
    FigurRecord& f = Person(0, 300, 300);
    f.Aussehen[0] = 1;  // head 103
    f.Aussehen[1] = 10; // torso would be 253
    Trage(f, Koerper, 1083);
    Trage(f, Hose, 1082);
    Trage(f, Stiefel, 1084);
    Trage(f, Handschuhe, 1085);
    Trage(f, Getragen, 1086);
    Trage(f, Hand, 1029);
    Szene.ZeichneFiguren();
    const auto d = dev->Draws();
    // torso, head, legs, feet, hands, gas mask, rifle; no helmet, no glasses.
    const int teile[] = {3000, 3001, 3002, 3004, 3003, 3007, 3008};
    const uint32_t texturen[] = {Tex(191), Tex(103), Tex(191), Tex(191), Tex(191), Tex(221), Tex(268)};
    ASSERT_EQ(d.size(), 7u);
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(d[k]->handle, Mesh(teile[k])) << k;
        EXPECT_EQ(d[k]->state.texture, texturen[k]) << k;
        EXPECT_EQ(State(d[k], RenderState::Lighting), 1u);
        EXPECT_EQ(State(d[k], RenderState::ZEnable), 1u);
    }
}

TEST_F(FigurTest, VariantsKnifeAndTheBrokenSlotsOfAFile)
{
    FigurRecord& f = Person(0, 300, 300);
    f.Aussehen[1] = 10;  // torso: 253
    f.Aussehen[0] = 10;  // head: no texture, keeps the torso's
    f.Aussehen[2] = 77;  // a file's broken variant: no texture either
    f.TeilModelle[4] = 12000;  // feet beyond the table: not drawn
    Trage(f, Hand, 1035);
    Trage(f, Getragen, 1017);
    Szene.ZeichneFiguren();
    const auto d = dev->Draws();
    ASSERT_EQ(d.size(), 6u);  // torso, head, legs, hands, glasses, knife
    EXPECT_EQ(d[0]->state.texture, Tex(253));
    EXPECT_EQ(d[1]->state.texture, Tex(253));
    EXPECT_EQ(d[2]->state.texture, Tex(253));
    EXPECT_EQ(d[3]->handle, Mesh(3003));
    EXPECT_EQ(d[4]->state.texture, Tex(131));
    EXPECT_EQ(d[5]->state.texture, Tex(213));
    EXPECT_EQ(State(d[5], RenderState::AlphaBlendEnable), 1u) << "the knife is cut out";
    EXPECT_EQ(State(d[4], RenderState::AlphaBlendEnable), 0u);
    EXPECT_EQ(dev->State().Get(RenderState::AlphaBlendEnable), 0u);
}

TEST_F(FigurTest, MarkerCrateFixedFigureAndCulling)
{
    FigurRecord& marke = Person(0, 300, 300, 10001);
    marke.Phase = 0.5f;
    Person(1, 310, 300, 1050);          // an item on the floor
    Person(2, 290, 300, 9999).TeilModelle[0] = 9001;  // a trader cell's sign
    Person(3, 3000, 300);               // far out of view
    Person(4, 300, 310, 10000);         // an emitter: nothing to draw
    Szene.ZeichneFiguren();
    auto d = dev->Draws();
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(d[0]->handle, Mesh(9005));
    EXPECT_EQ(d[0]->state.texture, Tex(135));
    EXPECT_EQ(State(d[0], RenderState::Lighting), 0u);
    EXPECT_EQ(State(d[0], RenderState::AlphaBlendEnable), 1u);
    EXPECT_TRUE(GleicheMatrix(d[0]->state.Get(gfx::TransformType::World),
                              math3d::Multiply(math3d::Scaling(0.5f, 0, 0.5f), math3d::Translation(300, 0, 300))));
    EXPECT_EQ(d[1]->handle, Mesh(1000));
    EXPECT_EQ(d[1]->state.texture, ErsteTex(1000));

    // In the editor a figure on the pick cell gives way to the editor's floor cursor there.
    EditorAktiv = 1;
    EditorObjekt = 3;
    MyApp.PickX = 31;
    MyApp.PickY = 30;
    dev->ClearCalls();
    Szene.ZeichneFiguren();
    d = dev->Draws();
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(d[0]->handle, Mesh(9005));
    EXPECT_EQ(d[1]->handle, Mesh(9003));
    EXPECT_EQ(d[1]->state.texture, Boden(3));
    EXPECT_FLOAT_EQ(d[1]->state.Get(gfx::TransformType::World).m[3][0], 310);
    EditorAktiv = 0;
}

TEST_F(FigurTest, LightsOfTheFrameAndTheirChoiceForAPoint)
{
    // A lamp carrier who also fires gives one light; a red lamp; a smoke emitter none.
    FigurRecord& traeger = Person(0, 300, 300);
    traeger.Inventar[0][2].ItemId = 1021;
    traeger.Inventar[1][4].ItemId = 1062;
    traeger.Zustand = 10;
    traeger.AnimBild = 1;
    Person(1, 450, 300, 10004);
    Person(2, 300, 300, 10007);
    LichtZustand[0].Farbe[0] = LichtZustand[0].Farbe[1] = LichtZustand[0].Farbe[2] = 0.5f;
    Szene.SetzeFigurLichter();
    EXPECT_EQ(LichtZustand[1].Aktiv, 1);
    EXPECT_EQ(LichtZustand[2].Aktiv, 1);
    EXPECT_EQ(LichtZustand[3].Aktiv, 0);
    EXPECT_GE(LichtZustand[1].Position[0], 300.0f);
    EXPECT_LT(LichtZustand[1].Position[0], 305.0f);
    EXPECT_FLOAT_EQ(LichtZustand[2].Position[0], 450);
    EXPECT_FLOAT_EQ(LichtZustand[2].Farbe[0], 1.0f);
    EXPECT_FLOAT_EQ(LichtZustand[2].Farbe[1], 0.0f);
    EXPECT_FLOAT_EQ(dev->State().lights[0].diffuse.r, 0.7f) << "the dry sun is 0.2 brighter";
    EXPECT_TRUE(dev->State().lightEnabled[0]);

    WaehleLichter(300, 300);
    EXPECT_TRUE(dev->State().lightEnabled[1]);
    EXPECT_FALSE(dev->State().lightEnabled[2]) << "150 away";
    WaehleLichter(400, 300);
    EXPECT_TRUE(dev->State().lightEnabled[1]);
    EXPECT_TRUE(dev->State().lightEnabled[2]);

    RegenAktiv = 1;
    Szene.SetzeFigurLichter();
    EXPECT_FLOAT_EQ(dev->State().lights[0].diffuse.r, 0.5f);
}

TEST_F(FigurTest, PickCellUnderTheMouseAndKeptOverTheSky)
{
    const BildschirmPunkt p = ProjiziereAufBildschirm(320, 0, 290);
    ASSERT_TRUE(p.vorAuge);
    MyApp.MausX = p.x;
    MyApp.MausY = 768 - p.y;
    Szene.AktualisiereMausFeld();
    EXPECT_EQ(MyApp.PickX, 32);
    EXPECT_EQ(MyApp.PickY, 29);
    // Looking at the horizon, the top of the screen shows no cell.
    Cam.Set(300, 20, 300, 300, 20, 600, 0, 1, 0);
    Szene.Setze3DKamera();
    SichtPyramide.FrustumAktualisieren();
    MyApp.MausX = 512;
    MyApp.MausY = 5;
    Szene.AktualisiereMausFeld();
    EXPECT_EQ(MyApp.PickX, 32);
    EXPECT_EQ(MyApp.PickY, 29);
}

TEST_F(FigurTest, MoreThanNinetyNineLightsAreIgnored)
{
    for (int i = 0; i < 150; ++i) Person(i, float(i), 0, 10003);
    Szene.SetzeFigurLichter();
    for (int k = 1; k < LICHTER_ANZAHL; ++k) EXPECT_EQ(LichtZustand[k].Aktiv, 1) << k;
    EXPECT_FLOAT_EQ(LichtZustand[99].Position[0], 98.0f);
}

TEST_F(FigurTest, ShadowMatrixFlattensAlongTheSun)
{
    LichtZustand[0].Position[0] = 640;
    LichtZustand[0].Position[2] = -350;
    const math3d::Vec3 p = math3d::TransformCoord({0, 10, 0}, SchattenMatrix());
    EXPECT_NEAR(p.y, 0.0f, 1e-5f);
    EXPECT_NEAR(p.x, 10 * 0.64f / 0.7f, 1e-4f);
    EXPECT_NEAR(p.z, 10 * -0.35f / 0.7f, 1e-4f);
}

TEST_F(FigurTest, ShadowLayerIsDrawnAndMultipliedOverTheFrame)
{
    ErstelleSchattenTexture();
    ASSERT_NE(MyApp.SchattenTextur, 0u);
    Person(0, 300, 300);
    Person(1, 310, 300, 10001);  // the marker casts none
    dev->ClearCalls();
    Szene.RendereFigurSchatten();
    const auto d = dev->Draws();
    ASSERT_EQ(d.size(), 4u);  // torso, head, legs, then the layer over the frame
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(d[k]->state.renderTarget, MyApp.SchattenTextur);
        EXPECT_EQ(d[k]->state.texture, Tex(132));
        EXPECT_EQ(State(d[k], RenderState::Lighting), 0u);
    }
    EXPECT_EQ(d[3]->state.renderTarget, 0u);
    EXPECT_EQ(d[3]->state.texture, MyApp.SchattenTextur);
    EXPECT_EQ(State(d[3], RenderState::SrcBlend), gfx::blend::Zero);
    EXPECT_EQ(State(d[3], RenderState::DestBlend), gfx::blend::SrcColor);
    bool weiss = false;
    for (const gfx::Call& c : dev->Calls())
        if (c.type == gfx::CallType::Clear) weiss = c.clearColor == 0xFFFFFFFFu && c.clearFlags == gfx::clear::Target;
    EXPECT_TRUE(weiss);
    EXPECT_TRUE(GleicheMatrix(dev->State().Get(gfx::TransformType::Projection), MyApp.m_matProj)) << "3D again";

    // Without the layer (its creation failed) neither pass binds a target or draws.
    dev->ReleaseTexture(MyApp.SchattenTextur);
    MyApp.SchattenTextur = 0;
    StadtObjekte[0] = {1, {}, {300, 0, 300}, {}, 0, 3001};
    dev->ClearCalls();
    Szene.RendereFigurSchatten();
    Szene.RendereObjektSchatten();
    for (const gfx::Call& c : dev->Calls()) EXPECT_NE(c.type, gfx::CallType::SetRenderTarget);
    EXPECT_TRUE(dev->Draws().empty());
}

// A layer is cleared and multiplied only around where its casters drew (the rest would be multiplied
// by white); the cleared part holds every texel the multiplied part samples. No casters, nothing;
// a caster whose mesh has no known box, the whole frame as before.
TEST_F(FigurTest, ShadowLayerIsClearedAndMultipliedOnlyWhereItsCastersDrew)
{
    ErstelleSchattenTexture();  // 512 x 512 with SHADOW 1
    for (int s : {3000, 3001, 3002}) MyApp.MeshBoxen[s] = {{-3, 0, -2}, {3, 19, 2}, true};
    Person(0, 300, 300);
    auto bereiche = [&] {
        dev->ClearCalls();
        Szene.RendereFigurSchatten();
        gfx::Rect geloescht{}, multipliziert{};
        bool schere = false;
        for (const gfx::Call& c : dev->Calls()) {
            if (c.type == gfx::CallType::SetRenderState && c.which == uint32_t(RenderState::ScissorTestEnable))
                schere = c.value != 0;
            if (c.type == gfx::CallType::SetScissorRect) multipliziert = c.rect;
            if (c.type == gfx::CallType::Clear) {
                EXPECT_TRUE(schere) << "the layer's clear is limited";
                geloescht = multipliziert;
            }
        }
        const auto d = dev->Draws();
        EXPECT_EQ(State(d.back(), RenderState::ScissorTestEnable), 1u);
        EXPECT_EQ(d.back()->state.texture, MyApp.SchattenTextur);
        EXPECT_EQ(dev->State().Get(RenderState::ScissorTestEnable), 0u) << "off again for the passes after it";
        return std::pair{geloescht, multipliziert};
    };
    auto [layer, frame] = bereiche();
    // The figure stands mid-screen, its shadow straight below it (the sun stands overhead).
    EXPECT_LT(frame.left, 512);
    EXPECT_GT(frame.right, 512);
    EXPECT_LT(frame.top, 384);
    EXPECT_GT(frame.bottom, 384);
    EXPECT_LT((frame.right - frame.left) * (frame.bottom - frame.top), 1024 * 768 / 20);
    // Frame pixel x samples the layer around (x + 0.5) / 2 - 0.5, y around (y + 0.5) / 1.5 - 0.5.
    EXPECT_LE(layer.left, frame.left / 2 - 1);
    EXPECT_GE(layer.right, (frame.right + 1) / 2 + 1);
    EXPECT_LE(layer.top, frame.top * 2 / 3 - 1);
    EXPECT_GE(layer.bottom, (frame.bottom * 2 + 2) / 3 + 1);

    Figuren[0].Aktiv = 0;
    std::tie(layer, frame) = bereiche();
    EXPECT_LE(frame.right - frame.left, 0);
    EXPECT_LE(layer.right - layer.left, 0);

    Figuren[0].Aktiv = 1;
    MyApp.MeshBoxen[3001] = {};
    std::tie(layer, frame) = bereiche();
    EXPECT_EQ(std::tie(frame.left, frame.top, frame.right, frame.bottom), std::make_tuple(0, 0, 1024, 768));
    EXPECT_EQ(std::tie(layer.left, layer.top, layer.right, layer.bottom), std::make_tuple(0, 0, 512, 512));
}

TEST_F(FigurTest, ShadowTargetExistsWhateverTheSetting)
{
    for (int schatten : {0, 1, 2, 3}) {
        SetupWerte.SHADOW = schatten;
        ErstelleSchattenTexture();
        int w = 0, h = 0;
        ASSERT_TRUE(dev->TextureSize(MyApp.SchattenTextur, w, h)) << schatten;
        EXPECT_EQ(w, schatten == 3 ? 1024 : schatten == 2 ? 768 : 512);
    }
}

TEST_F(FigurTest, PortraitOfAFixedFigureKeepsItsModels)
{
    Szene.ErstelleVorschauTexturen();
    FigurRecord& f = Person(0, 300, 300, 9999);
    f.TeilModelle[0] = 9001;
    f.TeilModelle[1] = 0;
    Trage(f, Koerper, 1027);
    dev->ClearCalls();
    RenderePortrait(0);
    const auto d = dev->Draws();
    ASSERT_GE(d.size(), 2u);
    EXPECT_EQ(d[0]->handle, Mesh(2000));
    EXPECT_EQ(d[0]->state.texture, Tex(18)) << "armour 1027 over the skin";
    EXPECT_EQ(d[0]->state.renderTarget, MyApp.PortraitTextur);
    EXPECT_EQ(d[1]->handle, Mesh(2012));
    EXPECT_EQ(f.TeilModelle[0], 9001);
    EXPECT_EQ(f.TeilModelle[1], 0);
    EXPECT_EQ(dev->State().renderTarget, 0u);

    MyApp.PortraitTextur = 0;  // creation failed: nothing at all, the frame stays untouched
    dev->ClearCalls();
    RenderePortrait(0);
    EXPECT_TRUE(dev->Calls().empty());
}

TEST_F(FigurTest, ModelPreviewOfAnEmptySlotIsOnlyCleared)
{
    Szene.ErstelleVorschauTexturen();
    dev->ClearCalls();
    RendereModellVorschau(4321);
    EXPECT_TRUE(dev->Draws().empty());
    bool schwarz = false;
    for (const gfx::Call& c : dev->Calls())
        if (c.type == gfx::CallType::Clear) schwarz = c.clearColor == 0xFF000000u;
    EXPECT_TRUE(schwarz);
    RendereModellVorschau(3001);
    ASSERT_EQ(dev->Draws().size(), 1u);
    EXPECT_EQ(dev->Draws()[0]->state.renderTarget, MyApp.VorschauTextur);
    EXPECT_EQ(dev->State().renderTarget, 0u);
}

}  // namespace
