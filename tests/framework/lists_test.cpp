#include "framework/lists.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "../arbeitsordner.h"
#include "pack_helfer.h"
#include "app_fixture.h"
#include "framework/items.h"
#include "framework/setup.h"
#include "framework/shell.h"
#include "platform/window.h"
#include "platform/image.h"
#include "platform/os.h"
#include "world/records.h"


class Listen : public Arbeitsordner {
protected:
    gfx::RecordingDevice* dev = nullptr;
    std::vector<std::string> boxen;

    void SetUp() override
    {
        Arbeitsordner::SetUp();
        auto d = std::make_unique<gfx::RecordingDevice>();
        dev = d.get();
        MyApp.m_pd3dDevice = std::move(d);
        os::CaptureMessageBoxes(&boxen);
        // A missing model posts the close message: it must not reach the game's window procedure.
        win::SetWindowProc([](uint32_t, uintptr_t, intptr_t) -> intptr_t { return 0; });
        Sprache = 0;
    }
    void TearDown() override
    {
        win::PumpMessages();
        win::SetWindowProc(WndProc);
        os::CaptureMessageBoxes(nullptr);
        MyApp.Shutdown();
        Sprache = 0;
        Arbeitsordner::TearDown();
    }
    int Breite(gfx::Texture t)
    {
        int w = 0, h = 0;
        return dev->TextureSize(t, w, h) ? w : 0;
    }
};

TEST_F(Listen, LevelTexturesReadTheirSectionOnly)
{
    Schreibe("Data/Pack3.gzp", Pack({{"a.png", Png(1)}, {"c.png", Png(2)}, {"m.png", Png(3)}}));
    Schreibe("Level001.txt",
             "vorher 7 [Load_Models] m.png 5 NULL\n[Load_Texturen] a.png\n3 b.png 1000 c.png 4 "
             "[Load_Energie] m.png 6 [Load_Texturen] [Load_Energie] m.png 7 [Load_Texturen] ../m.png 8");
    LadeLevelTexturen("Level001.txt");
    EXPECT_NE(MyApp.Texturen[3], 0u);
    EXPECT_NE(MyApp.Texturen[4], 0u);  // after the entry with index 1000, which is passed over
    EXPECT_EQ(MyApp.Texturen[5], 0u);
    EXPECT_EQ(MyApp.Texturen[6], 0u);
    EXPECT_EQ(MyApp.Texturen[7], 0u);  // a marker is never a file name
    EXPECT_EQ(MyApp.Texturen[8], 0u);  // nor is a path out of the working directory, reported as missing
    EXPECT_FALSE(os::FileExists("a.png"));
    EXPECT_FALSE(os::FileExists("c.png"));
    EXPECT_EQ(boxen, std::vector<std::string>{"../m.png|Texture nicht gefunden"});
    boxen.clear();

    // Loading a slot again releases the old texture.
    const gfx::Texture alt = MyApp.Texturen[3];
    LadeLevelTexturen("Level001.txt");
    int w, h;
    EXPECT_FALSE(alt != MyApp.Texturen[3] && dev->TextureSize(alt, w, h));
}

TEST_F(Listen, EnergyTexturesKeepTheirListPlaces)
{
    Schreibe("Data/Pack4.gzp", Pack({{"e0.png", Png(1)}, {"e2.png", Png(2)}}));
    Schreibe("Level001.txt", "[Load_Energie] e0.png fehlt.png e2.png [Load_Models] x.x 1 NULL");
    LadeEnergieTexturen("Level001.txt");
    EXPECT_NE(MyApp.EnergieTexturen[0], 0u);
    EXPECT_EQ(MyApp.EnergieTexturen[1], 0u);
    EXPECT_NE(MyApp.EnergieTexturen[2], 0u);
    ASSERT_EQ(boxen.size(), 1u);
    EXPECT_EQ(boxen[0], "fehlt.png|Texture nicht gefunden (Energie)");
}

