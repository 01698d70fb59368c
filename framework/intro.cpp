#include "framework/intro.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <string>

#include "platform/os.h"
#include "platform/video.h"
#include "platform/window.h"

int32_t VideoLaeuft = 1;
int32_t VideoAbgebrochen = 0;

namespace {

constexpr uint32_t kLaengsteWarteMs = 100;

// The game's procedure, which gets what playback does not take.
win::WindowProc spielProc = nullptr;

void CutsceneError(const char* format, ...) {
    char text[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    os::MessageBox(text, "PlayCutscene Error");
}

void StopCutscene() { VideoLaeuft = 0; }

int32_t PlayCutsceneMedia(const char* datei, gfx::Device& device) {
    video::Player player;
    std::string fehler;
    if (!player.Open(os::ResolvePath(datei), fehler)) {
        CutsceneError("Failed(0x%08lx) in RenderFile(%s)!\r\n", (unsigned long)uint32_t(kCutsceneEFail), datei);
        return kCutsceneEFail;
    }
    if (!player.HasVideo()) {
        CutsceneError("Failed(0x%08lx) to set message drain for %s.\r\n\r\nThis sample is designed to play videos, "
                      "but the file selected has no video component.",
                      (unsigned long)uint32_t(kCutsceneEFail), datei);
        return kCutsceneEFail;
    }
    int32_t ergebnis = 0;
    VideoLaeuft = 1;
    // Input comes through the game's own pump, so a recorded game holds what stopped its intro.
    spielProc = win::SetWindowProc(CutsceneWindowProc);
    while (VideoLaeuft != 0) {
        video::Player::Status status = player.Step(device);
        if (status != video::Player::Status::Playing) {
            if (status == video::Player::Status::Failed) ergebnis = kCutsceneEFail;
            VideoLaeuft = 0;
            break;
        }
        os::Sleep(std::min(player.MsUntilNextFrame(), kLaengsteWarteMs));
        win::PumpMessages();
    }
    win::SetWindowProc(spielProc);
    spielProc = nullptr;
    return ergebnis;
}

}  // namespace

intptr_t CutsceneWindowProc(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    namespace msg = win::msg;
    const bool stopTaste = message == msg::KeyDown &&
                           (wParam == win::vk::Return || wParam == win::vk::Escape || wParam == win::vk::Space);
    if (stopTaste || message == msg::LButtonDown) {
        VideoAbgebrochen = 1;
        StopCutscene();
        return 0;
    }
    // Presses and releases during playback are the video's: none reaches the menu behind it.
    if (message == msg::KeyDown || (message >= msg::LButtonDown && message <= msg::MButtonDblClk)) return 0;
    if (message == msg::Close) StopCutscene();  // a quit request: the game's procedure ends the program
    return spielProc ? spielProc(message, wParam, lParam) : 0;
}

int32_t PlayCutscene(const char* datei, gfx::Device* device) {
    if (!datei) return kCutsceneEPointer;
    if (!device) return kCutsceneEFail;
    VideoAbgebrochen = 0;
    int32_t ergebnis = PlayCutsceneMedia(datei, *device);
    if (ergebnis == 0 && VideoAbgebrochen) ergebnis = 1;
    return ergebnis;
}
