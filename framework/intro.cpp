#include "framework/intro.h"

int32_t VideoLaeuft = 1;
int32_t VideoAbgebrochen = 0;

// First cut: no playback until the platform video layer lands.
int32_t PlayCutscene(const char* datei, gfx::Device*) {
    if (!datei) return kCutsceneEPointer;
    return kCutsceneEFail;
}
