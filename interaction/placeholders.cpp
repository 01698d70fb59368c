// Stand-ins for the town interaction until it is built: they draw and change nothing.
#include "framework/services_interaction.h"
#include "interaction/handler.h"

void VerarbeiteTastatur() {}
void MausDrehung() {}
void InterfaceSteuerung() {}
uint32_t ZeichneUnterhaltungUndEditor(uint32_t) { return 0; }
void GespraechsBildschirm() {}
void TutorialAblauf() {}

void TutorialWeiter() {}
void HinweisPanelKnoepfe() {}
void BeendenDialog() {}
void InfoPanelSchliessen() {}
void MeldungsPanelSchliessen() {}
void HerstellenPanel(int32_t) {}
void SpielMenueKnoepfe(int32_t) {}
void StadtVorratPanel(int32_t) {}
void AusruestungPanel(int32_t) {}
void AusruestungKnopf(int32_t) {}
void BefehlsKnoepfe(int32_t) {}
void AuswahlLeisteAblegen(int32_t) {}
void KameraAufSlot(int32_t) {}
void AuswahlLeisteKlick(int32_t) {}
void AuswahlLeisteRechtsKlick(int32_t) {}
void LinkesPanelSperre() {}
void ItemBenutzenBefehl(int32_t) {}
void KlickAuswahl(int32_t) {}
void RahmenAuswahl(int32_t) {}
void EingangBefehl(int32_t) {}
void BewegenBefehl(int32_t) {}
void RennenBefehl(int32_t) {}
