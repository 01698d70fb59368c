// Stand-ins for sound, music and the intro until they are built: they play and change nothing.
#include "framework/services_audio.h"

void MusikNachModus() {}
void MusikTakt(int32_t) {}
void SpieleSoundSchleife(int32_t) {}
void GibMusikFrei(int32_t) {}
void SoundBeenden() {}
int32_t PlayCutscene(const char*) { return 0; }
