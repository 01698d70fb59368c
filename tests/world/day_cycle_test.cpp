// The day-light cycle and the new day's hunger and thirst.
#include "framework/frame.h"
#include "framework/services_world.h"
#include "sim_fixture.h"

namespace {

class TageslaufTest : public WeltTest {
protected:
    void SetUp() override {
        WeltTest::SetUp();
        LichtRecord& sonne = LichtZustand[0];
        sonne.Aktiv = 1;
        sonne.Farbe[0] = sonne.Farbe[1] = sonne.Farbe[2] = 1.0f;
        sonne.Position[2] = 640.0f;
        TagRichtung = 0;
        FeindArmeePosition[0] = FeindArmeePosition[1] = 0;  // no army: no march draws matter
    }
    // One call short of the new day.
    void KurzVorNeuemTag() {
        LichtZustand[0].Farbe[0] = 0.30005f;
        TagRichtung = 0;
    }
};

TEST_F(TageslaufTest, ErsterNeuerTagBeiAufruf7000WendeBei14000) {
    int neuerTagBei = 0, wendeBei = 0;
    for (int aufruf = 1; aufruf <= 14000; ++aufruf) {
        AktualisiereTageslauf();
        if (neuerTagBei == 0 && TagZaehler == 1) neuerTagBei = aufruf;
        if (neuerTagBei != 0 && wendeBei == 0 && TagRichtung == 0) wendeBei = aufruf;
    }
    EXPECT_EQ(neuerTagBei, 7000);
    EXPECT_EQ(wendeBei, 14000);
    EXPECT_EQ(TagZaehler, 1);
    const LichtRecord& sonne = LichtZustand[0];
    EXPECT_FLOAT_EQ(sonne.Position[0], 640.0f);
    EXPECT_FLOAT_EQ(sonne.Position[1], 500.0f);
    EXPECT_FLOAT_EQ(sonne.Reichweite, 2000.0f);
    EXPECT_FLOAT_EQ(sonne.Daempfung[1], 0.001f);
    EXPECT_NEAR(sonne.Position[2], 640.0f, 1.0f);

    // The next 14,000 calls make exactly one more day.
    for (int aufruf = 0; aufruf < 14000; ++aufruf) AktualisiereTageslauf();
    EXPECT_EQ(TagZaehler, 2);
}

// Every channel and the sun's z after each call, computed here in 32-bit floats from the day's amounts:
// red and green 0.0001, blue 0.00003, z 0.13 a call, taken away until the new day, then added back.
TEST_F(TageslaufTest, JederKanalFolgtSeinemSchrittHinUndZurueck) {
    LichtRecord& sonne = LichtZustand[0];
    sonne.Farbe[1] = 0.9f;  // green on its own track, so it cannot pass for red
    sonne.Farbe[2] = 0.95f;
    float rot = 1.0f, gruen = 0.9f, blau = 0.95f, z = 640.0f;
    bool zurueck = false;
    for (int aufruf = 1; aufruf <= 14000; ++aufruf) {
        const float v = zurueck ? 1.0f : -1.0f;
        rot += v * 0.0001f, gruen += v * 0.0001f, blau += v * 0.00003f, z += v * 0.13f;
        if (rot <= 0.3f) zurueck = true;
        if (rot >= 1.0f) zurueck = false;
        AktualisiereTageslauf();
        ASSERT_EQ(sonne.Farbe[0], rot) << aufruf;
        ASSERT_EQ(sonne.Farbe[1], gruen) << aufruf;
        ASSERT_EQ(sonne.Farbe[2], blau) << aufruf;
        ASSERT_EQ(sonne.Position[2], z) << aufruf;
    }
    EXPECT_NEAR(gruen, 0.9f, 0.001f);
    EXPECT_GT(TagZaehler, 0);
}

TEST_F(TageslaufTest, NeuerTagSetztZaehlerUndStartetDieZeile) {
    KurzVorNeuemTag();
    AktualisiereTageslauf();
    EXPECT_EQ(TagZaehler, 1);
    EXPECT_EQ(TagRichtung, 1);
    EXPECT_EQ(ZeilenTimer[kNeuerTagZeile], 250);
    EXPECT_EQ(LieferAnimation.Countdown, 250);
}

struct HungerFall {
    int32_t nahrung, wasser;
    int32_t gesundheit, nahrungDanach, wasserDanach;
};

TEST_F(TageslaufTest, HungerUndDurstTabelle) {
    const HungerFall faelle[] = {
        {1, 3, 100, 0, 2},
        {0, 0, 80, 0, 0},
        {0, 2, 90, 0, 1},
        {4, 0, 90, 3, 0},
        {10, 5, 100, 9, 4},
    };
    for (const HungerFall& fall : faelle) {
        SCOPED_TRACE(testing::Message() << "food " << fall.nahrung << " water " << fall.wasser);
        FigurRecord& f = Mitglied(Figuren, 3, 2, false);
        f.Nahrung = fall.nahrung;
        f.Wasser = fall.wasser;
        FigurRecord& wache = Mitglied(Figuren, 4, 2, true);  // stationed: fed by the town instead
        FigurRecord& buerger = Mitglied(Figuren, 5, 10, false);
        KurzVorNeuemTag();
        AktualisiereTageslauf();
        EXPECT_EQ(f.Gesundheit, fall.gesundheit);
        EXPECT_EQ(f.Nahrung, fall.nahrungDanach);
        EXPECT_EQ(f.Wasser, fall.wasserDanach);
        EXPECT_EQ(wache.Gesundheit, 100);
        EXPECT_EQ(buerger.Gesundheit, 100);
    }
}

TEST_F(TageslaufTest, HungerHinweisNurEinmalUndNichtAufSonderOrt) {
    FigurRecord& f = Mitglied(Figuren, 0, 1, false);
    SonderOrt = 1;
    KurzVorNeuemTag();
    AktualisiereTageslauf();
    EXPECT_EQ(f.Gesundheit, 80);
    EXPECT_EQ(HinweisSichtbar, 0);
    EXPECT_EQ(HinweisGezeigt[10], 0);

    SonderOrt = 0;
    KurzVorNeuemTag();
    AktualisiereTageslauf();
    EXPECT_EQ(HinweisSichtbar, 1);
    EXPECT_EQ(HinweisNummer, 10);
    EXPECT_EQ(HinweisGezeigt[10], 1);
    EXPECT_EQ(HinweisPanelHoehe, 0);

    HinweisSichtbar = 0;
    HinweisPanelHoehe = 99;
    KurzVorNeuemTag();
    AktualisiereTageslauf();
    EXPECT_EQ(f.Gesundheit, 40);
    EXPECT_EQ(HinweisSichtbar, 0);
    EXPECT_EQ(HinweisPanelHoehe, 99);
}

TEST_F(TageslaufTest, SpielEndeWennAlleStaedteGehaltenUndKeinHeer) {
    for (int i = 0; i < 20; ++i) StadtTabelle[i].Besitzer = 1;
    KurzVorNeuemTag();
    AktualisiereTageslauf();
    EXPECT_EQ(SpielEnde, 1);
    EXPECT_EQ(HinweisPanelHoehe, 0);

    // Playing on after the end panel is not ended again.
    SpielEnde = 2;
    KurzVorNeuemTag();
    AktualisiereTageslauf();
    EXPECT_EQ(SpielEnde, 2);

    // One town not held, or an army left: no end.
    SpielEnde = 0;
    StadtTabelle[19].Besitzer = 0;
    KurzVorNeuemTag();
    AktualisiereTageslauf();
    EXPECT_EQ(SpielEnde, 0);
    StadtTabelle[19].Besitzer = 1;
    FeindArmeePosition[0] = 3;
    KurzVorNeuemTag();
    AktualisiereTageslauf();
    EXPECT_EQ(SpielEnde, 0);
}

}  // namespace
