#include "platform/image.h"

#include <png.h>

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

// Images larger than this are refused: no texture of the game comes near it, and a forged header
// must not make us allocate gigabytes.
constexpr int kMaxSide = 16384;

bool SizeOk(long w, long h) { return w > 0 && h > 0 && w <= kMaxSide && h <= kMaxSide; }

bool DecodePng(const uint8_t* data, size_t size, Image& out, std::string& error)
{
    png_image img;
    std::memset(&img, 0, sizeof img);
    img.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&img, data, size)) {
        error = std::string("PNG: ") + img.message;
        return false;
    }
    if (!SizeOk(img.width, img.height)) {
        png_image_free(&img);
        error = "PNG: unreasonable size";
        return false;
    }
    // Deflate packs at most 1032 bytes into one, and a row takes at least its filter byte and one
    // bit a pixel: a header claiming more than the file could hold is refused before allocating.
    if (uint64_t(img.height) * (1 + (uint64_t(img.width) + 7) / 8) > uint64_t(size) * 1032) {
        png_image_free(&img);
        error = "PNG: damaged file";
        return false;
    }
    img.format = PNG_FORMAT_RGBA;
    std::vector<uint8_t> pixels(PNG_IMAGE_SIZE(img));
    if (!png_image_finish_read(&img, nullptr, pixels.data(), 0, nullptr)) {
        error = std::string("PNG: ") + img.message;
        png_image_free(&img);
        return false;
    }
    out.width = static_cast<int>(img.width);
    out.height = static_cast<int>(img.height);
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

bool DecodeBmp(const uint8_t* data, size_t size, Image& out, std::string& error)
{
    error = "BMP: damaged file";
    if (size < 54) return false;
    const uint32_t pixelOffset = Le32(data + 10);
    const uint32_t headerSize = Le32(data + 14);
    // In size_t: a header size near 4 GiB must not wrap the check around.
    if (headerSize < 40 || size_t(headerSize) > size - 14) return false;
    const int32_t width = static_cast<int32_t>(Le32(data + 18));
    int32_t height = static_cast<int32_t>(Le32(data + 22));
    if (height == INT32_MIN) return false;  // has no positive twin
    const uint32_t bits = Le16(data + 28);
    const uint32_t compression = Le32(data + 30);
    uint32_t colours = Le32(data + 46);
    const bool topDown = height < 0;
    if (topDown) height = -height;
    if (!SizeOk(width, height) || compression != 0 || (bits != 8 && bits != 24 && bits != 32)) {
        error = "BMP: unsupported format";
        return false;
    }
    const uint8_t* palette = data + 14 + headerSize;
    if (bits == 8) {
        if (colours == 0 || colours > 256) colours = 256;
        if (14 + size_t(headerSize) + size_t(colours) * 4 > size) return false;
    }
    const size_t stride = ((size_t(width) * bits + 31) / 32) * 4;
    if (pixelOffset > size || stride * height > size - pixelOffset) return false;
    std::vector<uint8_t> pixels(size_t(width) * height * 4);
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = data + pixelOffset + stride * (topDown ? y : height - 1 - y);
        uint8_t* dst = pixels.data() + size_t(y) * width * 4;
        for (int x = 0; x < width; ++x, dst += 4) {
            if (bits == 8) {
                const uint8_t index = row[x];
                if (index >= colours) return false;
                const uint8_t* c = palette + index * 4;
                dst[0] = c[2], dst[1] = c[1], dst[2] = c[0], dst[3] = 255;
            } else {
                const uint8_t* c = row + x * (bits / 8);
                dst[0] = c[2], dst[1] = c[1], dst[2] = c[0], dst[3] = bits == 32 ? c[3] : 255;
            }
        }
    }
    out.width = width;
    out.height = height;
    out.rgba.swap(pixels);
    return true;
}

bool DecodeTga(const uint8_t* data, size_t size, Image& out, std::string& error)
{
    error = "TGA: damaged file";
    if (size < 18) return false;
    const uint8_t idLength = data[0], colourMapType = data[1], type = data[2];
    const int width = static_cast<int>(Le16(data + 12)), height = static_cast<int>(Le16(data + 14));
    const uint8_t bits = data[16], descriptor = data[17];
    if (colourMapType != 0 || (type != 2 && type != 10) || (bits != 24 && bits != 32) || !SizeOk(width, height)) {
        error = "TGA: unsupported format";
        return false;
    }
    const size_t bpp = bits / 8;
    size_t pos = 18 + idLength;
    const size_t count = size_t(width) * height;
    // A run packet covers at most 128 pixels: a header that claims more than the data can hold is
    // refused before the pixels are allocated.
    if (pos > size || count > (size - pos) / bpp * (type == 2 ? 1 : 128)) return false;
    std::vector<uint8_t> pixels(count * 4);
    auto put = [&](size_t i, const uint8_t* c) {
        uint8_t* d = pixels.data() + i * 4;
        d[0] = c[2], d[1] = c[1], d[2] = c[0], d[3] = bpp == 4 ? c[3] : 255;
    };
    size_t i = 0;
    while (i < count) {
        if (type == 2) {
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
    // Stored bottom row first unless the descriptor says top first.
    if (!(descriptor & 0x20)) {
        const size_t stride = size_t(width) * 4;
        for (int y = 0; y < height / 2; ++y)
            std::swap_ranges(pixels.begin() + y * stride, pixels.begin() + (y + 1) * stride,
                             pixels.begin() + (height - 1 - y) * stride);
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
