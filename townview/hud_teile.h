#pragma once
// Small pieces the HUD, its panels and the overlays share: item icons by id, figure names, bounded
// formatted text and the tutorial's blink.
#include <cstddef>
#include <cstdint>

#include "world/figur.h"

// The icon of item id (1000..1191) as a w x h quad at (x, y); any other id, or an item without an
// icon, draws nothing.
void ZeichneItemIcon(int32_t id, float x, float y, float w, float h);

// printf-style text, cut at 255 bytes, drawn with ZeichneSchrift.
void ZeichneFormat(float x, float y, int32_t font, const char* format, ...) __attribute__((format(printf, 4, 5)));
// The same centred on x = mitte.
void ZeichneFormatZentriert(int32_t mitte, float y, int32_t font, const char* format, ...)
    __attribute__((format(printf, 4, 5)));

// The figure's name: the player's for the own figure, else its first name; bounded by the name fields.
struct Name {
    char text[64];
};
Name FigurName(const FigurRecord& f);
// The first name only (the garrison shows it even for the own figure).
Name MaennerNameVon(const FigurRecord& f);

// A tutorial highlight that is due this frame: advances TutorialBlinkZaehler (0..19) and says whether
// the highlight shows (the second half of the cycle).
bool TutorialBlinkt();
