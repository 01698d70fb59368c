// Our X reader against Assimp's on files nobody here wrote (Debian's assimp-testmodels, where it is
// installed) and on every demo mesh. Assimp turns a file right-handed (z negated in points, normals and
// frame transforms, v flipped, windings reversed); that is undone here so both give the file's values.
// Assimp gives faces of several meshes the wrong shared material, so a subset of ours need only be found,
// in order, within one of Assimp's subsets, and the triangle counts must agree.
#include <assimp/Importer.hpp>
#include <assimp/scene.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>

#include "platform/os.h"
#include "platform/xfile.h"
#include "tests/pack_members.h"

namespace {

using gfx::MeshData;
using gfx::Vertex;
using Triangle = std::array<Vertex, 3>;
using Subsets = std::vector<std::vector<Triangle>>;

void AddNode(const aiScene* scene, const aiNode* node, const aiMatrix4x4& parent, Subsets& out)
{
    const aiMatrix4x4 global = parent * node->mTransformation;
    const bool moved = !global.IsIdentity();
    aiMatrix3x3 normalMatrix(global);
    if (moved && normalMatrix.Determinant() != 0) normalMatrix = normalMatrix.Inverse().Transpose();
    for (unsigned i = 0; i < node->mNumMeshes; ++i) {
        const aiMesh* mesh = scene->mMeshes[node->mMeshes[i]];
        auto vertex = [&](unsigned v) {
            aiVector3D p = moved ? global * mesh->mVertices[v] : mesh->mVertices[v];
            aiVector3D n;
            if (mesh->mNormals) {
                n = mesh->mNormals[v];
                if (moved) {
                    const aiVector3D t = normalMatrix * n;
                    n = t.Length() > 0 ? t * (n.Length() / t.Length()) : t;
                }
            }
            float tu = 0, tv = 0;
            if (mesh->mTextureCoords[0]) {
                tu = mesh->mTextureCoords[0][v].x;
                tv = 1.0f - mesh->mTextureCoords[0][v].y;
            }
            return Vertex{p.x, p.y, -p.z, n.x, n.y, -n.z, tu, tv};
        };
        auto& list = out.at(mesh->mMaterialIndex);
        for (unsigned f = 0; f < mesh->mNumFaces; ++f) {
            const aiFace& face = mesh->mFaces[f];
            auto corner = [&](unsigned k) { return vertex(face.mIndices[face.mNumIndices - 1 - k]); };
            for (unsigned k = 1; k + 1 < face.mNumIndices; ++k) list.push_back({corner(0), corner(k), corner(k + 1)});
        }
    }
    for (unsigned c = 0; c < node->mNumChildren; ++c) AddNode(scene, node->mChildren[c], global, out);
}

bool ReadWithAssimp(const std::vector<uint8_t>& file, Subsets& out)
{
    Assimp::Importer importer;
    const aiScene* scene = importer.ReadFileFromMemory(file.data(), file.size(), 0, "x");
    if (!scene || !scene->mRootNode) return false;
    out.assign(std::max(scene->mNumMaterials, 1u), {});
    AddNode(scene, scene->mRootNode, aiMatrix4x4(), out);
    return true;
}

Subsets Ours(const MeshData& m)
{
    Subsets out;
    for (const gfx::MeshSubset& s : m.subsets) {
        out.emplace_back();
        for (uint32_t i = 0; i < s.indexCount; i += 3) {
            const uint32_t* t = &m.indices[s.firstIndex + i];
            out.back().push_back({m.vertices[t[0]], m.vertices[t[1]], m.vertices[t[2]]});
        }
    }
    return out;
}

bool Near(float a, float b) { return std::fabs(a - b) <= 1e-4f * std::max(1.0f, std::max(std::fabs(a), std::fabs(b))); }

bool Same(const Triangle& a, const Triangle& b)
{
    for (int k = 0; k < 3; ++k) {
        const Vertex &p = a[size_t(k)], &q = b[size_t(k)];
        if (!Near(p.x, q.x) || !Near(p.y, q.y) || !Near(p.z, q.z) || !Near(p.nx, q.nx) || !Near(p.ny, q.ny) ||
            !Near(p.nz, q.nz) || !Near(p.u, q.u) || !Near(p.v, q.v))
            return false;
    }
    return true;
}

bool InOrderWithin(const std::vector<Triangle>& part, const std::vector<Triangle>& whole)
{
    size_t at = 0;
    for (const Triangle& t : part) {
        while (at < whole.size() && !Same(t, whole[at])) ++at;
        if (at++ >= whole.size()) return false;
    }
    return true;
}

// Both readers agree on the file; strict: subset by subset, as for files whose materials sit inside
// their meshes.
// False when Assimp refuses the file (one of the test models is damaged on purpose).
bool Compare(const std::string& what, const std::vector<uint8_t>& file, bool strict)
{
    Subsets theirs;
    if (!ReadWithAssimp(file, theirs)) return false;
    MeshData mesh;
    std::string error;
    EXPECT_TRUE(gfx::DecodeXFile(file.data(), file.size(), mesh, error)) << what << ": " << error;
    const Subsets mine = Ours(mesh);
    size_t myCount = 0, theirCount = 0, corners = 0;
    for (const auto& s : mine) myCount += s.size();
    for (const auto& s : theirs) theirCount += s.size();
    EXPECT_EQ(myCount, theirCount) << what;
    for (size_t s = 0; s < mine.size(); ++s) {
        if (strict) {
            EXPECT_EQ(mine.size(), theirs.size()) << what;
            const bool same = s < theirs.size() && mine[s].size() == theirs[s].size() &&
                              std::equal(mine[s].begin(), mine[s].end(), theirs[s].begin(), Same);
            EXPECT_TRUE(same) << what << " subset " << s;
        } else {
            EXPECT_TRUE(std::any_of(theirs.begin(), theirs.end(), [&](const auto& t) { return InOrderWithin(mine[s], t); }))
                << what << " subset " << s;
        }
        corners += mine[s].size() * 3;
    }
    EXPECT_LE(mesh.vertices.size(), std::max<size_t>(corners, 1)) << what;  // corners share their vertices
    return true;
}

TEST(XFileAgainstAssimp, EveryDemoMeshComesOutAsAssimpGivesIt)
{
    size_t count = 0;
    for (const char* pack : {"Data/Pack9.gzp", "Data/Pack12.gzp"})
        for (const auto& [name, bytes] : XMembersOfPack(std::string(VELQUOR_BINARY_DIR) + "/game/" + pack)) {
            EXPECT_TRUE(Compare(name, bytes, true)) << name;
            ++count;
        }
    EXPECT_GT(count, 500u);
}

TEST(XFileAgainstAssimp, DebiansTestModels)
{
    const std::filesystem::path dir = "/usr/share/assimp/models/X";
    if (!std::filesystem::is_directory(dir)) GTEST_SKIP() << "assimp-testmodels is not installed";
    size_t count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        std::vector<uint8_t> file;
        if (!os::ReadFile(entry.path().string(), file) || file.size() < 4 || std::memcmp(file.data(), "xof ", 4) != 0)
            continue;
        count += Compare(entry.path().filename().string(), file, false);
    }
    EXPECT_GE(count, 8u);
}

}  // namespace
