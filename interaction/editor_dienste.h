#pragma once
// The town editor's steps that the interaction runs: its tool handler in place of the interface
// controller's chain, and its overlay after the conversation overlay. Defined in frontend/.
#include <cstdint>

// One frame of the editor's tools while EditorAktiv is 1; i is the active member (unused).
void EditorSteuerung(int32_t i);
// The editor's 2D overlay (previews, tool bar, status lines) while EditorAktiv is 1.
void ZeichneEditorHud();
