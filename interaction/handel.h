#pragma once
// The sums of the trade table. They follow the clicks one by one; this works them out from the table
// itself, for a table that an answer could not clear.

// SzenenSumme (goods taken, at full value, once per slot) and VorratsPool (goods offered, at
// AngebotsWert with the factor 0.7), added up slot by slot in table order.
void BerechneHandelsSummen();
