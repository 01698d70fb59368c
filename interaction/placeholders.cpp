// Stand-ins for the town interaction until it is built: they draw and change nothing.
#include "framework/services_interaction.h"
#include "interaction/handler.h"

void VerarbeiteTastatur() {}
void ZeichneInteraktionsSzene() {}
uint32_t ZeichneUnterhaltungUndEditor(uint32_t) { return 0; }
void GespraechsBildschirm() {}
void TutorialAblauf() {}

void TutorialWeiter() {}
void RekrutItemSlot(int32_t) {}
void MunitionLaden(int32_t) {}
void HandItemTauschen(int32_t) {}
void InventarRaster(int32_t) {}
void BehaelterFenster(int32_t) {}
void InventarSpalteLinks(int32_t) {}
