// The settings file: read, written and read again gives the same settings.
#include <string>
#include <vector>

#include "framework/setup.h"
#include "fuzz_hilfe.h"
#include "world/records.h"

namespace {
// What the settings writer takes from memory (the rest it writes as fixed values).
std::vector<int32_t> Geschrieben()
{
    const SetupBlock& s = SetupWerte;
    return {s.FILTER, s.SHADOW, s.SHADOW_ENTITY, s.SHADOW_ITEM, s.SHADOW_OBJEKT, s.SHADOW_VEGETATION,
            s.VEGETATION, s.PARTIKEL, s.COLOR, s.CLOUDS, s.FOG, s.MUSIC, s.SOUND, s.SOUND_VOLUME,
            s.SOUND_VOLUME_SPRACHE, s.EINHEIT_ANTWORTET, SORT_SPEED, Vollbild, Sprache};
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) { FuzzOrdner(); return 0; }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    SchreibeEingabe("Data/Setup.txt", daten, groesse);
    LadeSetup("Data/Setup.txt");
    const std::vector<int32_t> gelesen = Geschrieben();
    if (SchreibeSetup("Data/Setup2.txt")) {
        LadeSetup("Data/Setup2.txt");
        if (Geschrieben() != gelesen) __builtin_trap();  // the written settings read back differently
    }
    Meldungen().clear();
    return 0;
}
