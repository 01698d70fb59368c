#pragma once
// Items on the mouse and in slots: the rules the bag, the hand and ammunition slots, the container
// window and the recruit slot share. An item and its count always travel together; a slot or a
// mouse whose id is 0 holds nothing, whatever its count byte says, and is written with count 0.
#include <cstdint>

#include "world/figur.h"
#include "world/itemslot.h"

constexpr int kMunition = 1028;       // O_Munition
constexpr int kMunitionMax = 99;

// Whether a left or right Shift key is down.
bool ShiftGehalten();

// The count of a slot, 0 for an empty one.
int SlotAnzahl(const ItemSlot& s);

// A click on slot s with the mouse: Shift takes one of a stackable item (up to its stack limit on
// the mouse), an equal stackable item merges (the rest stays on the mouse), anything else swaps.
void KlickeSlot(ItemSlot& s, bool shift);
// Swaps slot s with the mouse, id and count.
void TauscheMitMaus(ItemSlot& s);

// Uses one unit of the slot's item on figure f (food, drink, vessels, tins, books); true when
// something was used. Food is kept at most 10 and water at most 5.
bool BenutzeItem(ItemSlot& s, FigurRecord& f);

// The first empty place of a figure's bag (row 0, then row 1), or nullptr.
ItemSlot* ErsterFreierBeutelPlatz(FigurRecord& f);

// How an item is laid on the floor at (x, z): LegeAbgelegtesItem or LegeZurueckgegebenesItem.
using BodenAblage = int (*)(float x, float z, int16_t item, uint8_t anzahl);

// Whether LegeWeg finds a place for the slot's item (an empty slot always does).
bool FindetPlatz(const ItemSlot& slot, FigurRecord* beutel, const float* boden);
// Puts the slot's item away without losing it: into the first empty place of `beutel`'s bag (when
// given), else on the floor at boden (x and z of a position, when given) by `ablage`, else onto an
// empty mouse. The slot is emptied only when the item found a place; false when it found none.
bool LegeWeg(ItemSlot& slot, FigurRecord* beutel, const float* boden, BodenAblage ablage);

// Food and drink: what the use table eats or drinks (the books left out).
bool IstNahrungOderGetraenk(int itemId);

// The bag slot (column c = bag row, row r = slot) under the mouse at the panel's slide v, or null.
ItemSlot* BeutelSlotUnterMaus(FigurRecord& f, int32_t v);
