#include "platform/gfx.h"
#include "platform/image.h"

namespace gfx {

bool SaveBackBufferPng(Device& device, const std::string& path, std::string& error)
{
    image::Image frame;
    frame.width = kScreenWidth;
    frame.height = kScreenHeight;
    frame.rgba = device.ReadBackBuffer();
    return image::SavePng(path, frame, error);
}

}  // namespace gfx
