// Every image kind: the decoder, and the texture loader by file name on the recording device
// (the first byte picks the extension).
#include <memory>
#include <string>

#include "fuzz_hilfe.h"
#include "platform/gfx_recording.h"
#include "platform/image.h"
#include "platform/texture_file.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) { FuzzOrdner(); return 0; }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    if (groesse == 0) return 0;
    image::Image bild;
    std::string fehler;
    if (image::Decode(daten + 1, groesse - 1, bild, fehler) &&
        bild.rgba.size() != size_t(bild.width) * size_t(bild.height) * 4)
        __builtin_trap();
    static const char* const kEndungen[] = {".bmp", ".png", ".tga", ".dds", ".jpg", ".BMP"};
    const std::string name = std::string("t") + kEndungen[daten[0] % 6];
    SchreibeEingabe(name, daten + 1, groesse - 1);
    gfx::RecordingDevice geraet;
    gfx::Texture t = gfx::LoadTextureFile(geraet, name, fehler);
    if (t) geraet.ReleaseTexture(t);
    return 0;
}
