#include "platform/os.h"

#include <SDL.h>
#include <dirent.h>
#include <fcntl.h>
#include <malloc.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <thread>

namespace os {

namespace {

int lockFd = -1;

const auto processStart = std::chrono::steady_clock::now();
uint32_t (*tickSource)() = nullptr;
bool frameClock = false;
uint32_t frameClockMs = 0;

std::vector<std::string>* boxSink = nullptr;

struct MemoryFile {
    std::string path;
    std::vector<uint8_t> data;
};
std::vector<MemoryFile> memoryFiles;  // one or two at a time

std::string Slashes(std::string path)
{
    for (char& c : path)
        if (c == '\\') c = '/';
    return path;
}

const MemoryFile* FindMemoryFile(const std::string& path)
{
    if (memoryFiles.empty()) return nullptr;
    const std::string p = Slashes(path);
    for (const MemoryFile& m : memoryFiles)
        if (EqualsNoCase(m.path, p)) return &m;
    return nullptr;
}

bool IsDirectory(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool PathExists(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

// The heap's reserve, and the size of a large page.
constexpr size_t kHeapReserve = 256u << 20;
constexpr uintptr_t kGrosseSeite = 2u << 20;
std::once_flag heapEingerichtet;

}  // namespace

void KeepFreedMemory()
{
    std::call_once(heapEingerichtet, [] {
        // Blocks below 32 MB come from the heap (not each from a mapping of its own), and freed
        // memory at the heap's top stays mapped up to the reserve below.
        mallopt(M_MMAP_THRESHOLD, 32 << 20);
        mallopt(M_TRIM_THRESHOLD, 128 << 20);
        // Start-up touches some 150 MB, which in 4 KB pages is some 40,000 page faults; in a virtual
        // machine one can cost 10 us. So the heap grows by a large reserve at once, which the kernel
        // may back with 2 MB pages, and every thread allocates from it: a thread's own arena would
        // be 4 KB pages again (the game's threads allocate little but the decoders' pictures).
        mallopt(M_ARENA_MAX, 1);
        mallopt(M_TOP_PAD, kHeapReserve);
        char* const vorher = static_cast<char*>(sbrk(0));
        // Larger than the free space at the heap's top, so the heap grows now.
        void* volatile block = malloc(mallinfo2().keepcost + 4096);
        free(block);
        const uintptr_t anfang = (reinterpret_cast<uintptr_t>(vorher) + kGrosseSeite - 1) & ~(kGrosseSeite - 1);
        const uintptr_t ende = reinterpret_cast<uintptr_t>(sbrk(0)) & ~(kGrosseSeite - 1);
        if (vorher != reinterpret_cast<char*>(-1) && ende > anfang)
            madvise(reinterpret_cast<void*>(anfang), ende - anfang, MADV_HUGEPAGE);
    });
}

bool Headless()
{
    // Before video is up the driver SDL will pick is the one the environment names.
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!driver) driver = std::getenv("SDL_VIDEODRIVER");
    return driver && (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0);
}

bool AcquireSingleInstance(const std::string& lockPath)
{
    if (lockFd >= 0) return true;  // this process holds it already
    const int fd = open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        close(fd);
        return false;
    }
    lockFd = fd;
    return true;
}

std::string DefaultLockPath()
{
    const char* laufzeit = std::getenv("XDG_RUNTIME_DIR");
    if (laufzeit && *laufzeit && IsDirectory(laufzeit)) return std::string(laufzeit) + "/velquor.lock";
    return "/tmp/velquor-" + std::to_string(getuid()) + ".lock";
}

void ReleaseSingleInstance()
{
    if (lockFd >= 0) {
        flock(lockFd, LOCK_UN);
        close(lockFd);
        lockFd = -1;
    }
}

uint32_t GetTickCount()
{
    if (frameClock) return frameClockMs;
    if (tickSource) return tickSource();
    const auto elapsed = std::chrono::steady_clock::now() - processStart;
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

void SetTickSource(uint32_t (*source)()) { tickSource = source; }

void UseFrameClock(bool on)
{
    frameClock = on;
    frameClockMs = 0;
}

bool FrameClockOn() { return frameClock; }

void Sleep(uint32_t ms)
{
    if (frameClock) {
        frameClockMs += ms;
        return;
    }
    if (tickSource || ms == 0) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void MessageBox(const std::string& text, const std::string& caption)
{
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    if (boxSink) {
        boxSink->push_back(caption + "|" + text);
        return;
    }
    // A real box only where a display exists: never headless, never without X or Wayland.
    const bool display = std::getenv("DISPLAY") != nullptr || std::getenv("WAYLAND_DISPLAY") != nullptr;
    if (!Headless() && display) SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption.c_str(), text.c_str(), nullptr);
}

void CaptureMessageBoxes(std::vector<std::string>* sink) { boxSink = sink; }

namespace {
char FoldChar(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
}  // namespace

bool EqualsNoCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (FoldChar(a[i]) != FoldChar(b[i])) return false;
    return true;
}

std::string FoldCase(std::string name)
{
    for (char& c : name) c = FoldChar(c);
    return name;
}

std::string ResolvePath(const std::string& path)
{
    std::string p = path;
    for (char& c : p)
        if (c == '\\') c = '/';
    if (p.empty() || PathExists(p)) return p;

    std::string result;
    size_t pos = 0;
    if (p[0] == '/') {
        result = "/";
        pos = 1;
    }
    bool searching = true;  // once a component is missing, the rest is kept as given
    while (pos <= p.size()) {
        size_t end = p.find('/', pos);
        if (end == std::string::npos) end = p.size();
        const std::string part = p.substr(pos, end - pos);
        pos = end + 1;
        if (part.empty()) continue;
        const std::string dir = result.empty() ? "." : result;
        std::string chosen = part;
        if (searching && !PathExists((result.empty() ? "" : result) + part)) {
            searching = false;
            if (DIR* d = opendir(dir.c_str())) {
                while (dirent* e = readdir(d)) {
                    if (EqualsNoCase(e->d_name, part)) {
                        chosen = e->d_name;
                        searching = true;
                        break;
                    }
                }
                closedir(d);
            }
        }
        result += chosen;
        if (end < p.size()) result += "/";
    }
    return result;
}

void PutMemoryFile(const std::string& path, std::vector<uint8_t> data)
{
    DropMemoryFile(path);
    memoryFiles.push_back({Slashes(path), std::move(data)});
}

void DropMemoryFile(const std::string& path)
{
    const std::string p = Slashes(path);
    std::erase_if(memoryFiles, [&](const MemoryFile& m) { return EqualsNoCase(m.path, p); });
}

bool FileExists(const std::string& path)
{
    if (FindMemoryFile(path)) return true;
    struct stat st;
    return stat(ResolvePath(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool ReadFile(const std::string& path, std::vector<uint8_t>& out)
{
    if (const MemoryFile* m = FindMemoryFile(path)) {
        out = m->data;
        return true;
    }
    const std::string real = ResolvePath(path);
    if (IsDirectory(real)) return false;
    FILE* f = std::fopen(real.c_str(), "rb");
    if (!f) return false;
    std::vector<uint8_t> data;
    struct stat st;  // the size is a hint only: the file may change while it is read
    if (fstat(fileno(f), &st) == 0 && st.st_size > 0 && st.st_size < (off_t(1) << 30)) data.reserve(size_t(st.st_size));
    uint8_t buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) data.insert(data.end(), buf, buf + n);
    const bool ok = !std::ferror(f);
    std::fclose(f);
    if (ok) out.swap(data);
    return ok;
}

bool WriteFileAtomic(const std::string& path, const void* data, size_t size)
{
    const std::string real = ResolvePath(path);
    const std::string tmp = real + ".tmp";
    FILE* f = std::fopen(tmp.c_str(), "wb");
    if (!f) return false;
    bool ok = size == 0 || std::fwrite(data, 1, size, f) == size;
    ok = std::fflush(f) == 0 && ok;
    ok = fsync(fileno(f)) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    if (ok) ok = std::rename(tmp.c_str(), real.c_str()) == 0;
    if (!ok) std::remove(tmp.c_str());
    return ok;
}

bool DeleteFile(const std::string& path)
{
    const std::string real = ResolvePath(path);
    if (IsDirectory(real)) return false;
    return unlink(real.c_str()) == 0;
}

bool MakeDirectory(const std::string& path)
{
    const std::string real = ResolvePath(path);
    for (size_t pos = 1; pos <= real.size(); ++pos) {
        if (pos == real.size() || real[pos] == '/') {
            const std::string prefix = real.substr(0, pos);
            if (!IsDirectory(prefix) && mkdir(prefix.c_str(), 0755) != 0 && !IsDirectory(prefix)) return false;
        }
    }
    return IsDirectory(real);
}

}  // namespace os
