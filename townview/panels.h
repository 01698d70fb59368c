#pragma once
// State of the slide-in panels over the town view. Not saved.
#include <cstdint>

extern uint8_t MeldungsPanelAktiv;  // the game-over panel is open
extern int32_t InfoPanelZaehler;    // frames left of the panel announcing the beaten enemy army
