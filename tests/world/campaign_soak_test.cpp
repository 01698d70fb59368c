// A whole campaign run headless: a new game lives through 200 days of extra ticks, with the enemy
// army marching, occupying and raiding (its battles driven without a window), and ends with
// consistent records.
#include "framework/services_world.h"
#include "framework/szene.h"
#include "platform/os.h"
#include "sim_fixture.h"
#include "world/enemy_army.h"
#include "world/gamefiles.h"
#include "world/new_game.h"
#include "world/save_load.h"

namespace {

// A town state: a few containers' worth of food and water, townsfolk, and a garrison of squad
// members stationed there with weapons and ammunition.
std::vector<uint8_t> StadtZustandMitBesatzung(int stadt, int wachen) {
    std::vector<uint8_t> d(STADTZUSTANDDATEI_GROESSE, 0);
    ItemSlot (*behaelter)[10][10] = reinterpret_cast<ItemSlot (*)[10][10]>(d.data());
    behaelter[0][0][0] = {1007, 1, 0};
    behaelter[1][0][0] = {1013, 3, 0};
    FigurRecord* figuren = reinterpret_cast<FigurRecord*>(d.data() + 20000);
    for (int i = 0; i < wachen + 6; ++i) {
        FigurRecord& f = Mitglied(figuren, i, i < wachen ? 1 + (i + stadt) % 5 : 10, i < wachen);
        f.Stufe = uint8_t(1 + (i * 7 + stadt) % 10);
        f.Wegpunkt[0] = f.Position[0] = float(100 + 10 * i);
        f.Wegpunkt[2] = f.Position[2] = float(100 + 10 * stadt);
        if (i < wachen) {
            f.Inventar[2][2] = {int16_t(1029 + i % 6), 1, 0};
            f.Inventar[2][1] = {1028, uint8_t(10 * i), 0};
        }
    }
    return d;
}

class FeldzugTest : public WeltTest {
protected:
    EigenerOrdner ordner;
    std::vector<std::string> meldungen;

    void SetUp() override {
        WeltTest::SetUp();
        os::CaptureMessageBoxes(&meldungen);
        std::vector<uint8_t> vorlage = StadtZustandMitBesatzung(0, 0);
        SchreibDatei("Data/Player_Data/S_Town0.dat", vorlage);
        std::vector<uint8_t> karte(STADTDATEI_GROESSE, 0);
        auto feld = [&](int x, int z, int16_t eingang, uint8_t pflanzen) {
            StadtFeld f{};
            f.Eingang = eingang;
            f.VegetationErlaubt = pflanzen;
            std::memcpy(karte.data() + 72000 + 1180 * x + 10 * z, &f, sizeof f);
        };
        feld(10, 10, 5, 0);  // well: container 0
        feld(10, 20, 1, 0);  // container 1
        feld(30, 30, 1, 1);  // container 2, with plants
        feld(50, 50, 2, 0);  // a trader
        SchreibDatei("Data/Towns/town0.dat", karte);
        for (int i = 0; i < 20; ++i)
            SchreibDatei("Gamestate/S_Town" + std::to_string(i) + ".dat", StadtZustandMitBesatzung(i, i % 4 == 0 ? 1 : 3));
        for (int i = 0; i < 500; ++i) ItemWerte[i] = (i * 37) % 90;
        AktivesFensterOhneTakt();
        LetzterWParam = 1;  // the left button closes each decided battle at once
        Schwierigkeitsgrad = 2;
    }
    void TearDown() override { os::CaptureMessageBoxes(nullptr); }

    // One extra tick as the time buttons run it, with the figures' update and the world logic on
    // every twentieth tick only, so 200 days stay within a test's time.
    static void ExtraTick(int tick) {
        if (tick % 20 == 0) {
            for (int i = 0; i < 500; ++i) AktualisiereFigur(i);
            Szene.AktualisiereWelt();
        }
        AktualisiereTageslauf();
    }

