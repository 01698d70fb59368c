// Stand-ins for the front-end screens until they are built: they draw and change nothing.
#include "framework/services_frontend.h"

void DatenLaden() {}
void MitwirkendeBildschirm() {}
void HauptmenueBildschirm() {}
void BeendenBildschirm() {}
void OptionenBildschirm() {}
void NeuesSpielBildschirm() {}
void SpielSpeichernBildschirm() {}
void SpielLadenBildschirm() {}
void LandkartenBildschirm() {}
void KameraSequenz() {}
void ZumHauptmenue() {}
void NachSequenzZumMenue() {}
void ZeichneLadebalken(int32_t) {}
