#pragma once
// The glyph sets of the four bitmap fonts and the one code page conversion the texts go through:
// only characters a font can draw make it into a text file.
#include <string>
#include <vector>

namespace content {

struct GlyphDef {
    char32_t codepoint;  // what the glyph image shows
    int advance[3];      // pixels for font 0 / font 1 / fonts 2 and 3
};

// Glyph n of the Latin fonts (86 glyphs) and of the Cyrillic fonts (94 glyphs).
const std::vector<GlyphDef>& LatinGlyphs();
const std::vector<GlyphDef>& CyrillicGlyphs();

// UTF-8 text to the bytes of one table entry: code page 1252 (Latin) or 1251 (Cyrillic), a blank
// becomes "_" and a line end "@". Throws for a character the fonts cannot draw.
std::string EncodeEntry(const std::string& utf8, bool cyrillic);

// The glyph image file names as the glyph lists give them.
std::string GlyphFileName(int font, int glyph, bool cyrillic);

}  // namespace content
