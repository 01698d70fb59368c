#include "platform/image.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <jpeglib.h>
#include <zlib.h>

#include <png.h>

#include "tests/verformt.h"

namespace {

// A 2 x 2 picture: red, green / blue, half-transparent white (top row first).
const uint8_t kPixels[16] = {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 255, 255, 128};

void Put16(std::vector<uint8_t>& v, uint32_t x) { v.push_back(x & 255), v.push_back(x >> 8); }
void Put32(std::vector<uint8_t>& v, uint32_t x) { Put16(v, x & 0xffff), Put16(v, x >> 16); }

// BMP of 4, 8, 16 (X1R5G5B5), 24 or 32 bits; with an alpha mask, a 32-bit file with colour masks in a
// 108-byte header (what editors write when there is alpha).
std::vector<uint8_t> Bmp(int bits, bool topDown, bool alphaMask = false)
{
    std::vector<uint8_t> v{'B', 'M'};
    const int stride = ((2 * bits + 31) / 32) * 4;
    const uint32_t header = alphaMask ? 108 : 40;
    const uint32_t paletteSize = bits <= 8 ? 4 * 4 : 0;
    const uint32_t offset = 14 + header + paletteSize;
    Put32(v, offset + stride * 2), Put32(v, 0), Put32(v, offset);
    Put32(v, header), Put32(v, 2), Put32(v, topDown ? uint32_t(-2) : 2u), Put16(v, 1), Put16(v, bits);
    Put32(v, alphaMask ? 3 : 0), Put32(v, stride * 2), Put32(v, 2835), Put32(v, 2835), Put32(v, bits <= 8 ? 4 : 0), Put32(v, 0);
    if (alphaMask) {
        Put32(v, 0xff000000), Put32(v, 0x00ff0000), Put32(v, 0x0000ff00), Put32(v, 0x000000ff);  // bytes A B G R
        v.resize(14 + header, 0);
    }
    if (bits <= 8)
        for (int i = 0; i < 4; ++i) v.insert(v.end(), {kPixels[i * 4 + 2], kPixels[i * 4 + 1], kPixels[i * 4], 0});
    for (int r = 0; r < 2; ++r) {
        const int y = topDown ? r : 1 - r;
        std::vector<uint8_t> row;
        for (int x = 0; x < 2; ++x) {
            const uint8_t* p = kPixels + (y * 2 + x) * 4;
            const uint8_t index = uint8_t(y * 2 + x);
            if (bits == 4) {
                if (x == 0) row.push_back(uint8_t(index << 4));
                else row.back() |= index;
            } else if (bits == 8) {
                row.push_back(index);
            } else if (bits == 16) {
                Put16(row, uint32_t(p[0] >> 3) << 10 | uint32_t(p[1] >> 3) << 5 | uint32_t(p[2] >> 3));
            } else if (alphaMask) {
                row.insert(row.end(), {p[3], p[2], p[1], p[0]});
            } else {
                row.insert(row.end(), {p[2], p[1], p[0]});
                if (bits == 32) row.push_back(p[3]);  // padding: not alpha
            }
        }
        row.resize(stride, 0);
        v.insert(v.end(), row.begin(), row.end());
    }
    return v;
}

// The OS/2 kind: a 12-byte header with 16-bit sizes, bottom row first, 3-byte palette entries;
// 8 or 24 bits.
std::vector<uint8_t> Os2Bmp(int bits)
{
    std::vector<uint8_t> v{'B', 'M'};
    const int stride = ((2 * bits + 31) / 32) * 4;
    const uint32_t offset = 14 + 12 + (bits <= 8 ? 4 * 3 : 0);
    Put32(v, offset + stride * 2), Put32(v, 0), Put32(v, offset);
    Put32(v, 12), Put16(v, 2), Put16(v, 2), Put16(v, 1), Put16(v, bits);
    if (bits <= 8)
        for (int i = 0; i < 4; ++i) v.insert(v.end(), {kPixels[i * 4 + 2], kPixels[i * 4 + 1], kPixels[i * 4]});
    for (int y = 1; y >= 0; --y) {
        std::vector<uint8_t> row;
        for (int x = 0; x < 2; ++x) {
            const uint8_t* p = kPixels + (y * 2 + x) * 4;
            if (bits == 8) row.push_back(uint8_t(y * 2 + x));
            else row.insert(row.end(), {p[2], p[1], p[0]});
        }
        row.resize(stride, 0);
        v.insert(v.end(), row.begin(), row.end());
    }
    return v;
}

std::vector<uint8_t> Tga(bool rle)
{
    std::vector<uint8_t> v{0, 0, uint8_t(rle ? 10 : 2), 0, 0, 0, 0, 0, 0, 0, 0, 0};
    Put16(v, 2), Put16(v, 2);
    v.push_back(32), v.push_back(0x08);  // bottom row first
    for (int r = 0; r < 2; ++r) {
        const int y = 1 - r;
        if (rle) v.push_back(0x01);  // a raw packet of 2 pixels
        for (int x = 0; x < 2; ++x) {
            const uint8_t* p = kPixels + (y * 2 + x) * 4;
            v.insert(v.end(), {p[2], p[1], p[0], p[3]});
        }
    }
    return v;
}

std::vector<uint8_t> Jpeg()
{
    // A flat grey 8 x 8 picture survives JPEG exactly enough to check.
    jpeg_compress_struct c;
    jpeg_error_mgr err;
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char* mem = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &mem, &size);
    c.image_width = 8, c.image_height = 8, c.input_components = 3, c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 95, TRUE);
    jpeg_start_compress(&c, TRUE);
    std::vector<uint8_t> row(8 * 3, 128);
    while (c.next_scanline < 8) {
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&c, &r, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    std::vector<uint8_t> v(mem, mem + size);
    free(mem);
    return v;
}

