#include "platform/xfile.h"

#include <zlib.h>

#include <strings.h>

#include <array>
#include <charconv>
#include <cstring>
#include <string_view>
#include <unordered_map>

#include "platform/bytes.h"
#include "platform/gfx_state.h"
#include "platform/math3d.h"
#include "platform/os.h"

namespace gfx {
namespace {

using bytes::Le16;
using bytes::Le32;

constexpr int kMaxDepth = 64;                       // frames and objects nested deeper are refused
constexpr size_t kMaxUnpacked = size_t(256) << 20;  // a compressed file may unpack to no more than this
constexpr size_t kBlock = 32768;                    // a compressed block unpacks to at most this

struct Failure {
    std::string what;
};

[[noreturn]] void Fail(const std::string& what) { throw Failure{what}; }

bool SameName(const std::string& a, const char* b)
{
    return strcasecmp(a.c_str(), b) == 0;
}

// The compressed variants: the bytes after the header hold the unpacked size and then blocks, each
// its unpacked size, its packed size, "CK" and raw deflate data whose window is the block before.
std::vector<uint8_t> Unpack(const uint8_t* data, size_t size)
{
    if (size < 22) Fail("compressed file cut short");
    const size_t total = Le32(data + 16);
    if (total < 16) Fail("compressed file of a wrong size");
    // Count the blocks first: the space to unpack into is checked against what they can hold.
    size_t blocks = 0;
    for (size_t at = 20; at < size; ++blocks) {
        if (size - at < 4) Fail("compressed block cut short");
        const size_t packed = Le16(data + at + 2);
        if (packed < 2 || packed > size - at - 4) Fail("compressed block cut short");
        at += 4 + packed;
    }
    if (total - 16 > blocks * kBlock || total - 16 > kMaxUnpacked) Fail("compressed file of a wrong size");

    std::vector<uint8_t> out(total);
    std::memcpy(out.data(), data, 16);
    z_stream z{};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK) Fail("cannot unpack");
    size_t done = 16;
    bool ok = true;
    for (size_t at = 20; at < size && ok;) {
        const size_t expect = Le16(data + at), packed = Le16(data + at + 2);
        const uint8_t* block = data + at + 4;
        at += 4 + packed;
        if (block[0] != 'C' || block[1] != 'K' || expect > total - done) {
            ok = false;
            break;
        }
        if (done > 16) {
            const size_t window = std::min(done - 16, kBlock);
            ok = inflateReset(&z) == Z_OK &&
                 inflateSetDictionary(&z, out.data() + done - window, uInt(window)) == Z_OK;
        }
        z.next_in = const_cast<uint8_t*>(block + 2);
        z.avail_in = uInt(packed - 2);
        z.next_out = out.data() + done;
        z.avail_out = uInt(expect);
        const int r = ok ? inflate(&z, Z_FINISH) : Z_DATA_ERROR;
        ok = ok && (r == Z_STREAM_END || (r == Z_BUF_ERROR && z.avail_out == 0)) && z.avail_out == 0;
        done += expect;
    }
    inflateEnd(&z);
    if (!ok || done != total) Fail("damaged compressed data");
    return out;
}

// One token of either form of the file. Binary lists of numbers come out one number at a time.
enum class Kind { End, Name, String, Number, Guid, Open, Close, Other };

struct Token {
    Kind kind = Kind::End;
    std::string_view text;  // a name, a string, or a number's word in a text file
    double number = 0;      // a number of a binary file
    bool integer = false;   // that number came from an integer list
    int code = 0;           // the binary token code of Other
};

class Lexer {
public:
    Lexer(const uint8_t* data, size_t size, bool binary, bool doubles)
        : at_(data), end_(data + size), binary_(binary), doubles_(doubles) {}

    Token Next()
    {
        if (peeked_) {
            peeked_ = false;
            return peek_;
        }
        return binary_ ? NextBinary() : NextText();
    }
    const Token& Peek()
    {
        if (!peeked_) {
            peek_ = Next();
            peeked_ = true;
        }
        return peek_;
    }

