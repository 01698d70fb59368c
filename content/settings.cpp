// The player's files, written only when missing: "Data/Setup.txt" as the options screen writes it,
// "save/save.dat" with 20 empty slot names; and the folders the game writes into.
#include <cstdio>

#include "content/generator.h"
#include "platform/os.h"

namespace content {

void MakeSettings(Generator& g) {
    // The options screen's 22 lines, in its order.
    const char* const setup =
        "FILTER 1\nSHADOW 1\nSHADOW_ENTITY 1\nSHADOW_ITEM 1\nSHADOW_OBJEKT 1\nSHADOW_VEGETATION 0\n"
        "VEGETATION 1\nPARTIKEL 2\nANIM_SPEED 2\nFRAMERATE 0.025\nCOLOR 32\nCLOUDS 1\nFOG 1\nDETAILMAP 1\n"
        "MUSIC 1\nSOUND 1\nSOUND_VOLUME -300\nSOUND_VOLUME_SPRACHE -600\nEINHEIT_ANTWORTET 1\nSORT_SPEED 5\n"
        "FULLSCREEN 0\nLAN 0\n";
    g.WriteFileIfMissing("Data/Setup.txt", setup);
    std::string leer;
    for (int k = 0; k < 20; ++k) leer += "\r\n";  // the game's own line ends
    g.WriteFileIfMissing("save/save.dat", leer);
    // The game never makes these itself.
    for (int k = 0; k < 20; ++k) os::MakeDirectory(g.outDir + "/save/slot" + std::to_string(k));
    os::MakeDirectory(g.outDir + "/Gamestate");
}

}  // namespace content
