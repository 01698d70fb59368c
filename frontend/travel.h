#pragma once
// Travel between the towns of the world map, and the encounter maps on the way.
#include <cstdint>

#include "world/figur.h"

// The party's journey from the town in memory to town ziel at world cell (spalte, reihe), tage
// days away (the world map's route). The town left keeps its garrison in its working copy, the
// squad goes along, the days pass, and one journey in three to a clean town the enemy does not
// hold ends on an encounter map. Refused with a message, changing nothing, when the destination's
// working copy or map is missing or damaged, and on an encounter map. True when the party arrived.
bool Reise(int ziel, int spalte, int reihe, int tage);

// The party enters an encounter map (attack, hermit or caravan) on its way to the town in memory;
// the town's own records wait in BegegnungsFiguren.
void BetreteBegegnung();

// A record for a figure that must not be lost: the first free one, else a move marker's or a
// particle emitter's, taken over; -1 only when every record holds something else.
int PlatzFuerFigur();
