#include "platform/video.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>
#include <utility>

#include "platform/gfx_recording.h"
#include "tests/audio_files.h"
#include "tests/verformt.h"

namespace {

class VideoTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir = testfiles::Folder("video");
        ASSERT_TRUE(testfiles::WriteAvi(dir + "/clip.avi", 0.5));
        ASSERT_TRUE(testfiles::Run("ffmpeg -v error -y -f lavfi -i color=c=red:size=64x48:rate=10:duration=0.3 "
                                   "-c:v mpeg4 '" + dir + "/red.avi'"));
        ASSERT_TRUE(testfiles::Run("ffmpeg -v error -y -filter_complex \"color=c=blue:size=666x50:rate=10:duration=0.3[b];"
                                   "color=c=red:size=333x50:rate=10:duration=0.3[r];[b][r]overlay\" "
                                   "-c:v mpeg4 '" + dir + "/halves.avi'"));
        // The second frame's time stamp moved years on, as a damaged file has it.
        ASSERT_TRUE(testfiles::Run("ffmpeg -v error -y -i '" + dir + "/red.avi' -c copy -bsf:v "
                                   "\"setts=pts='if(eq(N,1),PTS+10000000000/TB,PTS)':dts='if(eq(N,1),DTS+10000000000/TB,DTS)'\" '" +
                                   dir + "/fern.mkv'"));
        testfiles::WriteWav(dir + "/tone.wav", 0.2);
        std::vector<uint8_t> junk(4096, 0x5A);
        FILE* f = std::fopen((dir + "/junk.avi").c_str(), "wb");
        std::fwrite(junk.data(), 1, junk.size(), f);
        std::fclose(f);
    }
    static void TearDownTestSuite() { std::filesystem::remove_all(dir); }
    static std::string dir;
};
std::string VideoTest::dir;

size_t Count(const gfx::RecordingDevice& dev, gfx::CallType type) {
    size_t n = 0;
    for (const gfx::Call& c : dev.Calls()) n += c.type == type;
    return n;
}

TEST_F(VideoTest, PlaysEveryFrameAtItsOwnPaceFullScreen) {
    video::Player player;
    std::string error;
    ASSERT_TRUE(player.Open(dir + "/clip.avi", error)) << error;
    ASSERT_TRUE(player.HasVideo());
    gfx::RecordingDevice dev;
    auto start = std::chrono::steady_clock::now();
    video::Player::Status status = video::Player::Status::Playing;
    for (int i = 0; i < 2000 && status == video::Player::Status::Playing; ++i) {
        status = player.Step(dev);
        std::this_thread::sleep_for(std::chrono::milliseconds(std::min(player.MsUntilNextFrame(), 20u)));
    }
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(status, video::Player::Status::Ended);
    EXPECT_GE(seconds, 0.35);  // five frames at 10 a second are not rushed through
    EXPECT_EQ(Count(dev, gfx::CallType::CreateTexture), 1u);
    size_t presents = Count(dev, gfx::CallType::Present);
    EXPECT_GE(presents, 3u);
    EXPECT_LE(presents, 5u);
    EXPECT_EQ(Count(dev, gfx::CallType::UpdateTexture), presents - 1);
    auto draws = dev.Draws();
    ASSERT_FALSE(draws.empty());
    const gfx::Call& draw = *draws.back();
    ASSERT_EQ(draw.vertices.size(), 4u);
    // the quad's corners land on the screen's corners
    for (const gfx::Vertex& v : draw.vertices) {
        math3d::Vec3 p = math3d::TransformCoord({v.x, v.y, v.z}, draw.state.Get(gfx::TransformType::Projection));
        EXPECT_NEAR(std::abs(p.x), 1.0f, 1.0f / 512);
        EXPECT_NEAR(std::abs(p.y), 1.0f, 1.0f / 384);
    }
    player.Close();
    EXPECT_EQ(Count(dev, gfx::CallType::ReleaseTexture), 1u);
}