    // A count of items of so many numbers each: more than the rest of the file can hold is refused before
    // anything is allocated for them. A number takes four bytes in a binary file and, with its separator,
    // at least two in a text file.
    uint32_t Count(size_t numbersEach)
    {
        const uint32_t n = Uint();
        const uint64_t least = uint64_t(n) * numbersEach * (binary_ ? 4 : 2);
        if (least > uint64_t(end_ - at_) + 2) Fail("a count larger than the file");
        return n;
    }
    uint32_t Uint()
    {
        const Token t = Next();
        if (t.kind != Kind::Number) Fail("number expected");
        if (binary_) {
            if (t.number < 0 || t.number > 4294967295.0 || t.number != double(uint32_t(t.number))) Fail("bad count");
            return uint32_t(t.number);
        }
        uint32_t v = 0;
        const auto r = std::from_chars(t.text.data(), t.text.data() + t.text.size(), v);
        if (r.ec != std::errc() || r.ptr != t.text.data() + t.text.size()) Fail("bad whole number");
        return v;
    }
    float Float()
    {
        const Token t = Next();
        if (t.kind != Kind::Number) Fail("number expected");
        if (binary_) return float(t.number);
        const char* first = t.text.data();
        const char* last = first + t.text.size();
        if (first != last && *first == '+') ++first;
        float v = 0;
        const auto r = std::from_chars(first, last, v, std::chars_format::general);
        if (r.ec != std::errc() || r.ptr != last) Fail("bad number");
        return v;
    }

    // A string token's characters: a text file writes each backslash as two, a binary file as it is.
    std::string Characters(const Token& t) const
    {
        std::string s(t.text);
        if (binary_) return s;
        size_t out = 0;
        for (size_t i = 0; i < s.size(); ++i, ++out) {
            s[out] = s[i];
            if (s[i] == '\\' && i + 1 < s.size() && s[i + 1] == '\\') ++i;
        }
        s.resize(out);
        return s;
    }

private:
    size_t NumberBytes() const { return listInts_ || !doubles_ ? 4 : 8; }

    static bool Blank(uint8_t c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == ',' || c == ';'; }

    Token NextText()
    {
        for (;;) {
            while (at_ < end_ && Blank(*at_)) ++at_;
            if (at_ == end_) return {};
            if (*at_ == '#' || (*at_ == '/' && end_ - at_ > 1 && at_[1] == '/')) {
                while (at_ < end_ && *at_ != '\n') ++at_;
                continue;
            }
            break;
        }
        Token t;
        const uint8_t c = *at_;
        if (c == '{' || c == '}') {
            ++at_;
            t.kind = c == '{' ? Kind::Open : Kind::Close;
            return t;
        }
        if (c == '"' || c == '<') {
            const uint8_t close = c == '"' ? '"' : '>';
            const uint8_t* stop = static_cast<const uint8_t*>(std::memchr(at_ + 1, close, size_t(end_ - at_ - 1)));
            if (!stop) Fail(c == '"' ? "unterminated string" : "unterminated GUID");
            t.kind = c == '"' ? Kind::String : Kind::Guid;
            t.text = std::string_view(reinterpret_cast<const char*>(at_ + 1), size_t(stop - at_ - 1));
            at_ = stop + 1;
            return t;
        }
        const uint8_t* start = at_;
        while (at_ < end_ && !Blank(*at_) && *at_ != '{' && *at_ != '}' && *at_ != '"' && *at_ != '<') ++at_;
        t.text = std::string_view(reinterpret_cast<const char*>(start), size_t(at_ - start));
        t.kind = (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.' ? Kind::Number : Kind::Name;
        return t;
    }

    uint32_t Dword()
    {
        if (end_ - at_ < 4) Fail("cut short");
        const uint32_t v = Le32(at_);
        at_ += 4;
        return v;
    }

    std::string_view Chars(size_t n)
    {
        if (size_t(end_ - at_) < n) Fail("cut short");
        std::string_view s(reinterpret_cast<const char*>(at_), n);
        at_ += n;
        return s;
    }

    Token NextBinary()
    {
        Token t;
        for (;;) {
            if (listLeft_ > 0) {
                --listLeft_;
                t.kind = Kind::Number;
                t.integer = listInts_;
                if (listInts_) {
                    t.number = Le32(at_);
                } else if (doubles_) {
                    double d;
                    std::memcpy(&d, at_, 8);
                    t.number = d;
                } else {
                    float f;
                    std::memcpy(&f, at_, 4);
                    t.number = f;
                }
                at_ += NumberBytes();
                return t;
            }
            if (at_ == end_) return t;
            if (end_ - at_ < 2) Fail("cut short");
            const int code = Le16(at_);
            at_ += 2;
            switch (code) {
            case 1:
            case 2: {
                t.kind = code == 1 ? Kind::Name : Kind::String;
                t.text = Chars(Dword());
                if (code == 2) Chars(2);  // the string's separator
                return t;
            }
            case 3:
                t.kind = Kind::Number;
                t.integer = true;
                t.number = Dword();
                return t;
            case 5:
                t.kind = Kind::Guid;
                Chars(16);
                return t;
            case 6:
            case 7:
                listInts_ = code == 6;
                listLeft_ = Dword();
                if (listLeft_ > size_t(end_ - at_) / NumberBytes()) Fail("a list longer than the file");
                continue;
            case 10: t.kind = Kind::Open; return t;
            case 11: t.kind = Kind::Close; return t;
            case 19:
            case 20: continue;  // separators
            default:
                if ((code >= 12 && code <= 18) || code == 31 || (code >= 40 && code <= 53)) {
                    t.kind = Kind::Other;
                    t.code = code;
                    return t;
                }
                Fail("unknown binary token " + std::to_string(code));
            }
        }
    }

    const uint8_t* at_;
    const uint8_t* end_;
    bool binary_, doubles_;
    size_t listLeft_ = 0;
    bool listInts_ = false;
    Token peek_;
    bool peeked_ = false;
};

// One mesh as the file writes it; joined with the others once the whole file is read.
struct FileMesh {
    int frame = -1;  // -1: not inside a frame
    std::vector<math3d::Vec3> positions;
    std::vector<uint32_t> faceSizes, corners;  // the corners of all faces one after another
    std::vector<math3d::Vec3> normals;
    std::vector<uint32_t> normalCorners;       // empty, or one normal per corner
    std::vector<std::array<float, 2>> uvs;     // empty, or one per position
    std::vector<uint32_t> faceMaterials;
    std::vector<MeshMaterial> materials;
    bool hasMaterialList = false;
};

struct Frame {
    int parent;
    math3d::Matrix local;
};

class Reader {
public:
    Reader(const uint8_t* data, size_t size, bool binary, bool doubles) : lex_(data, size, binary, doubles) {}

