// The generator's own building blocks: pack writer, X-file writer, text encoding.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <stdexcept>

#include <unistd.h>

#include "content/art.h"
#include "content/fonts.h"
#include "content/generator.h"
#include "content/pack_writer.h"
#include "content/speech.h"
#include "content/texts.h"
#include "content/xfile_writer.h"
#include "framework/packarchiv.h"
#include "platform/xfile.h"

namespace {

std::filesystem::path TempFolder(const std::string& name) {
    const auto dir = std::filesystem::path(::testing::TempDir()) / ("content_" + name + "_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    return dir;
}

TEST(PackWriter, GameReaderFindsMembersAndSameInputGivesSameBytes) {
    const auto dir = TempFolder("pack");
    const auto old = std::filesystem::current_path();
    std::filesystem::current_path(dir);
    content::PackWriter p;
    p.Add("Level001.txt", std::string("[Load_Models]\n"));
    p.Add("ui_001.png", std::vector<uint8_t>{1, 2, 3});
    p.Add("UI_001.PNG", std::vector<uint8_t>{4, 5});  // replaces the member of the same name
    EXPECT_EQ(p.Count(), 2u);
    const std::vector<uint8_t> bytes = p.Build();
    EXPECT_EQ(bytes, p.Build());
    {
        std::ofstream("test.gzp", std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    uint32_t size = 0;
    auto data = EntpackeDatei("test.gzp", "Ui_001.png", &size);
    ASSERT_TRUE(data);
    EXPECT_EQ(size, 2u);
    EXPECT_EQ(data[0], 4);
    EXPECT_FALSE(EntpackeDatei("test.gzp", "missing.txt"));
    std::filesystem::current_path(old);
    std::filesystem::remove_all(dir);
}

TEST(XFileWriter, BoxLoadsWithOutwardFacesAndItsTexture) {
    content::XMesh m;
    const int mat = m.AddMaterial({1, 0.5f, 0.25f, 1, "holz.png"});
    m.AddBox({-1, 0, -2}, {1, 3, 2}, mat);
    m.AddCylinder(5, 5, 1, 0, 2, 8, mat);
    const std::string text = m.ToText();
    gfx::MeshData d;
    std::string error;
    ASSERT_TRUE(gfx::DecodeXFile(reinterpret_cast<const uint8_t*>(text.data()), text.size(), d, error)) << error;
    ASSERT_EQ(d.materials.size(), 1u);
    EXPECT_EQ(d.materials[0].textureFile, "holz.png");
    EXPECT_EQ(d.indices.size(), (12u + 8u * 4u) * 3u);
    // Every triangle's front, (b - a) x (c - a), points away from its shape's centre.
    for (size_t t = 0; t < d.indices.size(); t += 3) {
        const gfx::Vertex &a = d.vertices[d.indices[t]], &b = d.vertices[d.indices[t + 1]], &c = d.vertices[d.indices[t + 2]];
        const float ux = b.x - a.x, uy = b.y - a.y, uz = b.z - a.z, vx = c.x - a.x, vy = c.y - a.y, vz = c.z - a.z;
        const float nx = uy * vz - uz * vy, ny = uz * vx - ux * vz, nz = ux * vy - uy * vx;
        const bool cylinder = a.x > 3;
        const float cx = cylinder ? 5 : 0, cy = cylinder ? 1 : 1.5f, cz = cylinder ? 5 : 0;
        const float mx = (a.x + b.x + c.x) / 3 - cx, my = (a.y + b.y + c.y) / 3 - cy, mz = (a.z + b.z + c.z) / 3 - cz;
        EXPECT_GT(nx * mx + ny * my + nz * mz, 0.0f) << "triangle " << t / 3;
        EXPECT_GT(nx * a.nx + ny * a.ny + nz * a.nz, 0.0f) << "normal of triangle " << t / 3;
    }
}

TEST(TextEncoding, BlanksAndBreaksBecomeTokensAndUndrawableCharactersAreRefused) {
    EXPECT_EQ(content::EncodeEntry("Weiter gehts|los", false), "Weiter_gehts@los");
    EXPECT_EQ(content::EncodeEntry("Grün’s", false), "Gr\xFCn\x92s");
    EXPECT_EQ(content::EncodeEntry("Привет Ёж ещё", true), "\xCF\xF0\xE8\xE2\xE5\xF2_\xA8\xE6_\xE5\xF9\xE5");
    EXPECT_THROW(content::EncodeEntry("Grüße", false), std::runtime_error);      // no glyph for sharp s
    EXPECT_THROW(content::EncodeEntry("Hallo", true), std::runtime_error);      // Latin letters do not advance in Cyrillic mode
    EXPECT_THROW(content::EncodeEntry("50 € {x}", false), std::runtime_error);
    EXPECT_EQ(content::ToCyrillic("Heinrich"), "Хайнрих");
    EXPECT_EQ(content::ToCyrillic("Jürgen"), "Юрген");
    EXPECT_EQ(content::ToCyrillic("Schmidt"), "Шмидт");
}

TEST(ArtTable, EveryIndexOnceAndSizesFitTheTable) {
    std::set<int> seen;
    for (const content::ArtEntry& e : content::ArtTable()) {
        EXPECT_TRUE(seen.insert(e.index).second) << "index twice: " << e.index;
        EXPECT_GE(e.index, 0);
        EXPECT_LT(e.index, 1000);
        EXPECT_GT(e.w, 0);
        EXPECT_GT(e.h, 0);
    }
}

// Pieces the screens draw at one size only are painted at that size, so they are not stretched.
TEST(ArtTable, PiecesHaveTheSizeTheScreensDrawThemAt) {
    const int groesse[][3] = {{139, 512, 512}, {147, 225, 34}, {148, 478, 54}, {150, 797, 184}, {160, 512, 32},
                              {161, 32, 32},   {174, 248, 265}, {193, 64, 64},  {196, 64, 64},   {252, 288, 52},
                              {260, 215, 22},  {261, 64, 64}};
    for (const auto& [index, w, h] : groesse) {
        const content::ArtEntry* gefunden = nullptr;
        for (const content::ArtEntry& e : content::ArtTable())
            if (e.index == index) gefunden = &e;
        ASSERT_NE(gefunden, nullptr) << index;
        EXPECT_EQ(gefunden->w, w) << index;
        EXPECT_EQ(gefunden->h, h) << index;
    }
}

TEST(ArtTable, PaintingIsRepeatable) {
    for (const content::ArtEntry& e : content::ArtTable())
        if (e.index == 1 || e.index == 147 || e.index == 75 || e.index == 109) {
            EXPECT_EQ(content::PaintArt(e).ToImage().rgba, content::PaintArt(e).ToImage().rgba) << e.index;
        }
}

// Where-am-I shows the town record's name and then plays "Ort/<town index>.wav": the file must
// say that same name (town 0 carries name 7, town 9 name 0).
TEST(Speech, EachTownFileSaysTheNameItsTownIsShownWith) {
    std::vector<std::string> ort;
    for (int i = 0; i < 20; ++i) ort.push_back("Name" + std::to_string(i));
    EXPECT_EQ(content::SpokenTownName(ort, 0), "Name7");
    EXPECT_EQ(content::SpokenTownName(ort, 9), "Name0");
    EXPECT_EQ(content::SpokenTownName(ort, 19), "Name19");
}

TEST(Settings, PlayerFilesAreWrittenOnlyWhenMissing) {
    const auto dir = TempFolder("settings");
    content::Generator g;
    g.outDir = dir.string();
    std::filesystem::create_directories(dir / "Data");
    std::ofstream(dir / "Data" / "Setup.txt") << "LAN 2\n";
    content::MakeSettings(g);
    std::ifstream setup(dir / "Data" / "Setup.txt");
    std::string all((std::istreambuf_iterator<char>(setup)), {});
    EXPECT_EQ(all, "LAN 2\n");
    std::ifstream save(dir / "save" / "save.dat");
    std::string names((std::istreambuf_iterator<char>(save)), {});
    std::string leer;
    for (int k = 0; k < 20; ++k) leer += "\r\n";
    EXPECT_EQ(names, leer);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "save" / "slot19"));
    std::filesystem::remove_all(dir);
}

}  // namespace
