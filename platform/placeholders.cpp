// Stand-in for the X-file reader until it is built: it reads nothing.
#include "platform/xfile.h"

namespace gfx {

bool LoadXFile(const std::string&, MeshData&, std::string& error)
{
    error = "X files not read yet";
    return false;
}

}  // namespace gfx
