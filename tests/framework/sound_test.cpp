#include "framework/sound.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/audio.h"
#include "tests/audio_files.h"
#include "world/records.h"

namespace {

// Each test runs in a folder of its own, since the fallback is named relative to the working folder.
class SoundTest : public ::testing::Test {
protected:
    void SetUp() override {
        home = std::filesystem::current_path();
        dir = testfiles::Folder("sound_" + std::string(
            ::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::current_path(dir);
        std::filesystem::create_directories("Data/Speak");
        testfiles::WriteWav("click.wav", 0.15);
        testfiles::WriteWav("wind.wav", 0.15, 200);
        testfiles::WriteWav("Data/Speak/0.wav", 0.15, 300);
        SetupWerte.SOUND = 1;
        SetupWerte.SOUND_VOLUME = 0;
        ASSERT_TRUE(SoundInit(nullptr));
    }
    void TearDown() override {
        SoundBeenden();
        std::filesystem::current_path(home);
        std::filesystem::remove_all(dir);
    }
    static bool Ends(int32_t slot) {
        for (int i = 0; i < 500 && SoundLaeuft(slot) == 0; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return SoundLaeuft(slot) == 1;
    }
    std::filesystem::path home;
    std::string dir;
};

TEST_F(SoundTest, PlayingBeforeDuringAndAfterAShortSound) {
    EXPECT_EQ(SoundLaeuft(6), 1);  // empty slot
    LadeSound(L"click.wav", 6);
    EXPECT_EQ(SoundLaeuft(6), 1);
    SpieleSound(6);
    EXPECT_EQ(SoundLaeuft(6), 0);  // at once, so a wait for the line to end never skips it
    EXPECT_TRUE(Ends(6));
}

TEST_F(SoundTest, LoopRunsUntilStopped) {
    LadeSound(L"wind.wav", 15);
    SpieleSoundSchleife(15);
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    EXPECT_EQ(SoundLaeuft(15), 0);
    StoppeSound(15);
    EXPECT_EQ(SoundLaeuft(15), 1);
}

TEST_F(SoundTest, SoundOffStillLoadsButPlaysNothing) {
    SetupWerte.SOUND = 0;
    LadeSound(L"click.wav", 6);
    LadeSound(L"wind.wav", 15);
    EXPECT_TRUE(audio::EffectLoaded(6));
    EXPECT_TRUE(audio::EffectLoaded(15));
    SpieleSound(6);
    SpieleSoundSchleife(15);
    EXPECT_EQ(SoundLaeuft(6), 1);
    EXPECT_EQ(SoundLaeuft(15), 1);
}

TEST_F(SoundTest, MissingFileFallsBackToTheSpeechSlot) {
    LadeSound(L"click.wav", 7);
    LadeSound(L"Data/Speak/123.wav", 7);
    EXPECT_FALSE(audio::EffectLoaded(7));  // loading again released the old sound
    EXPECT_TRUE(audio::EffectLoaded(Sprachkanal));
    SpieleSound(Sprachkanal);
    EXPECT_EQ(SoundLaeuft(Sprachkanal), 0);
    EXPECT_TRUE(Ends(Sprachkanal));
}

TEST_F(SoundTest, MissingFallbackLeavesTheSpeechSlotEmpty) {
    LadeSound(L"click.wav", Sprachkanal);
    std::filesystem::remove("Data/Speak/0.wav");
    LadeSound(L"Data/Speak/55.wav", Sprachkanal);
    EXPECT_FALSE(audio::EffectLoaded(Sprachkanal));
    EXPECT_EQ(SoundLaeuft(Sprachkanal), 1);
}

TEST_F(SoundTest, SlotsOutsideTheRangeAreIgnored) {
    LadeSound(L"click.wav", 6);
    for (int32_t slot : {-1, -32000, 100, 32000}) {
        LadeSound(L"click.wav", slot);
        LadeSound(L"missing.wav", slot);  // not even the fallback
        SpieleSound(slot);
        SpieleSoundSchleife(slot);
        StoppeSound(slot);
        EXPECT_EQ(SoundLaeuft(slot), 1);
    }
    EXPECT_FALSE(audio::EffectLoaded(Sprachkanal));
    SpieleSound(30);  // an empty slot in range
    EXPECT_EQ(SoundLaeuft(30), 1);
}

TEST_F(SoundTest, OneShotSetsTheEffectsVolumeAndLoopsKeepIt) {
    LadeSound(L"click.wav", 6);
    LadeSound(L"wind.wav", 13);
    SetupWerte.SOUND_VOLUME = -1000;
    SpieleSound(6);
    EXPECT_EQ(audio::EffectVolume(), -1000);
    SetupWerte.SOUND_VOLUME = -2500;
    SpieleSoundSchleife(13);
    EXPECT_EQ(audio::EffectVolume(), -1000);  // until the next one-shot
    SpieleSound(6);
    EXPECT_EQ(audio::EffectVolume(), -2500);
    EXPECT_EQ(SetupWerte.SOUND_VOLUME, -2500);
}

TEST(SoundWithoutInit, LoadingAndPlayingAreHarmless) {
    SetupWerte.SOUND = 1;
    LadeSound(L"nothing.wav", 3);
    SpieleSound(3);
    EXPECT_EQ(SoundLaeuft(3), 1);
    EXPECT_FALSE(audio::EffectLoaded(Sprachkanal));
    SoundBeenden();
}

}  // namespace
