#include "world/wegsuche.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace {

// The grid the callback sees: '#' blocked, anything else walkable; outside is blocked.
std::vector<std::string> gKarte;

int KarteBegehbar(int x, int y) {
    if (y < 0 || y >= static_cast<int>(gKarte.size())) return -1;
    if (x < 0 || x >= static_cast<int>(gKarte[y].size())) return -1;
    return gKarte[y][x] == '#' ? -1 : 1;
}

using Zellen = std::vector<std::pair<int, int>>;

struct Ergebnis {
    bool gefunden = false;
    Zellen pfad;
    bool operator==(const Ergebnis&) const = default;
};

Ergebnis Suche(int sx, int sy, int zx, int zy, int limit) {
    Wegsuche w;
    w.SetzeBegehbar(KarteBegehbar);
    w.Starte(sx, sy, zx, zy);
    Ergebnis e;
    e.gefunden = w.Suche(limit);
    if (e.gefunden)
        for (int i = 0; i < w.PfadLaenge; ++i) e.pfad.push_back({w.Pfad[i]->X, w.Pfad[i]->Y});
    return e;
}

// The rules as plainly as they can be written: fixed lists scanned from slot 0 every time.
Ergebnis ReferenzSuche(int sx, int sy, int zx, int zy, int limit) {
    struct Knoten {
        int eltern = -1;  // closed slot
        int g = 0, h = 0, f = 0, belegt = 0, x = 0, y = 0;
    };
    std::vector<Knoten> offen(1000), zu(1000);
    int zuZahl = 0;
    bool gefunden = false;
    int zielSlot = 0;
    auto schaetzung = [&](int x, int y, int c) { return (std::abs(zx - x) + std::abs(zy - y)) * c; };
    auto finde = [](std::vector<Knoten>& l, int x, int y) {
        for (int i = 0; i < 1000; ++i)
            if (l[i].belegt && l[i].x == x && l[i].y == y) return i;
        return -1;
    };
    auto erweitere = [&](int x, int y, int p, int c) {
        if (finde(zu, x, y) >= 0) return 0;
        int o = finde(offen, x, y);
        if (o >= 0) {
            if (offen[o].g > zu[p].g + c) {
                offen[o].eltern = p;
                offen[o].g = zu[p].g + c;
                offen[o].f = offen[o].h + offen[o].g;
            }
            return 0;
        }
        for (int i = 0; i < 1000; ++i) {
            if (offen[i].belegt) continue;
            offen[i] = {p, zu[p].g + c, schaetzung(x, y, c), 0, 1, x, y};
            offen[i].f = offen[i].g + offen[i].h;
            if (x == zx && y == zy) {
                gefunden = true;
                zielSlot = i;
            }
            return 0;
        }
        return -1;
    };
    const int nx[8] = {0, 1, 0, -1, 1, 1, -1, -1};
    const int ny[8] = {-1, 0, 1, 0, -1, 1, 1, -1};
    zu[0] = {-1, 0, 0, 0, 1, sx, sy};
    int n = 0;
    for (;;) {
        for (int k = 0; k < 8; ++k) {
            int x = zu[n].x + nx[k], y = zu[n].y + ny[k];
            if (KarteBegehbar(x, y) == -1) continue;
            if (erweitere(x, y, n, 1) == -1) break;
        }
        if (gefunden) {
            Ergebnis e{true, {}};
            e.pfad.push_back({offen[zielSlot].x, offen[zielSlot].y});
            for (int p = offen[zielSlot].eltern; p >= 0; p = zu[p].eltern) e.pfad.insert(e.pfad.begin(), {zu[p].x, zu[p].y});
            return e;
        }
        int best = -1, bestF = 9999999;
        for (int i = 0; i < 1000; ++i)
            if (offen[i].belegt && offen[i].f < bestF) bestF = offen[i].f, best = i;
        if (best < 0) return {};
        int frei = -1;
        for (int i = 0; i < 1000; ++i)
            if (!zu[i].belegt) { frei = i; break; }
        if (frei < 0) return {};
        zu[frei] = offen[best];
        offen[best] = {};
        ++zuZahl;
        n = frei;
        if (zuZahl >= limit) return {};
    }
}

struct PfadFall {
    const char* name;
    std::vector<std::string> karte;
    int sx, sy, zx, zy, limit;
    bool gefunden;
    Zellen pfad;
};

class WegsucheTabelle : public ::testing::TestWithParam<PfadFall> {};

