// Cursors from .cur files (the ICO/CUR container) to SDL cursors.
#include <SDL.h>

#include <cstring>
#include <map>

#include "platform/image.h"
#include "platform/bytes.h"
#include "platform/os.h"

namespace os {

namespace {

using bytes::Le16;
using bytes::Le32;

std::map<Cursor, SDL_Cursor*> cursors;
Cursor nextCursor = 1;

// The DIB inside an icon entry: BITMAPINFOHEADER with double height (colour rows, then the AND mask).
bool DecodeDib(const uint8_t* p, size_t size, CursorImage& out, std::string& error)
{
    error = "damaged cursor image";
    if (size < 40) return false;
    const uint32_t headerSize = Le32(p);
    const int32_t width = static_cast<int32_t>(Le32(p + 4));
    const int32_t height2 = static_cast<int32_t>(Le32(p + 8));
    const uint32_t bits = Le16(p + 14);
    uint32_t colours = Le32(p + 32);
    if (headerSize < 40 || headerSize > size || width <= 0 || width > 256 || height2 <= 0 || height2 > 512 ||
        (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)) {
        error = "unsupported cursor image";
        return false;
    }
    const int height = height2 / 2;
    if (height <= 0) return false;
    size_t pos = headerSize;
    if (bits <= 8) {
        if (colours == 0 || colours > (1u << bits)) colours = 1u << bits;
    } else {
        colours = 0;
    }
    const uint8_t* palette = p + pos;
    pos += size_t(colours) * 4;
    const size_t xorStride = ((size_t(width) * bits + 31) / 32) * 4;
    const size_t andStride = ((size_t(width) + 31) / 32) * 4;
    if (pos > size || xorStride * height > size - pos) return false;
    const uint8_t* xorRows = p + pos;
    pos += xorStride * height;
    // Some files leave the mask out; then everything is opaque (a 32-bit image brings its own alpha).
    const bool hasMask = pos <= size && andStride * height <= size - pos;
    const uint8_t* andRows = p + pos;

    out.width = width;
    out.height = height;
    out.rgba.assign(size_t(width) * height * 4, 0);
    bool anyAlpha = false;
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = xorRows + xorStride * (height - 1 - y);
        const uint8_t* mask = andRows + andStride * (height - 1 - y);
        for (int x = 0; x < width; ++x) {
            uint8_t* d = out.rgba.data() + (size_t(y) * width + x) * 4;
            uint8_t r, g, b, a = 255;
            if (bits <= 8) {
                const uint32_t shift = 8 - bits - (x * bits) % 8;
                const uint32_t index = (row[x * bits / 8] >> shift) & ((1u << bits) - 1);
                if (index >= colours) return false;
                const uint8_t* c = palette + index * 4;
                r = c[2], g = c[1], b = c[0];
            } else {
                const uint8_t* c = row + x * (bits / 8);
                r = c[2], g = c[1], b = c[0];
                if (bits == 32) {
                    a = c[3];
                    anyAlpha = anyAlpha || a != 0;
                }
            }
            if (hasMask && (bits != 32) && ((mask[x / 8] >> (7 - x % 8)) & 1)) a = 0;
            d[0] = r, d[1] = g, d[2] = b, d[3] = a;
        }
    }
    // A 32-bit image whose alpha is all zero uses the mask instead.
    if (bits == 32 && !anyAlpha) {
        for (int y = 0; y < height; ++y) {
            const uint8_t* mask = andRows + andStride * (height - 1 - y);
            for (int x = 0; x < width; ++x)
                out.rgba[(size_t(y) * width + x) * 4 + 3] =
                    hasMask && ((mask[x / 8] >> (7 - x % 8)) & 1) ? 0 : 255;
        }
    }
    return true;
}

}  // namespace

bool DecodeCursor(const std::vector<uint8_t>& file, CursorImage& out, std::string& error)
{
    const uint8_t* p = file.data();
    if (file.size() < 6 + 16 || Le16(p) != 0 || (Le16(p + 2) != 1 && Le16(p + 2) != 2) || Le16(p + 4) == 0) {
        error = "not a cursor file";
        return false;
    }
    const bool isCursor = Le16(p + 2) == 2;
    const uint8_t* entry = p + 6;  // the first image is the cursor
    const uint32_t bytes = Le32(entry + 8), offset = Le32(entry + 12);
    if (offset > file.size() || bytes > file.size() - offset || bytes == 0) {
        error = "damaged cursor file";
        return false;
    }
    CursorImage img;
    const uint8_t* data = p + offset;
    if (bytes >= 8 && std::memcmp(data, "\x89PNG", 4) == 0) {
        image::Image png;
        if (!image::Decode(data, bytes, png, error)) return false;
        img.width = png.width;
        img.height = png.height;
        img.rgba = std::move(png.rgba);
    } else if (!DecodeDib(data, bytes, img, error)) {
        return false;
    }
    img.hotX = isCursor ? static_cast<int>(Le16(entry + 4)) : 0;
    img.hotY = isCursor ? static_cast<int>(Le16(entry + 6)) : 0;
    if (img.hotX >= img.width) img.hotX = img.width - 1;
    if (img.hotY >= img.height) img.hotY = img.height - 1;
    out = std::move(img);
    return true;
}

Cursor LoadCursorFile(const std::string& path)
{
    std::vector<uint8_t> file;
    CursorImage img;
    std::string error;
    if (!ReadFile(path, file) || !DecodeCursor(file, img, error)) return 0;
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(img.rgba.data(), img.width, img.height, 32,
                                                              img.width * 4, SDL_PIXELFORMAT_RGBA32);
    if (!surface) return 0;
    SDL_Cursor* cursor = SDL_CreateColorCursor(surface, img.hotX, img.hotY);
    SDL_FreeSurface(surface);
    if (!cursor) return 0;
    cursors[nextCursor] = cursor;
    return nextCursor++;
}

void SetCursor(Cursor cursor)
{
    auto it = cursors.find(cursor);
    if (it != cursors.end()) SDL_SetCursor(it->second);
}

void FreeCursor(Cursor cursor)
{
    auto it = cursors.find(cursor);
    if (it == cursors.end()) return;
    SDL_FreeCursor(it->second);
    cursors.erase(it);
}

}  // namespace os
