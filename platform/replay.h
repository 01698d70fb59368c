#pragma once
// The input the game takes, pump by pump: every message a pump hands to the window procedure and
// every key state the game reads. Recorded into a small text file and fed back in the same order,
// so a game driven by it takes the same path again (with the frame clock and a fixed seed).
//
// The file has one line per pump: "P", then " m<message>,<wParam>,<lParam>" for each message and
// " k<code>,<code>..." for each key read that followed it (hexadecimal, the held keys' codes).
// "<n>x " before a line repeats it n times.
#include <cstdint>
#include <string>
#include <vector>

namespace replay {

enum class Mode { Off, Recording, Replaying };
Mode CurrentMode();

// Starts recording from nothing.
void Record();
// Loads a recording and starts feeding it back. False (the mode unchanged) with the reason when
// the file cannot be read or is not a recording.
bool Play(const std::string& path, std::string& error);
// Writes what has been recorded so far. False with the reason on failure.
bool Save(const std::string& path, std::string& error);
// Back to live input.
void Stop();

// Replaying: every pump of the recording has been handed out.
bool Finished();
// Replaying: where the game asked for other input than the recording holds ("" while it did not).
// Feeding stops there.
const std::string& Fault();

// What the window and the keyboard call.
struct Message {
    uint32_t message;
    uintptr_t wParam;
    intptr_t lParam;
};
// A pump begins; replaying, the messages it hands out instead of live ones. Once the recording is
// used up or left, every pump hands out a quit request (win::msg::Close): no loop of the game then
// waits for ever for input that will not come.
std::vector<Message> Pump();
void RecordMessage(uint32_t message, uintptr_t wParam, intptr_t lParam);
// A key read: recording, notes state; replaying, fills state with the recorded keys.
void Keys(uint8_t state[256]);

}  // namespace replay
