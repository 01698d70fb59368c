// Stand-ins for the town view until it is built: they draw and change nothing.
#include "framework/services_townview.h"
#include "townview/item_karten.h"

void ZeichneAuswahlRahmen() {}
void ZeichneFeldName() {}
void ZeichneEnergie(int32_t) {}
int32_t ZeichneFigurLabel(int32_t, int32_t) { return 0; }
void StadtbewohnerSprueche(int32_t) {}
void ZeichneSchwebeZahlen() {}
void ZeichneSchwebeTexte() {}
void ZeichneHinweisPanel() {}
void ZeichneMeldungsPanel() {}
void ZeichneInfoPanel() {}
void ZeichneMeldungsPanel2() {}
void ZeichneHud() {}
void ZeichneTooltip() {}

void ZeichneFigurPanel(int32_t, int32_t) {}
void ZeichneItemInfo(int32_t) {}
void ZeichneItemTooltip(int32_t) {}
