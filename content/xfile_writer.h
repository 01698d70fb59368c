#pragma once
// Meshes in the DirectX X-file text format, as the game's mesh loader reads them: one Mesh with
// normals, texture coordinates and a material list whose materials may name a texture file.
// Coordinates are the game's: left-handed, y up; a triangle's front is where (b - a) x (c - a)
// points (clockwise seen from the front, as the device culls counter-clockwise faces).
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace content {

struct XVec3 {
    float x, y, z;
};

struct XMaterial {
    float r = 1, g = 1, b = 1, a = 1;
    std::string texture;  // file name in the pack of model textures, empty for none
};

class XMesh {
public:
    // Adds a material and returns its number.
    int AddMaterial(const XMaterial& m);
    // One vertex with its normal and texture coordinate; returns its index.
    uint32_t AddVertex(XVec3 p, XVec3 n, float u, float v);
    void AddTriangle(uint32_t a, uint32_t b, uint32_t c, int material);

    // Building blocks. Every face gets its own vertices (flat normals), u/v span each face 0..1.
    // A quad from four corners in clockwise order seen from its front.
    void AddQuad(XVec3 a, XVec3 b, XVec3 c, XVec3 d, int material);
    // An axis-aligned box from its minimum and maximum corner.
    void AddBox(XVec3 lo, XVec3 hi, int material);
    // A cylinder standing on y = y0 up to y1 around (cx, cz), with caps.
    void AddCylinder(float cx, float cz, float radius, float y0, float y1, int segments, int material);
    // A flat ring in the plane y, facing up.
    void AddRing(float inner, float outer, float y, int segments, int material);

    size_t VertexCount() const { return positions_.size(); }
    size_t TriangleCount() const { return faces_.size(); }

    std::string ToText() const;

private:
    std::vector<XVec3> positions_, normals_;
    std::vector<std::array<float, 2>> uvs_;
    std::vector<std::array<uint32_t, 3>> faces_;
    std::vector<int> faceMaterials_;
    std::vector<XMaterial> materials_;
};

}  // namespace content
