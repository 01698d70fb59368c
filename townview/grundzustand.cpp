// The town view's globals back to what a fresh process has: one more start in the same process
// (the tests, a benchmark) must not find the last game's tutorial blink or rain drops.
#include <cstring>

#include "framework/services_townview.h"
#include "townview/hud.h"
#include "townview/weather.h"

void GrundzustandStadtansicht()
{
    TutorialBlinkZaehler = 0;
    std::memset(RegenTropfen, 0, sizeof RegenTropfen);
}