std::vector<uint8_t> Png()
{
    const std::string path = ::testing::TempDir() + "/image_test_" + std::to_string(getpid()) + ".png";
    image::Image img{2, 2, std::vector<uint8_t>(kPixels, kPixels + 16)};
    std::string error;
    EXPECT_TRUE(image::SavePng(path, img, error)) << error;
    std::vector<uint8_t> v;
    FILE* f = std::fopen(path.c_str(), "rb");
    for (int ch; f && (ch = std::fgetc(f)) != EOF;) v.push_back(uint8_t(ch));
    if (f) std::fclose(f);
    std::remove(path.c_str());
    return v;
}

struct Format {
    const char* name;
    std::vector<uint8_t> file;
    bool alpha;  // the format carries the fourth pixel's alpha
};

std::vector<Format> Formats()
{
    return {{"png", Png(), true},
            {"bmp24", Bmp(24, false), false},
            {"bmp32 without alpha mask", Bmp(32, false), false},
            {"bmp32 top-down", Bmp(32, true), false},
            {"bmp32 with alpha mask", Bmp(32, false, true), true},
            {"bmp16", Bmp(16, false), false},
            {"bmp8", Bmp(8, false), false},
            {"bmp4", Bmp(4, true), false},
            {"bmp OS/2 8", Os2Bmp(8), false},
            {"bmp OS/2 24", Os2Bmp(24), false},
            {"tga", Tga(false), true},
            {"tga rle", Tga(true), true}};
}

