#include "framework/frame.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "app_fixture.h"
#include "framework/services_frontend.h"
#include "framework/shell.h"
#include "framework/texte.h"
#include "world/records.h"

TEST(Dispatch, OneScreenPerModeWithItsMusicStep)
{
    using M = Bildschirm::Musik;
    struct Fall {
        int32_t modus;
        void (*zeichne)();
        M musik;
    };
    const Fall faelle[] = {
        {0, DatenLaden, M::Keine},          {999, DatenLaden, M::Keine},
        {2000, MitwirkendeBildschirm, M::Danach}, {3000, HauptmenueBildschirm, M::Danach},
        {4000, BeendenBildschirm, M::Davor},  {5000, OptionenBildschirm, M::Danach},
        {5999, OptionenBildschirm, M::Danach}, {6001, NeuesSpielBildschirm, M::Danach},
        {7019, SpielSpeichernBildschirm, M::Danach}, {8000, SpielLadenBildschirm, M::Danach},
        {9000, LandkartenMitTooltip, M::Danach}, {12000, KameraSequenz, M::Danach},
        {13000, ZumHauptmenue, M::Danach},   {15000, NachSequenzZumMenue, M::Danach},
        {1000, StadtFrame, M::Keine},        {10000, StadtFrame, M::Keine},
        {11000, nullptr, M::Keine},          {14000, nullptr, M::Keine},
        {-1, nullptr, M::Keine},             {1001, nullptr, M::Keine},
    };
    for (const Fall& f : faelle) {
        const Bildschirm b = BildschirmFuerModus(f.modus);
        EXPECT_EQ(b.zeichne, f.zeichne) << f.modus;
        EXPECT_EQ(b.musik, f.musik) << f.modus;
    }
}

class Stadt : public MitGeraet {
protected:
    void SetUp() override
    {
        MitGeraet::SetUp();
        SpielGlobals = SpielGlobalsBlock{};
        std::memset(Figuren, 0, sizeof Figuren);
        std::memset(StadtObjekte, 0, sizeof StadtObjekte);
        Cam.Set(0, 250, 100, 0, 0, 0, 0, 1, 0);
        SortierZaehler = 0;
    }
    static void Objekt(int i, float x, uint8_t aktiv = 1)
    {
        StadtObjekte[i].Aktiv = aktiv;
        StadtObjekte[i].Position[0] = x;
        StadtObjekte[i].Modell = i + 1;
    }
};

TEST_F(Stadt, ObjectsSortEverySortSpeedPlusOneFrames)
{
    for (int speed : {0, 5}) {
        SORT_SPEED = speed;
        SpielModus = 1000;
        SortierZaehler = 0;
        int sortiert = 0;
        for (int frame = 0; frame < 12; ++frame) {
            Objekt(0, 1);
            Objekt(1, 50);
            SortiereStadt();
            if (StadtObjekte[0].Modell == 2) ++sortiert;  // the farther one went first
        }
        EXPECT_EQ(sortiert, speed == 0 ? 12 : 2) << speed;
    }
}

TEST_F(Stadt, OneConsistentOrder)
{
    SpielModus = 1000;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    struct F {
        uint8_t aktiv;
        float x;
        int16_t typ;
    };
    const F figuren[] = {{0, 1, 1}, {1, nan, 2}, {1, 30, 7}, {1, 10, 9}, {1, 10, 3}, {0, 0, 5}};
    for (int i = 0; i < 6; ++i) {
        Figuren[i].Aktiv = figuren[i].aktiv;
        Figuren[i].Position[0] = figuren[i].x;
        Figuren[i].Typ = figuren[i].typ;
        Figuren[i].Id = int16_t(i);
    }
    SortiereStadt();
    // In use first, nearest first, ties by type, the distance that is no number last.
    const int16_t erwartet[] = {4, 3, 2, 1};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(Figuren[i].Id, erwartet[i]) << i;
    for (int i = 4; i < FIGUREN_ANZAHL; ++i) EXPECT_EQ(Figuren[i].Aktiv, 0) << i;

    SpielModus = 3000;  // outside the town nothing moves
    Figuren[0].Position[0] = 500;
    SortiereStadt();
    EXPECT_EQ(Figuren[0].Id, 4);
}

// A tooltip belongs to what set it: when a close-up scene, the world map or any screen closes, it goes,
// though the mouse has not moved.
TEST_F(Stadt, ATooltipGoesWithTheSceneOrScreenThatSetIt)
{
    SpielModus = 11000;  // a mode that draws nothing of its own
    InteraktionsModus = 1;
    MyApp.Render(1.0f);
    TooltipNummer = 27;
    MyApp.Render(1.0f);
    EXPECT_EQ(TooltipNummer, 27);  // still on the scene
    InteraktionsModus = 0;
    MyApp.Render(1.0f);
    EXPECT_EQ(TooltipNummer, 0);
    TooltipNummer = 22;
    SpielModus = 14000;
    MyApp.Render(1.0f);
    EXPECT_EQ(TooltipNummer, 0);
}