TEST_F(Listen, GlyphsComeFromThePackOfFontAndLanguage)
{
    Schreibe("Data/Pack7.gzp", Pack({{"g.png", Png(1)}}));
    Schreibe("Data/Pack7r.gzp", Pack({{"g.png", Png(2)}, {"h.png", Png(3)}}));
    Schreibe("Schrift002.txt", "g.png\nh.png");
    Sprache = 2;
    LadeSchrift("Schrift002.txt", 2);
    EXPECT_NE(MyApp.SchriftTexturen[200], 0u);
    EXPECT_NE(MyApp.SchriftTexturen[201], 0u);
    Sprache = 0;
    LadeSchrift("Schrift002.txt", 2);
    EXPECT_NE(MyApp.SchriftTexturen[200], 0u);
    ASSERT_EQ(boxen.size(), 1u);
    EXPECT_EQ(boxen[0], "h.png|Schrift-Texture nicht gefunden");
    LadeSchrift("Schrift002.txt", 4);  // no such font: nothing
    EXPECT_EQ(boxen.size(), 1u);
}

TEST_F(Listen, FloorTilesAndLevelModelTextures)
{
    Schreibe("Data/Pack2.gzp", Pack({{"t0.png", Png(1)}, {"t1.png", Png(2)}}));
    Schreibe("Boden.txt", "[Load_Boden_Tiles] t0.png t1.png");
    LadeBodenTiles("Boden.txt");
    EXPECT_NE(MyApp.BodenTexturen[0], 0u);
    EXPECT_NE(MyApp.BodenTexturen[1], 0u);

    // A slot outside the mesh table is passed over with its texture token.
    Schreibe("Data/Pack11.gzp", Pack({{"s.png", Png(1)}}));
    Schreibe("Level001.txt", "[Load_Models] m.x 20000 s.png");
    LadeLevelModelle("Level001.txt");
    EXPECT_TRUE(boxen.empty());
}

class Items : public Listen {};

TEST_F(Items, RecordsLandAtTheirIdentifiersIndex)
{
    EXPECT_STREQ(ItemIds[0], "O_Arzt_Koffer");
    EXPECT_STREQ(ItemIds[28], "O_Munition");
    EXPECT_STREQ(ItemIds[191], "O_Ratte_Neu");
    EXPECT_EQ(ItemIndex("O_Munition"), 28);
    EXPECT_EQ(ItemIndex("o_munition"), -1);

    std::memset(ItemNamen, 0, sizeof ItemNamen);
    std::memset(ItemWerte, 0, sizeof ItemWerte);
    Schreibe("Data/Pack1.gzp", Pack({{"i28.png", Png(1)}, {"i5.png", Png(2)}}));
    Schreibe("Items.txt", "[Load_Items] O_Munition NULL i28.png Munition Schuss 12 "
                          "O_Unbekannt NULL i5.png Falsch Falsch 99 "
                          "O_Eisenstangen NULL i5.png " + std::string(300, 'x') + " Stange 7");
    LadeItems("Items.txt");
    EXPECT_STREQ(ItemNamen[28], "Munition");
    EXPECT_EQ(ItemWerte[28], 12);
    EXPECT_EQ(std::strlen(ItemNamen[5]), 255u);  // cut to its field
    EXPECT_STREQ(ItemTexte[5], "Stange");
    EXPECT_EQ(ItemWerte[5], 7);
    EXPECT_NE(ItemIconTextur(28), 0u);
    EXPECT_NE(ItemIconTextur(5), 0u);
    EXPECT_EQ(ItemIconTextur(6), 0u);

    // A second run gives the same tables; icons of the first run are released.
    const gfx::Texture alt = ItemIconTextur(28);
    LadeItems("Items.txt");
    int w, h;
    EXPECT_FALSE(alt != ItemIconTextur(28) && dev->TextureSize(alt, w, h));
    EXPECT_STREQ(ItemNamen[28], "Munition");
    EXPECT_EQ(ItemWerte[28], 12);

    // Words from a save never name a texture by themselves.
    ItemIcons[28] = 0xDEADBEEF;
    EXPECT_EQ(ItemIconTextur(28), 0u);
}

