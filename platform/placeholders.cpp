// Stand-ins for the graphics device and the X-file reader until they are built: they make nothing.
#include "platform/gfx.h"
#include "platform/xfile.h"

namespace gfx {

std::unique_ptr<Device> CreateGLDevice(SDL_Window*, std::string& error)
{
    error = "OpenGL device not built yet";
    return nullptr;
}

bool LoadXFile(const std::string&, MeshData&, std::string& error)
{
    error = "X files not read yet";
    return false;
}

}  // namespace gfx
