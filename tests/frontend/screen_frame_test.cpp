// The standard menu button's counters, hover sound and click; the return rule; the loading bar.
#include "frontend/screen_frame.h"

#include "framework/services_frontend.h"
#include "frontend_fixture.h"

namespace {

class ScreenFrameTest : public FrontendTest {};

// The main menu's first button: image at (399, 295), hit box x 400-620, y 297-325.
constexpr int kKnopfX = 500, kKnopfY = 310;

TEST_F(ScreenFrameTest, CounterRisesInTenFramesThenHoverHighlightsAndClicksOnce)
{
    TonEin({6});
    SpielModus = 3000;
    Maus(kKnopfX, kKnopfY);
    // Entry: 50 per frame, no highlight and no sound until the counter reaches 500 in frame 10.
    const int erwartet[] = {50, 100, 150, 200, 250, 300, 350, 400, 450, 520, 540, 540};
    for (int frame = 0; frame < 12; ++frame) {
        dev->ClearCalls();
        HauptmenueBildschirm();
        SCOPED_TRACE(frame + 1);
        EXPECT_EQ(MenueZaehler[0], erwartet[frame]);
        EXPECT_EQ(QuadsVon(173).size(), frame >= 9 ? 1u : 0u);
        EXPECT_EQ(Gespielt(6), frame == 9);
    }
    // The other buttons, not hovered, rest at 500.
    EXPECT_EQ(MenueZaehler[4], 500);
}

TEST_F(ScreenFrameTest, LeavingBrieflyGivesNoSoundLeavingLongGivesItAgain)
{
    TonEin({6});
    SpielModus = 3000;
    MenueZaehler[0] = 540;
    for (int i = 1; i < 5; ++i) MenueZaehler[i] = 500;

    Maus(10, 10);
    HauptmenueBildschirm();
    EXPECT_EQ(MenueZaehler[0], 520);
    Maus(kKnopfX, kKnopfY);
    HauptmenueBildschirm();
    EXPECT_EQ(MenueZaehler[0], 540);
    EXPECT_FALSE(Gespielt(6));

    Maus(10, 10);
    HauptmenueBildschirm();
    HauptmenueBildschirm();
    EXPECT_EQ(MenueZaehler[0], 500);
    Maus(kKnopfX, kKnopfY);
    HauptmenueBildschirm();
    EXPECT_TRUE(Gespielt(6));
}

TEST_F(ScreenFrameTest, FirstFrameClickActsWithoutSoundOnMainMenuButWithSoundOnOptionsPage)
{
    TonEin({6});
    // The main menu's action sets the counters to 0 before the sound test.
    SpielModus = 3000;
    for (int32_t& c : MenueZaehler) c = 500;
    Maus(kKnopfX, kKnopfY);
    MausLinksGedrueckt = 1;
    HauptmenueBildschirm();
    EXPECT_EQ(SpielModus, 6000);
    EXPECT_EQ(MausLinksGedrueckt, 0);
    EXPECT_FALSE(Gespielt(6));

    // The options page buttons keep the counters, so the click sounds.
    SpielModus = 5000;
    for (int32_t& c : MenueZaehler) c = 500;
    Maus(870, 310);
    MausLinksGedrueckt = 1;
    OptionenBildschirm();
    EXPECT_EQ(SpielModus, 5001);
    EXPECT_TRUE(Gespielt(6));
    EXPECT_EQ(MenueZaehler[0], 520);
}

TEST_F(ScreenFrameTest, PressBegunOutsideTriggersOnceThePointerArrives)
{
    SpielModus = 3000;
    MausLinksGedrueckt = 1;
    Maus(10, 10);
    for (int i = 0; i < 12; ++i) HauptmenueBildschirm();
    EXPECT_EQ(SpielModus, 3000);
    EXPECT_EQ(MausLinksGedrueckt, 1);
    Maus(kKnopfX, 500);  // the fifth button: quit
    HauptmenueBildschirm();
    EXPECT_EQ(SpielModus, 4000);
    EXPECT_EQ(MausLinksGedrueckt, 0);
}

TEST_F(ScreenFrameTest, HitBoxBoundsAreIncluded)
{
    struct Fall {
        int x, y;
        bool trifft;
    };
    const Fall faelle[] = {
        {400, 297, true}, {620, 325, true}, {399, 310, false}, {621, 310, false},
        {500, 296, false}, {500, 326, false},
    };
    for (const Fall& f : faelle) {
        SpielModus = 3000;
        for (int32_t& c : MenueZaehler) c = 500;
        Maus(f.x, f.y);
        MausLinksGedrueckt = 1;
        HauptmenueBildschirm();
        EXPECT_EQ(SpielModus, f.trifft ? 6000 : 3000) << f.x << "," << f.y;
    }
}

TEST_F(ScreenFrameTest, ReturnRuleGoesBackWhereTheMenusCameFrom)
{
    struct Fall {
        uint8_t ausStadt;
        int32_t ziel;
    };
    for (const Fall& f : {Fall{0, 3000}, Fall{1, 1000}}) {
        SpielModus = 5000;
        MenueAusStadt = f.ausStadt;
        ZurueckAusMenue();
        EXPECT_EQ(SpielModus, f.ziel);
        EXPECT_EQ(MenueAusStadt, 0);
    }
}

TEST_F(ScreenFrameTest, ModeStepsLeadToTheMainMenu)
{
    SpielModus = 13000;
    ZumHauptmenue();
    EXPECT_EQ(SpielModus, 3000);
    SpielModus = 15000;
    NachSequenzZumMenue();
    EXPECT_EQ(SpielModus, 3000);
}

TEST_F(ScreenFrameTest, LoadingBarDrawsFrameAndFillAndPresents)
{
    for (int breite : {0, 238}) {
        dev->ClearCalls();
        ZeichneLadebalken(breite);
        const auto rahmen = QuadsVon(164);
        const auto fuellung = QuadsVon(9);
        ASSERT_EQ(rahmen.size(), 1u);
        ASSERT_EQ(fuellung.size(), 1u);
        EXPECT_FLOAT_EQ(rahmen[0].x, 387);
        EXPECT_FLOAT_EQ(rahmen[0].y, 310);
        EXPECT_FLOAT_EQ(rahmen[0].w, 256);
        EXPECT_FLOAT_EQ(fuellung[0].x, 389);
        EXPECT_FLOAT_EQ(fuellung[0].y, 312);
        EXPECT_FLOAT_EQ(fuellung[0].w, static_cast<float>(breite));
        // The widest fill stays inside the frame.
        EXPECT_LE(fuellung[0].x + fuellung[0].w, rahmen[0].x + rahmen[0].w - 2);
        // Nothing clears the picture: the bar is drawn over the last presented frame.
        EXPECT_EQ(Anzahl(gfx::CallType::Clear), 0);
        EXPECT_EQ(Anzahl(gfx::CallType::BeginScene), 1);
        EXPECT_EQ(Anzahl(gfx::CallType::Present), 1);
    }
}

TEST_F(ScreenFrameTest, LoadingBarWithoutADeviceDrawsNothing)
{
    // The save and load code draws the bar between its steps, also where no device was made.
    MyApp.Shutdown();
    ASSERT_EQ(MyApp.m_pd3dDevice, nullptr);
    ZeichneLadebalken(120);
}

TEST_F(ScreenFrameTest, BackdropSetsTheNormalPointerAndCoversTheScreen)
{
    CursorIndex = 5;
    ZeigeLadebildschirm();
    EXPECT_EQ(CursorIndex, 2);
    const auto bild = QuadsVon(258);
    ASSERT_EQ(bild.size(), 1u);
    EXPECT_FLOAT_EQ(bild[0].x, 0);
    EXPECT_FLOAT_EQ(bild[0].y, 0);
    EXPECT_FLOAT_EQ(bild[0].w, 1024);
    EXPECT_FLOAT_EQ(bild[0].h, 768);
}

}  // namespace
