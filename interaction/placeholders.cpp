// Stand-ins for the town interaction until it is built: they draw and change nothing.
#include "framework/services_interaction.h"
#include "interaction/handler.h"

void ZeichneInteraktionsSzene() {}

void RekrutItemSlot(int32_t) {}
void HerstellenPanel(int32_t) {}
void SpielMenueKnoepfe(int32_t) {}
void StadtVorratPanel(int32_t) {}
void AusruestungPanel(int32_t) {}
void AusruestungKnopf(int32_t) {}
void MunitionLaden(int32_t) {}
void HandItemTauschen(int32_t) {}
void InventarRaster(int32_t) {}
void BehaelterFenster(int32_t) {}
void InventarSpalteLinks(int32_t) {}
void BefehlsKnoepfe(int32_t) {}
