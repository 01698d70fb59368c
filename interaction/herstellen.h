#pragma once
// The technician's crafting: a recipe made from the parts in a member's backpack.
#include <cstdint>

#include "world/rezepte.h"

// Makes recipe r through figure index i when every ingredient lies in the 2 x 6 backpack: one slot
// per ingredient place is used up whole, experience grows by one and the result goes into the first
// empty backpack slot. Nothing happens when an ingredient is missing.
void RezeptHerstellen(int32_t i, const Rezept& r);
