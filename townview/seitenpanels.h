#pragma once
// The four side panels of the command grid (game menu, town stock, crafting, equipment): they slide in
// from the left while BefehlsModus chooses them. Drawn by the HUD in its order.
#include <cstdint>

#include "world/figur.h"

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
// The worn items on the equipment panel, with their tooltips.
void ZeichneAusruestungsSlots(const FigurRecord& mitglied);
