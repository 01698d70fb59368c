#include "world/kampf.h"

#include "framework/setup.h"
#include "framework/sound.h"
#include "tests/audio_files.h"
#include "welt_fixture.h"

namespace {

// A seed whose next draw gives rand() % n == wert.
void SaeeFuerWurf(int n, int wert) {
    for (uint32_t s = 1;; ++s) {
        ZufallSaat(s);
        if (Zufall() % n == wert) {
            ZufallSaat(s);
            return;
        }
    }
}

struct SchadenFall {
    int zustand, hand, trefferBild;
    int schaden[9];  // by roll 0 (below 1) .. 8
};

class Schadenstabelle : public WeltKernTest, public ::testing::WithParamInterface<SchadenFall> {};

// A hostile attacker (no experience) rolls rand() % (Ruestung + 20); against Ruestung 0 the roll is
// the draw itself: 0..8 hit with the table's damage, 9..19 miss.
TEST_P(Schadenstabelle, SchadenJeWaffeUndWurf) {
    const SchadenFall& c = GetParam();
    for (int wurf = 0; wurf < 20; ++wurf) {
        LeereStadt();
        FigurRecord& a = Person(0, 14, 10, 10);
        FigurRecord& z = Person(1, 10, 11, 10);
        a.Zustand = a.Befehl = static_cast<uint8_t>(c.zustand);
        a.AnimBild = static_cast<uint8_t>(c.trefferBild);
        a.ZielId = z.Id;
        Platz(a, Hand).ItemId = static_cast<int16_t>(c.hand);
        Platz(a, Munition) = {1028, 50, 0};
        SaeeFuerWurf(20, wurf);
        FigurHandeln(0);
        const int erwartet = wurf < 9 ? c.schaden[wurf] : 0;
        EXPECT_EQ(z.Gesundheit, 100 - erwartet) << "wurf " << wurf;
        EXPECT_EQ(SchwebeZahlen[0].Wert, erwartet);
        EXPECT_EQ(a.AnimBild, 0);
        EXPECT_EQ(a.ImKampf, 1);
        if (c.hand >= 1029 && c.hand <= 1034) {
            EXPECT_EQ(Platz(a, Munition).ItemAnzahl, 49);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Waffen, Schadenstabelle,
    ::testing::Values(SchadenFall{8, 0, 9, {1, 1, 1, 1, 1, 1, 1, 1, 1}},
                      SchadenFall{17, 1100, 9, {2, 2, 2, 2, 2, 1, 1, 1, 1}},
                      SchadenFall{15, 1035, 11, {3, 3, 3, 2, 2, 2, 1, 1, 1}},
                      SchadenFall{7, 1029, 5, {5, 4, 4, 3, 3, 3, 2, 2, 1}},
                      SchadenFall{10, 1030, 11, {10, 10, 9, 9, 8, 8, 7, 7, 6}},
                      // Galil and MP5: a roll below 1 deals the damage of roll 1.
                      SchadenFall{11, 1031, 11, {3, 3, 2, 2, 2, 1, 1, 1, 1}},
                      SchadenFall{12, 1032, 11, {5, 5, 5, 4, 4, 4, 3, 3, 2}},
                      SchadenFall{13, 1033, 11, {2, 2, 2, 2, 2, 1, 1, 1, 1}},
                      SchadenFall{14, 1034, 11, {8, 8, 7, 7, 6, 6, 5, 5, 4}}),
    [](const auto& info) { return "Zustand" + std::to_string(info.param.zustand) + "Hand" + std::to_string(info.param.hand); });

// The edge between hit and miss: a roll of 8 hits, 9 misses. A miss plays the miss sound, leaves no blood
// stain and draws no number for the blood chance, so it takes as many draws as any other miss.
TEST_F(WeltKernTest, EinWurfVonNeunIstEinFehlschlag) {
    ASSERT_TRUE(SoundInit(nullptr));
    const std::string ton = testfiles::Folder("kampf_ton") + "/ton.wav";
    testfiles::WriteWav(ton, 0.5);
    const std::wstring weit(ton.begin(), ton.end());
    LadeSound(weit.c_str(), 0);
    LadeSound(weit.c_str(), 1);
    SetupWerte.SOUND = 1;
    // Draws a hand-to-hand attack takes for a roll: the generator's next value after it tells.
    auto zuge = [&](int wurf, bool& blut, bool& fehlTon, bool& trefferTon) {
        LeereStadt();
        FigurRecord& a = Person(0, 14, 10, 10);
        FigurRecord& z = Person(1, 10, 11, 10);
        a.Zustand = a.Befehl = 8;
        a.AnimBild = 9;
        a.ZielId = z.Id;
        SaeeFuerWurf(20, wurf);
        const uint32_t saat = ZufallZustand();
        FigurHandeln(0);
        blut = false;
        for (const auto& o : StadtObjekte) blut = blut || (o.Aktiv == 1 && o.Modell == 9013);
        fehlTon = SoundLaeuft(0) == 0;
        trefferTon = SoundLaeuft(1) == 0;
        StoppeSound(0);
        StoppeSound(1);
        const int nach = Zufall();
        ZufallSaat(saat);
        int n = 1;
        while (Zufall() != nach && n < 100) ++n;
        return n - 1;
    };
    bool blut, fehlTon, trefferTon;
    const int zugeBeiZehn = zuge(10, blut, fehlTon, trefferTon);
    EXPECT_TRUE(fehlTon && !trefferTon && !blut);
    EXPECT_EQ(zuge(9, blut, fehlTon, trefferTon), zugeBeiZehn);
    EXPECT_TRUE(fehlTon) << "a roll of 9 plays the miss sound";
    EXPECT_FALSE(trefferTon);
    EXPECT_FALSE(blut);
    EXPECT_EQ(zuge(8, blut, fehlTon, trefferTon), zugeBeiZehn + 1);  // a hit draws the blood chance
    EXPECT_TRUE(trefferTon && !fehlTon);
    SetupWerte.SOUND = 0;
}

TEST_F(WeltKernTest, StufeZehnTrifftImmerMitDerErstenSpalte) {
    // A level-10 squad member rolls between -20 and the target's Ruestung - 20 + 20: never a miss.
    for (int k = 0; k < 30; ++k) {
        LeereStadt();
        ZufallSaat(100 + k);
        FigurRecord& a = Person(0, 1, 10, 10);
        FigurRecord& z = Person(1, 13, 11, 10);
        a.Stufe = 10;
        a.Zustand = 11;
        a.AnimBild = 11;
        a.ZielId = z.Id;
        Platz(a, Hand).ItemId = 1031;
        Platz(a, Munition) = {1028, 9, 0};
        FigurHandeln(0);
        EXPECT_EQ(z.Gesundheit, 97);
    }
}

TEST_F(WeltKernTest, AusserReichweiteOderVerdecktGehtDerAngreiferHinterher) {
    FigurRecord& a = Person(0, 14, 10, 10);
    FigurRecord& z = Person(1, 10, 14, 10);
    StadtGitter[12][10].Blockiert = 1;
    a.Zustand = 7;
    a.AnimBild = 5;
    a.ZielId = z.Id;
    Platz(a, Hand).ItemId = 1029;
    Platz(a, Munition) = {1028, 5, 0};
    FigurHandeln(0);
    EXPECT_EQ(a.Zustand, 2);
    EXPECT_EQ(a.Befehl, 2);
    EXPECT_EQ(z.Gesundheit, 100);
    EXPECT_EQ(Platz(a, Munition).ItemAnzahl, 5);
}

TEST_F(WeltKernTest, LetzterSchussTrifftNochUndDerSchuetzeHoertAuf) {
    FigurRecord& a = Person(0, 14, 10, 10);
    FigurRecord& z = Person(1, 10, 11, 10);
    a.Zustand = 10;
    a.AnimBild = 11;
    a.ZielId = z.Id;
    Platz(a, Hand).ItemId = 1030;
    Platz(a, Munition) = {1028, 1, 0};
    SaeeFuerWurf(20, 0);
    FigurHandeln(0);
    EXPECT_EQ(z.Gesundheit, 90);
    EXPECT_EQ(Platz(a, Munition).ItemId, 0);
    EXPECT_EQ(a.Zustand, 1);
    EXPECT_EQ(a.ZielId, KEINE_FIGUR);
}

TEST_F(WeltKernTest, ZielOhneAktivenRecordBeendetDenAngriff) {
    FigurRecord& a = Person(0, 14, 10, 10);
    FigurRecord& z = Person(1, 10, 11, 10);
    z.Aktiv = 0;
    a.Zustand = 8;
    a.AnimBild = 9;
    a.ZielId = z.Id;
    FigurHandeln(0);
    EXPECT_EQ(z.Gesundheit, 100);
    EXPECT_EQ(a.Zustand, 1);
    EXPECT_EQ(a.ImKampf, 0);
}

TEST_F(WeltKernTest, WaffeNichtMehrInDerHandBeendetDenAngriff) {
    FigurRecord& a = Person(0, 14, 10, 10);
    a.Zustand = 15;
    a.AnimBild = 3;
    a.ZielId = 2;
    FigurHandeln(0);
    EXPECT_EQ(a.Zustand, 1);
    EXPECT_EQ(a.ZielId, KEINE_FIGUR);
}

TEST_F(WeltKernTest, TodesstossBeendetDenKampfBeiderSeiten) {
    FigurRecord& a = Person(0, 14, 10, 10);
    FigurRecord& z = Person(1, 10, 11, 10);
    z.Gesundheit = 1;
    z.ImKampf = 1;
    z.ZielId = a.Id;
    a.Zustand = 8;
    a.AnimBild = 9;
    a.ZielId = z.Id;
    SaeeFuerWurf(20, 3);
    FigurHandeln(0);
    EXPECT_EQ(z.Gesundheit, 0);
    for (const FigurRecord* f : {&a, &z}) {
        EXPECT_EQ(f->Zustand, 2);
        EXPECT_EQ(f->ImKampf, 0);
        EXPECT_EQ(f->ZielId, KEINE_FIGUR);
    }
}

struct StufenFall {
    int typ, stufe, erfahrung;
    int stufeDanach, erfahrungDanach;
    bool text;
};

class Stufenaufstieg : public WeltKernTest, public ::testing::WithParamInterface<StufenFall> {};

TEST_P(Stufenaufstieg, ErfahrungUndStufe) {
    const StufenFall& c = GetParam();
    FigurRecord& a = Person(0, c.typ, 10, 10);
    FigurRecord& z = Person(1, 13, 11, 10);
    z.Ruestung = 200;  // only misses: the level-up is all that happens
    a.Stufe = static_cast<uint8_t>(c.stufe);
    a.Erfahrung = static_cast<uint8_t>(c.erfahrung);
    a.Zustand = 8;
    a.AnimBild = 9;
    a.ZielId = z.Id;
    FigurHandeln(0);
    EXPECT_EQ(a.Stufe, c.stufeDanach);
    EXPECT_EQ(a.Erfahrung, c.erfahrungDanach);
    EXPECT_EQ(SchwebeTexte[0].Aktiv, c.text ? 1 : 0);
    if (c.text) {
        EXPECT_EQ(SchwebeTexte[0].FigurId, a.Id);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tabelle, Stufenaufstieg,
    ::testing::Values(StufenFall{1, 1, 98, 1, 99, false}, StufenFall{1, 1, 99, 2, 0, true},
                      StufenFall{10, 2, 199, 3, 0, true},
                      // One byte of experience: from level 3 on the next level comes at 255.
                      StufenFall{13, 3, 253, 3, 254, false}, StufenFall{13, 3, 254, 4, 0, true},
                      StufenFall{1, 9, 254, 10, 0, true}, StufenFall{1, 10, 255, 10, 255, false},
                      StufenFall{14, 1, 99, 1, 99, false}),
    [](const auto& info) {
        return "Typ" + std::to_string(info.param.typ) + "Stufe" + std::to_string(info.param.stufe) + "Erfahrung" +
               std::to_string(info.param.erfahrung);
    });

TEST_F(WeltKernTest, HeilenTabelle) {
    struct Fall { int typ, gesundheit, abstandZellen; bool mittel; int gesundheitDanach, mittelDanach, zustand; };
    for (Fall c : {Fall{3, 50, 1, true, 53, 1, 9}, Fall{3, 99, 1, true, 100, 1, 9}, Fall{3, 100, 1, true, 100, 1, 1},
                   Fall{3, 50, 2, true, 50, 1, 1}, Fall{3, 50, 1, false, 50, 0, 1}, Fall{1, 50, 1, true, 50, 2, 1},
                   // a dying member is not brought back (it would stay in its dying state for good)
                   Fall{3, 0, 1, true, 0, 1, 1}}) {
        LeereStadt();
        FigurRecord& arzt = Person(0, c.typ, 10, 10);
        FigurRecord& z = Person(1, 2, 10 + c.abstandZellen, 10);
        z.Gesundheit = c.gesundheit;
        arzt.Stufe = 3;
        arzt.Zustand = arzt.Befehl = 9;
        arzt.HeilAuftrag = 1;
        arzt.AnimBild = 11;
        arzt.ZielId = z.Id;
        arzt.Inventar[0][0] = {1006, 7, 0};
        if (c.mittel) arzt.Inventar[1][2] = {1022, 2, 0};
        FigurHandeln(0);
        EXPECT_EQ(z.Gesundheit, c.gesundheitDanach) << c.typ << " " << c.gesundheit;
        EXPECT_EQ(arzt.Inventar[1][2].ItemAnzahl, c.mittelDanach);
        EXPECT_EQ(arzt.Zustand, c.zustand);
        if (c.zustand == 1) {
            EXPECT_EQ(arzt.HeilAuftrag, 0);
        }
    }
}

TEST_F(WeltKernTest, AblegenDesItemsAmMauszeiger) {
    struct Fall { int auswahlIndex, item; bool freierRecord; bool abgelegt; };
    for (Fall c : {Fall{0, 1006, true, true}, Fall{0, 1006, false, false}, Fall{32000, 1006, true, false},
                   Fall{0, 0, true, false}, Fall{0, 2500, true, false}}) {
        LeereStadt();
        FigurRecord& m = Person(0, 1, 20, 30);
        m.Zustand = m.Befehl = 4;
        m.AnimBild = 1;
        AuswahlSlots[0] = m.Id;
        AuswahlIndex = c.auswahlIndex;
        CursorItem = c.item;
        CursorItemAnzahl = 7;
        // The free record still holds an earlier figure's belongings.
        Figuren[1].Inventar[1][1] = {1029, 1, 0};
        Figuren[1].ImKampf = 1;
        if (!c.freierRecord)
            for (FigurRecord& f : Figuren) f.Aktiv = 1;
        FigurHandeln(0);
        EXPECT_EQ(m.AnimBild, 2);
        if (c.abgelegt) {
            const FigurRecord& item = Figuren[1];
            EXPECT_EQ(item.Aktiv, 1);
            EXPECT_EQ(item.Typ, 1006);
            EXPECT_EQ(item.TeilModelle[0], 1006);
            EXPECT_EQ(item.Anzahl, 7);
            EXPECT_EQ(item.Position[0], 200.0f);
            EXPECT_EQ(item.Wegpunkt[2], 300.0f);
            EXPECT_EQ(item.Inventar[1][1].ItemId, 0);
            EXPECT_EQ(item.ImKampf, 0);
            EXPECT_EQ(CursorItem, 0);
            EXPECT_EQ(CursorItemAnzahl, 0);
        } else {
            EXPECT_EQ(CursorItem, c.item);
            EXPECT_EQ(CursorItemAnzahl, 7);
            if (c.freierRecord) {
                EXPECT_EQ(Figuren[1].Aktiv, 0);
            }
        }
    }
}

TEST_F(WeltKernTest, AufhebenMitUndOhneFreienPlatz) {
    for (bool voll : {false, true}) {
        LeereStadt();
        FigurRecord& m = Person(0, 1, 20, 30);
        const int i = LegeBodenItem(200.0f, 300.0f, 1019, 4);
        ASSERT_EQ(i, 1);
        m.Zustand = m.Befehl = 5;
        m.AnimBild = 1;
        m.ZielId = Figuren[i].Id;
        for (int r = 0; r < 2; ++r)
            for (int s = 0; s < 6; ++s)
                if (voll || r == 0) m.Inventar[r][s] = {1006, 1, 0};
        FigurHandeln(0);
        if (!voll) {
            EXPECT_EQ(m.Inventar[1][0].ItemId, 1019);
            EXPECT_EQ(m.Inventar[1][0].ItemAnzahl, 4);
            EXPECT_EQ(Figuren[i].Aktiv, 0);
            EXPECT_EQ(m.AuftragsZiel[0], -1.0f);
            EXPECT_EQ(m.Zustand, 5);
        } else {
            EXPECT_EQ(Figuren[i].Aktiv, 1);
            EXPECT_EQ(m.Zustand, 1);
            EXPECT_EQ(m.Befehl, 1);
        }
        EXPECT_EQ(m.ZielId, KEINE_FIGUR);
    }
}

// The selected member may be on its way between two cells: the item goes to the cell it walks to,
// a cell centre, where a pick-up order can reach it (figures stop only on cell centres).
TEST_F(WeltKernTest, AblegenBeiEinemGehendenMitgliedLandetAufDerZellmitte) {
    FigurRecord& f = Person(0, 1, 20, 30);
    FigurRecord& m = Person(1, 2, 11, 10);
    m.Position[0] = 114.0f;
    m.Wegpunkt[0] = 120.0f;
    f.Zustand = f.Befehl = 4;
    f.AnimBild = 1;
    AuswahlSlots[0] = m.Id;
    CursorItem = 1006;
    CursorItemAnzahl = 3;
    FigurHandeln(0);
    const FigurRecord& item = Figuren[2];
    ASSERT_EQ(item.Typ, 1006);
    EXPECT_EQ(item.Position[0], 120.0f);
    EXPECT_EQ(item.Position[2], 100.0f);
}

// When the talk is over both figures go back to idle: a townsperson would otherwise stand in its talk
// pose for good and never wander again.
TEST_F(WeltKernTest, NachDemGespraechWiederUntaetig) {
    FigurRecord& p = Person(0, 12, 10, 10);
    FigurRecord& t = Person(1, 1, 11, 10);
    p.Zustand = p.Befehl = t.Zustand = t.Befehl = 6;
    GespraechsPartner = p.Id;
    GespraechsFigur = t.Id;
    FigurHandeln(0);
    FigurHandeln(1);
    EXPECT_EQ(p.Zustand, 6);
    EXPECT_EQ(t.Zustand, 6);
    EXPECT_EQ(p.AnimLaenge, 53);
    GespraechsPartner = 0;
    FigurHandeln(0);
    FigurHandeln(1);
    for (const FigurRecord* f : {&p, &t}) {
        EXPECT_EQ(f->Zustand, 1);
        EXPECT_EQ(f->Befehl, 1);
        EXPECT_EQ(f->AnimLaenge, 12);
    }
}

TEST_F(WeltKernTest, UntaetigesStadtvolkWandertZufaellig) {
    Karte({"....", "...."}, 50, 50);
    FigurRecord& f = Person(0, 17, 20, 20);
    // Find a seed whose first draw is 50 modulo 100.
    SaeeFuerWurf(100, 50);
    FigurHandeln(0);
    EXPECT_EQ(f.Zustand, 2);
    const int x = static_cast<int>(f.Ziel[0]) / 10, z = static_cast<int>(f.Ziel[2]) / 10;
    EXPECT_EQ(BodenGitter[x][z], 1);
    // A squad member draws once too but never wanders.
    FigurRecord& t = Person(1, 1, 22, 22);
    SaeeFuerWurf(100, 50);
    const uint32_t saat = ZufallZustand();
    FigurHandeln(1);
    EXPECT_EQ(t.Zustand, 1);
    const uint32_t nachher = ZufallZustand();
    ZufallSaat(saat);
    Zufall();
    EXPECT_EQ(ZufallZustand(), nachher);
}

}  // namespace
