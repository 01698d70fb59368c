// The X mesh reader on any bytes.
#include <string>

#include "fuzz_hilfe.h"
#include "platform/xfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    gfx::MeshData mesh;
    std::string fehler;
    gfx::DecodeXFile(daten, groesse, mesh, fehler);
    return 0;
}
