// The container window of the container and well scenes: 10 x 10 slots of the cell's container,
// the well's water stock and its fill button, and the close button.
#include <cstdio>

#include "framework/font.h"
#include "framework/shell.h"
#include "framework/sound.h"
#include "framework/zeichnen.h"
#include "interaction/gespraech_anzeige.h"
#include "interaction/handler.h"
#include "interaction/inventar.h"
#include "interaction/szenen.h"
#include "interaction/tutorial.h"
#include "townview/item_karten.h"
#include "world/figur_hilfen.h"
#include "world/item_regeln.h"
#include "world/records.h"

namespace {

constexpr int kBrunnen = 5;

bool SlotUnterMaus(int c, int r) { return MausIn(209 + 52 * c, 260 + 52 * c, 191 + 32 * r, 222 + 32 * r); }

int Wasserstand() {
    const StadtRecord* stadt = StadtMitId(AktuelleStadt);
    return stadt ? stadt->Wasser : 0;
}

void Fuelle() {
    StadtRecord* stadt = StadtMitId(AktuelleStadt);
    const int fassung = WasserFassung(CursorItem);
    if (!stadt || fassung == 0) return;
    while (stadt->Wasser >= 1 && CursorItemAnzahl < fassung) {
        stadt->Wasser -= 1;
        CursorItemAnzahl += 1;
    }
}

}  // namespace

void SchliesseSzene() {
    InteraktionsModus = 0;
    for (int k = 0; k < 3; ++k) {
        Cam.Auge[k] = KameraKopie[k];
        Cam.Ziel[k] = KameraKopie[3 + k];
    }
}

int SzenenMitglied(int32_t i) {
    if (i >= 0 && i < FIGUREN_ANZAHL) return i;
    return AktiveFigurMitId(EintretendeFigur);
}

BehaelterInhalt* SzenenBehaelter() {
    const StadtFeld* feld = FeldBei(SzenenFeld[0], SzenenFeld[1]);
    return feld ? BehaelterMitIndex(feld->BehaelterIndex) : nullptr;
}

void BehaelterFenster(int32_t i) {
    if (MausLinksLosgelassen == 1 && MausIn(761, 822, 471, 492) && CursorItem == 0 && InteraktionsModus != 0) {
        MausLinksLosgelassen = 0;
        MausRechtsGedrueckt = 0;
        SchliesseSzene();
    }
    if (MausLinksLosgelassen == 1 && MausIn(764, 817, 368, 405)) {
        MausLinksLosgelassen = 0;
        if (InteraktionsModus != kBrunnen) return;
        SpieleSound(6);
        Fuelle();
    }
    // A cell beyond the 50 containers has no slots to click.
    if (BehaelterInhalt* b = InteraktionsModus != 0 ? SzenenBehaelter() : nullptr) {
        for (int c = 0; c < 10; ++c) {
            for (int r = 0; r < 10; ++r) {
                if (!SlotUnterMaus(c, r)) continue;
                ItemSlot& s = (*b)[c][r];
                if (MausLinksGedrueckt == 1) {
                    SpieleSound(24);
                    MausLinksGedrueckt = 0;
                    KlickeSlot(s, ShiftGehalten());
                } else if (MausRechtsGedrueckt == 1 && TutorialSchritt == 0) {
                    MausRechtsGedrueckt = 0;
                    // Only a selected member eats here, never the one who merely entered.
                    if (i >= 0 && i < FIGUREN_ANZAHL && BenutzeItem(s, Figuren[i])) SpieleSound(6);
                }
                c = r = 10;  // the first slot under the mouse takes the click
            }
        }
    }
    if (MausLinksLosgelassen == 1) MausLinksLosgelassen = 0;
}

void ZeichneBehaelterFenster() {
    const bool brunnen = InteraktionsModus == kBrunnen;
    ZeichneBild(116, 201, 8, 256, 256);
    ZeichneBild(117, 457, 8, 256, 256);
    ZeichneBild(119, 201, 264, 256, 256);
    ZeichneBild(120, 457, 264, 256, 256);
    ZeichneBild(brunnen ? 122 : 118, 713, 8, 256, 256);
    ZeichneBild(brunnen ? 123 : 121, 713, 264, 256, 256);
    const int stand = Wasserstand();
    if (brunnen) {
        const float hoehe = float(stand) * 72.0f / 25.0f;
        ZeichneBild(124, 818, 220.0f - float(stand - 25) * 72.0f / 25.0f, 8, hoehe);
    }
    char text[16];
    if (BehaelterInhalt* b = SzenenBehaelter()) {
        for (int c = 0; c < 10; ++c) {
            for (int r = 0; r < 10; ++r) {
                const ItemSlot& s = (*b)[c][r];
                if (!IstItemId(s.ItemId)) continue;
                ZeichneSlotItem(s, float(199 + 52 * c), float(175 + 32 * r), float(250 + 52 * c), float(206 + 32 * r));
                if (SlotUnterMaus(c, r)) ZeichneItemTooltip(s.ItemId - 1000);
            }
        }
    }
    if (brunnen) {
        std::snprintf(text, sizeof text, "%i", stand);
        ZeichneZentriert(text, 791, 384, 2);
    }
}
