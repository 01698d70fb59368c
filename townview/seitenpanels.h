#pragma once
// The four side panels of the command grid (game menu, town stock, crafting, equipment): they slide in
// from the left while BefehlsModus chooses them. Drawn by the HUD in its order.
#include <cstdint>

#include "world/figur_hilfen.h"

// BefehlsModus values of the panels and their slot in HudSchieber.
constexpr int32_t kModusSpielMenue = 5, kModusHerstellen = 4, kModusAusruestung = 8, kModusStadtVorrat = 7;
constexpr int32_t kPanelAussen = 384;  // where a panel sliding out comes to rest

// Moves a panel's offset 48 pixels towards 0 while its mode is chosen, else towards out (at most 384).
void SchiebePanel(int32_t& versatz, int32_t modus);

// The frames of all four panels with the game menu's and the town stock's contents.
void ZeichneSeitenpanels();
// The crafting panel's content for the selected member (null: none selected).
void ZeichneHerstellenInhalt(const FigurRecord* mitglied);
// The lit 3D model of the selected member on the equipment panel.
void ZeichneAusruestungsVorschau(const FigurRecord* mitglied);
// The six wear places of the equipment panel: where the worn item's icon is drawn, and the rectangle
// that shows its tooltip and takes the clicks that swap it with the item on the mouse.
struct TragePlatz {
    InventarPlatz platz;
    float x, y;
    int x0, x1, y0, y1;
};
inline constexpr TragePlatz kTragePlaetze[6] = {
    {Stiefel, 140, 550, 146, 198, 564, 596},  {Helm, 138, 365, 146, 198, 379, 412},
    {Hose, 297, 494, 306, 357, 510, 542},     {Koerper, 298, 421, 306, 357, 436, 468},
    {Getragen, 298, 367, 306, 357, 380, 412}, {Handschuhe, 140, 455, 146, 198, 469, 501},
};

// The worn items on the equipment panel, with their tooltips.
void ZeichneAusruestungsSlots(const FigurRecord& mitglied);
