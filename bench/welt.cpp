// The world's hot paths: one A* search across a 118 x 118 town, and one whole world tick.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <ctime>
#include <cstring>
#include <vector>
#include <random>

#include "framework/services_world.h"
#include "framework/szene.h"
#include "platform/random.h"
#include "world/bewegung.h"
#include "world/figur_hilfen.h"
#include "world/records.h"
#include "world/wegsuche.h"

namespace {

// A town of house blocks with lanes between them and a wall round the edge.
void Stadt() {
    std::memset(Figuren, 0, sizeof Figuren);
    std::memset(StadtGitter, 0, sizeof StadtGitter);
    std::memset(BodenGitter, 0, sizeof BodenGitter);
    std::memset(StadtObjekte, 0, sizeof StadtObjekte);
    AktuelleStadt = 0;
    StadtTabelle[0] = {};
    StadtTabelle[0].GitterBreite = StadtTabelle[0].GitterHoehe = GITTER_GROESSE;
    StadtTabelle[0].WasserZufluss = 3;
    std::mt19937 rng(7);
    for (int x = 0; x < GITTER_GROESSE; ++x)
        for (int z = 0; z < GITTER_GROESSE; ++z) {
            const bool rand = x == 0 || z == 0 || x == 117 || z == 117;
            StadtGitter[x][z].Blockiert = rand;
            BodenGitter[x][z] = !rand;
        }
    for (int bx = 6; bx < 110; bx += 12)
        for (int bz = 6; bz < 110; bz += 12) {
            const int b = 4 + rng() % 5, h = 4 + rng() % 5;
            for (int x = bx; x < bx + b; ++x)
                for (int z = bz; z < bz + h; ++z) {
                    StadtGitter[x][z].Blockiert = 1;
                    BodenGitter[x][z] = 0;
                }
        }
    for (int i = 0; i < FIGUREN_ANZAHL; ++i) {
        Figuren[i].Id = static_cast<int16_t>(i + 1);
        Figuren[i].ZielId = KEINE_FIGUR;
    }
}

double ThreadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1000.0 + double(t.tv_nsec) / 1.0e6;
}

bool Suche(int sx, int sz, int zx, int zz) {
    static Wegsuche w;
    w.SetzeBegehbar(FeldBegehbar);
    w.Starte(sx, sz, zx, zz);
    return w.Suche(1000);
}

// Worst case: the goal is walled in, so the search runs until its 1000 closed nodes are spent.
void BM_AStar_Schlimmstenfalls(benchmark::State& state) {
    Stadt();
    for (int x = 100; x <= 104; ++x)
        for (int z = 100; z <= 104; ++z) StadtGitter[x][z].Blockiert = (x == 100 || x == 104 || z == 100 || z == 104);
    for (auto _ : state) benchmark::DoNotOptimize(Suche(3, 3, 102, 102));
}
BENCHMARK(BM_AStar_Schlimmstenfalls);

// Typical: a walk of some 20 to 60 cells through the lanes, from a table of random pairs.
void BM_AStar_Typisch(benchmark::State& state) {
    Stadt();
    std::mt19937 rng(11);
    std::vector<std::array<int, 4>> paare;
    while (paare.size() < 256) {
        const int sx = 1 + rng() % 116, sz = 1 + rng() % 116, zx = 1 + rng() % 116, zz = 1 + rng() % 116;
        const int d = std::abs(sx - zx) + std::abs(sz - zz);
        if (StadtGitter[sx][sz].Blockiert || StadtGitter[zx][zz].Blockiert || d < 20 || d > 60) continue;
        paare.push_back({sx, sz, zx, zz});
    }
    size_t k = 0, gefunden = 0;
    for (auto _ : state) {
        const auto& p = paare[k++ % paare.size()];
        gefunden += Suche(p[0], p[1], p[2], p[3]);
    }
    state.counters["gefunden"] = static_cast<double>(gefunden) / static_cast<double>(k);
}
BENCHMARK(BM_AStar_Typisch);

// One tick of the town: the world logic and the update of all 500 records, with 100 squad members
// walking across the town (a new destination when one arrives), 250 idle townsfolk and 150 items.
void BM_WeltTick(benchmark::State& state) {
    Stadt();
    ZufallSaat(1);
    std::mt19937 rng(3);
    auto freiesFeld = [&](int& x, int& z) {
        do {
            x = 1 + rng() % 116;
            z = 1 + rng() % 116;
        } while (StadtGitter[x][z].Blockiert || StadtGitter[x][z].Belegt);
    };
    for (int i = 0; i < FIGUREN_ANZAHL; ++i) {
        FigurRecord& f = Figuren[i];
        int x, z;
        freiesFeld(x, z);
        f.Aktiv = 1;
        f.Position[0] = f.Ziel[0] = f.Wegpunkt[0] = 10.0f * x;
        f.Position[2] = f.Ziel[2] = f.Wegpunkt[2] = 10.0f * z;
        f.Zustand = f.Befehl = 1;
        f.AnimLaenge = 12;
        f.Gesundheit = 100;
        f.Stufe = 1;
        if (i < 350) {
            f.Typ = static_cast<int16_t>(i < 100 ? 1 : 10 + i % 3);
            StadtGitter[x][z].Belegt = 1;
        } else {
            f.Typ = f.TeilModelle[0] = static_cast<int16_t>(1000 + i % 192);
            f.Anzahl = 1;
        }
    }
    std::vector<double> dauer;
    dauer.reserve(20000);
    for (auto _ : state) {
        for (int i = 0; i < 100; ++i) {
            FigurRecord& f = Figuren[i];
            if (f.Position[0] == f.Ziel[0] && f.Position[2] == f.Ziel[2]) {
                int x, z;
                freiesFeld(x, z);
                f.Befehl = 2;
                f.Ziel[0] = 10.0f * x;
                f.Ziel[2] = 10.0f * z;
            }
        }
        const double t0 = ThreadCpuMs();
        Szene.AktualisiereWelt();
        for (int i = 0; i < FIGUREN_ANZAHL; ++i) AktualisiereFigur(i);
        dauer.push_back(ThreadCpuMs() - t0);
    }
    // A tick's cost swings with the searches it runs: the mean, the 99th percentile and the worst, in
    // the thread's CPU time (a busy machine's preemptions are not the tick's). The first tick also
    // builds the path finder's tables on cold caches: it is shown apart, and the worst of the rest.
    state.counters["erster_ms"] = dauer.front();
    state.counters["max_danach_ms"] = *std::max_element(dauer.begin() + 1, dauer.end());
    std::sort(dauer.begin(), dauer.end());
    double summe = 0;
    for (double d : dauer) summe += d;
    state.counters["mittel_ms"] = summe / static_cast<double>(dauer.size());
    state.counters["p99_ms"] = dauer[dauer.size() * 99 / 100];
    state.counters["max_ms"] = dauer.back();
}
BENCHMARK(BM_WeltTick)->Iterations(20000);

}  // namespace
