// Travel between towns and the encounter maps: the days of the road, the garrison's upkeep, the
// hunters, the arrival's records and ids, the encounter rule, and refused journeys.
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "framework/frame.h"
#include "framework/services_frontend.h"
#include "frontend/travel.h"
#include "frontend_fixture.h"
#include "tests/townview/stadt_fixture.h"
#include "platform/os.h"
#include "platform/random.h"
#include "world/anzeige.h"
#include "world/gamefiles.h"
#include "world/new_game.h"

namespace {

class ReiseTest : public FrontendTest {
protected:
    std::vector<std::string> meldungen;

    void SetUp() override
    {
        FrontendTest::SetUp();
        os::CaptureMessageBoxes(&meldungen);
        Anfang();
    }

    // Town 0 in memory with the own figure, an empty town 1 to travel to, no army, no encounter.
    void Anfang()
    {
        std::memset(&SpielGlobals, 0, sizeof SpielGlobals);
        std::filesystem::remove_all("GAMESTATE");
        FensterAktiv = 1;
        SetupWerte.FRAMERATE = 0.0f;
        std::memset(Figuren, 0, sizeof Figuren);
        std::memset(ReiseFiguren, 0, sizeof ReiseFiguren);
        std::memset(BegegnungsFiguren, 0, sizeof BegegnungsFiguren);
        std::memset(Behaelter, 0, sizeof Behaelter);
        std::memset(StadtGitter, 0, sizeof StadtGitter);
        std::memset(ZeilenTimer, 0, sizeof ZeilenTimer);
        FuelleWeltKarteUndStaedte();
        for (StadtRecord& t : StadtTabelle) t.Bewohner = t.Besatzung[0] = 0;
        StadtTabelle[1].Verseuchung = 10;  // no encounter unless a test wants one
        AktuelleStadt = 0;
        LieferAnimation = {0, 0};
        Mitglied(0, 1).EigeneFigur = 1;
        SchreibeKarte(1);
        SchreibeStadt(1, {});
    }

    void TearDown() override
    {
        os::CaptureMessageBoxes(nullptr);
        FrontendTest::TearDown();
    }

    // A living squad member of the given type in record i of the live town.
    static FigurRecord& Mitglied(int i, int typ, bool stationiert = false)
    {
        FigurRecord& f = Figuren[i];
        f.Aktiv = 1;
        f.Typ = int16_t(typ);
        f.Id = int16_t(i + 1);
        f.Stationiert = stationiert ? 1 : 0;
        f.Gesundheit = 100;
        f.Nahrung = 10;
        f.Wasser = 5;
        f.Stufe = 1;
        f.ZielId = KEINE_FIGUR;
        return f;
    }

    // The working copy of a town: empty containers and the given figures in records 0, 1, ...
    static void SchreibeStadt(int stadt, const std::vector<FigurRecord>& figuren)
    {
        std::vector<uint8_t> d(STADTZUSTANDDATEI_GROESSE, 0);
        if (!figuren.empty())
            std::memcpy(d.data() + sizeof Behaelter, figuren.data(), figuren.size() * sizeof(FigurRecord));
        SchreibeDatei("GAMESTATE/S_Town" + std::to_string(stadt) + ".dat", d);
    }

    // A town map with nothing on it but the given entrance cells.
    static void SchreibeKarte(int stadt, std::vector<std::pair<int, int16_t>> eingaenge = {})
    {
        std::vector<uint8_t> d(STADTDATEI_GROESSE, 0);
        for (auto [zelle, art] : eingaenge) {
            StadtFeld feld{};
            feld.Eingang = art;
            std::memcpy(d.data() + sizeof StadtObjekte + zelle * sizeof(StadtFeld), &feld, sizeof feld);
        }
        SchreibeDatei("DATA/Towns/Town" + std::to_string(stadt) + ".dat", d);
    }

    static std::vector<FigurRecord> LiesStadt(int stadt)
    {
        std::vector<uint8_t> d;
        EXPECT_TRUE(os::ReadFile("GAMESTATE/S_Town" + std::to_string(stadt) + ".dat", d));
        std::vector<FigurRecord> figuren(FIGUREN_ANZAHL);
        if (d.size() == STADTZUSTANDDATEI_GROESSE)
            std::memcpy(figuren.data(), d.data() + sizeof Behaelter, sizeof Figuren);
        return figuren;
    }

