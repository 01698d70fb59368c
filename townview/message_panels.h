#pragma once
// State of the slide-in panels: the game-over panel opens when the player's own figure dies.
#include <cstdint>

#include "framework/frame.h"  // MeldungsPanelAktiv

// Why the own figure died: no water, no food, in combat, contaminated town.
inline uint8_t Todesursachen[4] = {};
