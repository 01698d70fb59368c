#pragma once
// State of the in-town HUD that the world simulation starts. Not saved.
#include <cstdint>

// The food stacks delivered by the last day's production and the countdown of their animation.
struct LieferAnimationsZustand {
    int32_t Anzahl;
    int32_t Countdown;
};
inline LieferAnimationsZustand LieferAnimation = {0, 0};

// The tutorial's highlights blink with this counter, 0..19 (shown from 10 on). Not saved.
inline int32_t TutorialBlinkZaehler = 0;

// The hover test of the member page: the first of its six fields under the mouse sets TooltipNummer.
void PruefeHudKnoepfe();
// This frame's index of the squad figure in bar slot k (0..6), -1 when the slot holds none.
int32_t TruppSlotFigur(int32_t k);
