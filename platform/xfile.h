#pragma once
// Meshes from DirectX X files (text and binary), as the game's mesh loader gives them: every frame
// flattened with its transform into one mesh, in the file's own left-handed coordinates, one subset per
// material in the file's material order, positions, normals and texture coordinates as written.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/gfx.h"

namespace gfx {

// A missing, damaged or empty file is an error (the reason in error) and leaves out untouched.
bool LoadXFile(const std::string& path, MeshData& out, std::string& error);  // path resolved without regard to case
bool DecodeXFile(const uint8_t* data, size_t size, MeshData& out, std::string& error);

}  // namespace gfx
