#include "framework/intro.h"

#include <algorithm>
#include <chrono>
#include <cstdarg>
#include <cstdio>
#include <string>
#include <thread>

#include "platform/os.h"
#include "platform/video.h"
#include "platform/window.h"

int32_t VideoLaeuft = 1;
int32_t VideoAbgebrochen = 0;

namespace {

constexpr uint32_t kLaengsteWarteMs = 100;

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
    while (VideoLaeuft != 0) {
        video::Player::Status status = player.Step(device);
        if (status != video::Player::Status::Playing) {
            if (status == video::Player::Status::Failed) ergebnis = kCutsceneEFail;
            VideoLaeuft = 0;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(std::min(player.MsUntilNextFrame(), kLaengsteWarteMs)));
        video::PumpInput(CutsceneWindowProc);
    }
    return ergebnis;
}

}  // namespace

intptr_t CutsceneWindowProc(uint32_t message, uintptr_t wParam, intptr_t) {
    bool stopTaste = message == video::kKeyDown &&
                     (wParam == video::vk::Return || wParam == video::vk::Escape || wParam == video::vk::Space);
    if (stopTaste || message == win::msg::LButtonDown) {
        VideoAbgebrochen = 1;
        StopCutscene();
    } else if (message == win::msg::Close) {
        StopCutscene();  // a quit request: the main loop sees it next
    }
    return 0;
}

int32_t PlayCutscene(const char* datei, gfx::Device* device) {
    if (!datei) return kCutsceneEPointer;
    if (!device) return kCutsceneEFail;
    VideoAbgebrochen = 0;
    int32_t ergebnis = PlayCutsceneMedia(datei, *device);
    if (ergebnis == 0 && VideoAbgebrochen) ergebnis = 1;
    return ergebnis;
}
