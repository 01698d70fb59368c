#pragma once
// Sound, music and the intro as the shell and the frame dispatch use them. Defined in framework/
// by the sound and music code; until it lands, framework/placeholders.cpp holds do-nothing ones.
#include <cstdint>

void MusikNachModus();
void MusikTakt(int32_t slot);
void SpieleSoundSchleife(int32_t slot);
void GibMusikFrei(int32_t slot);
void SoundBeenden();
int32_t PlayCutscene(const char* file);
