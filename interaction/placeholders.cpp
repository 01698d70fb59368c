// Stand-ins for the town interaction until it is built: they draw and change nothing.
#include "framework/services_interaction.h"

void VerarbeiteTastatur() {}
void MausDrehung() {}
void InterfaceSteuerung() {}
void BewegenBefehl() {}
void RennenBefehl() {}
void EingangBefehl() {}
void ItemBenutzenBefehl(int32_t) {}
void ZeichneInteraktionsSzene() {}
uint32_t ZeichneUnterhaltungUndEditor(uint32_t) { return 0; }
void GespraechsBildschirm() {}
void TutorialAblauf() {}
void InfoPanelSchliessen() {}
void MeldungsPanelSchliessen() {}
void BeendenDialog() {}
