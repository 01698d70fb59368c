#pragma once
// The sums of the trade table, worked out from the table itself.

// SzenenSumme (goods taken, at full value, once per slot) and VorratsPool (goods offered, at
// AngebotsWert with the factor 0.7), added up slot by slot in table order.
void BerechneHandelsSummen();
