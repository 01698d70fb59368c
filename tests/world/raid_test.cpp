// The raid: buying attackers, the defence value, the battle step, the outcome and the write-back.
#include "world/raid.h"

#include <algorithm>
#include <string>

#include "platform/os.h"
#include "sim_fixture.h"
#include "world/enemy_army.h"

namespace {

class AngriffTest : public WeltTest {
protected:
    void SetUp() override {
        WeltTest::SetUp();
        for (int i = 0; i < 20; ++i) WeltRaster[kStadtZellen[i].spalte][kStadtZellen[i].reihe].StadtId = i;
        AktivesFensterOhneTakt();
        LetzterWParam = 1;  // the left button: the decided battle closes at once
    }
};

TEST_F(AngriffTest, KaufZiehtInDerReihenfolgeUndBegrenztDieListen) {
    ZufallSaat(5);
    const uint32_t vorher = ZufallZustand();
    const Angreifer keiner = KaufeAngreifer(0);
    EXPECT_EQ(ZufallZustand(), vorher);
    for (int art = 0; art < 3; ++art) EXPECT_EQ(keiner.Anzahl[art], 0);

    // The purchase replayed by hand, at strengths near the edges of one purchase of each kind (a swap of
    // two kinds' costs shows there) and at the largest strength, with seeds enough for each kind to come first.
    for (int staerke : {1, 64, 65, 66, 70, 74, 75, 76, 89, 90, 91, 130, 131, 597}) {
        for (uint32_t saat = 1; saat <= 24; ++saat) {
            ZufallSaat(saat);
            Angreifer erwartet;
            int rest = staerke;
            const int kosten[3] = {90, 65, 75};
            while (rest > 0) {
                int art = -1;
                for (int k = 0; k < 3 && art < 0; ++k)
                    if (Zufall() % 3 == 1) art = k;
                if (art < 0) continue;
                erwartet.Gesundheit[art][erwartet.Anzahl[art]++] = Zufall() % 50 + 50;
                rest -= kosten[art];
            }
            const uint32_t danach = ZufallZustand();
            ZufallSaat(saat);
            const Angreifer a = KaufeAngreifer(staerke);
            EXPECT_EQ(ZufallZustand(), danach) << staerke << " seed " << saat;
            int summe = 0;
            for (int art = 0; art < 3; ++art) {
                EXPECT_EQ(a.Anzahl[art], erwartet.Anzahl[art]) << staerke << " seed " << saat;
                for (int e = 0; e < 10; ++e) EXPECT_EQ(a.Gesundheit[art][e], erwartet.Gesundheit[art][e]);
                summe += a.Anzahl[art];
            }
            EXPECT_LE(summe, 10);
        }
    }
    const Angreifer viele = KaufeAngreifer(100000);
    for (int art = 0; art < 3; ++art) EXPECT_EQ(viele.Anzahl[art], 10);
}

TEST_F(AngriffTest, AbwehrkraftTabelle) {
    struct Fall {
        int typ, stufe, ruestung, hand, munition, anzahl;
        bool stationiert;
        int32_t gesundheit, wert;
    };
    const Fall faelle[] = {
        {1, 0, 0, 0, 0, 0, true, 100, 60},
        {2, 3, 7, 1029, 1028, 99, true, 100, 25 + 40 + 7 + 70 + 19},
        {3, 10, 0, 1035, 1028, 4, true, 100, 35 + 110 + 10},
        {4, 1, 0, 1030, 1100, 50, true, 100, 35 + 20 + 20},
        {5, 2, 1, 1034, 0, 0, true, -5, 25 + 30 + 1 + 60},  // a fallen member still counts
        {2, 1, 0, 1033, 0, 0, false, 100, 0},               // with the party: nothing
        {12, 5, 0, 1031, 0, 0, true, 100, 0},               // not a squad member
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << "type " << f.typ << " level " << f.stufe);
        std::memset(AngriffsFiguren, 0, sizeof(AngriffsFiguren));
        FigurRecord& r = Mitglied(AngriffsFiguren, 7, f.typ, f.stationiert);
        r.Stufe = uint8_t(f.stufe);
        r.Ruestung = uint8_t(f.ruestung);
        r.Inventar[2][2].ItemId = int16_t(f.hand);
        r.Inventar[2][1] = {int16_t(f.munition), uint8_t(f.anzahl), 0};
        r.Gesundheit = f.gesundheit;
        EXPECT_EQ(BerechneAbwehrkraft(AngriffsFiguren, 500), f.wert);
    }
}

