#pragma once
// The authored item list (content/data/items.txt).
#include <cstdint>
#include <string>
#include <vector>

namespace content {

struct ItemDef {
    std::string id, nameDe, textDe, nameRu, textRu;
    int value;
    std::string shape;
    uint32_t colour;  // 0xRRGGBB
};

std::vector<ItemDef> LoadItemDefs(const std::string& path);

}  // namespace content
