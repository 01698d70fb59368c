#pragma once
// Extra world ticks run inside one frame: the skip-time buttons and the Space key fast-forward
// the town by calling the figures, the world logic and the day cycle several times in a row.
#include <cstdint>

// Which figure records a tick updates.
enum class TickFiguren {
    Alle,      // every record in index order
    Bewegte,   // the squad, hostiles, and townsfolk in a fight (the long skip)
};

// One extra tick: the chosen figures in index order, then the world logic (when mitWelt), then
// the day cycle.
void ZusatzTick(TickFiguren figuren, bool mitWelt);
// n such ticks in a row.
void ZusatzTicks(int32_t n, TickFiguren figuren, bool mitWelt);
