#pragma once
// The figure textures: a body part's texture variant selects a level texture.

// The level texture slot of variant v: 12, 103, 104 for 0..2, then 214..220 for 3..9; -1 (none)
// for a variant outside 0..9.
inline int FigurTexturSlot(int v)
{
    if (v < 0 || v > 9) return -1;
    if (v == 0) return 12;
    if (v <= 2) return 102 + v;
    return 214 + (v - 3);
}
