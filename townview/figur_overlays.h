#pragma once
// Overlays over single figures (badges, health rings, labels) beside the town frame's own calls.
#include <cstdint>

#include "world/figur.h"

// The EnergieTexturen entry of the figure's health ring: squad 0 (full) .. 7, townsfolk 10 .. 17,
// hostiles 19 .. 26 (empty .. full); health above 100 counts as full; -1 for other figures.
int32_t EnergieRing(const FigurRecord& f);
