#include "platform/xfile.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cctype>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>

#include "platform/gfx_state.h"
#include "platform/os.h"

namespace {

using namespace gfx;

// Two frames, the inner one turned and moved; three materials in the list (the second without a
// texture, the third used by no face); a quad; normals with their own indices; texture coordinates.
const char* kText = R"(xof 0303txt 0032
Frame Body {
  FrameTransformMatrix { 1.0,0.0,0.0,0.0, 0.0,1.0,0.0,0.0, 0.0,0.0,1.0,0.0, 10.0,20.0,30.0,1.0;; }
  Mesh Torso {
    4;
    0.0;0.0;0.0;,
    1.0;0.0;0.0;,
    0.0;1.0;0.0;,
    1.0;1.0;2.5;;
    2;
    3;0,2,1;,
    3;1,2,3;;
    MeshNormals { 2; 0.0;0.0;-1.0;, 0.0;1.0;0.0;; 2; 3;0,0,1;, 3;1,1,1;; }
    MeshTextureCoords { 4; 0.0;0.0;, 1.0;0.0;, 0.0;1.0;, 0.1;0.3;; }
    MeshMaterialList {
      3; 2; 1, 0;;
      Material Skin { 1.0;0.5;0.25;0.5;; 10.0; 0.2;0.3;0.4;; 0.05;0.06;0.07;; TextureFilename { "Skin_01.png"; } }
      Material { 0.0;1.0;0.0;1.0;; 5.0; 0.0;0.0;0.0;; 0.0;0.0;0.0;; }
      Material Spare { 0.0;0.0;1.0;1.0;; 1.0; 0.0;0.0;0.0;; 0.0;0.0;0.0;; TextureFilename { "spare.bmp"; } }
    }
  }
  Frame Arm {
    FrameTransformMatrix { 0.0,1.0,0.0,0.0, -1.0,0.0,0.0,0.0, 0.0,0.0,1.0,0.0, 1.0,0.0,0.0,1.0;; }
    Mesh Hand {
      4; 0.0;0.0;0.0;, 1.0;0.0;0.0;, 1.0;1.0;0.0;, 0.0;1.0;0.0;;
      1; 4;0,1,2,3;;
      MeshNormals { 1; 1.0;0.0;0.0;; 1; 4;0,0,0,0;; }
      MeshMaterialList { 1; 1; 0;; Material { 1.0;1.0;1.0;1.0;; 0.0; 0.0;0.0;0.0;; 0.0;0.0;0.0;; TextureFilename { "hand.jpg"; } } }
    }
  }
}
)";

// The same file in the binary X format: names, strings, braces, and runs of integers and of floats
// (numbers with a point) as lists; separators are not written.
std::vector<uint8_t> ToBinary(const std::string& text)
{
    const char* header = "xof 0303bin 0032";
    std::vector<uint8_t> out(header, header + 16);
    auto word = [&](uint16_t w) { out.push_back(uint8_t(w)); out.push_back(uint8_t(w >> 8)); };
    auto dword = [&](uint32_t d) { for (int i = 0; i < 4; ++i) out.push_back(uint8_t(d >> (8 * i))); };
    std::vector<uint32_t> ints;
    std::vector<float> floats;
    auto flush = [&] {
        if (!ints.empty()) { word(6); dword(uint32_t(ints.size())); for (uint32_t i : ints) dword(i); ints.clear(); }
        if (!floats.empty()) {
            word(7); dword(uint32_t(floats.size()));
            for (float f : floats) { uint32_t d; std::memcpy(&d, &f, 4); dword(d); }
            floats.clear();
        }
    };
    size_t i = text.find('\n') + 1;  // past the text header
    while (i < text.size()) {
        char c = text[i];
        if (std::isspace(uint8_t(c)) || c == ',' || c == ';') { ++i; continue; }
        size_t j = i;
        if (std::isdigit(uint8_t(c)) || c == '-') {
            while (j < text.size() && (std::isdigit(uint8_t(text[j])) || text[j] == '.' || text[j] == '-')) ++j;
            std::string n = text.substr(i, j - i);
            if (n.find('.') != std::string::npos) {
                if (!ints.empty()) flush();
                floats.push_back(std::stof(n));
            } else {
                if (!floats.empty()) flush();
                ints.push_back(uint32_t(std::stoul(n)));
            }
            i = j;
            continue;
        }
        flush();
        if (c == '{' || c == '}') {
            word(c == '{' ? 10 : 11);
            ++i;
        } else if (c == '"') {
            j = text.find('"', i + 1);
            word(2); dword(uint32_t(j - i - 1));
            out.insert(out.end(), text.begin() + long(i) + 1, text.begin() + long(j));
            word(20);  // the string's terminating semicolon
            i = j + 1;
        } else {
            while (j < text.size() && (std::isalnum(uint8_t(text[j])) || text[j] == '_')) ++j;
            word(1); dword(uint32_t(j - i));
            out.insert(out.end(), text.begin() + long(i), text.begin() + long(j));
            i = j;
        }
    }
    flush();
    return out;
}

