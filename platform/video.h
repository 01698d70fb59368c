#pragma once
// Video playback through FFmpeg (loaded at run time, platform/ffmpeg.h): one file's frames shown full screen through the graphics device
// at their own pace, its sound on an output device of its own.
#include <cstdint>
#include <memory>
#include <string>

namespace gfx {
class Device;
}

namespace video {

// Starts loading FFmpeg's libraries on a thread of their own, once, so that the first Open finds
// them loaded (Open loads them itself otherwise).
void PreloadFfmpeg();

class Player {
public:
    enum class Status { Playing, Ended, Failed };

    Player();
    ~Player();
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    // False when the file cannot be read as a media file, with the reason in error.
    bool Open(const std::string& path, std::string& error);
    bool HasVideo() const;
    // Shows the newest frame that is due (the clock starts at the first step) and presents it,
    // feeding the sound along. Ended once every frame was shown and the sound has played out;
    // Failed on a decode error. The device must stay the same until Close.
    Status Step(gfx::Device& device);
    // How long until the next frame is due, in milliseconds.
    uint32_t MsUntilNextFrame() const;
    // Stops the sound and frees everything, also what Step made on the device.
    void Close();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace video
