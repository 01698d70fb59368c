#include "platform/audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace audio {
namespace {

struct Track {
    bool loaded = false;
    bool playable = false;
    std::vector<uint8_t> bytes;
    bool running = false;
    bool ended = false;
    double position = 0;  // seconds, where a stopped track goes on
    float volume = 0;
};

bool open = false;
int32_t effectVolume = 0;  // hundredths of a decibel
Mix_Chunk* effects[kSlots] = {};
Track tracks[kSlots];
int current = -1;             // the slot whose track the mixer holds
Mix_Music* music = nullptr;   // decoded from tracks[current].bytes
constexpr int kChannels = 32;
std::string effectFiles[kSlots];      // the name of the file each effect slot holds (the log's)
std::vector<std::string>* eventLog = nullptr;

void Log(const char* format, ...) __attribute__((format(printf, 1, 2)));
void Log(const char* format, ...) {
    if (!eventLog) return;
    char line[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    eventLog->push_back(line);
}

bool Valid(int slot) { return slot >= 0 && slot < kSlots; }

int MixerVolume(float hundredths) { return int(std::lround(GainFromHundredthsDb(hundredths) * MIX_MAX_VOLUME)); }

Mix_Music* Decode(const std::vector<uint8_t>& bytes) {
    if (bytes.empty()) return nullptr;
    return Mix_LoadMUS_RW(SDL_RWFromConstMem(bytes.data(), int(bytes.size())), 1);
}

// SDL_mixer halts music at its end; a running track that no longer plays has ended.
void NoteEnd() {
    if (current >= 0 && tracks[current].running && !Mix_PlayingMusic()) tracks[current].ended = true;
}

// Takes the mixer's track away from its slot, keeping the slot's position for a later run.
void Unbind() {
    if (current < 0) return;
    Track& t = tracks[current];
    NoteEnd();
    if (music) {
        double pos = Mix_GetMusicPosition(music);
        if (pos >= 0 && !t.ended) t.position = pos;
        Mix_HaltMusic();
        Mix_FreeMusic(music);
        music = nullptr;
    }
    t.running = false;
    current = -1;
}

Track* FindTrack(int slot) { return Valid(slot) && tracks[slot].loaded ? &tracks[slot] : nullptr; }

}  // namespace

float GainFromHundredthsDb(float hundredths) {
    float v = std::clamp(hundredths, float(kMinVolume), 0.0f);
    if (v <= float(kMinVolume)) return 0.0f;
    return std::pow(10.0f, v / 2000.0f);
}

bool Open(std::string& error) {
    if (open) return true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        error = SDL_GetError();
        return false;
    }
    Mix_Init(MIX_INIT_MP3);
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
        error = Mix_GetError();
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_AllocateChannels(kChannels);
    open = true;
    return true;
}

bool IsOpen() { return open; }

void Close() {
    if (!open) return;
    for (int i = 0; i < kSlots; ++i) {
        FreeMusic(i);
        FreeEffect(i);
    }
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    open = false;
}

bool LoadEffect(int slot, const std::string& path) {
    if (!Valid(slot)) return false;
    FreeEffect(slot);
    if (!open) return false;
    effects[slot] = Mix_LoadWAV(path.c_str());
    effectFiles[slot] = path.substr(path.find_last_of('/') + 1);
    return effects[slot] != nullptr;
}

void FreeEffect(int slot) {
    if (!Valid(slot) || !effects[slot]) return;
    Mix_FreeChunk(effects[slot]);  // halts the channels playing it
    effects[slot] = nullptr;
}

bool EffectLoaded(int slot) { return Valid(slot) && effects[slot]; }

size_t EffectBytes(int slot) { return EffectLoaded(slot) ? effects[slot]->alen : 0; }

void SetEffectVolume(int32_t hundredths) {
    effectVolume = hundredths;
    if (open) Mix_Volume(-1, MixerVolume(float(hundredths)));
}

int32_t EffectVolume() { return effectVolume; }

void PlayEffect(int slot, bool loop) {
    if (!EffectLoaded(slot)) return;
    Log("effect %d%s vol %d %s", slot, loop ? " loop" : "", int(effectVolume), effectFiles[slot].c_str());
    int loops = loop ? -1 : 0;
    if (Mix_PlayChannel(-1, effects[slot], loops) < 0) {
        // every channel busy: make room for more, all at the current effects gain
        int count = Mix_AllocateChannels(-1);
        int volume = Mix_Volume(0, -1);
        Mix_AllocateChannels(count + kChannels);
        Mix_Volume(-1, volume);
        Mix_PlayChannel(-1, effects[slot], loops);
    }
}

void StopEffect(int slot) {
    if (!EffectLoaded(slot)) return;
    for (int ch = 0, n = Mix_AllocateChannels(-1); ch < n; ++ch)
        if (Mix_GetChunk(ch) == effects[slot]) Mix_HaltChannel(ch);
}