std::vector<uint8_t> Bytes(const std::string& s) { return std::vector<uint8_t>(s.begin(), s.end()); }

// The compressed form of a text or binary file: the unpacked size, then blocks of at most 32 KB, each
// "CK" and raw deflate data that may refer back into the block before.
std::vector<uint8_t> Compress(const std::vector<uint8_t>& file)
{
    std::vector<uint8_t> out(file.begin(), file.begin() + 16);
    std::memcpy(out.data() + 8, std::memcmp(file.data() + 8, "bin ", 4) == 0 ? "bzip" : "tzip", 4);
    auto word = [&](size_t w) { out.push_back(uint8_t(w)); out.push_back(uint8_t(w >> 8)); };
    word(file.size());
    word(file.size() >> 16);
    for (size_t at = 16; at < file.size(); at += 32768) {
        const size_t n = std::min<size_t>(32768, file.size() - at);
        z_stream z{};
        deflateInit2(&z, 9, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
        if (at > 16) deflateSetDictionary(&z, file.data() + at - 32768, 32768);
        std::vector<uint8_t> packed(deflateBound(&z, uLong(n)));
        z.next_in = const_cast<uint8_t*>(file.data() + at);
        z.avail_in = uInt(n);
        z.next_out = packed.data();
        z.avail_out = uInt(packed.size());
        deflate(&z, Z_FINISH);
        packed.resize(packed.size() - z.avail_out);
        deflateEnd(&z);
        word(n);
        word(packed.size() + 2);
        out.push_back('C');
        out.push_back('K');
        out.insert(out.end(), packed.begin(), packed.end());
    }
    return out;
}

MeshData Decoded(const std::string& text)
{
    MeshData m;
    std::string error;
    auto data = Bytes(text);
    EXPECT_TRUE(DecodeXFile(data.data(), data.size(), m, error)) << error;
    return m;
}

// The triangles of one subset, each as its corners' positions.
std::vector<std::array<float, 9>> TrianglesOf(const MeshData& m, size_t subset)
{
    std::vector<std::array<float, 9>> out;
    const MeshSubset& s = m.subsets.at(subset);
    for (uint32_t i = 0; i < s.indexCount; i += 3) {
        std::array<float, 9> t;
        for (int k = 0; k < 3; ++k) {
            const Vertex& v = m.vertices.at(m.indices.at(s.firstIndex + i + uint32_t(k)));
            t[size_t(k) * 3] = v.x, t[size_t(k) * 3 + 1] = v.y, t[size_t(k) * 3 + 2] = v.z;
        }
        out.push_back(t);
    }
    return out;
}

void ExpectVertex(const Vertex& v, float x, float y, float z)
{
    EXPECT_FLOAT_EQ(v.x, x);
    EXPECT_FLOAT_EQ(v.y, y);
    EXPECT_FLOAT_EQ(v.z, z);
}

void CheckTheModel(const MeshData& m)
{
    // One subset per material: the torso's three in the file's order, then the hand's.
    ASSERT_EQ(m.subsets.size(), 4u);
    ASSERT_EQ(m.materials.size(), 4u);
    EXPECT_EQ(m.subsets[0].indexCount, 3u);  // Skin: the torso's second face
    EXPECT_EQ(m.subsets[1].indexCount, 3u);  // untextured: the first face
    EXPECT_EQ(m.subsets[2].indexCount, 0u);  // Spare: used by no face, kept all the same
    EXPECT_EQ(m.subsets[3].indexCount, 6u);  // the hand's quad as two triangles

    const Material& skin = m.materials[0].material;
    EXPECT_FLOAT_EQ(skin.diffuse.r, 1.0f);
    EXPECT_FLOAT_EQ(skin.diffuse.g, 0.5f);
    EXPECT_FLOAT_EQ(skin.diffuse.b, 0.25f);
    EXPECT_FLOAT_EQ(skin.diffuse.a, 0.5f);
    EXPECT_FLOAT_EQ(skin.power, 10.0f);
    EXPECT_FLOAT_EQ(skin.specular.b, 0.4f);
    EXPECT_FLOAT_EQ(skin.emissive.g, 0.06f);
    EXPECT_EQ(m.materials[0].textureFile, "Skin_01.png");
    EXPECT_EQ(m.materials[1].textureFile, "");
    EXPECT_FLOAT_EQ(m.materials[1].material.diffuse.g, 1.0f);
    EXPECT_EQ(m.materials[2].textureFile, "spare.bmp");
    EXPECT_EQ(m.materials[3].textureFile, "hand.jpg");

    // The torso's faces, corners in the file's order, moved by (10, 20, 30); normals and uv as written.
    auto corner = [&](uint32_t subset, uint32_t k) { return m.vertices.at(m.indices.at(m.subsets[subset].firstIndex + k)); };
    ExpectVertex(corner(1, 0), 10, 20, 30);  // face 0: 0, 2, 1
    ExpectVertex(corner(1, 1), 10, 21, 30);
    ExpectVertex(corner(1, 2), 11, 20, 30);
    EXPECT_FLOAT_EQ(corner(1, 0).nz, -1.0f);
    EXPECT_FLOAT_EQ(corner(1, 2).ny, 1.0f);  // the face's third corner takes normal 1
    ExpectVertex(corner(0, 2), 11, 21, 32.5f);  // face 1: 1, 2, 3
    EXPECT_FLOAT_EQ(corner(0, 2).u, 0.1f);
    EXPECT_FLOAT_EQ(corner(0, 2).v, 0.3f);  // no v flip
    EXPECT_FLOAT_EQ(corner(1, 1).v, 1.0f);

    // The hand: turned 90 degrees about z, moved by (1, 0, 0) within the body's frame; a fan from corner 0.
    ExpectVertex(corner(3, 0), 11, 20, 30);
    ExpectVertex(corner(3, 1), 11, 21, 30);  // (1, 0, 0) turned to (0, 1, 0)
    ExpectVertex(corner(3, 2), 10, 21, 30);  // (1, 1, 0) turned to (-1, 1, 0)
    ExpectVertex(corner(3, 5), 10, 20, 30);  // (0, 1, 0) turned to (-1, 0, 0)
    EXPECT_NEAR(corner(3, 0).nx, 0.0f, 1e-6);
    EXPECT_NEAR(corner(3, 0).ny, 1.0f, 1e-6);  // the normal turns with the frame
}

TEST(XFile, TextFile)
{
    MeshData m;
    std::string error;
    auto data = Bytes(kText);
    ASSERT_TRUE(DecodeXFile(data.data(), data.size(), m, error)) << error;
    CheckTheModel(m);
}

TEST(XFile, BinaryFileGivesTheSameMesh)
{
    MeshData text, binary;
    std::string error;
    auto t = Bytes(kText), b = ToBinary(kText);
    ASSERT_TRUE(DecodeXFile(t.data(), t.size(), text, error)) << error;
    ASSERT_TRUE(DecodeXFile(b.data(), b.size(), binary, error)) << error;
    CheckTheModel(binary);
    ASSERT_EQ(binary.vertices.size(), text.vertices.size());
    EXPECT_EQ(0, std::memcmp(binary.vertices.data(), text.vertices.data(), text.vertices.size() * sizeof(Vertex)));
    EXPECT_EQ(binary.indices, text.indices);
}

TEST(XFile, CompressedFilesGiveTheSameMesh)
{
    // Big enough for several blocks: a comment of 80 KB in front of the model.
    const std::string padded = std::string(kText).insert(17, "# " + std::string(80000, 'x') + "\n");
    for (const auto& plain : {Bytes(kText), ToBinary(kText), Bytes(padded)}) {
        const std::vector<uint8_t> packed = Compress(plain);
        MeshData a, b;
        std::string error;
        ASSERT_TRUE(DecodeXFile(plain.data(), plain.size(), a, error)) << error;
        ASSERT_TRUE(DecodeXFile(packed.data(), packed.size(), b, error)) << error;
        CheckTheModel(b);
        EXPECT_EQ(a.indices, b.indices);
        EXPECT_EQ(0, std::memcmp(a.vertices.data(), b.vertices.data(), a.vertices.size() * sizeof(Vertex)));
    }
}

// A text file writes a backslash in a string as two; the name read has one again. A lone backslash
// escapes nothing and stays.
TEST(XFile, TextStringsHaveTheirBackslashEscapesUndone)
{
    const std::string tri = "3; 0.0;0.0;0.0;, 1.0;0.0;0.0;, 0.0;1.0;0.0;; 1; 3;0,1,2;;";
    auto material = [](const char* name) {
        return std::string("Material { 1.0;1.0;1.0;1.0;; 1.0; 0.0;0.0;0.0;; 0.0;0.0;0.0;; TextureFilename { \"") + name +
               "\"; } }";
    };
    const std::string file = "xof 0303txt 0032\nMesh { " + tri + " MeshMaterialList { 3; 1; 0;; " +
                             material(R"(maps\\holz.bmp)") + material(R"(C:\\a\\\\b.png)") +
                             material(R"(einzeln\x.bmp)") + " } }\n";
    const MeshData m = Decoded(file);
    ASSERT_EQ(m.materials.size(), 3u);
    EXPECT_EQ(m.materials[0].textureFile, R"(maps\holz.bmp)");
    EXPECT_EQ(m.materials[1].textureFile, R"(C:\a\\b.png)");
    EXPECT_EQ(m.materials[2].textureFile, R"(einzeln\x.bmp)");
}

// Materials defined at the top of the file and named in each mesh's list: every mesh's list is appended
// to the table, and a face's material is its own mesh's.
TEST(XFile, EveryMeshKeepsItsOwnMaterials)
{
    const std::string materials = R"(xof 0303txt 0032
Material G1 { 1.0;0.0;0.0;1.0;; 1.0; 0.0;0.0;0.0;; 0.0;0.0;0.0;; TextureFilename { "g1.png"; } }
Material G2 { 0.0;1.0;0.0;1.0;; 1.0; 0.0;0.0;0.0;; 0.0;0.0;0.0;; TextureFilename { "g2.png"; } }
)";
    const std::string tri = "3; 0.0;0.0;0.0;, 1.0;0.0;0.0;, 0.0;1.0;0.0;; 2; 3;0,1,2;, 3;0,2,1;;";
    const std::string file = materials + "Frame A { Mesh { " + tri + " MeshMaterialList { 2; 2; 0, 1;; { G1 } { G2 } } } }\n" +
                             "Frame B { FrameTransformMatrix { 1.0,0.0,0.0,0.0, 0.0,1.0,0.0,0.0, 0.0,0.0,1.0,0.0, 5.0,0.0,0.0,1.0;; }\n" +
                             " Mesh { " + tri + " MeshMaterialList { 2; 2; 0, 1;; { G2 } { G1 } } } }\n";
    MeshData m = Decoded(file);
    ASSERT_EQ(m.materials.size(), 4u);
    const char* textures[] = {"g1.png", "g2.png", "g2.png", "g1.png"};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(m.materials[i].textureFile, textures[i]) << i;
        ASSERT_EQ(m.subsets[i].indexCount, 3u) << i;
    }
    EXPECT_FLOAT_EQ(m.materials[2].material.diffuse.g, 1.0f);  // B's first face: G2
    EXPECT_FLOAT_EQ(TrianglesOf(m, 2)[0][0], 5.0f);            // and it is B's face, moved by B's frame
    EXPECT_FLOAT_EQ(TrianglesOf(m, 0)[0][0], 0.0f);

    // Two meshes that use only { Shared }: two materials, subset 0 holds the first mesh's face only.
    const std::string shared = R"(xof 0303txt 0032
