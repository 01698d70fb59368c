#include "content/generator.h"

#include <filesystem>
#include <stdexcept>

#include "content/fonts.h"
#include "content/tools.h"
#include "platform/os.h"

namespace content {

void Generator::WriteFile(const std::string& relPath, const std::vector<uint8_t>& data) {
    const std::filesystem::path path = std::filesystem::path(outDir) / relPath;
    std::filesystem::create_directories(path.parent_path());
    // Unchanged files keep their time stamps.
    std::vector<uint8_t> old;
    if (os::ReadFile(path.string(), old) && old == data) return;
    if (!os::WriteFileAtomic(path.string(), data.data(), data.size())) throw std::runtime_error("cannot write " + path.string());
}

void Generator::WriteFile(const std::string& relPath, const std::string& text) {
    WriteFile(relPath, std::vector<uint8_t>(text.begin(), text.end()));
}

void Generator::WriteFileIfMissing(const std::string& relPath, const std::string& text) {
    if (std::filesystem::exists(std::filesystem::path(outDir) / relPath)) return;
    WriteFile(relPath, text);
}

void Generator::WritePacks() {
    for (const auto& [name, pack] : packs) WriteFile("Data/" + name, pack.Build());
}

void MakeListFiles(Generator& g) {
    // The town editor names a model slot by its file from this copy of the level list.
    g.WriteFile("Load/Level001.txt", g.catalogue.LevelFile());
    const char* const packs[3] = {"Pack16.gzp", "Pack17.gzp", "Pack18.gzp"};
    for (int lang = 0; lang < 3; ++lang) {
        PackWriter& p = g.Pack(packs[lang]);
        const bool cyrillic = lang == 2;
        p.Add("Boden.txt", g.catalogue.BodenFile());
        p.Add("Fig_Anims.txt", g.catalogue.FigAnimsFile());
        p.Add("Items.txt", g.itemsList[lang]);
        p.Add("Level001.txt", g.catalogue.LevelFile());
        p.Add("s_Mesh.txt", g.catalogue.MeshFile());
        for (int font = 0; font < 4; ++font) {
            std::string list;
            const size_t count = (cyrillic ? CyrillicGlyphs() : LatinGlyphs()).size();
            for (size_t n = 0; n < count; ++n) list += GlyphFileName(font, int(n), cyrillic) + "\n";
            p.Add("Schrift00" + std::to_string(font) + ".txt", list);
        }
    }
}

}  // namespace content
