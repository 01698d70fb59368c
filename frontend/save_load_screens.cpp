// The save screen (modes 7000..7018) and the load screen (8000): the 18 save slots by name. A click
// on the save screen types a slot's name (7001 + k, the keyboard handler edits it), a double click
// saves into the slot; a click on the load screen loads a named slot into the town view.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "framework/font.h"
#include "framework/frame.h"
#include "framework/items.h"
#include "framework/services_frontend.h"
#include "framework/szene.h"
#include "framework/texte.h"
#include "frontend/screen_frame.h"
#include "world/anzeige.h"
#include "world/records.h"
#include "world/save_load.h"
#include "world/sky.h"

namespace {

constexpr MenueKnopf kZurueckKnopf = {0, 399, 630, 400, 620, 631, 660, true};
constexpr MenueKnopf kBeendenKnopf = {1, 399, 680, 400, 620, 681, 710, true};

const char* Text(int eintrag) { return TextStandard[eintrag]; }

bool MausAufSlot(int k) { return MausIn(385, 632, 165 + 25 * k, 186 + 25 * k); }

// Only a name of two characters or more can be saved into or loaded.
bool Benannt(int k) { return strnlen(SpeicherSlotNamen[k], TEXT_LAENGE) >= 2; }

// What both screens draw first: backdrop, title and the slots' name fields.
void SlotSeite(int titel)
{
    ZeigeLadebildschirm();
    Szene.Setze2DModus();
    MenueSeitenVersatz = 576;
    ZeichneBild(252, 368, 100, 288, 52);
    ZeichneZentriert(Text(titel), 512, 114, 1);
    ZeichneBanner();
    for (int k = 0; k < SPEICHERSLOTS_ANGEBOTEN; ++k) ZeichneBild(164, 384, 165.0f + 25.0f * k, 256, 32);
}

// The names, the one being typed with its cursor, then the one under the pointer once more in the
// highlight font.
void SlotNamen()
{
    char name[TEXT_LAENGE + 2];
    auto text = [&](int k) {
        std::snprintf(name, sizeof name, SpielModus == 7001 + k ? "%.*s-" : "%.*s", TEXT_LAENGE - 1,
                      SpeicherSlotNamen[k]);
        return name;
    };
    for (int k = 0; k < SPEICHERSLOTS_ANGEBOTEN; ++k) ZeichneSchrift(text(k), 387, 169.0f + 25.0f * k, 2);
    for (int k = 0; k < SPEICHERSLOTS_ANGEBOTEN; ++k)
        if (MausAufSlot(k)) ZeichneSchrift(text(k), 387, 169.0f + 25.0f * k, 3);
}

void Zurueck()
{
    MausLinksGedrueckt = 0;
    MausRechtsGedrueckt = 0;
    MenueZaehlerNullen(true);
    ZurueckAusMenue();
}

void Laden(int k)
{
    SetzeCursor(5);
    MausLinksGedrueckt = 0;
    // A missing or damaged slot is refused with a message before anything changes.
    if (!SpielLaden(SlotOrdner(k))) return;
    MeldungsPanelAktiv = 0;
    HinweisSichtbar = 0;
    HinweisNummer = 1;
    std::fill(std::begin(HinweisGezeigt), std::end(HinweisGezeigt), uint8_t(1));
    // The town's map comes from its static file, not the encounter's, and the figures set aside
    // for an encounter are not saved: a save is always back in its town.
    SonderOrt = 0;
    Schwierigkeitsgrad = std::clamp(Schwierigkeitsgrad, 0, 2);
    StadtNachLaden();
    VerteileWolken();
    SetzeCursor(2);
    LadeItems("Items.txt");
    SpielModus = 1000;
}

}  // namespace

void SpielSpeichernBildschirm()
{
    SlotSeite(55);
    const MenueKnopf knoepfe[2] = {kZurueckKnopf, kBeendenKnopf};
    MenueKnoepfeZeichnen(knoepfe, 2);
    MenueKnopfTesten(kZurueckKnopf, [] {
        // A name typed but not saved is dropped.
        LiesSlotNamen();
        Zurueck();
    });
    MenueKnopfTesten(kBeendenKnopf, [] {
        // The quit confirmation reads MenueAusStadt: it is left as it is.
        MausLinksGedrueckt = 0;
        SpielModus = 4000;
        MenueZaehlerNullen(true);
    });
    ZeichneZentriert(Text(52), 512, 639, 2);
    ZeichneZentriert(Text(23), 512, 689, 2);
    SlotNamen();

    for (int k = 0; k < SPEICHERSLOTS_ANGEBOTEN; ++k) {
        if (MausLinksGedrueckt == 1 && MausAufSlot(k)) {
            MausLinksGedrueckt = 0;
            SpielModus = 7001 + k;
        }
    }
    for (int k = 0; k < SPEICHERSLOTS_ANGEBOTEN; ++k) {
        if (MausLinksDoppelklick != 1 || !MausAufSlot(k)) continue;
        MausLinksDoppelklick = 0;
        SpielModus = 7001 + k;
        if (!Benannt(k)) continue;
        SpielModus = 7000;
        SpeichereSlot(k);
    }
}

void SpielLadenBildschirm()
{
    SlotSeite(56);
    MenueKnoepfeZeichnen(&kZurueckKnopf, 1);
    MenueKnopfTesten(kZurueckKnopf, Zurueck);
    ZeichneZentriert(Text(52), 512, 639, 2);
    SlotNamen();

    for (int k = 0; k < SPEICHERSLOTS_ANGEBOTEN; ++k) {
        if (MausLinksGedrueckt == 1 && MausAufSlot(k) && Benannt(k)) {
            Laden(k);
            return;
        }
    }
}
