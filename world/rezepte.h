#pragma once
// The 17 recipes of the technician's crafting panel, in the order the panel lists them: the item made,
// the level a member needs to see it, and up to six ingredients (0 = no ingredient).
#include <cstdint>

struct Rezept {
    int16_t Ergebnis;
    uint8_t Stufe;
    int16_t Zutaten[6];
};

constexpr int REZEPT_ANZAHL = 17;
extern const Rezept Rezepte[REZEPT_ANZAHL];

// Recipe j, or nullptr when j is no recipe (a saved choice or scroll can hold anything).
const Rezept* RezeptMitIndex(int32_t j);
// Whether recipe j exists and a member of level stufe may make it.
bool RezeptVerfuegbar(int32_t j, int32_t stufe);

// The largest crafting scroll a member of this level reaches (a level above 10 counts as 10).
int32_t RezeptScrollGrenze(int32_t stufe);
// The largest crafting scroll of any level: a saved scroll is brought into 0 .. this once, when read.
constexpr int32_t REZEPT_SCROLL_MAX = 16;
