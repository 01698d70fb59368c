#include "townview/panels.h"

uint8_t MeldungsPanelAktiv = 0;
int32_t InfoPanelZaehler = 0;
