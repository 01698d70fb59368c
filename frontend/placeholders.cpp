// Stand-ins for the front-end screens until they are built: they draw and change nothing.
#include "framework/services_frontend.h"

void NeuesSpielBildschirm() {}
void SpielSpeichernBildschirm() {}
void SpielLadenBildschirm() {}
void LandkartenBildschirm() {}
