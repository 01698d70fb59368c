#pragma once
// State of the in-town HUD that the world simulation starts. Not saved.
#include <cstdint>

// The food stacks delivered by the last day's production and the countdown of their animation.
struct LieferAnimationsZustand {
    int32_t Anzahl;
    int32_t Countdown;
};
inline LieferAnimationsZustand LieferAnimation = {0, 0};
