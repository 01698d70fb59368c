// The towns' daily stocks and the current town's production.
#include "world/economy.h"

#include "sim_fixture.h"

namespace {

class WirtschaftTest : public WeltTest {
protected:
    // Town 0 is current; cell (3, 4) is a container with index 0, cell (5, 6) a well with index 1.
    void SetUp() override {
        WeltTest::SetUp();
        AktuelleStadt = 0;
        StadtGitter[3][4].Eingang = 1;
        StadtGitter[3][4].BehaelterIndex = 0;
        StadtGitter[5][6].Eingang = 5;
        StadtGitter[5][6].BehaelterIndex = 1;
        for (auto& spalte : StadtGitter)
            for (StadtFeld& f : spalte)
                if (f.Eingang == 0) f.BehaelterIndex = 255;
    }
    StadtRecord& t = StadtTabelle[0];
};

struct StadtWerteFall {
    uint8_t besitzer;
    int16_t tier, nahrung, zufluss, stationiert, wasser;
    int32_t tageOffen;
    int16_t nahrungDanach, wasserDanach;
    int32_t tageOffenDanach;
};

TEST_F(WirtschaftTest, TaeglicheStadtWerteTabelle) {
    const StadtWerteFall faelle[] = {
        // water: income minus garrison, kept within 0..25 for every owner
        {0, 0, 0, 2, 3, 0, 0, 0, 0, 0},
        {0, 0, 0, 4, 0, 25, 0, 0, 25, 0},
        {2, 0, 0, 5, 1, 3, 0, 0, 7, 0},
        {0, 0, 0, 32767, 0, 10, 0, 0, 0, 0},  // 16-bit sum wraps negative: floored at 0
        // food only in a player town with a food animal, capped at nine stacks, not floored
        {1, 1013, 0, 0, 5, 0, 2, -2, 0, 3},
        {1, 1013, -32760, 0, 20, 0, 0, -32768, 0, 1},  // a starving garrison's stock never wraps to full
        {1, 1008, 80, 0, 0, 0, 0, 81, 0, 1},
        {1, 1036, 40, 0, 0, 0, 0, 45, 0, 1},
        {1, 1037, 10, 0, 1, 1, 0, 16, 0, 1},
        {0, 1013, 5, 0, 0, 0, 7, 5, 0, 7},
        {2, 1008, 5, 0, 0, 0, 0, 5, 0, 0},
        {1, 0, 4, 0, 0, 0, 0, 4, 0, 1},
    };
    for (const StadtWerteFall& f : faelle) {
        StadtRecord& r = StadtTabelle[7];
        r = {};
        r.Besitzer = f.besitzer;
        r.NahrungsTier = f.tier;
        r.Nahrung = f.nahrung;
        r.WasserZufluss = f.zufluss;
        r.Stationiert = f.stationiert;
        r.Wasser = f.wasser;
        r.TageOffen = f.tageOffen;
        TaeglicheStadtWerte();
        SCOPED_TRACE(testing::Message() << "owner " << int(f.besitzer) << " food " << f.tier << " water " << f.wasser);
        EXPECT_EQ(r.Nahrung, f.nahrungDanach);
        EXPECT_EQ(r.Wasser, f.wasserDanach);
        EXPECT_EQ(r.TageOffen, f.tageOffenDanach);
    }
    for (int i = 20; i < 30; ++i) EXPECT_EQ(StadtTabelle[i].Wasser, 0);
}

struct LieferFall {
    int16_t nahrung;
    int gelagert;  // stacks of the food already in the container
    bool behaelterVoll;
    int16_t nahrungDanach;
    int geliefert;
};

TEST_F(WirtschaftTest, FleischLieferungen) {
    const LieferFall faelle[] = {
        {9, 0, false, 9, 0},      // the stock must exceed the stack
        {10, 0, false, 1, 1},
        {100, 0, false, 28, 8},   // at most eight stacks stored
        {100, 5, false, 73, 3},
        {100, 8, false, 100, 0},
        {30, 0, true, 21, 0},     // a full container loses one stack's food and ends the day's delivery
    };
    for (const LieferFall& f : faelle) {
        SCOPED_TRACE(testing::Message() << "stock " << f.nahrung << " stored " << f.gelagert);
        std::memset(Behaelter, 0, sizeof(Behaelter));
        t.NahrungsTier = 1008;
        t.Nahrung = f.nahrung;
        for (int k = 0; k < f.gelagert; ++k) Behaelter[0][9][k] = {1008, 9, 0};
        if (f.behaelterVoll)
            for (auto& reihe : Behaelter[0])
                for (ItemSlot& s : reihe) s = {1100, 1, 0};
        TaeglicheProduktion();
        EXPECT_EQ(t.Nahrung, f.nahrungDanach);
        EXPECT_EQ(LieferAnimation.Anzahl, f.geliefert);
        if (f.geliefert > 0 && f.gelagert == 0) {
            EXPECT_EQ(Behaelter[0][0][0].ItemId, 1008);
            EXPECT_EQ(Behaelter[0][0][0].ItemAnzahl, 9);
        }
    }
}

TEST_F(WirtschaftTest, BrunnenFuelltWasserbehaelterBisZurGrenze) {
    t.Wasser = 6;
    Behaelter[1][0][0] = {1012, 0, 0};  // up to 2
    Behaelter[1][0][1] = {1100, 0, 0};  // not a water container
    Behaelter[1][2][3] = {1001, 3, 0};  // up to 5
    Behaelter[1][9][9] = {1038, 0, 0};  // up to 4, gets what is left
    TaeglicheProduktion();
    EXPECT_EQ(Behaelter[1][0][0].ItemAnzahl, 2);
    EXPECT_EQ(Behaelter[1][0][1].ItemAnzahl, 0);
    EXPECT_EQ(Behaelter[1][2][3].ItemAnzahl, 5);
    EXPECT_EQ(Behaelter[1][9][9].ItemAnzahl, 2);
    EXPECT_EQ(t.Wasser, 0);
}

TEST_F(WirtschaftTest, UngueltigeIndizesWerdenUebersprungen) {
    StadtGitter[3][4].BehaelterIndex = 50;  // a container index past the table
    StadtGitter[5][6].BehaelterIndex = 255;
    t.NahrungsTier = 1008;
    t.Nahrung = 50;
    t.Wasser = 10;
    TaeglicheProduktion();
    EXPECT_EQ(t.Nahrung, 50);
    EXPECT_EQ(t.Wasser, 10);
    EXPECT_EQ(LieferAnimation.Anzahl, 0);

    AktuelleStadt = 20;  // a current town outside 0..19 produces nothing
    LieferAnimation.Anzahl = 5;
    TaeglicheProduktion();
    EXPECT_EQ(LieferAnimation.Anzahl, 0);
}

TEST_F(WirtschaftTest, BesatzungWirdVersorgtUndBelastet) {
    t.NahrungsTier = 1013;  // feeds three
    t.WasserZufluss = 4;    // waters four
    t.TageOffen = 3;
    for (int i = 0; i < 5; ++i) {
        FigurRecord& f = Mitglied(Figuren, 10 + i, 1, true);
        f.Nahrung = 10;
        f.Wasser = 5;
    }
    Mitglied(Figuren, 20, 1, false).Nahrung = 10;  // with the party: not charged
    TaeglicheProduktion();
    for (int i = 0; i < 3; ++i) EXPECT_EQ(Figuren[10 + i].Nahrung, 10);
    EXPECT_EQ(Figuren[13].Nahrung, 7);
    EXPECT_EQ(Figuren[14].Nahrung, 7);
    EXPECT_EQ(Figuren[13].Wasser, 5);
    EXPECT_EQ(Figuren[14].Wasser, 2);
    EXPECT_EQ(Figuren[20].Nahrung, 10);
    EXPECT_EQ(t.TageOffen, 0);
}

TEST_F(WirtschaftTest, FehlendesAusDemRucksackDannGesundheit) {
    t.TageOffen = 3;
    t.WasserZufluss = 5;
    FigurRecord& satt = Mitglied(Figuren, 0, 2, true);
    satt.Nahrung = 1;
    satt.Wasser = 5;
    satt.Inventar[1][4] = {1008, 2, 0};
    FigurRecord& hungrig = Mitglied(Figuren, 1, 3, true);
    hungrig.Nahrung = 0;
    hungrig.Wasser = 5;
    hungrig.Inventar[0][0] = {1013, 1, 0};
    hungrig.Inventar[2][2] = {1008, 9, 0};  // the hand place is not the bag
    TaeglicheProduktion();
    EXPECT_EQ(satt.Nahrung, 0);
    EXPECT_EQ(satt.Inventar[1][4].ItemId, 0);
    EXPECT_EQ(satt.Gesundheit, 100);
    EXPECT_EQ(hungrig.Nahrung, 0);
    EXPECT_EQ(hungrig.Inventar[0][0].ItemId, 0);
    EXPECT_EQ(hungrig.Inventar[2][2].ItemAnzahl, 9);
    EXPECT_EQ(hungrig.Gesundheit, 80);

    // Water containers are drunk empty and kept; what is still missing costs 10 health a unit.
    std::memset(Figuren, 0, sizeof(Figuren));
    StadtTabelle[0].TageOffen = 4;
    StadtTabelle[0].WasserZufluss = 0;
    FigurRecord& durstig = Mitglied(Figuren, 5, 1, true);
    durstig.Nahrung = 1;
    durstig.Wasser = 1;
    durstig.Inventar[0][3] = {1007, 2, 0};
    TaeglicheProduktion();
    EXPECT_EQ(durstig.Inventar[0][3].ItemId, 1007);
    EXPECT_EQ(durstig.Inventar[0][3].ItemAnzahl, 0);
    EXPECT_EQ(durstig.Wasser, 0);
    EXPECT_EQ(durstig.Nahrung, 0);
    EXPECT_EQ(durstig.Gesundheit, 100 - 10 * (1 + 3));
}

TEST_F(WirtschaftTest, GespeicherteExtremwerteLaufenNichtUeber) {
    t.TageOffen = INT32_MAX;
    FigurRecord& f = Mitglied(Figuren, 0, 1, true);
    f.Nahrung = INT32_MIN + 5;
    f.Gesundheit = INT32_MIN + 5;
    TaeglicheProduktion();
    EXPECT_EQ(f.Nahrung, 0);
    EXPECT_EQ(f.Wasser, 0);
    EXPECT_EQ(f.Gesundheit, INT32_MIN);
}

struct TauschFall {
    int stufe;
    int kandidatWert;
    bool getauscht;
};

TEST_F(WirtschaftTest, SammlerTauschtAufBisZehnPlusStufe) {
    const int r = 8;  // candidate 1008, which comes as a stack of 9
    const TauschFall faelle[] = {
        {1, 50, false}, {1, 51, true}, {1, 60, true}, {1, 61, false},
        {10, 69, true}, {10, 70, false},
    };
    for (const TauschFall& fall : faelle) {
        SCOPED_TRACE(testing::Message() << "level " << fall.stufe << " candidate " << fall.kandidatWert);
        std::memset(Figuren, 0, sizeof(Figuren));
        FigurRecord& s = Mitglied(Figuren, 0, 5, true);
        s.Stufe = uint8_t(fall.stufe);
        s.Nahrung = s.Wasser = 10;
        s.Inventar[0][0] = {1100, 1, 0};
        ItemWerte[100] = 50;
        ItemWerte[r] = fall.kandidatWert;
        SaeeFuer([&] { return Zufall() % 192 == r; });
        TaeglicheProduktion();
        EXPECT_EQ(s.Inventar[0][0].ItemId, fall.getauscht ? 1008 : 1100);
        EXPECT_EQ(s.Inventar[0][0].ItemAnzahl, fall.getauscht ? 9 : 1);
        EXPECT_EQ(s.Erfahrung, fall.getauscht ? 1 : 0);
    }
}

TEST_F(WirtschaftTest, SammlerStapelwareZaehltNachAnzahlUndSteigtAuf) {
    FigurRecord& s = Mitglied(Figuren, 0, 5, true);
    s.Stufe = 1;
    s.Erfahrung = 4;
    s.Nahrung = s.Wasser = 10;
    s.Inventar[0][0] = {1013, 3, 0};   // worth its count, 3
    s.Inventar[1][5] = {1500, 1, 0};   // not an item id: skipped, no draw
    const int r = 87;                  // O_Wodka
    ItemWerte[13] = 1000;
    ItemWerte[r] = 5;
    SaeeFuer([&] { return Zufall() % 192 == r; });
    TaeglicheProduktion();
    EXPECT_EQ(s.Inventar[0][0].ItemId, 1087);
    EXPECT_EQ(s.Inventar[0][0].ItemAnzahl, 2);
    EXPECT_EQ(s.Inventar[1][5].ItemId, 1500);
    EXPECT_EQ(s.Stufe, 2);
    EXPECT_EQ(s.Erfahrung, 0);
}

}  // namespace
