#pragma once
// The tutorial's step: 0 no tutorial, 1..37 the steps, 99 the pause between its two parts.
#include <cstdint>

inline uint8_t TutorialSchritt = 0;

// Whether step n is one the continue strip advances (a click ends it).
bool TutorialKlickSchritt(int n);
