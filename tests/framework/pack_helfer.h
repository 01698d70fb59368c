#pragma once
// Small data for tests: packs of stored members and tiny PNG images.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "platform/image.h"

inline void Put16(std::string& s, uint32_t v)
{
    s += char(v & 0xff);
    s += char(v >> 8 & 0xff);
}
inline void Put32(std::string& s, uint32_t v)
{
    Put16(s, v & 0xffff);
    Put16(s, v >> 16);
}

// A pack of stored members, as the packs of the game are.
inline std::string Pack(const std::vector<std::pair<std::string, std::string>>& mitglieder)
{
    std::string a;
    for (const auto& [name, daten] : mitglieder) {
        Put32(a, 0x04034b50);
        Put16(a, 10);
        Put16(a, 0);
        Put16(a, 0);
        Put32(a, 0);
        Put32(a, 0);
        Put32(a, uint32_t(daten.size()));
        Put32(a, uint32_t(daten.size()));
        Put16(a, uint16_t(name.size()));
        Put16(a, 0);
        a += name + daten;
    }
    Put32(a, 0x02014b50);
    a += std::string(42, '\0');
    return a;
}

// A 2 x 2 PNG of one colour.
inline std::string Png(uint8_t rot)
{
    image::Image img;
    img.width = img.height = 2;
    img.rgba.assign(16, 255);
    for (int i = 0; i < 4; ++i) img.rgba[i * 4] = rot;
    std::string fehler;
    const std::string pfad = "tmp_" + std::to_string(rot) + ".png";
    EXPECT_TRUE(image::SavePng(pfad, img, fehler)) << fehler;
    std::ifstream f(pfad, std::ios::binary);
    std::string daten((std::istreambuf_iterator<char>(f)), {});
    std::filesystem::remove(pfad);
    return daten;
}