// The crate is loaded with item 0; without it in the pack, the model loader reports it missing.
TEST_F(Items, TheCrateComesWithItemZeroAndIsReportedWhenMissing)
{
    const std::string kiste = "xof 0303txt 0032\nMesh { 3; 0.0;0.0;0.0;, 1.0;0.0;0.0;, 0.0;1.0;0.0;; 1; 3;0,1,2;; }\n";
    Schreibe("Data/Pack1.gzp", Pack({{"i0.png", Png(1)}}));
    Schreibe("Items.txt", "[Load_Items] O_Arzt_Koffer NULL i0.png Koffer Arzt 3");
    for (bool daDrin : {true, false}) {
        SCOPED_TRACE(daDrin);
        boxen.clear();
        MyApp.Shutdown();
        MyApp.m_pd3dDevice = std::make_unique<gfx::RecordingDevice>();
        Schreibe("Data/Pack9.gzp", daDrin ? Pack({{"Itemkiste_000.x", kiste}}) : Pack({{"anderes.x", kiste}}));
        LadeItems("Items.txt");
        EXPECT_EQ(MyApp.Meshes[1000] != 0, daDrin);
        EXPECT_EQ(boxen, daDrin ? std::vector<std::string>{} : std::vector<std::string>{"Model nicht gefunden:|Itemkiste_000.x"});
        EXPECT_FALSE(std::filesystem::exists("Itemkiste_000.x"));
    }
}

// A name that could leave the working directory is never read; each loader reports it as it reports a
// missing file (the models' message also closes the game), and the figure frames stay silent.
// The pictures are decoded ahead on worker threads: the textures must still be made one by one in
// list order (their handles rising with it), each from its own file, with a damaged or missing file
// reported at its place. More files than are decoded ahead at once.
TEST_F(Listen, LevelTexturesAreMadeInListOrderFromTheirOwnFiles)
{
    std::vector<std::pair<std::string, std::string>> mitglieder;
    std::string liste = "[Load_Texturen]";
    constexpr int kAnzahl = 30;
    for (int i = 0; i < kAnzahl; ++i) {
        const std::string name = std::string("t") + std::to_string(i) + ".png";
        liste += " " + name + " " + std::to_string(100 + i);
        if (i == 7) continue;  // not in the pack
        if (i == 12) {
            mitglieder.emplace_back(name, "kein Bild");
            continue;
        }
        image::Image img;
        img.width = i + 1;
        img.height = 1;
        img.rgba.assign(size_t(img.width) * 4, 200);
        std::string fehler;
        ASSERT_TRUE(image::SavePng("tmp.png", img, fehler)) << fehler;
        std::ifstream f("tmp.png", std::ios::binary);
        mitglieder.emplace_back(name, std::string((std::istreambuf_iterator<char>(f)), {}));
    }
    std::filesystem::remove("tmp.png");
    Schreibe("Data/Pack3.gzp", Pack(mitglieder));
    Schreibe("Level001.txt", liste);

    LadeLevelTexturen("Level001.txt");
    gfx::Texture vorher = 0;
    for (int i = 0; i < kAnzahl; ++i) {
        const gfx::Texture t = MyApp.Texturen[100 + i];
        if (i == 7 || i == 12) {
            EXPECT_EQ(t, 0u) << i;
            continue;
        }
        EXPECT_GT(t, vorher) << i;
        EXPECT_EQ(Breite(t), i + 1) << i;
        vorher = t;
    }
    EXPECT_EQ(boxen, (std::vector<std::string>{"t7.png|Texture nicht gefunden", "t12.png|Texture nicht gefunden"}));
}

TEST_F(Listen, UnsafeNamesAreReportedAsMissing)
{
    // A real file where the unsafe names point, so a reader that followed them would find it.
    Schreibe("../boese.png", Png(1));
    struct Fall {
        const char* datei;
        const char* inhalt;
        void (*laden)(const char*);
        std::vector<std::string> meldungen;
    };
    const Fall faelle[] = {
        {"s_Mesh.txt", "[Load_Models] ../boese.x 5", LadeMeshes, {"Model nicht gefunden:|../boese.x"}},
        {"Level001.txt", "[Load_Models] ../boese.x 6 ../boese.png", LadeLevelModelle,
         {"Model nicht gefunden:|../boese.x", "../boese.png|Texture nicht gefunden"}},
        {"Level001.txt", "[Load_Energie] ../boese.png", LadeEnergieTexturen, {"../boese.png|Texture nicht gefunden (Energie)"}},
        {"Boden.txt", "[Load_Boden_Tiles] ../boese.png", LadeBodenTiles, {"../boese.png|Texture nicht gefunden"}},
        {"Fig_Anims.txt", "[Load_Fig_Anim] ../boese.x", LadeFigAnims, {}},
        {"Items.txt", "[Load_Items] O_Munition ../boese.png ../boese.png N T 1", LadeItems,
         {"../boese.png|Texture nicht gefunden", "../boese.png|Texture nicht gefunden"}},
    };
    for (const Fall& f : faelle) {
        boxen.clear();
        Schreibe(f.datei, f.inhalt);
        f.laden(f.datei);
        EXPECT_EQ(boxen, f.meldungen) << f.inhalt;
    }
    EXPECT_EQ(MyApp.BodenTexturen[0], 0u);
    EXPECT_EQ(MyApp.EnergieTexturen[0], 0u);
    std::filesystem::remove("../boese.png");
}

