#include <cmath>

#include "framework/services_world.h"
#include "framework/setup.h"
#include "framework/szene.h"
#include "welt_fixture.h"

namespace {

void Welt() { Szene.AktualisiereWelt(); }

FigurRecord& Sterbender(int i, int x, int z) {
    FigurRecord& f = Person(i, 13, x, z);
    f.Gesundheit = 0;
    return f;
}

TEST_F(WeltKernTest, TodLegtAlleHabeAufDenBoden) {
    FigurRecord& f = Sterbender(0, 20, 20);
    int n = 0;
    for (auto& reihe : f.Inventar)
        for (ItemSlot& s : reihe) s = {static_cast<int16_t>(1100 + n), static_cast<uint8_t>(1 + n++), 0};
    Figuren[30].Inventar[0][0] = {1006, 3, 0};  // stale belongings of a free record
    Welt();
    EXPECT_EQ(f.Zustand, 16);
    EXPECT_EQ(f.Phase, 0.04f);
    f.AnimBild = 11;
    // Removed once 76 increments of 0.04 (at least 3.0 in single precision) have been added.
    for (int k = 0; k < 75; ++k) Welt();
    EXPECT_EQ(f.Aktiv, 1);
    Welt();
    EXPECT_EQ(StadtGitter[20][20].Belegt, 0);
    // The first item lands in the dead figure's own record, the others in the next free ones.
    int gefunden = 0;
    for (int i = 0; i < 24; ++i) {
        const FigurRecord& item = Figuren[i < 1 ? 0 : i];
        EXPECT_EQ(item.Aktiv, 1);
        EXPECT_EQ(item.Typ, 1100 + i);
        EXPECT_EQ(item.Anzahl, 1 + i);
        EXPECT_EQ(item.Position[0], 200.0f);
        EXPECT_EQ(item.Position[2], 200.0f);
        EXPECT_EQ(item.ZielId, KEINE_FIGUR);
        for (auto& reihe : item.Inventar)
            for (const ItemSlot& s : reihe) EXPECT_EQ(s.ItemId, 0);
        ++gefunden;
    }
    EXPECT_EQ(gefunden, 24);
    EXPECT_EQ(Figuren[24].Aktiv, 0);
}

TEST_F(WeltKernTest, OhneFreieRecordsGehtDerRestVerloren) {
    for (FigurRecord& f : Figuren) f.Aktiv = 1;
    for (int i = 1; i <= 4; ++i) Figuren[i].Aktiv = 0;  // four free records besides the dead one
    FigurRecord& f = Sterbender(0, 20, 20);
    for (auto& reihe : f.Inventar)
        for (ItemSlot& s : reihe) s = {1006, 1, 0};
    f.Zustand = 16;
    f.AnimBild = 11;
    f.Phase = 3.0f;
    Welt();
    int items = 0;
    for (const FigurRecord& g : Figuren) items += g.Aktiv == 1 && g.Typ == 1006;
    EXPECT_EQ(items, 5);
}

TEST_F(WeltKernTest, TodDerEigenenFigurOeffnetDasMeldungsPanel) {
    StadtTabelle[0].Verseuchung = 8;
    FigurRecord& f = Person(0, 1, 10, 10);
    f.EigeneFigur = 1;
    f.Gesundheit = -3;
    f.Wasser = 0;
    f.Nahrung = 4;
    f.ImKampf = 1;
    HinweisPanelHoehe = 100;
    Welt();
    EXPECT_EQ(MeldungsPanelAktiv, 1);
    EXPECT_EQ(HinweisPanelHoehe, 0);
    const uint8_t erwartet[4] = {1, 0, 1, 1};
    for (int k = 0; k < 4; ++k) EXPECT_EQ(Todesursachen[k], erwartet[k]) << k;
}

TEST_F(WeltKernTest, CheatHaeltDieEigeneFigurAmLeben) {
    FigurRecord& f = Person(0, 1, 10, 10);
    f.EigeneFigur = 1;
    f.Gesundheit = 0;
    CheatHilfe = 1;
    Welt();
    CheatHilfe = 0;
    EXPECT_EQ(f.Gesundheit, 100);
    EXPECT_EQ(f.Zustand, 1);
}

TEST_F(WeltKernTest, BewegungszeichenVerschwindetBeimSechsundzwanzigstenAufruf) {
    FigurRecord& m = Figuren[0];
    m.Aktiv = 1;
    m.Typ = 10001;
    m.TeilModelle[0] = 9005;
    for (int k = 0; k < 25; ++k) Welt();
    EXPECT_EQ(m.Aktiv, 1);
    Welt();
    EXPECT_EQ(m.Aktiv, 0);
    EXPECT_EQ(m.Typ, 0);
    EXPECT_EQ(m.TeilModelle[0], 0);
}

TEST_F(WeltKernTest, BesatzungWirdJedesBildNeuGezaehlt) {
    StadtTabelle[0].Besitzer = 1;
    StadtTabelle[0].WasserZufluss = 3;
    Person(0, 1, 10, 10).Stationiert = 1;
    Person(1, 1, 12, 10).Stationiert = 1;
    Person(2, 3, 14, 10).Stationiert = 1;
    Person(3, 2, 16, 10);  // with the party
    for (int k = 0; k < 3; ++k) {
        Welt();
        const uint8_t erwartet[5] = {2, 0, 1, 0, 0};
        for (int t = 0; t < 5; ++t) EXPECT_EQ(StadtTabelle[0].Besatzung[t], erwartet[t]);
        EXPECT_EQ(StadtTabelle[0].Stationiert, 3);
    }
}

TEST_F(WeltKernTest, FeindeJagenDasLetzteTruppMitgliedUndDieStadtWirdNeutral) {
    StadtTabelle[0].Besitzer = 2;
    FigurRecord& h1 = Person(0, 13, 10, 10);
    FigurRecord& h2 = Person(5, 15, 12, 10);
    Person(2, 1, 20, 20);
    Person(3, 2, 22, 20);
    Figuren[4].Typ = 1;  // a free squad record is no target
    Welt();
    for (const FigurRecord* h : {&h1, &h2}) {
        EXPECT_EQ(h->ImKampf, 1);
        EXPECT_EQ(h->ZielId, Figuren[3].Id);
    }
    EXPECT_EQ(StadtTabelle[0].Besatzung[0], 2);
    EXPECT_EQ(HinweisGezeigt[4], 1);
    EXPECT_EQ(StadtTabelle[0].Besitzer, 2);
    h1.Aktiv = h2.Aktiv = 0;
    Welt();
    EXPECT_EQ(StadtTabelle[0].Besitzer, 0);
}

TEST_F(WeltKernTest, HinweiseBeimErstenBild) {
    StadtTabelle[0].Verseuchung = 32;
    StadtTabelle[0].WasserZufluss = 4;
    Welt();
    EXPECT_EQ(HinweisGezeigt[1], 1);
    EXPECT_EQ(HinweisGezeigt[2], 1);
    EXPECT_EQ(HinweisGezeigt[5], 0);
    EXPECT_EQ(HinweisNummer, 2);
    EXPECT_EQ(HinweisSichtbar, 1);
    HinweisSichtbar = 0;
    Welt();
    EXPECT_EQ(HinweisSichtbar, 0);  // each hint once per game

    LeereStadt();
    SonderOrt = 1;
    Welt();
    EXPECT_EQ(HinweisGezeigt[1], 0);
}

TEST_F(WeltKernTest, BlutfleckUndSchwankendeObjekte) {
    ObjektRecord& blut = StadtObjekte[0];
    blut.Aktiv = 1;
    blut.Modell = 9013;
    ObjektRecord& baum = StadtObjekte[1];
    baum.Aktiv = 1;
    baum.Modell = 5003;
    ObjektRecord& rad = StadtObjekte[2];
    rad.Modell = 5055;  // turns even when not in use
    for (int k = 0; k < 125; ++k) Welt();
    EXPECT_EQ(blut.Aktiv, 1);
    Welt();
    EXPECT_EQ(blut.Aktiv, 0);
    EXPECT_FLOAT_EQ(baum.Drehung[2], std::sin(baum.Phase) / 40.0f);
    EXPECT_FLOAT_EQ(baum.Drehung[0], std::sin(baum.Phase) / 60.0f);
    EXPECT_NEAR(rad.Drehung[1], 12.6f, 1e-3f);
}

}  // namespace

