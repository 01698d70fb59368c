#pragma once
// The towns' daily economy: stocks of every town, and the current town's production.

#include "world/figur.h"

// New-day update of all 30 town records: days held, water, food.
void TaeglicheStadtWerte();
// New-day production in the current town: wells filled, food stacks delivered, the garrison fed
// and a stationed collector's trade-up.
void TaeglicheProduktion();

// A member's hunger and thirst below 0 are met from the backpack (drinks first in each slot, an
// eaten-up food leaves its slot); every unit still missing costs 10 health.
void VersorgeAusGepaeck(FigurRecord& f);
