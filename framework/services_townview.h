#pragma once
// Passes and overlays of the town view that the town frame runs besides the Szene operations.
// Defined in townview/.
#include <cstdint>

// Render targets, created once at start-up.
void ErstelleSchattenTexture();

// Layers and overlays of the town frame, in the order it runs them.
void ZeichneDetailBoden();
void ZeichneWolkenSchicht();
void ZeichneNebelSchicht();
void ZeichneAuswahlRahmen();
void ZeichneFeldName();
void ZeichneEnergie(int32_t i);
// Figure i's label; y offsets the floor-item list. 16 when it handled a floor item, else 0.
int32_t ZeichneFigurLabel(int32_t i, int32_t y);
void StadtbewohnerSprueche(int32_t i);
void ZeichneSchwebeZahlen();
void ZeichneSchwebeTexte();
void ZeichneHinweisPanel();
void ZeichneMeldungsPanel();
void ZeichneInfoPanel();
void ZeichneMeldungsPanel2();
void ZeichneHud();
void ZeichneTooltip();

// Every global of the town view as a fresh process has it (the program's start runs it).
void GrundzustandStadtansicht();
