#pragma once
// The resource list files: each entry names a file in a pack, which is unpacked, handed to a MyApp
// loader and deleted again. Reading ends at the first token that cannot be read; slots and
// indexes outside their table are passed over.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/vorlader.h"
#include "platform/image.h"

// The nine list files of a language pack: unpacked at start-up, deleted at shut-down.
constexpr int kListenDateiAnzahl = 9;
extern const char* const ListenDateien[kListenDateiAnzahl];

// The pack of font 0..3's glyphs for the language; null for a language without fonts.
const char* SchriftPack(int32_t font);

void LadeMeshes(const char* file);
void LadeLevelModelle(const char* file);
void LadeLevelTexturen(const char* file);
// The same in two steps: the list read, all its pictures decoding on worker threads from then on
// (while the window and the device start, when nothing takes them yet), and later the textures made
// in the list's order.
struct LevelTexturen {
    static constexpr const char* kPack = "Data/Pack3.gzp";
    std::vector<int32_t> indizes;
    std::vector<std::string> namen;
    std::unique_ptr<Vorlader<image::Image>> bilder;
};
LevelTexturen LeseLevelTexturen(const char* file);
void LadeLevelTexturen(LevelTexturen& texturen);
void LadeEnergieTexturen(const char* file);
void LadeSchrift(const char* file, int32_t font);
void LadeBodenTiles(const char* file);
// The figure animations' list among the list files, which the loading sequence loads.
constexpr const char* kFigAnimsListe = "Fig_Anims.txt";
void LadeFigAnims(const char* file);
// The figure animations' meshes read and decoded from now on, all of them ahead rather than a few
// (the intro's time is idle for the workers); the next LadeFigAnims of the same list takes them.
void LadeFigAnimsVoraus(const char* file);
// What was read ahead, dropped (a fresh start of the program).
void VergissFigAnimsVoraus();
