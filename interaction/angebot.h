#pragma once
// The offer slot of the eat, drink and doctor scenes and the pool of points it fills.
#include <cstdint>

#include "world/figur.h"
#include "world/itemslot.h"

// Points an offered slot is worth at the factor: the counted foods, ammunition and medicine by their
// count, every other item by its value whatever its count; an empty slot 0. Worked out in double.
double AngebotsWert(const ItemSlot& s, double faktor);
// A click on an offer slot (a scene's, or the squad side of the trade table): the pool loses the
// slot's worth, the slot swaps with the mouse, and the pool gains the new worth, each step stored
// in the pool's single precision.
void NimmAngebot(ItemSlot& slot, double faktor);
// Choice 1: the offer is given away and the pool is spent on the squad in figure order, each member
// filled up to the cap and the rest passed on; what nobody could take stays in the pool.
void VerteilePool(int32_t FigurRecord::*wert, int32_t kappe);
// Choice 2: the offer goes back into the member's first free bag slot, else onto the floor at the
// member's feet, else (no free record, or no member) onto an empty mouse. False when none of these
// is possible: the offer stays and the scene stays open.
bool GibAngebotZurueck(int mitglied);