    static bool IstStadtZelle(int32_t c, int32_t r) {
        for (const WeltZelle& z : kStadtZellen)
            if (z.spalte == c && z.reihe == r) return true;
        return false;
    }
};

TEST_F(FeldzugTest, ZweihundertTageBleibenStimmig) {
    ZufallSaat(2026);
    ASSERT_TRUE(StarteStadtNull());
    SetupWerte.FRAMERATE = 0.0f;
    // The player holds most towns, each with a garrison in its working copy; town 0 produces food.
    for (int i = 0; i < 19; ++i) StadtTabelle[i].Besitzer = 1;
    StadtTabelle[0].NahrungsTier = 1013;
    StadtTabelle[0].Nahrung = 20;
    for (int i = 0; i < 3; ++i) {
        FigurRecord& f = Figuren[FreieFigur()];
        f = {};
        f.Aktiv = 1;
        f.Typ = int16_t(4 + i % 2);  // a hunter and a collector who trades up
        f.Stationiert = 1;
        f.Gesundheit = 1000;
        f.Stufe = 3;
        f.Inventar[0][0] = {1100, 1, 0};
    }

    int verloren = 0, gehalten = 0, besetzungen = 0;
    for (int tag = 0; tag < 200; ++tag) {
        uint8_t besitzerVorher[20];
        for (int i = 0; i < 20; ++i) besitzerVorher[i] = StadtTabelle[i].Besitzer;
        const int32_t staerke = FeindStaerke;
        for (int t = 0; t < 14000; ++t) ExtraTick(t);
        for (int i = 0; i < 20; ++i) {
            if (besitzerVorher[i] == 1 && StadtTabelle[i].Besitzer != 1) ++verloren;
            if (besitzerVorher[i] != 1 && StadtTabelle[i].Besitzer == 2 && staerke != FeindStaerke) ++besetzungen;
        }
        if (FeindStaerke < staerke) ++gehalten;
        // Consistent every day.
        ASSERT_TRUE((FeindArmeePosition[0] == 0 && FeindArmeePosition[1] == 0) ||
                    IstStadtZelle(FeindArmeePosition[0], FeindArmeePosition[1]))
            << "day " << tag;
        for (int i = 0; i < 30; ++i) {
            const StadtRecord& t = StadtTabelle[i];
            ASSERT_LE(t.Besitzer, 2) << "town " << i << " day " << tag;
            ASSERT_GE(t.Wasser, 0);
            ASSERT_LE(t.Wasser, 25);
            ASSERT_GE(t.Nahrung, 0) << "town " << i << " day " << tag;
        }
    }
    EXPECT_EQ(TagZaehler, 200);
    EXPECT_EQ(AktuelleStadt, 0);
    // The army marched: it took towns and fought raids, lost and held ones.
    EXPECT_GT(besetzungen, 0);
    EXPECT_GT(verloren, 0);
    EXPECT_GT(gehalten, 0);

    int stadtZellen = 0;
    bool gesehen[20] = {};
    for (auto& spalte : WeltRaster) {
        for (const WeltFeld& f : spalte) {
            if (f.StadtId == KEINE_STADT) continue;
            ASSERT_TRUE(IstStadtId(f.StadtId));
            EXPECT_FALSE(gesehen[f.StadtId]);
            gesehen[f.StadtId] = true;
            ++stadtZellen;
        }
    }
    EXPECT_EQ(stadtZellen, 20);
    for (int i = 0; i < 20; ++i) {
        std::vector<uint8_t> d;
        ASSERT_TRUE(os::ReadFile("Gamestate/S_Town" + std::to_string(i) + ".dat", d));
        EXPECT_EQ(d.size(), STADTZUSTANDDATEI_GROESSE) << i;
    }
    for (const FigurRecord& f : Figuren)
        for (auto& reihe : f.Inventar)
            for (const ItemSlot& s : reihe) EXPECT_TRUE(s.ItemId == 0 || IstItemId(s.ItemId));
    for (auto& b : Behaelter)
        for (auto& reihe : b)
            for (const ItemSlot& s : reihe) EXPECT_TRUE(s.ItemId == 0 || IstItemId(s.ItemId));

    // The campaign saves and loads whole (the loading bar draws into a device).
    AufzeichnungsGeraet geraet;
    ASSERT_TRUE(SpielSpeichern("save/slot0/"));
    ASSERT_TRUE(SpielLaden("save/slot0/"));
    EXPECT_EQ(TagZaehler, 200);
    EXPECT_TRUE(meldungen.empty()) << meldungen.front();
}

}  // namespace