    void ReadFile()
    {
        for (;;) {
            const Token t = lex_.Next();
            if (t.kind == Kind::End) return;
            if (t.kind == Kind::Close) Fail("a closing brace too many");
            if ((t.kind == Kind::Name && t.text == "template") || (t.kind == Kind::Other && t.code == 31)) {
                SkipTemplate();
            } else if (t.kind == Kind::Name) {
                Object(t.text, -1, 1);
            } else if (t.kind == Kind::Open) {
                SkipBody(1);
            }
        }
    }

    std::vector<FileMesh> meshes;
    std::vector<Frame> frames;

private:
    // The part of an object before its body: an optional name and an optional GUID.
    std::string OpenObject()
    {
        std::string name;
        Token t = lex_.Next();
        if (t.kind == Kind::Name) {
            name = t.text;
            t = lex_.Next();
        }
        if (t.kind == Kind::Guid) t = lex_.Next();
        if (t.kind != Kind::Open) Fail("'{' expected");
        return name;
    }

    // Everything up to the brace that closes the body the reader is in.
    void SkipBody(int depth)
    {
        for (int open = 1; open > 0;) {
            const Token t = lex_.Next();
            if (t.kind == Kind::End) Fail("cut short");
            if (t.kind == Kind::Open && ++open + depth > kMaxDepth) Fail("nested too deep");
            if (t.kind == Kind::Close) --open;
        }
    }

    void SkipTemplate()
    {
        lex_.Next();  // its name
        if (lex_.Next().kind != Kind::Open) Fail("'{' expected");
        SkipBody(1);
    }

    // A data object whose type name has been read; meshes and frames keep what they hold.
    void Object(std::string_view type, int frame, int depth)
    {
        if (depth > kMaxDepth) Fail("nested too deep");
        if (type == "Frame") return ReadFrame(frame, depth);
        if (type == "Mesh") return ReadMesh(frame, depth);
        if (type == "Material") {
            MeshMaterial m;
            ReadMaterial(m, depth);
            return;
        }
        OpenObject();
        SkipBody(depth);
    }

