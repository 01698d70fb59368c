// The bitmap-font renderer: one textured quad per character, each glyph a texture of its own.
#include "framework/font.h"

#include <algorithm>
#include <array>

#include "framework/myapp.h"
#include "framework/setup.h"

namespace {

struct Eintrag {
    uint8_t byte;
    int8_t glyph;
    uint8_t vorschub[3];  // font 0, font 1, fonts 2 and 3
};

constexpr uint8_t kZeilenumbruch = 0x40;  // '@'
constexpr int kZeilenhoehe[4] = {13, 18, 12, 12};

// Latin letters, digits and signs (code page 1252).
constexpr Eintrag kLatein[] = {
    {'A', 0, {10, 11, 8}},  {'B', 1, {9, 11, 8}},   {'C', 2, {10, 11, 9}},  {'D', 3, {9, 11, 9}},
    {'E', 4, {8, 10, 7}},   {'F', 5, {8, 9, 7}},    {'G', 6, {10, 11, 9}},  {'H', 7, {9, 11, 8}},
    {'I', 8, {4, 7, 5}},    {'J', 9, {7, 10, 5}},   {'K', 10, {9, 11, 8}},  {'L', 11, {8, 9, 7}},
    {'M', 12, {11, 16, 9}}, {'N', 13, {9, 12, 8}},  {'O', 14, {10, 11, 9}}, {'P', 15, {9, 11, 7}},
    {'Q', 16, {10, 11, 9}}, {'R', 17, {10, 11, 8}}, {'S', 18, {9, 11, 8}},  {'T', 19, {9, 10, 8}},
    {'U', 20, {9, 11, 8}},  {'V', 21, {10, 11, 8}}, {'W', 22, {14, 15, 11}}, {'X', 23, {9, 11, 8}},
    {'Y', 24, {9, 11, 8}},  {'Z', 25, {8, 10, 8}},
    {'a', 26, {8, 10, 7}},  {'b', 27, {8, 10, 7}},  {'c', 28, {8, 10, 7}},  {'d', 29, {8, 10, 7}},
    {'e', 30, {8, 10, 7}},  {'f', 31, {6, 9, 5}},   {'g', 32, {8, 10, 7}},  {'h', 33, {8, 10, 7}},
    {'i', 34, {4, 7, 3}},   {'j', 35, {4, 9, 4}},   {'k', 36, {8, 10, 7}},  {'l', 37, {4, 7, 3}},
    {'m', 38, {12, 14, 11}}, {'n', 39, {8, 10, 7}}, {'o', 40, {8, 10, 7}},  {'p', 41, {8, 10, 7}},
    {'q', 42, {8, 10, 7}},  {'r', 43, {6, 10, 6}},  {'s', 44, {7, 10, 6}},  {'t', 45, {5, 9, 5}},
    {'u', 46, {8, 10, 7}},  {'v', 47, {8, 10, 7}},  {'w', 48, {12, 16, 9}}, {'x', 49, {9, 10, 7}},
    {'y', 50, {8, 10, 7}},  {'z', 51, {7, 10, 6}},
};

// The German letters, which are Cyrillic letters in code page 1251.
constexpr Eintrag kUmlaute[] = {
    {0xC4, 65, {10, 11, 8}}, {0xD6, 66, {10, 11, 9}}, {0xDC, 67, {9, 11, 8}},
    {0xE4, 68, {8, 10, 7}},  {0xF6, 69, {8, 10, 7}},  {0xFC, 70, {8, 10, 7}},
};

// Digits, signs, blank and underscore: the same in both modes.
constexpr Eintrag kGemeinsam[] = {
    {'0', 52, {7, 11, 7}}, {'1', 53, {6, 9, 7}},  {'2', 54, {7, 11, 7}}, {'3', 55, {7, 11, 7}},
    {'4', 56, {7, 11, 7}}, {'5', 57, {7, 11, 7}}, {'6', 58, {7, 11, 7}}, {'7', 59, {7, 11, 7}},
    {'8', 60, {7, 11, 7}}, {'9', 61, {7, 11, 7}},
    {',', 62, {4, 4, 4}},  {':', 63, {4, 4, 4}},  {'.', 64, {4, 4, 4}},  {'!', 71, {4, 5, 4}},
    {'?', 72, {8, 8, 6}},  {'-', 73, {5, 6, 5}},  {'+', 74, {8, 8, 9}},  {'$', 75, {7, 8, 7}},
    {'"', 76, {7, 8, 5}},  {'=', 77, {8, 8, 9}},  {'[', 78, {5, 8, 5}},  {']', 79, {4, 8, 5}},
    {'(', 80, {5, 8, 5}},  {')', 81, {4, 8, 5}},  {'%', 82, {10, 8, 12}}, {'/', 83, {5, 8, 6}},
    {'*', 84, {6, 8, 7}},  {0x92, 85, {5, 8, 5}},
    {' ', -1, {4, 5, 3}},  {'_', -1, {4, 5, 3}},
};

// Cyrillic letters (code page 1251).
constexpr Eintrag kKyrillisch[] = {
    {0xA8, 92, {7, 12, 6}},  {0xC0, 5, {10, 14, 7}},  {0xC1, 86, {8, 14, 7}},  {0xC2, 3, {8, 14, 7}},
    {0xC3, 20, {7, 12, 6}},  {0xC4, 11, {10, 14, 7}}, {0xC5, 19, {7, 13, 6}},  {0xC6, 66, {12, 14, 8}},
    {0xC7, 15, {8, 13, 6}},  {0xC8, 1, {8, 13, 7}},   {0xC9, 16, {8, 12, 7}},  {0xCA, 17, {8, 13, 7}},
    {0xCB, 10, {9, 13, 7}},  {0xCC, 21, {10, 15, 8}}, {0xCD, 25, {8, 13, 7}},  {0xCE, 9, {9, 15, 8}},
    {0xCF, 6, {8, 13, 7}},   {0xD0, 7, {8, 13, 6}},   {0xD1, 2, {9, 14, 8}},   {0xD2, 13, {9, 13, 7}},
    {0xD3, 4, {9, 13, 7}},   {0xD4, 0, {11, 16, 8}},  {0xD5, 67, {8, 14, 6}},  {0xD6, 22, {10, 14, 8}},
    {0xD7, 23, {8, 13, 7}},  {0xD8, 8, {11, 17, 10}}, {0xD9, 14, {12, 18, 11}}, {0xDA, 88, {11, 16, 8}},
    {0xDB, 18, {12, 17, 9}}, {0xDC, 12, {8, 14, 6}},  {0xDD, 65, {10, 14, 7}}, {0xDE, 90, {12, 18, 10}},
    {0xDF, 24, {9, 13, 7}},
    {0xB8, 92, {7, 12, 6}},  {0xE0, 31, {7, 11, 6}},  {0xE1, 87, {7, 12, 6}},  {0xE2, 29, {7, 12, 6}},
    {0xE3, 46, {5, 10, 5}},  {0xE4, 37, {9, 13, 7}},  {0xE5, 45, {7, 12, 6}},  {0xE6, 69, {11, 13, 7}},
    {0xE7, 41, {6, 11, 5}},  {0xE8, 27, {7, 12, 6}},  {0xE9, 42, {7, 12, 6}},  {0xEA, 43, {7, 11, 6}},
    {0xEB, 36, {8, 12, 6}},  {0xEC, 47, {8, 14, 6}},  {0xED, 51, {7, 12, 6}},  {0xEE, 35, {7, 12, 6}},
    {0xEF, 32, {7, 12, 6}},  {0xF0, 33, {7, 12, 6}},  {0xF1, 28, {7, 11, 6}},  {0xF2, 39, {7, 11, 5}},
    {0xF3, 30, {8, 11, 6}},  {0xF4, 26, {11, 16, 8}}, {0xF5, 70, {7, 12, 6}},  {0xF6, 48, {8, 13, 7}},
    {0xF7, 49, {7, 11, 6}},  {0xF8, 34, {9, 15, 8}},  {0xF9, 40, {10, 15, 9}}, {0xFA, 89, {8, 14, 7}},
    {0xFB, 44, {10, 15, 8}}, {0xFC, 38, {7, 12, 6}},  {0xFD, 68, {7, 13, 7}},  {0xFE, 91, {10, 16, 9}},
    {0xFF, 50, {8, 11, 6}},
};

using Tabelle = std::array<SchriftZeichen, 256>;

// One table per mode and advance column: what each byte draws and how far it moves on.
struct Tabellen {
    Tabelle latein[3], kyrillisch[3];

