// Stand-ins for the town editor until it is built: it draws and changes nothing.
#include "interaction/editor_dienste.h"

void EditorSteuerung(int32_t) {}
void ZeichneEditorHud() {}