bool EffectPlaying(int slot) {
    if (!EffectLoaded(slot)) return false;
    for (int ch = 0, n = Mix_AllocateChannels(-1); ch < n; ++ch)
        if (Mix_Playing(ch) && Mix_GetChunk(ch) == effects[slot]) return true;
    return false;
}

int32_t WavLengthMs(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return -1;
    auto u32 = [](const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24; };
    uint8_t kopf[12];
    uint32_t byteRate = 0;
    int32_t ms = -1;
    if (std::fread(kopf, 1, 12, f) == 12 && std::memcmp(kopf, "RIFF", 4) == 0 && std::memcmp(kopf + 8, "WAVE", 4) == 0) {
        uint8_t chunk[8];
        while (std::fread(chunk, 1, 8, f) == 8) {
            const uint32_t groesse = u32(chunk + 4);
            if (std::memcmp(chunk, "fmt ", 4) == 0 && groesse >= 16) {
                uint8_t fmt[16];
                if (std::fread(fmt, 1, 16, f) != 16) break;
                byteRate = u32(fmt + 8);
                if (std::fseek(f, long(groesse - 16 + (groesse & 1)), SEEK_CUR) != 0) break;
            } else if (std::memcmp(chunk, "data", 4) == 0) {
                if (byteRate > 0) ms = int32_t(std::min<uint64_t>(uint64_t(groesse) * 1000 / byteRate, INT32_MAX));
                break;
            } else if (std::fseek(f, long(groesse) + (groesse & 1), SEEK_CUR) != 0) {
                break;
            }
        }
    }
    std::fclose(f);
    return ms;
}

bool LoadMusic(int slot, std::vector<uint8_t> bytes) {
    if (!Valid(slot)) return false;
    FreeMusic(slot);
    Track& t = tracks[slot];
    t.loaded = true;
    t.bytes = std::move(bytes);
    // The game loads its tracks before it opens the device: then the bytes are kept and tried at
    // the first run.
    t.playable = !t.bytes.empty();
    if (open) {
        Mix_Music* probe = Decode(t.bytes);
        t.playable = probe != nullptr;
        if (probe) Mix_FreeMusic(probe);
    }
    if (!t.playable) t.bytes.clear();
    return t.playable;
}

bool MusicLoaded(int slot) { return FindTrack(slot) != nullptr; }

size_t MusicBytes(int slot)
{
    const Track* t = FindTrack(slot);
    return t ? t->bytes.size() : 0;
}

void FreeMusic(int slot) {
    if (!FindTrack(slot)) return;
    if (current == slot) Unbind();
    tracks[slot] = Track{};
}

void RunMusic(int slot) {
    Track* t = FindTrack(slot);
    if (!t || !t->playable || !open) return;
    NoteEnd();
    if (t->running) return;
    Log("music %d run vol %.0f", slot, double(t->volume));
    if (current != slot) {
        Unbind();
        music = Decode(t->bytes);
        if (!music) {
            t->playable = false;
            t->bytes.clear();
            return;
        }
        current = slot;
    }
    t->running = true;
    if (t->ended) return;  // stays at its end until rewound
    Mix_VolumeMusic(MixerVolume(t->volume));
    if (Mix_PlayingMusic()) {
        Mix_ResumeMusic();
    } else {
        Mix_PlayMusic(music, 0);
        if (t->position > 0) Mix_SetMusicPosition(t->position);
    }
}

void StopMusic(int slot) {
    Track* t = FindTrack(slot);
    if (!t) return;
    NoteEnd();
    if (t->running) Log("music %d stop", slot);
    if (current == slot && t->running && Mix_PlayingMusic()) Mix_PauseMusic();
    t->running = false;
}

void RewindMusic(int slot) {
    Track* t = FindTrack(slot);
    if (!t) return;
    NoteEnd();
    t->ended = false;
    t->position = 0;
    if (current != slot) return;
    if (Mix_PlayingMusic())
        Mix_RewindMusic();
    else if (t->running)
        Mix_PlayMusic(music, 0);  // it had run out: start again
}

void SetMusicVolume(int slot, float hundredths) {
    Track* t = FindTrack(slot);
    if (!t) return;
    if (t->volume != hundredths) Log("music %d vol %.0f", slot, double(hundredths));
    t->volume = hundredths;
    if (current == slot) Mix_VolumeMusic(MixerVolume(hundredths));
}

bool MusicEnded(int slot) {
    Track* t = FindTrack(slot);
    if (!t) return false;
    NoteEnd();
    return t->ended;
}

bool MusicPlaying(int slot) {
    Track* t = FindTrack(slot);
    if (!t) return false;
    NoteEnd();
    return current == slot && t->running && !t->ended;
}

float MusicVolume(int slot) {
    Track* t = FindTrack(slot);
    return t ? t->volume : 0.0f;
}

void SetLog(std::vector<std::string>* target) { eventLog = target; }

}  // namespace audio
