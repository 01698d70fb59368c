#include "world/item_regeln.h"

namespace {

struct ItemRegel {
    int id;
    int anzahl;    // the count it comes with
    bool stapelt;  // merges up to that count
    int fassung;   // water units, 0 = not a vessel
};

constexpr ItemRegel kRegeln[] = {
    {1000, 30, false, 0},  // O_Arzt_Koffer
    {1001, 0, false, 5},   // O_Bezinkansiter
    {1003, 12, false, 0},  // O_Dosennahrung
    {1006, 7, true, 0},    // O_Brot
    {1007, 0, false, 3},   // O_Feldflasche
    {1008, 9, true, 0},    // O_Fleisch
    {1012, 0, false, 2},   // O_Leere_Flasche
    {1013, 3, true, 0},    // O_Maden
    {1019, 4, false, 0},   // O_Thunfisch
    {1022, 15, false, 0},  // O_Verbandskasten
    {1028, 30, false, 0},  // O_Munition
    {1036, 5, true, 0},    // O_Ratte
    {1037, 7, true, 0},    // O_Schlange
    {1038, 0, false, 4},   // O_Wassersack
    {1087, 2, false, 0},   // O_Wodka
    {1092, 2, false, 0},   // O_Bier
    {1191, 5, true, 0},    // O_Ratte_Neu
};

const ItemRegel* Regel(int itemId) {
    for (const ItemRegel& r : kRegeln)
        if (r.id == itemId) return &r;
    return nullptr;
}

}  // namespace

int StapelGrenze(int itemId) {
    const ItemRegel* r = Regel(itemId);
    return r && r->stapelt ? r->anzahl : 0;
}

int WasserFassung(int itemId) {
    const ItemRegel* r = Regel(itemId);
    return r ? r->fassung : 0;
}

int VolleAnzahl(int itemId, int sonst) {
    const ItemRegel* r = Regel(itemId);
    return r ? r->anzahl : sonst;
}

bool ZeigtAnzahlImmer(int itemId) {
    return WasserFassung(itemId) > 0 || itemId == 1087 || itemId == 1092;
}
