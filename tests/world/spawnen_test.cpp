#include "world/spawnen.h"

#include <algorithm>
#include <set>

#include "welt_fixture.h"

namespace {

void OffeneStadt() {
    for (int x = 10; x < 100; ++x)
        for (int z = 10; z < 100; ++z) BodenGitter[x][z] = 1;
}

int Personen(int typVon, int typBis) {
    int n = 0;
    for (const FigurRecord& f : Figuren) n += f.Aktiv == 1 && f.Typ >= typVon && f.Typ <= typBis;
    return n;
}

// The documented order of draws, replayed by hand for an enemy-held trader town: three townsfolk,
// two hostiles, one fixed figure. Every field that a draw decides is compared.
TEST_F(WeltKernTest, ZiehungenInDerFestgelegtenReihenfolge) {
    OffeneStadt();
    AktuelleStadt = 9;
    StadtTabelle[9] = StadtTabelle[0];
    StadtTabelle[9].Besitzer = 2;
    StadtGitter[5][5].Eingang = 2;
    Figuren[1].Aktiv = 1;  // taken: the spawns go to 0, 2, 3, ...
    ZufallSaat(4242);
    ErzeugeFiguren(3, 2);
    const uint32_t nachSpawn = ZufallZustand();

    ZufallSaat(4242);
    auto r = [] { return Zufall(); };
    std::set<std::pair<int, int>> belegt;
    auto platz = [&](const FigurRecord& f) {
        int x, z;
        do {
            x = (r() % 90) * 10 + 100;
            z = (r() % 90) * 10 + 100;
        } while (belegt.count({x, z}));
        belegt.insert({x, z});
        EXPECT_EQ(f.Position[0], x);
        EXPECT_EQ(f.Position[2], z);
        EXPECT_EQ(StadtGitter[x / 10][z / 10].Belegt, 1);
    };
    auto start = [&](const FigurRecord& f) {
        EXPECT_EQ(f.Stufe, r() % 4 + 1);
        EXPECT_EQ(f.Aussehen[2], r() % 10);
        EXPECT_EQ(f.Aussehen[1], r() % 10);
        EXPECT_EQ(f.Aussehen[0], r() % 10);
    };
    const int16_t typen[6] = {10, 11, 12, 17, 16, 18};
    for (int i : {0, 2, 3}) {
        const FigurRecord& f = Figuren[i];
        start(f);
        EXPECT_EQ(f.Typ, typen[r() % 6]);
        platz(f);
        EXPECT_EQ(f.NamensIndex, r() % 250);
        if (f.Typ == 16) {
            EXPECT_EQ(Platz(f, Hand).ItemId, 1029);
            EXPECT_EQ(f.Ruestung, 35);
            for (int reihe = 0; reihe < 2; ++reihe)
                for (int s = 0; s < 4; ++s)
                    if (r() % 10 > 3) {
                        EXPECT_EQ(f.Inventar[reihe][s].ItemId, 1000 + r() % 192);
                    }
        }
    }
    for (int i : {4, 5}) {
        const FigurRecord& f = Figuren[i];
        int ruestung = 0;
        const int zusatz[5] = {3, 2, 5, 8, 0};
        for (int k = 0; k < 5; ++k)
            if (r() % 10 == 0) ruestung += zusatz[k];
        EXPECT_EQ(f.Ruestung, ruestung);
        start(f);
        EXPECT_EQ(f.Typ, 13 + r() % 3);
        platz(f);
        EXPECT_EQ(f.NamensIndex, r() % 250);
    }
    const FigurRecord& h = Figuren[6];
    EXPECT_EQ(h.Typ, 9999);
    EXPECT_EQ(h.Position[0], 50.0f);
    EXPECT_EQ(StadtGitter[5][5].Belegt, 0);
    EXPECT_EQ(h.NamensIndex, r() % 250);
    EXPECT_EQ(h.Aussehen[2], r() % 10);
    EXPECT_EQ(h.Aussehen[1], r() % 10);
    EXPECT_EQ(h.Aussehen[0], r() % 10);
    // Town 9 is in all eight stock groups: 12 slots x 8 draws.
    for (int k = 0; k < 12 * 8; ++k) r();
    EXPECT_EQ(ZufallZustand(), nachSpawn);
}

TEST_F(WeltKernTest, NeutraleStadtOhneFeinde) {
    OffeneStadt();
    ErzeugeFiguren(5, 3);
    EXPECT_EQ(Personen(10, 12) + Personen(16, 18), 5);
    EXPECT_EQ(Personen(13, 15), 0);
}

TEST_F(WeltKernTest, TutorialNurTechnikerUndNackteFeinde) {
    OffeneStadt();
    TutorialSchritt = 5;
    SonderOrt = 1;
    ErzeugeFiguren(6, 6);
    EXPECT_EQ(Personen(11, 11), 6);
    EXPECT_EQ(Personen(13, 15), 6);
    for (const FigurRecord& f : Figuren)
        if (f.Aktiv == 1 && IstFeind(f.Typ)) {
            EXPECT_EQ(f.Ruestung, 0);
            EXPECT_EQ(Platz(f, Helm).ItemId, 0);
            EXPECT_EQ(Platz(f, Hand).ItemId, 0);
            EXPECT_EQ(f.Aussehen[1], 10);
        }
}

TEST_F(WeltKernTest, OhneFreiesFeldWirdNiemandGesetzt) {
    // Walls everywhere a figure could stand: nobody is put in a wall or on another figure, and the
    // draws go on as if it had been placed.
    for (int x = 10; x < 100; ++x)
        for (int z = 10; z < 100; ++z) {
            BodenGitter[x][z] = 1;
            StadtGitter[x][z].Blockiert = 1;
        }
    ErzeugeFiguren(2, 0);
    for (const FigurRecord& f : Figuren) EXPECT_EQ(f.Aktiv, 0);
    for (auto& spalte : StadtGitter)
        for (const StadtFeld& feld : spalte) EXPECT_EQ(feld.Belegt, 0);
}

TEST_F(WeltKernTest, HaendlerfeldBekommtFesteFigurMitVorrat) {
    AktuelleStadt = 16;
    StadtTabelle[16] = StadtTabelle[0];
    StadtGitter[40][41].Eingang = 2;
    StadtGitter[60][10].Eingang = 3;
    Figuren[0].Inventar[3][4] = {1006, 1, 0};  // left over from an earlier figure
    ErzeugeFiguren(0, 0);
    const FigurRecord& h = Figuren[0];
    EXPECT_EQ(h.Typ, 9999);
    EXPECT_EQ(h.TeilModelle[0], 9001);
    EXPECT_EQ(h.Position[0], 400.0f);
    EXPECT_EQ(h.Position[2], 410.0f);
    EXPECT_EQ(Platz(h, Koerper).ItemId, 1027);
    EXPECT_EQ(Platz(h, Stiefel).ItemId, 1045);
    EXPECT_EQ(h.Inventar[3][4].ItemId, 0);
    int waren = 0;
    for (int reihe = 0; reihe < 2; ++reihe)
        for (const ItemSlot& s : h.Inventar[reihe]) {
            waren += s.ItemId != 0;
            if (s.ItemId != 0) {
                EXPECT_TRUE(IstItemId(s.ItemId));
            }
        }
    EXPECT_GT(waren, 6);  // the richest town: most slots are filled
    EXPECT_EQ(Figuren[1].Aktiv, 0);
}

// The trader's stock of every town, replayed by hand from the eight groups: for each backpack slot (row 0,
// then row 1) each group the town belongs to draws r = rand() % m, and a listed r puts its item there.
TEST_F(WeltKernTest, HaendlerVorratJeStadtAusDenAchtGruppen) {
    struct Ware {
        int r, item, anzahl;
    };
    struct Gruppe {
        std::vector<int> staedte;
        int m;
        std::vector<Ware> waren;
    };
    std::vector<Ware> kleidung = {{0, 1046, 1},  {1, 1108, 1},  {2, 1109, 1},  {3, 1110, 1},  {4, 1025, 1},  {5, 1026, 1},
                                  {6, 1027, 1},  {7, 1190, 1},  {8, 1044, 1},  {9, 1106, 1},  {10, 1103, 1}, {11, 1107, 1},
                                  {12, 1045, 1}, {13, 1111, 1}, {14, 1112, 1}, {15, 1113, 1}, {16, 1047, 1}, {17, 1114, 1},
                                  {18, 1115, 1}, {19, 1116, 1}, {20, 1017, 1}};
    std::vector<Ware> gruppeAcht = {{0, 1049, 1}, {13, 1081, 1}};
    for (int r = 1; r <= 12; ++r) gruppeAcht.push_back({r, 1067 + r, 1});
    const std::vector<Gruppe> gruppen = {
        {{0, 6, 9, 10, 12, 16, 19}, 20, {{0, 1002, 1}, {1, 1004, 1}, {2, 1005, 1}, {3, 1014, 1}, {4, 1016, 1}, {5, 1018, 1},
                                         {6, 1048, 1}, {7, 1050, 1}, {8, 1051, 1}, {9, 1052, 1}, {10, 1053, 1}, {11, 1055, 1},
                                         {12, 1057, 1}, {13, 1058, 1}, {14, 1059, 1}, {15, 1080, 1}}},
        {{4, 9, 10, 11, 13, 16}, 8, {{0, 1082, 1}, {1, 1083, 1}, {2, 1084, 1}, {3, 1085, 1}, {4, 1086, 1}}},
        {{2, 9, 10, 15, 16}, 10, {{0, 1039, 1}, {1, 1041, 1}, {2, 1042, 1}, {3, 1043, 1}, {4, 1040, 1}, {5, 1035, 1}}},
        {{3, 7, 9, 10, 11, 16}, 24, {{0, 1006, 1}, {1, 1013, 3}, {2, 1019, 4}, {3, 1036, 5}, {4, 1037, 7}, {5, 1008, 9},
                                     {6, 1003, 12}, {7, 1012, 0}, {8, 1007, 0}, {9, 1038, 0}, {10, 1001, 0}, {11, 1087, 2},
                                     {12, 1092, 2}, {13, 1191, 5}}},
        {{9, 10, 16, 17}, 16, {{0, 1028, 30}, {1, 1035, 1}, {2, 1100, 1}, {3, 1029, 1}, {4, 1030, 1}, {5, 1031, 1},
                               {6, 1032, 1}, {7, 1033, 1}, {8, 1034, 1}}},
        {{4, 5, 9, 10, 14, 16}, 16, {{0, 1000, 30}, {1, 1022, 15}, {2, 1087, 2}, {3, 1035, 1}, {4, 1165, 1}, {5, 1166, 1},
                                     {6, 1080, 1}}},
        {{8, 9, 10, 16}, 40, kleidung},
        {{1, 9, 10, 12, 15, 16, 18}, 26, gruppeAcht},
    };
    for (int stadt = 0; stadt < 20; ++stadt) {
        for (uint32_t saat : {1u, 77u}) {
            LeereStadt();
            AktuelleStadt = stadt;
            StadtTabelle[stadt] = StadtTabelle[0];
            StadtGitter[40][41].Eingang = 2;
            ZufallSaat(saat);
            for (int k = 0; k < 4; ++k) Zufall();  // the name and three looks
            ItemSlot erwartet[2][6] = {};
            for (auto& reihe : erwartet)
                for (ItemSlot& platz : reihe)
                    for (const Gruppe& g : gruppen) {
                        if (std::find(g.staedte.begin(), g.staedte.end(), stadt) == g.staedte.end()) continue;
                        const int r = Zufall() % g.m;
                        for (const Ware& w : g.waren)
                            if (w.r == r) platz = {int16_t(w.item), uint8_t(w.anzahl), 0};
                    }
            ZufallSaat(saat);
            ErzeugeFiguren(0, 0);
            const FigurRecord& h = Figuren[0];
            ASSERT_EQ(h.Typ, 9999);
            for (int reihe = 0; reihe < 2; ++reihe)
                for (int platz = 0; platz < 6; ++platz) {
                    EXPECT_EQ(h.Inventar[reihe][platz].ItemId, erwartet[reihe][platz].ItemId)
                        << "town " << stadt << " row " << reihe << " slot " << platz;
                    EXPECT_EQ(h.Inventar[reihe][platz].ItemAnzahl, erwartet[reihe][platz].ItemAnzahl)
                        << "town " << stadt << " row " << reihe << " slot " << platz;
                }
        }
    }
}

}  // namespace
