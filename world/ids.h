#pragma once
// Range checks for numbers that come from files. A stored value is trusted for nothing: every
// use that indexes a table goes through one of these, and an out-of-range value means "none".
#include <cstdint>

#include "world/itemslot.h"
#include "world/spielglobals.h"
#include "world/stadt.h"

constexpr int ERSTE_ITEM_ID = 1000;
constexpr int LETZTE_ITEM_ID = 1191;
constexpr int GROESSTER_MESH_SLOT = 10000;

constexpr bool IstItemId(int id) { return id >= ERSTE_ITEM_ID && id <= LETZTE_ITEM_ID; }
constexpr bool IstNamensIndex(int i) { return i >= 0 && i < MAENNERNAMEN_ANZAHL; }
constexpr bool IstStadtId(int id) { return id >= 0 && id < STAEDTE_BENUTZT; }
constexpr bool IstBehaelterIndex(int i) { return i >= 0 && i < BEHAELTER_ANZAHL; }
constexpr bool IstMeshSlot(int slot) { return slot >= 0 && slot <= GROESSTER_MESH_SLOT; }

// Item tables by id; an id outside 1000..1191 gives 0 or "".
int32_t ItemWert(int id);
const char* ItemName(int id);
const char* ItemText(int id);

// First name by index; "" outside 0..599.
const char* MaennerName(int index);

// The town record of a town id; nullptr outside 0..19.
StadtRecord* StadtMitId(int id);

// The 10 x 10 slots of a container; nullptr outside 0..49 (255 marks a cell without one).
using BehaelterInhalt = ItemSlot[10][10];
BehaelterInhalt* BehaelterMitIndex(int index);
