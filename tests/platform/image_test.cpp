#include "platform/image.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <jpeglib.h>
#include <zlib.h>

#include "tests/verformt.h"

namespace {

// A 2 x 2 picture: red, green / blue, half-transparent white (top row first).
const uint8_t kPixels[16] = {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 255, 255, 128};

void Put16(std::vector<uint8_t>& v, uint32_t x) { v.push_back(x & 255), v.push_back(x >> 8); }
void Put32(std::vector<uint8_t>& v, uint32_t x) { Put16(v, x & 0xffff), Put16(v, x >> 16); }

std::vector<uint8_t> Bmp(int bits, bool topDown)
{
    std::vector<uint8_t> v{'B', 'M'};
    const int stride = ((2 * bits + 31) / 32) * 4;
    const uint32_t paletteSize = bits == 8 ? 4 * 4 : 0;
    const uint32_t offset = 54 + paletteSize;
    Put32(v, offset + stride * 2), Put32(v, 0), Put32(v, offset);
    Put32(v, 40), Put32(v, 2), Put32(v, topDown ? uint32_t(-2) : 2u), Put16(v, 1), Put16(v, bits);
    Put32(v, 0), Put32(v, stride * 2), Put32(v, 2835), Put32(v, 2835), Put32(v, bits == 8 ? 4 : 0), Put32(v, 0);
    if (bits == 8)
        for (int i = 0; i < 4; ++i) v.insert(v.end(), {kPixels[i * 4 + 2], kPixels[i * 4 + 1], kPixels[i * 4], 0});
    for (int r = 0; r < 2; ++r) {
        const int y = topDown ? r : 1 - r;
        std::vector<uint8_t> row;
        for (int x = 0; x < 2; ++x) {
            const uint8_t* p = kPixels + (y * 2 + x) * 4;
            if (bits == 8) row.push_back(uint8_t(y * 2 + x));
            else row.insert(row.end(), {p[2], p[1], p[0]});
            if (bits == 32) row.push_back(p[3]);
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
    return {{"png", Png(), true},           {"bmp24", Bmp(24, false), false}, {"bmp32", Bmp(32, false), true},
            {"bmp32 top-down", Bmp(32, true), true}, {"bmp8", Bmp(8, false), false}, {"tga", Tga(false), true},
            {"tga rle", Tga(true), true}};
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
