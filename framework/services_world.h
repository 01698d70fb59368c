#pragma once
// World-simulation steps that the town frame runs. Defined in world/.
#include <cstdint>

// One tick of figure record i.
void AktualisiereFigur(int32_t i);
// One tick of the day cycle.
void AktualisiereTageslauf();

// Every record and global of the world as a fresh process has them (the program's start runs it).
void GrundzustandWelt();
