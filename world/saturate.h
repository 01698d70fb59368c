#pragma once
// Stored counters can hold anything a file gave them; arithmetic on them saturates instead of
// overflowing.
#include <algorithm>
#include <cstdint>

inline int32_t SaettigeI32(int64_t v) { return int32_t(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); }
inline uint8_t SaettigeU8(int32_t v) { return uint8_t(std::clamp<int32_t>(v, 0, 255)); }
