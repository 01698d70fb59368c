#pragma once
// The resource list files: each entry names a file in a pack, which is unpacked, handed to a MyApp
// loader and deleted again. Reading ends at the first token that cannot be read; slots and
// indexes outside their table are passed over.
#include <cstdint>

// The nine list files of a language pack: unpacked at start-up, deleted at shut-down.
constexpr int kListenDateiAnzahl = 9;
extern const char* const ListenDateien[kListenDateiAnzahl];

// The pack of font 0..3's glyphs for the language; null for a language without fonts.
const char* SchriftPack(int32_t font);

void LadeMeshes(const char* file);
void LadeLevelModelle(const char* file);
void LadeLevelTexturen(const char* file);
void LadeEnergieTexturen(const char* file);
void LadeSchrift(const char* file, int32_t font);
void LadeBodenTiles(const char* file);
void LadeFigAnims(const char* file);
