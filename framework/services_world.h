#pragma once
// World-simulation steps that the town frame runs. Defined in world/.
#include <cstdint>

// One tick of figure record i.
void AktualisiereFigur(int32_t i);
// One tick of the day cycle.
void AktualisiereTageslauf();