// Each model lands in the slot its list gives: "s_Mesh.txt" by the number after it, the figure frames
// from slot 2000 on in list order, without materials.
TEST_F(Listen, ModelsLandInTheSlotsOfTheirLists)
{
    auto modell = [](int x) {
        const std::string p = std::to_string(x) + ".0";
        return "xof 0303txt 0032\nMesh { 3; " + p + ";0.0;0.0;, " + p + ";1.0;0.0;, " + p + ";0.0;1.0;; 1; 3;0,1,2;; }\n";
    };
    Schreibe("Data/Pack9.gzp", Pack({{"a.x", modell(1)}, {"b.x", modell(2)}, {"c.x", modell(3)}}));
    Schreibe("Data/Pack12.gzp", Pack({{"f0.x", modell(10)}, {"f1.x", modell(11)}, {"f2.x", modell(12)}}));
    Schreibe("s_Mesh.txt", "[Load_Models] a.x 7 b.x 9003\nc.x\n1191");
    Schreibe("Fig_Anims.txt", "[Load_Fig_Anim] f0.x f1.x\nf2.x");
    LadeMeshes("s_Mesh.txt");
    LadeFigAnims("Fig_Anims.txt");
    const std::pair<int, float> slots[] = {{7, 1}, {9003, 2}, {1191, 3}, {2000, 10}, {2001, 11}, {2002, 12}};
    for (const auto& [slot, x] : slots) {
        const gfx::MeshData* m = dev->MeshOf(MyApp.Meshes[slot]);
        ASSERT_NE(m, nullptr) << slot;
        EXPECT_EQ(m->vertices[0].x, x) << slot;
        EXPECT_EQ(MyApp.MeshMaterialien[slot].size(), slot >= 2000 && slot < 9000 ? 0u : 1u) << slot;
    }
    EXPECT_EQ(MyApp.Meshes[2003], 0u);
    EXPECT_TRUE(boxen.empty());
}

// The figure frames read ahead (while the intro plays) land as a plain load puts them, in list
// order; a list that changed meanwhile is loaded as it is now, not as it was read ahead.
TEST_F(Listen, FigureFramesReadAheadLandAsLoadedAtTheirTurn)
{
    auto modell = [](int x) {
        const std::string p = std::to_string(x) + ".0";
        return "xof 0303txt 0032\nMesh { 3; " + p + ";0.0;0.0;, " + p + ";1.0;0.0;, " + p + ";0.0;1.0;; 1; 3;0,1,2;; }\n";
    };
    Schreibe("Data/Pack12.gzp", Pack({{"f0.x", modell(10)}, {"f1.x", modell(11)}, {"f2.x", modell(12)}}));
    auto ladeUndPruefe = [&](const std::vector<std::pair<int, float>>& slots) {
        gfx::Mesh vorher = 0;
        for (const auto& [slot, x] : slots) {
            ASSERT_GT(MyApp.Meshes[slot], vorher) << slot;  // made in list order
            vorher = MyApp.Meshes[slot];
            const gfx::MeshData* m = dev->MeshOf(MyApp.Meshes[slot]);
            ASSERT_NE(m, nullptr) << slot;
            EXPECT_EQ(m->vertices[0].x, x) << slot;
        }
    };
    Schreibe("Fig_Anims.txt", "[Load_Fig_Anim] f2.x f0.x f1.x");
    LadeFigAnimsVoraus("Fig_Anims.txt");
    LadeFigAnims("Fig_Anims.txt");
    ladeUndPruefe({{2000, 12}, {2001, 10}, {2002, 11}});

    LadeFigAnimsVoraus("Fig_Anims.txt");
    Schreibe("Fig_Anims.txt", "[Load_Fig_Anim] f1.x f2.x");
    LadeFigAnims("Fig_Anims.txt");
    ladeUndPruefe({{2000, 11}, {2001, 12}});
    EXPECT_TRUE(boxen.empty());
}
