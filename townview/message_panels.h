#pragma once
// State of the slide-in panels: the game-over panel opens when the player's own figure dies.
#include <cstdint>

inline uint8_t MeldungsPanelAktiv = 0;
// Why the own figure died: no water, no food, in combat, contaminated town.
inline uint8_t Todesursachen[4] = {};
