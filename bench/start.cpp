// Start-up to the main menu with the intro skipped, as a player waits for it: the shell's start
// (window, device, settings, the start-up data) and the loading sequence, on the generated data
// in the working directory (scripts/bench runs from build/game). Each run works on a copy of it.
// Reports the whole time and its two parts in milliseconds.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>

#include "framework/shell.h"
#include "world/records.h"

namespace {

namespace fs = std::filesystem;
using Uhr = std::chrono::steady_clock;

double Ms(Uhr::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

void BM_StartBisHauptmenue(benchmark::State& state)
{
    const fs::path daten = fs::current_path();
    if (!fs::exists(daten / "Data" / "Pack3.gzp")) {
        state.SkipWithError("run from the game's data folder (build/game)");
        return;
    }
    const fs::path kopie = fs::temp_directory_path() / ("velquor_bench_start_" + std::to_string(getpid()));
    fs::remove_all(kopie);
    fs::copy(daten, kopie, fs::copy_options::recursive);

    ShellOptions optionen;
    optionen.workDir = kopie.string();
    optionen.lockPath = kopie.string() + ".lock";
    optionen.playIntro = false;
    optionen.showWindow = false;
    double start = 0, laden = 0;
    for (auto _ : state) {
        const Uhr::time_point t0 = Uhr::now();
        if (!StarteProgramm(optionen)) {
            state.SkipWithError("the game did not start");
            break;
        }
        const Uhr::time_point t1 = Uhr::now();
        while (SpielModus != 3000 && BeendenFlag == 0) FrameSchritt();
        const Uhr::time_point t2 = Uhr::now();
        start += Ms(t1 - t0);
        laden += Ms(t2 - t1);
        state.PauseTiming();
        BeendeProgramm();
        fs::current_path(daten);
        state.ResumeTiming();
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["start_ms"] = start / n;
    state.counters["laden_ms"] = laden / n;
    fs::remove_all(kopie);
    fs::remove(optionen.lockPath);
}
BENCHMARK(BM_StartBisHauptmenue)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
