#pragma once
// Services of the town interaction and conversation that the framework, the world simulation and
// the town view call upward. Defined in interaction/.
#include <cstdint>

// The per-frame keyboard handler (reads the key state itself).
void VerarbeiteTastatur();
// Mouse-look while the middle button is held in the town view.
void MausDrehung();
// The in-town interface controller, run before the frame is drawn.
void InterfaceSteuerung();
// The close-up scene of InteraktionsModus 1..7, drawn in place of the town view.
void ZeichneInteraktionsSzene();
// The conversation overlay (the town frame passes 0); its second half is the town editor's overlay.
uint32_t ZeichneUnterhaltungUndEditor(uint32_t wert);
// The trade conversation of mode 10000.
void GespraechsBildschirm();
// The tutorial step, run by the HUD once per call.
void TutorialAblauf();

// Every global of the town interaction as a fresh process has it (the program's start runs it).
void GrundzustandInteraktion();
