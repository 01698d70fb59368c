#include "platform/random.h"

namespace {
uint32_t seed = 1;
}

int Zufall()
{
    seed = seed * 214013u + 2531011u;
    return static_cast<int>((seed >> 16) & 0x7fff);
}

void ZufallSaat(uint32_t s) { seed = s; }

uint32_t ZufallZustand() { return seed; }
