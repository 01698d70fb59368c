#pragma once
// State of the spoken lines shared by the conversation, the trade, the close-up scenes and the
// tutorial: whoever starts a new line sets the phase to 0.
#include <cstdint>

inline int32_t GespraechsPhase = 0;
