#pragma once
// The game's one random generator for every gameplay draw: a linear congruential generator
// (seed * 214013 + 2531011, result (seed >> 16) & 0x7fff), start seed 1. The order of draws is
// behaviour, so nothing else may draw from it casually, and the C library's rand() is never used.
#include <cstdint>

int Zufall();                    // 0..32767
void ZufallSaat(uint32_t seed);  // tests and a new process start at seed 1
uint32_t ZufallZustand();        // the current seed (tests)
