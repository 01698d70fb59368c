#pragma once
// The keyboard device: a 256-byte state snapshot indexed by key code (0x80 = down), read once a
// frame by the keyboard handler.
#include <cstdint>

extern uint8_t TastenStatus[256];

// Left Alt or either Shift held: the town view shows every figure's label and the entrance icons.
bool LabelTasteGehalten();

// 0 created, 1 creation failed, 3 already exists.
int32_t ErstelleDirectInput();
// 0 ready, 1 no input object, 2 a step failed, 3 already exists.
int32_t ErstelleTastatur();
// 256 when the state was read, 0 when reading failed (the state keeps what it held), 2 without a device.
int32_t LeseTastatur();
void GibTastaturFrei();
