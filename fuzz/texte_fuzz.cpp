// The text tables and "save/save.dat"; the slot names written back read the same. The first byte
// picks the table.
#include <cstring>
#include <string>

#include "framework/texte.h"
#include "fuzz_hilfe.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) { FuzzOrdner(); return 0; }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    if (groesse == 0) return 0;
    SchreibeEingabe("text.txt", daten + 1, groesse - 1);
    switch (daten[0] % 5) {
    case 0: LadeTextStandard("text.txt"); break;
    case 1: LadeSprechen("text.txt"); break;
    case 2: LadeNamen("text.txt"); break;
    case 3: LadeMitwirkende("text.txt"); break;
    case 4: {
        LadeSpeicherSlotNamen("text.txt");
        static char gelesen[SPEICHERSLOTS][TEXT_LAENGE];
        std::memcpy(gelesen, SpeicherSlotNamen, sizeof gelesen);
        if (SchreibeSpeicherSlotNamen("save.dat")) {
            LadeSpeicherSlotNamen("save.dat");
            if (std::memcmp(gelesen, SpeicherSlotNamen, sizeof gelesen) != 0)
                __builtin_trap();  // the written names read back differently
        }
        break;
    }
    }
    if (ZufallZeilenZahl < 0 || ZufallZeilenZahl > SPRECH_ZEILEN) __builtin_trap();
    for (const auto& e : SpeicherSlotNamen)
        if (!std::memchr(e, 0, TEXT_LAENGE)) __builtin_trap();  // every entry ends in its table
    Meldungen().clear();
    return 0;
}