TEST_P(WegsucheTabelle, FindetDenPfadDerRegeln) {
    const PfadFall& f = GetParam();
    gKarte = f.karte;
    Ergebnis e = Suche(f.sx, f.sy, f.zx, f.zy, f.limit);
    EXPECT_EQ(e.gefunden, f.gefunden);
    EXPECT_EQ(e.pfad, f.pfad);
    EXPECT_EQ(e, ReferenzSuche(f.sx, f.sy, f.zx, f.zy, f.limit));
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, WegsucheTabelle,
    ::testing::Values(
        PfadFall{"NachbarZiel", {"....", "....", "...."}, 1, 1, 2, 1, 1000, true, {{1, 1}, {2, 1}}},
        PfadFall{"EingeschlossenesZiel", {".....", ".###.", ".#.#.", ".###.", "....."}, 0, 0, 2, 2, 1000, false, {}},
        PfadFall{"StartGleichZiel", {"...", "...", "..."}, 1, 1, 1, 1, 1000, false, {}},
        // Diagonal steps are taken even between two blocked straight neighbours.
        PfadFall{"DiagonaleEnge", {".#", "#."}, 0, 0, 1, 1, 1000, true, {{0, 0}, {1, 1}}},
        // The straight neighbours come before the diagonals: (x, y-1) is generated first and, with
        // equal F, sits in the lowest open slot, so it is expanded first.
        PfadFall{"GleichstandNiedrigsterSlot", {".....", ".....", "....."}, 0, 1, 4, 1, 1000, true,
                 {{0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}}},
        // Around a blocked cell the two diagonal ways have the same F: (1, 0) was generated before (1, 2),
        // so it sits in the lower open slot and is expanded first, and the path goes over it.
        PfadFall{"GleichstandEntscheidetDenWeg", {"...", ".#.", "..."}, 0, 1, 2, 1, 1000, true, {{0, 1}, {1, 0}, {2, 1}}},
        PfadFall{"UmDieWand", {"..#..", "..#..", "....."}, 0, 0, 4, 0, 1000, true,
                 {{0, 0}, {1, 1}, {2, 2}, {3, 1}, {4, 0}}},
        // The goal four cells away is generated while expanding the third closed node: limit 3 stops short.
        PfadFall{"SchrittLimit", {"#######", "#.....#", "#######"}, 1, 1, 5, 1, 3, false, {}},
        PfadFall{"SchrittLimitReicht", {"#######", "#.....#", "#######"}, 1, 1, 5, 1, 4, true,
                 {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}}},
        PfadFall{"ZielAusserhalb", {"...", "..."}, 0, 0, 5, 0, 1000, false, {}}),
    [](const auto& info) { return std::string(info.param.name); });

// A walkable grid of 1000 cells in one corridor: the search closes them all and the chain from the
// start to the goal holds 1001 nodes, which the path must hold whole.
TEST(Wegsuche, PfadHaeltAlleGeschlossenenKnotenUndDasZiel) {
    gKarte.assign(3, std::string(1002, '#'));
    for (int x = 1; x <= 1000; ++x) gKarte[1][x] = '.';
    Wegsuche w;
    w.SetzeBegehbar(KarteBegehbar);
    w.Starte(1, 1, 1000, 1);
    ASSERT_TRUE(w.Suche(1000));
    ASSERT_EQ(w.PfadLaenge, 1000);
    EXPECT_EQ(w.Pfad[999]->X, 1000);
    // One more cell: 999 closed + start + goal = 1001 nodes.
    gKarte.assign(3, std::string(1003, '#'));
    for (int x = 1; x <= 1001; ++x) gKarte[1][x] = '.';
    w.Starte(1, 1, 1001, 1);
    ASSERT_TRUE(w.Suche(1000));
    ASSERT_EQ(w.PfadLaenge, 1001);
    EXPECT_EQ(w.Pfad[0]->X, 1);
    EXPECT_EQ(w.Pfad[1000]->X, 1001);
    EXPECT_TRUE(ReferenzSuche(1, 1, 1001, 1, 1000).gefunden);
}

// A walled-in goal on open ground fails as before, without spending the whole limit; a pocket with
// a way in is still searched to its end.
TEST(Wegsuche, EingeschlossenesZielKostetNichtDasGanzeLimit) {
    gKarte.assign(100, std::string(100, '.'));
    for (int i = 60; i <= 64; ++i) gKarte[60][i] = gKarte[64][i] = gKarte[i][60] = gKarte[i][64] = '#';
    Wegsuche w;
    w.SetzeBegehbar(KarteBegehbar);
    w.Starte(2, 2, 62, 62);
    EXPECT_FALSE(w.Suche(1000));
    EXPECT_LT(w.GeschlossenZahl, 100);
    EXPECT_FALSE(ReferenzSuche(2, 2, 62, 62, 1000).gefunden);
    gKarte[60][62] = '.';
    EXPECT_EQ(Suche(2, 2, 62, 62, 1000), ReferenzSuche(2, 2, 62, 62, 1000));
    EXPECT_TRUE(Suche(2, 2, 62, 62, 1000).gefunden);
}

