#include <gtest/gtest.h>

#include "platform/os.h"
#include "tests/verformt.h"

namespace {

void Put16(std::vector<uint8_t>& v, uint32_t x) { v.push_back(x & 255), v.push_back(x >> 8); }
void Put32(std::vector<uint8_t>& v, uint32_t x) { Put16(v, x & 0xffff), Put16(v, x >> 16); }

// A 4 x 4 cursor: the top-left pixel is "ink", the others transparent (by mask or alpha).
std::vector<uint8_t> Cur(int bits, uint16_t hotX, uint16_t hotY)
{
    const int w = 4, h = 4;
    const int colours = bits <= 8 ? (1 << bits) : 0;
    const int xorStride = ((w * bits + 31) / 32) * 4, andStride = 4;
    std::vector<uint8_t> dib;
    Put32(dib, 40), Put32(dib, w), Put32(dib, h * 2), Put16(dib, 1), Put16(dib, bits);
    Put32(dib, 0), Put32(dib, 0), Put32(dib, 0), Put32(dib, 0), Put32(dib, colours), Put32(dib, 0);
    for (int i = 0; i < colours; ++i) {
        const uint8_t c = i == 1 ? 200 : 0;  // palette entry 1 is the ink colour
        dib.insert(dib.end(), {c, c, c, 0});
    }
    for (int row = 0; row < h; ++row) {  // bottom row first
        const int y = h - 1 - row;
        std::vector<uint8_t> line(xorStride, 0);
        for (int x = 0; x < w; ++x) {
            const bool ink = x == 0 && y == 0;
            if (bits == 1) line[0] |= ink ? 0x80 >> x : 0;
            else if (bits == 8) line[x] = ink ? 1 : 0;
            else if (bits == 32) {
                line[x * 4] = line[x * 4 + 1] = line[x * 4 + 2] = ink ? 200 : 0;
                line[x * 4 + 3] = ink ? 255 : 0;
            }
        }
        dib.insert(dib.end(), line.begin(), line.end());
    }
    for (int row = 0; row < h; ++row) {
        const int y = h - 1 - row;
        std::vector<uint8_t> mask(andStride, 0);
        mask[0] = y == 0 ? 0x70 : 0xF0;  // 1 = transparent
        dib.insert(dib.end(), mask.begin(), mask.end());
    }
    std::vector<uint8_t> file;
    Put16(file, 0), Put16(file, 2), Put16(file, 1);
    file.insert(file.end(), {uint8_t(w), uint8_t(h), 0, 0});
    Put16(file, hotX), Put16(file, hotY), Put32(file, uint32_t(dib.size())), Put32(file, 22);
    file.insert(file.end(), dib.begin(), dib.end());
    return file;
}

TEST(Cursor, DecodesMonochromePalettedAndTrueColourWithHotspot)
{
    for (int bits : {1, 8, 32}) {
        SCOPED_TRACE(bits);
        os::CursorImage img;
        std::string error;
        ASSERT_TRUE(os::DecodeCursor(Cur(bits, 1, 2), img, error)) << error;
        EXPECT_EQ(img.width, 4);
        EXPECT_EQ(img.height, 4);
        EXPECT_EQ(img.hotX, 1);
        EXPECT_EQ(img.hotY, 2);
        EXPECT_EQ(img.rgba[0], bits == 1 ? 200 : 200);
        EXPECT_EQ(img.rgba[3], 255) << "the ink pixel is opaque";
        EXPECT_EQ(img.rgba[4 * 4 + 3], 0) << "the pixel below is transparent";
        EXPECT_EQ(img.rgba[15 * 4 + 3], 0);
    }
}

TEST(Cursor, DamagedFilesAreRefused)
{
    const std::vector<uint8_t> good = Cur(32, 0, 0);
    for (size_t len = 0; len + 4 * 4 * 4 / 2 < good.size(); ++len) {  // cut inside the colour rows at least
        os::CursorImage img;
        std::string error;
        EXPECT_FALSE(os::DecodeCursor(std::vector<uint8_t>(good.begin(), good.begin() + len), img, error)) << len;
    }
    std::vector<uint8_t> badOffset = good;
    badOffset[18] = 0xff;
    os::CursorImage img;
    std::string error;
    EXPECT_FALSE(os::DecodeCursor(badOffset, img, error));
    std::vector<uint8_t> garbage(200, 0xAB);
    EXPECT_FALSE(os::DecodeCursor(garbage, img, error));
    EXPECT_EQ(os::LoadCursorFile("no/such.cur"), 0u);
}

TEST(Cursor, DamagedCopiesNeverCrash)
{
    for (int bits : {1, 8, 32}) {
        SCOPED_TRACE(bits);
        for (const std::vector<uint8_t>& file : Verformt(Cur(bits, 1, 2), 400, uint32_t(bits))) {
            os::CursorImage img;
            std::string error;
            if (os::DecodeCursor(file, img, error)) {
                EXPECT_EQ(img.rgba.size(), size_t(img.width) * img.height * 4);
                EXPECT_TRUE(img.hotX >= 0 && img.hotX < img.width && img.hotY >= 0 && img.hotY < img.height);
            }
        }
    }
}

}  // namespace