// The defender pass replayed by hand: the first slot whose a < b is hit.
int ErwarteterTreffer(int slots, int32_t modulo) {
    int treffer = -1;
    for (int s = 0; s < slots; ++s) {
        const int z = Zufall();
        const int a = modulo > 0 ? z % modulo : 0;
        const int b = Zufall() % 100;
        if (a < b && treffer < 0) treffer = s;
    }
    return treffer;
}

TEST_F(AngriffTest, KampfSchrittSlotsUndTreffer) {
    for (int i = 0; i < 22; ++i) Mitglied(AngriffsFiguren, 10 + i, 1 + i % 5, i % 2 == 0);
    AngriffsFiguren[11].Gesundheit = 0;  // fallen: no slot
    AngriffsFiguren[12].Typ = 16;        // a townsperson: no slot
    Angreifer a;
    a.Gesundheit[0][0] = 60;
    a.Gesundheit[0][1] = 70;
    a.Gesundheit[1][0] = 80;
    a.Gesundheit[2][0] = 0;  // dead entries are skipped
    a.Gesundheit[2][1] = 90;
    for (uint32_t saat : {1u, 2u, 3u, 4u, 5u}) {
        ZufallSaat(saat);
        const int erwartetV = ErwarteterTreffer(18, 150);
        const int erwartetA = ErwarteterTreffer(4, 300);
        ZufallSaat(saat);
        Angreifer kopie = a;
        FigurRecord vorher[500];
        std::memcpy(vorher, AngriffsFiguren, sizeof(vorher));
        bool entschieden = false;
        const KampfRunde r = KampfSchritt(AngriffsFiguren, 500, kopie, 150, 300, entschieden);
        ASSERT_EQ(r.Verteidiger, 18);
        EXPECT_EQ(r.VerteidigerIndex[0], 10);
        EXPECT_EQ(r.VerteidigerIndex[1], 13);
        EXPECT_EQ(r.VerteidigerIndex[17], 29);
        ASSERT_EQ(r.Angreifer, 4);
        const int art[4] = {0, 1, 0, 2}, eintrag[4] = {0, 0, 1, 1};
        for (int m = 0; m < 4; ++m) {
            EXPECT_EQ(r.AngreiferArt[m], art[m]);
            EXPECT_EQ(r.AngreiferEintrag[m], eintrag[m]);
        }
        EXPECT_EQ(r.VerteidigerTreffer, erwartetV);
        EXPECT_EQ(r.AngreiferTreffer, erwartetA);
        int verluste = 0;
        for (int i = 0; i < 500; ++i) verluste += vorher[i].Gesundheit - AngriffsFiguren[i].Gesundheit;
        EXPECT_EQ(verluste, erwartetV >= 0 ? 1 : 0);
        if (erwartetV >= 0) { EXPECT_EQ(AngriffsFiguren[r.VerteidigerIndex[erwartetV]].Gesundheit, 99); }
        EXPECT_FALSE(entschieden);
        std::memcpy(AngriffsFiguren, vorher, sizeof(vorher));
    }
}