TEST_F(VideoTest, UnreadableFilesAndFilesWithoutPictures) {
    video::Player player;
    std::string error;
    EXPECT_FALSE(player.Open(dir + "/missing.avi", error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(player.Open(dir + "/junk.avi", error));
    ASSERT_TRUE(player.Open(dir + "/tone.wav", error));
    EXPECT_FALSE(player.HasVideo());
    gfx::RecordingDevice dev;
    EXPECT_EQ(player.Step(dev), video::Player::Status::Failed);
    EXPECT_TRUE(dev.Calls().empty());
}

TEST_F(VideoTest, FillsTheScreenThroughOpenGL) {
    struct Fall {
        const char* datei;
        std::vector<std::pair<int, int>> rot, blau;  // screen points of each colour
    };
    const Fall faelle[] = {
        {"red.avi", {{0, 0}, {1023, 0}, {0, 767}, {1023, 767}, {512, 384}}, {}},
        // 666 wide, no multiple of eight: swscale's vector code writes past such a row's end.
        {"halves.avi", {{0, 0}, {0, 767}, {400, 384}}, {{1023, 0}, {1023, 767}, {624, 384}}},
    };
    std::string error;
    std::unique_ptr<gfx::Device> dev = gfx::CreateGLDevice(nullptr, error);
    ASSERT_TRUE(dev) << error;
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.datei);
        video::Player player;
        ASSERT_TRUE(player.Open(dir + "/" + fall.datei, error)) << error;
        while (player.Step(*dev) == video::Player::Status::Playing)
            std::this_thread::sleep_for(std::chrono::milliseconds(std::min(player.MsUntilNextFrame(), 20u)));
        std::vector<uint8_t> frame = dev->ReadBackBuffer();
        ASSERT_EQ(frame.size(), size_t(gfx::kScreenWidth) * gfx::kScreenHeight * 4);
        auto pruefe = [&](const std::vector<std::pair<int, int>>& punkte, int kanal) {
            for (auto [x, y] : punkte) {
                const uint8_t* px = &frame[(size_t(y) * gfx::kScreenWidth + x) * 4];
                for (int k = 0; k < 3; ++k)
                    if (k == kanal) EXPECT_GT(px[k], 200) << x << "," << y;
                    else EXPECT_LT(px[k], 60) << x << "," << y;
            }
        };
        pruefe(fall.rot, 0);
        pruefe(fall.blau, 2);
        player.Close();
    }
}

TEST_F(VideoTest, DamagedFilesNeverCrash) {
    const std::string path = dir + "/damaged.avi";
    for (const std::vector<uint8_t>& avi : Verformt(testfiles::ReadAll(dir + "/clip.avi"), 60)) {
        FILE* out = std::fopen(path.c_str(), "wb");
        ASSERT_NE(out, nullptr);
        std::fwrite(avi.data(), 1, avi.size(), out);
        std::fclose(out);
        gfx::RecordingDevice dev;  // outlives the player, which releases its texture on it
        video::Player player;
        std::string error;
        if (!player.Open(path, error)) continue;
        for (int i = 0; i < 30 && player.Step(dev) == video::Player::Status::Playing; ++i) {
        }
    }
}

TEST_F(VideoTest, AFrameDueYearsAheadGivesTheLongestWait) {
    gfx::RecordingDevice dev;  // outlives the player, which frees its texture on it
    video::Player player;
    std::string error;
    ASSERT_TRUE(player.Open(dir + "/fern.mkv", error)) << error;
    EXPECT_EQ(player.Step(dev), video::Player::Status::Playing);
    EXPECT_EQ(player.MsUntilNextFrame(), UINT32_MAX);
}

TEST_F(VideoTest, AGiantPictureIsRefusedNotDecoded) {
    // 4200 x 4200: more than the 4096 x 4096 the player decodes.
    ASSERT_TRUE(testfiles::Run("ffmpeg -v error -y -f lavfi -i color=c=blue:size=4200x4200:rate=10:duration=0.1 "
                               "-c:v mpeg4 '" + dir + "/riesig.avi'"));
    gfx::RecordingDevice dev;
    video::Player player;
    std::string error;
    if (player.Open(dir + "/riesig.avi", error)) {
        EXPECT_EQ(player.Step(dev), video::Player::Status::Failed);
    }
    EXPECT_EQ(Count(dev, gfx::CallType::CreateTexture), 0u);
}

}  // namespace