    // The rest of a body: child objects, references and stray data.
    template <class OnChild>
    void Children(int depth, OnChild onChild)
    {
        for (;;) {
            const Token t = lex_.Next();
            if (t.kind == Kind::End) Fail("cut short");
            if (t.kind == Kind::Close) return;
            if (t.kind == Kind::Open) {
                SkipBody(depth + 1);
            } else if (t.kind == Kind::Name) {
                if (depth + 1 > kMaxDepth) Fail("nested too deep");
                const std::string type(t.text);
                if (!onChild(type)) {
                    OpenObject();
                    SkipBody(depth + 1);
                }
            }
        }
    }

    void ReadFrame(int parent, int depth)
    {
        OpenObject();
        const int self = int(frames.size());
        frames.push_back({parent, math3d::Identity()});
        Children(depth, [&](const std::string& type) {
            if (type == "FrameTransformMatrix") {
                OpenObject();
                math3d::Matrix& m = frames[size_t(self)].local;
                for (auto& row : m.m)
                    for (float& v : row) v = lex_.Float();
                SkipBody(depth + 1);
                return true;
            }
            if (type == "Frame" || type == "Mesh" || type == "Material") {
                Object(type, self, depth + 1);
                return true;
            }
            return false;
        });
    }

    void ReadMesh(int frame, int depth)
    {
        OpenObject();
        FileMesh m;
        m.frame = frame;
        m.positions.resize(lex_.Count(3));
        for (auto& p : m.positions) p = {lex_.Float(), lex_.Float(), lex_.Float()};
        m.faceSizes.resize(lex_.Count(1));
        for (uint32_t& n : m.faceSizes) {
            n = lex_.Count(1);
            for (uint32_t k = 0; k < n; ++k) m.corners.push_back(lex_.Uint());
        }
        for (uint32_t c : m.corners)
            if (c >= m.positions.size()) Fail("a face names a vertex that does not exist");

        Children(depth, [&](const std::string& type) {
            if (type == "MeshNormals") {
                ReadNormals(m, depth + 1);
            } else if (type == "MeshTextureCoords") {
                OpenObject();
                if (lex_.Count(2) != m.positions.size()) Fail("texture coordinates not one per vertex");
                m.uvs.resize(m.positions.size());
                for (auto& uv : m.uvs) uv = {lex_.Float(), lex_.Float()};
                SkipBody(depth + 1);
            } else if (type == "MeshMaterialList") {
                ReadMaterialList(m, depth + 1);
            } else {
                return false;
            }
            return true;
        });
        meshes.push_back(std::move(m));
    }

    void ReadNormals(FileMesh& m, int depth)
    {
        OpenObject();
        if (!m.normals.empty() || !m.normalCorners.empty()) Fail("two normal lists in one mesh");
        m.normals.resize(lex_.Count(3));
        for (auto& n : m.normals) n = {lex_.Float(), lex_.Float(), lex_.Float()};
        if (lex_.Count(1) != m.faceSizes.size()) Fail("normals not for every face");
        m.normalCorners.reserve(m.corners.size());
        for (uint32_t n : m.faceSizes) {
            if (lex_.Uint() != n) Fail("a face's normals do not match its corners");
            for (uint32_t k = 0; k < n; ++k) {
                const uint32_t i = lex_.Uint();
                if (i >= m.normals.size()) Fail("a face names a normal that does not exist");
                m.normalCorners.push_back(i);
            }
        }
        SkipBody(depth);
    }

