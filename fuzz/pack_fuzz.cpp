// The pack reader on any archive: members by a fixed name and by a name the input chooses.
#include <string>

#include "framework/packarchiv.h"
#include "fuzz_hilfe.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) { FuzzOrdner(); return 0; }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    // The first line names the member to look for, the rest is the pack.
    size_t n = 0;
    while (n < groesse && n < 64 && daten[n] != '\n') ++n;
    const std::string name(reinterpret_cast<const char*>(daten), n);
    const size_t rest = n < groesse ? n + 1 : n;
    SchreibeEingabe("Pack.gzp", daten + rest, groesse - rest);
    uint32_t size = 0;
    auto a = EntpackeDatei("Pack.gzp", name.c_str(), &size);
    if (a) std::filesystem::remove(name);
    auto b = EntpackeDatei("Pack.gzp", "Mesh.txt", &size);
    if (b) std::filesystem::remove("Mesh.txt");
    Meldungen().clear();
    return 0;
}
