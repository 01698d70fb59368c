#pragma once
// State of the in-town HUD that the world simulation starts. Not saved.
#include <cstdint>

// The food stacks delivered by the last day's production and the countdown of their animation.
struct LieferAnimationsZustand {
    int32_t Anzahl;
    int32_t Countdown;
};
inline LieferAnimationsZustand LieferAnimation = {0, 0};

// The tutorial's blink counter, 0..19: highlights show while it is 10 or more. The HUD and the
// tutorial both move it.
inline int32_t TutorialBlinkZaehler = 0;
