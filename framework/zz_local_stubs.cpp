// LOCAL ONLY - not committed
#include <cstdint>
void ZeichneSchrift(const char*, float, float, int32_t) {}
int32_t SchriftBreite(const char*, int32_t) { return 0; }
void WarteAufFrameZeit(float) {}
void ZeigeSchwarzbild() {}
int32_t ZeilenTimer[6];
uint8_t MeldungsPanelAktiv; int32_t InfoPanelZaehler; uint8_t HinweisSichtbar;
