#pragma once
// The handlers of the in-town interface controller, in the order its chain runs them. Each acts on
// the mouse flags over its own rectangles and clears the flags it consumes; i is the active member's
// figure index of this frame (32000 = none), ignored by handlers that do not need it.
#include <cstdint>

void TutorialWeiter();
void HinweisPanelKnoepfe();
void BeendenDialog();
void InfoPanelSchliessen();
void MeldungsPanelSchliessen();
void RekrutItemSlot(int32_t i);
void HerstellenPanel(int32_t i);
void SpielMenueKnoepfe(int32_t i);
void StadtVorratPanel(int32_t i);
void AusruestungPanel(int32_t i);
void AusruestungKnopf(int32_t i);
void MunitionLaden(int32_t i);
void HandItemTauschen(int32_t i);
void InventarRaster(int32_t i);
void BehaelterFenster(int32_t i);
void InventarSpalteLinks(int32_t i);
void BefehlsKnoepfe(int32_t i);
void AuswahlLeisteAblegen(int32_t i);
void KameraAufSlot(int32_t i);
void AuswahlLeisteKlick(int32_t i);
void AuswahlLeisteRechtsKlick(int32_t i);
void LinkesPanelSperre();
void ItemBenutzenBefehl(int32_t i);
void KlickAuswahl(int32_t i);
void RahmenAuswahl(int32_t i);
void EingangBefehl(int32_t i);
void BewegenBefehl(int32_t i);
void RennenBefehl(int32_t i);
