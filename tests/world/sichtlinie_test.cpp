#include "world/sichtlinie.h"

#include "welt_fixture.h"

namespace {

struct SichtFall {
    const char* name;
    int ax, az, bx, bz;                    // positions of the two figures, world units
    std::vector<std::pair<int, int>> mauern;  // wall cells
    bool blockiert;
};

class Sichtlinie : public WeltKernTest, public ::testing::WithParamInterface<SichtFall> {};

TEST_P(Sichtlinie, MauernAufNebenUndQuerZurLinie) {
    const SichtFall& c = GetParam();
    for (auto [x, z] : c.mauern) StadtGitter[x][z].Blockiert = 1;
    FigurRecord& a = Person(0, 1, 0, 0);
    FigurRecord& b = Person(1, 13, 0, 0);
    a.Position[0] = static_cast<float>(c.ax);
    a.Position[2] = static_cast<float>(c.az);
    b.Position[0] = static_cast<float>(c.bx);
    b.Position[2] = static_cast<float>(c.bz);
    EXPECT_EQ(SichtLinieBlockiert(0, 1), c.blockiert);
    EXPECT_EQ(SichtLinieBlockiert(1, 0), c.blockiert);
}

INSTANTIATE_TEST_SUITE_P(
    Tabelle, Sichtlinie,
    ::testing::Values(SichtFall{"Frei", 100, 100, 400, 100, {}, false},
                      SichtFall{"MauerAufDerLinie", 100, 100, 400, 100, {{25, 10}}, true},
                      SichtFall{"MauerDaneben", 100, 100, 400, 100, {{25, 11}, {25, 9}}, false},
                      SichtFall{"MauerQuerZurDiagonale", 100, 100, 300, 300, {{20, 20}}, true},
                      SichtFall{"MauerNebenDerDiagonale", 100, 100, 300, 300, {{21, 19}}, false},
                      // The squares are closed: a line through a wall's corner is blocked.
                      SichtFall{"EckeBeruehrt", 100, 100, 110, 110, {{11, 10}}, true},
                      SichtFall{"MauerHinterDemZiel", 100, 100, 200, 100, {{22, 10}}, false},
                      SichtFall{"MauerAmRandDesGitters", 1165, 50, 1165, 1165, {{117, 60}}, true},
                      SichtFall{"FeldDerFigurIstMauer", 100, 100, 200, 100, {{10, 10}}, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WeltKernTest, UngueltigePositionHatKeineFreieSicht) {
    Person(0, 1, 1, 1).Position[0] = std::numeric_limits<float>::quiet_NaN();
    Person(1, 1, 3, 1);
    EXPECT_TRUE(SichtLinieBlockiert(0, 1));
    EXPECT_TRUE(SichtLinieBlockiert(0, 500));
}

}  // namespace
