// The town interaction's globals back to what a fresh process has: one more start in the same
// process (the tests, a benchmark) must not find the last game's map scroll, scene sway or spoken line.
#include "framework/services_interaction.h"
#include "interaction/reise.h"
#include "interaction/sprache.h"
#include "interaction/szenen.h"

void GrundzustandInteraktion()
{
    KartenAnimation = 0.0f;
    SzenenSchwankPhase = 0.0f;
    VergissZeile();
}
