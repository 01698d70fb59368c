#pragma once
// The state behaviour of one figure for one tick: idle wandering, healing, attacks with their
// damage rolls, talking, dying, dropping the item on the mouse and picking items up.
#include <cstdint>

void FigurHandeln(int32_t i);
