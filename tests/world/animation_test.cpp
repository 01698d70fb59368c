#include "world/animation.h"

#include "welt_fixture.h"

namespace {

struct AnimFall {
    int zustand, bild, hand;
    int basis, schritt, teile;  // expected block
    int arm;                    // expected weapon-arm mesh, -1 = the general rule, 0 = unchanged
};

class AnimSlots : public WeltKernTest, public ::testing::WithParamInterface<AnimFall> {};

TEST_P(AnimSlots, TeilModelleJeZustandUndBild) {
    const AnimFall& c = GetParam();
    FigurRecord& f = Person(0, 1, 5, 5);
    f.Zustand = static_cast<uint8_t>(c.zustand);
    f.AnimBild = static_cast<uint8_t>(c.bild);
    f.AnimTakt = 1;  // no frame advance in this tick
    f.AnimLaenge = 60;
    Platz(f, Hand).ItemId = static_cast<int16_t>(c.hand);
    for (int16_t& t : f.TeilModelle) t = 7777;
    FigurAnimieren(0);
    EXPECT_EQ(f.AnimBild, c.bild);
    const int bild = std::min(c.bild, c.schritt - 1);
    for (int k = 0; k < c.teile && k < 8; ++k) EXPECT_EQ(f.TeilModelle[k], c.basis + k * c.schritt + bild) << k;
    const int arm = c.arm == 0 ? 7777 : c.arm < 0 ? c.basis + 8 * c.schritt + bild : c.arm;
    EXPECT_EQ(f.TeilModelle[8], arm);
}

INSTANTIATE_TEST_SUITE_P(
    Tabelle, AnimSlots,
    ::testing::Values(AnimFall{1, 3, 0, 2000, 12, 9, -1}, AnimFall{1, 3, 1030, 2000, 12, 9, 2000 + 108 + 3},
                      AnimFall{1, 3, 1031, 2000, 12, 9, 2000 + 120 + 3}, AnimFall{2, 5, 0, 2132, 12, 9, -1},
                      AnimFall{3, 11, 1029, 2264, 12, 9, 2264 + 120 + 11}, AnimFall{4, 2, 0, 2396, 12, 9, -1},
                      AnimFall{5, 2, 1032, 2396, 12, 9, 2396 + 108 + 2},
                      // The punch leaves the weapon arm as it was.
                      AnimFall{8, 4, 1029, 2528, 10, 8, 0}, AnimFall{17, 9, 1100, 2528, 10, 8, 0},
                      AnimFall{10, 7, 1030, 2608, 12, 9, -1}, AnimFall{9, 6, 1034, 2716, 12, 9, 2716 + 108 + 6},
                      AnimFall{6, 40, 0, 2848, 53, 9, -1}, AnimFall{16, 11, 1033, 3431, 12, 9, 3431 + 120 + 11},
                      AnimFall{15, 3, 1035, 3563, 12, 9, -1}, AnimFall{7, 5, 1029, 3671, 6, 9, -1},
                      // The 12-frame Galil and MP5 bursts show the last frame of the 6-frame block.
                      AnimFall{11, 9, 1031, 3671, 6, 9, -1}, AnimFall{13, 11, 1033, 3671, 6, 9, -1},
                      // A talk frame kept into idle stays within the idle block.
                      AnimFall{1, 40, 0, 2000, 12, 9, -1}),
    [](const auto& info) {
        return "Zustand" + std::to_string(info.param.zustand) + "Bild" + std::to_string(info.param.bild) + "Hand" +
               std::to_string(info.param.hand);
    });

TEST_F(WeltKernTest, BildtaktJeZustand) {
    struct Fall { int zustand, ticks, bilder; };
    for (Fall c : {Fall{1, 12, 3}, Fall{2, 12, 6}, Fall{7, 5, 5}}) {
        FigurRecord& f = Person(0, 1, 5, 5);
        f.Zustand = static_cast<uint8_t>(c.zustand);
        f.AnimLaenge = 12;
        f.AnimTakt = 0;
        f.AnimBild = 0;
        for (int k = 0; k < c.ticks; ++k) FigurAnimieren(0);
        EXPECT_EQ(f.AnimBild, c.bilder) << c.zustand;
    }
}

TEST_F(WeltKernTest, SterbendeFigurHaeltDasLetzteBild) {
    FigurRecord& f = Person(0, 13, 5, 5);
    f.Zustand = 16;
    f.AnimLaenge = 12;
    f.AnimTakt = 1;
    for (int k = 0; k < 22; ++k) FigurAnimieren(0);
    EXPECT_EQ(f.AnimBild, 11);
    for (int k = 0; k < 9; ++k) FigurAnimieren(0);
    EXPECT_EQ(f.AnimBild, 11);
    EXPECT_EQ(f.TeilModelle[0], 3431 + 11);
}

}  // namespace
