#include "platform/xfile.h"

#include <assimp/Importer.hpp>
#include <assimp/material.h>
#include <assimp/scene.h>

#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <type_traits>

#include "platform/gfx_state.h"
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

// Assimp's importer itself: only ever run in the importer process.
bool ImportWithAssimp(const uint8_t* data, size_t size, MeshData& out, std::string& error)
{
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

// Assimp's X importer crashes, or loops for a long time, on some damaged files. So it runs in a process
// of its own, forked on first use: a damaged model costs that process, which is started again for the
// next file, never the game.

using Clock = std::chrono::steady_clock;

constexpr auto kAnswerTime = std::chrono::seconds(5);  // far beyond what any good model takes
constexpr uint64_t kMaxReply = uint64_t(1) << 30;
constexpr unsigned long kMemoryBudget = 1ul << 30;     // what the importer may allocate beyond what it inherits

// Both ends are the same program, so these plain structs travel as their bytes.
static_assert(std::is_trivially_copyable_v<Vertex> && std::is_trivially_copyable_v<MeshSubset> &&
              std::is_trivially_copyable_v<Material>);

void Put(std::vector<uint8_t>& b, const void* p, size_t n)
{
    const auto* c = static_cast<const uint8_t*>(p);
    b.insert(b.end(), c, c + n);
}

template <class T>
void PutArray(std::vector<uint8_t>& b, const T* items, size_t count)
{
    const uint32_t n = uint32_t(count);
    Put(b, &n, sizeof n);
    Put(b, items, count * sizeof(T));
}

std::vector<uint8_t> EncodeReply(bool ok, const MeshData& m, const std::string& error)
{
    std::vector<uint8_t> b(1, uint8_t(ok));
    if (!ok) {
        PutArray(b, error.data(), error.size());
        return b;
    }
    PutArray(b, m.vertices.data(), m.vertices.size());
    PutArray(b, m.indices.data(), m.indices.size());
    PutArray(b, m.subsets.data(), m.subsets.size());
    const uint32_t n = uint32_t(m.materials.size());
    Put(b, &n, sizeof n);
    for (const MeshMaterial& mm : m.materials) {
        Put(b, &mm.material, sizeof mm.material);
        PutArray(b, mm.textureFile.data(), mm.textureFile.size());
    }
    return b;
}

// Reads what EncodeReply wrote; every count is checked against the bytes that are left.
struct ReplyReader {
    const uint8_t* at;
    size_t left;

    bool Take(void* to, size_t n)
    {
        if (n > left) return false;
        if (n > 0) std::memcpy(to, at, n);
        at += n;
        left -= n;
        return true;
    }
    template <class Container>
    bool Array(Container& c)
    {
        using T = typename Container::value_type;
        uint32_t n = 0;
        if (!Take(&n, sizeof n) || n > left / sizeof(T)) return false;
        c.resize(n);
        return Take(c.data(), n * sizeof(T));
    }
};

// False when the reply does not hold together; otherwise ok tells whether the file gave a mesh.
bool ReadReply(const std::vector<uint8_t>& reply, bool& ok, MeshData& mesh, std::string& error)
{
    ReplyReader r{reply.data(), reply.size()};
    uint8_t flag = 0;
    if (!r.Take(&flag, 1) || flag > 1) return false;
    ok = flag == 1;
    if (!ok) return r.Array(error) && r.left == 0;
    uint32_t materials = 0;
    if (!r.Array(mesh.vertices) || !r.Array(mesh.indices) || !r.Array(mesh.subsets) ||
        !r.Take(&materials, sizeof materials) || materials != mesh.subsets.size())
        return false;
    mesh.materials.resize(materials);
    for (MeshMaterial& mm : mesh.materials)
        if (!r.Take(&mm.material, sizeof mm.material) || !r.Array(mm.textureFile)) return false;
    return r.left == 0 && ValidMeshData(mesh);
}

// Waits until the socket is ready; false when the deadline passes first. Without a deadline (the
// importer waiting for its next file) it waits as long as the game runs.
bool WaitFor(int fd, short events, const Clock::time_point* deadline)
{
    for (;;) {
        int wait = -1;
        if (deadline) {
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(*deadline - Clock::now()).count();
            if (left <= 0) return false;
            wait = int(left);
        }
        pollfd p{fd, events, 0};
        const int ready = poll(&p, 1, wait);
        if (ready > 0) return true;
        if (ready == 0 || errno != EINTR) return false;
    }
}

bool SendAll(int fd, const void* data, size_t n, const Clock::time_point* deadline)
{
    const auto* p = static_cast<const uint8_t*>(data);
    while (n > 0) {
        // A reader that is gone is an error here, not SIGPIPE.
        const ssize_t done = send(fd, p, n, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (done > 0) {
            p += done;
            n -= size_t(done);
        } else if (done < 0 && errno == EAGAIN) {
            if (!WaitFor(fd, POLLOUT, deadline)) return false;
        } else if (done == 0 || errno != EINTR) {
            return false;
        }
    }
    return true;
}

// Asks again for a moment before sleeping: the other side usually answers within a fraction of a
// millisecond, and a wake-up across cores costs about as much as importing a small model.
bool ReceiveAll(int fd, void* data, size_t n, const Clock::time_point* deadline)
{
    auto* p = static_cast<uint8_t*>(data);
    const Clock::time_point spinUntil = Clock::now() + std::chrono::milliseconds(1);
    while (n > 0) {
        const ssize_t done = recv(fd, p, n, MSG_DONTWAIT);
        if (done > 0) {
            p += done;
            n -= size_t(done);
        } else if (done < 0 && errno == EAGAIN) {
            if (Clock::now() >= spinUntil && !WaitFor(fd, POLLIN, deadline)) return false;
        } else if (done == 0 || errno != EINTR) {
            return false;
        }
    }
    return true;
}

// A message on the socket: its length, then its bytes, sent in one piece.
std::vector<uint8_t> Message(const void* data, size_t size)
{
    std::vector<uint8_t> m;
    m.reserve(sizeof(uint64_t) + size);
    const uint64_t length = size;
    Put(m, &length, sizeof length);
    Put(m, data, size);
    return m;
}

// The importer process: one request after another (the file's size and bytes; the reply's size and
// bytes) until the game closes its end. It never returns, so none of the game's exit handlers or
// destructors run here, and it touches nothing of the game but Assimp and the code above.
[[noreturn]] void RunImporter(int fd)
{
    // Only the socket and standard input, output and error stay open: the game's lock and files must
    // not live on in here.
    if (fd > 3) close_range(3, unsigned(fd) - 1, 0);
    close_range(unsigned(fd) + 1, ~0u, 0);
    // A crash is how a damaged file ends here: at once and quietly, without the game's or a
    // sanitiser's handlers and without a core file.
    struct sigaction standard = {};
    standard.sa_handler = SIG_DFL;
    for (int s : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, SIGINT, SIGTERM, SIGPIPE}) sigaction(s, &standard, nullptr);
    const rlimit noCore = {0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    // A count damaged into billions makes Assimp allocate without end: past the budget that fails.
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        unsigned long pages = 0;
        if (std::fscanf(f, "%*u %*u %*u %*u %*u %lu", &pages) == 1) {
            const rlim_t limit = pages * unsigned(sysconf(_SC_PAGESIZE)) + kMemoryBudget;
            const rlimit data = {limit, limit};
            setrlimit(RLIMIT_DATA, &data);
        }
        std::fclose(f);
    }
    try {
        for (;;) {
            uint64_t size = 0;
            if (!ReceiveAll(fd, &size, sizeof size, nullptr)) break;
            std::vector<uint8_t> data(size);
            if (!ReceiveAll(fd, data.data(), data.size(), nullptr)) break;
            MeshData mesh;
            std::string error;
            const bool ok = ImportWithAssimp(data.data(), data.size(), mesh, error);
            const std::vector<uint8_t> reply = EncodeReply(ok, mesh, error);
            const std::vector<uint8_t> message = Message(reply.data(), reply.size());
            if (!SendAll(fd, message.data(), message.size(), nullptr)) break;
        }
    } catch (...) {
        // out of memory: the game sees a stopped importer
    }
    _exit(0);
}

class Importer {
public:
    bool Decode(const uint8_t* data, size_t size, MeshData& out, std::string& error)
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (pid_ > 0 && waitpid(pid_, nullptr, WNOHANG) != 0) {  // it ended since the last file
            pid_ = -1;
            Stop();
        }
        if (fd_ < 0 && !Start(error)) return false;

        const Clock::time_point deadline = Clock::now() + kAnswerTime;
        const std::vector<uint8_t> request = Message(data, size);
        uint64_t replyLength = 0;
        if (SendAll(fd_, request.data(), request.size(), &deadline) &&
            ReceiveAll(fd_, &replyLength, sizeof replyLength, &deadline) && replyLength <= kMaxReply) {
            std::vector<uint8_t> reply(replyLength);
            MeshData mesh;
            bool ok = false;
            if (ReceiveAll(fd_, reply.data(), reply.size(), &deadline) && ReadReply(reply, ok, mesh, error)) {
                if (ok) out = std::move(mesh);
                return ok;
            }
        }
        error = Clock::now() >= deadline
                    ? "damaged X file: the importer gave no answer within " + std::to_string(kAnswerTime.count()) + " s"
                    : "damaged X file: the importer stopped on it";
        Stop();
        return false;
    }

private:
    bool Start(std::string& error)
    {
        int ends[2];
        if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) {
            error = std::string("cannot start the X importer: ") + std::strerror(errno);
            return false;
        }
        const pid_t game = getpid();
        const pid_t pid = fork();
        if (pid == 0) {
            prctl(PR_SET_PDEATHSIG, SIGKILL);  // never outlive the game
            if (getppid() != game) _exit(0);
            RunImporter(ends[1]);
        }
        const int forkError = errno;
        close(ends[1]);
        if (pid < 0) {
            close(ends[0]);
            error = std::string("cannot start the X importer: ") + std::strerror(forkError);
            return false;
        }
        pid_ = pid;
        fd_ = ends[0];
        return true;
    }

    void Stop()
    {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (fd_ >= 0) close(fd_);
        pid_ = fd_ = -1;
    }

    // The importer ends by itself when the game closes its end of the socket, even at exit.
    std::mutex mutex_;
    pid_t pid_ = -1;
    int fd_ = -1;
};
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
    static Importer importer;
    return importer.Decode(data, size, out, error);
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
