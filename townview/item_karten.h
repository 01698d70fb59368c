#pragma once
// Small 2D pieces of the HUD that the interaction screens draw too. They expect the 2D mode set.
#include <cstdint>

// One squad-bar slot: figure index i of this frame at horizontal offset x (slot k passes 4 + 83k).
void ZeichneFigurPanel(int32_t i, int32_t x);
// The card of item index k (item id - 1000): icon, name and description; an index outside the item
// table shows nothing.
void ZeichneItemInfo(int32_t k);
// Name and description of item index k as a tooltip; an index outside the item table shows nothing.
void ZeichneItemTooltip(int32_t k);
