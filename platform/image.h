#pragma once
// Image decoding for textures: PNG (libpng), JPEG (libjpeg), BMP (24/32-bit and 8-bit paletted) and
// TGA (uncompressed and RLE), to RGBA8 with row 0 at the top. Damaged input is an error, never a crash.
#include <cstdint>
#include <string>
#include <vector>

namespace image {

struct Image {
    int width = 0, height = 0;
    std::vector<uint8_t> rgba;  // width * height * 4, top row first
};

bool Decode(const uint8_t* data, size_t size, Image& out, std::string& error);
bool Load(const std::string& path, Image& out, std::string& error);  // path resolved without regard to case
bool SavePng(const std::string& path, const Image& img, std::string& error);

}  // namespace image
