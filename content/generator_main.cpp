// The demo data generator: writes the game's data set into the game's working directory.
// Usage: content_generator <output folder> <source data folder>
#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>

#include "content/generator.h"
#include "content/tools.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <output folder> <content/data folder>\n", argv[0]);
        return 2;
    }
    content::Generator g;
    g.outDir = argv[1];
    g.dataDir = argv[2];
    const auto start = std::chrono::steady_clock::now();
    auto step = [&](const char* name, void (*fn)(content::Generator&)) {
        const auto t0 = std::chrono::steady_clock::now();
        fn(g);
        const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        std::printf("content: %-10s %6.2f s\n", name, s);
    };
    try {
        step("art", content::MakeArt);
        step("fonts", content::MakeFonts);
        step("items", content::MakeItems);
        step("floor", content::MakeFloor);
        step("figures", content::MakeFigures);
        step("objects", content::MakeObjects);
        step("towns", content::MakeTowns);
        step("texts", content::MakeTexts);
        step("cursors", content::MakeCursors);
        step("sounds", content::MakeSounds);
        step("speech", content::MakeSpeech);
        step("intro", content::MakeIntro);
        step("settings", content::MakeSettings);
        step("lists", content::MakeListFiles);
        step("packs", [](content::Generator& gen) { gen.WritePacks(); });
    } catch (const std::exception& e) {
        std::fprintf(stderr, "content: %s\n", e.what());
        std::filesystem::remove_all(content::ScratchDir());
        return 1;
    }
    std::filesystem::remove_all(content::ScratchDir());
    std::printf("content: done in %.1f s\n",
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    return 0;
}