Material Shared { 1.0;1.0;1.0;1.0;; 1.0; 0.0;0.0;0.0;; 0.0;0.0;0.0;; }
Frame A { Mesh { 3; 0.0;0.0;0.0;, 1.0;0.0;0.0;, 0.0;1.0;0.0;; 1; 3;0,1,2;; MeshMaterialList { 1; 1; 0;; { Shared } } } }
Frame B { Mesh { 3; 0.0;0.0;9.0;, 1.0;0.0;9.0;, 0.0;1.0;9.0;; 1; 3;0,1,2;; MeshMaterialList { 1; 1; 0;; { Shared } } } }
)";
    m = Decoded(shared);
    ASSERT_EQ(m.materials.size(), 2u);
    ASSERT_EQ(TrianglesOf(m, 0).size(), 1u);
    EXPECT_FLOAT_EQ(TrianglesOf(m, 0)[0][2], 0.0f);
    ASSERT_EQ(TrianglesOf(m, 1).size(), 1u);
    EXPECT_FLOAT_EQ(TrianglesOf(m, 1)[0][2], 9.0f);
}

// Corners with the same position and normal share one vertex: a cube of 8 corners and 6 face normals
// has 24 vertices, not 36.
TEST(XFile, CornersShareTheirVertices)
{
    std::string cube = "xof 0303txt 0032\nMesh { 8;";
    for (int i = 0; i < 8; ++i) {
        cube += ' ';
        cube += std::to_string(i & 1) + ".0;" + std::to_string(i >> 1 & 1) + ".0;" + std::to_string(i >> 2) + ".0;" + (i < 7 ? "," : ";");
    }
    const int faces[6][4] = {{0, 2, 3, 1}, {4, 5, 7, 6}, {0, 1, 5, 4}, {2, 6, 7, 3}, {0, 4, 6, 2}, {1, 3, 7, 5}};
    std::string quads = " 6;", normalQuads = " 6;";
    for (int f = 0; f < 6; ++f) {
        quads += " 4;" + std::to_string(faces[f][0]) + "," + std::to_string(faces[f][1]) + "," + std::to_string(faces[f][2]) +
                 "," + std::to_string(faces[f][3]) + (f < 5 ? ";," : ";;");
        const std::string n(1, char('0' + f));
        normalQuads += " 4;" + n + "," + n + "," + n + "," + n + (f < 5 ? ";," : ";;");
    }
    cube += quads + " MeshNormals { 6; 0.0;0.0;-1.0;, 0.0;0.0;1.0;, 0.0;-1.0;0.0;, 0.0;1.0;0.0;, -1.0;0.0;0.0;, 1.0;0.0;0.0;;" +
            normalQuads + " } }\n";
    const MeshData m = Decoded(cube);
    EXPECT_EQ(m.vertices.size(), 24u);
    EXPECT_EQ(m.indices.size(), 36u);
    for (size_t t = 0; t < m.indices.size(); t += 3) {
        const Vertex& v = m.vertices[m.indices[t]];
        EXPECT_EQ(std::abs(v.nx) + std::abs(v.ny) + std::abs(v.nz), 1.0f);
        for (int k = 1; k < 3; ++k) {  // one face, one normal
            const Vertex& w = m.vertices[m.indices[t + size_t(k)]];
            EXPECT_EQ(std::tie(v.nx, v.ny, v.nz), std::tie(w.nx, w.ny, w.nz));
        }
    }
}

