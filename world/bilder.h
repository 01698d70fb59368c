#pragma once
// Level textures that stand for the game's things wherever they are drawn (the HUD and its panels,
// the world map, the raid's combat panel): the squad types and a town's owner.
#include <cstdint>

// The 32 x 32 portrait of squad type 1..5; -1 for any other type.
constexpr int32_t TruppPortrait(int32_t typ)
{
    constexpr int32_t bilder[5] = {109, 113, 114, 248, 255};
    return typ >= 1 && typ <= 5 ? bilder[typ - 1] : -1;
}

// The member page's icon of squad type 1..5; -1 for any other type.
constexpr int32_t TruppTypIcon(int32_t typ)
{
    constexpr int32_t bilder[5] = {43, 44, 46, 249, 256};
    return typ >= 1 && typ <= 5 ? bilder[typ - 1] : -1;
}

// The flag of a town's owner (StadtRecord::Besitzer 0..2); -1 for any other value a save could hold.
constexpr int32_t BesitzerFlagge(int32_t besitzer)
{
    constexpr int32_t flaggen[3] = {34, 33, 32};
    return besitzer >= 0 && besitzer <= 2 ? flaggen[besitzer] : -1;
}
