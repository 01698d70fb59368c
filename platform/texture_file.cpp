#include "platform/texture_file.h"

#include "platform/image.h"

namespace gfx {

Texture LoadTextureFile(Device& device, const std::string& path, std::string& error)
{
    image::Image img;
    if (!image::Load(path, img, error)) return 0;
    return TextureFromImage(device, img, path, error);
}

Texture TextureFromImage(Device& device, const image::Image& img, const std::string& name, std::string& error)
{
    Texture texture = device.CreateTexture(img.width, img.height, img.rgba.data());
    if (!texture) error = name + ": " + std::to_string(img.width) + " x " + std::to_string(img.height) + " is too large";
    return texture;
}

}  // namespace gfx
