#pragma once
// Choices of the new-game screen that outlive it (not saved; they keep their values for the run).
#include <cstdint>

// The three appearance sliders of the own figure, each 0..9.
inline int32_t AussehenWahl[3] = {};
