// The enemy army's march along the roads and its occupation of towns.
#include "world/enemy_army.h"

#include "sim_fixture.h"

namespace {

class FeindArmeeTest : public WeltTest {
protected:
    void SetUp() override {
        WeltTest::SetUp();
        for (int i = 0; i < 20; ++i) WeltRaster[kStadtZellen[i].spalte][kStadtZellen[i].reihe].StadtId = i;
        AktuelleStadt = 0;
    }
    void StelleHeer(int stadt) {
        FeindArmeePosition[0] = kStadtZellen[stadt].spalte;
        FeindArmeePosition[1] = kStadtZellen[stadt].reihe;
    }
    // Seeds the generator for a march (difficulty's draw) with road roll k.
    void SaeeMarsch(int k) {
        const int marsch = 1 + 3 * Schwierigkeitsgrad;
        SaeeFuer([&] { return Zufall() % 10 == marsch && Zufall() % 5 == k; });
    }
};

// The road table as cells: the army at a town's cell, the cell it goes to for each roll.
struct Strasse {
    int von[2];
    int nach[5][2];  // {0, 0} = stays
};
const Strasse kStrassen[] = {
    {{1, 2}, {{5, 1}, {1, 5}, {7, 4}, {5, 6}, {0, 0}}},
    {{1, 5}, {{1, 2}, {7, 4}, {5, 6}, {2, 8}, {0, 0}}},
    {{2, 8}, {{1, 5}, {5, 6}, {3, 11}, {9, 8}, {0, 0}}},
    {{5, 1}, {{1, 2}, {7, 4}, {9, 1}, {5, 6}, {0, 0}}},
    {{7, 4}, {{5, 1}, {5, 6}, {9, 1}, {12, 5}, {9, 8}}},
    {{5, 6}, {{1, 5}, {7, 4}, {9, 8}, {2, 8}, {0, 0}}},
    {{9, 1}, {{5, 1}, {7, 4}, {12, 5}, {15, 3}, {0, 0}}},
    {{17, 16}, {{14, 18}, {10, 14}, {13, 12}, {0, 0}, {0, 0}}},
    {{5, 16}, {{1, 14}, {3, 11}, {7, 13}, {10, 14}, {0, 0}}},
    {{7, 13}, {{10, 14}, {5, 16}, {3, 11}, {13, 12}, {9, 8}}},
    {{10, 14}, {{13, 12}, {7, 13}, {5, 16}, {14, 18}, {0, 0}}},
    {{19, 3}, {{15, 3}, {12, 5}, {16, 9}, {0, 0}, {0, 0}}},
    {{3, 11}, {{2, 8}, {1, 14}, {7, 13}, {5, 16}, {0, 0}}},
    {{1, 14}, {{3, 11}, {7, 13}, {5, 16}, {0, 0}, {0, 0}}},
    {{15, 3}, {{19, 3}, {12, 5}, {9, 1}, {16, 9}, {0, 0}}},
    {{16, 9}, {{13, 12}, {9, 8}, {12, 5}, {15, 3}, {0, 0}}},
    {{9, 8}, {{5, 6}, {7, 4}, {12, 5}, {13, 12}, {0, 0}}},
    {{13, 12}, {{17, 16}, {10, 14}, {16, 9}, {9, 8}, {0, 0}}},
    {{12, 5}, {{16, 9}, {9, 8}, {15, 3}, {9, 1}, {7, 4}}},
    {{14, 18}, {{17, 16}, {10, 14}, {13, 12}, {0, 0}, {0, 0}}},
};

TEST_F(FeindArmeeTest, StrassenTabelle) {
    for (const Strasse& s : kStrassen) {
        for (int k = 0; k < 5; ++k) {
            SCOPED_TRACE(testing::Message() << "from (" << s.von[0] << ", " << s.von[1] << ") roll " << k);
            for (StadtRecord& t : StadtTabelle) t.Besitzer = 0;
            FeindArmeePosition[0] = s.von[0];
            FeindArmeePosition[1] = s.von[1];
            SaeeMarsch(k);
            BewegeFeindArmee();
            const bool bleibt = s.nach[k][0] == 0 && s.nach[k][1] == 0;
            EXPECT_EQ(FeindArmeePosition[0], bleibt ? s.von[0] : s.nach[k][0]);
            EXPECT_EQ(FeindArmeePosition[1], bleibt ? s.von[1] : s.nach[k][1]);
            if (!bleibt) { EXPECT_EQ(StadtTabelle[WeltRaster[s.nach[k][0]][s.nach[k][1]].StadtId].Besitzer, 2); }
        }
    }
}

TEST_F(FeindArmeeTest, MarschNurAufDenWurfDerSchwierigkeit) {
    for (int grad = 0; grad < 3; ++grad) {
        for (int wurf = 0; wurf < 10; ++wurf) {
            SCOPED_TRACE(testing::Message() << "difficulty " << grad << " draw " << wurf);
            Schwierigkeitsgrad = grad;
            StelleHeer(19);
            SaeeFuer([&] { return Zufall() % 10 == wurf && Zufall() % 5 == 1; });
            BewegeFeindArmee();
            const bool marschiert = wurf == 1 + 3 * grad;
            EXPECT_EQ(FeindArmeePosition[0], marschiert ? 10 : 14);
            EXPECT_EQ(FeindArmeePosition[1], marschiert ? 14 : 18);
        }
    }
}

TEST_F(FeindArmeeTest, KeinHeerOderFremdeZelleBleibt) {
    FeindArmeePosition[0] = FeindArmeePosition[1] = 0;
    SaeeMarsch(0);
    BewegeFeindArmee();
    EXPECT_EQ(FeindArmeePosition[0], 0);
    EXPECT_EQ(FeindArmeePosition[1], 0);
    FeindArmeePosition[0] = 4;
    FeindArmeePosition[1] = 4;
    SaeeMarsch(0);
    BewegeFeindArmee();
    EXPECT_EQ(FeindArmeePosition[0], 4);
}

TEST_F(FeindArmeeTest, SpielerstadtDerParteiWirdVerschontNeutraleBesetzt) {
    StelleHeer(3);
    StadtTabelle[0].Besitzer = 1;  // town 0 is roll 0 from town 3, and the party is there
    SaeeMarsch(0);
    BewegeFeindArmee();
    EXPECT_EQ(FeindArmeePosition[0], 5);
    EXPECT_EQ(FeindArmeePosition[1], 1);
    EXPECT_EQ(StadtTabelle[0].Besitzer, 1);

    StadtTabelle[0].Besitzer = 0;
    SaeeMarsch(0);
    BewegeFeindArmee();
    EXPECT_EQ(FeindArmeePosition[0], 1);
    EXPECT_EQ(FeindArmeePosition[1], 2);
    EXPECT_EQ(StadtTabelle[0].Besitzer, 2);
}

TEST_F(FeindArmeeTest, GeladeneStadtIdAusserhalbWirdUebersprungen) {
    StelleHeer(19);
    WeltRaster[17][16].StadtId = 77;  // roll 0 from town 19 leads to town 7's cell
    SaeeMarsch(0);
    BewegeFeindArmee();
    EXPECT_EQ(FeindArmeePosition[0], 14);
    EXPECT_EQ(FeindArmeePosition[1], 18);
    FeindBesetztStadt(17, 16);
    FeindBesetztStadt(-1, 40);
    for (const StadtRecord& t : StadtTabelle) EXPECT_EQ(t.Besitzer, 0);
}

TEST_F(FeindArmeeTest, BesetzungZiehtInDieserReihenfolge) {
    for (int stadt : {4, 9, 11, 13}) {
        for (uint32_t saat : {1u, 7u, 42u, 999u}) {
            SCOPED_TRACE(testing::Message() << "town " << stadt << " seed " << saat);
            StadtRecord& t = StadtTabelle[stadt];
            t = {};
            t.Besatzung[1] = 3;
            t.Stationiert = 4;
            t.Pumpe = 1043;
            t.NamenIndex = 6;
            // The expected values, drawn by hand in the documented order.
            ZufallSaat(saat);
            const int wasser = Zufall() % 5;
            int zufluss = kBasisWasserZufluss[stadt];
            int pumpe = 1043;
            if (Zufall() % 10 == 0 || zufluss == 0) {
                pumpe = 1042;
                zufluss += 2;
            } else if (Zufall() % 10 == 0) {
                pumpe = 1043;
                zufluss += 4;
            }
            int tier = 1013, nahrung = 3;
            if (Zufall() % 10 == 0) { tier = 1036; nahrung = 5; }
            if (Zufall() % 10 == 0) { tier = 1037; nahrung = 7; }
            if (Zufall() % 10 == 0) { tier = 1008; nahrung = 9; }
            const int feinde = Zufall() % std::min(nahrung, zufluss) + 1;

            ZufallSaat(saat);
            FeindStaerke = 50;
            FeindBesetztStadt(kStadtZellen[stadt].spalte, kStadtZellen[stadt].reihe);
            EXPECT_EQ(t.Besitzer, 2);
            EXPECT_EQ(t.Wasser, wasser);
            EXPECT_EQ(t.WasserZufluss, zufluss);
            EXPECT_EQ(t.Pumpe, pumpe);
            EXPECT_EQ(t.NahrungsTier, tier);
            EXPECT_EQ(t.Nahrung, nahrung);
            EXPECT_EQ(t.Besatzung[0], feinde);
            EXPECT_EQ(t.Besatzung[1], 0);
            EXPECT_EQ(t.Stationiert, 0);
            EXPECT_EQ(t.NamenIndex, 6);
            EXPECT_EQ(FeindStaerke, 70);
        }
    }
}

TEST_F(FeindArmeeTest, BesetzungHebtStaerkeHoechstensAufHundert) {
    const int faelle[][2] = {{80, 100}, {81, 81}, {0, 20}, {120, 120}};
    for (const auto& fall : faelle) {
        FeindStaerke = fall[0];
        FeindBesetztStadt(1, 2);
        EXPECT_EQ(FeindStaerke, fall[1]);
    }
    // A town with no water of its own always gets the hand pump and one or two hostiles.
    for (uint32_t saat = 1; saat < 50; ++saat) {
        ZufallSaat(saat);
        FeindBesetztStadt(7, 4);
        EXPECT_EQ(StadtTabelle[4].Pumpe, 1042);
        EXPECT_EQ(StadtTabelle[4].WasserZufluss, 2);
        EXPECT_GE(StadtTabelle[4].Besatzung[0], 1);
        EXPECT_LE(StadtTabelle[4].Besatzung[0], 2);
    }
}

}  // namespace
