#pragma once
// Textures from image files (PNG, JPEG, BMP, TGA, DDS), as the game's texture loader makes them.
#include <string>

#include "platform/gfx.h"
#include "platform/image.h"

namespace gfx {

// The image at its own size, top row first. 0 when the file is missing or damaged, with the reason in
// error. The path is resolved without regard to case.
Texture LoadTextureFile(Device& device, const std::string& path, std::string& error);
// The same for a picture already decoded; name goes into the error.
Texture TextureFromImage(Device& device, const image::Image& img, const std::string& name, std::string& error);

}  // namespace gfx
