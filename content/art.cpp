// The painters of the level textures, one per kind of picture (see art_table.cpp).
#include "content/art.h"

#include "content/generator.h"

#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <stdexcept>

namespace content {

namespace {

const Rgba kInk{20, 20, 22, 255};
const Rgba kGold{224, 176, 80, 255};

// A deterministic value noise for terrain and clouds.
float Hash(int x, int y, int seed) {
    uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + uint32_t(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return float((h ^ (h >> 16)) & 0xffff) / 65535.0f;
}
float Smooth(float x, float y, int seed) {
    const int xi = int(std::floor(x)), yi = int(std::floor(y));
    const float fx = x - float(xi), fy = y - float(yi);
    const float u = fx * fx * (3 - 2 * fx), v = fy * fy * (3 - 2 * fy);
    const float a = Hash(xi, yi, seed), b = Hash(xi + 1, yi, seed), c = Hash(xi, yi + 1, seed), d = Hash(xi + 1, yi + 1, seed);
    return a + (b - a) * u + (c - a) * v + (a - b - c + d) * u * v;
}
float Fractal(float x, float y, int seed, int octaves = 4) {
    float sum = 0, amp = 0.5f, f = 1;
    for (int o = 0; o < octaves; ++o, amp *= 0.5f, f *= 2) sum += amp * Smooth(x * f, y * f, seed + o * 17);
    return sum;
}

// The symbol of an icon, large and centred, with a dark edge.
void Symbol(Canvas& c, const std::string& s, int x, int y, int w, int h, Rgba col, float scale = 0.8f) {
    if (s.empty()) return;
    const int px = std::max(6, int(float(std::min(w, h)) * scale));
    Face face = Face::SansBold;
    for (char32_t cp : Utf8ToU32(s)) {
        if (!Typefaces::Get().HasGlyph(face, cp)) face = Face::Sans;
        if (!Typefaces::Get().HasGlyph(face, cp)) throw std::runtime_error("no DejaVu glyph for the symbol " + s);
    }
    // Centre by the glyph box, not the pen, so symbols sit in the middle.
    int minX = 1 << 20, maxX = -(1 << 20), minY = 1 << 20, maxY = -(1 << 20), pen = 0;
    for (char32_t cp : Utf8ToU32(s)) {
        const GlyphBitmap g = Typefaces::Get().Render(face, cp, px);
        if (g.width > 0) {
            minX = std::min(minX, pen + g.left), maxX = std::max(maxX, pen + g.left + g.width);
            minY = std::min(minY, -g.top), maxY = std::max(maxY, -g.top + g.height);
        }
        pen += g.advance;
    }
    if (minX > maxX) return;
    const int ox = x + (w - (maxX - minX)) / 2 - minX, oy = y + (h - (maxY - minY)) / 2 - minY;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (dx || dy) c.Text(s, ox + dx, oy + dy, face, px, {0, 0, 0, 170});
    c.Text(s, ox, oy, face, px, col);
}

void Rivets(Canvas& c, int x, int y, int w, int h, Rgba col) {
    for (auto [px, py] : {std::pair{x + 5, y + 5}, {x + w - 6, y + 5}, {x + 5, y + h - 6}, {x + w - 6, y + h - 6}}) {
        c.Disc(float(px), float(py), 2.2f, Shade(col, 0.5f));
        c.Disc(float(px) - 0.5f, float(py) - 0.5f, 1.4f, Shade(col, 1.5f));
    }
}

// A metal plate with a bevel, grain and rivets: the common look of the interface.
void Plate(Canvas& c, int x, int y, int w, int h, Rgba col, uint32_t seed, bool rivets = true) {
    Canvas grain(w, h, col);
    grain.Noise(seed, 0.06f);
    c.Draw(grain, x, y);
    const int edge = std::max(1, std::min(3, std::min(w, h) / 10));
    for (int k = 0; k < edge; ++k) {
        c.FillRect(x + k, y + k, w - 2 * k, 1, Shade(col, 1.5f));
        c.FillRect(x + k, y + k, 1, h - 2 * k, Shade(col, 1.4f));
        c.FillRect(x + k, y + h - 1 - k, w - 2 * k, 1, Shade(col, 0.5f));
        c.FillRect(x + w - 1 - k, y + k, 1, h - 2 * k, Shade(col, 0.55f));
    }
    c.Outline(x, y, w, h, kInk);
    if (rivets && w >= 24 && h >= 24) Rivets(c, x, y, w, h, col);
}

void Sunken(Canvas& c, int x, int y, int w, int h, Rgba col) {
    c.FillRect(x, y, w, h, col);
    c.FillRect(x, y, w, 2, Shade(col, 0.4f));
    c.FillRect(x, y, 2, h, Shade(col, 0.45f));
    c.FillRect(x, y + h - 1, w, 1, Shade(col, 1.8f));
    c.FillRect(x + w - 1, y, 1, h, Shade(col, 1.7f));
}

void Button(Canvas& c, int x, int y, int w, int h, Rgba col, bool lit, bool pressed) {
    const Rgba face = lit ? Mix(col, {255, 210, 90, 255}, 0.2f) : col;
    c.Bevel(x, y, w, h, face, std::max(1, std::min(3, h / 8)), pressed);
    if (lit) c.Outline(x + 1, y + 1, w - 2, h - 2, {255, 230, 140, 255});
}

// ---- painters ------------------------------------------------------------------------------

Canvas PaintSprite(const ArtEntry& e) {
    Canvas c(e.w, e.h, {0, 0, 0, 0});
    const Rgba col = FromArgb(e.colour);
    const float cx = float(e.w) / 2, cy = float(e.h) / 2, r = float(std::min(e.w, e.h)) / 2;
    switch (e.variant) {
    case 0:  // flame: white core, orange body, red rim
        c.SoftBlob(cx, cy + r * 0.1f, r * 0.95f, {200, 40, 10, 255});
        c.SoftBlob(cx, cy, r * 0.75f, col);
        c.SoftBlob(cx, cy - r * 0.05f, r * 0.4f, {255, 250, 200, 255});
        break;
    case 1:  // smoke: lumpy grey puff
    case 2:  // fog and dust
    case 3:  // cloud
        for (int k = 0; k < (e.variant == 3 ? 9 : 6); ++k) {
            const float a = float(k) * 2.399f;
            const float d = r * 0.35f * Hash(k, 1, e.index);
            c.SoftBlob(cx + std::cos(a) * d, cy + std::sin(a) * d * (e.variant == 3 ? 0.6f : 1.0f),
                       r * (0.55f + 0.3f * Hash(k, 2, e.index)), col);
        }
        break;
    case 5:  // a ring seen from above
        c.Ring(cx, cy, r * 0.72f, r * 0.92f, col);
        c.Ring(cx, cy, r * 0.6f, r * 0.72f, Shade({col.r, col.g, col.b, uint8_t(col.a / 3)}, 1.0f));
        break;
    case 7: {  // detail tufts: grass blades or pebbles scattered on a see-through layer
        for (int k = 0; k < 60; ++k) {
            const float x = float(e.w) * Hash(k, 5, e.index), y = float(e.h) * Hash(k, 6, e.index);
            const Rgba tone = Shade(col, 0.7f + 0.6f * Hash(k, 7, e.index));
            if (e.sx == 0) {
                for (int b = 0; b < 5; ++b) {
                    const float dx = (Hash(k, 10 + b, e.index) - 0.5f) * 10;
                    c.Line(x, y, x + dx, y - 6 - 8 * Hash(k, 20 + b, e.index), 1.5f, tone);
                }
            } else {
                c.Disc(x, y, 2.0f + 4.0f * Hash(k, 8, e.index), tone);
                c.Disc(x - 1, y - 1, 1.0f + 1.5f * Hash(k, 8, e.index), Shade(tone, 1.3f));
            }
        }
        break;
    }
    default: c.SoftBlob(cx, cy, r, col);
    }
    return c;
}

Canvas PaintMaterial(const ArtEntry& e) {
    const Rgba col = FromArgb(e.colour);
    Canvas c(e.w, e.h, col);
    switch (e.variant) {
    case 0:  // cloth: weave, seams
        for (int y = 0; y < e.h; y += 2) c.FillRect(0, y, e.w, 1, Shade(col, 0.93f));
        for (int x = 0; x < e.w; x += 3) c.FillRect(x, 0, 1, e.h, Shade(col, 0.96f));
        for (int x = e.w / 4; x < e.w; x += e.w / 2)
            for (int y = 0; y < e.h; y += 4) c.FillRect(x, y, 1, 2, Shade(col, 0.7f));
        c.Noise(uint32_t(e.index), 0.05f);
        break;
    case 2:  // vest: panels with pockets
        for (int y = 0; y < e.h; y += 3) c.FillRect(0, y, e.w, 1, Shade(col, 0.9f));
        for (int k = 0; k < 4; ++k) c.Bevel(8 + (k % 2) * e.w / 2, 20 + (k / 2) * e.h / 2, e.w / 2 - 16, e.h / 4, col, 1);
        c.Noise(uint32_t(e.index), 0.05f);
        break;
    case 8:  // camouflage blotches
        for (int y = 0; y < e.h; ++y)
            for (int x = 0; x < e.w; ++x) {
                const float n = Fractal(float(x) / 24, float(y) / 24, 5, 3);
                const Rgba tone = n < 0.4f ? Shade(col, 0.6f) : n < 0.55f ? col : Mix(col, {140, 120, 80, 255}, 0.6f);
                c.Set(x, y, tone);
            }
        break;
    case 3:  // metal: brushed with a highlight
        for (int y = 0; y < e.h; ++y) c.FillRect(0, y, e.w, 1, Shade(col, 0.8f + 0.5f * std::sin(float(y) / float(e.h) * 3.1416f)));
        c.Noise(uint32_t(e.index), 0.08f);
        break;
    case 4:  // dark glass with a reflection
        c.VerticalGradient(0, 0, e.w, e.h, Shade(col, 3.0f), col);
        c.Line(float(e.w) * 0.2f, float(e.h) * 0.8f, float(e.w) * 0.7f, float(e.h) * 0.2f, 4, {255, 255, 255, 90});
        break;
    case 5:  // rubber: smooth with folds
        for (int y = 0; y < e.h; ++y) c.FillRect(0, y, e.w, 1, Shade(col, 0.85f + 0.2f * std::sin(float(y) / 5.0f)));
        break;
    case 6:  // blade: polished steel with an edge
        c.HorizontalGradient(0, 0, e.w, e.h, Shade(col, 0.7f), Shade(col, 1.2f));
        c.FillRect(0, e.h / 2, e.w, 2, {255, 255, 255, 255});
        break;
    case 7:  // gun: dark metal, a wooden part for the rifle
        c.Noise(uint32_t(e.index), 0.1f);
        if (e.sx == 1) c.FillRect(0, e.h / 2, e.w, e.h / 2, {110, 70, 40, 255});
        break;
    default: c.Noise(uint32_t(e.index), 0.05f);
    }
    return c;
}

Canvas PaintPanel(const ArtEntry& e) {
    Canvas c(e.w, e.h, {0, 0, 0, 0});
    Plate(c, 0, 0, e.w, e.h, FromArgb(e.colour), uint32_t(e.index));
    Sunken(c, 12, e.variant == 1 ? 40 : 12, e.w - 24, e.h - (e.variant == 1 ? 52 : 24), Shade(FromArgb(e.colour), 0.55f));
    if (e.variant == 1) Symbol(c, e.text, 0, 4, e.w, 34, kGold, 0.9f);
    return c;
}

Canvas PaintButton(const ArtEntry& e) {
    Canvas c(e.w, e.h, {0, 0, 0, 0});
    Button(c, 0, 0, e.w, e.h, FromArgb(e.colour), e.variant == 1, false);
    Symbol(c, e.text, 0, 0, e.w, e.h, {240, 230, 200, 255});
    return c;
}

Canvas PaintIcon(const ArtEntry& e) {
    Canvas c(e.w, e.h, {0, 0, 0, 0});
    const Rgba col = FromArgb(e.colour);
    switch (e.variant) {
    case 0:  // raised button with the symbol
        Button(c, 0, 0, e.w, e.h, {70, 74, 82, 255}, false, false);
        Symbol(c, e.text, 0, 0, e.w, e.h, col, 0.7f);
        break;
    case 1:  // chosen: pressed in and lit
        Button(c, 0, 0, e.w, e.h, Shade(col, 0.6f), true, true);
        Symbol(c, e.text, 1, 1, e.w, e.h, {255, 255, 240, 255}, 0.7f);
        break;
    case 2:  // not available: grey and crossed out
        Button(c, 0, 0, e.w, e.h, {60, 60, 60, 255}, false, true);
        Symbol(c, e.text, 0, 0, e.w, e.h, {110, 110, 110, 255}, 0.7f);
        c.Line(4, float(e.h) - 4, float(e.w) - 4, 4, 2.5f, {170, 40, 30, 220});
        break;
    default: {  // the bare symbol; sx 2: small in the middle of the picture
        const int abstand = e.sx == 2 ? e.w / 3 : 0;
        Symbol(c, e.text, abstand, abstand, e.w - 2 * abstand, e.h - 2 * abstand, col, 0.9f);
        if (e.sx == 1) {  // half star: the right half dimmed
            for (int y = 0; y < e.h; ++y)
                for (int x = e.w / 2; x < e.w; ++x) {
                    Rgba p = c.At(x, y);
                    p.a = uint8_t(p.a / 4);
                    c.Set(x, y, p);
                }
        }
    }
    }
    return c;
}

Canvas PaintBadge(const ArtEntry& e) {
    Canvas c(e.w, e.h, {0, 0, 0, 0});
    const Rgba col = FromArgb(e.colour);
    const float r = float(std::min(e.w, e.h)) / 2;
    if (e.variant == 1) {  // a map marker with a shadow
        c.SoftBlob(r + 2, r + 3, r * 0.95f, {0, 0, 0, 140});
        c.Disc(r, r, r * 0.78f, kInk);
        c.Disc(r, r, r * 0.72f, col);
        Symbol(c, e.text, 0, 0, e.w, e.h, {255, 255, 240, 255}, 0.6f);
        return c;
    }
    c.Disc(r, r, r - 0.2f, kInk);
    c.Disc(r, r, r - 1.4f, col);
    c.Disc(r - r * 0.25f, r - r * 0.3f, r * 0.35f, {255, 255, 255, 60});
    Symbol(c, e.text, 0, 0, e.w, e.h, {255, 255, 245, 255}, 0.75f);
    return c;
}

Canvas PaintFlag(const ArtEntry& e) {
    Canvas c(e.w, e.h, {0, 0, 0, 0});
    const Rgba col = FromArgb(e.colour);
    c.FillRect(10, 4, 4, e.h - 8, {90, 70, 50, 255});
    c.Disc(12, 5, 3, kGold);
    std::vector<std::pair<float, float>> cloth;
    for (int i = 0; i <= 8; ++i) cloth.push_back({14.0f + 4.5f * float(i), 8.0f + 3.0f * std::sin(float(i) * 0.8f)});
    for (int i = 8; i >= 0; --i) cloth.push_back({14.0f + 4.5f * float(i), 34.0f + 3.0f * std::sin(float(i) * 0.8f)});
    c.Polygon(cloth, kInk);
    for (auto& p : cloth) p.second += p.second < 20 ? 1.5f : -1.5f;
    c.Polygon(cloth, col);
    c.Disc(34, 21, 5, Shade(col, 1.5f));
    return c;
}

Canvas PaintFrame(const ArtEntry& e) {
    Canvas c(32, 32, {0, 0, 0, 0});
    const Rgba col = FromArgb(e.colour);
    // A beam 12 pixels wide runs along the panel's edge; tiles are symmetric so they serve both sides.
    switch (e.variant) {
    case 0:  // corner: a boss where the beams meet
        Plate(c, 2, 2, 28, 28, col, uint32_t(e.index), false);
        c.Disc(16, 16, 7, Shade(col, 0.6f));
        c.Disc(15, 15, 5, Shade(col, 1.4f));
        break;
    case 1:  // vertical beam
        Plate(c, 10, 0, 12, 32, col, uint32_t(e.index + e.sx), false);
        c.Disc(16, 8 + float(e.sx * 4 % 16), 1.8f, Shade(col, 1.6f));
        break;
    case 2:  // horizontal beam
        Plate(c, 0, 10, 32, 12, col, uint32_t(e.index + e.sx), false);
        c.Disc(8 + float(e.sx * 4 % 16), 16, 1.8f, Shade(col, 1.6f));
        break;
    default:  // ornament on a beam
        if (e.sx == 0) Plate(c, 10, 0, 12, 32, col, uint32_t(e.index), false);
        else Plate(c, 0, 10, 32, 12, col, uint32_t(e.index), false);
        c.Disc(16, 16, 9, kInk);
        c.Disc(16, 16, 8, kGold);
        c.Disc(16, 16, 4, Shade(col, 0.7f));
    }
    return c;
}

Canvas PaintBar(const ArtEntry& e) {
    Canvas c(e.w, e.h, FromArgb(e.colour));
    const Rgba col = FromArgb(e.colour);
    if (e.variant == 1) {  // gauge: a toxic gradient with stripes
        c.VerticalGradient(0, 0, e.w, e.h, {220, 240, 40, 255}, Shade(col, 0.6f));
        for (int y = 0; y < e.h; y += 8) c.FillRect(0, y, e.w, 1, {40, 50, 10, 160});
        return c;
    }
    c.VerticalGradient(0, 0, e.w, e.h, Shade(col, 1.35f), Shade(col, 0.8f));
    return c;
}

// ---- pictures ------------------------------------------------------------------------------

void Landscape(Canvas& c, int seed, Rgba sky, Rgba ground) {
    const int w = c.Width(), h = c.Height();
    c.VerticalGradient(0, 0, w, h * 2 / 3, Shade(sky, 0.6f), Mix(sky, {240, 200, 150, 255}, 0.6f));
    // Sun low over the horizon.
    c.SoftBlob(float(w) * 0.7f, float(h) * 0.55f, float(h) * 0.35f, {255, 200, 120, 160});
    c.Disc(float(w) * 0.7f, float(h) * 0.55f, float(h) * 0.05f, {255, 235, 190, 255});
    for (int layer = 0; layer < 3; ++layer) {
        std::vector<std::pair<float, float>> hill{{0, float(h)}};
        const float base = float(h) * (0.55f + 0.1f * float(layer));
        for (int x = 0; x <= w; x += 8)
            hill.push_back({float(x), base - float(h) * 0.12f * Fractal(float(x) / 180.0f, float(layer), seed + layer, 3)});
        hill.push_back({float(w), float(h)});
        c.Polygon(hill, Mix(ground, Shade(sky, 0.5f), 0.6f - 0.25f * float(layer)));
    }
    // Ruined town silhouette.
    for (int k = 0; k < 14; ++k) {
        const int bw = 20 + int(40 * Hash(k, 1, seed)), bh = 20 + int(90 * Hash(k, 2, seed));
        const int bx = int(float(w) * Hash(k, 3, seed)), by = int(float(h) * 0.72f);
        c.FillRect(bx, by - bh, bw, bh + h, {30, 28, 30, 255});
        for (int j = 0; j < 3; ++j)
            if (Hash(k, 10 + j, seed) > 0.5f) c.FillRect(bx + 4 + j * 8, by - bh + 10, 4, 6, {240, 190, 90, 255});
    }
    c.VerticalGradient(0, int(float(h) * 0.8f), w, h - int(float(h) * 0.8f), Shade(ground, 0.6f), Shade(ground, 0.3f));
}

void TitleText(Canvas& c, const std::string& text, int x, int y, int w, int h, int px) {
    c.TextCentered(text, x + 3, y + 3, w, h, Face::SerifBold, px, {0, 0, 0, 200}, false);
    c.TextCentered(text, x, y, w, h, Face::SerifBold, px, {110, 70, 20, 255}, false);
    c.TextCentered(text, x - 1, y - 1, w, h, Face::SerifBold, px, kGold, false);
}

Canvas PaintPicture(const ArtEntry& e);

Canvas PaintSidePanel(const ArtEntry& e, bool top) {
    Canvas c(e.w, e.h, {0, 0, 0, 0});
    const Rgba col = FromArgb(e.colour);
    if (top) {
        Plate(c, 0, 0, e.w, e.h, col, uint32_t(e.index));
        Symbol(c, e.text, e.w - 52, 10, 40, 40, Shade(kGold, 0.9f));
        Sunken(c, 14, 78, e.w - 28, e.h - 78, Shade(col, 0.6f));
        return c;
    }
    Plate(c, 0, 0, e.w, e.h, col, uint32_t(e.index));
    Sunken(c, 14, 0, e.w - 28, e.h - 14, Shade(col, 0.6f));
    if (e.sx == 1) {  // crafting: the recipe strip, the card and the craft button
        for (int j = 0; j < 3; ++j) Sunken(c, 46 + 51 * j, 6, 48, 44, Shade(col, 0.4f));
        Sunken(c, 20, 118, e.w - 40, 60, Shade(col, 0.45f));
        Button(c, 98, 106 - 0, 60, 0, col, false, false);
        Button(c, 98, 107, 61, 20, Shade(col, 1.2f), false, false);
        Symbol(c, "⚒", 98, 107, 61, 20, kGold, 0.8f);
    } else if (e.sx == 2) {  // game menu: five rows of buttons
        for (int k = 0; k < 5; ++k) Button(c, 84, 42 + 20 * k, 82, 17, Shade(col, 1.2f), false, false);
    }
    return c;
}

Canvas PaintTalkPanel(const ArtEntry& e) {
    Canvas c(e.w, e.h, {0, 0, 0, 0});
    const Rgba col = FromArgb(e.colour);
    Plate(c, 0, 0, e.w, e.h, col, uint32_t(e.index));
    // The field begins left of the answer rows (their "1." at x 15), and in the scene panels it
    // reaches further right, so their offer slot (the item's 64 x 64 icon at 432, 249) lies inside
    // it, framed as the recruit's offer slot is.
    Sunken(c, 11, 20, e.sx == 2 ? e.w - 19 : e.w - 31, e.h - 40, Shade(col, 0.55f));
    if (e.sx == 2) {
        c.Outline(429, 246, 70, 70, kInk, 1);
        c.Outline(430, 247, 68, 68, kGold, 3);
        c.FillRect(433, 250, 62, 62, {0, 0, 0, 90});
    }
    if (e.sx != 2) {
        Sunken(c, 23, 135, 98, 72, {10, 10, 12, 255});  // portrait
        c.Outline(22, 134, 100, 74, kGold, 1);
    }
    if (e.sx == 1) Sunken(c, 7, 203, 128, 100, Shade(col, 0.4f));  // deal indicator place
    if (e.sx == 2) Symbol(c, e.text, e.w - 80, 28, 52, 52, kGold, 0.9f);
    // Rows of answers.
    for (int k = 0; k < 2; ++k) c.FillRect(30, 333 + 15 * k, e.w - 60, 1, Shade(col, 1.4f));
    return c;
}

Canvas PaintPicture(const ArtEntry& e) {
    Canvas c(e.w, e.h, {0, 0, 0, 0});
    const Rgba col = FromArgb(e.colour);
    switch (e.variant) {
    case 0:  // loading picture: dusk over the ruined land, the title above
        Landscape(c, 3, {60, 80, 120, 255}, {90, 80, 60, 255});
        TitleText(c, "Velquor Kerrowind", 0, 120, e.w, 120, 84);
        break;
    case 1:  // menu backdrop
        Landscape(c, 9, {90, 60, 80, 255}, {70, 60, 50, 255});
        c.VerticalGradient(0, 0, e.w, e.h / 3, {0, 0, 0, 120}, {0, 0, 0, 0});
        break;
    case 2:  // logo
        TitleText(c, e.text, 0, 0, e.w, e.h, 110);
        c.FillRect(120, e.h - 36, e.w - 240, 3, kGold);
        break;
    case 3:  // banner strip: opaque to its edges, the credits scroll underneath it
        Plate(c, 0, 0, e.w, e.h, col, 148);
        c.FillRect(8, e.h / 2 - 1, e.w - 16, 2, kGold);
        for (int x : {0, e.w - 40}) c.Disc(float(x + 20), float(e.h) / 2, 16, kGold), c.Disc(float(x + 20), float(e.h) / 2, 11, Shade(col, 0.8f));
        break;
    case 4:  // title plate
        Plate(c, 0, 0, e.w, e.h, col, uint32_t(e.index));
        Sunken(c, 10, 8, e.w - 20, e.h - 16, Shade(col, 0.6f));
        break;
    case 5: {  // credits picture: a compass rose emblem
        c.Disc(64, 64, 60, kInk);
        c.Disc(64, 64, 57, col);
        c.Ring(64, 64, 40, 44, kGold);
        for (int k = 0; k < 8; ++k) {
            const float a = float(k) * 0.7854f, l = k % 2 ? 30.0f : 52.0f;
            c.Polygon({{64 + std::cos(a) * l, 64 + std::sin(a) * l}, {64 + std::cos(a + 0.4f) * 9, 64 + std::sin(a + 0.4f) * 9},
                       {64, 64}, {64 + std::cos(a - 0.4f) * 9, 64 + std::sin(a - 0.4f) * 9}},
                      k % 2 ? Shade(kGold, 0.7f) : kGold);
        }
        break;
    }
    case 6:  // sky with clouds
        c.VerticalGradient(0, 0, e.w, e.h, Shade(col, 0.7f), Mix(col, {230, 230, 240, 255}, 0.6f));
        for (int y = 0; y < e.h; y += 2)
            for (int x = 0; x < e.w; x += 2) {
                const float n = Fractal(float(x) / 160, float(y) / 60, 11, 4);
                if (n > 0.55f) c.FillRect(x, y, 2, 2, {255, 255, 255, uint8_t(std::min(255.0f, (n - 0.55f) * 900))});
            }
        break;
    case 7:
    case 8: {  // hill layers with a see-through sky above them
        const float base = e.variant == 7 ? 0.45f : 0.65f;
        for (int x = 0; x < e.w; ++x) {
            const float top = float(e.h) * (base - 0.35f * Fractal(float(x) / (e.variant == 7 ? 200.0f : 120.0f), 0, e.index, 4));
            for (int y = std::max(0, int(top)); y < e.h; ++y)
                c.Set(x, y, Shade(col, 0.8f + 0.3f * Hash(x / 3, y / 3, e.index)));
        }
        break;
    }
    case 9: {  // the well's stone rim filling the lower part
        for (int y = e.h * 2 / 3; y < e.h; ++y)
            for (int x = 0; x < e.w; ++x) {
                const int row = (y - e.h * 2 / 3) / 24, off = (row % 2) * 30;
                const bool joint = (y - e.h * 2 / 3) % 24 == 0 || (x + off) % 60 == 0;
                c.Set(x, y, joint ? Shade(col, 0.45f) : Shade(col, 0.8f + 0.4f * Hash((x + off) / 60, row, 5)));
            }
        break;
    }
    case 10:  // cloud shadows that multiply the map: white with soft grey patches
        c.Fill({255, 255, 255, 255});
        for (int y = 0; y < e.h; y += 4)
            for (int x = 0; x < e.w; x += 4) {
                const float n = Fractal(float(x) / 300, float(y) / 300, 21, 3);
                if (n > 0.5f) {
                    const uint8_t g = uint8_t(255 - std::min(90.0f, (n - 0.5f) * 400));
                    c.FillRect(x, y, 4, 4, {g, g, g, 255});
                }
            }
        break;
    case 11:  // surroundings: rough ground with rocks
        for (int y = 0; y < e.h; ++y)
            for (int x = 0; x < e.w; ++x)
                c.Set(x, y, Shade(col, 0.7f + 0.6f * Fractal(float(x) / 40, float(y) / 40, 31, 4)));
        for (int k = 0; k < 30; ++k) c.Disc(float(e.w) * Hash(k, 1, 31), float(e.h) * Hash(k, 2, 31), 3 + 6 * Hash(k, 3, 31), {120, 116, 110, 255});
        break;
    case 12: {  // portrait: a face under a coloured helmet or hat
        const float s = float(e.w) / 32.0f;
        c.Fill(Shade(col, 0.45f));
        c.Disc(16 * s, 19 * s, 9.5f * s, {220, 180, 140, 255});
        c.Disc(12.5f * s, 18 * s, 1.3f * s, kInk);
        c.Disc(19.5f * s, 18 * s, 1.3f * s, kInk);
        c.Line(13 * s, 24 * s, 19 * s, 24 * s, 1.2f * s, {120, 60, 50, 255});
        if (e.sx <= 4) c.Polygon({{5 * s, 15 * s}, {8 * s, 7 * s}, {16 * s, 4 * s}, {24 * s, 7 * s}, {27 * s, 15 * s}}, col);
        else c.Polygon({{6 * s, 14 * s}, {10 * s, 8 * s}, {22 * s, 8 * s}, {26 * s, 14 * s}}, Shade(col, 0.6f));
        if (e.sx == 6) c.FillRect(int(10 * s), int(26 * s), int(12 * s), int(2 * s), {80, 50, 30, 255});  // moustache
        c.Outline(0, 0, e.w, e.h, kInk);
        break;
    }
    case 13:  // dead: dark plate with a skull
        Plate(c, 0, 0, e.w, e.h, col, 245);
        Symbol(c, e.text, 0, 0, e.w, e.h, {200, 200, 190, 255}, 0.7f);
        break;
    case 14:  // editor grid lines
        c.Outline(0, 0, e.w, e.h, col, 1);
        c.FillRect(e.w / 2, 0, 1, e.h, {col.r, col.g, col.b, uint8_t(col.a / 2)});
        c.FillRect(0, e.h / 2, e.w, 1, {col.r, col.g, col.b, uint8_t(col.a / 2)});
        break;
    case 15:  // squad slot frame around the plate below it (the plate starts 52 pixels down)
        c.Outline(0, 52, 83, 76, kInk, 1);
        c.Outline(1, 53, 81, 74, col, 2);
        Rivets(c, 0, 52, 83, 86, col);
        break;
    case 16:  // a button drawn only where the screen's hot spot lies, the rest see-through
        if (e.index == 269) {
            Button(c, e.sx, e.sy, 88, 24, col, false, false);
        } else {
            const int bw = e.index == 125 ? 52 : e.index == 146 ? 61 : e.index == 100 ? 78 : 62;
            const int bh = e.index == 125 ? 44 : e.index == 146 ? 21 : e.index == 100 ? 32 : 22;
            Button(c, e.sx, e.sy, bw, bh, e.index == 125 ? Shade(col, 0.6f) : Shade(col, 0.7f), true, e.index == 100);
            Symbol(c, e.text, e.sx, e.sy, bw, bh, {255, 255, 240, 255}, 0.8f);
        }
        break;
    case 17: {  // top bar: a beam across the screen holding the day-light groove
        Plate(c, 0, 8, e.w, 46, col, 270);
        Sunken(c, 15, 48, 991, 8, {20, 20, 24, 255});
        c.FillRect(0, 54, e.w, 2, kInk);
        break;
    }
    case 18:  // deal indicator
        c.SoftBlob(64, 64, 60, {40, 200, 40, 120});
        Symbol(c, e.text, 0, 0, e.w, e.h, col, 0.7f);
        break;
    case 19:  // offer slot: a frame around a 64 x 64 place
        c.Outline(30, 30, 68, 68, kInk, 1);
        c.Outline(31, 31, 66, 66, col, 3);
        c.FillRect(34, 34, 60, 60, {0, 0, 0, 90});
        break;
    case 20: {  // member page: name strip, stat boxes
        Plate(c, 0, 0, e.w, e.h, col, 3);
        Sunken(c, 16, 138, 148, 22, Shade(col, 0.5f));   // name
        Sunken(c, 122, 132, 34, 34, Shade(col, 0.5f));   // type icon
        Sunken(c, 166, 138, 76, 22, Shade(col, 0.5f));   // level
        Sunken(c, 10, 186, 100, 24, Shade(col, 0.5f));   // food
        Sunken(c, 10, 212, 100, 26, Shade(col, 0.5f));   // water
        Sunken(c, 112, 186, 68, 24, Shade(col, 0.5f));   // protection
        Sunken(c, 112, 212, 68, 26, Shade(col, 0.5f));   // armour
        // The card place is a window: the side panel slid in behind the page shows through it (the
        // town stock's food and pump slots, the equipment), the crafting card is drawn into it.
        Sunken(c, 16, 8, e.w - 32, 116, Shade(col, 0.55f));
        for (int y = 10; y < 8 + 115; ++y)
            for (int x = 18; x < 16 + e.w - 32 - 1; ++x) c.Set(x, y, {0, 0, 0, 0});
        break;
    }
    case 21: return PaintTalkPanel(e);
    case 22: return PaintSidePanel(e, true);
    case 23: return PaintSidePanel(e, false);
    case 24:  // slider knob
        c.Disc(16, 16, 13, kInk);
        c.Disc(16, 16, 12, col);
        c.Disc(13, 13, 5, Shade(col, 1.4f));
        break;
    case 25:  // check box
        Sunken(c, 3, 3, 26, 26, col);
        c.Outline(2, 2, 28, 28, Shade(col, 2.0f), 1);
        break;
    case 26:  // sunken field or slider groove
        if (e.sx == 1) {
            // Slider groove: the options screen draws the bar at x 181 and its knobs from x 186 to 491,
            // so the knob's centre runs from 21 to 326 of the bar; the rest of the bar stays clear.
            Sunken(c, 13, 10, 321, 12, col);
            for (int x = 26; x <= 326; x += 50) c.FillRect(x, 24, 1, 6, {160, 150, 130, 255});
        } else {
            Sunken(c, 0, 0, e.w, e.h, col);
            c.Outline(0, 0, e.w, e.h, Shade(kGold, 0.6f), 1);
        }
        break;
    case 27:  // dark plain plate, stretched into strips and tracks
        c.Fill(col);
        c.Noise(10, 0.05f);
        c.Outline(0, 0, e.w, e.h, kInk, 2);
        break;
    default: c.Fill(col);
    }
    return c;
}

// ---- sheets: layouts larger than one texture, cut into pieces --------------------------------

Canvas PaintLeftColumn() {
    // Screen y 256..768 of the left 128 pixels: backpack, hand and ammunition, command grid.
    Canvas c(128, 512, {0, 0, 0, 0});
    const Rgba col{58, 60, 64, 255};
    Plate(c, 0, 80, 122, 300, col, 8);  // backpack and hand (screen y 336..636)
    for (int r = 0; r < 2; ++r)
        for (int k = 0; k < 6; ++k) Sunken(c, 52 * r + 9, 106 + 32 * k, 50, 30, Shade(col, 0.5f));
    Sunken(c, 4, 300, 112, 34, Shade(col, 0.45f));   // hand (screen 556..590)
    Sunken(c, 4, 338, 52, 34, Shade(col, 0.45f));    // ammunition (screen 594..628)
    Button(c, 64, 339, 56, 30, col, false, false);   // equipment button (screen (64, 595))
    Symbol(c, "⚙", 64, 339, 56, 30, {200, 200, 210, 255}, 0.8f);
    Plate(c, 0, 384, 124, 128, col, 2);  // command grid (screen 640..768)
    struct B { int x, y; const char* s; Rgba c; };
    const B buttons[] = {{9, 7, "➜", {120, 180, 240, 255}},  {46, 7, "☺", {120, 180, 240, 255}},
                         {83, 7, "⚔", {240, 110, 90, 255}},  {9, 47, "✚", {110, 220, 110, 255}},
                         {46, 47, "⌂", {120, 180, 240, 255}}, {83, 47, "⚒", {240, 190, 90, 255}},
                         {9, 86, "☰", {200, 200, 210, 255}}, {46, 86, "☸", {200, 200, 210, 255}},
                         {83, 86, "⚖", {200, 200, 210, 255}}};
    for (const B& b : buttons) {
        Button(c, b.x, 384 + b.y, 32, 32, {74, 78, 86, 255}, false, false);
        Symbol(c, b.s, b.x, 384 + b.y, 32, 32, b.c, 0.7f);
    }
    return c;
}

// The ten by ten slots on their plate, screen x 201..737, drawn with the sheet's left edge at
// screen x 201 - dx: the well's column (from screen x 713) holds their right end too.
void SlotGitter(Canvas& c, int dx) {
    const Rgba col{70, 60, 48, 255};
    Plate(c, -dx, 150, 536, 362, col, 116);
    for (int r = 0; r < 10; ++r)
        for (int k = 0; k < 10; ++k) Sunken(c, 8 + 52 * k - dx, 183 + 32 * r, 51, 31, Shade(col, 0.45f));
}

Canvas PaintContainer() {
    // Screen (201, 8) to (969, 520): ten by ten slots and a right column with the close button.
    Canvas c(768, 512, {0, 0, 0, 0});
    const Rgba col{70, 60, 48, 255};
    SlotGitter(c, 0);
    Plate(c, 540, 150, 140, 362, col, 118);
    Symbol(c, "▣", 560, 170, 100, 100, Shade({224, 176, 80, 255}, 0.8f));
    Button(c, 512 + 48, 463, 62, 22, Shade(col, 1.2f), false, false);
    Symbol(c, "✔", 512 + 48, 463, 62, 22, {230, 230, 220, 255}, 0.8f);
    return c;
}

Canvas PaintWellColumn() {
    // Screen (713, 8) to (969, 520): the water gauge, the water button and the close button.
    Canvas c(256, 512, {0, 0, 0, 0});
    const Rgba col{52, 60, 70, 255};
    SlotGitter(c, 512);  // the slots' last column reaches past x 713
    Plate(c, 28, 150, 140, 362, col, 122);
    Sunken(c, 103, 208, 12, 80, {10, 14, 30, 255});  // water gauge, bottom at screen y 292
    Button(c, 51, 360, 54, 38, Shade(col, 1.2f), false, false);
    Symbol(c, "≈", 51, 360, 54, 38, {120, 190, 255, 255}, 0.8f);
    Button(c, 48, 463, 62, 22, Shade(col, 1.2f), false, false);
    Symbol(c, "✔", 48, 463, 62, 22, {230, 230, 220, 255}, 0.8f);
    return c;
}

Canvas PaintMapSide() {
    // Screen x 768..1024: town name, contamination bar, garrison, food, water, return button.
    Canvas c(256, 768, {0, 0, 0, 0});
    const Rgba col{64, 58, 48, 255};
    Plate(c, 0, 0, 256, 768, col, 68);
    Sunken(c, 120, 64, 136 - 16, 30, Shade(col, 0.5f));   // name
    Sunken(c, 205, 136, 42, 72, {20, 24, 10, 255});        // contamination bar
    Sunken(c, 104, 250, 146, 48, Shade(col, 0.5f));        // garrison
    Sunken(c, 108, 320, 70, 70, Shade(col, 0.5f));         // food animal
    Sunken(c, 186, 332, 58, 44, Shade(col, 0.5f));         // water income
    Symbol(c, "≈", 186, 310, 58, 24, {120, 190, 255, 255}, 0.8f);
    Button(c, 165, 621 - 0, 78, 32, Shade(col, 1.3f), false, false);  // return button (screen 933..1010, 621..652)
    Symbol(c, "◀", 165, 621, 78, 32, {240, 230, 200, 255}, 0.7f);
    return c;
}

Canvas PaintWorldMap() {
    // 1280 x 1280 pixels of land seen from above: steppe, dry riverbeds, hills and roads.
    Canvas c(1280, 1280, {0, 0, 0, 255});
    for (int y = 0; y < 1280; ++y)
        for (int x = 0; x < 1280; ++x) {
            const float h = Fractal(float(x) / 260, float(y) / 260, 41, 5);
            const float m = Fractal(float(x) / 90, float(y) / 90, 43, 3);
            Rgba col = h < 0.38f ? Rgba{70, 90, 110, 255} : h < 0.42f ? Rgba{150, 140, 100, 255}
                     : h < 0.6f ? Mix({120, 130, 70, 255}, {160, 140, 90, 255}, m) : Mix({130, 110, 80, 255}, {180, 170, 150, 255}, (h - 0.6f) * 3);
            col = Shade(col, 0.9f + 0.2f * Hash(x / 2, y / 2, 44));
            c.Set(x, y, col);
        }
    for (int k = 0; k < 6; ++k) {  // roads between the town rows
        const float y0 = 64.0f * float(2 + 3 * k) + 32, y1 = y0 + 64 * (Hash(k, 1, 45) - 0.5f) * 4;
        c.Line(0, y0, 1280, y1, 3, {120, 95, 70, 200});
    }
    return c;
}

const Canvas& SheetCanvas(int variant) {
    static std::map<int, std::unique_ptr<Canvas>> sheets;
    auto& s = sheets[variant];
    if (!s) {
        switch (variant) {
        case 0: s = std::make_unique<Canvas>(PaintLeftColumn()); break;
        case 1: s = std::make_unique<Canvas>(PaintContainer()); break;
        case 2: s = std::make_unique<Canvas>(PaintWellColumn()); break;
        case 3: s = std::make_unique<Canvas>(PaintMapSide()); break;
        default: s = std::make_unique<Canvas>(PaintWorldMap()); break;
        }
    }
    return *s;
}

Canvas PaintSheet(const ArtEntry& e) {
    const Canvas& sheet = SheetCanvas(e.variant);
    Canvas c(e.w, e.h, {0, 0, 0, 0});
    for (int y = 0; y < e.h; ++y)
        for (int x = 0; x < e.w; ++x) c.Set(x, y, sheet.At(e.sx + x, e.sy + y));
    return c;
}

}  // namespace

Canvas PaintArt(const ArtEntry& e) {
    switch (e.kind) {
    case ArtKind::Fill: return Canvas(e.w, e.h, FromArgb(e.colour));
    case ArtKind::Sprite: return PaintSprite(e);
    case ArtKind::Material: return PaintMaterial(e);
    case ArtKind::Panel: return PaintPanel(e);
    case ArtKind::Sheet: return PaintSheet(e);
    case ArtKind::Button: return PaintButton(e);
    case ArtKind::Icon: return PaintIcon(e);
    case ArtKind::Badge: return PaintBadge(e);
    case ArtKind::Flag: return PaintFlag(e);
    case ArtKind::Frame: return PaintFrame(e);
    case ArtKind::Bar: return PaintBar(e);
    case ArtKind::Picture: return PaintPicture(e);
    }
    return Canvas(e.w, e.h);
}

}  // namespace content

namespace content {

namespace {

// Health ring under a figure, seen from above: the filled part of the ring shows the health band.
Canvas PaintEnergyRing(int entry) {
    Canvas c(64, 64, {0, 0, 0, 0});
    Rgba col{150, 150, 150, 255};
    float fill = 0;
    if (entry <= 7) col = {60, 220, 60, 255}, fill = float(8 - entry) / 8.0f;                     // squad: 0 = full
    else if (entry >= 10 && entry <= 17) col = {230, 200, 40, 255}, fill = float(entry - 9) / 8.0f;  // townsfolk
    else if (entry >= 19 && entry <= 26) col = {230, 50, 40, 255}, fill = float(entry - 18) / 8.0f;  // hostiles
    c.Ring(32, 32, 24, 30, {0, 0, 0, 110});
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const float dx = float(x) + 0.5f - 32, dy = float(y) + 0.5f - 32;
            const float d = std::sqrt(dx * dx + dy * dy);
            // Clockwise from the top.
            float a = std::atan2(dx, -dy) / 6.2831853f;
            if (a < 0) a += 1;
            if (d >= 25 && d <= 29 && a <= fill) c.Blend(x, y, col);
        }
    return c;
}

}  // namespace

void MakeArt(Generator& g) {
    for (const ArtEntry& e : ArtTable()) {
        const std::string file = ArtFileName(e.index);
        g.Pack("Pack3.gzp").Add(file, PaintArt(e).ToPng());
        g.catalogue.texturen[e.index] = file;
    }
    for (int n = 0; n < 28; ++n) {
        char name[32];
        std::snprintf(name, sizeof name, "energie_%02d.png", n);
        g.Pack("Pack4.gzp").Add(name, PaintEnergyRing(n).ToPng());
        g.catalogue.energie.push_back(name);
    }
}

}  // namespace content
