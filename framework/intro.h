#pragma once
// The intro video: played full screen before the frame loop until it ends, or until the player
// presses Return, Escape or Space or clicks the left mouse button.
#include <cstdint>

namespace gfx {
class Device;
}

constexpr int32_t kCutsceneEPointer = int32_t(0x80004003);
constexpr int32_t kCutsceneEFail = int32_t(0x80004005);

extern int32_t VideoLaeuft;       // playback goes on while not 0
extern int32_t VideoAbgebrochen;  // set when the player stopped the video

// Plays the video through the device with its sound (silent on the frame clock of a recorded game).
// 0 when it played to its end, 1 when the player stopped it, kCutsceneEPointer for no file name,
// kCutsceneEFail without a device, when the file cannot be played (after a "PlayCutscene Error"
// box) or on a decode error midway. A quit request also ends it and is handed on to the game's
// window procedure, so the main loop ends too.
int32_t PlayCutscene(const char* datei, gfx::Device* device);

// Playback's window procedure while the video plays (its input comes through win::PumpMessages):
// Return, Escape or Space (win::msg::KeyDown) or a left click stop the video and set
// VideoAbgebrochen; a quit request (win::msg::Close) ends it too. Other presses and releases are
// dropped; everything else (and the quit request) goes on to the game's procedure.
intptr_t CutsceneWindowProc(uint32_t message, uintptr_t wParam, intptr_t lParam);
