// The player's files, written only when missing: "Data/Setup.txt" as the options screen writes it,
// "save/save.dat" with 20 empty slot names; and the folders the game writes into.
#include <cstdio>

#include "content/generator.h"
#include "framework/setup.h"
#include "platform/os.h"

namespace content {

void MakeSettings(Generator& g) {
    // The options screen's 22 lines with the values the game falls back to.
    SetzeSetupVoreinstellung();
    g.WriteFileIfMissing("Data/Setup.txt", SetupText());
    std::string leer;
    for (int k = 0; k < 20; ++k) leer += "\r\n";  // the game's own line ends
    g.WriteFileIfMissing("save/save.dat", leer);
    // The game never makes these itself.
    for (int k = 0; k < 20; ++k) os::MakeDirectory(g.outDir + "/save/slot" + std::to_string(k));
    os::MakeDirectory(g.outDir + "/Gamestate");
}

}  // namespace content
