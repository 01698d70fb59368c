#pragma once
// Meshes from X files (text and binary): one vertex list, one subset per material in the file's
// material order, with the materials and their texture file names.
#include <string>

#include "platform/gfx.h"

namespace gfx {

// False (with the reason) when the file cannot be read or holds no mesh.
bool LoadXFile(const std::string& path, MeshData& out, std::string& error);

}  // namespace gfx
