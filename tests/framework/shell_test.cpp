#include "framework/shell.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "app_fixture.h"
#include "framework/frame.h"
#include "framework/keyboard.h"
#include "platform/keyboard.h"
#include "platform/os.h"
#include "platform/window.h"
#include "world/records.h"

namespace msg = win::msg;

class Fenster : public ::testing::Test {
protected:
    void SetUp() override
    {
        SpielGlobals = SpielGlobalsBlock{};
        Cam.Set(0, 250, 100, 0, 237, 90, 0, 1, 0);
    }
};

TEST_F(Fenster, MouseMessagesSetTheirFlags)
{
    struct Fall {
        uint32_t message;
        uint8_t* flag;
        uint8_t wert;
    };
    const Fall faelle[] = {
        {msg::LButtonDown, &MausLinksGedrueckt, 1},   {msg::LButtonDblClk, &MausLinksDoppelklick, 1},
        {msg::LButtonUp, &MausLinksLosgelassen, 1},    {msg::LButtonUp, &MausLinksGedrueckt, 0},
        {msg::LButtonUp, &MausLinksDoppelklick, 0},    {msg::RButtonDown, &MausRechtsGedrueckt, 1},
        {msg::RButtonDblClk, &MausRechtsDoppelklick, 1}, {msg::RButtonUp, &MausRechtsLosgelassen, 1},
        {msg::RButtonUp, &MausRechtsGedrueckt, 0},    {msg::RButtonUp, &MausRechtsDoppelklick, 0},
        {msg::Destroy, &BeendenFlag, 1},
    };
    for (const Fall& f : faelle) {
        *f.flag = f.wert ? 0 : 1;
        WndProc(f.message, 7, 0);
        EXPECT_EQ(*f.flag, f.wert) << std::hex << f.message;
        EXPECT_EQ(LetzterWParam, 7);
    }
    MausRuheFrames = 5;
    TooltipNummer = 3;
    WndProc(msg::MouseMove, 0, win::MakeLParam(1000, 700));
    EXPECT_EQ(MyApp.MausX, 1000);
    EXPECT_EQ(MyApp.MausY, 700);
    EXPECT_EQ(MausRuheFrames, 0);
    EXPECT_EQ(TooltipNummer, 0);
    WndProc(msg::Activate, win::wa::ClickActive, 0);
    EXPECT_EQ(FensterAktiv, 2);
}

TEST_F(Fenster, WheelZoomsByWholeNotchesWithinItsLimits)
{
    struct Fall {
        float auge;
        uint32_t wParam;
        float danach;
    };
    const uint32_t zurueck1 = uint32_t(-0x780000);
    const Fall faelle[] = {
        {250, 0x780000, 231},   {250, 0xF00000, 231},   {250, 0x1680000, 231},  // 1-3 notches: one step
        {250, 0x1E00000, 250},  {250, 0x3C0000, 250},                           // 4 notches, half a notch
        {250, 0x780000 | win::mk::Shift, 250},                                  // a held key
        {181, 0x780000, 162},   {180, 0x780000, 180},                           // the inner limit
        {250, zurueck1, 269},   {306, zurueck1, 325}, {307, zurueck1, 307},     // the outer limit
        {250, uint32_t(-0x1680000), 269},
    };
    for (const Fall& f : faelle) {
        Cam.Auge[1] = f.auge;
        Cam.Ziel[1] = f.auge - 13;
        WndProc(msg::MouseWheel, f.wParam, 0);
        EXPECT_EQ(Cam.Auge[1], f.danach) << std::hex << f.wParam << " from " << f.auge;
        EXPECT_EQ(Cam.Ziel[1], f.danach - 13);
    }
    InteraktionsModus = 1;
    Cam.Auge[1] = 250;
    WndProc(msg::MouseWheel, 0x780000, 0);
    EXPECT_EQ(Cam.Auge[1], 250.0f);
}

