#pragma once
// Sound output through SDL2_mixer: 100 effect slots of decoded WAVs (played once or looped, several
// instances of one slot mixing) and 100 music slots that keep their file's bytes in memory (the
// game deletes the unpacked file right after loading). Volumes are hundredths of a decibel, 0 loudest.
// Slot numbers outside 0..99 are ignored everywhere.
#include <cstdint>
#include <string>
#include <vector>

namespace audio {

constexpr int kSlots = 100;
constexpr int32_t kMinVolume = -9600;  // silence

// Linear amplitude for a volume in hundredths of a decibel, clamped to kMinVolume..0.
float GainFromHundredthsDb(float hundredths);

// Opens the output device once (later calls answer whether it is open). False with the reason.
bool Open(std::string& error);
bool IsOpen();
// Stops and frees every slot and closes the device.
void Close();

// Effects. Loading decodes the file into the device's format; a failed load leaves the slot empty.
bool LoadEffect(int slot, const std::string& path);
void FreeEffect(int slot);
bool EffectLoaded(int slot);
size_t EffectBytes(int slot);  // the decoded sound's size, 0 when empty (tests tell slots apart by it)
// The one effects gain, for every effect playing now and later.
void SetEffectVolume(int32_t hundredths);
int32_t EffectVolume();
void PlayEffect(int slot, bool loop);
void StopEffect(int slot);  // every instance of the slot
bool EffectPlaying(int slot);
// Playing time of a PCM WAV file in milliseconds, read from its header alone (no device needed);
// -1 when the file cannot be read or is not such a file.
int32_t WavLengthMs(const std::string& path);

// Music. A slot counts as loaded even when its bytes do not decode (it then plays nothing); the
// result says whether they decode (before the device is open: whether there are any; they are
// then tried at the first run). Only one slot sounds at a time: running one stops another.
bool LoadMusic(int slot, std::vector<uint8_t> bytes);
bool MusicLoaded(int slot);
size_t MusicBytes(int slot);   // the file's size as loaded, 0 when empty (tests)
void FreeMusic(int slot);
void RunMusic(int slot);     // from where it stopped; a track at its end stays silent until rewound
void StopMusic(int slot);    // keeps the position
void RewindMusic(int slot);
void SetMusicVolume(int slot, float hundredths);
bool MusicEnded(int slot);   // ran to the end of the track since it was last rewound
bool MusicPlaying(int slot); // running and not at its end: the slot that sounds
float MusicVolume(int slot);

// Tests: every effect started (slot, loop, effects volume, the file's name) and every change of the
// music (a track run or stopped, a volume set anew) as one line each, appended to log; null stops it.
void SetLog(std::vector<std::string>* log);

}  // namespace audio