// A goal beyond the reach of 1000 steps is refused at once, exactly where the full search could not
// find it either; coordinates whose steps would overflow are refused instead of searched.
TEST(Wegsuche, ReichweiteUndRiesigeKoordinaten) {
    Wegsuche w;
    w.SetzeBegehbar([](int, int y) { return y == 0 ? 1 : -1; });  // one endless row
    w.Starte(0, 0, 1000, 0);
    ASSERT_TRUE(w.Suche(1000));
    EXPECT_EQ(w.PfadLaenge, 1001);
    for (const int ziel : {1001, -1001}) {
        w.Starte(0, 0, ziel, 0);
        EXPECT_FALSE(w.Suche(1000)) << ziel;
        EXPECT_EQ(w.GeschlossenZahl, 0) << ziel;
    }
    w.Starte(INT32_MAX - 1, 0, INT32_MAX - 3, 0);
    EXPECT_FALSE(w.Suche(1000));
    w.Starte(INT32_MIN + 4, 0, INT32_MIN + 2, 0);
    EXPECT_FALSE(w.Suche(1000));
    w.Starte(-5, 0, -2, 0);  // cells off the plain table go through the hashed index
    ASSERT_TRUE(w.Suche(1000));
    EXPECT_EQ(w.PfadLaenge, 4);
}

// Long ways that lead away from the goal and back: the estimate and F swing far from the start's,
// and G comes close to the limit.
TEST(Wegsuche, SchlangenlinieWieDieEinfacheUmsetzung) {
    for (const int reihen : {5, 12, 26}) {
        gKarte.assign(2 * reihen + 1, std::string(40, '.'));
        for (int r = 0; r < reihen; ++r) {
            const int y = 2 * r + 1;
            gKarte[y].assign(40, '#');
            gKarte[y][r % 2 ? 0 : 39] = '.';  // the gap alternates sides
        }
        for (const int limit : {300, 1000}) {
            const Ergebnis e = Suche(0, 0, 0, 2 * reihen, limit);
            ASSERT_EQ(e, ReferenzSuche(0, 0, 0, 2 * reihen, limit)) << reihen << " rows, limit " << limit;
            if (reihen == 12 && limit == 1000) {
                EXPECT_TRUE(e.gefunden);
            }
        }
    }
}

// The index and the buckets must not change a single path: many random grids, limits and densities
// against the plain implementation above (open-list overflow and closed-list exhaustion included).
TEST(Wegsuche, GleicheErgebnisseWieDieEinfacheUmsetzung) {
    uint32_t saat = 12345;
    auto zufall = [&](int n) {
        saat = saat * 1103515245u + 12345u;
        return static_cast<int>((saat >> 8) % static_cast<uint32_t>(n));
    };
    int gefunden = 0, fehl = 0, taschen = 0;
    for (int runde = 0; runde < 120; ++runde) {
        const int b = 8 + zufall(70), h = 8 + zufall(70);
        const int dichte = zufall(45);
        gKarte.assign(h, std::string(b, '.'));
        for (auto& zeile : gKarte)
            for (char& c : zeile)
                if (zufall(100) < dichte) c = '#';
        for (int k = 0; k < 4; ++k) {
            int sx = zufall(b), sy = zufall(h), zx = zufall(b), zy = zufall(h);
            if (k == 3) {
                // A wall round the goal at a distance of 1 to 3 cells, mostly closed: a pocket that
                // the search gives up on early, unless the start is inside or a gap lets it in.
                const int r = 1 + zufall(3);
                const bool luecke = zufall(3) == 0;
                for (int y = zy - r; y <= zy + r; ++y)
                    for (int x = zx - r; x <= zx + r; ++x) {
                        const bool rand = std::abs(x - zx) == r || std::abs(y - zy) == r;
                        if (rand && x >= 0 && y >= 0 && x < b && y < h) gKarte[y][x] = '#';
                    }
                if (luecke && zy - r >= 0) gKarte[zy - r][zx] = '.';
            }
            gKarte[sy][sx] = '.';
            const int limit = (k % 2) ? 300 : 1000;
            Ergebnis e = Suche(sx, sy, zx, zy, limit);
            ASSERT_EQ(e, ReferenzSuche(sx, sy, zx, zy, limit)) << "runde " << runde << " fall " << k;
            (e.gefunden ? gefunden : fehl)++;
            taschen += k == 3 && !e.gefunden;
        }
    }
    EXPECT_GT(gefunden, 100);
    EXPECT_GT(fehl, 50);
    EXPECT_GT(taschen, 20);
}

}  // namespace
