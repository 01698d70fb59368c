#pragma once
// Sound effects and speech: 100 slots of WAV sounds addressed by number; the slot number is the
// sound id the whole game uses. All speech plays in slot 19, loaded again for each spoken line.
#include <cstdint>

struct SDL_Window;

constexpr int32_t kSoundSlots = 100;
constexpr int32_t Sprachkanal = 19;

// The effect files the loading sequence unpacks from "Data/Pack13.gzp", by sound id (none for the
// speech slot). They stay in the working directory until shut-down deletes them.
constexpr int32_t kSoundDateienAnzahl = 26;
extern const char* const SoundDateien[kSoundDateienAnzahl];

// Opens the sound output and sets the effects volume to SOUND_VOLUME. False on any failure.
bool SoundInit(SDL_Window* fenster);
// Loads a WAV into a slot, releasing what the slot held. A file that cannot be loaded makes the
// asked slot empty and loads "Data/Speak/0.wav" into the speech slot instead.
void LadeSound(const wchar_t* pfad, int32_t slot);
// Plays a slot once at the effects volume SOUND_VOLUME (several instances of one id mix).
void SpieleSound(int32_t slot);
// Plays a slot repeating without end, at whatever effects volume the last one-shot set.
void SpieleSoundSchleife(int32_t slot);
// 0 while the slot's sound plays, 1 when it does not (also for an empty or unknown slot).
int32_t SoundLaeuft(int32_t slot);
void StoppeSound(int32_t slot);
// Stops and releases every slot and closes the sound output.
void SoundBeenden();