// A grey PNG of any size and depth, rows given by a function, with a gAMA chunk when gamma > 0.
std::vector<uint8_t> GreyPng(uint32_t width, uint32_t height, int depth, double gamma,
                             const std::function<void(uint32_t y, std::vector<uint8_t>& row)>& rowOf)
{
    std::vector<uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &out, [](png_structp p, png_bytep d, png_size_t n) {
        auto* v = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(p));
        v->insert(v->end(), d, d + n);
    }, nullptr);
    png_set_IHDR(png, info, width, height, depth, PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (gamma > 0) png_set_gAMA(png, info, gamma);
    png_write_info(png, info);
    std::vector<uint8_t> row((size_t(width) * depth + 7) / 8);
    for (uint32_t y = 0; y < height; ++y) {
        rowOf(y, row);
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

// PNG gives the stored values: no gamma conversion for any gAMA chunk, 16-bit channels scaled to 8.
TEST(Image, PngGivesTheStoredValues)
{
    struct Case {
        const char* name;
        int depth;
        double gamma;
    };
    for (const Case& c : {Case{"8-bit, gamma 1.0", 8, 1.0}, Case{"8-bit, gamma 0.8", 8, 0.8},
                          Case{"16-bit without gAMA", 16, 0}, Case{"16-bit, gamma 1.0", 16, 1.0}}) {
        SCOPED_TRACE(c.name);
        const std::vector<uint8_t> file = GreyPng(3, 1, c.depth, c.gamma, [&](uint32_t, std::vector<uint8_t>& row) {
            const uint8_t values[3] = {0, 64, 200};
            for (size_t x = 0; x < 3; ++x) {
                if (c.depth == 8) row[x] = values[x];
                else row[x * 2] = row[x * 2 + 1] = values[x];  // v * 257 scales back to v
            }
        });
        image::Image img;
        std::string error;
        ASSERT_TRUE(image::Decode(file.data(), file.size(), img, error)) << error;
        const uint8_t want[12] = {0, 0, 0, 255, 64, 64, 64, 255, 200, 200, 200, 255};
        EXPECT_EQ(std::vector<uint8_t>(img.rgba.begin(), img.rgba.end()), std::vector<uint8_t>(want, want + 12));
    }
}

// A small 4 x 4 DDS: DXT1 in its four-colour and its three-colour mode (whose fourth colour is
// transparent black), DXT3 and DXT5 alpha, and uncompressed A8R8G8B8.
std::vector<uint8_t> Dds(const char* fourCC, const std::vector<uint8_t>& pixels, uint32_t bits = 0)
{
    std::vector<uint8_t> v{'D', 'D', 'S', ' '};
    Put32(v, 124), Put32(v, 0x1007), Put32(v, 4), Put32(v, 4), Put32(v, 0), Put32(v, 0), Put32(v, 1);
    v.resize(76, 0);
    Put32(v, 32), Put32(v, bits ? 0x41 : 0x4);
    for (int i = 0; i < 4; ++i) v.push_back(bits ? 0 : uint8_t(fourCC[i]));
    Put32(v, bits), Put32(v, 0x00ff0000), Put32(v, 0x0000ff00), Put32(v, 0x000000ff), Put32(v, 0xff000000);
    v.resize(128, 0);
    v.insert(v.end(), pixels.begin(), pixels.end());
    return v;
}

TEST(Image, DdsBlocksAndUncompressedPixels)
{
    // Colour ends red (0xF800) and blue (0x001F); the indices run 0, 1, 2, 3 along every row.
    const std::vector<uint8_t> fourColours = {0x00, 0xF8, 0x1F, 0x00, 0xE4, 0xE4, 0xE4, 0xE4};
    const std::vector<uint8_t> threeColours = {0x1F, 0x00, 0x00, 0xF8, 0xE4, 0xE4, 0xE4, 0xE4};
    std::vector<uint8_t> explicitAlpha = {0x10, 0x32, 0x54, 0x76, 0x98, 0xBA, 0xDC, 0xFE};  // 0..15 in turn
    explicitAlpha.insert(explicitAlpha.end(), fourColours.begin(), fourColours.end());
    // Alpha ends 255 and 0 with eight steps; the indices run 0, 1, 2, 3 along every row.
    std::vector<uint8_t> interpolated = {255, 0, 0x88, 0x86, 0x68, 0x88, 0x86, 0x68};
    interpolated.insert(interpolated.end(), fourColours.begin(), fourColours.end());
    std::vector<uint8_t> argb;
    for (int i = 0; i < 16; ++i) argb.insert(argb.end(), {uint8_t(i * 16), 0x20, 0x40, uint8_t(255 - i)});

    struct Case {
        const char* name;
        std::vector<uint8_t> file;
        uint8_t row[16];  // the first row's four pixels
        int pixel;        // and this pixel's alpha
        uint8_t alpha;
    };
    const Case cases[] = {
        {"dxt1 four colours", Dds("DXT1", fourColours), {255, 0, 0, 255, 0, 0, 255, 255, 170, 0, 85, 255, 85, 0, 170, 255}, 5, 255},
        {"dxt1 three colours", Dds("DXT1", threeColours), {0, 0, 255, 255, 255, 0, 0, 255, 127, 0, 127, 255, 0, 0, 0, 0}, 7, 0},
        {"dxt3", Dds("DXT3", explicitAlpha), {255, 0, 0, 0, 0, 0, 255, 17, 170, 0, 85, 34, 85, 0, 170, 51}, 15, 255},
        {"dxt5", Dds("DXT5", interpolated), {255, 0, 0, 255, 0, 0, 255, 0, 170, 0, 85, 218, 85, 0, 170, 182}, 4, 255},
        {"a8r8g8b8", Dds("", argb, 32), {0x40, 0x20, 0, 255, 0x40, 0x20, 16, 254, 0x40, 0x20, 32, 253, 0x40, 0x20, 48, 252}, 15, 240},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        image::Image img;
        std::string error;
        ASSERT_TRUE(image::Decode(c.file.data(), c.file.size(), img, error)) << error;
        ASSERT_EQ(img.width, 4);
        EXPECT_EQ(std::vector<uint8_t>(img.rgba.begin(), img.rgba.begin() + 16), std::vector<uint8_t>(c.row, c.row + 16));
        EXPECT_EQ(img.rgba[size_t(c.pixel) * 4 + 3], c.alpha);
    }
}

TEST(Image, DecodesEveryFormatTopRowFirst)
{
    for (const Format& f : Formats()) {
        SCOPED_TRACE(f.name);
        image::Image img;
        std::string error;
        ASSERT_TRUE(image::Decode(f.file.data(), f.file.size(), img, error)) << error;
        ASSERT_EQ(img.width, 2);
        ASSERT_EQ(img.height, 2);
        for (int i = 0; i < 16; ++i) {
            const uint8_t want = (i == 15 && !f.alpha) ? 255 : kPixels[i];
            EXPECT_EQ(img.rgba[i], want) << "byte " << i;
        }
    }
    image::Image img;
    std::string error;
    const std::vector<uint8_t> jpeg = Jpeg();
    ASSERT_TRUE(image::Decode(jpeg.data(), jpeg.size(), img, error)) << error;
    EXPECT_EQ(img.width, 8);
    EXPECT_NEAR(img.rgba[0], 128, 2);
    EXPECT_EQ(img.rgba[3], 255);
}

TEST(Image, TruncatedAndGarbageFilesAreErrorsNotCrashes)
{
    std::vector<Format> formats = Formats();
    formats.push_back({"jpeg", Jpeg(), false});
    std::vector<uint8_t> blocks(16, 0x5a);
    formats.push_back({"dds dxt5", Dds("DXT5", blocks), true});
    formats.push_back({"dds a8r8g8b8", Dds("", std::vector<uint8_t>(64, 0x5a), 32), true});
    for (const Format& f : formats) {
        SCOPED_TRACE(f.name);
        // A PNG cut inside its closing IEND chunk still holds every pixel, and libpng accepts it.
        const size_t end = std::string(f.name) == "png" ? f.file.size() - 12 : f.file.size();
        for (size_t len = 0; len < end; len += (len < 64 ? 1 : 7)) {
            image::Image img;
            std::string error;
            EXPECT_FALSE(image::Decode(f.file.data(), len, img, error)) << "length " << len;
            EXPECT_FALSE(error.empty());
            EXPECT_EQ(img.width, 0);
        }
    }
    // Garbage after a valid signature, and a header claiming a huge picture.
    uint32_t seed = 7;
    for (const char* sig : {"\x89PNG\r\n\x1a\n", "\xFF\xD8\xFF", "BM"}) {
        std::vector<uint8_t> junk(sig, sig + std::strlen(sig));
        for (int i = 0; i < 300; ++i) junk.push_back(uint8_t((seed = seed * 1103515245 + 12345) >> 16));
        image::Image img;
        std::string error;
        EXPECT_FALSE(image::Decode(junk.data(), junk.size(), img, error)) << sig;
    }
    std::vector<uint8_t> huge = Bmp(24, false);
    huge[18] = 0xff, huge[19] = 0xff, huge[20] = 0xff, huge[21] = 0x7f;
    image::Image img;
    std::string error;
    EXPECT_FALSE(image::Decode(huge.data(), huge.size(), img, error));
}

TEST(Image, HostileBmpHeaderFieldsAreRefused)
{
    // A header size that wraps the bounds check around, and the one height that has no positive twin.
    std::vector<uint8_t> wrapped = Bmp(8, false);
    wrapped[14] = 0xf6, wrapped[15] = 0xff, wrapped[16] = 0xff, wrapped[17] = 0xff;
    std::vector<uint8_t> lowest = Bmp(24, false);
    lowest[22] = 0, lowest[23] = 0, lowest[24] = 0, lowest[25] = 0x80;
    for (const auto* file : {&wrapped, &lowest}) {
        image::Image img;
        std::string error;
        EXPECT_FALSE(image::Decode(file->data(), file->size(), img, error));
        EXPECT_FALSE(error.empty());
    }
}

// A BMP header shorter than Windows' and other than OS/2's 12 bytes is a kind we do not read, and
// the message says so rather than calling the file damaged.
TEST(Image, OtherShortBmpHeadersAreNotSupported)
{
    for (uint8_t kopf : {16, 24, 39}) {
        std::vector<uint8_t> file = Bmp(24, false);
        file[14] = kopf;
        image::Image img;
        std::string error;
        EXPECT_FALSE(image::Decode(file.data(), file.size(), img, error));
        EXPECT_NE(error.find("unsupported"), std::string::npos) << error;
    }
}

// Peak memory in kilobytes that decoding a file adds.
long PeakGrowth(const std::vector<uint8_t>& file)
{
    rusage before{}, after{};
    getrusage(RUSAGE_SELF, &before);
    image::Image img;
    std::string error;
    EXPECT_FALSE(image::Decode(file.data(), file.size(), img, error));
    getrusage(RUSAGE_SELF, &after);
    return after.ru_maxrss - before.ru_maxrss;
}

// Headers claiming 16384 x 16384 pixels in front of a few bytes of data. One test each, as the
// peak is the process's.
TEST(Image, ForgedTgaSizeAllocatesNothing)
{
    for (bool rle : {false, true}) {
        std::vector<uint8_t> tga = Tga(rle);
        tga[12] = 0x00, tga[13] = 0x40, tga[14] = 0x00, tga[15] = 0x40;
        tga.resize(18 + 5);
        EXPECT_LT(PeakGrowth(tga), 64 * 1024) << "kilobytes more at the peak";
    }
}

TEST(Image, ForgedPngSizeAllocatesNothing)
{
    std::vector<uint8_t> png = Png();  // IHDR: width at 16, height at 20, its CRC at 29
    png[16] = png[20] = 0, png[17] = png[21] = 0, png[18] = png[22] = 0x40, png[19] = png[23] = 0;
    const uint32_t crc = uint32_t(crc32(0, png.data() + 12, 17));
    for (int i = 0; i < 4; ++i) png[29 + i] = uint8_t(crc >> (24 - 8 * i));
    EXPECT_LT(PeakGrowth(png), 64 * 1024);
}

// 16384 x 16384 one-bit pixels pack into 32 KB; four bytes a pixel would be 1 GiB.
TEST(Image, HugeOneBitPngAllocatesNothing)
{
    const std::vector<uint8_t> png = GreyPng(16384, 16384, 1, 0, [](uint32_t, std::vector<uint8_t>&) {});
    EXPECT_LT(png.size(), 64u * 1024);
    EXPECT_LT(PeakGrowth(png), 64 * 1024);
}

TEST(Image, ForgedJpegSizeAllocatesNothing)
{
    std::vector<uint8_t> jpeg = Jpeg();
    for (size_t i = 0; i + 8 < jpeg.size(); ++i) {
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) {  // the frame header: height at +5, width at +7
            jpeg[i + 5] = jpeg[i + 7] = 0x40, jpeg[i + 6] = jpeg[i + 8] = 0;
            break;
        }
    }
    for (size_t i = 0; i + 3 < jpeg.size(); ++i) {
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xDA) {  // cut a few bytes into the scan data
            jpeg.resize(i + 2 + size_t(jpeg[i + 2] << 8 | jpeg[i + 3]) + 4);
            break;
        }
    }
    EXPECT_LT(PeakGrowth(jpeg), 64 * 1024);
}

TEST(Image, DamagedCopiesOfEveryFormatNeverCrash)
{
    std::vector<Format> formats = Formats();
    formats.push_back({"jpeg", Jpeg(), false});
    std::vector<uint8_t> blocks(16, 0x5a);
    formats.push_back({"dds dxt5", Dds("DXT5", blocks), true});
    formats.push_back({"dds a8r8g8b8", Dds("", std::vector<uint8_t>(64, 0x5a), 32), true});
    for (const Format& f : formats) {
        SCOPED_TRACE(f.name);
        for (const std::vector<uint8_t>& file : Verformt(f.file, 400)) {
            image::Image img;
            std::string error;
            if (image::Decode(file.data(), file.size(), img, error))
                EXPECT_EQ(img.rgba.size(), size_t(img.width) * img.height * 4);
            else
                EXPECT_FALSE(error.empty());
        }
    }
}

TEST(Image, LoadNamesTheFile)
{
    image::Image img;
    std::string error;
    EXPECT_FALSE(image::Load("no/such/picture.png", img, error));
    EXPECT_NE(error.find("no/such/picture.png"), std::string::npos);
}

}  // namespace
