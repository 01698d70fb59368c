#pragma once
// Music: MP3 tracks in 100 slots, one playing at a time, chosen each frame by the game mode and
// faded between the town music and the fight music. Volumes are hundredths of a decibel, 0 loudest.
#include <cstdint>

constexpr int32_t kMusikSlots = 100;

// The volume a fade-in returns to: the configured music volume (SOUND_VOLUME_SPRACHE), copied here
// by the settings reader. The current volume is `MusikLautstaerke` of the game globals.
extern int32_t MusikFadeLautstaerke;

// Loads a track into a slot (the file may be deleted right after). True when it can be played;
// a slot whose file did not decode still counts as loaded and plays nothing.
bool LadeMusik(int32_t slot, const wchar_t* pfad);
// Runs the slot at the current music volume (when loaded and MUSIC is on).
void SpieleMusik(int32_t slot);
// Stops the slot and rewinds it to the start (when loaded).
void MusikZurueckspulen(int32_t slot);
// Per-frame step for the playing slot: its volume, and the next track when it has ended.
void MusikTakt(int32_t slot);
// Per-frame choice of the track by the game mode.
void MusikNachModus();
// One fade step toward the fight music (track 5), and one back to the town music.
void MusikZuKampf();
void MusikZuIngame();
// Stops and releases a slot.
void GibMusikFrei(int32_t slot);
