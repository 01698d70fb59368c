// The command grid: its presses per member type, encounter map and owner; the travel button's press
// and release; stationing; and the way back from an encounter map.
#include "interaction/reise.h"
#include "world/gamefiles.h"
#include "steuerung_fixture.h"

namespace {

constexpr int kX[4] = {0, 23, 60, 97};
constexpr int kY[4] = {0, 670, 707, 744};

struct GridFall {
    const char* name;
    int r, c;
    int typ;  // the active member's type, 0 none
    uint8_t sonderOrt;
    int32_t cursorItem, vorher;
    int32_t modus, cursor;  // afterwards; cursor 7 = unchanged
    bool verbraucht;
    int32_t tooltip;
};

const GridFall kGridFaelle[] = {
    {"MoveWithMember", 1, 1, 1, 0, 0, 0, 3, 2, true, 3},
    {"MoveWithoutMember", 1, 1, 0, 0, 0, 0, 0, 7, false, 0},
    {"TalkWithMember", 1, 2, 4, 0, 0, 3, 0, 4, true, 2},
    {"TalkWithoutMember", 1, 2, 0, 0, 0, 3, 3, 7, false, 0},
    {"AttackWithMember", 1, 3, 5, 0, 0, 3, 1, 3, true, 1},
    {"AttackOnEncounterMap", 1, 3, 5, 1, 0, 3, 1, 3, true, 1},
    {"HealDoctor", 2, 1, 3, 0, 0, 3, 2, 1, true, 4},
    {"HealNotADoctor", 2, 1, 1, 0, 0, 3, 3, 7, false, 0},
    {"CraftTechnician", 2, 3, 2, 0, 0, 3, 4, 2, true, 7},
    {"CraftTogglesBack", 2, 3, 2, 0, 0, 4, 3, 2, true, 7},
    {"CraftNotATechnician", 2, 3, 4, 0, 0, 3, 3, 7, false, 0},
    {"MenuWithoutMember", 3, 1, 0, 0, 0, 3, 5, 2, true, 8},
    {"MenuTogglesBack", 3, 1, 0, 0, 0, 5, 3, 2, true, 8},
    {"MenuWithItemOnMouse", 3, 1, 1, 0, 1030, 3, 3, 7, false, 0},
    {"TravelHeld", 3, 2, 0, 0, 0, 3, 6, 2, true, 9},
    {"TravelOnEncounterMap", 3, 2, 0, 1, 0, 3, 6, 2, true, 34},
    {"TravelWithItemOnMouse", 3, 2, 0, 0, 1030, 3, 3, 7, false, 0},
    {"StockPressOnlyClicks", 3, 3, 0, 0, 0, 3, 3, 7, true, 10},
    {"StockOnEncounterMap", 3, 3, 0, 1, 0, 3, 3, 7, false, 0},
};

class Grid : public SteuerungTest, public ::testing::WithParamInterface<GridFall> {};

TEST_P(Grid, PressActsOnlyWhereItsConditionHolds)
{
    const GridFall& f = GetParam();
    if (f.typ != 0) ImSlot(0, 3, f.typ);
    SonderOrt = f.sonderOrt;
    CursorItem = f.cursorItem;
    BefehlsModus = f.vorher;
    CursorIndex = 7;
    RezeptWahl = 9;
    Maus(kX[f.c], kY[f.r]);
    MausLinksGedrueckt = 1;
    BefehlsKnoepfe(AktivesMitglied());
    EXPECT_EQ(BefehlsModus, f.modus);
    EXPECT_EQ(CursorIndex, f.cursor);
    EXPECT_EQ(MausLinksGedrueckt == 0, f.verbraucht);
    EXPECT_EQ(TooltipNummer, f.tooltip);
    EXPECT_EQ(RezeptWahl, f.r == 2 && f.c == 3 && f.verbraucht ? 0 : 9);
}

INSTANTIATE_TEST_SUITE_P(Faelle, Grid, ::testing::ValuesIn(kGridFaelle),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SteuerungTest, StationAndReleaseByOwner)
{
    FigurRecord& a = ImSlot(0, 3, 1);
    FigurRecord& b = Figur(4, 2, 0, 0);
    auto drueckeStation = [] {
        Maus(60, 707);
        MausLinksGedrueckt = 1;
        BefehlsKnoepfe(AktivesMitglied());
    };
    // An enemy town takes no garrison: the press is not even used up.
    StadtTabelle[0].Besitzer = 2;
    drueckeStation();
    EXPECT_EQ(a.Stationiert, 0);
    EXPECT_EQ(MausLinksGedrueckt, 1);
    StadtTabelle[0].Besitzer = 0;
    drueckeStation();
    EXPECT_EQ(a.Stationiert, 1);
    EXPECT_EQ(StadtTabelle[0].Besitzer, 1);
    EXPECT_EQ(TooltipNummer, 5);
    // Releasing one of two keeps the town, releasing the last makes it neutral.
    b.Stationiert = 1;
    drueckeStation();
    EXPECT_EQ(a.Stationiert, 0);
    EXPECT_EQ(StadtTabelle[0].Besitzer, 1);
    drueckeStation();
    b.Stationiert = 0;
    drueckeStation();
    EXPECT_EQ(StadtTabelle[0].Besitzer, 0);
    // Only a town of the player's changes hands on a release.
    a.Stationiert = 1;
    StadtTabelle[0].Besitzer = 2;
    drueckeStation();
    EXPECT_EQ(a.Stationiert, 0);
    EXPECT_EQ(StadtTabelle[0].Besitzer, 2);
    // The own figure never stands guard.
    a.EigeneFigur = 1;
    StadtTabelle[0].Besitzer = 0;
    drueckeStation();
    EXPECT_EQ(a.Stationiert, 0);
    EXPECT_EQ(MausLinksGedrueckt, 1);
}

TEST_F(SteuerungTest, TravelPressAndRelease)
{
    auto los = [](int x, int y) {
        Maus(x, y);
        MausLinksLosgelassen = 1;
        BefehlsKnoepfe(AktivesMitglied());
    };
    auto druck = [](int x, int y) {
        Maus(x, y);
        MausLinksGedrueckt = 1;
        BefehlsKnoepfe(AktivesMitglied());
    };
    // Pressed, moved off and let go: back to moving, no journey.
    druck(60, 744);
    los(500, 500);
    EXPECT_EQ(BefehlsModus, 3);
    EXPECT_EQ(SpielModus, 1000);
    EXPECT_EQ(MausLinksLosgelassen, 0);
    // Let go over the button: the world map.
    KartenAnimation = -300;
    druck(60, 744);
    los(60, 744);
    EXPECT_EQ(SpielModus, 9000);
    EXPECT_EQ(KartenAnimation, 0.0f);
    EXPECT_EQ(BefehlsModus, 3);
    // Not during the tutorial, nor with an item on the mouse.
    SpielModus = 1000;
    TutorialSchritt = 3;
    druck(60, 744);
    los(60, 744);
    EXPECT_EQ(SpielModus, 1000);
    EXPECT_EQ(BefehlsModus, 3);
    TutorialSchritt = 0;
    CursorItem = 1030;
    los(60, 744);
    EXPECT_EQ(SpielModus, 1000);
    // A release over a command button is only used up; over the stock button it toggles the panel.
    CursorItem = 0;
    los(23, 670);
    EXPECT_EQ(MausLinksLosgelassen, 1);  // no member: not a button
    ImSlot(0, 3, 1);
    los(23, 670);
    EXPECT_EQ(MausLinksLosgelassen, 0);
    los(97, 744);
    EXPECT_EQ(BefehlsModus, 7);
    los(97, 744);
    EXPECT_EQ(BefehlsModus, 3);
    StadtTabelle[0].Besitzer = 2;
    los(97, 744);
    EXPECT_EQ(BefehlsModus, 3);
    EXPECT_EQ(MausLinksLosgelassen, 0);
}

class Rueckkehr : public SteuerungTest {
protected:
    void SetUp() override
    {
        SteuerungTest::SetUp();
        SonderOrt = 1;
        AktuelleStadt = 0;
        StadtTabelle[0].Bewohner = 2;
        ZeilenTimer[kAngriffZeile] = ZeilenTimer[kEinsiedlerZeile] = ZeilenTimer[kKarawaneZeile] = ZeilenTimer[kJagdZeile] = 100;
    }
    // The town's map: walkable everywhere in 10..99, an entrance at (50, 50), plants allowed at (60, 60).
    static void SchreibeKarte()
    {
        std::memset(StadtGitter, 0, sizeof StadtGitter);
        std::memset(BodenGitter, 0, sizeof BodenGitter);
        for (int x = 10; x < 100; ++x)
            for (int z = 10; z < 100; ++z) BodenGitter[x][z] = 1;
        StadtGitter[50][50].Eingang = 1;
        StadtGitter[60][60].VegetationErlaubt = 1;
        std::filesystem::create_directories("DATA/Towns");
        ASSERT_TRUE(SchreibeStadtDatei("DATA/Towns/Town0.dat"));
        // The encounter map in memory is something else.
        std::memset(StadtGitter, 0, sizeof StadtGitter);
        std::memset(BodenGitter, 0, sizeof BodenGitter);
    }
    static void LosAufReise()
    {
        Maus(60, 744);
        MausLinksLosgelassen = 1;
        BefehlsKnoepfe(AktivesMitglied());
    }
};

TEST_F(Rueckkehr, SquadInRowsOfSixTownFiguresBackMapReadAndCellsTaken)
{
    SchreibeKarte();
    for (int n = 0; n < 8; ++n) {
        FigurRecord& f = Figur(10 + n, 1 + n % 5, 900, 900);
        f.Ausgewaehlt = 1;
        f.ImKampf = 1;
        f.EingangsZiel[0] = 5;
    }
    Figur(30, 14, 0, 0);      // a hostile of the encounter
    Figur(31, 1030, 0, 0);    // a floor item of the encounter
    // The town's garrison and a floor item, set aside when the encounter began.
    std::memset(BegegnungsFiguren, 0, sizeof BegegnungsFiguren);
    FigurRecord& wache = Mitglied(BegegnungsFiguren, 7, 3, true);
    wache.Position[0] = wache.Wegpunkt[0] = 400;
    wache.Position[2] = wache.Wegpunkt[2] = 410;
    wache.Inventar[0][0] = {1030, 2, 0};
    wache.ZielId = 5;
    wache.Ruestung = 9;
    Mitglied(BegegnungsFiguren, 8, 1040, false);
    AuswahlSlots[0] = Figuren[10].Id;

    LosAufReise();
    EXPECT_EQ(SonderOrt, 0);
    EXPECT_EQ(BefehlsModus, 3);
    EXPECT_EQ(AuswahlIndex, KEINE_FIGUR);
    EXPECT_EQ(AuswahlSlots[0], KEINE_FIGUR);
    EXPECT_EQ(StadtGitter[50][50].Eingang, 1);         // the town's map
    EXPECT_EQ(StadtGitter[50][50].BehaelterIndex, 0);  // its containers numbered
    EXPECT_EQ(BodenKarte[19][0].AlphaTextur, 20);
    EXPECT_EQ(StadtGitter[0][0].Blockiert, 1);
    EXPECT_EQ(ZeilenTimer[kAngriffZeile] + ZeilenTimer[kEinsiedlerZeile] + ZeilenTimer[kKarawaneZeile], 0);
    EXPECT_EQ(ZeilenTimer[kJagdZeile], 100);
    EXPECT_EQ(Cam.Auge[0], 589.5035f);
    EXPECT_EQ(Cam.Ziel[2], -90.327095f);
    EXPECT_EQ(Figuren[30].Aktiv, 0);
    for (int n = 1; n <= 8; ++n) {
        const FigurRecord& f = Figuren[9 + n];
        const float x = n <= 6 ? 620.0f - 10 * n : 680.0f - 10 * n, z = n <= 6 ? 0.0f : 10.0f;
        EXPECT_EQ(f.Position[0], x) << n;
        EXPECT_EQ(f.Wegpunkt[2], z) << n;
        EXPECT_EQ(f.Ausgewaehlt, 0);
        EXPECT_EQ(f.ImKampf, 0);
        EXPECT_EQ(f.Befehl, 1);
        EXPECT_EQ(f.EingangsZiel[0], 0.0f);
        EXPECT_EQ(StadtGitter[int(x / 10)][int(z / 10)].Belegt, 1) << n;
    }
    // The garrison came back into the first free record, keeping that record's id.
    const FigurRecord& zurueck = Figuren[0];
    EXPECT_EQ(zurueck.Aktiv, 1);
    EXPECT_EQ(zurueck.Typ, 3);
    EXPECT_EQ(zurueck.Stationiert, 1);
    EXPECT_EQ(zurueck.Position[0], 400.0f);
    EXPECT_EQ(zurueck.Inventar[0][0].ItemAnzahl, 2);
    EXPECT_EQ(zurueck.Ruestung, 9);
    EXPECT_EQ(zurueck.ZielId, KEINE_FIGUR);
    EXPECT_EQ(zurueck.Id, 0);
    EXPECT_EQ(StadtGitter[40][41].Belegt, 1);
    EXPECT_EQ(Figuren[1].Typ, 1040);
    // And the town's two townsfolk were spawned.
    int volk = 0;
    for (const FigurRecord& f : Figuren) volk += f.Aktiv == 1 && f.Typ >= 10 && f.Typ <= 18;
    EXPECT_EQ(volk, 2);
}

TEST_F(Rueckkehr, AnUnreadableTownMapKeepsTheSquadOnTheEncounterMap)
{
    FigurRecord& f = Figur(10, 1, 900, 900);
    Figur(30, 14, 0, 0);
    LosAufReise();
    EXPECT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(SonderOrt, 1);
    EXPECT_EQ(f.Position[0], 900.0f);
    EXPECT_EQ(Figuren[30].Aktiv, 1);
    EXPECT_EQ(MausLinksLosgelassen, 0);
}

}  // namespace
