// Stand-ins for the town interaction until it is built: they draw and change nothing.
#include "framework/services_interaction.h"
#include "interaction/handler.h"

void HerstellenPanel(int32_t) {}
void SpielMenueKnoepfe(int32_t) {}
void StadtVorratPanel(int32_t) {}
void AusruestungPanel(int32_t) {}
void AusruestungKnopf(int32_t) {}
void BefehlsKnoepfe(int32_t) {}
