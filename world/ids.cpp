#include "world/ids.h"

int32_t ItemWert(int id) { return IstItemId(id) ? ItemWerte[id - ERSTE_ITEM_ID] : 0; }

const char* ItemName(int id) { return IstItemId(id) ? ItemNamen[id - ERSTE_ITEM_ID] : ""; }

const char* ItemText(int id) { return IstItemId(id) ? ItemTexte[id - ERSTE_ITEM_ID] : ""; }


const char* MaennerName(int index) { return IstNamensIndex(index) ? MaennerNamen[index] : ""; }

StadtRecord* StadtMitId(int id) { return IstStadtId(id) ? &StadtTabelle[id] : nullptr; }

BehaelterInhalt* BehaelterMitIndex(int index) {
    return IstBehaelterIndex(index) ? &Behaelter[index] : nullptr;
}
