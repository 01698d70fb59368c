#pragma once
// The sums of the trade table, worked out from the table itself.
#include "world/itemslot.h"

// What an item offered by the squad is worth: 0.7 of its value, or 0.7 a piece for stackable goods.
double HandelsWertTrupp(const ItemSlot& s);
// SzenenSumme (goods taken, at full value, once per slot) and VorratsPool (goods offered), added up
// slot by slot in table order.
void BerechneHandelsSummen();
