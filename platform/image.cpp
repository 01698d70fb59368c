#include "platform/image.h"

#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstring>
// libjpeg's header needs FILE and size_t declared first.
#include <jpeglib.h>

#include "platform/bytes.h"
#include "platform/os.h"

namespace image {

namespace {

using bytes::Le16;
using bytes::Le32;

// The budget of a decoded image: sides and bytes far beyond the largest texture a game of its day uses
// (4096 x 4096), so a forged header cannot make us allocate gigabytes.
constexpr long kMaxSide = 8192;
constexpr uint64_t kMaxBytes = uint64_t(64) << 20;

bool SizeOk(long w, long h)
{
    return w > 0 && h > 0 && w <= kMaxSide && h <= kMaxSide && uint64_t(w) * uint64_t(h) * 4 <= kMaxBytes;
}

struct PngSource {
    const uint8_t* data;
    size_t size, at;
    std::jmp_buf jump;
    std::string message;
};

void PngRead(png_structp png, png_bytep to, png_size_t n)
{
    auto* src = static_cast<PngSource*>(png_get_io_ptr(png));
    if (n > src->size - src->at) png_error(png, "file cut short");
    std::memcpy(to, src->data + src->at, n);
    src->at += n;
}

void PngError(png_structp png, png_const_charp message)
{
    auto* src = static_cast<PngSource*>(png_get_error_ptr(png));
    src->message = message;
    std::longjmp(src->jump, 1);
}

void PngWarning(png_structp, png_const_charp) {}

// The stored values, as they are: no gamma conversion, 16-bit channels scaled to 8.
bool DecodePng(const uint8_t* data, size_t size, Image& out, std::string& error)
{
    PngSource src{data, size, 0, {}, {}};
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &src, PngError, PngWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        error = "PNG: out of memory";
        return false;
    }
    // Everything that must be released after a longjmp lives outside this frame's locals.
    std::vector<uint8_t> pixels;
    std::vector<png_bytep> rows;
    if (setjmp(src.jump)) {
        png_destroy_read_struct(&png, &info, nullptr);
        error = "PNG: " + src.message;
        return false;
    }
    png_set_read_fn(png, &src, PngRead);
    png_read_info(png, info);
    const png_uint_32 width = png_get_image_width(png, info), height = png_get_image_height(png, info);
    const int bits = png_get_bit_depth(png, info) * png_get_channels(png, info);
    // Deflate packs at most 1032 bytes into one, and a row takes at least its filter byte: a header
    // claiming more than the file could hold is refused before allocating.
    if (!SizeOk(width, height) || uint64_t(height) * (1 + (uint64_t(width) * bits + 7) / 8) > uint64_t(size) * 1032)
        png_error(png, "unreasonable size");
    png_set_expand(png);
    png_set_scale_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xff, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != size_t(width) * 4) png_error(png, "unsupported pixel format");
    pixels.resize(size_t(width) * height * 4);
    rows.resize(height);
    for (png_uint_32 y = 0; y < height; ++y) rows[y] = pixels.data() + size_t(y) * width * 4;
    png_read_image(png, rows.data());
    png_destroy_read_struct(&png, &info, nullptr);
    out.width = int(width);
    out.height = int(height);
    out.rgba.swap(pixels);
    return true;
}