    void ReadMaterialList(FileMesh& m, int depth)
    {
        OpenObject();
        if (m.hasMaterialList) Fail("two material lists in one mesh");
        m.hasMaterialList = true;
        const uint32_t count = lex_.Uint();
        const uint32_t given = lex_.Count(1);
        m.faceMaterials.reserve(m.faceSizes.size());
        for (uint32_t i = 0; i < given; ++i) {
            const uint32_t a = lex_.Uint();
            if (a >= count) Fail("a face names a material that does not exist");
            if (i < m.faceSizes.size()) m.faceMaterials.push_back(a);
        }
        // A shorter list means the last material holds for the faces after it; with no material at all
        // there is none to hold.
        if (count == 0 && !m.faceSizes.empty()) Fail("a material list without materials");
        m.faceMaterials.resize(m.faceSizes.size(), m.faceMaterials.empty() ? 0 : m.faceMaterials.back());
        for (;;) {
            const Token t = lex_.Next();
            if (t.kind == Kind::End) Fail("cut short");
            if (t.kind == Kind::Close) break;
            if (t.kind == Kind::Open) {  // a reference to a named material
                Token name = lex_.Next();
                if (name.kind != Kind::Name) Fail("a material reference without a name");
                auto it = named_.find(std::string(name.text));
                if (it == named_.end()) Fail("unknown material " + std::string(name.text));
                if (lex_.Peek().kind == Kind::Guid) lex_.Next();
                if (lex_.Next().kind != Kind::Close) Fail("'}' expected");
                m.materials.push_back(it->second);
            } else if (t.kind == Kind::Name && t.text == "Material") {
                if (depth + 1 > kMaxDepth) Fail("nested too deep");
                m.materials.emplace_back();
                ReadMaterial(m.materials.back(), depth + 1);
            } else if (t.kind == Kind::Name) {
                OpenObject();
                SkipBody(depth + 1);
            }
        }
        if (m.materials.size() != count)
            Fail("a material list of " + std::to_string(count) + " materials holds " + std::to_string(m.materials.size()));
    }

    void ReadMaterial(MeshMaterial& out, int depth)
    {
        const std::string name = OpenObject();
        Material& mat = out.material;
        mat = {};
        mat.diffuse = {lex_.Float(), lex_.Float(), lex_.Float(), lex_.Float()};
        mat.power = lex_.Float();
        mat.specular = {lex_.Float(), lex_.Float(), lex_.Float(), 1};
        mat.emissive = {lex_.Float(), lex_.Float(), lex_.Float(), 1};
        Children(depth, [&](const std::string& type) {
            if (!SameName(type, "TextureFilename")) return false;
            OpenObject();
            const Token t = lex_.Next();
            if (t.kind != Kind::String) Fail("texture file name expected");
            out.textureFile = lex_.Characters(t);
            SkipBody(depth + 1);
            return true;
        });
        if (!name.empty()) named_[name] = out;
    }

