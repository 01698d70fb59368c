#pragma once
// State of the frame dispatch (MyApp::Render) that other parts of the game read or start, and the
// interface values of the town view and the editor that the dispatch and the main loop test.
#include <cstdint>

#include "platform/os.h"

extern int32_t SortierZaehler;         // frames until the next sort of the town objects
extern uint8_t WindSoundLaeuft;        // the looped wind sound (15) runs
extern uint8_t RegenSoundLaeuft;       // the looped rain sound (13) runs
extern int32_t ZeilenTimer[6];         // countdowns of the town frame's message lines, by the indexes below
extern uint8_t StadtBildGezeichnet;    // a whole town frame with its HUD has been drawn
extern uint8_t FigurLabelGezeigt;      // cleared before the figure loop of each town frame
extern uint8_t ItemListeGezeigt;
extern int32_t TooltipModus;           // the mode and close-up scene of the last frame (-1: none yet):
extern int32_t TooltipSzene;           // a change of either closes the tooltip

// The message lines: a hunter's catch, an attack on the road, saving refused on an encounter map, the
// hermit, the caravan, a new day. A line shows while its timer counts down from kZeilenDauer.
constexpr int kJagdZeile = 0, kAngriffZeile = 1, kSpeichernGesperrtZeile = 2, kEinsiedlerZeile = 3,
              kKarawaneZeile = 4, kNeuerTagZeile = 5;
constexpr int32_t kZeilenDauer = 250;

extern uint8_t MeldungsPanelAktiv;     // the game-over panel is open
extern int32_t InfoPanelZaehler;       // frames left of the panel announcing the beaten enemy army
extern uint8_t HinweisSichtbar;        // the hint panel is shown
extern uint8_t EditorAktiv;            // the town editor runs
extern int32_t EditorWerkzeug;         // the editor's tool, 0..8
extern int32_t EditorObjekt;           // what the tool places (its meaning depends on the tool)
extern int32_t EditorDrehung;          // rotation step of what is placed, 0..7
extern uint8_t TutorialSchritt;        // 0 no tutorial, 1..37 the steps, 99 the pause between its two parts

// The seven cursors (0 blank, 1 heal, 2 normal, 3 attack, 4 talk, 5 hourglass, 6 rotate), filled
// by the loading sequence; CursorIndex selects one each frame.
constexpr int kCursorAnzahl = 7;
extern os::Cursor CursorTabelle[kCursorAnzahl];
// The cursor of CursorIndex; an index from a save outside 0..6 gives the normal cursor (2).
os::Cursor AktuellerCursor();
// CursorIndex = index, and that cursor shown at once (for long steps inside one frame).
void SetzeCursor(int32_t index);

// The one screen a game mode runs, and when the music step runs around it.
struct Bildschirm {
    enum class Musik { Keine, Davor, Danach };
    void (*zeichne)() = nullptr;  // null: the mode draws nothing
    Musik musik = Musik::Keine;
};
Bildschirm BildschirmFuerModus(int32_t spielModus);
// The town frame (modes 1000 and 10000): the world's tick and the town's picture.
void StadtFrame();
// True in the two town modes: 1000, and 10000 while a conversation screen is open.
bool IstStadtModus();
// Mode 9000: the world map, then the tooltip.
void LandkartenMitTooltip();

// Steps of the frame, exposed for tests.
// Sorts the town objects when the countdown runs out and the figures every town frame.
void SortiereStadt();
// The message lines at the top left of the town frame.
void ZeichneMeldungsZeilen();
// The squad-bar slot's figure id, or 32000 (no member) when AuswahlIndex is outside 0..6.
int32_t AusgewaehlteFigurId();