TEST_F(Fenster, MiddleButtonTurnsTheViewAndRestoresTheCursor)
{
    SpielModus = 3000;
    WndProc(msg::MButtonDown, 0, 0);
    EXPECT_EQ(MausMitteDrehen, 0);
    SpielModus = 1000;
    AuswahlRahmenAktiv = 1;
    WndProc(msg::MButtonDown, 0, 0);
    EXPECT_EQ(MausMitteDrehen, 1);
    EXPECT_EQ(CursorIndex, 6);
    EXPECT_EQ(AuswahlRahmenAktiv, 0);

    const int erwartet[9] = {4, 3, 1, 2, 2, 2, 99, 2, 2};  // 99: BefehlsModus 6 leaves the cursor
    SpielModus = 3000;  // the release acts in every mode
    for (int modus = 0; modus < 9; ++modus) {
        BefehlsModus = modus;
        CursorIndex = 99;
        MausMitteDrehen = 1;
        WndProc(msg::MButtonUp, 0, 0);
        EXPECT_EQ(CursorIndex, erwartet[modus]) << modus;
        EXPECT_EQ(MausMitteDrehen, 0);
    }
}

// Typing is not gated: it takes the window's key presses, each once.
TEST_F(Fenster, KeyboardHandlerIsGatedInTheEditorAndWhileF1IsHeld)
{
    struct Fall {
        int32_t modus;
        uint8_t editor, f1;
        int32_t verzoegerung;
        bool laeuft;
    };
    const Fall faelle[] = {
        {6001, 0, 0, 0, true},  {6001, 0, 0, 3, true}, {7001, 0, 0, 2, true}, {7019, 0, 0, 2, true},
        {7020, 0, 0, 2, true},  {1000, 0, 0, 2, true},  {1000, 1, 0, 2, false}, {1000, 0, 0x80, 2, false},
        {1000, 0, 0x80, 0, true}, {6001, 0, 0x80, 2, false},
    };
    for (const Fall& f : faelle) {
        SpielModus = f.modus;
        EditorAktiv = f.editor;
        TastenStatus[kbd::dik::F1] = f.f1;
        TastenVerzoegerung = f.verzoegerung;
        EXPECT_EQ(TastaturHandlerLaeuft(), f.laeuft) << f.modus << " " << int(f.editor) << " " << int(f.f1);
    }
    EditorAktiv = 0;
    TastenStatus[kbd::dik::F1] = 0;
}

namespace {
uint32_t uhr = 0;
int ablesungen = 0;
uint32_t FalscheUhr()
{
    ++ablesungen;
    return uhr++;
}
}  // namespace

TEST_F(Fenster, FramePacingWaitsOnTheTickCounter)
{
    os::SetTickSource(FalscheUhr);
    uhr = 1000;
    ablesungen = 0;
    SetupWerte.FRAMERATE = 0.0f;
    WarteAufFrameZeit(uint32_t(1000));
    EXPECT_EQ(ablesungen, 0);
    SetupWerte.FRAMERATE = 0.025f;
    WarteAufFrameZeit(uint32_t(1000));
    // Reads until the clock has passed 1.0 + 0.025 s (1.025 itself sits on float rounding).
    EXPECT_GE(uhr, 1026u);
    EXPECT_LE(uhr, 1027u);
    // A value from a damaged save never stalls the game for more than a second.
    SetupWerte.FRAMERATE = 1.0e30f;
    uhr = 1000;
    WarteAufFrameZeit(uint32_t(1000));
    EXPECT_LE(uhr, 2002u);
    os::SetTickSource(nullptr);
    SetupWerte.FRAMERATE = 0.0f;
}

TEST_F(Fenster, FramePacingSurvivesTheCounterWrapAndEndsWhenClosing)
{
    os::SetTickSource(FalscheUhr);
    SetupWerte.FRAMERATE = 0.025f;
    // Started 16 ms before the counter wraps: the wait ends 26 ms later, after the wrap.
    uhr = 0xFFFFFFF0u;
    WarteAufFrameZeit(uint32_t(0xFFFFFFF0u));
    EXPECT_EQ(uhr, 11u);
    // No wait once the program is closing.
    BeendenFlag = 1;
    uhr = 1000;
    ablesungen = 0;
    WarteAufFrameZeit(uint32_t(1000));
    EXPECT_EQ(ablesungen, 0);
    BeendenFlag = 0;
    os::SetTickSource(nullptr);
    SetupWerte.FRAMERATE = 0.0f;
}