    Tabellen()
    {
        auto setze = [](Tabelle* t, const Eintrag& e, bool vorschub) {
            for (int s = 0; s < 3; ++s) t[s][e.byte] = {e.glyph, vorschub ? e.vorschub[s] : 0, 0};
        };
        for (const Eintrag& e : kKyrillisch) {
            setze(kyrillisch, e, true);
            // In Latin mode the other bytes 0xC0..0xFF draw the Cyrillic glyph below 52, not advancing.
            if (e.byte >= 0xC0 && e.glyph < 52) setze(latein, e, false);
        }
        for (const Eintrag& e : kUmlaute) setze(latein, e, true);
        for (const Eintrag& e : kGemeinsam) {
            setze(latein, e, true);
            setze(kyrillisch, e, true);
        }
        for (const Eintrag& e : kLatein) {
            setze(latein, e, true);
            setze(kyrillisch, e, false);
        }
        // Latin letters in Cyrillic texts do not advance, with two exceptions.
        for (int s = 0; s < 3; ++s) kyrillisch[s]['C'].vorschub = std::array<int, 3>{9, 14, 8}[s];
        for (int s = 0; s < 3; ++s) kyrillisch[s]['F'] = {93, s == 2 ? 7 : 0, 0};
        for (const uint8_t b : {0xD0, 0xD3, 0xF0, 0xF3}) kyrillisch[0][b].tiefer = 1;
    }
};

const Tabellen& Zeichentabellen()
{
    static const Tabellen tabellen;
    return tabellen;
}

bool GueltigeSchrift(int32_t font) { return font >= 0 && font <= 3; }

}  // namespace

