#pragma once
// State of the hint panel: which hint shows, which have been shown in this game, and how far the
// panel has opened and typed its lines. Not saved.
#include <cstdint>

#include "framework/frame.h"  // HinweisSichtbar

constexpr int kHinweisAnzahl = 20;

extern int32_t HinweisNummer;                         // 1..10, 0 = none
extern uint8_t HinweisGezeigt[kHinweisAnzahl];        // by hint number
extern int32_t HinweisZeilenZaehler[7];               // characters typed per line
extern int32_t HinweisPanelHoehe;                     // body height of whichever panel is open

// Shows hint n the first time in a game: opens the panel afresh and marks the hint as shown.
// A hint already shown (or a number outside the table) does nothing.
void ZeigeHinweis(int32_t nummer);
