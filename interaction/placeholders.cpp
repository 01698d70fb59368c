// Stand-ins for the town interaction until it is built: they draw and change nothing.
#include "framework/services_interaction.h"
#include "interaction/handler.h"

void VerarbeiteTastatur() {}
uint32_t ZeichneUnterhaltungUndEditor(uint32_t) { return 0; }
void GespraechsBildschirm() {}
void TutorialAblauf() {}

void TutorialWeiter() {}
