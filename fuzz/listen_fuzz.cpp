// The list loaders (meshes, level models and textures, energy textures, fonts, ground tiles, figure
// animations) and the item table, on the recording device. The first byte picks the loader.
#include <memory>

#include "framework/items.h"
#include "framework/lists.h"
#include "framework/myapp.h"
#include "fuzz_hilfe.h"
#include "platform/gfx_recording.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzOrdner();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    if (groesse == 0) return 0;
    SchreibeEingabe("liste.txt", daten + 1, groesse - 1);
    MyApp.m_pd3dDevice = std::make_unique<gfx::RecordingDevice>();
    switch (daten[0] % 8) {
    case 0: LadeMeshes("liste.txt"); break;
    case 1: LadeLevelModelle("liste.txt"); break;
    case 2: LadeLevelTexturen("liste.txt"); break;
    case 3: LadeEnergieTexturen("liste.txt"); break;
    case 4: LadeSchrift("liste.txt", daten[0] / 8 % 4); break;
    case 5: LadeBodenTiles("liste.txt"); break;
    case 6: LadeFigAnims("liste.txt"); break;
    case 7: LadeItems("liste.txt"); break;
    }
    MyApp.Shutdown();
    Meldungen().clear();
    return 0;
}
