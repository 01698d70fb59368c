#pragma once
// The application shell: single instance, window, splash and start-up, the frame loop, shut-down.
// The loop's body is one function, so tests can drive the game frame by frame.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/gfx.h"
#include "platform/os.h"

// Process values outside the saved globals.
extern int32_t MausRuheFrames;       // frames since the last mouse move
extern int32_t TooltipNummer;        // tooltip to show, 0 none
extern int32_t TastenVerzoegerung;   // key-repeat delay of F1 and the editor's keys, in frames
extern int32_t StartDialogZaehler;   // paint counter of the splash
extern uint32_t BildNummer;          // active frames the loop has run (a clock that replays exactly)

// How the shell starts. The defaults are those of the installed game.
struct ShellOptions {
    std::string workDir;                          // empty: stay where we are
    std::string lockPath = os::DefaultLockPath();  // the single-instance lock, one per user
    bool playIntro = true;
    bool showWindow = true;
    // The window's size on a headless video driver (the start-up benchmark gives its X screen's, so
    // the frames are scaled into it as the real program's are).
    int headlessWidth = 1024, headlessHeight = 768;
    // Called once, when the main menu's first frame is presented: the start-up benchmark times the
    // real program and the in-process start by it.
    std::function<void()> beimHauptmenue;
    // Recorded games: the input is recorded into aufnahme (written at shut-down) or replayed from
    // wiedergabe. Either runs the game on the frame clock with the random generator at seed 1,
    // so the same input makes the same game.
    std::string aufnahme;
    std::string wiedergabe;
    // Makes the drawing device; null (with the reason) on failure. Empty: the OpenGL device.
    std::function<std::unique_ptr<gfx::Device>(std::string& error)> makeDevice;
};

// The drawing device for start-up: the options' factory, else the OpenGL device on the window.
std::unique_ptr<gfx::Device> ErzeugeGeraet(std::string& error);

// The program's exit status: a normal end (quit or the window closed) is a success; a start-up that
// failed (another instance runs, no window or display, the start-up data) is a failure.
constexpr int32_t kExitErfolg = 0, kExitFehler = 1;

// The whole program as main runs it: start-up, loop, shut-down. Returns the exit status.
int32_t WinMain(const ShellOptions& options);

// The same in steps, for tests. StarteProgramm returns false when the program must end at once
// (another instance runs, the window cannot be made or the recording to replay cannot be read,
// whose reason goes to stderr in one line);
// after it the loop runs while BeendenFlag is 0.
bool StarteProgramm(const ShellOptions& options);
// Every global of the game as a fresh process has it; StarteProgramm runs it first, so a second start
// in one process plays as the first.
void Grundzustand();
// One pass of the frame loop: messages, and when the window is active input, one frame and pacing.
void FrameSchritt();
// Shut-down and the deletion of the unpacked files; releases the instance lock. Writes the input
// recording (a failure is reported in a box) and ends recording or replaying.
void BeendeProgramm();

// Whether the keyboard handler runs this frame: in the editor and while F1 is held only when the
// key-repeat delay has run out, otherwise every frame (typing follows the window's key presses).
bool TastaturHandlerLaeuft();

// The main window's procedure.
intptr_t WndProc(uint32_t message, uintptr_t wParam, intptr_t lParam);

// Ends and presents the caller's scene, then 15 black frames (Texturen[0]) with their own message
// pump and pacing; also ends when the program is closing.
void ZeigeSchwarzbild();
// ZeigeSchwarzbild, then the loading picture (Texturen[41]) drawn and presented: the backdrop that
// stays behind the loading bar of a long step.
void ZeigeLadeBild();
// Deletes a file in the working directory, retrying a bounded number of times while it still opens.
void LoescheDatei(const char* name);

// The minimum frame time: waits on the tick counter until FRAMERATE seconds have passed since
// t0 (a tick count in milliseconds), or until the program is closing. It sleeps until shortly
// before the frame is due and watches the counter only for the last moment.
void WarteAufFrameZeit(uint32_t t0);
