// The new game in town 0.
#include "world/new_game.h"

#include "framework/frame.h"
#include "world/new_game.h"
#include "interaction/tutorial.h"
#include "platform/os.h"
#include "sim_fixture.h"
#include "world/gamefiles.h"
#include "world/sky.h"

namespace {

class NeuesSpielTest : public WeltTest {
protected:
    EigenerOrdner ordner;
    AufzeichnungsGeraet geraet;
    std::vector<std::string> meldungen;
    static constexpr int kFrei = 5;  // the template's first free record

    void SetUp() override {
        WeltTest::SetUp();
        os::CaptureMessageBoxes(&meldungen);
        AktivesFensterOhneTakt();
        // Template: some containers and 499 figures in use with ids of their own; record 5 is free
        // and holds leftovers that the own figure must not inherit.
        std::vector<uint8_t> vorlage = ZufallsBytes(20000, 1);
        std::vector<FigurRecord> figuren(500);
        std::memset(figuren.data(), 0, 500 * sizeof(FigurRecord));
        for (int i = 0; i < 500; ++i) {
            figuren[i].Aktiv = i == kFrei ? 0 : 1;
            figuren[i].Typ = 9999;
            figuren[i].Id = int16_t(700 + i);
        }
        figuren[kFrei].Inventar[2][2] = {1029, 1, 0};
        figuren[kFrei].Inventar[1][5] = {1100, 4, 0};
        const uint8_t* p = reinterpret_cast<const uint8_t*>(figuren.data());
        vorlage.insert(vorlage.end(), p, p + 500 * sizeof(FigurRecord));
        SchreibDatei("Data/Player_Data/S_Town0.dat", vorlage);
        // Map: one entrance and one cell with plants.
        std::vector<uint8_t> karte(STADTDATEI_GROESSE, 0);
        StadtFeld eingang{};
        eingang.Eingang = 1;
        eingang.BehaelterIndex = 200;
        std::memcpy(karte.data() + 72000 + 1180 * 7 + 10 * 9, &eingang, sizeof eingang);
        StadtFeld pflanzen{};
        pflanzen.VegetationErlaubt = 1;
        std::memcpy(karte.data() + 72000 + 1180 * 40 + 10 * 41, &pflanzen, sizeof pflanzen);
        SchreibDatei("Data/Towns/town0.dat", karte);
        AussehenWahl[0] = 4;
        AussehenWahl[1] = 7;
        AussehenWahl[2] = 9;
    }
    void TearDown() override { os::CaptureMessageBoxes(nullptr); }
};

TEST_F(NeuesSpielTest, StadttabelleUndWeltkarte) {
    ASSERT_TRUE(StarteStadtNull());
    struct Zeile {
        int spalte, reihe, namen, besitzer, verseuchung, bewohner, tier, nahrung, zufluss, wasser, feinde;
    };
    const Zeile tabelle[20] = {
        {1, 2, 7, 0, 0, 8, 0, 0, 2, 0, 0},     {1, 5, 2, 0, 0, 5, 0, 0, 2, 0, 0},
        {2, 8, 13, 0, 0, 4, 0, 0, 2, 0, 0},    {5, 1, 3, 0, 0, 4, 0, 0, 4, 0, 0},
        {7, 4, 4, 0, 0, 4, 0, 0, 0, 0, 0},     {5, 6, 18, 0, 8, 8, 0, 0, 1, 0, 0},
        {9, 1, 12, 0, 0, 8, 0, 0, 3, 0, 0},    {17, 16, 9, 0, 0, 8, 0, 0, 2, 0, 0},
        {5, 16, 8, 0, 0, 8, 0, 0, 2, 0, 0},    {7, 13, 0, 0, 0, 25, 0, 0, 5, 0, 0},
        {10, 14, 15, 0, 0, 8, 0, 0, 4, 3, 0},  {19, 3, 11, 0, 47, 8, 0, 0, 0, 0, 0},
        {3, 11, 1, 0, 32, 8, 0, 0, 1, 0, 0},   {1, 14, 17, 0, 0, 4, 0, 0, 1, 0, 0},
        {15, 3, 6, 0, 63, 8, 0, 0, 1, 0, 0},   {16, 9, 14, 0, 0, 8, 0, 0, 1, 0, 0},
        {9, 8, 16, 0, 0, 8, 0, 0, 4, 0, 0},    {13, 12, 5, 0, 0, 8, 0, 0, 2, 0, 0},
        {12, 5, 10, 0, 0, 8, 0, 0, 3, 0, 0},   {14, 18, 19, 2, 0, 6, 1013, 3, 2, 0, 1},
    };
    int stadtZellen = 0;
    for (int c = 0; c < 20; ++c) {
        for (int r = 0; r < 20; ++r) {
            EXPECT_EQ(WeltRaster[c][r].Gelaende, 1);
            if (WeltRaster[c][r].StadtId != KEINE_STADT) ++stadtZellen;
            const bool start = c == 1 && r == 2;
            EXPECT_EQ(WeltRaster[c][r].ParteiHier, start ? 1 : 0);
            EXPECT_EQ(WeltRaster[c][r].StadtZeichen, start ? 1 : 0);
        }
    }
    EXPECT_EQ(stadtZellen, 20);
    for (int i = 0; i < 20; ++i) {
        SCOPED_TRACE(i);
        const Zeile& z = tabelle[i];
        const StadtRecord& t = StadtTabelle[i];
        EXPECT_EQ(WeltRaster[z.spalte][z.reihe].StadtId, i);
        EXPECT_EQ(t.NamenIndex, z.namen);
        EXPECT_EQ(t.Besitzer, z.besitzer);
        EXPECT_EQ(t.Verseuchung, z.verseuchung);
        EXPECT_EQ(t.Bewohner, z.bewohner);
        EXPECT_EQ(t.NahrungsTier, z.tier);
        EXPECT_EQ(t.Nahrung, z.nahrung);
        EXPECT_EQ(t.WasserZufluss, z.zufluss);
        EXPECT_EQ(t.Wasser, z.wasser);
        EXPECT_EQ(t.Besatzung[0], z.feinde);
        for (int k = 1; k < 5; ++k) EXPECT_EQ(t.Besatzung[k], 0);
        EXPECT_EQ(t.TageOffen, 0);
        EXPECT_EQ(t.Stationiert, 0);
        EXPECT_EQ(t.Pumpe, 0);
        EXPECT_EQ(t.GitterBreite, 118);
        EXPECT_EQ(t.GitterHoehe, 118);
    }
    EXPECT_EQ(FeindArmeePosition[0], 14);
    EXPECT_EQ(FeindArmeePosition[1], 18);
    EXPECT_EQ(FeindStaerke, 100);
}

TEST_F(NeuesSpielTest, SpielzustandLichterUndEigeneFigur) {
    StadtTabelle[25].Wasser = 9;  // records 20..29 are not touched
    TagZaehler = 40;
    SpielEnde = 2;
    InteraktionsModus = 3;
    MausLinksGedrueckt = 1;
    HinweisGezeigt[4] = 1;
    TutorialSchritt = 37;
    ZeilenTimer[kSpeichernGesperrtZeile] = 100;
    ASSERT_TRUE(StarteStadtNull());
    EXPECT_TRUE(meldungen.empty());
    EXPECT_EQ(StadtTabelle[25].Wasser, 9);
    EXPECT_EQ(TagZaehler, 0);
    EXPECT_EQ(TagRichtung, 0);
    EXPECT_EQ(SpielEnde, 0);
    EXPECT_EQ(InteraktionsModus, 0);
    EXPECT_EQ(MausLinksGedrueckt, 0);
    EXPECT_EQ(HinweisGezeigt[4], 0);
    EXPECT_EQ(TutorialSchritt, 0);
    EXPECT_EQ(ZeilenTimer[kSpeichernGesperrtZeile], 0);
    EXPECT_EQ(SpielModus, 1000);
    EXPECT_EQ(AktuelleStadt, 0);
    EXPECT_EQ(RegenAktiv, 1);
    EXPECT_EQ(BefehlsModus, 3);
    EXPECT_EQ(CursorIndex, 2);
    for (int s : HudSchieber) EXPECT_EQ(s, 360);
    for (int32_t id : AuswahlSlots) EXPECT_EQ(id, KEINE_FIGUR);
    EXPECT_FLOAT_EQ(Cam.Auge[0], 589.5035f);
    EXPECT_FLOAT_EQ(Cam.Ziel[2], -90.327095f);
    EXPECT_FLOAT_EQ(Cam.Oben[1], 1.0f);

    const LichtRecord& sonne = LichtZustand[0];
    EXPECT_EQ(sonne.Aktiv, 1);
    EXPECT_FLOAT_EQ(sonne.Farbe[0], 1.0f);
    EXPECT_FLOAT_EQ(sonne.Position[2], 640.0f);
    EXPECT_FLOAT_EQ(sonne.Reichweite, 1280.0f);
    EXPECT_FLOAT_EQ(sonne.Daempfung[1], 0.1f);
    for (int i = 1; i < 100; ++i) EXPECT_EQ(LichtZustand[i].Aktiv, 0);

    EXPECT_EQ(StadtGitter[0][0].Blockiert, 1);
    EXPECT_EQ(StadtGitter[7][9].BehaelterIndex, 0);
    EXPECT_EQ(BodenKarte[19][0].AlphaTextur, 20);
    EXPECT_EQ(BodenKarte[20][0].AlphaTextur, 20);

    // Ids are index + 1 whatever the template held; no figure has the id 0.
    for (int i = 0; i < 500; ++i) {
        EXPECT_EQ(Figuren[i].Id, i + 1);
        EXPECT_EQ(Figuren[i].ZielId, KEINE_FIGUR);
        EXPECT_GE(Figuren[i].Stufe, 1);
        if (i != kFrei) { EXPECT_LE(Figuren[i].Aussehen[1], 2); }
    }
    const FigurRecord& ich = Figuren[kFrei];
    EXPECT_EQ(ich.Aktiv, 1);
    EXPECT_EQ(ich.EigeneFigur, 1);
    EXPECT_EQ(ich.Typ, 1);
    EXPECT_EQ(ich.Stufe, 1);
    EXPECT_EQ(ich.TeilModelle[0], 2000);
    EXPECT_EQ(ich.Gesundheit, 100);
    EXPECT_EQ(ich.Nahrung, 10);
    EXPECT_EQ(ich.Wasser, 5);
    EXPECT_FLOAT_EQ(ich.Wegpunkt[0], 600.0f);
    EXPECT_EQ(ich.Aussehen[0], 4);
    EXPECT_EQ(ich.Aussehen[1], 9);
    EXPECT_EQ(ich.Aussehen[2], 7);
    EXPECT_EQ(ich.Aussehen[3], 0);
    EXPECT_EQ(ich.Zustand, 1);
    EXPECT_EQ(ich.AnimLaenge, 12);
    int gegenstaende = 0;
    for (auto& reihe : ich.Inventar)
        for (const ItemSlot& s : reihe) gegenstaende += s.ItemId != 0;
    EXPECT_EQ(gegenstaende, 3);
    EXPECT_EQ(ich.Inventar[0][0].ItemId, 1008);
    EXPECT_EQ(ich.Inventar[0][0].ItemAnzahl, 9);
    EXPECT_EQ(ich.Inventar[0][1].ItemId, 1012);
    EXPECT_EQ(ich.Inventar[0][1].ItemAnzahl, 2);
    EXPECT_EQ(ich.Inventar[0][2].ItemId, 1035);
    EXPECT_EQ(ich.Inventar[0][2].ItemAnzahl, 1);
    EXPECT_EQ(StadtGitter[60][0].Belegt, 1);
}

TEST_F(NeuesSpielTest, ZufallsreihenfolgePflanzenHimmelFiguren) {
    ZufallSaat(4242);
    for (int i = 0; i < 50 * 4; ++i) Zufall();  // the plants of the one cell
    const float wolkeB = float(Zufall() % 1600);
    for (int i = 0; i < 319; ++i) Zufall();  // the rest of the sky
    const int stufe0 = Zufall() % 10 + 1;
    const int aussehen0 = Zufall() % 3;
    ZufallSaat(4242);
    ASSERT_TRUE(StarteStadtNull());
    EXPECT_FLOAT_EQ(DriftSchichtB[0].x, wolkeB);
    EXPECT_EQ(Figuren[0].Stufe, stufe0);
    EXPECT_EQ(Figuren[0].Aussehen[1], aussehen0);
}

TEST_F(NeuesSpielTest, UnbrauchbareVorlageAendertNichts) {
    FeindStaerke = 55;
    Figuren[3].Aktiv = 1;
    Figuren[3].Id = 4;
    SpielModus = 3000;
    // Every record in use: no place for the own figure.
    std::vector<uint8_t> voll = LiesDatei("Data/Player_Data/S_Town0.dat");
    voll[20000 + kFrei * sizeof(FigurRecord) + offsetof(FigurRecord, Aktiv)] = 1;
    SchreibDatei("Data/Player_Data/S_Town0.dat", voll);
    EXPECT_FALSE(StarteStadtNull());
    voll.pop_back();
    SchreibDatei("Data/Player_Data/S_Town0.dat", voll);
    EXPECT_FALSE(StarteStadtNull());
    std::filesystem::remove("Data/Player_Data/S_Town0.dat");
    EXPECT_FALSE(StarteStadtNull());
    EXPECT_EQ(meldungen.size(), 3u);
    EXPECT_EQ(FeindStaerke, 55);
    EXPECT_EQ(SpielModus, 3000);
    EXPECT_EQ(Figuren[3].Id, 4);
}

}  // namespace
