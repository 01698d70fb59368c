#include "content/xfile_writer.h"

#include <cmath>
#include <cstdio>

namespace content {

namespace {

XVec3 Sub(XVec3 a, XVec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
XVec3 Cross(XVec3 a, XVec3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
XVec3 Normalize(XVec3 v) {
    const float l = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return l > 0 ? XVec3{v.x / l, v.y / l, v.z / l} : XVec3{0, 1, 0};
}

// Fixed six decimals: the same mesh always gives the same text.
std::string F(float v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.6f", double(v) == 0.0 ? 0.0 : double(v));
    return buf;
}

}  // namespace

int XMesh::AddMaterial(const XMaterial& m) {
    materials_.push_back(m);
    return int(materials_.size()) - 1;
}

uint32_t XMesh::AddVertex(XVec3 p, XVec3 n, float u, float v) {
    positions_.push_back(p);
    normals_.push_back(n);
    uvs_.push_back({u, v});
    return uint32_t(positions_.size() - 1);
}

void XMesh::AddTriangle(uint32_t a, uint32_t b, uint32_t c, int material) {
    faces_.push_back({a, b, c});
    faceMaterials_.push_back(material);
}

void XMesh::AddQuad(XVec3 a, XVec3 b, XVec3 c, XVec3 d, int material) {
    const XVec3 n = Normalize(Cross(Sub(b, a), Sub(c, a)));
    const uint32_t ia = AddVertex(a, n, 0, 1), ib = AddVertex(b, n, 0, 0), ic = AddVertex(c, n, 1, 0),
                   id = AddVertex(d, n, 1, 1);
    AddTriangle(ia, ib, ic, material);
    AddTriangle(ia, ic, id, material);
}

void XMesh::AddBox(XVec3 lo, XVec3 hi, int material) {
    const float x0 = lo.x, y0 = lo.y, z0 = lo.z, x1 = hi.x, y1 = hi.y, z1 = hi.z;
    AddQuad({x0, y1, z0}, {x0, y1, z1}, {x1, y1, z1}, {x1, y1, z0}, material);  // top
    AddQuad({x0, y0, z1}, {x0, y0, z0}, {x1, y0, z0}, {x1, y0, z1}, material);  // bottom
    AddQuad({x0, y0, z0}, {x0, y1, z0}, {x1, y1, z0}, {x1, y0, z0}, material);  // front (-z)
    AddQuad({x1, y0, z1}, {x1, y1, z1}, {x0, y1, z1}, {x0, y0, z1}, material);  // back (+z)
    AddQuad({x0, y0, z1}, {x0, y1, z1}, {x0, y1, z0}, {x0, y0, z0}, material);  // left (-x)
    AddQuad({x1, y0, z0}, {x1, y1, z0}, {x1, y1, z1}, {x1, y0, z1}, material);  // right (+x)
}

void XMesh::AddCylinder(float cx, float cz, float radius, float y0, float y1, int segments, int material) {
    const float step = 6.2831853f / float(segments);
    for (int i = 0; i < segments; ++i) {
        const float a0 = step * float(i), a1 = step * float(i + 1);
        const XVec3 p0{cx + radius * std::cos(a0), 0, cz + radius * std::sin(a0)};
        const XVec3 p1{cx + radius * std::cos(a1), 0, cz + radius * std::sin(a1)};
        // Side, facing outwards.
        const XVec3 n0 = Normalize({p0.x - cx, 0, p0.z - cz}), n1 = Normalize({p1.x - cx, 0, p1.z - cz});
        const float u0 = float(i) / float(segments), u1 = float(i + 1) / float(segments);
        const uint32_t a = AddVertex({p0.x, y0, p0.z}, n0, u0, 1), b = AddVertex({p0.x, y1, p0.z}, n0, u0, 0),
                       c = AddVertex({p1.x, y1, p1.z}, n1, u1, 0), d = AddVertex({p1.x, y0, p1.z}, n1, u1, 1);
        AddTriangle(a, b, c, material);
        AddTriangle(a, c, d, material);
        // Caps, mapped like a top view.
        auto uv = [&](XVec3 p) { return std::array<float, 2>{0.5f + (p.x - cx) / (2 * radius), 0.5f - (p.z - cz) / (2 * radius)}; };
        const auto t0 = uv(p0), t1 = uv(p1);
        const uint32_t tc = AddVertex({cx, y1, cz}, {0, 1, 0}, 0.5f, 0.5f);
        const uint32_t ta = AddVertex({p0.x, y1, p0.z}, {0, 1, 0}, t0[0], t0[1]);
        const uint32_t tb = AddVertex({p1.x, y1, p1.z}, {0, 1, 0}, t1[0], t1[1]);
        AddTriangle(tc, tb, ta, material);
        const uint32_t bc = AddVertex({cx, y0, cz}, {0, -1, 0}, 0.5f, 0.5f);
        const uint32_t ba = AddVertex({p0.x, y0, p0.z}, {0, -1, 0}, t0[0], t0[1]);
        const uint32_t bb = AddVertex({p1.x, y0, p1.z}, {0, -1, 0}, t1[0], t1[1]);
        AddTriangle(bc, ba, bb, material);
    }
}

void XMesh::AddRing(float inner, float outer, float y, int segments, int material) {
    const float step = 6.2831853f / float(segments);
    for (int i = 0; i < segments; ++i) {
        const float a0 = step * float(i), a1 = step * float(i + 1);
        auto at = [&](float r, float a) { return XVec3{r * std::cos(a), y, r * std::sin(a)}; };
        auto vert = [&](XVec3 p) {
            return AddVertex(p, {0, 1, 0}, 0.5f + p.x / (2 * outer), 0.5f - p.z / (2 * outer));
        };
        const uint32_t a = vert(at(inner, a0)), b = vert(at(outer, a0)), c = vert(at(outer, a1)),
                       d = vert(at(inner, a1));
        AddTriangle(a, c, b, material);
        AddTriangle(a, d, c, material);
    }
}

std::string XMesh::ToText() const {
    std::string s = "xof 0303txt 0032\n\n";
    const std::vector<XMaterial> materials = materials_.empty() ? std::vector<XMaterial>{XMaterial{}} : materials_;
    s += "Mesh {\n " + std::to_string(positions_.size()) + ";\n";
    for (size_t i = 0; i < positions_.size(); ++i) {
        const XVec3& p = positions_[i];
        s += " " + F(p.x) + ";" + F(p.y) + ";" + F(p.z) + ";" + (i + 1 < positions_.size() ? ",\n" : ";\n");
    }
    s += " " + std::to_string(faces_.size()) + ";\n";
    for (size_t i = 0; i < faces_.size(); ++i) {
        const auto& f = faces_[i];
        s += " 3;" + std::to_string(f[0]) + "," + std::to_string(f[1]) + "," + std::to_string(f[2]) + ";" +
             (i + 1 < faces_.size() ? ",\n" : ";\n");
    }
    s += " MeshNormals {\n  " + std::to_string(normals_.size()) + ";\n";
    for (size_t i = 0; i < normals_.size(); ++i) {
        const XVec3& n = normals_[i];
        s += "  " + F(n.x) + ";" + F(n.y) + ";" + F(n.z) + ";" + (i + 1 < normals_.size() ? ",\n" : ";\n");
    }
    s += "  " + std::to_string(faces_.size()) + ";\n";
    for (size_t i = 0; i < faces_.size(); ++i) {
        const auto& f = faces_[i];
        s += "  3;" + std::to_string(f[0]) + "," + std::to_string(f[1]) + "," + std::to_string(f[2]) + ";" +
             (i + 1 < faces_.size() ? ",\n" : ";\n");
    }
    s += " }\n MeshTextureCoords {\n  " + std::to_string(uvs_.size()) + ";\n";
    for (size_t i = 0; i < uvs_.size(); ++i)
        s += "  " + F(uvs_[i][0]) + ";" + F(uvs_[i][1]) + ";" + (i + 1 < uvs_.size() ? ",\n" : ";\n");
    s += " }\n MeshMaterialList {\n  " + std::to_string(materials.size()) + ";\n  " +
         std::to_string(faces_.size()) + ";\n";
    for (size_t i = 0; i < faceMaterials_.size(); ++i)
        s += "  " + std::to_string(faceMaterials_[i]) + (i + 1 < faceMaterials_.size() ? ",\n" : ";\n");
    for (const XMaterial& m : materials) {
        s += "  Material {\n   " + F(m.r) + ";" + F(m.g) + ";" + F(m.b) + ";" + F(m.a) + ";;\n   10.000000;\n" +
             "   0.100000;0.100000;0.100000;;\n   0.000000;0.000000;0.000000;;\n";
        if (!m.texture.empty()) s += "   TextureFilename {\n    \"" + m.texture + "\";\n   }\n";
        s += "  }\n";
    }
    s += " }\n}\n";
    return s;
}

}  // namespace content