// Limits that keep a forged file from taking the machine: each an error, nothing allocated for it.
TEST(XFile, ForgedSizesAndDepthsAreRefused)
{
    std::string deep = "xof 0303txt 0032\n";
    for (int i = 0; i < 200; ++i) deep += "Frame {";
    std::vector<uint8_t> packedHuge = Compress(Bytes(kText));
    packedHuge[16] = packedHuge[17] = packedHuge[18] = 0xff;  // claims 16 MiB from one block
    const std::vector<std::pair<const char*, std::vector<uint8_t>>> cases = {
        {"frames nested 200 deep", Bytes(deep)},
        {"four billion vertices", Bytes("xof 0303txt 0032\nMesh { 4000000000; 0.0;0.0;0.0;; }")},
        {"a binary list longer than the file", [] {
             std::vector<uint8_t> b = ToBinary(kText);
             for (size_t i = 16; i + 6 < b.size(); ++i)
                 if (b[i] == 7 && b[i + 1] == 0) {
                     b[i + 2] = b[i + 3] = b[i + 4] = b[i + 5] = 0xff;
                     break;
                 }
             return b;
         }()},
        {"an unpacked size the blocks cannot hold", packedHuge},
        {"an unknown format", Bytes("xof 0303abc 0032\nMesh {}")},
        {"an unknown float size", Bytes("xof 0303txt 0016\nMesh {}")},
    };
    for (const auto& [what, file] : cases) {
        MeshData m;
        std::string error;
        EXPECT_FALSE(DecodeXFile(file.data(), file.size(), m, error)) << what;
        EXPECT_FALSE(error.empty()) << what;
    }
}

