#pragma once
// Spawning: townsfolk and, in an enemy-held town or on an encounter map, hostiles on random free
// walkable cells of the current town, then the fixed figure of every trader cell with its stock.
#include <cstdint>

void ErzeugeFiguren(int32_t bewohner, int32_t feinde);
