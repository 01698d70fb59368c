// Our image reader against ImageMagick's, where both it and Debian's assimp-testmodels (whose pictures
// are the sources) are installed: every kind of file the game may be given, written by ImageMagick from
// those pictures at an odd size with a graded alpha, must decode to the same pixels.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "platform/image.h"
#include "platform/os.h"

namespace {

namespace fs = std::filesystem;

const char* const kConvert = "/usr/bin/convert";

struct Kind {
    const char* name;
    const char* write;  // ImageMagick's options and output format
    int tolerance;      // per channel: block compression rounds its in-between colours differently, and
                        // ImageMagick widens 4 bits by a shift (15 -> 240) where a texture reads 255
};

const Kind kKinds[] = {
    {"png 8-bit with alpha", "PNG32", 0},
    {"png 16-bit", "-depth 16 PNG64", 1},
    {"png paletted", "-alpha off -colors 50 PNG8", 0},
    {"png grey", "-colorspace Gray -alpha off PNG", 0},
    {"bmp 1-bit", "-alpha off -monochrome BMP3", 0},
    {"bmp 4-bit", "-alpha off -colors 16 BMP3", 0},
    {"bmp 8-bit", "-alpha off -colors 200 BMP3", 0},
    {"bmp 24-bit", "-alpha off BMP3", 0},
    {"bmp OS/2 8-bit", "-alpha off -colors 200 BMP2", 0},
    {"bmp OS/2 24-bit", "-alpha off BMP2", 0},
    {"bmp 16-bit RGB565", "-alpha off -define bmp:subtype=RGB565 BMP", 0},
    {"bmp 16-bit ARGB1555", "-define bmp:subtype=ARGB1555 BMP", 0},
    {"bmp 16-bit ARGB4444", "-define bmp:subtype=ARGB4444 BMP", 15},
    {"bmp 32-bit with alpha mask", "BMP", 0},
    {"tga true colour", "-alpha off TGA", 0},
    {"tga true colour with alpha, rle", "-compress RLE TGA", 0},
    {"tga paletted", "-alpha off -colors 60 -type Palette TGA", 0},
    {"tga paletted, rle", "-alpha off -colors 60 -type Palette -compress RLE TGA", 0},
    {"tga grey", "-colorspace Gray -alpha off -type Grayscale TGA", 0},
    {"tga grey, rle", "-colorspace Gray -alpha off -type Grayscale -compress RLE TGA", 0},
    {"dds dxt1", "-alpha off -define dds:compression=dxt1 -define dds:mipmaps=0 DDS", 2},
    {"dds dxt3", "-define dds:compression=dxt3 -define dds:mipmaps=0 DDS", 2},
    {"dds dxt5", "-define dds:compression=dxt5 -define dds:mipmaps=0 DDS", 2},
    {"dds uncompressed", "-define dds:compression=none -define dds:mipmaps=0 DDS", 0},
};

bool Shell(const std::string& command) { return std::system((command + " 2>/dev/null").c_str()) == 0; }

TEST(ImageAgainstImageMagick, EveryKindDecodesAsImageMagickReadsIt)
{
    const fs::path sources[] = {"/usr/share/assimp/models/X/test.png", "/usr/share/assimp/models/MD2/faerie2.bmp",
                                "/usr/share/assimp/models/X/bottom.tga"};
    if (!fs::exists(kConvert) || !fs::exists(sources[0])) GTEST_SKIP() << "ImageMagick or assimp-testmodels missing";
    const fs::path dir = fs::path(::testing::TempDir()) / ("image_magick_" + std::to_string(getpid()));
    fs::create_directories(dir);
    for (const fs::path& source : sources) {
        if (!fs::exists(source)) continue;
        // An odd size (so rows are padded and compressed blocks cut), alpha graded from left to right.
        const fs::path base = dir / "base.png";
        ASSERT_TRUE(Shell(std::string(kConvert) + " '" + source.string() + "' -resize 37x23! -alpha set -channel A -fx i/w " +
                        "+channel PNG32:'" + base.string() + "'"));
        for (const Kind& kind : kKinds) {
            SCOPED_TRACE(source.filename().string() + ", " + kind.name);
            const std::string format = std::string(kind.write).substr(std::string(kind.write).rfind(' ') + 1);
            const fs::path file = dir / "file", raw = dir / "pixels.rgba";
            ASSERT_TRUE(Shell(std::string(kConvert) + " '" + base.string() + "' " + kind.write + ":'" + file.string() + "'"));
            ASSERT_TRUE(Shell(std::string(kConvert) + " " + format + ":'" + file.string() + "' -auto-orient -depth 8 RGBA:'" + raw.string() + "'"));
            std::vector<uint8_t> theirs;
            ASSERT_TRUE(os::ReadFile(raw.string(), theirs));
            image::Image ours;
            std::string error;
            ASSERT_TRUE(image::Load(file.string(), ours, error)) << error;
            ASSERT_EQ(ours.width, 37);
            ASSERT_EQ(ours.height, 23);
            ASSERT_EQ(ours.rgba.size(), theirs.size());
            int worst = 0;
            size_t at = 0;
            for (size_t i = 0; i < theirs.size(); ++i) {
                const int d = std::abs(int(ours.rgba[i]) - int(theirs[i]));
                if (d > worst) worst = d, at = i;
            }
            EXPECT_LE(worst, kind.tolerance) << "pixel " << at / 4 << " channel " << at % 4 << ": ours "
                                             << int(ours.rgba[at]) << ", ImageMagick " << int(theirs[at]);
        }
    }
    fs::remove_all(dir);
}

}  // namespace
