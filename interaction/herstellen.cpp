// The crafting panel of the technician: scrolling the recipes within the member's level, choosing
// one, and the craft button, which makes it and raises the member's level after enough crafts.
#include "interaction/herstellen.h"

#include <algorithm>

#include "framework/zeichnen.h"
#include "interaction/handler.h"
#include "platform/random.h"
#include "world/anzeige.h"
#include "world/records.h"
#include "world/saturate.h"

namespace {

constexpr int32_t kMaxStufe = 10;

bool Gedrueckt(int x0, int x1, int y0, int y1)
{
    if (MausLinksGedrueckt == 0 || !MausIn(x0, x1, y0, y1)) return false;
    MausLinksGedrueckt = MausLinksDoppelklick = MausLinksLosgelassen = 0;
    return true;
}

void StufeAufstieg(FigurRecord& f)
{
    if (f.Erfahrung < 3 * f.Stufe || f.Stufe >= kMaxStufe) return;
    f.Erfahrung = 0;
    f.Stufe += 1;
    for (SchwebeText& t : SchwebeTexte) {
        if (t.Aktiv != 0) continue;
        t.FigurId = f.Id;
        t.Aktiv = 1;
        t.Hoehe = 20.0f;
        t.VersatzX = float(Zufall() % 20 - 10);
        return;
    }
}

}  // namespace

void RezeptHerstellen(int32_t i, const Rezept& r)
{
    if (i < 0 || i >= FIGUREN_ANZAHL) return;
    FigurRecord& f = Figuren[i];
    ItemSlot* rucksack = &f.Inventar[0][0];  // rows 0 and 1: the 12 backpack slots in order
    for (int16_t zutat : r.Zutaten) {
        if (zutat == 0) continue;
        if (std::none_of(rucksack, rucksack + 12, [&](const ItemSlot& s) { return s.ItemId == zutat; })) return;
    }
    bool genommen[6] = {};
    for (int s = 0; s < 12; ++s) {
        for (int p = 0; p < 6; ++p) {
            if (genommen[p] || r.Zutaten[p] == 0 || rucksack[s].ItemId != r.Zutaten[p]) continue;
            rucksack[s].ItemId = 0;
            rucksack[s].ItemAnzahl = 0;
            genommen[p] = true;
        }
    }
    f.Erfahrung = SaettigeU8(f.Erfahrung + 1);
    for (int s = 0; s < 12; ++s) {
        if (rucksack[s].ItemId != 0) continue;
        rucksack[s].ItemId = r.Ergebnis;
        rucksack[s].ItemAnzahl = 0;
        return;
    }
}

void HerstellenPanel(int32_t i)
{
    if (i < 0 || i >= FIGUREN_ANZAHL) return;
    FigurRecord& f = Figuren[i];
    if (Gedrueckt(141, 158, 395, 432)) {
        if (RezeptScroll > 0) RezeptScroll -= 1;
        return;
    }
    if (Gedrueckt(346, 419, 395, 432)) {
        if (RezeptScroll < RezeptScrollGrenze(f.Stufe)) RezeptScroll += 1;
        return;
    }
    if (Gedrueckt(222, 282, 488, 508)) {
        if (RezeptVerfuegbar(RezeptWahl, std::min<int32_t>(f.Stufe, kMaxStufe)))
            RezeptHerstellen(i, *RezeptMitIndex(RezeptWahl));
        StufeAufstieg(f);
        return;
    }
    for (int p = 0; p < 3; ++p) {
        if (Gedrueckt(173 + 51 * p, 224 + 51 * p, 398, 429)) {
            RezeptWahl = RezeptScroll + p;
            return;
        }
    }
}
