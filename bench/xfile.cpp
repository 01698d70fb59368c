// Decoding every mesh of the generated game data (the figure and object models the loading sequence
// reads), in memory, so the time is the X loader's own. Run from the game's folder (build/game).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "platform/xfile.h"
#include "tests/pack_members.h"

namespace {

void BM_DecodeGameMeshes(benchmark::State& state)
{
    std::vector<std::vector<uint8_t>> files;
    for (const char* pack : {"Data/Pack9.gzp", "Data/Pack12.gzp"})
        for (auto& [name, bytes] : XMembersOfPack(pack)) files.push_back(std::move(bytes));
    if (files.empty()) {
        state.SkipWithError("no meshes in Data/ (run from the game's folder, as scripts/bench does)");
        return;
    }
    size_t failed = 0;
    for (auto _ : state) {
        for (const auto& f : files) {
            gfx::MeshData mesh;
            std::string error;
            failed += !gfx::DecodeXFile(f.data(), f.size(), mesh, error);
            benchmark::DoNotOptimize(mesh);
        }
    }
    state.counters["meshes"] = double(files.size());
    state.counters["failed"] = double(failed);
}
BENCHMARK(BM_DecodeGameMeshes)->Unit(benchmark::kMillisecond);

}  // namespace
