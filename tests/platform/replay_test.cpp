#include "platform/replay.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/keyboard.h"
#include "platform/os.h"
#include "platform/window.h"
#include "tests/arbeitsordner.h"

namespace {

std::vector<std::string> erhalten;

// What the window procedure gets and what the keyboard reads, as one list.
intptr_t Proc(uint32_t message, uintptr_t wParam, intptr_t lParam)
{
    std::string eintrag = "m";
    eintrag += std::to_string(message) + "," + std::to_string(wParam) + "," + std::to_string(lParam);
    erhalten.push_back(eintrag);
    return 0;
}

void LiesTasten()
{
    uint8_t s[256];
    kbd::ReadState(s);
    std::string t = "k";
    for (int k = 0; k < 256; ++k)
        if (s[k]) t += std::to_string(k) + ",";
    erhalten.push_back(t);
}

class Wiedergabe : public Arbeitsordner {
protected:
    void SetUp() override
    {
        Arbeitsordner::SetUp();
        erhalten.clear();
        win::SetWindowProc(Proc);
    }
    void TearDown() override
    {
        replay::Stop();
        kbd::ClearForcedKeys();
        win::SetWindowProc(nullptr);
        win::PumpMessages();
        Arbeitsordner::TearDown();
    }

    // A short game: idle frames, a click, a held key, a message posted without a pump after it.
    static void Spiel(bool live)
    {
        for (int frame = 0; frame < 40; ++frame) {
            if (live && frame == 5) {
                win::PostMessage(win::msg::MouseMove, 0, win::MakeLParam(300, 200));
                win::PostMessage(win::msg::LButtonDown, win::mk::LButton, win::MakeLParam(300, 200));
            }
            if (live && frame == 6) win::PostMessage(win::msg::LButtonUp, 0, win::MakeLParam(300, 200));
            if (live) kbd::ForceKey(kbd::dik::A, frame >= 10 && frame < 13);
            if (live && frame == 20) {
                kbd::ForceKey(kbd::dik::LShift, true);
                kbd::ForceKey(kbd::dik::Delete, true);
            }
            if (live && frame == 21) kbd::ClearForcedKeys();
            if (live && frame == 30) win::PostMessage(win::msg::MouseWheel, uintptr_t(uint32_t(-0x780000)), 7);
            win::PumpMessages();
            LiesTasten();
        }
    }
};

TEST_F(Wiedergabe, ARecordedGameComesBackInputForInput)
{
    replay::Record();
    Spiel(true);
    std::string fehler;
    ASSERT_TRUE(replay::Save("eingabe.txt", fehler)) << fehler;
    const std::vector<std::string> aufgenommen = erhalten;
    std::vector<uint8_t> datei;
    ASSERT_TRUE(os::ReadFile("eingabe.txt", datei));
    // Idle frames are one line with a count: the file stays small.
    EXPECT_LT(datei.size(), 400u) << std::string(datei.begin(), datei.end());

    erhalten.clear();
    // Live input during the replay does not count.
    win::PostMessage(win::msg::RButtonDown, win::mk::RButton, 0);
    kbd::ForceKey(kbd::dik::Q, true);
    ASSERT_TRUE(replay::Play("eingabe.txt", fehler)) << fehler;
    EXPECT_EQ(replay::CurrentMode(), replay::Mode::Replaying);
    Spiel(false);
    EXPECT_EQ(erhalten, aufgenommen);
    EXPECT_TRUE(replay::Finished());
    EXPECT_EQ(replay::Fault(), "");
    // A pump beyond the recording asks the game to end.
    erhalten.clear();
    win::PumpMessages();
    EXPECT_EQ(erhalten, std::vector<std::string>{"m16,0,0"});
}

TEST_F(Wiedergabe, AGameThatLeavesTheRecordingsPathIsReported)
{
    replay::Record();
    Spiel(true);
    std::string fehler;
    ASSERT_TRUE(replay::Save("eingabe.txt", fehler)) << fehler;
    ASSERT_TRUE(replay::Play("eingabe.txt", fehler)) << fehler;
    win::PumpMessages();
    LiesTasten();
    win::PumpMessages();
    win::PumpMessages();  // the recording holds a key read here
    EXPECT_NE(replay::Fault().find("pumped messages at pump 2"), std::string::npos) << replay::Fault();
    EXPECT_TRUE(replay::Finished());
    // From there on no keys are fed, and every pump asks the game to end.
    erhalten.clear();
    LiesTasten();
    win::PumpMessages();
    EXPECT_EQ(erhalten, (std::vector<std::string>{"k", "m16,0,0"}));
}

TEST_F(Wiedergabe, DamagedRecordingsAreRefusedAndChangeNothing)
{
    struct Fall {
        const char* name;
        std::string inhalt;
        const char* grund;
    } faelle[] = {
        {"empty", "", "not an input recording"},
        {"other_file", "FILTER 1\nP\n", "not an input recording"},
        {"unknown_entry", "velquor-eingabe 1\nP\nP q1\n", "line 3: unknown entry \"q1\""},
        {"short_message", "velquor-eingabe 1\nP m200,0\n", "line 2: unknown entry"},
        {"key_out_of_range", "velquor-eingabe 1\nP k1c,100\n", "key code out of range"},
        {"bad_count", "velquor-eingabe 1\n0x P\n", "bad repeat count"},
        {"huge_count", "velquor-eingabe 1\n99999999999x P k\n", "bad repeat count"},
        {"too_many", "velquor-eingabe 1\n40000000x P k\n", "too many entries"},
        {"huge_number", "velquor-eingabe 1\nP m12345678901234567,0,0\n", "unknown entry"},
    };
    for (const Fall& f : faelle) {
        Schreibe(f.name, f.inhalt);
        std::string fehler;
        EXPECT_FALSE(replay::Play(f.name, fehler)) << f.name;
        EXPECT_NE(fehler.find(f.grund), std::string::npos) << f.name << ": " << fehler;
        EXPECT_EQ(replay::CurrentMode(), replay::Mode::Off) << f.name;
    }
    std::string fehler;
    EXPECT_FALSE(replay::Play("missing.txt", fehler));
    EXPECT_NE(fehler.find("cannot be read"), std::string::npos) << fehler;
}

// The frame clock: time passes only by the game's own waits, from 0 whenever it is switched on.
TEST(FrameClock, MovesOnlyWhileTheGameSleeps)
{
    os::UseFrameClock(true);
    EXPECT_TRUE(os::FrameClockOn());
    EXPECT_EQ(os::GetTickCount(), 0u);
    os::Sleep(25);
    os::Sleep(1);
    EXPECT_EQ(os::GetTickCount(), 26u);
    EXPECT_EQ(os::GetTickCount(), 26u);
    os::UseFrameClock(true);
    EXPECT_EQ(os::GetTickCount(), 0u);
    os::UseFrameClock(false);
    EXPECT_FALSE(os::FrameClockOn());
    const uint32_t t0 = os::GetTickCount();
    os::Sleep(5);
    EXPECT_GE(os::GetTickCount() - t0, 5u);
}

}  // namespace
