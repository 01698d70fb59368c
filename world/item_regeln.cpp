#include "world/item_regeln.h"

namespace {

struct ItemRegel {
    int id;
    int stapel;   // stack limit, 0 = does not stack
    int fassung;  // water units, 0 = not a vessel
};

constexpr ItemRegel kRegeln[] = {
    {1008, 9, 0},  // O_Fleisch
    {1013, 3, 0},  // O_Maden
    {1006, 7, 0},  // O_Brot
    {1191, 5, 0},  // O_Ratte_Neu
    {1036, 5, 0},  // O_Ratte
    {1037, 7, 0},  // O_Schlange
    {1007, 0, 3},  // O_Feldflasche
    {1012, 0, 2},  // O_Leere_Flasche
    {1038, 0, 4},  // O_Wassersack
    {1001, 0, 5},  // O_Bezinkansiter
};

const ItemRegel* Regel(int itemId) {
    for (const ItemRegel& r : kRegeln)
        if (r.id == itemId) return &r;
    return nullptr;
}

}  // namespace

int StapelGrenze(int itemId) {
    const ItemRegel* r = Regel(itemId);
    return r ? r->stapel : 0;
}

int WasserFassung(int itemId) {
    const ItemRegel* r = Regel(itemId);
    return r ? r->fassung : 0;
}
