#pragma once
// A small RGBA painting surface for the generated art, with text through FreeType and the DejaVu
// fonts. Everything is integer or fixed-order float work, so the same calls give the same pixels.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/image.h"

namespace content {

struct Rgba {
    uint8_t r = 0, g = 0, b = 0, a = 255;
};
Rgba FromArgb(uint32_t argb);
Rgba Mix(Rgba a, Rgba b, float t);  // a at t = 0, b at t = 1
Rgba Shade(Rgba c, float f);        // colour times f, alpha kept

enum class Face { Sans, SansBold, Condensed, CondensedBold, Serif, SerifBold, Mono };

// A glyph's coverage bitmap and where it sits relative to the pen on the baseline.
struct GlyphBitmap {
    int width = 0, height = 0, left = 0, top = 0, advance = 0;
    std::vector<uint8_t> coverage;
};

class Typefaces {
public:
    static Typefaces& Get();
    GlyphBitmap Render(Face face, uint32_t codepoint, int pixelSize);
    bool HasGlyph(Face face, uint32_t codepoint);
    ~Typefaces();

private:
    Typefaces();
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

std::u32string Utf8ToU32(const std::string& s);

class Canvas {
public:
    Canvas(int w, int h, Rgba fill = {0, 0, 0, 0});
    int Width() const { return w_; }
    int Height() const { return h_; }

    Rgba At(int x, int y) const;
    void Set(int x, int y, Rgba c);
    void Blend(int x, int y, Rgba c, float coverage = 1.0f);  // "over"

    void Fill(Rgba c);
    void FillRect(int x, int y, int w, int h, Rgba c);
    void VerticalGradient(int x, int y, int w, int h, Rgba top, Rgba bottom);
    void HorizontalGradient(int x, int y, int w, int h, Rgba left, Rgba right);
    // Raised (or sunken) bevelled plate with a border.
    void Bevel(int x, int y, int w, int h, Rgba face, int edge, bool sunken = false);
    void Outline(int x, int y, int w, int h, Rgba c, int thickness = 1);
    void Disc(float cx, float cy, float r, Rgba c);
    void Ring(float cx, float cy, float r0, float r1, Rgba c);
    void SoftBlob(float cx, float cy, float r, Rgba c);  // radial falloff of alpha
    void Line(float x0, float y0, float x1, float y1, float thickness, Rgba c);
    void Polygon(const std::vector<std::pair<float, float>>& pts, Rgba c);
    // Deterministic grain: each pixel's colour times 1 +- amount.
    void Noise(uint32_t seed, float amount);
    void Multiply(Rgba c);

    // Text: pen at (x, baseline); returns the width drawn.
    int TextWidth(const std::string& utf8, Face face, int px) const;
    int Text(const std::string& utf8, int x, int baseline, Face face, int px, Rgba c);
    // Centred in a box, shrunk to fit its width; with a dark shadow for legibility.
    void TextCentered(const std::string& utf8, int x, int y, int w, int h, Face face, int px, Rgba c,
                      bool shadow = true);

    void Draw(const Canvas& src, int x, int y);
    image::Image ToImage() const;
    std::vector<uint8_t> ToPng() const;

private:
    int w_, h_;
    std::vector<uint8_t> px_;
};

}  // namespace content
