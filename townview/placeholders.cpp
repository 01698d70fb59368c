// Stand-ins for the town view until it is built: they draw and change nothing.
#include "framework/services_townview.h"
#include "framework/szene.h"
#include "townview/item_karten.h"
#include "townview/picking.h"
#include "townview/vorschau.h"

void Szene::AktualisiereMausFeld() {}
void Szene::SetzeFigurLichter() {}
void Szene::ZeichneBoden() {}
void Szene::ZeichneBodenTile(int32_t, int32_t, uint8_t) {}
void Szene::ZeichneStadtObjekte() {}
void Szene::ZeichneVegetation() {}
void Szene::ZeichneEffekte() {}
void Szene::ZeichneFiguren() {}
void Szene::ZeichneFigurModell(int32_t) {}
void Szene::RendereFigurSchatten() {}
void Szene::RendereObjektSchatten() {}
void Szene::ErstelleVorschauTexturen() {}
void Szene::ZeichneHorizont() {}
void Szene::ZeichneRand() {}
void Szene::ZeichneDrehobjekte() {}
void Szene::ZeichneWetter() {}
void Szene::ZeichneFeldMarker() {}

void ErstelleSchattenTexture() {}
void ZeichneDetailBoden() {}
void ZeichneWolkenSchicht() {}
void ZeichneNebelSchicht() {}
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

void RenderePortrait(int32_t) {}
void RendereModellVorschau(int32_t) {}
uint8_t MausUeberFigur(int32_t) { return 0; }
uint8_t PickeFigur(int32_t) { return 0; }
uint8_t PickeFeld(int32_t, int32_t) { return 0; }
void ZeichneFigurPanel(int32_t, int32_t) {}
void ZeichneItemInfo(int32_t) {}
void ZeichneItemTooltip(int32_t) {}
