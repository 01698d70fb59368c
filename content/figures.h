#pragma once
// The figures' body texture, which a person standing in a town as an object (the tutorial's
// recruiter) wears as well.
#include <cstdint>

#include "content/canvas.h"

namespace content {

// Colours of one body texture (0xRRGGBB).
struct KoerperFarben {
    uint32_t haut, haar, hemd, hose;
};

// 128 x 128 in quarters: the face (hair on top) and bare skin (hair at the top) above, the shirt
// and the trousers (boots in their lowest 18 rows) below.
Canvas MaleKoerper(const KoerperFarben& farben, uint32_t saat);

}  // namespace content