TEST(XFile, DamagedOrMissingFilesAreErrorsAndChangeNothing)
{
    const std::string text = kText;
    const std::vector<uint8_t> binary = ToBinary(kText);
    std::vector<std::vector<uint8_t>> bad = {
        {},
        Bytes("xof 0303txt 0032\n"),                       // no mesh at all
        Bytes("not an x file at all, but long enough"),
        Bytes(text.substr(0, text.find("2;\n    3;0,2,1"))),  // cut inside the mesh
        Bytes(text.substr(0, text.size() / 2)),
    };
    for (size_t cut : {binary.size() / 3, binary.size() / 2, binary.size() - 7})
        bad.emplace_back(binary.begin(), binary.begin() + long(cut));

    for (size_t i = 0; i < bad.size(); ++i) {
        MeshData m;
        m.indices = {7};
        std::string error;
        EXPECT_FALSE(DecodeXFile(bad[i].data(), bad[i].size(), m, error)) << "case " << i;
        EXPECT_FALSE(error.empty()) << "case " << i;
        EXPECT_EQ(m.indices, std::vector<uint32_t>{7}) << "case " << i;
    }
}

TEST(XFile, LoadsByPathWithoutRegardToCase)
{
    std::filesystem::path dir = std::filesystem::path(::testing::TempDir()) / "xfile_test_models";
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "Figur.X", std::ios::binary) << kText;
    MeshData m;
    std::string error;
    EXPECT_TRUE(LoadXFile((dir / "FIGUR.x").string(), m, error)) << error;
    EXPECT_EQ(m.subsets.size(), 4u);
    EXPECT_FALSE(LoadXFile((dir / "fehlt.x").string(), m, error));
    EXPECT_NE(error.find("fehlt.x"), std::string::npos);
    std::filesystem::remove_all(dir);
}

