#include "framework/music.h"

// First cut: silent until the platform audio layer lands.
bool LadeMusik(int32_t, const wchar_t*) { return false; }
void SpieleMusik(int32_t) {}
void MusikZurueckspulen(int32_t) {}
void MusikTakt(int32_t) {}
void MusikNachModus() {}
void MusikZuKampf() {}
void MusikZuIngame() {}
void GibMusikFrei(int32_t) {}
