#include "platform/audio.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

#include "tests/audio_files.h"
#include "tests/verformt.h"

namespace {

// Waits for something the audio thread does; generous, so a busy machine does not fail it.
bool WaitFor(const std::function<bool()>& done, double seconds = 5) {
    auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

TEST(AudioGain, HundredthsOfADecibelToLinear) {
    struct Case { float hundredths, gain; } cases[] = {
        {0, 1.0f}, {-600, 0.50119f}, {-2000, 0.1f}, {-3000, 0.031623f}, {-6000, 0.001f},
        {-9600, 0.0f}, {-12000, 0.0f}, {500, 1.0f},  // clamped at both ends
    };
    for (const Case& c : cases)
        EXPECT_NEAR(audio::GainFromHundredthsDb(c.hundredths), c.gain, 1e-4f) << c.hundredths;
}

class AudioTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir = testfiles::Folder("audio");
        testfiles::WriteWav(dir + "/short.wav", 0.15);
        testfiles::WriteWav(dir + "/long.wav", 2.0);
        ASSERT_TRUE(testfiles::WriteMp3(dir + "/short.mp3", 0.3));
        ASSERT_TRUE(testfiles::WriteMp3(dir + "/long.mp3", 6.0));
    }
    static void TearDownTestSuite() { std::filesystem::remove_all(dir); }
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(audio::Open(error)) << error;
    }
    void TearDown() override { audio::Close(); }
    static std::string dir;
};
std::string AudioTest::dir;

TEST_F(AudioTest, OneShotPlaysThenStops) {
    ASSERT_TRUE(audio::LoadEffect(3, dir + "/short.wav"));
    EXPECT_FALSE(audio::EffectPlaying(3));
    audio::PlayEffect(3, false);
    EXPECT_TRUE(audio::EffectPlaying(3));  // at once, before the device has mixed anything
    EXPECT_TRUE(WaitFor([] { return !audio::EffectPlaying(3); }));
}

TEST_F(AudioTest, LoopsUntilStoppedAndStopEndsEveryInstance) {
    ASSERT_TRUE(audio::LoadEffect(13, dir + "/short.wav"));
    audio::PlayEffect(13, true);
    audio::PlayEffect(13, false);
    std::this_thread::sleep_for(std::chrono::milliseconds(400));  // well past the sound's length
    EXPECT_TRUE(audio::EffectPlaying(13));
    audio::StopEffect(13);
    EXPECT_FALSE(audio::EffectPlaying(13));
}

TEST_F(AudioTest, ManyInstancesOfOneSlotMix) {
    ASSERT_TRUE(audio::LoadEffect(1, dir + "/long.wav"));
    for (int i = 0; i < 40; ++i) audio::PlayEffect(1, false);  // more than the first set of channels
    EXPECT_TRUE(audio::EffectPlaying(1));
    audio::StopEffect(1);
    EXPECT_FALSE(audio::EffectPlaying(1));
}

TEST_F(AudioTest, ReloadReleasesAndBadInputIsIgnored) {
    ASSERT_TRUE(audio::LoadEffect(5, dir + "/long.wav"));
    audio::PlayEffect(5, true);
    EXPECT_FALSE(audio::LoadEffect(5, dir + "/missing.wav"));
    EXPECT_FALSE(audio::EffectLoaded(5));
    EXPECT_FALSE(audio::EffectPlaying(5));
    for (int slot : {-1, 100, 32000}) {
        EXPECT_FALSE(audio::LoadEffect(slot, dir + "/short.wav"));
        audio::PlayEffect(slot, false);
        audio::StopEffect(slot);
        EXPECT_FALSE(audio::EffectPlaying(slot));
        EXPECT_FALSE(audio::LoadMusic(slot, testfiles::ReadAll(dir + "/short.mp3")));
        audio::RunMusic(slot);
        EXPECT_FALSE(audio::MusicPlaying(slot));
    }
}

