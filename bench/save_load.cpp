// A save and a load of a full game: the global records, the current town and the 19 other towns'
// working copies, in a folder of the benchmark's own.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "framework/myapp.h"
#include "platform/gfx_recording.h"
#include "platform/os.h"
#include "world/gamefiles.h"
#include "world/records.h"
#include "world/save_load.h"

namespace {

class Spielstand {
public:
    Spielstand() {
        vorher_ = std::filesystem::current_path();
        ordner_ = std::filesystem::temp_directory_path() / ("velquor_bench_save_" + std::to_string(getpid()));
        std::filesystem::remove_all(ordner_);
        std::filesystem::create_directories(ordner_ / "Gamestate");
        std::filesystem::create_directories(ordner_ / "Data/Towns");
        std::filesystem::current_path(ordner_);
        auto geraet = std::make_unique<gfx::RecordingDevice>();
        geraet_ = geraet.get();
        MyApp.m_pd3dDevice = std::move(geraet);
        FensterAktiv = 1;
        BeendenFlag = 0;
        SetupWerte.FRAMERATE = 0.0f;
        AktuelleStadt = 7;
        for (int i = 0; i < 500; ++i) {
            Figuren[i].Aktiv = i < 200;
            Figuren[i].Typ = 10;
            Figuren[i].Wegpunkt[0] = float(i % 100) * 10.0f;
        }
        std::vector<uint8_t> zustand(STADTZUSTANDDATEI_GROESSE, 0x5a);
        for (int i = 0; i < 20; ++i)
            os::WriteFileAtomic("Gamestate/S_Town" + std::to_string(i) + ".dat", zustand.data(), zustand.size());
        SchreibeStadtDatei("Data/Towns/town7.dat");
    }
    ~Spielstand() {
        MyApp.m_pd3dDevice.reset();
        std::filesystem::current_path(vorher_);
        std::filesystem::remove_all(ordner_);
    }
    void Aufraeumen() { geraet_->ClearCalls(); }

private:
    std::filesystem::path vorher_, ordner_;
    gfx::RecordingDevice* geraet_;
};

void BM_Speichern(benchmark::State& state) {
    Spielstand spiel;
    for (auto _ : state) {
        if (!SpielSpeichern("save/slot0/")) state.SkipWithError("save failed");
        spiel.Aufraeumen();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(GLOBALDATEI_GROESSE + 20 * STADTZUSTANDDATEI_GROESSE));
}
BENCHMARK(BM_Speichern)->Unit(benchmark::kMillisecond);

void BM_Laden(benchmark::State& state) {
    Spielstand spiel;
    if (!SpielSpeichern("save/slot0/")) state.SkipWithError("save failed");
    for (auto _ : state) {
        if (!SpielLaden("save/slot0/")) state.SkipWithError("load failed");
        spiel.Aufraeumen();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) *
                            int64_t(GLOBALDATEI_GROESSE + 20 * STADTZUSTANDDATEI_GROESSE + STADTDATEI_GROESSE));
}
BENCHMARK(BM_Laden)->Unit(benchmark::kMillisecond);

}  // namespace
