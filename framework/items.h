#pragma once
// The item table: 192 item types in the fixed order of ItemIds (id = 1000 + index); skins, icons,
// names, descriptions and values come from "Items.txt".
#include <cstdint>

#include "platform/gfx.h"

constexpr int kItemAnzahl = 192;
extern const char* const ItemIds[kItemAnzahl];

// Index of an identifier in ItemIds, or -1.
int32_t ItemIndex(const char* identifier);

void LadeItems(const char* file);

// The icon texture of item index k (0 when none). The saved ItemIcons words only select an entry
// of MyApp's unsaved icon table, so a word from a save can never name a texture.
gfx::Texture ItemIconTextur(int32_t k);
// Releases every icon and clears the ItemIcons words.
void GibItemIconsFrei();
