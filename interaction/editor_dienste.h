#pragma once
// The town editor's steps that the interaction runs: its tool handler in place of the interface
// controller's chain, and its overlay after the conversation overlay. Defined in frontend/.
#include <cstdint>

// One frame of the editor's tools while EditorAktiv is 1; i is the active member (unused).
void EditorSteuerung(int32_t i);
// The editor's 2D overlay (previews, tool bar, status lines) while EditorAktiv is 1.
void ZeichneEditorHud();
// The designer's keys, only while the settings' DEBUG switch is on: F9 switches the editor on and
// off, Insert and Home step the kind up and down (by 10 with Shift), F7 chooses tool 8 (walkable
// cells). Run by the keyboard handler after it has read the keys.
void EditorTasten();
