// The equipment panel: the six wear slots of the active member. Each item worn adds a fixed amount
// to the armour byte or to the contamination protection byte; swapping with the item on the mouse
// takes the old item's amount off and puts the new one's on.
#include "framework/shell.h"
#include "framework/sound.h"
#include "framework/zeichnen.h"
#include "interaction/handler.h"
#include "townview/seitenpanels.h"
#include "world/figur_hilfen.h"
#include "world/saturate.h"

namespace {

struct Schutz {
    int16_t item;
    uint8_t wert;
    bool abc;  // adds to ABCSchutz, else to Ruestung
};

struct PlatzSchutz {
    InventarPlatz platz;
    Schutz teile[5];  // item 0 ends the list
};

const PlatzSchutz kSchutz[] = {
    {Koerper, {{1025, 10, false}, {1026, 15, false}, {1027, 20, false}, {1083, 10, true}}},
    {Getragen, {{1017, 1, false}, {1190, 2, false}, {1086, 20, true}}},
    {Hose, {{1046, 5, false}, {1108, 6, false}, {1109, 7, false}, {1110, 8, false}, {1082, 10, true}}},
    {Helm, {{1044, 5, false}, {1106, 6, false}, {1103, 7, false}, {1107, 8, false}}},
    {Handschuhe, {{1047, 2, false}, {1114, 3, false}, {1115, 4, false}, {1116, 5, false}, {1085, 5, true}}},
    {Stiefel, {{1045, 3, false}, {1111, 4, false}, {1112, 5, false}, {1113, 6, false}, {1084, 5, true}}},
};

// What item gives when worn in place platz; null for an item that is not worn there.
const Schutz* SchutzVon(InventarPlatz platz, int32_t item)
{
    for (const PlatzSchutz& p : kSchutz) {
        if (p.platz != platz) continue;
        for (const Schutz& s : p.teile)
            if (s.item != 0 && s.item == item) return &s;
    }
    return nullptr;
}

void Aendere(FigurRecord& f, const Schutz* s, int vorzeichen)
{
    if (!s) return;
    uint8_t& byte = s->abc ? f.ABCSchutz : f.Ruestung;
    byte = SaettigeU8(int32_t(byte) + vorzeichen * int32_t(s->wert));
}

}  // namespace

void AusruestungPanel(int32_t i)
{
    if (i < 0 || i >= FIGUREN_ANZAHL) return;
    FigurRecord& f = Figuren[i];
    for (const TragePlatz& slot : kTragePlaetze) {
        if (MausLinksGedrueckt == 0 || BefehlsModus != 8 || !MausIn(slot.x0, slot.x1, slot.y0, slot.y1)) continue;
        MausLinksGedrueckt = 0;
        const Schutz* neu = SchutzVon(slot.platz, CursorItem);
        if (CursorItem != 0 && !neu) return;
        SpieleSound(23);
        ItemSlot& getragen = Platz(f, slot.platz);
        Aendere(f, neu, +1);
        Aendere(f, SchutzVon(slot.platz, getragen.ItemId), -1);
        const int32_t altesItem = getragen.ItemId, alteAnzahl = getragen.ItemAnzahl;
        getragen.ItemId = int16_t(CursorItem);
        getragen.ItemAnzahl = uint8_t(CursorItemAnzahl);
        CursorItem = altesItem;
        CursorItemAnzahl = alteAnzahl;
    }
}

void AusruestungKnopf(int32_t)
{
    if (!MausIn(62, 110, 602, 638)) return;
    TooltipNummer = 11;
    if (MausLinksGedrueckt == 0) return;
    MausLinksGedrueckt = 0;
    SpieleSound(6);
    if (BefehlsModus == 8) {
        BefehlsModus = 3;
        CursorIndex = 2;
    } else {
        BefehlsModus = 8;
    }
}
