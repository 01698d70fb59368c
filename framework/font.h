#pragma once
// The four bitmap fonts: one textured quad per character, each glyph a texture of its own.
// Texts are single bytes (code page 1252, or 1251 while Sprache is 2); "_" is a blank and "@" a
// line break. A font outside 0..3 draws nothing and measures 0.
#include <cstdint>

// Draws text with the top-left corner of its first glyph at pixel (x, y); the caller has set the
// 2D mode. Leaves lighting off, alpha blending and the alpha test on.
void ZeichneSchrift(const char* text, float x, float y, int32_t font);
// Width in pixels of the widest line of text.
int32_t SchriftBreite(const char* text, int32_t font);
// One glyph of a font at pixel (x, y).
void ZeichneSchriftZeichen(int32_t font, int32_t glyph, float x, float y);

// How the renderer treats one byte in a font: the glyph it draws (-1 none), the pixels it moves
// on, and whether it is drawn one pixel lower. Exposed for tests and layout code.
struct SchriftZeichen {
    int32_t glyph = -1;
    int32_t vorschub = 0;
    int32_t tiefer = 0;
};
SchriftZeichen SchriftZeichenInfo(uint8_t byte, int32_t font, bool kyrillisch);
