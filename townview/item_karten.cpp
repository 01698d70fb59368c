// A squad-bar slot with its live portrait, an item's card and an item's tooltip.
#include "townview/item_karten.h"

#include <algorithm>
#include <cstdio>

#include "framework/font.h"
#include "framework/myapp.h"
#include "framework/szene.h"
#include "framework/zeichnen.h"
#include "townview/hud_teile.h"
#include "townview/vorschau.h"
#include "world/ids.h"
#include "world/records.h"

namespace {

// Activity icon by state: level texture and x offset; texture -1 for none.
struct Taetigkeit {
    int32_t textur, dx;
};
Taetigkeit TaetigkeitsIcon(int32_t zustand)
{
    switch (zustand) {
    case 1: return {202, 380};
    case 7: case 8: case 10: case 11: case 12: case 13: case 14: case 15: return {203, 385};
    case 2: return {204, 385};
    case 9: return {205, 385};
    case 6: return {206, 385};
    case 3: return {207, 385};
    default: return {-1, 0};
    }
}

// Name and description of an item, each cut to its 256-byte field (a save need not end them in a 0).
struct ItemWorte {
    char name[256], text[256];
};
ItemWorte ItemWorteVon(int32_t id)
{
    ItemWorte w;
    std::snprintf(w.name, sizeof w.name, "%.*s", 255, ItemName(id));
    std::snprintf(w.text, sizeof w.text, "%.*s", 255, ItemText(id));
    return w;
}

}  // namespace

void ZeichneFigurPanel(int32_t i, int32_t x)
{
    if (i < 0 || i >= FIGUREN_ANZAHL) return;
    const FigurRecord& f = Figuren[i];
    ZeichneBild(10, x + 373.0f, 693, 83, 86);
    if (f.Gesundheit < 1) {
        ZeichneBild(245, x + 384.0f, 695, 64, 64);
        return;
    }
    ZeichnePortrait(i, x + 367.0f, 695);

    const int32_t h = f.Gesundheit;
    ZeichneBild(10, x + 438.0f, 696, 8, 62);
    ZeichneBild(9, x + 438.0f, 696.0f - static_cast<float>((h - 100) * 62) / 100.0f, 8,
                static_cast<float>(h * 62) / 100.0f);

    const Taetigkeit t = TaetigkeitsIcon(f.Zustand);
    if (t.textur >= 0) ZeichneBild(t.textur, static_cast<float>(x + t.dx), 696, 16, 16);
    if (f.Stationiert == 1) ZeichneBild(183, x + 382.0f, 745, 16, 16);
    if (MausIn(x + 385, x + 451, 695, 759)) ZeichneZentriert(FigurName(f).text, x + 413, 663, 2);
}

void ZeichneItemInfo(int32_t k)
{
    const int32_t id = k + ERSTE_ITEM_ID;
    if (!IstItemId(id)) return;
    const ItemWorte worte = ItemWorteVon(id);
    ZeichneItemIcon(id, 220, 503, 64, 64);
    ZeichneSchrift(worte.name, 145, 561, 0);
    ZeichneSchrift(worte.text, 145, 577, 2);
}

void ZeichneItemTooltip(int32_t k)
{
    const int32_t id = k + ERSTE_ITEM_ID;
    if (!IstItemId(id)) return;
    const ItemWorte worte = ItemWorteVon(id);
    const int32_t w = std::max(SchriftBreite(worte.text, 2), SchriftBreite(worte.name, 0));
    ZeichneBild(0, 126, 578, static_cast<float>(w + 10), 64);
    ZeichneSchrift(worte.name, 132, 581, 0);
    ZeichneSchrift(worte.text, 132, 597, 2);
}