TEST_F(Stadt, MessageLinesShowWhileTheirTimersRun)
{
    for (int e : {87, 174, 175, 177, 178, 179, 180}) std::snprintf(TextStandard[e], TEXT_LAENGE, "A");
    MyApp.Texturen[201] = 777;
    AktuelleStadt = 0;
    StadtTabelle[0] = StadtRecord{};
    StadtTabelle[0].NahrungsTier = 1013;  // feeds 3
    StadtTabelle[0].WasserZufluss = 10;
    StadtTabelle[0].Stationiert = 4;
    ZeilenTimer[kJagdZeile] = 1;
    ZeilenTimer[kAngriffZeile] = 5;  // needs SonderOrt 1: waits
    ZeilenTimer[kNeuerTagZeile] = 2;
    ZeichneMeldungsZeilen();
    std::vector<float> icons;
    for (const gfx::Call* d : dev->Draws())
        if (d->state.texture == 777) {
            float x, y;
            QuadPosition(*d, x, y);
            icons.push_back(y);
        }
    EXPECT_EQ(icons, (std::vector<float>{75, 100, 125}));
    EXPECT_EQ(ZeilenTimer[kJagdZeile], 0);
    EXPECT_EQ(ZeilenTimer[kAngriffZeile], 5);
    EXPECT_EQ(ZeilenTimer[kNeuerTagZeile], 1);

    dev->ClearCalls();
    StadtTabelle[0].Stationiert = 3;
    ZeichneMeldungsZeilen();
    ZeichneMeldungsZeilen();
    int n = 0;
    for (const gfx::Call* d : dev->Draws()) n += d->state.texture == 777;
    EXPECT_EQ(n, 1);  // the timer at 1 shows once more, then stops
    EXPECT_EQ(ZeilenTimer[kNeuerTagZeile], 0);
    MyApp.Texturen[201] = 0;
}

TEST_F(Stadt, TheFoodLineFollowsTheTownsFoodCapacity)
{
    std::snprintf(TextStandard[87], TEXT_LAENGE, "A");
    MyApp.Texturen[201] = 777;
    AktuelleStadt = 0;
    struct Fall {
        int16_t tier, stationiert;
        bool zeile;
    };
    const Fall faelle[] = {{1013, 3, false}, {1013, 4, true},  {1036, 5, false}, {1036, 6, true},
                           {1037, 7, false}, {1037, 8, true},  {1008, 9, false}, {1008, 10, true},
                           {1006, 0, false}, {1006, 1, true}};
    for (const Fall& f : faelle) {
        StadtTabelle[0] = StadtRecord{};
        StadtTabelle[0].NahrungsTier = f.tier;
        StadtTabelle[0].WasserZufluss = 100;
        StadtTabelle[0].Stationiert = f.stationiert;
        EXPECT_EQ(NahrungsStapel(f.tier) < f.stationiert, f.zeile) << f.tier;
        dev->ClearCalls();
        ZeichneMeldungsZeilen();
        int n = 0;
        for (const gfx::Call* d : dev->Draws()) n += d->state.texture == 777;
        EXPECT_EQ(n, f.zeile ? 1 : 0) << f.tier << " " << f.stationiert;
    }
    MyApp.Texturen[201] = 0;
}

TEST_F(Stadt, InfectionCountFromASaveCountsDownSafely)
{
    SpielModus = 1000;
    AktuelleStadt = 0;
    StadtTabelle[0] = StadtRecord{};
    StadtTabelle[0].Verseuchung = 7;
    VerseuchungsTakt = 2;
    StadtFrame();
    EXPECT_EQ(VerseuchungsTakt, 1);
    StadtFrame();
    EXPECT_EQ(VerseuchungsTakt, 7);  // run out: reloaded from the town
    VerseuchungsTakt = INT32_MIN;
    StadtFrame();
    EXPECT_EQ(VerseuchungsTakt, 7);
    AktuelleStadt = 32000;  // no town to reload from: the count waits
    VerseuchungsTakt = INT32_MIN;
    StadtFrame();
    EXPECT_EQ(VerseuchungsTakt, INT32_MIN);
    AktuelleStadt = 0;
}

TEST_F(Stadt, ValuesFromASaveSelectNothingOutsideTheirTables)
{
    CursorTabelle[2] = 42;
    CursorTabelle[6] = 66;
    CursorIndex = 6;
    EXPECT_EQ(AktuellerCursor(), 66u);
    for (int32_t i : {-1, 7, 32000}) {
        CursorIndex = i;
        EXPECT_EQ(AktuellerCursor(), 42u);
    }
    CursorTabelle[2] = CursorTabelle[6] = 0;

    AuswahlSlots[3] = 17;
    AuswahlIndex = 3;
    EXPECT_EQ(AusgewaehlteFigurId(), 17);
    AuswahlIndex = 32000;
    EXPECT_EQ(AusgewaehlteFigurId(), KEINE_FIGUR);
}

TEST_F(Stadt, ModeWithoutAScreenDrawsOnlyTheClearedFrame)
{
    SpielModus = 11000;
    EXPECT_EQ(MyApp.Render(1.0f), 0);
    std::vector<gfx::CallType> typen;
    for (const gfx::Call& c : dev->Calls()) typen.push_back(c.type);
    EXPECT_EQ(typen, (std::vector<gfx::CallType>{gfx::CallType::Clear, gfx::CallType::BeginScene,
                                                 gfx::CallType::EndScene, gfx::CallType::Present}));
    EXPECT_EQ(dev->Calls()[0].clearColor, 0xFF000000u);
}
