#pragma once
// One place of an inventory, a container, the trade table or the offer slot. Stored in files.
#include <cstddef>
#include <cstdint>

struct ItemSlot {
    int16_t ItemId;      // 1000..1191, 0 = empty
    uint8_t ItemAnzahl;  // count
    uint8_t reserved;
};
static_assert(sizeof(ItemSlot) == 4);
static_assert(offsetof(ItemSlot, ItemId) == 0);
static_assert(offsetof(ItemSlot, ItemAnzahl) == 2);
static_assert(offsetof(ItemSlot, reserved) == 3);
