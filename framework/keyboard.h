#pragma once
// The keyboard device: a 256-byte state snapshot indexed by key code (0x80 = down), read once a
// frame by the keyboard handler.
#include <cstdint>
#include <vector>

extern uint8_t TastenStatus[256];

// Left Alt or either Shift held: the town view shows every figure's label and the entrance icons.
bool LabelTasteGehalten();

// The key presses the window delivered since the keyboard handler last took them, in their order:
// each press once, a held key's repeats as the desktop sends them. Typing takes these, not the
// held keys, so no press is lost in a slow frame and none counts twice in a fast one.
struct TastenDruck {
    uint8_t taste;  // key code as in TastenStatus
    bool umschalt;  // Shift held with it
};
void MerkeTastenDruck(uint8_t taste, bool umschalt);  // the window procedure; at most 64 wait
std::vector<TastenDruck> NimmTastenDruecke();        // and forgets them

// 0 created, 1 creation failed, 3 already exists.
int32_t ErstelleDirectInput();
// 0 ready, 1 no input object, 2 a step failed, 3 already exists.
int32_t ErstelleTastatur();
// 256 when the state was read, 0 when reading failed (the state keeps what it held), 2 without a device.
int32_t LeseTastatur();
void GibTastaturFrei();
