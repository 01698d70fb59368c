#pragma once
// What every fuzz target shares: a working folder of its own (the readers work in the current
// directory), message boxes caught instead of shown, and the input written as a file.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/os.h"

inline std::vector<std::string>& Meldungen()
{
    static std::vector<std::string> boxen;
    return boxen;
}

inline void FuzzOrdner()
{
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    static const auto ordner = std::filesystem::temp_directory_path() / ("velquor_fuzz_" + std::to_string(getpid()));
    std::filesystem::remove_all(ordner);
    std::filesystem::create_directories(ordner);
    std::filesystem::current_path(ordner);
    os::CaptureMessageBoxes(&Meldungen());
    std::atexit([] {
        std::error_code ec;
        std::filesystem::current_path("/", ec);
        std::filesystem::remove_all(ordner, ec);
    });
}

inline void SchreibeEingabe(const std::string& pfad, const uint8_t* daten, size_t groesse)
{
    const auto eltern = std::filesystem::path(pfad).parent_path();
    if (!eltern.empty()) std::filesystem::create_directories(eltern);
    std::ofstream(pfad, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(daten), long(groesse));
}
