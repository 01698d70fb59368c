#pragma once
// State of the frame dispatch (MyApp::Render) that other parts of the game read or start.
#include <cstdint>

extern int32_t SortierZaehler;         // frames until the next sort of the town objects
extern uint8_t WindSoundLaeuft;        // the looped wind sound (15) runs
extern uint8_t RegenSoundLaeuft;       // the looped rain sound (13) runs
extern int32_t ZeilenTimer[6];         // countdowns of the town frame's message lines (250 to start one)
extern uint8_t StadtBildGezeichnet;    // a whole town frame with its HUD has been drawn
extern uint8_t FigurLabelGezeigt;      // cleared before the figure loop of each town frame
extern uint8_t ItemListeGezeigt;

// Steps of the frame, exposed for tests.
// Sorts the town objects when the countdown runs out and the figures every town frame.
void SortiereStadt();
// The message lines at the top left of the town frame.
void ZeichneMeldungsZeilen();
// The squad-bar slot's figure id, or 32000 (no member) when AuswahlIndex is outside 0..6.
int32_t AusgewaehlteFigurId();
