// The world part of the generated data set (build/game), loaded the way the game loads it: the
// figures' animation meshes through the X loader, and every model and floor tile the maps name.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

#include "content/town_maps.h"
#include "framework/lists.h"
#include "framework/myapp.h"
#include "framework/packarchiv.h"
#include "framework/setup.h"
#include "platform/gfx_recording.h"
#include "platform/os.h"
#include "platform/xfile.h"
#include "world/gamefiles.h"
#include "world/records.h"
#include "world/spielglobals.h"

namespace fs = std::filesystem;

namespace {

const fs::path kGame = fs::path(VELQUOR_BINARY_DIR) / "game";

class WeltDaten : public ::testing::Test {
protected:
    fs::path alt, ordner;
    std::vector<std::string> meldungen;

    void SetUp() override {
        ASSERT_TRUE(fs::exists(kGame / "Data" / "Pack12.gzp")) << "the default build makes the data set first";
        ordner = fs::path(::testing::TempDir()) /
                 ("welt_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "_" +
                  std::to_string(getpid()));
        fs::create_directories(ordner);
        fs::create_directory_symlink(kGame / "Data", ordner / "Data");
        alt = fs::current_path();
        fs::current_path(ordner);
        os::CaptureMessageBoxes(&meldungen);
        MyApp.m_pd3dDevice = gfx::CreateRecordingDevice();
        Sprache = 0;
        for (const char* liste : {"Fig_Anims.txt", "Level001.txt", "s_Mesh.txt", "Boden.txt"})
            ASSERT_TRUE(EntpackeDatei("Data/Pack16.gzp", liste)) << liste;
    }
    void TearDown() override {
        os::CaptureMessageBoxes(nullptr);
        MyApp.Shutdown();
        fs::current_path(alt);
        fs::remove_all(ordner);
    }
};

TEST_F(WeltDaten, EveryAnimationSlotHoldsABodyPartOfTheFigure) {
    LadeFigAnims("Fig_Anims.txt");
    for (int slot = 2000; slot <= 3724; ++slot) EXPECT_NE(MyApp.Meshes[slot], 0u) << "animation slot " << slot;

    // The standing figure's parts: about 18 units tall, the head round y 16.7, facing +z.
    float unten = 1e9f, oben = -1e9f, kopfMitte = 0;
    for (int teil = 0; teil < 5; ++teil) {
        std::ifstream liste("Fig_Anims.txt");
        std::string wort;
        // Entry teil * 12 is frame 0 of part `teil` in the idle block.
        int n = -1;
        while (liste >> wort)
            if (wort[0] != '[' && ++n == teil * 12) break;
        ASSERT_TRUE(EntpackeDatei("Data/Pack12.gzp", wort.c_str())) << wort;
        gfx::MeshData mesh;
        std::string fehler;
        ASSERT_TRUE(gfx::LoadXFile(wort, mesh, fehler)) << fehler;
        ASSERT_FALSE(mesh.vertices.empty());
        float lo = 1e9f, hi = -1e9f;
        for (const gfx::Vertex& v : mesh.vertices) {
            lo = std::min(lo, v.y);
            hi = std::max(hi, v.y);
        }
        unten = std::min(unten, lo);
        oben = std::max(oben, hi);
        if (teil == 1) kopfMitte = (lo + hi) / 2;
    }
    EXPECT_NEAR(unten, 0.0f, 0.5f);
    EXPECT_NEAR(oben, 18.0f, 1.0f);
    EXPECT_NEAR(kopfMitte, 16.7f, 0.6f);
}

TEST_F(WeltDaten, EveryModelAndFloorTileTheMapsNameIsLoaded) {
    LadeLevelModelle("Level001.txt");
    LadeMeshes("s_Mesh.txt");
    LadeBodenTiles("Boden.txt");
    EXPECT_TRUE(meldungen.empty()) << meldungen.size() << " messages, the first: " << meldungen.front();
    std::set<int> modelle;
    for (const content::KartenPlan& p : content::AlleKarten()) {
        std::string fehler;
        ASSERT_TRUE(LeseStadtDatei((kGame / p.karte).string(), &fehler)) << fehler;
        for (const ObjektRecord& o : StadtObjekte)
            if (o.Aktiv) modelle.insert(o.Modell);
        for (auto& zeile : BodenKarte)
            for (BodenTile& t : zeile) EXPECT_NE(MyApp.BodenTexturen[t.BasisTextur], 0u) << p.name;
    }
    // Plants, blood stains and the encounter scatter come from the game itself.
    for (int slot : {5036, 5037, 9013, 5001, 5003, 5004, 5011, 5024, 5074, 5080, 5081, 5083, 5084, 5107, 5108,
                     5109, 5110, 5111, 5113, 5114, 5116, 5119, 5125, 5126, 5127, 5201, 5202, 5215, 5217, 5218,
                     5219, 5220})
        modelle.insert(slot);
    for (int slot : modelle) {
        EXPECT_NE(MyApp.Meshes[slot], 0u) << "model " << slot;
        EXPECT_NE(MyApp.MeshTexturen[slot].empty() ? 0u : MyApp.MeshTexturen[slot][0], 0u) << "texture of model " << slot;
    }
    for (int slot : {9002, 9004, 9009, 9010, 9011, 9012, 9014, 9015, 9016, 9017, 9018, 9019}) {
        EXPECT_NE(MyApp.Meshes[slot], 0u) << "model " << slot;
        EXPECT_FALSE(MyApp.MeshTexturen[slot].empty()) << "texture of model " << slot;
    }
}

}  // namespace
