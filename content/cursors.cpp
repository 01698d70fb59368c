// The mouse pointers: the seven cursors of Pack15 and the window's "cursor.cur", as .cur files
// (one 32 x 32 image, 32 bits with alpha, an AND mask, and the hotspot).
#include <cstdio>

#include "content/canvas.h"
#include "content/generator.h"

namespace content {

std::vector<uint8_t> EncodeCursor(const Canvas& c, int hotX, int hotY) {
    const int w = c.Width(), h = c.Height();
    std::vector<uint8_t> out;
    auto put16 = [&](uint32_t v) { out.push_back(uint8_t(v)), out.push_back(uint8_t(v >> 8)); };
    auto put32 = [&](uint32_t v) { put16(v & 0xffff), put16(v >> 16); };
    const uint32_t maskRow = uint32_t(((w + 31) / 32) * 4);
    const uint32_t imageSize = 40 + uint32_t(w * h * 4) + maskRow * uint32_t(h);
    put16(0), put16(2), put16(1);  // reserved, type 2 = cursor, one image
    out.push_back(uint8_t(w)), out.push_back(uint8_t(h)), out.push_back(0), out.push_back(0);
    put16(uint32_t(hotX)), put16(uint32_t(hotY)), put32(imageSize), put32(6 + 16);
    // Bitmap header: the height counts the colour rows and the mask rows.
    put32(40), put32(uint32_t(w)), put32(uint32_t(h * 2)), put16(1), put16(32), put32(0), put32(0), put32(0), put32(0),
        put32(0), put32(0);
    for (int y = h - 1; y >= 0; --y)  // bottom row first, BGRA
        for (int x = 0; x < w; ++x) {
            const Rgba p = c.At(x, y);
            out.push_back(p.b), out.push_back(p.g), out.push_back(p.r), out.push_back(p.a);
        }
    for (int y = h - 1; y >= 0; --y) {  // AND mask: 1 where the pointer is see-through
        std::vector<uint8_t> row(maskRow, 0);
        for (int x = 0; x < w; ++x)
            if (c.At(x, y).a < 128) row[size_t(x / 8)] |= uint8_t(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

namespace {

const Rgba kBlack{10, 10, 10, 255}, kWhite{250, 250, 245, 255};

Canvas Arrow(Rgba fill) {
    Canvas c(32, 32, {0, 0, 0, 0});
    const std::vector<std::pair<float, float>> shape = {{1, 1}, {1, 22}, {6, 17}, {10, 26}, {14, 24}, {10, 16}, {17, 16}};
    c.Polygon(shape, kBlack);
    std::vector<std::pair<float, float>> inner = {{2.5f, 4}, {2.5f, 19}, {6.3f, 15}, {10.5f, 23.5f}, {12.3f, 22.7f}, {8.2f, 14.5f}, {13.8f, 14.5f}};
    c.Polygon(inner, fill);
    return c;
}

Canvas Centred(const char* what) {
    Canvas c(32, 32, {0, 0, 0, 0});
    const std::string w = what;
    if (w == "heal") {
        c.FillRect(11, 3, 10, 26, kBlack), c.FillRect(3, 11, 26, 10, kBlack);
        c.FillRect(13, 5, 6, 22, {60, 220, 60, 255}), c.FillRect(5, 13, 22, 6, {60, 220, 60, 255});
    } else if (w == "attack") {
        c.Ring(16, 16, 8, 12, kBlack);
        c.Ring(16, 16, 9, 11, {230, 50, 40, 255});
        for (auto [x0, y0, x1, y1] : {std::tuple{16.f, 1.f, 16.f, 10.f}, {16.f, 22.f, 16.f, 31.f}, {1.f, 16.f, 10.f, 16.f}, {22.f, 16.f, 31.f, 16.f}}) {
            c.Line(x0, y0, x1, y1, 3.5f, kBlack);
            c.Line(x0, y0, x1, y1, 1.6f, {230, 50, 40, 255});
        }
    } else if (w == "talk") {
        c.Disc(16, 13, 12, kBlack);
        c.Polygon({{8, 20}, {14, 22}, {5, 30}}, kBlack);
        c.Disc(16, 13, 10.5f, kWhite);
        c.Polygon({{9, 20}, {13, 21.5f}, {7, 27}}, kWhite);
        for (int k = 0; k < 3; ++k) c.Disc(11.0f + 5.0f * float(k), 13, 1.6f, kBlack);
    } else if (w == "hourglass") {
        c.Polygon({{6, 2}, {26, 2}, {26, 5}, {18, 16}, {26, 27}, {26, 30}, {6, 30}, {6, 27}, {14, 16}, {6, 5}}, kBlack);
        c.Polygon({{9, 5}, {23, 5}, {16, 14}}, {230, 200, 120, 255});
        c.Polygon({{16, 19}, {23, 27}, {9, 27}}, {230, 200, 120, 255});
    } else if (w == "turn") {
        c.Ring(16, 16, 8, 13, kBlack);
        c.Ring(16, 16, 9.5f, 11.5f, kWhite);
        c.Polygon({{22, 1}, {31, 8}, {21, 12}}, kBlack);
        c.Polygon({{10, 31}, {1, 24}, {11, 20}}, kBlack);
    }
    return c;
}

}  // namespace

void MakeCursors(Generator& g) {
    struct C {
        const char* file;
        Canvas picture;
        int hx, hy;
    };
    const C cursors[] = {
        {"blank.cur", Canvas(32, 32, {0, 0, 0, 0}), 0, 0},
        {"heilen.cur", Centred("heal"), 16, 16},
        {"Bewegen.cur", Arrow(kWhite), 1, 1},
        {"Angreifen.cur", Centred("attack"), 16, 16},
        {"Sprechen.cur", Centred("talk"), 6, 28},
        {"Sanduhr.cur", Centred("hourglass"), 16, 16},
        {"Drehen.cur", Centred("turn"), 16, 16},
    };
    for (const C& c : cursors) g.Pack("Pack15.gzp").Add(c.file, EncodeCursor(c.picture, c.hx, c.hy));
    g.WriteFile("cursor.cur", EncodeCursor(Arrow({230, 200, 120, 255}), 1, 1));
}

}  // namespace content
