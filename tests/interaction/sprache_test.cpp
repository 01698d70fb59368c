// The speech helper: a line starts, plays and ends without anything waiting for it; a line that
// cannot play is over at once; the frame clock makes its length independent of the mixer.
#include "interaction/sprache.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "framework/shell.h"
#include "framework/sound.h"
#include "platform/audio.h"
#include "tests/arbeitsordner.h"
#include "tests/audio_files.h"
#include "world/records.h"

namespace {

class SpracheTest : public Arbeitsordner {
protected:
    void SetUp() override {
        Arbeitsordner::SetUp();
        std::filesystem::create_directories("Data/Speak");
        testfiles::WriteWav("Data/Speak/eins.wav", 0.5);
        SetupWerte.SOUND = 1;
        SprachUhrNachBildern(0);
    }
    void TearDown() override {
        StoppeZeile();
        SprachUhrNachBildern(0);
        audio::Close();
        Arbeitsordner::TearDown();
    }
};

TEST_F(SpracheTest, WavLengthIsReadFromTheHeader) {
    EXPECT_EQ(audio::WavLengthMs("Data/Speak/eins.wav"), 500);
    EXPECT_EQ(audio::WavLengthMs("Data/Speak/fehlt.wav"), -1);
    Schreibe("Data/Speak/kaputt.wav", "RIFF1234WAVEdata");
    EXPECT_EQ(audio::WavLengthMs("Data/Speak/kaputt.wav"), -1);
}

TEST_F(SpracheTest, ALineThatCannotPlayIsOverAtOnce) {
    // No sound device: nothing ever plays, so nobody may wait for the line.
    SprichZeile("Data/Speak/eins.wav");
    EXPECT_FALSE(ZeileLaeuft());
    std::string fehler;
    ASSERT_TRUE(audio::Open(fehler)) << fehler;
    SetupWerte.SOUND = 0;  // effects switched off
    SprichZeile("Data/Speak/eins.wav");
    EXPECT_FALSE(ZeileLaeuft());
    SetupWerte.SOUND = 1;  // a missing file with no fallback
    SprichZeile("Data/Speak/fehlt.wav");
    EXPECT_FALSE(ZeileLaeuft());
}

TEST_F(SpracheTest, TheMixerSaysWhileTheLinePlaysAndAStopEndsIt) {
    std::string fehler;
    ASSERT_TRUE(audio::Open(fehler)) << fehler;
    SprichZeile("Data/Speak/eins.wav");
    EXPECT_TRUE(ZeileLaeuft());
    StoppeZeile();
    EXPECT_FALSE(ZeileLaeuft());
}

TEST_F(SpracheTest, TheFrameClockGivesEveryMachineTheSameLength) {
    // Half a second at 30 frames a second: 15 frames, with a sound device or without.
    SprachUhrNachBildern(30);
    SprichZeile("Data/Speak/eins.wav");
    for (int k = 0; k < 15; ++k) {
        EXPECT_TRUE(ZeileLaeuft()) << k;
        BildNummer += 1;
    }
    EXPECT_FALSE(ZeileLaeuft());
    // A missing file plays the fallback in its place, so it lasts as long as that one.
    testfiles::WriteWav("Data/Speak/0.wav", 0.1);
    SprichZeile("Data/Speak/fehlt.wav");
    BildNummer += 2;
    EXPECT_TRUE(ZeileLaeuft());
    BildNummer += 1;
    EXPECT_FALSE(ZeileLaeuft());
    // Effects off: nothing is said.
    SetupWerte.SOUND = 0;
    SprichZeile("Data/Speak/eins.wav");
    EXPECT_FALSE(ZeileLaeuft());
}

}  // namespace
