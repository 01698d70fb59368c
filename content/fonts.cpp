// Four bitmap fonts, Latin and Cyrillic, rendered from the DejaVu fonts: each glyph a 16 x 16
// image (font 1: 32 x 32), white where the letter is, its alpha the coverage, narrowed where the
// letter is wider than the advance the renderer gives it.
#include "content/fonts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "content/canvas.h"
#include "content/generator.h"

namespace content {

namespace {

const char* const kLatinPacks[4] = {"Pack5.gzp", "Pack6.gzp", "Pack7.gzp", "Pack8.gzp"};
const char* const kCyrillicPacks[4] = {"Pack5r.gzp", "Pack6r.gzp", "Pack7r.gzp", "Pack8r.gzp"};

// Digits and signs shared by both sets: glyphs 52 to 64 and 71 to 85.
const GlyphDef kShared[] = {
    {U'0', {7, 11, 7}}, {U'1', {6, 9, 7}},  {U'2', {7, 11, 7}}, {U'3', {7, 11, 7}}, {U'4', {7, 11, 7}},
    {U'5', {7, 11, 7}}, {U'6', {7, 11, 7}}, {U'7', {7, 11, 7}}, {U'8', {7, 11, 7}}, {U'9', {7, 11, 7}},
    {U',', {4, 4, 4}},  {U':', {4, 4, 4}},  {U'.', {4, 4, 4}},
};
const GlyphDef kSigns[] = {
    {U'!', {4, 5, 4}},  {U'?', {8, 8, 6}}, {U'-', {5, 6, 5}}, {U'+', {8, 8, 9}},  {U'$', {7, 8, 7}},
    {U'"', {7, 8, 5}},  {U'=', {8, 8, 9}}, {U'[', {5, 8, 5}}, {U']', {4, 8, 5}},  {U'(', {5, 8, 5}},
    {U')', {4, 8, 5}},  {U'%', {10, 8, 12}}, {U'/', {5, 8, 6}}, {U'*', {6, 8, 7}}, {U'\u2019', {5, 8, 5}},
};

std::vector<GlyphDef> BuildLatin() {
    const int caps[26][3] = {{10, 11, 8}, {9, 11, 8}, {10, 11, 9}, {9, 11, 9}, {8, 10, 7}, {8, 9, 7}, {10, 11, 9},
                             {9, 11, 8},  {4, 7, 5},  {7, 10, 5},  {9, 11, 8}, {8, 9, 7},  {11, 16, 9}, {9, 12, 8},
                             {10, 11, 9}, {9, 11, 7}, {10, 11, 9}, {10, 11, 8}, {9, 11, 8}, {9, 10, 8}, {9, 11, 8},
                             {10, 11, 8}, {14, 15, 11}, {9, 11, 8}, {9, 11, 8}, {8, 10, 8}};
    const int small[26][3] = {{8, 10, 7}, {8, 10, 7}, {8, 10, 7}, {8, 10, 7}, {8, 10, 7}, {6, 9, 5},  {8, 10, 7},
                              {8, 10, 7}, {4, 7, 3},  {4, 9, 4},  {8, 10, 7}, {4, 7, 3},  {12, 14, 11}, {8, 10, 7},
                              {8, 10, 7}, {8, 10, 7}, {8, 10, 7}, {6, 10, 6}, {7, 10, 6}, {5, 9, 5},  {8, 10, 7},
                              {8, 10, 7}, {12, 16, 9}, {9, 10, 7}, {8, 10, 7}, {7, 10, 6}};
    std::vector<GlyphDef> g;
    for (int i = 0; i < 26; ++i) g.push_back({char32_t(U'A' + i), {caps[i][0], caps[i][1], caps[i][2]}});
    for (int i = 0; i < 26; ++i) g.push_back({char32_t(U'a' + i), {small[i][0], small[i][1], small[i][2]}});
    for (const GlyphDef& d : kShared) g.push_back(d);
    for (const GlyphDef& d : {GlyphDef{U'Ä', {10, 11, 8}}, GlyphDef{U'Ö', {10, 11, 9}}, GlyphDef{U'Ü', {9, 11, 8}},
                              GlyphDef{U'ä', {8, 10, 7}}, GlyphDef{U'ö', {8, 10, 7}}, GlyphDef{U'ü', {8, 10, 7}}})
        g.push_back(d);
    for (const GlyphDef& d : kSigns) g.push_back(d);
    return g;  // 86 glyphs
}

std::vector<GlyphDef> BuildCyrillic() {
    std::vector<GlyphDef> g(94, GlyphDef{0, {0, 0, 0}});
    struct L { char32_t cp; int glyph; int a0, a1, a2; };
    const L letters[] = {
        {U'А', 5, 10, 14, 7},  {U'Б', 86, 8, 14, 7}, {U'В', 3, 8, 14, 7},  {U'Г', 20, 7, 12, 6}, {U'Д', 11, 10, 14, 7},
        {U'Е', 19, 7, 13, 6},  {U'Ж', 66, 12, 14, 8}, {U'З', 15, 8, 13, 6}, {U'И', 1, 8, 13, 7},  {U'Й', 16, 8, 12, 7},
        {U'К', 17, 8, 13, 7},  {U'Л', 10, 9, 13, 7}, {U'М', 21, 10, 15, 8}, {U'Н', 25, 8, 13, 7}, {U'О', 9, 9, 15, 8},
        {U'П', 6, 8, 13, 7},   {U'Р', 7, 8, 13, 6},  {U'С', 2, 9, 14, 8},   {U'Т', 13, 9, 13, 7}, {U'У', 4, 9, 13, 7},
        {U'Ф', 0, 11, 16, 8},  {U'Х', 67, 8, 14, 6}, {U'Ц', 22, 10, 14, 8}, {U'Ч', 23, 8, 13, 7}, {U'Ш', 8, 11, 17, 10},
        {U'Щ', 14, 12, 18, 11}, {U'Ъ', 88, 11, 16, 8}, {U'Ы', 18, 12, 17, 9}, {U'Ь', 12, 8, 14, 6}, {U'Э', 65, 10, 14, 7},
        {U'Ю', 90, 12, 18, 10}, {U'Я', 24, 9, 13, 7}, {U'Ё', 92, 7, 12, 6},
        {U'а', 31, 7, 11, 6},  {U'б', 87, 7, 12, 6}, {U'в', 29, 7, 12, 6},  {U'г', 46, 5, 10, 5}, {U'д', 37, 9, 13, 7},
        {U'е', 45, 7, 12, 6},  {U'ж', 69, 11, 13, 7}, {U'з', 41, 6, 11, 5}, {U'и', 27, 7, 12, 6}, {U'й', 42, 7, 12, 6},
        {U'к', 43, 7, 11, 6},  {U'л', 36, 8, 12, 6}, {U'м', 47, 8, 14, 6},  {U'н', 51, 7, 12, 6}, {U'о', 35, 7, 12, 6},
        {U'п', 32, 7, 12, 6},  {U'р', 33, 7, 12, 6}, {U'с', 28, 7, 11, 6},  {U'т', 39, 7, 11, 5}, {U'у', 30, 8, 11, 6},
        {U'ф', 26, 11, 16, 8}, {U'х', 70, 7, 12, 6}, {U'ц', 48, 8, 13, 7},  {U'ч', 49, 7, 11, 6}, {U'ш', 34, 9, 15, 8},
        {U'щ', 40, 10, 15, 9}, {U'ъ', 89, 8, 14, 7}, {U'ы', 44, 10, 15, 8}, {U'ь', 38, 7, 12, 6}, {U'э', 68, 7, 13, 7},
        {U'ю', 91, 10, 16, 9}, {U'я', 50, 8, 11, 6},
    };
    for (const L& l : letters)
        if (l.glyph != 92 || l.cp == U'Ё') g[size_t(l.glyph)] = {l.cp, {l.a0, l.a1, l.a2}};
    for (int i = 0; i < 13; ++i) g[size_t(52 + i)] = kShared[i];
    for (int i = 0; i < 15; ++i) g[size_t(71 + i)] = kSigns[i];
    g[93] = {U'F', {7, 7, 7}};  // the Latin F that font 2 draws in Cyrillic mode
    return g;
}

// Code page 1251 for the Cyrillic letters.
int Cp1251(char32_t cp) {
    if (cp >= U'А' && cp <= U'я') return int(cp - U'А') + 0xC0;
    if (cp == U'Ё') return 0xA8;
    if (cp == U'ё') return 0xB8;
    return -1;
}

int Cp1252(char32_t cp) {
    switch (cp) {
    case U'Ä': return 0xC4;
    case U'Ö': return 0xD6;
    case U'Ü': return 0xDC;
    case U'ä': return 0xE4;
    case U'ö': return 0xF6;
    case U'ü': return 0xFC;
    case U'\u2019': return 0x92;
    default: return -1;
    }
}

// One font's look: the face, pixel size, baseline and colours.
struct FontLook {
    int cell, px, baseline;
    Face face;
    Rgba fill, edge;
    bool glow;
};
const FontLook kLooks[4] = {
    {16, 12, 11, Face::CondensedBold, {245, 240, 225, 255}, {0, 0, 0, 220}, false},   // 0: plain white
    {32, 18, 16, Face::CondensedBold, {250, 215, 130, 255}, {40, 20, 0, 230}, false}, // 1: large gold titles
    {16, 11, 10, Face::Condensed, {215, 210, 195, 255}, {0, 0, 0, 200}, false},       // 2: buttons, idle
    {16, 11, 10, Face::CondensedBold, {255, 215, 70, 255}, {90, 30, 0, 230}, true},   // 3: buttons, highlighted
};

Canvas RenderGlyph(const GlyphDef& d, int font) {
    const FontLook& look = kLooks[font];
    Canvas c(look.cell, look.cell, {0, 0, 0, 0});
    const GlyphBitmap g = Typefaces::Get().Render(look.face, d.codepoint, look.px);
    const int advance = d.advance[std::min(font, 2)];
    // Narrow a glyph that is wider than its advance, so neighbours do not overlap.
    const int target = std::max(1, std::min(g.width, advance - 1 + (font == 1 ? 1 : 0)));
    const float sx = g.width > 0 ? float(g.width) / float(target) : 1.0f;
    Canvas shape(look.cell, look.cell, {0, 0, 0, 0});
    const int x0 = std::max(0, std::min(g.left, advance - target));
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < target; ++x) {
            // Box-filter the source columns that fall into this target column.
            const float a = float(x) * sx, b = float(x + 1) * sx;
            float sum = 0;
            for (int k = int(a); k < int(std::ceil(b)) && k < g.width; ++k) {
                const float w = std::min(b, float(k + 1)) - std::max(a, float(k));
                sum += w * float(g.coverage[size_t(y * g.width + k)]);
            }
            const float cov = sum / sx / 255.0f;
            if (cov > 0) shape.Blend(x0 + x, look.baseline - g.top + y, look.fill, cov);
        }
    // Dark edge first (shadow and a soft outline), the letter over it.
    for (int y = 0; y < look.cell; ++y)
        for (int x = 0; x < look.cell; ++x) {
            float edge = 0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) edge = std::max(edge, float(shape.At(x - dx, y - dy).a) / 255.0f * (dx == 1 && dy == 1 ? 1.0f : 0.6f));
            if (edge > 0) c.Blend(x, y, look.glow ? Rgba{255, 120, 0, 200} : look.edge, edge);
        }
    c.Draw(shape, 0, 0);
    return c;
}

}  // namespace