TEST_F(AngriffTest, AbwehrkraftNullTeiltNieDurchNull) {
    // A living squad record that is not stationed fights, but adds nothing to the defence value.
    Mitglied(AngriffsFiguren, 0, 1, false);
    Angreifer a;
    a.Gesundheit[0][0] = 50;
    SaeeFuer([] { Zufall(); return Zufall() % 100 > 0; });
    const uint32_t saat = ZufallZustand();
    bool entschieden = false;
    const KampfRunde r = KampfSchritt(AngriffsFiguren, 500, a, 0, 0, entschieden);
    EXPECT_EQ(r.VerteidigerTreffer, 0);  // a counts as 0, so any b above 0 hits
    EXPECT_EQ(AngriffsFiguren[0].Gesundheit, 99);
    // Both draws of each slot were made.
    ZufallSaat(saat);
    for (int i = 0; i < 4; ++i) Zufall();
    const uint32_t nachVier = ZufallZustand();
    ZufallSaat(saat);
    KampfSchritt(AngriffsFiguren, 500, a, 0, 0, entschieden);
    EXPECT_EQ(ZufallZustand(), nachVier);
}

TEST_F(AngriffTest, EntscheidungUndKeineTrefferDanach) {
    Angreifer a;
    a.Gesundheit[1][0] = 1;
    Mitglied(AngriffsFiguren, 3, 2, true).Gesundheit = 1;
    // Both are hit to 0 in the same frame: it is not decided yet, the next frame shows 0 : 0.
    SaeeFuer([] { return Zufall() % 1 < Zufall() % 100 && Zufall() % 1 < Zufall() % 100; });
    bool entschieden = false;
    KampfRunde r = KampfSchritt(AngriffsFiguren, 500, a, 1, 1, entschieden);
    EXPECT_EQ(r.Verteidiger, 1);
    EXPECT_EQ(r.Angreifer, 1);
    EXPECT_FALSE(entschieden);
    r = KampfSchritt(AngriffsFiguren, 500, a, 1, 1, entschieden);
    EXPECT_EQ(r.Verteidiger, 0);
    EXPECT_EQ(r.Angreifer, 0);
    EXPECT_TRUE(entschieden);

    // With no attacker the first frame decides; a decided battle hits no one but still draws.
    std::memset(AngriffsFiguren, 0, sizeof(AngriffsFiguren));
    Mitglied(AngriffsFiguren, 0, 1, true);
    Angreifer keiner;
    entschieden = false;
    r = KampfSchritt(AngriffsFiguren, 500, keiner, 1, 0, entschieden);
    EXPECT_TRUE(entschieden);
    const int32_t gesundheit = AngriffsFiguren[0].Gesundheit;
    for (int i = 0; i < 50; ++i) {
        const uint32_t vorher = ZufallZustand();
        r = KampfSchritt(AngriffsFiguren, 500, keiner, 1, 0, entschieden);
        EXPECT_NE(ZufallZustand(), vorher);
        EXPECT_EQ(r.VerteidigerTreffer, -1);
    }
    EXPECT_EQ(AngriffsFiguren[0].Gesundheit, gesundheit);
}

TEST_F(AngriffTest, VerlorenGibtDieStadtDemFeind) {
    StadtRecord& t = StadtTabelle[4];
    t.Besitzer = 1;
    t.Besatzung[0] = 2;
    t.Besatzung[3] = 1;
    t.Stationiert = 3;
    t.Pumpe = 1043;
    FeindStaerke = 90;
    FigurRecord& wache = Mitglied(AngriffsFiguren, 2, 4, true);
    wache.Inventar[0][0] = {1008, 9, 0};
    FigurRecord& gast = Mitglied(AngriffsFiguren, 3, 1, false);
    Mitglied(AngriffsFiguren, 4, 10, true);
    ZufallSaat(77);
    const int wasser = Zufall() % 5;
    ZufallSaat(77);
    WendeAngriffsErgebnisAn(4, 1, 2);
    EXPECT_EQ(FeindStaerke, 110);  // no cap on a lost raid
    EXPECT_EQ(t.Besitzer, 2);
    EXPECT_EQ(t.Stationiert, 0);
    EXPECT_EQ(t.Wasser, wasser);
    EXPECT_EQ(t.Pumpe, 1042);  // town 4 has no water of its own: always the hand pump
    EXPECT_EQ(t.WasserZufluss, 2);
    for (int k = 1; k < 5; ++k) EXPECT_EQ(t.Besatzung[k], 0);
    EXPECT_GE(t.Besatzung[0], 1);
    EXPECT_EQ(wache.Aktiv, 0);
    EXPECT_EQ(wache.Gesundheit, 0);
    EXPECT_EQ(gast.Aktiv, 1);
    EXPECT_EQ(AngriffsFiguren[4].Aktiv, 1);
}

