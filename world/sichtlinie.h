#pragma once
// Line of sight between two figures: a shot needs a segment free of wall cells.
#include <cstdint>

// True when the segment between the positions of records a and b touches a wall cell.
bool SichtLinieBlockiert(int32_t a, int32_t b);
// Does that segment touch the cell whose centre is at world (x, z)?
bool StreckeTrifftZelle(float x, float z, int32_t a, int32_t b);
