// Cursor files.
#include <string>
#include <vector>

#include "fuzz_hilfe.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    os::CursorImage bild;
    std::string fehler;
    if (os::DecodeCursor(std::vector<uint8_t>(daten, daten + groesse), bild, fehler) &&
        bild.rgba.size() != size_t(bild.width) * size_t(bild.height) * 4)
        __builtin_trap();
    return 0;
}
