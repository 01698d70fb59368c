#include <gtest/gtest.h>

#include <cstring>

#include "platform/random.h"
#include "world/records.h"

namespace {

class StadtLaden : public ::testing::Test {
protected:
    void SetUp() override {
        std::memset(StadtGitter, 0, sizeof StadtGitter);
        std::memset(VegetationObjekte, 0, sizeof VegetationObjekte);
        std::memset(BodenKarte, 0, sizeof BodenKarte);
        ZufallSaat(1);
    }
};

TEST_F(StadtLaden, NumbersEntrancesInScanOrderAndGivesTheExtraOnesNone) {
    // 60 entrances of every kind, column by column; one with a negative kind is no entrance.
    int gesetzt = 0;
    for (int x = 0; x < GITTER_GROESSE && gesetzt < 60; x += 2)
        for (int z = 5; z < GITTER_GROESSE && gesetzt < 60; z += 40, ++gesetzt)
            StadtGitter[x][z].Eingang = static_cast<int16_t>(1 + gesetzt % 10);
    StadtGitter[1][0].Eingang = -1;
    StadtGitter[1][0].BehaelterIndex = 77;
    StadtNachLaden();
    int erwartet = 0;
    for (int x = 0; x < GITTER_GROESSE; ++x)
        for (int z = 0; z < GITTER_GROESSE; ++z)
            if (StadtGitter[x][z].Eingang > 0) {
                EXPECT_EQ(StadtGitter[x][z].BehaelterIndex, erwartet < 50 ? erwartet : 255) << x << "," << z;
                ++erwartet;
            }
    EXPECT_EQ(erwartet, 60);
    EXPECT_EQ(StadtGitter[1][0].BehaelterIndex, 77);
    EXPECT_EQ(BodenKarte[19][0].AlphaTextur, 20);
    EXPECT_EQ(BodenKarte[20][0].AlphaTextur, 20);
}

TEST_F(StadtLaden, PlantsFiftyPerCellInDrawOrderAndNeverPastTheTable) {
    VegetationObjekte[4999].Aktiv = 1;  // left over from the town before
    StadtGitter[3][7].VegetationErlaubt = 1;
    StadtNachLaden();
    ZufallSaat(1);
    for (int n = 0; n < 50; ++n) {
        const ObjektRecord& p = VegetationObjekte[n];
        EXPECT_EQ(p.Aktiv, 1);
        EXPECT_EQ(p.Modell, Zufall() % 3 == 1 ? 5037 : 5036);
        EXPECT_EQ(p.Position[0], static_cast<float>(30 - 25 + Zufall() % 50));
        EXPECT_EQ(p.Position[2], static_cast<float>(70 - 25 + Zufall() % 50));
        EXPECT_EQ(p.Drehung[1], static_cast<float>(Zufall() % 1000));
        EXPECT_EQ(p.Position[1], 0.0f);
    }
    EXPECT_EQ(VegetationObjekte[50].Aktiv, 0);
    EXPECT_EQ(VegetationObjekte[4999].Aktiv, 0);

    // 150 cells would want 7500 plants: the table holds 5000 and the rest are not placed.
    for (int x = 0; x < 150; ++x) StadtGitter[x % 118][x / 118].VegetationErlaubt = 1;
    StadtNachLaden();
    int aktiv = 0;
    for (const ObjektRecord& p : VegetationObjekte) aktiv += p.Aktiv;
    EXPECT_EQ(aktiv, 5000);
}

TEST(Figuren, FirstFreeRecordAndLookupById) {
    std::memset(Figuren, 0, sizeof Figuren);
    for (int i = 0; i < FIGUREN_ANZAHL; ++i) {
        Figuren[i].Aktiv = 1;
        Figuren[i].Id = static_cast<int16_t>(i + 1);
    }
    EXPECT_EQ(FreieFigur(), -1);
    Figuren[321].Aktiv = 0;
    Figuren[400].Aktiv = 0;
    EXPECT_EQ(FreieFigur(), 321);
    EXPECT_EQ(FigurMitId(322), 321);  // a free record keeps its id
    std::swap(Figuren[0], Figuren[499]);  // the sort moves records; the id follows
    EXPECT_EQ(FigurMitId(1), 499);
    EXPECT_EQ(FigurMitId(500), 0);
    EXPECT_EQ(FigurMitId(0), -1);
    EXPECT_EQ(FigurMitId(KEINE_FIGUR), -1);
    std::memset(Figuren, 0, sizeof Figuren);
}

}  // namespace
