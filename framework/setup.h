#pragma once
// The settings file "Data/Setup.txt". Most values land in `SetupWerte` and SORT_SPEED inside the
// game globals (so a save carries them); the ones below are not saved.
#include <cstdint>
#include <string>
#include <vector>

extern int32_t Sprache;               // LAN: 0 and 1 Latin fonts, 2 Cyrillic
extern uint8_t Vollbild;              // FULLSCREEN
extern uint8_t DebugModus;            // DEBUG present
extern uint8_t CheatHilfe;            // CHEAT_I_NEED_HELP present
// SOUND_VOLUME_SPRACHE also sets MusikFadeLautstaerke (framework/music.h) and the current
// MusikLautstaerke.

// Reads the settings file. Keys are matched with regard to case; unknown words are skipped one at a
// time; a value that is not of its key's type ends the reading, keeping what was read before it.
// Every key the options screen writes that is then missing, or whose value the game cannot use,
// takes the value the data set ships, and one message names the file and those keys.
void LadeSetup(const char* pfad);
// The same in two steps: the file read, returning the keys that took the shipped value; then the
// message about them (none when there are none).
struct SetupErsetzt {
    std::vector<std::string> schluessel;
    bool alle = false;  // every shipped key: the file had nothing usable
};
SetupErsetzt LiesSetup(const char* pfad);
void MeldeSetup(const char* pfad, const SetupErsetzt& ersetzt);

// Sets every key to the value the data set ships (what SchreibeSetup then writes is that file).
void SetzeSetupVoreinstellung();

// The 22 lines the options screen saves ("KEY value"), from the values in memory.
std::string SetupText();
// Writes them; the file is replaced whole. False when it could not be written.
bool SchreibeSetup(const char* pfad);
