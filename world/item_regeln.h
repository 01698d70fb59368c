#pragma once
// What an item is to the rules that make, move and fill it: the count it comes with (a food's full
// stack, a kit's uses, a box of ammunition, an empty vessel), how many of it stack in one slot (six
// foods; the same limit on the mouse, in bags and in containers) and how many water units a vessel
// holds. One table serves the inventory, the containers, the well, the day's production, the town's
// food, the townsfolk's and hostiles' goods, the collector's trade and the editor.

// Largest stack of one slot; 0 for an item that never merges with another of its kind.
int StapelGrenze(int itemId);
// Water units a vessel holds when full; 0 for anything that is not a water vessel.
int WasserFassung(int itemId);
// The count an item of this kind is made with; sonst for an item the table does not list.
int VolleAnzahl(int itemId, int sonst);
// Vessels and the two drinks show their count even when it is 0 or 1 (an empty canteen shows 0).
bool ZeigtAnzahlImmer(int itemId);
