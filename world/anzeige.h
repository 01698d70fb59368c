#pragma once
// What the simulation shows and says through the layers above it: the hint panel, the causes of a
// death for the game-over panel, floating texts and numbers over figures, the day's delivery
// animation and the phase of the spoken line. The world starts them here; the town view draws and
// advances them, the conversation and the scenes speak the lines. Not saved.
#include <cstdint>

#include "framework/frame.h"  // HinweisSichtbar

// The hint panel: which of the ten hints shows, which have been shown this game, and the panel's
// opening and typing counters.
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

// Why the own figure died (the game-over panel opens): no water, no food, in combat, contaminated town.
inline uint8_t Todesursachen[4] = {};

// Floating texts (a level gained) and numbers (damage dealt) that rise over a figure. The combat
// and the crafting panel fill a free slot; the town view draws and frees them.
struct SchwebeText {
    int32_t FigurId;
    uint8_t Aktiv;  // 1 = in use
    float Hoehe;
    float VersatzX;
};

struct SchwebeZahl {
    int32_t FigurId;
    int32_t Wert;  // > 0 = in use
    float Hoehe;
    float VersatzX;
};

inline SchwebeText SchwebeTexte[10];
inline SchwebeZahl SchwebeZahlen[99];

// Frees every floating text and number: a new game, a load and a journey start with none.
inline void LoescheSchwebeAnzeigen()
{
    for (SchwebeText& t : SchwebeTexte) t = {};
    for (SchwebeZahl& z : SchwebeZahlen) z = {};
}

// The food stacks delivered by the last day's production and the countdown of their animation.
struct LieferAnimationsZustand {
    int32_t Anzahl;
    int32_t Countdown;
};
inline LieferAnimationsZustand LieferAnimation = {0, 0};

// The spoken lines shared by the conversation, the trade, the close-up scenes and the tutorial:
// whoever starts a new line sets the phase to 0 (and the world does when a conversation ends).
inline int32_t GespraechsPhase = 0;
