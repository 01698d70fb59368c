#include "content/tools.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <stdexcept>
#include <thread>

namespace content {

std::vector<uint8_t> EncodeWav(const std::vector<float>& samples, int rate) {
    const uint32_t bytes = uint32_t(samples.size() * 2);
    // Reserved whole: the header and the samples are appended without a reallocation.
    std::vector<uint8_t> out;
    out.reserve(44 + size_t(bytes));
    auto put16 = [&](uint32_t v) { out.push_back(uint8_t(v)), out.push_back(uint8_t(v >> 8)); };
    auto put32 = [&](uint32_t v) { put16(v & 0xffff), put16(v >> 16); };
    auto tag = [&](const char* t) {
        for (int i = 0; i < 4; ++i) out.push_back(uint8_t(t[i]));
    };
    tag("RIFF"), put32(36 + bytes), tag("WAVE");
    tag("fmt "), put32(16), put16(1), put16(1), put32(uint32_t(rate)), put32(uint32_t(rate * 2)), put16(2), put16(16);
    tag("data"), put32(bytes);
    for (float s : samples) {
        const long v = std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f);
        put16(uint32_t(uint16_t(int16_t(v))));
    }
    return out;
}

void RunTool(const std::string& command) {
    const int rc = std::system(command.c_str());
    if (rc != 0) throw std::runtime_error("command failed (" + std::to_string(rc) + "): " + command);
}

void RunTools(const std::vector<std::string>& commands, int parallel) {
    std::atomic<size_t> next{0};
    std::mutex m;
    std::string failure;
    auto worker = [&] {
        for (size_t i; (i = next++) < commands.size();) {
            const int rc = std::system(commands[i].c_str());
            if (rc != 0) {
                std::lock_guard<std::mutex> lock(m);
                failure = "command failed (" + std::to_string(rc) + "): " + commands[i];
            }
        }
    };
    std::vector<std::thread> threads;
    for (int k = 0; k < parallel; ++k) threads.emplace_back(worker);
    for (std::thread& t : threads) t.join();
    if (!failure.empty()) throw std::runtime_error(failure);
}

std::string ScratchDir() {
    static const std::string dir = [] {
        const auto d = std::filesystem::temp_directory_path() / ("velquor_content_" + std::to_string(getpid()));
        std::filesystem::create_directories(d);
        return d.string();
    }();
    return dir;
}

std::string ShellQuote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

std::vector<uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::string& path, const std::vector<uint8_t>& data) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(data.data()), std::streamsize(data.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

}  // namespace content
