// Decoding every mesh of the generated game data (the figure and object models the loading sequence
// reads), in memory, so the time is the X loader's own. Run from the build directory (game/ beside it).
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/os.h"
#include "platform/xfile.h"

namespace {

// The X members of a pack: a ZIP of stored members, walked by their local headers.
void XMembers(const std::string& pack, std::vector<std::vector<uint8_t>>& out)
{
    std::vector<uint8_t> zip;
    if (!os::ReadFile(pack, zip)) return;
    auto u16 = [&](size_t at) { return uint32_t(zip[at] | zip[at + 1] << 8); };
    auto u32 = [&](size_t at) { return u16(at) | u16(at + 2) << 16; };
    size_t at = 0;
    while (at + 30 <= zip.size() && u32(at) == 0x04034b50) {
        const size_t name = at + 30, data = name + u16(at + 26) + u16(at + 28), size = u32(at + 18);
        if (data + size > zip.size()) return;
        std::string n(zip.begin() + long(name), zip.begin() + long(name + u16(at + 26)));
        if (n.size() > 2 && (n.ends_with(".x") || n.ends_with(".X")))
            out.emplace_back(zip.begin() + long(data), zip.begin() + long(data + size));
        at = data + size;
    }
}

void BM_DecodeGameMeshes(benchmark::State& state)
{
    std::vector<std::vector<uint8_t>> files;
    for (const char* pack : {"game/Data/Pack9.gzp", "game/Data/Pack12.gzp"}) XMembers(pack, files);
    if (files.empty()) {
        state.SkipWithError("no meshes in game/Data (run from the build directory)");
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
