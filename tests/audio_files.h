#pragma once
// Small sound, music and video files made by the audio tests themselves.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

namespace testfiles {

// A folder of its own for one test program run.
inline std::string Folder(const std::string& name) {
    std::filesystem::path p = std::filesystem::temp_directory_path() /
                              ("velquor_" + name + "_" + std::to_string(getpid()));
    std::filesystem::create_directories(p);
    return p.string();
}

// A 16-bit mono WAV of a sine tone.
inline void WriteWav(const std::string& path, double seconds, double frequency = 440) {
    const uint32_t rate = 22050, samples = uint32_t(seconds * rate), bytes = samples * 2;
    std::vector<uint8_t> f;
    auto u32 = [&](uint32_t v) { for (int i = 0; i < 4; ++i) f.push_back(uint8_t(v >> (8 * i))); };
    auto u16 = [&](uint16_t v) { f.push_back(uint8_t(v)); f.push_back(uint8_t(v >> 8)); };
    auto tag = [&](const char* t) { f.insert(f.end(), t, t + 4); };
    tag("RIFF"); u32(36 + bytes); tag("WAVE");
    tag("fmt "); u32(16); u16(1); u16(1); u32(rate); u32(rate * 2); u16(2); u16(16);
    tag("data"); u32(bytes);
    for (uint32_t i = 0; i < samples; ++i) u16(uint16_t(int16_t(12000 * std::sin(6.2831853 * frequency * i / rate))));
    FILE* out = std::fopen(path.c_str(), "wb");
    std::fwrite(f.data(), 1, f.size(), out);
    std::fclose(out);
}

inline bool Run(const std::string& command) { return std::system((command + " >/dev/null 2>&1").c_str()) == 0; }

inline bool WriteMp3(const std::string& path, double seconds, double frequency = 440) {
    return Run("ffmpeg -v error -y -f lavfi -i sine=frequency=" + std::to_string(frequency) +
               ":duration=" + std::to_string(seconds) + " -ac 2 -c:a libmp3lame '" + path + "'");
}

// A small AVI with a test picture and a tone.
inline bool WriteAvi(const std::string& path, double seconds) {
    std::string d = std::to_string(seconds);
    return Run("ffmpeg -v error -y -f lavfi -i testsrc=size=64x48:rate=10:duration=" + d +
               " -f lavfi -i sine=frequency=440:duration=" + d + " -c:v mpeg4 -c:a pcm_s16le '" + path + "'");
}

inline std::vector<uint8_t> ReadAll(const std::string& path) {
    std::vector<uint8_t> data;
    if (FILE* in = std::fopen(path.c_str(), "rb")) {
        uint8_t buf[65536];
        for (size_t n; (n = std::fread(buf, 1, sizeof buf, in)) > 0;) data.insert(data.end(), buf, buf + n);
        std::fclose(in);
    }
    return data;
}

}  // namespace testfiles
