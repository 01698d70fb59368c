#pragma once
// Image decoding for textures, every kind the game's texture loader reads: PNG (libpng, the stored values
// with no gamma conversion), JPEG (libjpeg), BMP (1 to 32 bits, run-length encoded, colour masks), TGA
// (true colour, paletted and grey, raw and RLE) and DDS (DXT1, DXT3, DXT5, uncompressed), to RGBA8 with
// row 0 at the top. Damaged input is an error, never a crash; sizes past the budget are refused.
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