    // The record of the own figure after the journey, -1 when it is gone.
    static int Eigene()
    {
        for (int i = 0; i < FIGUREN_ANZAHL; ++i)
            if (Figuren[i].Aktiv == 1 && Figuren[i].EigeneFigur == 1) return i;
        return -1;
    }

    // Seeds the generator so that its k-th draw from now (from 1) meets the wish.
    static void SaeeFuerZiehung(int k, bool (*wunsch)(int))
    {
        for (uint32_t saat = 1; saat < 100000; ++saat) {
            ZufallSaat(saat);
            int r = 0;
            for (int n = 0; n < k; ++n) r = Zufall();
            if (wunsch(r)) {
                ZufallSaat(saat);
                return;
            }
        }
        FAIL() << "no seed";
    }
};

TEST_F(ReiseTest, DaysOfTheRoadEnemyMovesTownValuesAndOneProduction)
{
    for (int tage : {1, 4}) {
        Anfang();
        // The destination is the player's and breeds maggots (3 a day) into its one container.
        SchreibeKarte(1, {{50 * GITTER_GROESSE + 50, 1}});
        StadtTabelle[1].Besitzer = 1;
        StadtTabelle[1].NahrungsTier = 1013;
        StadtTabelle[1].Nahrung = 0;
        StadtTabelle[5].Besitzer = 1;  // another town of the player's counts its days held
        FeindArmeePosition[0] = FeindArmeePosition[1] = 0;
        ZufallSaat(77);
        std::vector<int> ziehungen;
        for (int n = 0; n < tage + 3; ++n) ziehungen.push_back(Zufall());
        ZufallSaat(77);

        ASSERT_TRUE(Reise(1, 1, 5, tage));
        // Draws: the weather, one per day for the army (which has no cell), the encounter rule.
        EXPECT_EQ(Zufall(), ziehungen[tage + 2]) << tage;
        EXPECT_EQ(TagZaehler, tage);
        EXPECT_EQ(StadtTabelle[5].TageOffen, tage);
        // The days' food came first, then one production: 3 x days maggots, stacks of 3 while more
        // than one stack is left. A production every day would deliver at most one stack.
        EXPECT_EQ(LieferAnimation.Anzahl, tage == 4 ? 3 : 0) << tage;
        EXPECT_EQ(StadtTabelle[1].TageOffen, 0);
        EXPECT_EQ(LieferAnimation.Countdown, 250);

        EXPECT_EQ(AktuelleStadt, 1);
        EXPECT_EQ(SpielModus, 1000);
        EXPECT_EQ(BefehlsModus, 3);
        EXPECT_EQ(WeltRaster[1][5].ParteiHier, 1);
        EXPECT_EQ(WeltRaster[1][2].ParteiHier, 0);
        EXPECT_EQ(StadtGitter[0][0].Blockiert, 1);
        // The same view of the gate as a new game and the way back from an encounter map.
        EXPECT_EQ(Cam.Auge[0], 589.5035f);
        EXPECT_EQ(Cam.Ziel[2], -90.327095f);
        const int ich = Eigene();
        ASSERT_GE(ich, 0);
        EXPECT_EQ(Figuren[ich].Nahrung, 10 - tage);
        EXPECT_EQ(Figuren[ich].Wasser, 5 - tage);
        EXPECT_FLOAT_EQ(Figuren[ich].Position[0], 610.0f);
        EXPECT_EQ(StadtGitter[61][0].Belegt, 1);
    }
}

TEST_F(ReiseTest, WorldMapRouteIsAKingsWalkOfChebyshevDays)
{
    struct Fall {
        int spalte, reihe, tage;
    };
    // The party stands in town 0 at (1, 2).
    for (const Fall& f : {Fall{1, 5, 3}, Fall{5, 1, 4}, Fall{2, 8, 6}, Fall{14, 18, 16}, Fall{19, 3, 18}, Fall{1, 2, 0}}) {
        for (auto& s : WeltRaster)
            for (WeltFeld& z : s) z.StadtZeichen = 0;
        WeltRaster[f.spalte][f.reihe].StadtZeichen = 1;
        SpielModus = 9000;
        dev->ClearCalls();
        LandkartenBildschirm();
        EXPECT_EQ(QuadsVon(186).size(), size_t(std::max(0, f.tage - 1))) << f.spalte << "," << f.reihe;
        ASSERT_EQ(QuadsVon(185).size(), 1u);
        EXPECT_FLOAT_EQ(QuadsVon(185)[0].x, 32.0f + 64.0f * f.spalte);
    }
    // Without a party there is no route.
    WeltRaster[1][2].ParteiHier = 0;
    dev->ClearCalls();
    LandkartenBildschirm();
    EXPECT_TRUE(QuadsVon(185).empty());
}

class RoutenText : public StadtTest {};

TEST_F(RoutenText, TheRouteLabelSaysOneDayInTheSingularZeroAndTwoInThePlural)
{
    std::strcpy(TextStandard[3], "Tage");
    std::strcpy(TextStandard[4], "Tag");
    FuelleWeltKarteUndStaedte();  // the party and the selection on town 0 at (1, 2)
    SpielModus = 9000;
    struct Fall {
        int spalte, reihe;
        const char* text;
    } const faelle[] = {{1, 2, "0 Tage"}, {2, 3, "1 Tag"}, {3, 2, "2 Tage"}, {1, 4, "2 Tage"}};
    for (const Fall& f : faelle) {
        for (auto& spalte : WeltRaster)
            for (WeltFeld& z : spalte) z.StadtZeichen = 0;
        WeltRaster[f.spalte][f.reihe].StadtZeichen = 1;
        dev->ClearCalls();
        LandkartenBildschirm();
        const std::vector<Text> texte = Texte();
        const Text* label = nullptr;
        for (const Text& t : texte)
            if (t.x == float(64 * f.spalte + 50) && t.y == float(64 * f.reihe + 13)) label = &t;
        ASSERT_NE(label, nullptr) << f.text;
        EXPECT_EQ(label->text, f.text);
        EXPECT_EQ(label->font, 2);
    }
}

TEST_F(ReiseTest, WorldMapBoundsStoredIndexes)
{
    WeltRaster[3][3].StadtId = 77;      // no town
    WeltRaster[4][4].StadtId = -5;      // no town
    StadtTabelle[2].NamenIndex = 250;   // no name
    StadtTabelle[2].Besitzer = 9;       // no flag
    StadtTabelle[2].NahrungsTier = 31000;
    WeltRaster[2][8].StadtZeichen = 1;
    KartenVersatz[0] = 5000;
    KartenVersatz[1] = -9000;
    dev->ClearCalls();
    LandkartenBildschirm();
    EXPECT_EQ(KartenVersatz[0], 0);
    EXPECT_EQ(KartenVersatz[1], -575);
    EXPECT_EQ(QuadsVon(0).size(), 20u);  // the 20 town cells
    for (int flagge : {32, 33, 34}) EXPECT_TRUE(QuadsVon(flagge).empty());
    // A click on a cell without a valid town keeps the selection.
    KartenVersatz[1] = 0;
    Maus(32 + 64 * 3 + 10, 32 + 64 * 3 + 10);
    MausLinksGedrueckt = 1;
    LandkartenBildschirm();
    EXPECT_EQ(WeltRaster[2][8].StadtZeichen, 1);
    EXPECT_EQ(WeltRaster[3][3].StadtZeichen, 0);
}

TEST_F(ReiseTest, ClicksSelectTownsAndTheSecondClickOnAnotherTownTravels)
{
    auto klick = [](int spalte, int reihe) {
        SpielModus = 9000;
        Maus(32 + 64 * spalte + 20, 32 + 64 * reihe + 20);
        MausLinksGedrueckt = 1;
        LandkartenBildschirm();
        EXPECT_EQ(MausLinksGedrueckt, 0);
    };
    // The party's own town, selected already: selected again, never a journey.
    klick(1, 2);
    EXPECT_EQ(AktuelleStadt, 0);
    EXPECT_EQ(SpielModus, 9000);
    EXPECT_EQ(WeltRaster[1][2].StadtZeichen, 1);
    klick(1, 5);
    EXPECT_EQ(AktuelleStadt, 0);
    EXPECT_EQ(WeltRaster[1][5].StadtZeichen, 1);
    EXPECT_EQ(WeltRaster[1][2].StadtZeichen, 0);
    klick(1, 5);
    EXPECT_EQ(AktuelleStadt, 1);
    EXPECT_EQ(TagZaehler, 3);
    EXPECT_EQ(SpielModus, 1000);
    EXPECT_EQ(WeltRaster[1][5].StadtZeichen, 1);

    // Leaving: a right press, or the return button let go over it.
    SpielModus = 9000;
    MausRechtsGedrueckt = 1;
    LandkartenBildschirm();
    EXPECT_EQ(SpielModus, 1000);
    SpielModus = 9000;
    Maus(950, 630);
    MausLinksLosgelassen = 1;
    LandkartenBildschirm();
    EXPECT_EQ(SpielModus, 1000);
    EXPECT_EQ(MausLinksLosgelassen, 0);
}

TEST_F(ReiseTest, EncounterOnlyOnTheRoadToACleanTownTheEnemyDoesNotHold)
{
    struct Fall {
        int verseuchung, besitzer;
        bool treffer, begegnung;
    };
    for (const Fall& f : {Fall{0, 0, true, true}, Fall{0, 1, true, true}, Fall{0, 0, false, false},
                          Fall{5, 0, true, false}, Fall{0, 2, true, false}}) {
        Anfang();
        StadtTabelle[1].Verseuchung = uint8_t(f.verseuchung);
        StadtTabelle[1].Besitzer = uint8_t(f.besitzer);
        FeindArmeePosition[0] = FeindArmeePosition[1] = 0;
        // The destination's garrison and a floor item wait aside on an encounter map.
        FigurRecord wache{};
        wache.Aktiv = wache.Stationiert = 1;
        wache.Typ = 2;
        wache.Gesundheit = 77;
        wache.Nahrung = 10;  // the day's production feeds it
        wache.Wasser = 5;
        wache.Id = 1;
        FigurRecord ding{};
        ding.Aktiv = 1;
        ding.Typ = 1003;
        ding.Anzahl = 4;
        FigurRecord haendler{};
        haendler.Aktiv = 1;
        haendler.Typ = 9999;
        SchreibeStadt(1, {wache, ding, haendler});
        // Third draw: weather, the army's one day, then the rule.
        if (f.treffer) SaeeFuerZiehung(3, [](int r) { return r % 3 == 0; });
        else SaeeFuerZiehung(3, [](int r) { return r % 3 != 0; });

        ASSERT_TRUE(Reise(1, 1, 5, 1));
        EXPECT_EQ(SonderOrt, f.begegnung ? 1 : 0) << f.verseuchung << " " << f.besitzer;
        if (!f.begegnung) continue;
        int beiseite = 0;
        for (const FigurRecord& b : BegegnungsFiguren) {
            if (b.Aktiv != 1) continue;
            ++beiseite;
            if (b.Typ == 2) {
                EXPECT_EQ(b.Stationiert, 1);
                EXPECT_EQ(b.Gesundheit, 77);
            } else {
                EXPECT_EQ(b.Typ, 1003);
                EXPECT_EQ(b.Anzahl, 4);
            }
        }
        EXPECT_EQ(beiseite, 2);
        for (const FigurRecord& g : Figuren) {
            if (g.Aktiv != 1) continue;
            EXPECT_TRUE(g.Typ == 1 || (g.Typ >= 13 && g.Typ <= 15) || (g.Typ >= 1000 && g.Typ < 2000)) << g.Typ;
            EXPECT_FALSE(g.Typ == 2 || g.Typ == 9999);
        }
        EXPECT_GE(Eigene(), 0);
        EXPECT_EQ(StadtGitter[0][0].Blockiert, 1);
    }
}

TEST_F(ReiseTest, ArrivalNumbersIdsAndPlacesAMemberInAReclaimedRecord)
{
    // The destination's records are all taken: floor items, and one move marker.
    std::vector<FigurRecord> voll(FIGUREN_ANZAHL);
    for (int i = 0; i < FIGUREN_ANZAHL; ++i) {
        voll[i].Aktiv = 1;
        voll[i].Typ = i == 250 ? 10001 : 1005;
        voll[i].Id = int16_t(9000 + i);
    }
    SchreibeStadt(1, voll);
    Figuren[0].Inventar[1][4] = {1035, 1, 0};
    ASSERT_TRUE(Reise(1, 1, 5, 2));
    for (int i = 0; i < FIGUREN_ANZAHL; ++i) EXPECT_EQ(Figuren[i].Id, i + 1);
    ASSERT_EQ(Eigene(), 250);
    EXPECT_EQ(Figuren[250].Typ, 1);
    EXPECT_EQ(Figuren[250].Inventar[1][4].ItemId, 1035);
    EXPECT_EQ(Figuren[250].ZielId, KEINE_FIGUR);
}

TEST_F(ReiseTest, HuntersFindFoodAndKeepTheirExperience)
{
    struct Fall {
        int stufe;
        bool vollerBeutel;
        int16_t fund;
    };
    // Level 10 divides by 1 (never by 0): always maggots. Level 6 and above find at once.
    for (const Fall& f : {Fall{10, false, 1013}, Fall{6, false, -1}, Fall{9, true, 0}}) {
        Anfang();
        FigurRecord& jaeger = Mitglied(1, 4);
        jaeger.Stufe = uint8_t(f.stufe);
        jaeger.Erfahrung = 2;
        if (f.vollerBeutel)
            for (auto& reihe : {0, 1})
                for (ItemSlot& s : jaeger.Inventar[reihe]) s = {1053, 1, 0};
        jaeger.Inventar[0][0] = {1012, 1, 0};
        ASSERT_TRUE(Reise(1, 1, 5, 1));
        int j = -1;
        for (int i = 0; i < FIGUREN_ANZAHL; ++i)
            if (Figuren[i].Aktiv == 1 && Figuren[i].Typ == 4) j = i;
        ASSERT_GE(j, 0);
        const ItemSlot& gefunden = Figuren[j].Inventar[0][1];
        if (f.vollerBeutel) {
            EXPECT_EQ(gefunden.ItemId, 1053);
            EXPECT_EQ(ZeilenTimer[kJagdZeile], 0);
            EXPECT_EQ(Figuren[j].Erfahrung, 2);
            continue;
        }
        if (f.fund > 0) {
            EXPECT_EQ(gefunden.ItemId, f.fund);
        }
        EXPECT_TRUE(gefunden.ItemId == 1013 || gefunden.ItemId == 1036 || gefunden.ItemId == 1037 ||
                    gefunden.ItemId == 1008)
            << gefunden.ItemId;
        EXPECT_EQ(ZeilenTimer[kJagdZeile], 250);
        EXPECT_EQ(Figuren[j].Erfahrung, 3);  // carried into the town, not lost on the road
    }
}

TEST_F(ReiseTest, HuntersFindByTheDrawAndRiseAtFiveTimesTheirLevel)
{
    // The hunter's search is the journey's second draw, after the weather's.
    struct Fund {
        bool (*wunsch)(int);
        int16_t item;
        uint8_t anzahl;
    } const funde[] = {{[](int r) { return r % 4 == 0; }, 1013, 3},
                       {[](int r) { return r % 4 == 1; }, 1036, 5},
                       {[](int r) { return r % 4 == 2; }, 1037, 7},
                       {[](int r) { return r % 4 == 3; }, 1008, 9}};
    struct Stufe {
        int stufe, erfahrung;
        int stufeNachher, erfahrungNachher;
    } const stufen[] = {{6, 29, 7, 0}, {6, 28, 6, 29}, {9, 44, 10, 0}, {9, 43, 9, 44}, {10, 200, 10, 201}};
    auto reise = [this](int stufe, int erfahrung) -> const FigurRecord* {
        Anfang();
        FigurRecord& jaeger = Mitglied(1, 4);
        jaeger.Stufe = uint8_t(stufe);
        jaeger.Erfahrung = uint8_t(erfahrung);
        if (!Reise(1, 1, 5, 1)) return nullptr;
        for (const FigurRecord& f : Figuren)
            if (f.Aktiv == 1 && f.Typ == 4) return &f;
        return nullptr;
    };
    for (const Fund& f : funde) {
        SaeeFuerZiehung(2, f.wunsch);
        const FigurRecord* j = reise(6, 0);  // level 6 draws modulo 4: every draw finds
        ASSERT_NE(j, nullptr);
        EXPECT_EQ(j->Inventar[0][0].ItemId, f.item);
        EXPECT_EQ(j->Inventar[0][0].ItemAnzahl, f.anzahl) << f.item;
    }
    for (const Stufe& s : stufen) {
        const FigurRecord* j = reise(s.stufe, s.erfahrung);
        ASSERT_NE(j, nullptr);
        EXPECT_NE(j->Inventar[0][0].ItemId, 0) << s.stufe << " " << s.erfahrung;
        EXPECT_EQ(j->Stufe, s.stufeNachher) << s.stufe << " " << s.erfahrung;
        EXPECT_EQ(j->Erfahrung, s.erfahrungNachher) << s.stufe << " " << s.erfahrung;
    }
}

TEST_F(ReiseTest, GarrisonBeyondFoodAndWaterStarvesAndTheRestLinesUp)
{
    // Town 0 feeds nobody (no food animal): both stationed members starve on departure.
    StadtTabelle[0].NahrungsTier = 0;
    StadtTabelle[0].Stationiert = 2;
    Mitglied(3, 2, true).Inventar[0][0] = {1035, 1, 0};
    Mitglied(4, 3, true);
    ASSERT_TRUE(Reise(1, 1, 5, 1));
    std::vector<FigurRecord> alt = LiesStadt(0);
    int bleiben = 0, messer = 0;
    for (const FigurRecord& f : alt) {
        bleiben += f.Aktiv == 1 && f.Typ >= 1 && f.Typ <= 5;
        messer += f.Aktiv == 1 && f.Typ == 1035;
    }
    EXPECT_EQ(bleiben, 0);
    EXPECT_EQ(messer, 1);  // what they carried lies on the floor

    // With maggots (3) and water 2 the town keeps two of three; they line up at z 20.
    Anfang();
    StadtTabelle[0].NahrungsTier = 1013;
    StadtTabelle[0].WasserZufluss = 2;
    StadtTabelle[0].Stationiert = 3;
    for (int i : {3, 4, 5}) Mitglied(i, 2, true);
    ASSERT_TRUE(Reise(1, 1, 5, 1));
    alt = LiesStadt(0);
    std::vector<float> xs;
    for (const FigurRecord& f : alt) {
        if (f.Aktiv != 1 || f.Typ != 2) continue;
        xs.push_back(f.Position[0]);
        EXPECT_FLOAT_EQ(f.Position[2], 20.0f);
        EXPECT_EQ(f.Stationiert, 1);
    }
    EXPECT_EQ(xs, (std::vector<float>{610.0f, 620.0f}));
}

TEST_F(ReiseTest, MissingOrShortDestinationIsRefusedAndChangesNothing)
{
    for (int fall = 0; fall < 3; ++fall) {
        Anfang();
        if (fall == 0) std::filesystem::remove("GAMESTATE/S_Town1.dat");
        if (fall == 1) SchreibeDatei("GAMESTATE/S_Town1.dat", std::vector<uint8_t>(1000));
        if (fall == 2) SchreibeDatei("DATA/Towns/Town1.dat", std::vector<uint8_t>(STADTDATEI_GROESSE - 1));
        meldungen.clear();
        const FigurRecord vorher = Figuren[0];
        EXPECT_FALSE(Reise(1, 1, 5, 3));
        EXPECT_EQ(meldungen.size(), 1u) << fall;
        EXPECT_EQ(AktuelleStadt, 0);
        EXPECT_EQ(TagZaehler, 0);
        EXPECT_EQ(WeltRaster[1][2].ParteiHier, 1);
        EXPECT_EQ(std::memcmp(&vorher, &Figuren[0], sizeof vorher), 0);
        EXPECT_FALSE(os::FileExists("GAMESTATE/S_Town0.dat"));
    }
    // On an encounter map nobody travels.
    Anfang();
    SonderOrt = 1;
    EXPECT_FALSE(Reise(1, 1, 5, 3));
    EXPECT_EQ(AktuelleStadt, 0);
}

}  // namespace
