#include "platform/texture_file.h"

#include "platform/image.h"

namespace gfx {

Texture LoadTextureFile(Device& device, const std::string& path, std::string& error)
{
    image::Image img;
    if (!image::Load(path, img, error)) return 0;
    Texture texture = device.CreateTexture(img.width, img.height, img.rgba.data());
    if (!texture) error = path + ": " + std::to_string(img.width) + " x " + std::to_string(img.height) + " is too large";
    return texture;
}

}  // namespace gfx
