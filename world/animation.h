#pragma once
// Figure animation: advances a figure's frame and writes the mesh slots of its nine parts (eight
// body parts and the weapon arm) for its action state.
#include <cstdint>

void FigurAnimieren(int32_t i);
