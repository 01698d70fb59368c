#pragma once
// The in-town interface controller: the top bar's skip buttons and portraits, the active member,
// and the chain of click handlers in the one order they run each frame, each under its gate.
#include <cstdint>

#include "world/figur.h"

// One link of the chain: the handler (given the active member's index, 32000 = none) and the
// gate that must be open for it to run this frame.
struct KettenGlied {
    const char* name;
    void (*handler)(int32_t aktiv);
    bool (*tor)(int32_t aktiv);
};
extern const KettenGlied HandlerKette[];
extern const int kHandlerKettenLaenge;

// The active member's record index: the squad member in use whose id the squad bar's active slot
// holds; 32000 when the slot is empty, names no slot, or no squad member has that id.
int32_t AktivesMitglied();

// Clears the six mouse-button flags (not the middle button's mouse-look).
void LoescheMausKnoepfe();

// The camera over a figure: the portrait and squad-bar double clicks.
void KameraUeberFigur(const FigurRecord& f);

// The long skip of time: 14,000 ticks of the moving figures, the world and the day with its
// progress bar; messages are pumped at each redraw of the bar (their input dropped) and a quit ends it.
void LangerZeitsprung();
