#pragma once
// Damaged copies of a good file for the readers' robustness tests: cut short, bytes flipped,
// 32-bit fields overwritten with extreme values, junk inserted. Seeded, so a failure repeats.
#include <cstdint>
#include <vector>

inline std::vector<std::vector<uint8_t>> Verformt(const std::vector<uint8_t>& gut, int anzahl, uint32_t saat = 1)
{
    auto zufall = [&saat]() { return (saat = saat * 1103515245u + 12345u) >> 8; };
    static const uint32_t kExtrem[] = {0, 1, 0x7f, 0xff, 0x7fff, 0xffff, 0x7fffffff, 0x80000000, 0xfffffff0, 0xffffffff};
    std::vector<std::vector<uint8_t>> aus;
    for (int i = 0; i < anzahl; ++i) {
        std::vector<uint8_t> v = gut;
        const int art = int(zufall() % 4);
        if (art == 0 || v.size() < 4) {
            v.resize(v.empty() ? 0 : zufall() % v.size());
        } else if (art == 1) {
            for (int k = 1 + int(zufall() % 8); k > 0; --k) v[zufall() % v.size()] ^= uint8_t(1u << (zufall() % 8));
        } else if (art == 2) {
            const size_t pos = zufall() % (v.size() - 3);
            const uint32_t x = kExtrem[zufall() % (sizeof kExtrem / sizeof kExtrem[0])];
            for (int b = 0; b < 4; ++b) v[pos + b] = uint8_t(x >> (8 * b));
        } else {
            const size_t pos = zufall() % v.size();
            std::vector<uint8_t> junk(1 + zufall() % 64);
            for (uint8_t& b : junk) b = uint8_t(zufall());
            v.insert(v.begin() + long(pos), junk.begin(), junk.end());
        }
        aus.push_back(std::move(v));
    }
    return aus;
}
