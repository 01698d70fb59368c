// The town stock panel's two slots: the water pump, which raises the town's water income, and the
// tool that decides which food the town produces. Items move between the slots and the mouse.
#include "framework/shell.h"
#include "framework/sound.h"
#include "framework/zeichnen.h"
#include "interaction/handler.h"
#include "world/figur_hilfen.h"

namespace {

// What comes onto the mouse: its count goes with it (1 for an item, 0 for none), so no count of
// an earlier item is left to be taken a second time.
void AufDieMaus(int32_t item)
{
    CursorItem = item;
    CursorItemAnzahl = item != 0 ? 1 : 0;
}

bool Gedrueckt(int x0, int x1, int32_t tooltip)
{
    if (!MausIn(x0, x1, 564, 607)) return false;
    TooltipNummer = tooltip;
    return MausLinksGedrueckt != 0 && AktuelleStadtRecord().Besitzer != 2;
}

}  // namespace

void StadtVorratPanel(int32_t)
{
    if (MausIn(318, 361, 361, 417)) TooltipNummer = 14;
    StadtRecord& stadt = AktuelleStadtRecord();
    if (Gedrueckt(281, 328, 12)) {
        MausLinksGedrueckt = 0;
        const int16_t neu = PumpenZufluss(CursorItem) > 0 ? int16_t(CursorItem) : 0;
        if (CursorItem == 0 || neu != 0) {
            SpieleSound(6);
            const int16_t alt = PumpenZufluss(stadt.Pumpe) > 0 ? stadt.Pumpe : 0;
            stadt.WasserZufluss = int16_t(stadt.WasserZufluss - PumpenZufluss(alt) + PumpenZufluss(neu));
            stadt.Pumpe = neu;
            AufDieMaus(alt);
        }
    }
    if (Gedrueckt(162, 208, 13)) {
        MausLinksGedrueckt = 0;
        const int16_t neu = int16_t(NahrungsTierVon(CursorItem));
        if (CursorItem == 0 || neu != 0) {
            SpieleSound(6);
            const int16_t werkzeug = int16_t(NahrungsWerkzeug(stadt.NahrungsTier));
            stadt.NahrungsTier = neu;
            AufDieMaus(werkzeug);
        }
    }
}
