#pragma once
// State of the in-town HUD. Not saved.
#include <cstdint>

// The tutorial's highlights blink with this counter, 0..19 (shown from 10 on). Not saved.
inline int32_t TutorialBlinkZaehler = 0;

// The hover test of the member page: the first of its six fields under the mouse sets TooltipNummer.
void PruefeHudKnoepfe();
// This frame's index of the squad figure in bar slot k (0..6), -1 when the slot holds none.
int32_t TruppSlotFigur(int32_t k);