namespace {

// Records from a damaged file: values no rule would make must neither crash nor spread.
TEST_F(WeltKernTest, BeschaedigteRecordsBringenNichtsDurcheinander) {
    FigurRecord& nan = Person(0, 10, 10, 10);
    nan.Position[0] = std::numeric_limits<float>::quiet_NaN();
    nan.Zustand = nan.Befehl = 2;
    nan.Ziel[0] = 500.0f;
    FigurRecord& fern = Person(1, 1, 20, 20);
    fern.Position[0] = fern.Wegpunkt[0] = 1.0e30f;  // far off the grid
    fern.Befehl = 3;
    FigurRecord& sterbend = Sterbender(2, 30, 30);
    sterbend.Gesundheit = INT32_MIN;
    sterbend.Phase = std::numeric_limits<float>::quiet_NaN();
    FigurRecord& a = Person(3, 14, 31, 30);
    a.Zustand = 8;
    a.AnimBild = 9;
    a.ZielId = sterbend.Id;
    a.AnimTakt = 1;
    sterbend.Inventar[0][0] = {4000, 1, 0};  // no such item: not dropped
    sterbend.Inventar[0][1] = {1006, 2, 0};
    for (int k = 0; k < 120; ++k) {
        Welt();
        for (int i = 0; i < 4; ++i) AktualisiereFigur(i);
    }
    EXPECT_TRUE(std::isnan(nan.Position[0]));
    EXPECT_EQ(fern.Position[0], 1.0e30f);
    int items = 0;
    for (const FigurRecord& f : Figuren) items += f.Aktiv == 1 && IstBodenItem(f.Typ);
    EXPECT_EQ(items, 1);

    // A town id outside the table: the figures tick, the town table stays as it was.
    LeereStadt();
    const StadtRecord vorher = StadtTabelle[0];
    AktuelleStadt = 77;
    Person(0, 13, 10, 10).Befehl = 2;
    Welt();
    AktualisiereFigur(0);
    EXPECT_EQ(std::memcmp(&StadtTabelle[0], &vorher, sizeof vorher), 0);
}

}  // namespace