    Lexer lex_;
    std::unordered_map<std::string, MeshMaterial> named_;
};

math3d::Matrix GlobalOf(const std::vector<Frame>& frames, int frame)
{
    math3d::Matrix m = math3d::Identity();
    for (int f = frame; f >= 0; f = frames[size_t(f)].parent) m = math3d::Multiply(m, frames[size_t(f)].local);
    return m;
}

bool IsIdentity(const math3d::Matrix& m)
{
    const math3d::Matrix one = math3d::Identity();
    return std::memcmp(&m, &one, sizeof m) == 0;
}

// Joins the meshes: each one's materials appended to the table, its faces' materials offset by the
// materials before it. A vertex is shared by the corners that give it the same normal.
MeshData Join(const std::vector<FileMesh>& meshes, const std::vector<Frame>& frames)
{
    MeshData out;
    std::vector<std::vector<uint32_t>> triangles;
    for (const FileMesh& fm : meshes) {
        const uint32_t firstMaterial = uint32_t(out.materials.size());
        if (fm.hasMaterialList) {
            out.materials.insert(out.materials.end(), fm.materials.begin(), fm.materials.end());
        } else {
            MeshMaterial plain;
            plain.material.diffuse = {1, 1, 1, 1};
            out.materials.push_back(plain);
        }
        triangles.resize(out.materials.size());

        const math3d::Matrix global = GlobalOf(frames, fm.frame);
        const bool moved = !IsIdentity(global);
        math3d::Matrix normalMatrix = global, inverse;
        if (moved && math3d::Inverse(global, inverse)) {
            for (int r = 0; r < 3; ++r)
                for (int c = 0; c < 3; ++c) normalMatrix.m[r][c] = inverse.m[c][r];
        }
        std::vector<math3d::Vec3> normals = fm.normals;
        if (moved) {
            for (math3d::Vec3& n : normals) {
                // The direction turns with the frame; the length stays as written.
                const math3d::Vec3 t = math3d::TransformNormal(n, normalMatrix);
                const float before = math3d::Length(n), after = math3d::Length(t);
                n = after > 0 ? math3d::Scale(t, before / after) : t;
            }
        }

        const uint32_t base = uint32_t(out.vertices.size());
        for (size_t i = 0; i < fm.positions.size(); ++i) {
            const math3d::Vec3 p = moved ? math3d::TransformCoord(fm.positions[i], global) : fm.positions[i];
            const auto uv = fm.uvs.empty() ? std::array<float, 2>{0, 0} : fm.uvs[i];
            out.vertices.push_back({p.x, p.y, p.z, 0, 0, 0, uv[0], uv[1]});
        }
        // Each position's vertex takes the normal of its first corner; another normal makes a copy.
        std::vector<uint8_t> taken(fm.positions.size(), 0);
        std::vector<uint32_t> nextCopy(fm.positions.size(), UINT32_MAX);
        auto vertexOf = [&](uint32_t position, size_t corner) {
            if (fm.normalCorners.empty()) return base + position;
            const math3d::Vec3& n = normals[fm.normalCorners[corner]];
            if (!taken[position]) {
                taken[position] = 1;
                Vertex& v = out.vertices[base + position];
                v.nx = n.x, v.ny = n.y, v.nz = n.z;
                return base + position;
            }
            uint32_t at = base + position;
            for (;;) {
                const Vertex& v = out.vertices[at];
                if (v.nx == n.x && v.ny == n.y && v.nz == n.z) return at;
                const uint32_t next = nextCopy[at - base];
                if (next == UINT32_MAX) break;
                at = next;
            }
            Vertex copy = out.vertices[base + position];
            copy.nx = n.x, copy.ny = n.y, copy.nz = n.z;
            const uint32_t added = uint32_t(out.vertices.size());
            out.vertices.push_back(copy);
            nextCopy.push_back(UINT32_MAX);
            nextCopy[at - base] = added;
            return added;
        };

        size_t corner = 0;
        for (size_t f = 0; f < fm.faceSizes.size(); ++f) {
            const uint32_t n = fm.faceSizes[f];
            auto& list = triangles[firstMaterial + (fm.hasMaterialList ? fm.faceMaterials[f] : 0)];
            if (n >= 3) {
                // A polygon becomes a fan from its first corner.
                const uint32_t first = vertexOf(fm.corners[corner], corner);
                uint32_t previous = vertexOf(fm.corners[corner + 1], corner + 1);
                for (uint32_t k = 2; k < n; ++k) {
                    const uint32_t next = vertexOf(fm.corners[corner + k], corner + k);
                    list.insert(list.end(), {first, previous, next});
                    previous = next;
                }
            }
            corner += n;
        }
    }
    for (const auto& list : triangles) {
        out.subsets.push_back({uint32_t(out.indices.size()), uint32_t(list.size())});
        out.indices.insert(out.indices.end(), list.begin(), list.end());
    }
    return out;
}

}  // namespace

bool DecodeXFile(const uint8_t* data, size_t size, MeshData& out, std::string& error)
{
    if (size < 16 || std::memcmp(data, "xof ", 4) != 0) {
        error = "not an X file";
        return false;
    }
    const std::string format(reinterpret_cast<const char*>(data) + 8, 4);
    const std::string floats(reinterpret_cast<const char*>(data) + 12, 4);
    const bool compressed = format == "tzip" || format == "bzip";
    const bool binary = format == "bin " || format == "bzip";
    if ((!binary && !compressed && format != "txt ") || (floats != "0032" && floats != "0064")) {
        error = "unsupported X file format '" + format + floats + "'";
        return false;
    }
    try {
        std::vector<uint8_t> unpacked;
        if (compressed) {
            unpacked = Unpack(data, size);
            data = unpacked.data();
            size = unpacked.size();
        }
        Reader reader(data + 16, size - 16, binary, floats == "0064");
        reader.ReadFile();
        MeshData mesh = Join(reader.meshes, reader.frames);
        if (mesh.indices.empty()) Fail("no triangles");
        if (mesh.vertices.size() > UINT32_MAX || !ValidMeshData(mesh)) Fail("too large");
        out = std::move(mesh);
        return true;
    } catch (const Failure& f) {
        error = "damaged X file: " + f.what;
    } catch (const std::bad_alloc&) {
        error = "damaged X file: too large";
    }
    return false;
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
