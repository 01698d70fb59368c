// The sound really reaches the output: SDL's disk driver writes what the device plays into a file.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "framework/music.h"
#include "framework/sound.h"
#include "tests/audio_files.h"
#include "world/records.h"

namespace {

// Runs in a child process of its own, since the output driver is chosen when audio starts.
void PlayMenuMusicAndAClick(const std::string& dir) {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", (dir + "/out.raw").c_str(), 1);
    SetupWerte.SOUND = 1;
    SetupWerte.MUSIC = 1;
    SetupWerte.SOUND_VOLUME = 0;
    MusikLautstaerke = 0;
    SpielModus = 3000;
    MusikTrack = 0;
    if (!SoundInit(nullptr)) std::exit(2);
    std::string musik = dir + "/Hauptmenue.mp3", klick = dir + "/Click.wav";
    if (!LadeMusik(4, std::wstring(musik.begin(), musik.end()).c_str())) std::exit(3);
    LadeSound(std::wstring(klick.begin(), klick.end()).c_str(), 6);
    for (int frame = 0; frame < 100; ++frame) {  // about 2.5 s at 40 frames a second
        MusikNachModus();
        MusikTakt(MusikTrack);
        if (frame == 40) SpieleSound(6);
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    GibMusikFrei(4);
    SoundBeenden();
    std::exit(0);
}

TEST(SoundHeardDeathTest, MenuMusicAndAClickReachTheOutput) {
    std::string dir = testfiles::Folder("heard");
    ASSERT_TRUE(testfiles::WriteMp3(dir + "/Hauptmenue.mp3", 4.0));
    testfiles::WriteWav(dir + "/Click.wav", 0.1, 1500);
    EXPECT_EXIT(PlayMenuMusicAndAClick(dir), ::testing::ExitedWithCode(0), "");

    std::vector<uint8_t> raw = testfiles::ReadAll(dir + "/out.raw");  // 16-bit stereo samples
    std::filesystem::remove_all(dir);
    ASSERT_GE(raw.size(), 44100u * 4);  // at least a second of output
    size_t laut = 0;
    int peak = 0;
    for (size_t i = 0; i + 1 < raw.size(); i += 2) {
        int s = std::abs(int(int16_t(raw[i] | (raw[i + 1] << 8))));
        peak = std::max(peak, s);
        if (s > 500) ++laut;
    }
    EXPECT_GT(peak, 2000);
    EXPECT_GT(laut, raw.size() / 2 / 4);  // a good part of it is not silence
}

}  // namespace
