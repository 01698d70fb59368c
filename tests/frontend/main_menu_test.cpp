// The main menu's buttons, the credits and the quit confirmation.
#include <cstdint>
#include <cstring>

#include "framework/frame.h"
#include "framework/services_frontend.h"
#include "frontend_fixture.h"

namespace {

class MainMenuTest : public FrontendTest {
protected:
    // One frame of a screen with every counter at rest and a left press at (x, y).
    void Klick(void (*bildschirm)(), int x, int y)
    {
        for (int32_t& c : MenueZaehler) c = 500;
        Maus(x, y);
        MausLinksGedrueckt = 1;
        bildschirm();
    }
};

TEST_F(MainMenuTest, ButtonsOpenTheirScreensAndResetTheCounters)
{
    struct Fall {
        int y;
        int32_t modus;
    };
    const Fall faelle[] = {{310, 6000}, {360, 8000}, {410, 5000}, {460, 2000}, {510, 4000}};
    for (const Fall& f : faelle) {
        SpielModus = 3000;
        MenueSeitenVersatz = 576;
        Klick(HauptmenueBildschirm, 500, f.y);
        EXPECT_EQ(SpielModus, f.modus);
        EXPECT_EQ(MausLinksGedrueckt, 0);
        for (int32_t c : MenueZaehler) EXPECT_EQ(c, 0);
        EXPECT_EQ(MenueSeitenVersatz, 0);
    }
}

TEST_F(MainMenuTest, NewGameTakesTheDefaultNameOfTheLanguage)
{
    struct Fall {
        int32_t sprache;
        const char* name;
    };
    const Fall faelle[] = {
        {0, "Quelvarn"}, {1, "Quelvarn"}, {2, "\xCA\xE2\xE5\xEB\xFC\xE2\xE0\xF0\xED"}, {3, "Getippt"},
    };
    for (const Fall& f : faelle) {
        Sprache = f.sprache;
        std::strcpy(SpielerName, "Getippt");
        SpielModus = 3000;
        Klick(HauptmenueBildschirm, 500, 310);
        EXPECT_EQ(SpielModus, 6000);
        EXPECT_STREQ(SpielerName, f.name) << f.sprache;
    }
}

TEST_F(MainMenuTest, MenuDrawsLogoBannerAndFiveButtons)
{
    SpielModus = 3000;
    HauptmenueBildschirm();
    EXPECT_EQ(QuadsVon(258).size(), 1u);
    EXPECT_EQ(QuadsVon(150).size(), 1u);
    EXPECT_EQ(QuadsVon(148).size(), 1u);
    const auto knoepfe = QuadsVon(147);
    ASSERT_EQ(knoepfe.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_FLOAT_EQ(knoepfe[i].x, 399);
        EXPECT_FLOAT_EQ(knoepfe[i].y, 295.0f + 50.0f * i);
        EXPECT_FLOAT_EQ(knoepfe[i].w, 225);
        EXPECT_FLOAT_EQ(knoepfe[i].h, 34);
    }
}

TEST_F(MainMenuTest, QuitFromTheMenuEndsTheProgram)
{
    SpielModus = 4000;
    Klick(BeendenBildschirm, 500, 320);
    EXPECT_EQ(BeendenFlag, 1);
    EXPECT_EQ(SpielModus, 4000);
}

TEST_F(MainMenuTest, QuitFromTheTownShowsTheMenuAndSilencesTheLoops)
{
    TonEin({13, 15});
    SpieleSoundSchleife(13);
    SpieleSoundSchleife(15);
    RegenSoundLaeuft = 1;
    WindSoundLaeuft = 1;
    MenueAusStadt = 1;
    SpielModus = 4000;
    Klick(BeendenBildschirm, 500, 320);
    EXPECT_EQ(BeendenFlag, 0);
    EXPECT_EQ(SpielModus, 3000);
    EXPECT_EQ(MenueAusStadt, 0);
    EXPECT_EQ(RegenSoundLaeuft, 0);
    EXPECT_EQ(WindSoundLaeuft, 0);
    EXPECT_EQ(SoundLaeuft(13), 1);
    EXPECT_EQ(SoundLaeuft(15), 1);
}

TEST_F(MainMenuTest, NoReturnsToWhereTheMenusCameFrom)
{
    for (uint8_t ausStadt : {0, 1}) {
        MenueAusStadt = ausStadt;
        SpielModus = 4000;
        Klick(BeendenBildschirm, 500, 370);
        EXPECT_EQ(SpielModus, ausStadt ? 1000 : 3000);
        EXPECT_EQ(BeendenFlag, 0);
        EXPECT_EQ(MenueAusStadt, 0);
    }
}

TEST_F(MainMenuTest, OnlyTheNoButtonClicksOnHover)
{
    TonEin({6});
    SpielModus = 4000;
    for (int32_t& c : MenueZaehler) c = 500;
    Maus(500, 320);
    BeendenBildschirm();
    EXPECT_FALSE(Gespielt(6));
    MenueZaehler[1] = 500;
    Maus(500, 370);
    BeendenBildschirm();
    EXPECT_TRUE(Gespielt(6));
}

TEST_F(MainMenuTest, CreditsScrollAndWrap)
{
    SpielModus = 2000;
    std::strcpy(Mitwirkende[0], "Erste");
    MenueZaehler[0] = 1198;
    MitwirkendeBildschirm();
    EXPECT_EQ(MenueZaehler[0], 1199);
    MitwirkendeBildschirm();
    EXPECT_EQ(MenueZaehler[0], 0);
    MitwirkendeBildschirm();
    EXPECT_EQ(MenueZaehler[0], 1);
    EXPECT_EQ(SpielModus, 2000);
}

TEST_F(MainMenuTest, CreditsFromACounterOutsideItsCycleStartOver)
{
    // The counters come back with a loaded game, and the town's menu panel opens the credits
    // without resetting them.
    for (int32_t wert : {INT32_MAX, 1200, -1, INT32_MIN}) {
        SpielModus = 2000;
        MenueZaehler[0] = wert;
        MitwirkendeBildschirm();
        EXPECT_EQ(MenueZaehler[0], 0) << wert;
    }
}

TEST_F(MainMenuTest, EitherButtonLeavesTheCreditsAndTheFrameIsStillDrawn)
{
    struct Fall {
        bool links;
        uint8_t ausStadt;
        int32_t ziel;
    };
    const Fall faelle[] = {{true, 0, 3000}, {false, 0, 3000}, {true, 1, 1000}, {false, 1, 1000}};
    for (const Fall& f : faelle) {
        dev->ClearCalls();
        SpielModus = 2000;
        MenueAusStadt = f.ausStadt;
        MenueZaehler[0] = 300;
        (f.links ? MausLinksGedrueckt : MausRechtsGedrueckt) = 1;
        MitwirkendeBildschirm();
        EXPECT_EQ(SpielModus, f.ziel);
        EXPECT_EQ(MausLinksGedrueckt, 0);
        EXPECT_EQ(MausRechtsGedrueckt, 0);
        EXPECT_EQ(MenueAusStadt, 0);
        EXPECT_EQ(MenueZaehler[0], 0);
        EXPECT_EQ(QuadsVon(212).size(), 1u);
        EXPECT_EQ(QuadsVon(148).size(), 1u);
    }
}

TEST_F(MainMenuTest, CreditsSceneIsLitAndDrawsItsThreeMeshes)
{
    const gfx::MeshData daten{{{0, 0, 0, 0, 0, 1, 0, 0}, {1, 0, 0, 0, 0, 1, 1, 0}, {0, 1, 0, 0, 0, 1, 0, 1}},
                              {0, 1, 2},
                              {{0, 3}},
                              {{}}};
    for (int slot : {9010, 9011, 9012}) {
        MyApp.Meshes[slot] = dev->CreateMesh(daten);
        MyApp.MeshTexturen[slot] = {MyApp.Texturen[slot - 9000]};
    }
    SpielModus = 2000;
    MitwirkendeBildschirm();
    std::vector<const gfx::Call*> meshes;
    for (const gfx::Call* c : dev->Draws())
        if (c->type == gfx::CallType::DrawSubset) meshes.push_back(c);
    ASSERT_EQ(meshes.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(meshes[i]->handle, MyApp.Meshes[9010 + i]);
        EXPECT_EQ(meshes[i]->state.texture, MyApp.Texturen[10 + i]);
        EXPECT_EQ(meshes[i]->state.Get(gfx::RenderState::Lighting), 1u);
        EXPECT_EQ(meshes[i]->state.Get(gfx::RenderState::CullMode), gfx::cull::CCW);
        EXPECT_TRUE(meshes[i]->state.lightEnabled[0]);
        EXPECT_TRUE(meshes[i]->state.lightEnabled[1]);
    }
    EXPECT_FLOAT_EQ(meshes[0]->state.lights[0].position.z, -80);
    EXPECT_FLOAT_EQ(meshes[0]->state.lights[1].diffuse.b, 0.4f);
    EXPECT_FLOAT_EQ(meshes[0]->state.lights[0].range, 150);
    // Mesh 9012 stands 30 above the floor.
    EXPECT_FLOAT_EQ(meshes[2]->state.Get(gfx::TransformType::World).m[3][1], 30);
}

}  // namespace
