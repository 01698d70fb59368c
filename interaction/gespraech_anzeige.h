#pragma once
// What the conversation and the trade screen share: the partner's portrait and name on the panel,
// an item slot with its count (the offer slot and the container window draw theirs with it too), a
// numbered answer row, and the active member.
#include <cstdint>

#include "world/records.h"

// Figure index i's portrait (rendered this frame) and first name at the panel's left.
void ZeichnePartnerKopf(int32_t i);

// An item's icon, 64 x 64 at (x, y), and its count at (zahlX, zahlY), 8 pixels further left from 10
// on. The count shows when above 1, and always for the vessels whose count is their filling.
void ZeichneSlotItem(const ItemSlot& slot, float x, float y, float zahlX, float zahlY);

// An answer row at (271, y): font 3 while the pointer is on it and it is active, else font 2.
// True when it was clicked, which consumes the left press.
bool Antwortzeile(const char* text, int32_t y, bool aktiv);

// The active squad member's record (see AktivesMitglied), or nullptr.
FigurRecord* AktivesMitgliedRecord();