// A lost raid's draws in their order, replayed by hand for every town and many seeds: water, the three
// food draws, one or two pump draws, then the garrison the enemy will spawn.
TEST_F(AngriffTest, VerlorenZiehtInDerReihenfolge) {
    const int zufluss[20] = {2, 2, 2, 4, 0, 1, 3, 2, 2, 5, 4, 0, 1, 1, 1, 1, 4, 2, 3, 2};
    for (int stadt = 0; stadt < 20; ++stadt) {
        for (uint32_t saat = 1; saat <= 40; ++saat) {
            StadtRecord& t = StadtTabelle[stadt];
            t.Besitzer = 1;
            t.Pumpe = 1043;
            FeindStaerke = 10;
            ZufallSaat(saat);
            const int wasser = Zufall() % 5;
            int tier = 1013, nahrung = 3;
            const int futter[3][2] = {{1036, 5}, {1037, 7}, {1008, 9}};
            for (const auto& f : futter)
                if (Zufall() % 10 == 0) tier = f[0], nahrung = f[1];
            int fluss = zufluss[stadt], pumpe = 1043;
            if (Zufall() % 10 == 0 || fluss == 0) {
                pumpe = 1042, fluss += 2;
            } else if (Zufall() % 10 == 0) {
                pumpe = 1043, fluss += 4;
            }
            const int besatzung = Zufall() % std::min(nahrung, fluss) + 1;
            const uint32_t danach = ZufallZustand();
            ZufallSaat(saat);
            WendeAngriffsErgebnisAn(stadt, 1, 2);
            const std::string fall = "town " + std::to_string(stadt) + " seed " + std::to_string(saat);
            EXPECT_EQ(t.Wasser, wasser) << fall;
            EXPECT_EQ(t.NahrungsTier, tier) << fall;
            EXPECT_EQ(t.Nahrung, nahrung) << fall;
            EXPECT_EQ(t.Pumpe, pumpe) << fall;
            EXPECT_EQ(t.WasserZufluss, fluss) << fall;
            EXPECT_EQ(t.Besatzung[0], besatzung) << fall;
            EXPECT_EQ(ZufallZustand(), danach) << fall;
        }
    }
}

TEST_F(AngriffTest, GehaltenZaehltBesatzungUndBefoerdert) {
    StadtRecord& t = StadtTabelle[6];
    t.Besitzer = 1;
    t.Besatzung[0] = 9;
    FeindStaerke = 50;
    Mitglied(AngriffsFiguren, 0, 1, true);
    Mitglied(AngriffsFiguren, 1, 3, true).Stufe = 255;
    Mitglied(AngriffsFiguren, 2, 3, true);
    Mitglied(AngriffsFiguren, 3, 5, true).Gesundheit = 0;  // fell: kept, not counted
    Mitglied(AngriffsFiguren, 4, 2, false);
    SaeeFuer([] { Zufall(); return Zufall() % 20 == 1; });  // the second one is promoted
    WendeAngriffsErgebnisAn(6, 3, 3);  // a tie holds
    EXPECT_EQ(FeindStaerke, 30);
    EXPECT_EQ(t.Besitzer, 1);
    const uint8_t besatzung[5] = {1, 0, 2, 0, 0};
    for (int k = 0; k < 5; ++k) EXPECT_EQ(t.Besatzung[k], besatzung[k]);
    EXPECT_EQ(AngriffsFiguren[1].Stufe, 255);  // saturates
    EXPECT_EQ(AngriffsFiguren[3].Aktiv, 1);
    EXPECT_EQ(FeindArmeePosition[0], 0);
}

