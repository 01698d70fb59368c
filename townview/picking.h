#pragma once
// The mouse ray against the boxes round figures and cells.
#include <cstdint>

// Whether the mouse ray hits the upright box of figure index i.
uint8_t MausUeberFigur(int32_t i);
// Whether the mouse ray hits the small box (+-4) round figure index i (floor items).
uint8_t PickeFigur(int32_t i);
// Whether the mouse ray hits the box of the cell at world (x, z): x +-5, z +-5, height 20.
uint8_t PickeFeld(int32_t x, int32_t z);
