#include "townview/hint_panel.h"

#include <algorithm>
#include <iterator>

int32_t HinweisNummer = 0;
uint8_t HinweisGezeigt[kHinweisAnzahl] = {};
int32_t HinweisZeilenZaehler[7] = {};
int32_t HinweisPanelHoehe = 0;

void ZeigeHinweis(int32_t nummer) {
    if (nummer < 0 || nummer >= kHinweisAnzahl || HinweisGezeigt[nummer] != 0) return;
    HinweisSichtbar = 1;
    HinweisNummer = nummer;
    HinweisGezeigt[nummer] = 1;
    std::fill(std::begin(HinweisZeilenZaehler), std::end(HinweisZeilenZaehler), 0);
    HinweisPanelHoehe = 0;
}
