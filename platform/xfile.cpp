#include "platform/xfile.h"

#include <assimp/Importer.hpp>
#include <assimp/material.h>
#include <assimp/scene.h>

#include <cmath>
#include <cstring>

#include "platform/os.h"

namespace gfx {
namespace {

// Assimp turns an X file into right-handed space: it negates z (positions, normals, and every frame
// transform as S M S with S = diag(1, 1, -1)), flips v and reverses every face's winding. All three are
// undone here, so the mesh is the file's again: for a point, S (G p) with G the frame transforms as
// Assimp gives them equals the file's point under the file's transforms.

struct Builder {
    std::vector<Vertex> vertices;
    std::vector<std::vector<uint32_t>> triangles;  // per material
};

aiVector3D TransformNormal(const aiMatrix3x3& normalMatrix, const aiVector3D& n)
{
    aiVector3D t = normalMatrix * n;
    float before = n.Length(), after = t.Length();
    return after > 0 ? t * (before / after) : t;  // the direction follows the frame, the length stays as written
}

void AddNode(const aiScene* scene, const aiNode* node, const aiMatrix4x4& parent, Builder& b)
{
    const aiMatrix4x4 global = parent * node->mTransformation;
    const bool moved = !global.IsIdentity();
    aiMatrix3x3 normalMatrix(global);
    if (moved && normalMatrix.Determinant() != 0) normalMatrix = normalMatrix.Inverse().Transpose();

    for (unsigned i = 0; i < node->mNumMeshes; ++i) {
        if (node->mMeshes[i] >= scene->mNumMeshes) continue;
        const aiMesh* mesh = scene->mMeshes[node->mMeshes[i]];
        if (mesh->mMaterialIndex >= b.triangles.size()) continue;
        const uint32_t base = uint32_t(b.vertices.size());
        for (unsigned v = 0; v < mesh->mNumVertices; ++v) {
            aiVector3D p = moved ? global * mesh->mVertices[v] : mesh->mVertices[v];
            aiVector3D n;
            if (mesh->mNormals) n = moved ? TransformNormal(normalMatrix, mesh->mNormals[v]) : mesh->mNormals[v];
            float tu = 0, tv = 0;
            if (mesh->mTextureCoords[0]) {
                tu = mesh->mTextureCoords[0][v].x;
                tv = 1.0f - mesh->mTextureCoords[0][v].y;
            }
            b.vertices.push_back({p.x, p.y, -p.z, n.x, n.y, -n.z, tu, tv});
        }
        auto& out = b.triangles[mesh->mMaterialIndex];
        for (unsigned f = 0; f < mesh->mNumFaces; ++f) {
            const aiFace& face = mesh->mFaces[f];
            if (face.mNumIndices < 3) continue;
            bool inRange = true;
            for (unsigned k = 0; k < face.mNumIndices; ++k) inRange = inRange && face.mIndices[k] < mesh->mNumVertices;
            if (!inRange) continue;
            // The file's corner order is Assimp's reversed; a polygon becomes a fan from its first corner.
            auto corner = [&](unsigned k) { return base + face.mIndices[face.mNumIndices - 1 - k]; };
            for (unsigned k = 1; k + 1 < face.mNumIndices; ++k) out.insert(out.end(), {corner(0), corner(k), corner(k + 1)});
        }
    }
    for (unsigned c = 0; c < node->mNumChildren; ++c) AddNode(scene, node->mChildren[c], global, b);
}

Color ColorOf(const aiMaterial* m, const char* key, unsigned type, unsigned index)
{
    aiColor4D c(0, 0, 0, 0);
    if (m->Get(key, type, index, c) != AI_SUCCESS) return {0, 0, 0, 0};
    return {c.r, c.g, c.b, c.a};
}

MeshMaterial MaterialOf(const aiMaterial* m)
{
    MeshMaterial out;
    out.material.diffuse = ColorOf(m, AI_MATKEY_COLOR_DIFFUSE);
    out.material.ambient = ColorOf(m, AI_MATKEY_COLOR_AMBIENT);
    out.material.specular = ColorOf(m, AI_MATKEY_COLOR_SPECULAR);
    out.material.emissive = ColorOf(m, AI_MATKEY_COLOR_EMISSIVE);
    float power = 0;
    if (m->Get(AI_MATKEY_SHININESS, power) == AI_SUCCESS) out.material.power = power;
    // Assimp files a texture under a type it guesses from the name; an X material has one texture at most.
    for (int t = aiTextureType_DIFFUSE; t <= aiTextureType_UNKNOWN && out.textureFile.empty(); ++t) {
        aiString path;
        if (m->GetTextureCount(aiTextureType(t)) > 0 && m->GetTexture(aiTextureType(t), 0, &path) == AI_SUCCESS)
            out.textureFile = path.C_Str();
    }
    return out;
}

}  // namespace

bool DecodeXFile(const uint8_t* data, size_t size, MeshData& out, std::string& error)
{
    // Only an X file goes to Assimp, so no other importer makes something of other data.
    static const char* const kFormats[] = {"txt ", "bin ", "tzip", "bzip"};
    bool isX = size >= 16 && std::memcmp(data, "xof ", 4) == 0;
    bool known = false;
    for (const char* f : kFormats) known = known || (isX && std::memcmp(data + 8, f, 4) == 0);
    if (!known) {
        error = "not an X file";
        return false;
    }
    Assimp::Importer importer;
    const aiScene* scene = importer.ReadFileFromMemory(data, size, 0, "x");
    if (!scene || !scene->mRootNode) {
        error = std::string("damaged X file: ") + importer.GetErrorString();
        return false;
    }

    Builder b;
    b.triangles.resize(scene->mNumMaterials > 0 ? scene->mNumMaterials : 1);
    AddNode(scene, scene->mRootNode, aiMatrix4x4(), b);

    MeshData mesh;
    mesh.vertices = std::move(b.vertices);
    for (size_t i = 0; i < b.triangles.size(); ++i) {
        mesh.subsets.push_back({uint32_t(mesh.indices.size()), uint32_t(b.triangles[i].size())});
        mesh.indices.insert(mesh.indices.end(), b.triangles[i].begin(), b.triangles[i].end());
        mesh.materials.push_back(i < scene->mNumMaterials ? MaterialOf(scene->mMaterials[i]) : MeshMaterial{});
    }
    if (mesh.indices.empty()) {
        error = "X file without triangles";
        return false;
    }
    out = std::move(mesh);
    return true;
}

bool LoadXFile(const std::string& path, MeshData& out, std::string& error)
{
    std::vector<uint8_t> data;
    if (!os::ReadFile(path, data)) {
        error = path + ": not found";
        return false;
    }
    if (!DecodeXFile(data.data(), data.size(), out, error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}

}  // namespace gfx
