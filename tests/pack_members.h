#pragma once
// The X members of a generated pack (a ZIP of stored members, walked by their local headers), for the
// X reader's test and benchmark.
#include <string>
#include <utility>
#include <vector>

#include "platform/os.h"

inline std::vector<std::pair<std::string, std::vector<uint8_t>>> XMembersOfPack(const std::string& pack)
{
    std::vector<std::pair<std::string, std::vector<uint8_t>>> out;
    std::vector<uint8_t> zip;
    if (!os::ReadFile(pack, zip)) return out;
    auto u16 = [&](size_t at) { return uint32_t(zip[at] | zip[at + 1] << 8); };
    auto u32 = [&](size_t at) { return u16(at) | u16(at + 2) << 16; };
    size_t at = 0;
    while (at + 30 <= zip.size() && u32(at) == 0x04034b50) {
        const size_t name = at + 30, data = name + u16(at + 26) + u16(at + 28), size = u32(at + 18);
        if (data + size > zip.size()) break;
        std::string n(zip.begin() + long(name), zip.begin() + long(name + u16(at + 26)));
        if (n.size() > 2 && (n.ends_with(".x") || n.ends_with(".X")))
            out.emplace_back(n, std::vector<uint8_t>(zip.begin() + long(data), zip.begin() + long(data + size)));
        at = data + size;
    }
    return out;
}
