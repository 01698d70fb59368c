#pragma once
// What an item is to the rules that move and fill it: how many of it stack in one slot (six foods;
// the same limit on the mouse, in bags and in containers) and how many water units a vessel holds.
// One table serves the inventory, the containers, the well, the day's production and the town's food.

// Largest stack of one slot; 0 for an item that never merges with another of its kind.
int StapelGrenze(int itemId);
// Water units a vessel holds when full; 0 for anything that is not a water vessel.
int WasserFassung(int itemId);
