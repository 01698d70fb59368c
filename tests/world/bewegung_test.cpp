#include "world/bewegung.h"

#include "framework/services_world.h"
#include "welt_fixture.h"

namespace {

struct SchrittFall {
    int dx, dz;      // waypoint relative to the position, in cells
    float drehung;   // expected heading
};

class Richtungen : public WeltKernTest, public ::testing::WithParamInterface<SchrittFall> {};

TEST_P(Richtungen, SchrittUndBlickrichtung) {
    const SchrittFall& c = GetParam();
    for (int zustand : {2, 3}) {
        FigurRecord& f = Person(0, 10, 50, 50);
        f.Zustand = static_cast<uint8_t>(zustand);
        f.Wegpunkt[0] = 10.0f * (50 + c.dx);
        f.Wegpunkt[2] = 10.0f * (50 + c.dz);
        FigurSchritt(0);
        const float s = zustand == 3 ? 2.0f : 1.0f;
        EXPECT_FLOAT_EQ(f.Position[0], 500.0f + s * c.dx);
        EXPECT_FLOAT_EQ(f.Position[2], 500.0f + s * c.dz);
        EXPECT_FLOAT_EQ(f.Drehung[1], c.drehung);
        // A walker needs 10 ticks per cell, a runner 5, and lands on the waypoint exactly.
        for (int k = 1; k < (zustand == 3 ? 5 : 10); ++k) FigurSchritt(0);
        EXPECT_EQ(f.Position[0], f.Wegpunkt[0]);
        EXPECT_EQ(f.Position[2], f.Wegpunkt[2]);
    }
}

constexpr float kPiT = 3.14159265f;
std::string Himmelsrichtung(int dx, int dz) {
    static const char* const kNamen[3][3] = {
        {"Nordwest", "West", "Suedwest"}, {"Nord", "Stehen", "Sued"}, {"Nordost", "Ost", "Suedost"}};
    return kNamen[dx + 1][dz + 1];
}
INSTANTIATE_TEST_SUITE_P(Acht, Richtungen,
                         ::testing::Values(SchrittFall{-1, 0, -kPiT / 2}, SchrittFall{1, 0, kPiT / 2},
                                           SchrittFall{0, -1, kPiT}, SchrittFall{0, 1, 0.0f},
                                           SchrittFall{1, -1, 3 * kPiT / 4}, SchrittFall{1, 1, kPiT / 4},
                                           SchrittFall{-1, 1, -kPiT / 4}, SchrittFall{-1, -1, -3 * kPiT / 4}),
                         [](const auto& info) { return Himmelsrichtung(info.param.dx, info.param.dz); });

TEST_F(WeltKernTest, SchrittSchiesstNieUeberDenWegpunktHinaus) {
    // A position off the cell centres (a file put it there) still lands on the waypoint.
    FigurRecord& f = Person(0, 1, 5, 5);
    f.Position[0] = 50.5f;
    f.Position[2] = 49.25f;
    f.Zustand = 3;
    for (int k = 0; k < 3; ++k) FigurSchritt(0);
    EXPECT_EQ(f.Position[0], 50.0f);
    EXPECT_EQ(f.Position[2], 50.0f);
}

TEST_F(WeltKernTest, WerZwischenZweiFeldernStehtGehtZuEnde) {
    // An idle figure finishes the step it was caught in at walking speed (a conversation partner held
    // mid-step and released idle, for one); held, attacking, talking and dying figures stay.
    struct Fall { int zustand, wartet; float x; };
    for (Fall c : {Fall{1, 0, 55.0f}, Fall{4, 0, 54.0f}, Fall{5, 0, 54.0f}, Fall{6, 0, 54.0f}, Fall{9, 0, 54.0f},
                   Fall{2, 1, 54.0f}, Fall{1, 1, 54.0f}, Fall{16, 0, 54.0f}, Fall{2, 0, 55.0f}, Fall{3, 0, 56.0f}}) {
        FigurRecord& f = Person(0, 1, 5, 5);
        f.Position[0] = 54.0f;
        f.Wegpunkt[0] = 60.0f;
        f.Zustand = static_cast<uint8_t>(c.zustand);
        f.Wartet = static_cast<uint8_t>(c.wartet);
        FigurSchritt(0);
        EXPECT_EQ(f.Position[0], c.x) << c.zustand;
    }
    // On its waypoint an idle figure does not move.
    FigurRecord& g = Person(1, 1, 8, 8);
    FigurSchritt(1);
    EXPECT_EQ(g.Position[0], 80.0f);
}

TEST_F(WeltKernTest, GespraechspartnerAufDemWegWirdNachDemGespraechFertig) {
    FigurRecord& p = Person(0, 12, 11, 10);
    p.Position[0] = 114.0f;  // walking from cell 11 to 12
    p.Wegpunkt[0] = 120.0f;
    StadtGitter[11][10].Belegt = 0;
    StadtGitter[12][10].Belegt = 1;
    p.Zustand = p.Befehl = 2;
    p.Ziel[0] = 150.0f;
    FigurRecord& t = Person(1, 1, 10, 10);
    t.SprechAuftrag = 1;
    t.ZielId = p.Id;
    ZufallSaat(7);
    AktualisiereFigur(1);
    ASSERT_EQ(GespraechsPartner, p.Id);
    for (int k = 0; k < 5; ++k) AktualisiereFigur(0);
    EXPECT_EQ(p.Position[0], 114.0f);  // held
    // The conversation ends: the partner is released idle.
    p.Wartet = 0;
    p.Zustand = p.Befehl = 1;
    GespraechsPartner = 0;
    for (int k = 0; k < 6; ++k) AktualisiereFigur(0);
    EXPECT_EQ(p.Position[0], 120.0f);
}

// A goal occupied by another figure: the walker heads for the first free neighbour whose search
// succeeds, in the order N, NE, E, SE, S, SW, W, NW (z - 1 is north).
struct NachbarFall {
    const char* name;
    std::vector<std::pair<int, int>> zu;  // neighbours of the goal made walls
    int dx, dz;
};

class BlockiertesZiel : public WeltKernTest, public ::testing::WithParamInterface<NachbarFall> {};

TEST_P(BlockiertesZiel, ErsterFreierNachbar) {
    const NachbarFall& c = GetParam();
    Person(1, 10, 20, 20);  // stands on the goal
    for (auto [dx, dz] : c.zu) StadtGitter[20 + dx][20 + dz].Blockiert = 1;
    FigurRecord& f = Person(0, 1, 10, 20);
    Befehle(f, 2, 20, 20);
    FigurWegSuchen(0);
    EXPECT_EQ(f.Ziel[0], 10.0f * (20 + c.dx));
    EXPECT_EQ(f.Ziel[2], 10.0f * (20 + c.dz));
    EXPECT_EQ(f.Wegpunkt[0], 110.0f);  // the first step goes east toward it
    EXPECT_EQ(f.Zustand, 2);
    EXPECT_EQ(StadtGitter[11][static_cast<int>(f.Wegpunkt[2] / 10)].Belegt, 1);
    EXPECT_EQ(StadtGitter[10][20].Belegt, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Reihenfolge, BlockiertesZiel,
    ::testing::Values(NachbarFall{"Nord", {}, 0, -1}, NachbarFall{"Nordost", {{0, -1}}, 1, -1},
                      NachbarFall{"Ost", {{0, -1}, {1, -1}}, 1, 0},
                      NachbarFall{"Suedost", {{0, -1}, {1, -1}, {1, 0}}, 1, 1},
                      NachbarFall{"Sued", {{0, -1}, {1, -1}, {1, 0}, {1, 1}}, 0, 1},
                      NachbarFall{"Suedwest", {{0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}}, -1, 1},
                      NachbarFall{"West", {{0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}}, -1, 0},
                      NachbarFall{"Nordwest", {{0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}}, -1, -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WeltKernTest, ZielImEigenenFeldFuehrtZumErstenFreienNachbarn) {
    FigurRecord& f = Person(0, 1, 30, 30);
    Befehle(f, 2, 30, 30);
    f.Ziel[0] = 301.0f;  // inside its own, occupied cell
    FigurWegSuchen(0);
    EXPECT_EQ(f.Ziel[0], 301.0f);
    EXPECT_EQ(f.Ziel[2], 290.0f);
    EXPECT_EQ(f.Wegpunkt[2], 290.0f);
}

TEST_F(WeltKernTest, UnerreichbaresZielMachtDieFigurUntaetig) {
    // Enclosed goal cell and a goal outside the grid.
    Karte({"###", "# #", "###"}, 40, 40);
    for (auto [gx, gz] : std::vector<std::pair<float, float>>{{410.0f, 410.0f}, {1250.0f, 50.0f}, {-30.0f, 50.0f}}) {
        FigurRecord& f = Person(0, 1, 10, 10);
        f.Befehl = 2;
        f.Zustand = 2;
        f.Ziel[0] = gx;
        f.Ziel[2] = gz;
        FigurWegSuchen(0);
        EXPECT_EQ(f.Ziel[0], 100.0f);
        EXPECT_EQ(f.Ziel[2], 100.0f);
        EXPECT_EQ(f.Zustand, 1);
        EXPECT_EQ(f.Befehl, 1);
        EXPECT_EQ(f.Wegpunkt[0], 100.0f);
    }
}

TEST_F(WeltKernTest, StadtvolkGibtNach300SchrittenAuf) {
    // A snake of four 100-cell rows: about 400 expansions, past the townsfolk's limit of 300 and
    // within the squad's 1000.
    for (int x = 0; x < GITTER_GROESSE; ++x)
        for (int z = 0; z < GITTER_GROESSE; ++z) StadtGitter[x][z].Blockiert = 1;
    for (int z : {10, 12, 14, 16})
        for (int x = 1; x <= 100; ++x) StadtGitter[x][z].Blockiert = 0;
    StadtGitter[100][11].Blockiert = StadtGitter[1][13].Blockiert = StadtGitter[100][15].Blockiert = 0;

    FigurRecord& volk = Person(0, 10, 1, 10);
    Befehle(volk, 2, 1, 16);
    volk.Zustand = 2;
    FigurWegSuchen(0);
    EXPECT_EQ(volk.Zustand, 1);
    EXPECT_EQ(volk.Befehl, 1);
    EXPECT_EQ(volk.Ziel[2], 100.0f);
    EXPECT_EQ(volk.Wegpunkt[0], 10.0f);

    volk.Aktiv = 0;
    StadtGitter[1][10].Belegt = 0;
    FigurRecord& trupp = Person(1, 1, 1, 10);
    Befehle(trupp, 3, 1, 16);
    FigurWegSuchen(1);
    EXPECT_EQ(trupp.Wegpunkt[0], 20.0f);
    EXPECT_EQ(trupp.Zustand, 3);  // squad members take their ordered gait
    EXPECT_EQ(trupp.Ziel[2], 160.0f);
}

}  // namespace
