#include "framework/sound.h"

// First cut: silent until the platform audio layer lands.
bool SoundInit(SDL_Window*) { return false; }
void LadeSound(const wchar_t*, int32_t) {}
void SpieleSound(int32_t) {}
void SpieleSoundSchleife(int32_t) {}
int32_t SoundLaeuft(int32_t) { return 1; }
void StoppeSound(int32_t) {}
void SoundBeenden() {}
