// The game menu panel of the command grid: the town view's way into the load, save, options,
// credits and quit screens, which come back to the town when left.
#include "framework/frame.h"
#include "framework/sound.h"
#include "framework/zeichnen.h"
#include "interaction/handler.h"
#include "interaction/tutorial.h"
#include "world/records.h"

namespace {

bool Gedrueckt(int y0, int y1) { return MausLinksGedrueckt != 0 && MausIn(211, 290, y0, y1); }

void Oeffne(int32_t modus)
{
    MausLinksGedrueckt = 0;
    MenueAusStadt = 1;
    SpielModus = modus;
}

}  // namespace

void SpielMenueKnoepfe(int32_t)
{
    if (Gedrueckt(427, 439)) Oeffne(8000);
    if (TutorialSchritt == 0 && Gedrueckt(446, 460)) {
        if (SonderOrt != 0) {
            // An encounter map's figures would be stored as the town's own.
            MausLinksGedrueckt = 0;
            ZeilenTimer[kSpeichernGesperrtZeile] = kZeilenDauer;
            SpieleSound(22);
        } else {
            Oeffne(7000);
        }
    }
    if (Gedrueckt(467, 479)) Oeffne(5000);
    if (Gedrueckt(487, 499)) Oeffne(2000);
    if (Gedrueckt(506, 519)) Oeffne(4000);
}
