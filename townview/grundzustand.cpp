// The town view's globals back to what a fresh process has: one more start in the same process
// (the tests, a benchmark) must not find the last game's panels, drops or floating texts.
#include <cstring>

#include "framework/services_townview.h"
#include "townview/floating_texts.h"
#include "townview/hint_panel.h"
#include "townview/hud.h"
#include "townview/message_panels.h"
#include "townview/weather.h"

void GrundzustandStadtansicht()
{
    LieferAnimation = {0, 0};
    TutorialBlinkZaehler = 0;
    std::memset(SchwebeTexte, 0, sizeof SchwebeTexte);
    std::memset(SchwebeZahlen, 0, sizeof SchwebeZahlen);
    std::memset(RegenTropfen, 0, sizeof RegenTropfen);
    HinweisNummer = 0;
    std::memset(HinweisGezeigt, 0, sizeof HinweisGezeigt);
    std::memset(HinweisZeilenZaehler, 0, sizeof HinweisZeilenZaehler);
    HinweisPanelHoehe = 0;
    std::memset(Todesursachen, 0, sizeof Todesursachen);
}
