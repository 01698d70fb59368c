#pragma once
// The figure textures: a body part's texture variant selects a level texture, and a worn item can
// replace it (or add a part of its own).
#include "world/figur_hilfen.h"

// The level texture slot of variant v: 12, 103, 104 for 0..2, then 214..220 for 3..9, and 253 for
// variant 10 where a part has it (mitZehn); -1 (none) for any other variant a file could hold.
inline int FigurTexturSlot(int v, bool mitZehn = false)
{
    if (v == 10 && mitZehn) return 253;
    if (v < 0 || v > 9) return -1;
    if (v == 0) return 12;
    if (v <= 2) return 102 + v;
    return 214 + (v - 3);
}

// The level texture the item worn over body part p gives it: parts 0..4 (torso, head, legs, hands,
// feet) take the clothing's texture in place of the skin, parts 5..8 (helmet, the two worn extras,
// the weapon in the hand) show only for a listed item. -1 when the figure wears none of them there.
int KleidungsTextur(const FigurRecord& f, int p);