TEST_F(AngriffTest, FeindGeschlagenBeiStaerkeUnterEins) {
    FeindStaerke = 20;
    FeindArmeePosition[0] = 5;
    FeindArmeePosition[1] = 6;
    StadtTabelle[2].Besitzer = 2;
    StadtTabelle[2].Besatzung[0] = 3;
    StadtTabelle[9].Besitzer = 2;
    StadtTabelle[5].Besitzer = 1;
    HinweisPanelHoehe = 200;
    WendeAngriffsErgebnisAn(5, 0, 0);
    EXPECT_EQ(FeindStaerke, 0);
    EXPECT_EQ(FeindArmeePosition[0], 0);
    EXPECT_EQ(FeindArmeePosition[1], 0);
    EXPECT_EQ(InfoPanelZaehler, 250);
    EXPECT_EQ(HinweisPanelHoehe, 0);
    EXPECT_EQ(StadtTabelle[2].Besitzer, 0);
    EXPECT_EQ(StadtTabelle[2].Besatzung[0], 0);
    EXPECT_EQ(StadtTabelle[9].Besitzer, 0);
    EXPECT_EQ(StadtTabelle[5].Besitzer, 1);
}

class AngriffsDateiTest : public AngriffTest {
protected:
    EigenerOrdner ordner;
    const std::string pfad = "Gamestate/S_Town5.dat";

    std::vector<uint8_t> Arbeitskopie() {
        std::vector<uint8_t> d = ZufallsBytes(20000, 9);
        std::memset(AngriffsFiguren, 0, sizeof(AngriffsFiguren));
        for (int i = 0; i < 3; ++i) Mitglied(AngriffsFiguren, 40 + i, 1, true);
        const uint8_t* f = reinterpret_cast<const uint8_t*>(AngriffsFiguren);
        d.insert(d.end(), f, f + sizeof(AngriffsFiguren));
        std::memset(AngriffsFiguren, 0, sizeof(AngriffsFiguren));
        return d;
    }
};

TEST_F(AngriffsDateiTest, KampfWirdZurueckgeschriebenBehaelterBytegenau) {
    StadtTabelle[5].Besitzer = 1;
    AktuelleStadt = 0;
    const std::vector<uint8_t> vorher = Arbeitskopie();
    SchreibDatei(pfad, vorher);
    FeindAngriff(5, 6, 300);
    const std::vector<uint8_t> nachher = LiesDatei(pfad);
    ASSERT_EQ(nachher.size(), 548000u);
    EXPECT_TRUE(std::equal(vorher.begin(), vorher.begin() + 20000, nachher.begin()));
    EXPECT_EQ(0, std::memcmp(nachher.data() + 20000, AngriffsFiguren, sizeof(AngriffsFiguren)));
    EXPECT_NE(vorher, nachher);  // someone was hit or wiped out
    EXPECT_NE(StadtTabelle[5].Besitzer, 0);
    EXPECT_EQ(WeltRaster[1][2].StadtZeichen, 1);  // the party's town stays the selected cell
    EXPECT_EQ(WeltRaster[5][6].StadtZeichen, 0);
    EXPECT_FALSE(std::filesystem::exists(pfad + ".tmp"));
}

