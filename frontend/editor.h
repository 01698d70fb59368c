#pragma once
// The town editor: tools that write the town grid cell under the mouse, and the two files a designed
// town is kept in. EditorSteuerung and ZeichneEditorHud are declared in interaction/editor_dienste.h.
#include <cstdint>
#include <string>

// Where the editor keeps the town it saves and loads.
constexpr const char* kEditorOrdner = "DATA/";
constexpr const char* kEditorStadtDatei = "DATA/Town.dat";
constexpr const char* kEditorZustandDatei = "DATA/S_Town.dat";

// The angle about y of rotation step 0..7 (any other step counts modulo 8).
float EditorWinkel(int32_t drehung);

// The tool buttons along the bottom edge: tool 0..7 and the kind each starts with.
constexpr int kEditorWerkzeugKnoepfe = 8;
int32_t EditorStartObjekt(int32_t werkzeug);

// Saves the edited town (persons and fixed figures are removed first, in memory too); false with a
// message when a file could not be written.
bool EditorSpeichern();
// Loads the two files back; a missing or damaged file changes nothing and says so.
bool EditorLaden();

// What the overlay names for a kind: the model's file name from "Load/Level001.txt" (empty when the
// file is missing or short), and the label of an item id (empty outside the item table).
std::string EditorModellName(int32_t objekt);
std::string EditorItemName(int32_t id);