// On the frame clock a frame's wait is its whole time, slept at once: the clock moves by it and
// nothing watches a clock that stands still.
TEST_F(Fenster, FramePacingOnTheFrameClockPassesTheFrame)
{
    os::UseFrameClock(true);
    SetupWerte.FRAMERATE = 0.025f;
    for (int i = 1; i <= 3; ++i) {
        WarteAufFrameZeit(os::GetTickCount());
        EXPECT_EQ(os::GetTickCount(), uint32_t(26 * i));
    }
    SetupWerte.FRAMERATE = 0.0f;
    WarteAufFrameZeit(os::GetTickCount());
    EXPECT_EQ(os::GetTickCount(), 78u);
    os::UseFrameClock(false);
}

namespace {
double ThreadCpuMs()
{
    rusage r{};
    getrusage(RUSAGE_THREAD, &r);
    return r.ru_utime.tv_sec * 1000.0 + r.ru_utime.tv_usec / 1000.0 + r.ru_stime.tv_sec * 1000.0 +
           r.ru_stime.tv_usec / 1000.0;
}
}  // namespace

TEST_F(Fenster, FramePacingSleepsMostOfTheWait)
{
    // Idle at a menu the wait is most of every frame: spinning through it keeps a core busy.
    SetupWerte.FRAMERATE = 0.025f;
    const double cpu0 = ThreadCpuMs();
    const uint32_t t0 = os::GetTickCount();
    for (int i = 0; i < 8; ++i) WarteAufFrameZeit(os::GetTickCount());
    const uint32_t vergangen = os::GetTickCount() - t0;
    const double cpu = ThreadCpuMs() - cpu0;
    SetupWerte.FRAMERATE = 0.0f;
    EXPECT_GE(vergangen, 8u * 26u);  // each wait still lasts until the frame is due
    EXPECT_LT(cpu, 0.4 * vergangen) << cpu << " ms of CPU in " << vergangen << " ms";
}

class Schleife : public MitGeraet {};

TEST_F(Schleife, InactiveFramesDoNothing)
{
    SpielGlobals = SpielGlobalsBlock{};
    SpielModus = 11000;
    FensterAktiv = 0;
    MausRuheFrames = 0;
    TastenVerzoegerung = 3;
    FrameSchritt();
    EXPECT_TRUE(dev->Calls().empty());
    EXPECT_EQ(MausRuheFrames, 0);
    EXPECT_EQ(TastenVerzoegerung, 3);

    FensterAktiv = 1;
    FrameSchritt();
    EXPECT_EQ(MausRuheFrames, 1);
    EXPECT_EQ(TastenVerzoegerung, 2);
    // Mode 11000 has no screen: the cleared frame only.
    EXPECT_TRUE(dev->Draws().empty());
    bool praesentiert = false;
    for (const gfx::Call& c : dev->Calls()) praesentiert = praesentiert || c.type == gfx::CallType::Present;
    EXPECT_TRUE(praesentiert);
    FensterAktiv = 0;
}

TEST_F(Schleife, IdleMouseCounterStopsAtItsTop)
{
    SpielGlobals = SpielGlobalsBlock{};
    SpielModus = 11000;
    FensterAktiv = 1;
    MausRuheFrames = INT32_MAX;
    FrameSchritt();
    EXPECT_EQ(MausRuheFrames, INT32_MAX);
    FensterAktiv = 0;
    MausRuheFrames = 0;
}

class Loeschen : public ::testing::Test {};

TEST_F(Loeschen, DeletesAndGivesUpOnAFileThatStays)
{
    const std::string ordner = ::testing::TempDir() + "velquor_loesche_" + std::to_string(getpid());
    std::filesystem::create_directories(ordner + "/bleibt");
    { std::ofstream(ordner + "/weg.wav") << "x"; }
    LoescheDatei((ordner + "/weg.wav").c_str());
    EXPECT_FALSE(std::filesystem::exists(ordner + "/weg.wav"));
    LoescheDatei((ordner + "/bleibt").c_str());  // a folder: never deleted as a file, the loop ends
    EXPECT_TRUE(std::filesystem::exists(ordner + "/bleibt"));
    std::filesystem::remove_all(ordner);
}