TEST_F(AngriffsDateiTest, KampfbildschirmZeichnetUndOeffnetDieSzeneWieder) {
    AufzeichnungsGeraet geraet;
    StadtTabelle[5].Besitzer = 1;
    SchreibDatei(pfad, Arbeitskopie());
    MyApp.Texturen[200] = 9200;  // the panel
    MyApp.Texturen[109] = 9109;  // a defender of type 1
    MyApp.Texturen[1] = 9001;    // the hit sign
    FeindStaerke = 100;
    FeindAngriff(5, 6, 1);  // a short battle
    int panel = 0, icons = 0, treffer = 0, bilder = 0;
    for (const gfx::Call& c : geraet->Calls()) {
        if (c.type == gfx::CallType::SetTexture) {
            panel += c.handle == 9200;
            icons += c.handle == 9109;
            treffer += c.handle == 9001;
        }
        bilder += c.type == gfx::CallType::Present;
    }
    EXPECT_GT(bilder, 1);
    EXPECT_EQ(panel, bilder - 1);  // one battle frame per present, after the caller's frame
    EXPECT_GE(icons, 3 * panel - 2);  // three defenders while they live
    EXPECT_GT(treffer, 0);
    // The caller's frame goes on in a scene of its own with the view of the camera.
    const gfx::Call* letzteSzene = nullptr;
    for (const gfx::Call& c : geraet->Calls())
        if (c.type == gfx::CallType::BeginScene || c.type == gfx::CallType::EndScene) letzteSzene = &c;
    ASSERT_NE(letzteSzene, nullptr);
    EXPECT_EQ(letzteSzene->type, gfx::CallType::BeginScene);
    EXPECT_EQ(geraet->Calls().back().type, gfx::CallType::SetTransform);
}

TEST_F(AngriffsDateiTest, GeschlagenerFeindNachDemSchwarzbildInOffenerSzene) {
    AufzeichnungsGeraet geraet;
    StadtTabelle[5].Besitzer = 1;
    SchreibDatei(pfad, Arbeitskopie());
    FeindStaerke = 20;
    FeindArmeePosition[0] = 5;
    FeindArmeePosition[1] = 6;
    FeindAngriff(5, 6, 1);  // one weak attacker against three defenders
    EXPECT_EQ(FeindArmeePosition[0], 0);
    EXPECT_EQ(InfoPanelZaehler, 250);
    gfx::CallType letzte = gfx::CallType::EndScene;
    for (const gfx::Call& c : geraet->Calls())
        if (c.type == gfx::CallType::BeginScene || c.type == gfx::CallType::EndScene) letzte = c.type;
    EXPECT_EQ(letzte, gfx::CallType::BeginScene);
}

TEST_F(AngriffsDateiTest, DieStadtDerParteiWirdNieAngegriffen) {
    StadtTabelle[5].Besitzer = 1;
    AktuelleStadt = 5;
    const std::vector<uint8_t> vorher = Arbeitskopie();
    SchreibDatei(pfad, vorher);
    FeindAngriff(5, 6, 300);
    EXPECT_EQ(LiesDatei(pfad), vorher);
    EXPECT_EQ(StadtTabelle[5].Besitzer, 1);
}

TEST_F(AngriffsDateiTest, UnlesbareArbeitskopieUeberspringtDenAngriff) {
    std::vector<std::string> meldungen;
    os::CaptureMessageBoxes(&meldungen);
    StadtTabelle[5].Besitzer = 1;
    const StadtRecord vorherStadt = StadtTabelle[5];
    FeindStaerke = 60;
    FeindAngriff(5, 6, 300);  // no file at all
    std::vector<uint8_t> kurz = Arbeitskopie();
    kurz.resize(547999);
    SchreibDatei(pfad, kurz);
    FeindAngriff(5, 6, 300);
    os::CaptureMessageBoxes(nullptr);
    EXPECT_EQ(meldungen.size(), 2u);
    EXPECT_EQ(LiesDatei(pfad), kurz);
    EXPECT_EQ(0, std::memcmp(&StadtTabelle[5], &vorherStadt, sizeof(StadtRecord)));
    EXPECT_EQ(FeindStaerke, 60);
}

TEST_F(AngriffsDateiTest, BeendenWaehrendDesKampfesLaesstAllesStehen) {
    StadtTabelle[5].Besitzer = 1;
    const std::vector<uint8_t> vorher = Arbeitskopie();
    SchreibDatei(pfad, vorher);
    BeendenFlag = 1;
    FeindStaerke = 60;
    FeindAngriff(5, 6, 300);
    EXPECT_EQ(LiesDatei(pfad), vorher);
    EXPECT_EQ(StadtTabelle[5].Besitzer, 1);
    EXPECT_EQ(FeindStaerke, 60);
}

}  // namespace