const std::vector<GlyphDef>& LatinGlyphs() {
    static const std::vector<GlyphDef> g = BuildLatin();
    return g;
}

const std::vector<GlyphDef>& CyrillicGlyphs() {
    static const std::vector<GlyphDef> g = BuildCyrillic();
    return g;
}

std::string GlyphFileName(int font, int glyph, bool cyrillic) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%s%d_%03d.png", cyrillic ? "kyr" : "lat", font, glyph);
    return buf;
}

std::string EncodeEntry(const std::string& utf8, bool cyrillic) {
    std::string out;
    for (char32_t cp : Utf8ToU32(utf8)) {
        int byte = -1;
        if (cp == U' ' || cp == U'_') byte = '_';
        else if (cp == U'\n' || cp == U'|') byte = '@';
        else if (cp >= U'0' && cp <= U'9') byte = int(cp);
        else if (!cyrillic && ((cp >= U'A' && cp <= U'Z') || (cp >= U'a' && cp <= U'z'))) byte = int(cp);
        else if (cyrillic) byte = Cp1251(cp == U'ё' ? U'е' : cp);  // one glyph serves Ё and ё: write е, as is usual
        else byte = Cp1252(cp);
        if (byte < 0)
            for (const GlyphDef& d : kSigns)
                if (d.codepoint == cp) byte = cp == U'\u2019' ? 0x92 : int(cp);
        if (byte < 0 && (cp == U',' || cp == U':' || cp == U'.')) byte = int(cp);
        if (byte < 0) {
            char buf[16];
            std::snprintf(buf, sizeof buf, "U+%04X", unsigned(cp));
            throw std::runtime_error(std::string("character ") + buf + " cannot be drawn by the " +
                                     (cyrillic ? "Cyrillic" : "Latin") + " fonts, in: " + utf8);
        }
        out.push_back(char(byte));
    }
    return out;
}

void MakeFonts(Generator& g) {
    for (int cyr = 0; cyr < 2; ++cyr) {
        const std::vector<GlyphDef>& glyphs = cyr ? CyrillicGlyphs() : LatinGlyphs();
        for (int font = 0; font < 4; ++font) {
            PackWriter& pack = g.Pack(cyr ? kCyrillicPacks[font] : kLatinPacks[font]);
            for (size_t n = 0; n < glyphs.size(); ++n)
                pack.Add(GlyphFileName(font, int(n), cyr), RenderGlyph(glyphs[n], font).ToPng());
        }
    }
}

}  // namespace content
