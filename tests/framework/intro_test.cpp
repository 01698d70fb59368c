#include "framework/intro.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "platform/gfx_recording.h"
#include "platform/os.h"
#include "platform/window.h"
#include "tests/audio_files.h"

namespace {

// A device on which the player "presses" something after the second frame.
class DrueckendesGeraet : public gfx::RecordingDevice {
public:
    explicit DrueckendesGeraet(std::function<void()> druecken) : druecken_(std::move(druecken)) {}
    bool Present() override {
        if (++frames == 2 && druecken_) druecken_();
        return gfx::RecordingDevice::Present();
    }
    int frames = 0;

private:
    std::function<void()> druecken_;
};

class IntroTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir = testfiles::Folder("intro");
        ASSERT_TRUE(testfiles::WriteAvi(dir + "/kurz.avi", 0.5));
        ASSERT_TRUE(testfiles::WriteAvi(dir + "/lang.avi", 20));
        testfiles::WriteWav(dir + "/ton.wav", 0.2);
        // a video whose second half is noise
        std::vector<uint8_t> avi = testfiles::ReadAll(dir + "/kurz.avi");
        for (size_t i = avi.size() / 2; i < avi.size(); ++i) avi[i] = uint8_t(i * 7919u >> 3);
        FILE* f = std::fopen((dir + "/kaputt.avi").c_str(), "wb");
        std::fwrite(avi.data(), 1, avi.size(), f);
        std::fclose(f);
    }
    static void TearDownTestSuite() { std::filesystem::remove_all(dir); }
    void SetUp() override { os::CaptureMessageBoxes(&boxes); }
    void TearDown() override { os::CaptureMessageBoxes(nullptr); }
    static std::string Pfad(const char* name) { return dir + "/" + name; }
    static std::string dir;
    std::vector<std::string> boxes;
};
std::string IntroTest::dir;

TEST_F(IntroTest, PlaysToItsEnd) {
    DrueckendesGeraet dev(nullptr);
    EXPECT_EQ(PlayCutscene(Pfad("kurz.avi").c_str(), &dev), 0);
    EXPECT_EQ(VideoLaeuft, 0);
    EXPECT_EQ(VideoAbgebrochen, 0);
    EXPECT_GE(dev.frames, 3);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(IntroTest, StopKeysAndTheLeftClickStopIt) {
    struct Case { uint32_t message; uintptr_t wParam; } cases[] = {
        {win::msg::KeyDown, win::vk::Return}, {win::msg::KeyDown, win::vk::Escape},
        {win::msg::KeyDown, win::vk::Space}, {win::msg::LButtonDown, win::mk::LButton}};
    for (const Case& c : cases) {
        DrueckendesGeraet dev([&] { CutsceneWindowProc(c.message, c.wParam, 0); });
        EXPECT_EQ(PlayCutscene(Pfad("lang.avi").c_str(), &dev), 1) << c.message << " " << c.wParam;
        EXPECT_EQ(VideoAbgebrochen, 1);
        EXPECT_EQ(dev.frames, 2);  // the 20-second video stopped right there
    }
}

TEST_F(IntroTest, OtherInputDoesNotStopIt) {
    DrueckendesGeraet dev([] {
        CutsceneWindowProc(win::msg::KeyDown, 0, 0);  // any other key
        CutsceneWindowProc(win::msg::RButtonDown, win::mk::RButton, 0);
    });
    EXPECT_EQ(PlayCutscene(Pfad("kurz.avi").c_str(), &dev), 0);
    EXPECT_EQ(VideoAbgebrochen, 0);
    EXPECT_GE(dev.frames, 3);
}

TEST_F(IntroTest, AQuitRequestEndsItWithoutCountingAsAStop) {
    DrueckendesGeraet dev([] { CutsceneWindowProc(win::msg::Close, 0, 0); });
    EXPECT_EQ(PlayCutscene(Pfad("lang.avi").c_str(), &dev), 0);
    EXPECT_EQ(VideoAbgebrochen, 0);
    EXPECT_EQ(dev.frames, 2);
}

namespace {
std::vector<uint32_t> spielNachrichten;
intptr_t SpielProc(uint32_t message, uintptr_t, intptr_t) {
    spielNachrichten.push_back(message);
    return 0;
}
}  // namespace

// Playback takes its input through the game's pump: a stop key posted like any message stops it,
// presses and releases stay with the video, and the rest reaches the game's procedure, which is
// the window's procedure again afterwards.
TEST_F(IntroTest, InputComesThroughTheGamesPump) {
    namespace msg = win::msg;
    spielNachrichten.clear();
    win::SetWindowProc(SpielProc);
    DrueckendesGeraet dev([] {
        for (uint32_t m : {msg::MouseMove, msg::RButtonDown, msg::RButtonUp, msg::LButtonUp, msg::KeyDown,
                           msg::Activate})
            win::PostMessage(m, 0, 0);
        win::PostMessage(msg::KeyDown, win::vk::Escape, 0);
    });
    EXPECT_EQ(PlayCutscene(Pfad("lang.avi").c_str(), &dev), 1);
    EXPECT_EQ(VideoAbgebrochen, 1);
    EXPECT_EQ(spielNachrichten, (std::vector<uint32_t>{msg::MouseMove, msg::Activate}));
    win::PostMessage(msg::LButtonDown, 0, 0);
    win::PumpMessages();
    EXPECT_EQ(spielNachrichten.back(), msg::LButtonDown);
    win::SetWindowProc(nullptr);
}

TEST_F(IntroTest, FailuresReportAndReturn) {
    gfx::RecordingDevice dev;
    EXPECT_EQ(PlayCutscene(nullptr, &dev), kCutsceneEPointer);
    EXPECT_EQ(PlayCutscene(Pfad("kurz.avi").c_str(), nullptr), kCutsceneEFail);
    EXPECT_TRUE(boxes.empty());

    std::string fehlt = Pfad("Intro.avi");
    EXPECT_EQ(PlayCutscene(fehlt.c_str(), &dev), kCutsceneEFail);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "PlayCutscene Error|Failed(0x80004005) in RenderFile(" + fehlt + ")!\r\n");

    std::string ton = Pfad("ton.wav");
    EXPECT_EQ(PlayCutscene(ton.c_str(), &dev), kCutsceneEFail);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1], "PlayCutscene Error|Failed(0x80004005) to set message drain for " + ton +
                            ".\r\n\r\nThis sample is designed to play videos, but the file selected has no video "
                            "component.");
    EXPECT_TRUE(dev.Calls().empty());
}

TEST_F(IntroTest, ADamagedVideoEndsToo) {
    gfx::RecordingDevice dev;
    int32_t ergebnis = PlayCutscene(Pfad("kaputt.avi").c_str(), &dev);
    EXPECT_TRUE(ergebnis == 0 || ergebnis == kCutsceneEFail) << ergebnis;
    EXPECT_EQ(VideoLaeuft, 0);
}

}  // namespace
