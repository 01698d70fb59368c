#pragma once
// What every fuzz target shares: a working folder of its own (the readers work in the current
// directory), message boxes caught instead of shown, and the input written as a file.
#include <signal.h>
#include <unistd.h>

#include <cerrno>
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

// In memory where there is a tmpfs: the game syncs every file it saves, which on a disk costs more
// than the rest of a run. A folder left by a run that crashed goes with the next start.
inline std::filesystem::path FuzzBasis()
{
    std::error_code ec;
    const std::filesystem::path basis =
        std::filesystem::is_directory("/dev/shm", ec) ? "/dev/shm" : std::filesystem::temp_directory_path();
    for (const auto& e : std::filesystem::directory_iterator(basis, ec)) {
        const std::string name = e.path().filename().string();
        if (name.rfind("velquor_fuzz_", 0) != 0) continue;
        const long pid = std::atol(name.c_str() + 13);
        if (pid > 0 && kill(pid_t(pid), 0) != 0 && errno == ESRCH) std::filesystem::remove_all(e.path(), ec);
    }
    return basis;
}

inline void FuzzOrdner()
{
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    static const auto ordner = FuzzBasis() / ("velquor_fuzz_" + std::to_string(getpid()));
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
