#pragma once
// State of the hint panel: which of the ten hints shows, which have been shown this game, and the
// panel's opening and typing counters.
#include <cstdint>

#include "framework/frame.h"  // HinweisSichtbar

inline int32_t HinweisNummer = 0;           // 1..10, 0 none
inline uint8_t HinweisGezeigt[20] = {};     // by hint number, 1 = already shown this game
inline int32_t HinweisZeilenZaehler[7] = {};
inline int32_t HinweisPanelHoehe = 0;

// Shows hint n unless it has been shown before in this game; it opens and types out afresh.
inline void ZeigeHinweis(int n) {
    if (n < 0 || n >= 20 || HinweisGezeigt[n] != 0) return;
    HinweisSichtbar = 1;
    HinweisNummer = n;
    HinweisGezeigt[n] = 1;
    for (int32_t& z : HinweisZeilenZaehler) z = 0;
    HinweisPanelHoehe = 0;
}
