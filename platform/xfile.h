#pragma once
// Meshes from DirectX X files (text, binary and compressed), as the game's mesh loader gives them: the
// meshes of all frames joined with their transforms into one mesh in the file's own left-handed
// coordinates; each mesh's material list appended to the table, one subset per material; corners with
// the same position and normal sharing one vertex.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/gfx.h"

namespace gfx {

// A missing, damaged or empty file is an error (the reason in error) and leaves out untouched.
bool LoadXFile(const std::string& path, MeshData& out, std::string& error);  // path resolved without regard to case
bool DecodeXFile(const uint8_t* data, size_t size, MeshData& out, std::string& error);

}  // namespace gfx