TEST_F(AudioTest, MusicRunsFromMemoryEndsAndRewinds) {
    ASSERT_TRUE(audio::LoadMusic(0, testfiles::ReadAll(dir + "/short.mp3")));
    audio::RunMusic(0);
    EXPECT_TRUE(audio::MusicPlaying(0));
    EXPECT_TRUE(WaitFor([] { return audio::MusicEnded(0); }));
    EXPECT_FALSE(audio::MusicPlaying(0));
    audio::RunMusic(0);  // a track at its end stays silent
    EXPECT_TRUE(audio::MusicEnded(0));
    audio::StopMusic(0);
    audio::RewindMusic(0);
    EXPECT_FALSE(audio::MusicEnded(0));
    audio::RunMusic(0);
    EXPECT_TRUE(audio::MusicPlaying(0));
    EXPECT_TRUE(WaitFor([] { return audio::MusicEnded(0); }));
}

TEST_F(AudioTest, OneTrackSoundsAtATime) {
    std::vector<uint8_t> mp3 = testfiles::ReadAll(dir + "/long.mp3");
    ASSERT_TRUE(audio::LoadMusic(4, mp3));
    ASSERT_TRUE(audio::LoadMusic(5, mp3));
    audio::SetMusicVolume(4, -1000);
    audio::RunMusic(4);
    audio::RunMusic(5);
    EXPECT_FALSE(audio::MusicPlaying(4));
    EXPECT_TRUE(audio::MusicPlaying(5));
    audio::StopMusic(5);
    EXPECT_FALSE(audio::MusicPlaying(5));
    audio::RunMusic(5);
    EXPECT_TRUE(audio::MusicPlaying(5));
    EXPECT_FLOAT_EQ(audio::MusicVolume(4), -1000);
}

TEST_F(AudioTest, UndecodableMusicCountsAsLoadedAndPlaysNothing) {
    EXPECT_FALSE(audio::LoadMusic(2, {1, 2, 3, 4}));
    EXPECT_TRUE(audio::MusicLoaded(2));
    audio::RunMusic(2);
    EXPECT_FALSE(audio::MusicPlaying(2));
    EXPECT_FALSE(audio::MusicEnded(2));
    audio::FreeMusic(2);
    EXPECT_FALSE(audio::MusicLoaded(2));
}

TEST_F(AudioTest, TracksLoadedBeforeTheDeviceOpensPlayOnceItIs) {
    // The loading sequence loads the music before it starts the sound system.
    audio::Close();
    audio::LoadMusic(4, testfiles::ReadAll(dir + "/long.mp3"));
    audio::LoadMusic(2, {1, 2, 3, 4});
    EXPECT_TRUE(audio::MusicLoaded(4));
    std::string error;
    ASSERT_TRUE(audio::Open(error)) << error;
    audio::RunMusic(4);
    EXPECT_TRUE(audio::MusicPlaying(4));
    audio::RunMusic(2);
    EXPECT_FALSE(audio::MusicPlaying(2));
    EXPECT_TRUE(audio::MusicLoaded(2));
}

TEST_F(AudioTest, DamagedSoundsAndTracksNeverCrash) {
    const std::string path = dir + "/damaged.wav";
    for (const std::vector<uint8_t>& wav : Verformt(testfiles::ReadAll(dir + "/short.wav"), 200)) {
        FILE* out = std::fopen(path.c_str(), "wb");
        ASSERT_NE(out, nullptr);
        std::fwrite(wav.data(), 1, wav.size(), out);
        std::fclose(out);
        if (audio::LoadEffect(7, path)) audio::PlayEffect(7, false);
    }
    audio::FreeEffect(7);
    for (const std::vector<uint8_t>& mp3 : Verformt(testfiles::ReadAll(dir + "/short.mp3"), 60)) {
        audio::LoadMusic(2, mp3);
        audio::RunMusic(2);
        std::this_thread::sleep_for(std::chrono::milliseconds(15));  // lets the mixer decode some of it
        audio::FreeMusic(2);
    }
}

}  // namespace