SchriftZeichen SchriftZeichenInfo(uint8_t byte, int32_t font, bool kyrillisch)
{
    if (!GueltigeSchrift(font)) return {};
    const Tabellen& t = Zeichentabellen();
    const int spalte = font < 2 ? font : 2;
    SchriftZeichen z = (kyrillisch ? t.kyrillisch : t.latein)[spalte][byte];
    // Font 3 shares the advances of font 2, but F in Cyrillic texts moves on only in font 2.
    if (kyrillisch && byte == 'F' && font != 2) z.vorschub = 0;
    return z;
}

void ZeichneSchriftZeichen(int32_t font, int32_t glyph, float x, float y)
{
    if (!GueltigeSchrift(font) || glyph < 0 || glyph >= 100) return;
    MyApp.m_pd3dDevice->SetTexture(MyApp.SchriftTexturen[font * 100 + glyph]);
    const float groesse = font == 1 ? 32.0f : 16.0f;
    MyApp.Draw2D(x, y, groesse, groesse);
}

void ZeichneSchrift(const char* text, float x, float y, int32_t font)
{
    if (!GueltigeSchrift(font) || !text) return;
    const bool kyrillisch = Sprache == 2;
    gfx::Device& device = *MyApp.m_pd3dDevice;
    device.TextMarker(text, x, y, font);
    device.SetRenderState(gfx::RenderState::Lighting, 0);
    SetzeAlphaZustaende(device);
    const float x0 = x;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
        if (*p == kZeilenumbruch) {
            x = x0;
            y += kZeilenhoehe[font];
            continue;
        }
        const SchriftZeichen z = SchriftZeichenInfo(*p, font, kyrillisch);
        if (z.glyph >= 0) ZeichneSchriftZeichen(font, z.glyph, x, y + z.tiefer);
        x += z.vorschub;
    }
}

int32_t SchriftBreite(const char* text, int32_t font)
{
    if (!GueltigeSchrift(font) || !text) return 0;
    const bool kyrillisch = Sprache == 2;
    int32_t w = 0, m = 0;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
        if (*p == kZeilenumbruch) {
            m = std::max(m, w);
            w = 0;
            continue;
        }
        w += SchriftZeichenInfo(*p, font, kyrillisch).vorschub;
    }
    return std::max(m, w);
}