struct JpegError {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void JpegErrorExit(j_common_ptr cinfo)
{
    auto* err = reinterpret_cast<JpegError*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

// libjpeg only warns about a truncated or corrupt stream and fills the rest with grey; for a texture
// that is a damaged file.
void JpegWarning(j_common_ptr cinfo, int level)
{
    if (level < 0) JpegErrorExit(cinfo);
}

bool DecodeJpeg(const uint8_t* data, size_t size, Image& out, std::string& error)
{
    jpeg_decompress_struct cinfo;
    JpegError err;
    cinfo.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = JpegErrorExit;
    err.mgr.emit_message = JpegWarning;
    // Everything that must be released after a longjmp lives outside this frame's locals.
    std::vector<uint8_t> pixels;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        error = std::string("JPEG: ") + err.message;
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_EXT_RGBA;
    jpeg_start_decompress(&cinfo);
    if (!SizeOk(cinfo.output_width, cinfo.output_height) || cinfo.output_components != 4) {
        jpeg_destroy_decompress(&cinfo);
        error = "JPEG: unreasonable size";
        return false;
    }
    const size_t stride = size_t(cinfo.output_width) * 4;
    while (cinfo.output_scanline < cinfo.output_height) {
        // Grown row by row: a forged size in front of too little data fails before the whole
        // picture is allocated.
        pixels.resize(stride * (cinfo.output_scanline + 1));
        JSAMPROW row = pixels.data() + stride * cinfo.output_scanline;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    out.width = static_cast<int>(cinfo.output_width);
    out.height = static_cast<int>(cinfo.output_height);
    out.rgba.swap(pixels);
    return true;
}

// A channel of a pixel by its mask, widened to 8 bits by repeating its bits (5 bits of 28 give 231), or
// narrowed to its top 8.
uint8_t Channel(uint32_t pixel, uint32_t mask)
{
    if (mask == 0) return 0;
    const int shift = __builtin_ctz(mask);
    const int width = 32 - __builtin_clz(mask >> shift);
    const uint32_t v = (pixel & mask) >> shift;
    if (width >= 8) return uint8_t(v >> (width - 8));
    uint32_t wide = 0;
    int filled = 0;
    for (; filled < 8; filled += width) wide = wide << width | v;
    return uint8_t(wide >> (filled - 8));
}

struct Masks {
    uint32_t r, g, b, a;  // a == 0: opaque
};

void PutMasked(uint8_t* d, uint32_t pixel, const Masks& m)
{
    d[0] = Channel(pixel, m.r), d[1] = Channel(pixel, m.g), d[2] = Channel(pixel, m.b);
    d[3] = m.a ? Channel(pixel, m.a) : 255;
}

// Up to four bytes of a pixel, little-endian.
uint32_t PixelAt(const uint8_t* p, int bytes)
{
    uint32_t v = 0;
    for (int i = 0; i < bytes; ++i) v |= uint32_t(p[i]) << (8 * i);
    return v;
}

// The palette indexes of a run-length encoded BMP (4 or 8 bits), bottom row first as stored; pixels that
// a jump passes over keep index 0. False when the data does not hold together.
bool UnpackBmpRuns(const uint8_t* at, const uint8_t* end, int bits, int width, int height, std::vector<uint8_t>& indexes)
{
    indexes.assign(size_t(width) * height, 0);
    int x = 0, y = 0;
    auto put = [&](uint32_t index) {
        if (x < width && y < height) indexes[size_t(y) * width + x] = uint8_t(index);
        ++x;
    };
    while (end - at >= 2) {
        const uint32_t count = at[0], value = at[1];
        at += 2;
        if (count > 0) {  // a run of one byte's index or two nibbles' in turn
            for (uint32_t k = 0; k < count; ++k) put(bits == 8 ? value : (k % 2 ? value & 15 : value >> 4));
        } else if (value == 0) {
            x = 0, ++y;
        } else if (value == 1) {
            return true;
        } else if (value == 2) {
            if (end - at < 2) return false;
            x += at[0], y += at[1];
            at += 2;
        } else {  // that many indexes as they stand, padded to a whole word
            const size_t bytes = bits == 8 ? value : (value + 1) / 2;
            if (size_t(end - at) < bytes) return false;
            for (uint32_t k = 0; k < value; ++k) put(bits == 8 ? at[k] : (k % 2 ? at[k / 2] & 15 : at[k / 2] >> 4));
            at += (bytes + 1) & ~size_t(1);
        }
        if (y > height) return false;
    }
    return y >= height - 1;
}

// BMP with 1, 4, 8, 16, 24 or 32 bits, uncompressed, run-length encoded (4 and 8 bits) or with colour
// masks. A 32-bit file without an alpha mask is opaque: its fourth byte is padding. The OS/2 kind
// (a 12-byte header with 16-bit sizes and 3-byte palette entries) is read too, with 1, 4, 8 or 24
// bits; a header of 13 to 39 bytes (OS/2's shortened second kind) is refused as not supported.
bool DecodeBmp(const uint8_t* data, size_t size, Image& out, std::string& error)
{
    error = "BMP: damaged file";
    if (size < 26) return false;
    const uint32_t pixelOffset = Le32(data + 10);
    const uint32_t headerSize = Le32(data + 14);
    const bool core = headerSize == 12;
    if (!core && headerSize < 40) {
        error = "BMP: unsupported format (OS/2 header of " + std::to_string(headerSize) + " bytes)";
        return false;
    }
    // In size_t: a header size near 4 GiB must not wrap the check around.
    if ((!core && size < 54) || size_t(headerSize) > size - 14) return false;
    const int32_t width = core ? int32_t(Le16(data + 18)) : static_cast<int32_t>(Le32(data + 18));
    int32_t height = core ? int32_t(Le16(data + 20)) : static_cast<int32_t>(Le32(data + 22));
    if (height == INT32_MIN) return false;  // has no positive twin
    const uint32_t bits = core ? Le16(data + 24) : Le16(data + 28);
    const uint32_t compression = core ? 0 : Le32(data + 30);
    uint32_t colours = core ? 0 : Le32(data + 46);
    const size_t entry = core ? 3 : 4;  // bytes of one palette colour
    const bool topDown = height < 0;
    if (topDown) height = -height;
    const bool masked = compression == 3 || compression == 6;
    const bool runs = (compression == 1 && bits == 8) || (compression == 2 && bits == 4);
    if (!SizeOk(width, height) || (compression != 0 && !masked && !runs) || (runs && topDown) ||
        (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) ||
        (masked && bits != 16 && bits != 32) || (core && (bits == 16 || bits == 32))) {
        error = "BMP: unsupported format";
        return false;
    }
    Masks masks = bits == 16 ? Masks{0x7c00, 0x03e0, 0x001f, 0} : Masks{0xff0000, 0xff00, 0xff, 0};
    size_t palette = 14 + size_t(headerSize);
    if (masked) {
        // The masks follow a 40-byte header and sit inside a longer one; alpha from 56 bytes on.
        const bool alpha = compression == 6 || headerSize >= 56;
        if (palette < 14 + 40 + (alpha ? 16u : 12u)) palette = 14 + 40 + (alpha ? 16u : 12u);
        if (palette > size) return false;
        masks = {Le32(data + 54), Le32(data + 58), Le32(data + 62), alpha ? Le32(data + 66) : 0};
    }
    if (bits <= 8) {
        // An OS/2 palette has no count: it fills the space up to the pixels, at most 2^bits colours.
        if (core && pixelOffset > palette) colours = uint32_t(std::min<size_t>((pixelOffset - palette) / entry, 1u << bits));
        if (colours == 0 || colours > (1u << bits)) colours = 1u << bits;
        if (palette + size_t(colours) * entry > size) return false;
    }
    const size_t stride = ((size_t(width) * bits + 31) / 32) * 4;
    if (pixelOffset > size || (!runs && stride * height > size - pixelOffset)) return false;
    // Two bytes of runs give at most 255 pixels: a size the data cannot fill is refused before allocating.
    if (runs && uint64_t(width) * height > uint64_t(size - pixelOffset) * 128 + 255) return false;
    std::vector<uint8_t> indexes;
    if (runs && !UnpackBmpRuns(data + pixelOffset, data + size, int(bits), width, height, indexes)) return false;
    std::vector<uint8_t> pixels(size_t(width) * height * 4);
    for (int y = 0; y < height; ++y) {
        const int stored = topDown ? y : height - 1 - y;
        const uint8_t* row = data + pixelOffset + stride * (runs ? 0 : stored);
        uint8_t* dst = pixels.data() + size_t(y) * width * 4;
        for (int x = 0; x < width; ++x, dst += 4) {
            if (bits <= 8) {
                const size_t bit = size_t(x) * bits;
                const uint32_t index = runs ? indexes[size_t(stored) * width + x]
                                            : (row[bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
                if (index >= colours) return false;
                const uint8_t* c = data + palette + index * entry;
                dst[0] = c[2], dst[1] = c[1], dst[2] = c[0], dst[3] = 255;
            } else {
                PutMasked(dst, PixelAt(row + size_t(x) * (bits / 8), int(bits / 8)), masks);
            }
        }
    }
    out.width = width;
    out.height = height;
    out.rgba.swap(pixels);
    return true;
}

// TGA: true colour (15, 16, 24, 32 bits), paletted and grey, each raw or run-length encoded.
bool DecodeTga(const uint8_t* data, size_t size, Image& out, std::string& error)
{
    error = "TGA: damaged file";
    if (size < 18) return false;
    const uint8_t idLength = data[0], colourMapType = data[1], type = data[2];
    const uint32_t mapFirst = Le16(data + 3), mapLength = Le16(data + 5), mapBits = data[7];
    const int width = static_cast<int>(Le16(data + 12)), height = static_cast<int>(Le16(data + 14));
    const uint8_t bits = data[16], descriptor = data[17];
    const int kind = type & 7;  // 1 paletted, 2 true colour, 3 grey; +8 run-length encoded
    const bool rle = type & 8;
    const bool ok = (type & ~11) == 0 && kind >= 1 && kind <= 3 && SizeOk(width, height) &&
                    (kind != 1 || (colourMapType == 1 && bits == 8 &&
                                   (mapBits == 15 || mapBits == 16 || mapBits == 24 || mapBits == 32))) &&
                    (kind != 2 || bits == 15 || bits == 16 || bits == 24 || bits == 32) && (kind != 3 || bits == 8);
    if (!ok) {
        error = "TGA: unsupported format";
        return false;
    }
    // One colour of the file's own layout (BGR(A), or A1R5G5B5 whose alpha bit counts only when the
    // descriptor gives the picture an alpha bit).
    const uint8_t alphaBits = descriptor & 0x0f;
    auto colour = [&](uint8_t* d, const uint8_t* c, int depth) {
        if (depth == 8) {
            d[0] = d[1] = d[2] = c[0], d[3] = 255;
        } else if (depth <= 16) {
            const uint32_t v = Le16(c);
            PutMasked(d, v, {0x7c00, 0x03e0, 0x001f, depth == 16 && alphaBits ? 0x8000u : 0u});
        } else {
            d[0] = c[2], d[1] = c[1], d[2] = c[0], d[3] = depth == 32 ? c[3] : 255;
        }
    };
    size_t pos = 18 + size_t(idLength);
    std::vector<uint8_t> map;
    if (colourMapType == 1) {
        const size_t entry = (mapBits + 7) / 8;
        if (pos + mapLength * entry > size) return false;
        if (kind == 1) {
            map.resize(size_t(mapLength) * 4);
            for (uint32_t i = 0; i < mapLength; ++i) colour(&map[i * 4], data + pos + i * entry, mapBits);
        }
        pos += mapLength * entry;
    }
    const size_t bpp = (bits + 7) / 8;
    const size_t count = size_t(width) * height;
    // A run packet covers at most 128 pixels: a header that claims more than the data can hold is
    // refused before the pixels are allocated.
    if (pos > size || count > (size - pos) / bpp * (rle ? 128 : 1)) return false;
    std::vector<uint8_t> pixels(count * 4);
    bool inRange = true;
    auto put = [&](size_t i, const uint8_t* c) {
        uint8_t* d = pixels.data() + i * 4;
        if (kind != 1) return colour(d, c, bits);
        const uint32_t index = c[0];
        if (index < mapFirst || index - mapFirst >= mapLength) {
            inRange = false;
            return;
        }
        std::memcpy(d, &map[(index - mapFirst) * 4], 4);
    };
    size_t i = 0;
    while (i < count) {
        if (!rle) {
            if (pos + bpp > size) return false;
            put(i++, data + pos);
            pos += bpp;
            continue;
        }
        if (pos >= size) return false;
        const uint8_t head = data[pos++];
        const size_t run = (head & 0x7f) + 1u;
        if (i + run > count) return false;
        if (head & 0x80) {
            if (pos + bpp > size) return false;
            for (size_t k = 0; k < run; ++k) put(i++, data + pos);
            pos += bpp;
        } else {
            if (pos + run * bpp > size) return false;
            for (size_t k = 0; k < run; ++k, pos += bpp) put(i++, data + pos);
        }
    }
    if (!inRange) return false;
    const size_t stride = size_t(width) * 4;
    // Stored bottom row first unless the descriptor says top first; left to right unless it says not.
    if (!(descriptor & 0x20)) {
        for (int y = 0; y < height / 2; ++y)
            std::swap_ranges(pixels.begin() + y * stride, pixels.begin() + (y + 1) * stride,
                             pixels.begin() + (height - 1 - y) * stride);
    }
    if (descriptor & 0x10) {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width / 2; ++x)
                std::swap_ranges(pixels.begin() + y * stride + x * 4, pixels.begin() + y * stride + x * 4 + 4,
                                 pixels.begin() + y * stride + (width - 1 - x) * 4);
    }
    out.width = width;
    out.height = height;
    out.rgba.swap(pixels);
    return true;
}

// One 4 x 4 block of colour: two R5G6B5 ends and two bits a pixel. With threeColours (DXT1 when the
// first end is not the larger) the third colour is the middle and the fourth transparent black.
void DecodeColourBlock(const uint8_t* block, bool threeColours, uint8_t colours[4][4])
{
    const uint32_t c0 = Le16(block), c1 = Le16(block + 2);
    for (int e = 0; e < 2; ++e) {
        const uint32_t c = e ? c1 : c0;
        const uint32_t r = c >> 11, g = (c >> 5) & 63, b = c & 31;
        colours[e][0] = uint8_t(r << 3 | r >> 2), colours[e][1] = uint8_t(g << 2 | g >> 4);
        colours[e][2] = uint8_t(b << 3 | b >> 2), colours[e][3] = 255;
    }
    for (int k = 0; k < 3; ++k) {
        if (threeColours && c0 <= c1) {
            colours[2][k] = uint8_t((colours[0][k] + colours[1][k]) / 2);
            colours[3][k] = 0;
        } else {
            colours[2][k] = uint8_t((2 * colours[0][k] + colours[1][k]) / 3);
            colours[3][k] = uint8_t((colours[0][k] + 2 * colours[1][k]) / 3);
        }
    }
    colours[2][3] = 255;
    colours[3][3] = threeColours && c0 <= c1 ? 0 : 255;
}

// DDS: DXT1, DXT3 and DXT5, and uncompressed pixels described by masks. Only the top level is read.
bool DecodeDds(const uint8_t* data, size_t size, Image& out, std::string& error)
{
    error = "DDS: damaged file";
    if (size < 128 || Le32(data + 4) != 124 || Le32(data + 76) != 32) return false;
    const int height = int(Le32(data + 12)), width = int(Le32(data + 16));
    const uint32_t flags = Le32(data + 80), bits = Le32(data + 88);
    const std::string fourCC(reinterpret_cast<const char*>(data + 84), 4);
    const bool compressed = flags & 0x4;
    const int blockBytes = !compressed ? 0 : fourCC == "DXT1" ? 8 : fourCC == "DXT3" || fourCC == "DXT5" ? 16 : -1;
    if (!SizeOk(width, height) || blockBytes < 0 ||
        (!compressed && bits != 8 && bits != 16 && bits != 24 && bits != 32)) {
        error = "DDS: unsupported format";
        return false;
    }
    const uint8_t* pixelsIn = data + 128;
    const size_t available = size - 128;
    std::vector<uint8_t> pixels;
    if (!compressed) {
        const size_t bpp = bits / 8;
        if (size_t(width) * height * bpp > available) return false;
        // Luminance files give grey; a mask of alpha counts only when the file says it has alpha.
        const bool luminance = flags & 0x20000;
        const uint32_t r = Le32(data + 92);
        Masks m{r, luminance ? r : Le32(data + 96), luminance ? r : Le32(data + 100),
                (flags & 0x3) ? Le32(data + 104) : 0};
        pixels.resize(size_t(width) * height * 4);
        for (size_t i = 0; i < size_t(width) * height; ++i)
            PutMasked(&pixels[i * 4], PixelAt(pixelsIn + i * bpp, int(bpp)), m);
    } else {
        const size_t across = (size_t(width) + 3) / 4, down = (size_t(height) + 3) / 4;
        if (across * down * size_t(blockBytes) > available) return false;
        pixels.resize(size_t(width) * height * 4);
        for (size_t by = 0; by < down; ++by) {
            for (size_t bx = 0; bx < across; ++bx) {
                const uint8_t* block = pixelsIn + (by * across + bx) * size_t(blockBytes);
                uint8_t colours[4][4];
                DecodeColourBlock(block + blockBytes - 8, blockBytes == 8, colours);
                uint8_t alphas[8] = {};
                if (fourCC == "DXT5") {
                    alphas[0] = block[0], alphas[1] = block[1];
                    for (int k = 2; k < 8; ++k) {
                        alphas[k] = block[0] > block[1] ? uint8_t(((8 - k) * block[0] + (k - 1) * block[1]) / 7)
                                    : k < 6        ? uint8_t(((6 - k) * block[0] + (k - 1) * block[1]) / 5)
                                                   : uint8_t(k == 6 ? 0 : 255);
                    }
                }
                for (size_t p = 0; p < 16; ++p) {
                    const size_t x = bx * 4 + p % 4, y = by * 4 + p / 4;
                    if (x >= size_t(width) || y >= size_t(height)) continue;
                    uint8_t* d = &pixels[(y * size_t(width) + x) * 4];
                    const uint32_t index = (Le32(block + blockBytes - 4) >> (2 * p)) & 3;
                    std::memcpy(d, colours[index], 4);
                    if (fourCC == "DXT3") {
                        const uint32_t a = (block[p / 2] >> (4 * (p % 2))) & 15;
                        d[3] = uint8_t(a * 17);
                    } else if (fourCC == "DXT5") {
                        const uint64_t bitsOf = uint64_t(Le16(block + 2)) | uint64_t(Le32(block + 4)) << 16;
                        d[3] = alphas[(bitsOf >> (3 * p)) & 7];
                    }
                }
            }
        }
    }
    out.width = width;
    out.height = height;
    out.rgba.swap(pixels);
    return true;
}

}  // namespace

bool Decode(const uint8_t* data, size_t size, Image& out, std::string& error)
{
    if (size >= 8 && std::memcmp(data, "\x89PNG\r\n\x1a\n", 8) == 0) return DecodePng(data, size, out, error);
    if (size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF) return DecodeJpeg(data, size, out, error);
    if (size >= 2 && data[0] == 'B' && data[1] == 'M') return DecodeBmp(data, size, out, error);
    if (size >= 4 && std::memcmp(data, "DDS ", 4) == 0) return DecodeDds(data, size, out, error);
    // TGA has no signature: try it last.
    if (size >= 18) return DecodeTga(data, size, out, error);
    error = "unknown image format";
    return false;
}

bool Load(const std::string& path, Image& out, std::string& error)
{
    std::vector<uint8_t> data;
    if (!os::ReadFile(path, data)) {
        error = path + ": cannot be read";
        return false;
    }
    if (!Decode(data.data(), data.size(), out, error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}

bool SavePng(const std::string& path, const Image& img, std::string& error)
{
    if (img.width <= 0 || img.height <= 0 || img.rgba.size() != size_t(img.width) * img.height * 4) {
        error = path + ": image has no pixels";
        return false;
    }
    png_image p;
    std::memset(&p, 0, sizeof p);
    p.version = PNG_IMAGE_VERSION;
    p.width = static_cast<png_uint_32>(img.width);
    p.height = static_cast<png_uint_32>(img.height);
    p.format = PNG_FORMAT_RGBA;
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&p, nullptr, &size, 0, img.rgba.data(), 0, nullptr)) {
        error = path + ": " + p.message;
        return false;
    }
    std::vector<uint8_t> buffer(size);
    if (!png_image_write_to_memory(&p, buffer.data(), &size, 0, img.rgba.data(), 0, nullptr)) {
        error = path + ": " + p.message;
        return false;
    }
    if (!os::WriteFileAtomic(path, buffer.data(), size)) {
        error = path + ": cannot be written";
        return false;
    }
    return true;
}

}  // namespace image