// A result is either an error that leaves the mesh as it was, or a mesh that holds together.
void ExpectSafe(const std::vector<uint8_t>& file, const std::string& what)
{
    MeshData m;
    m.indices = {7};
    std::string error;
    if (DecodeXFile(file.data(), file.size(), m, error)) {
        EXPECT_TRUE(ValidMeshData(m)) << what;
        EXPECT_EQ(m.subsets.size(), m.materials.size()) << what;
    } else {
        EXPECT_FALSE(error.empty()) << what;
        EXPECT_EQ(m.indices, std::vector<uint32_t>{7}) << what;
    }
}

void ExpectTheModelStillLoads()
{
    MeshData m;
    std::string error;
    auto data = Bytes(kText);
    ASSERT_TRUE(DecodeXFile(data.data(), data.size(), m, error)) << error;
    CheckTheModel(m);
}

TEST(XFile, FilesCutAnywhereNeverCrash)
{
    const std::string text = kText;
    for (const auto& good : {Bytes(text), ToBinary(kText)})
        for (size_t len = 0; len < good.size(); ++len)
            ExpectSafe(std::vector<uint8_t>(good.begin(), good.begin() + long(len)), "cut at " + std::to_string(len));
    ExpectTheModelStillLoads();
}

// Material lists that do not hold together: an error naming the file, and the game goes on.
TEST(XFile, BrokenMaterialListsAreErrors)
{
    const std::string text = kText;
    const std::string list = "MeshMaterialList {\n      3; 2; 1, 0;;";
    const size_t at = text.find(list);
    ASSERT_NE(at, std::string::npos);
    const std::string mesh = text.substr(at, text.find("\n    }\n", at) + 6 - at);  // the torso's whole list
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"a material list without materials", text.substr(0, at) + "MeshMaterialList { 0; 2; 0, 0;; }" +
                                                  text.substr(at + mesh.size())},
        {"an empty material list for faces", text.substr(0, at) + "MeshMaterialList { 0; 0;; }" +
                                                 text.substr(at + mesh.size())},
        {"two material lists in one mesh", text.substr(0, at) + mesh + "\n    " + text.substr(at)},
    };
    std::filesystem::path dir = std::filesystem::path(::testing::TempDir()) / "xfile_test_lists";
    std::filesystem::create_directories(dir);
    for (const auto& [what, file] : cases) {
        MeshData m;
        m.indices = {7};
        std::string error;
        std::ofstream(dir / "kaputt.x", std::ios::binary) << file;
        EXPECT_FALSE(LoadXFile((dir / "kaputt.x").string(), m, error)) << what;
        EXPECT_NE(error.find("kaputt.x"), std::string::npos) << what << ": " << error;
        EXPECT_EQ(m.indices, std::vector<uint32_t>{7}) << what;
        ExpectTheModelStillLoads();
    }
    std::filesystem::remove_all(dir);
}

// Bytes damaged at random (seeded): runs of bytes set at random, and counts made huge.
TEST(XFile, DamagedFilesNeverCrash)
{
    std::mt19937 random(20261210);
    for (const auto& [good, count] : {std::pair{ToBinary(kText), 200}, std::pair{Bytes(kText), 100},
                                      std::pair{Compress(ToBinary(kText)), 100}}) {
        for (int n = 0; n < count; ++n) {
            std::vector<uint8_t> file = good;
            const int hits = 1 + int(random() % 4);
            for (int h = 0; h < hits; ++h) {
                const size_t at = 16 + random() % (file.size() - 16);  // past the header, which is checked first
                if (random() % 2) file[at] = uint8_t(random());
                else for (size_t k = at; k < std::min(file.size(), at + 4); ++k) file[k] = 0xff;
            }
            ExpectSafe(file, "damaged file " + std::to_string(n));
        }
    }
    ExpectTheModelStillLoads();
}

}  // namespace
