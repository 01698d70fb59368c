// The 192 items: their icons (Pack1), models (Pack9 with textures in Pack10) and "Items.txt".
// The authored list is content/data/items.txt; shape and colour choose both icon and model.
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "content/canvas.h"
#include "content/fonts.h"
#include "content/generator.h"
#include "content/items_data.h"
#include "content/xfile_writer.h"

namespace content {

std::vector<ItemDef> LoadItemDefs(const std::string& path) {
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::vector<ItemDef> items;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> f;
        std::stringstream ss(line);
        for (std::string part; std::getline(ss, part, '|');) f.push_back(part);
        if (f.size() != 8) throw std::runtime_error("items: 8 fields expected: " + line);
        items.push_back({f[0], f[1], f[2], f[3], f[4], std::stoi(f[5]), f[6], uint32_t(std::stoul(f[7], nullptr, 16))});
    }
    return items;
}

namespace {

const Rgba kEdge{15, 15, 15, 255};

// The object seen from a little above, in about 48 of the 64 pixels.
Canvas PaintIcon(const ItemDef& d) {
    Canvas c(64, 64, {0, 0, 0, 0});
    const Rgba col = FromArgb(0xFF000000 | d.colour), lo = Shade(col, 0.6f), hi = Shade(col, 1.35f);
    c.SoftBlob(34, 52, 24, {0, 0, 0, 90});  // shadow
    const std::string& s = d.shape;
    auto box = [&](int x, int y, int w, int h) {
        c.FillRect(x - 1, y - 1, w + 2, h + 2, kEdge);
        c.VerticalGradient(x, y, w, h, hi, lo);
        c.FillRect(x, y, w, 2, Shade(col, 1.6f));
    };
    if (s == "box") {
        box(12, 20, 40, 30);
        c.FillRect(12, 30, 40, 3, Shade(col, 0.8f));
    } else if (s == "can" || s == "jar") {
        const int w = s == "jar" ? 34 : 30;
        box(32 - w / 2, 16, w, 36);
        c.FillRect(32 - w / 2, 16, w, 4, Shade(col, 1.7f));        // lid
        c.FillRect(32 - w / 2, 48, w, 4, Shade(col, 0.45f));       // bottom rim
        c.FillRect(32 - w / 2, 28, w, 10, Mix(col, {240, 235, 220, 255}, 0.6f));  // label
        c.FillRect(32 - w / 2 + 3, 20, 3, 28, {255, 255, 255, 70});
    } else if (s == "bottle") {
        box(24, 26, 16, 28);
        box(29, 10, 6, 16);
        c.FillRect(26, 30, 3, 20, {255, 255, 255, 110});
    } else if (s == "canteen") {
        c.Disc(32, 36, 18, kEdge);
        c.Disc(32, 36, 17, col);
        c.Disc(28, 32, 7, hi);
        box(28, 12, 8, 8);
    } else if (s == "rifle" || s == "smg") {
        const float len = s == "rifle" ? 54 : 40;
        c.Line(6, 40, 6 + len, 22, 6, kEdge);
        c.Line(6, 40, 6 + len, 22, 4, {50, 50, 55, 255});
        c.Polygon({{4, 38}, {20, 32}, {22, 40}, {8, 48}}, col);  // stock
        c.Line(28, 33, 30, 46, 4, {40, 40, 40, 255});             // magazine
    } else if (s == "pistol") {
        c.Polygon({{12, 22}, {50, 22}, {50, 31}, {12, 31}}, kEdge);
        c.Polygon({{13, 23}, {49, 23}, {49, 30}, {13, 30}}, col);
        c.Polygon({{14, 30}, {24, 30}, {22, 48}, {12, 48}}, Shade(col, 0.7f));
    } else if (s == "knife") {
        c.Polygon({{10, 42}, {46, 20}, {50, 22}, {16, 46}}, Mix(col, {255, 255, 255, 255}, 0.3f));
        c.Line(44, 22, 58, 12, 5, {90, 60, 30, 255});
    } else if (s == "book") {
        box(14, 12, 36, 42);
        c.FillRect(18, 12, 3, 42, Shade(col, 0.5f));
        c.FillRect(26, 22, 18, 3, {240, 230, 200, 255});
    } else if (s == "plate") {
        c.Polygon({{8, 36}, {32, 22}, {56, 36}, {32, 50}}, kEdge);
        c.Polygon({{10, 36}, {32, 24}, {54, 36}, {32, 48}}, col);
        c.Polygon({{18, 36}, {32, 29}, {46, 36}, {32, 43}}, hi);
    } else if (s == "coin" || s == "disc") {
        c.Disc(32, 34, 19, kEdge);
        c.Disc(32, 34, 18, col);
        c.Ring(32, 34, 11, 13, s == "disc" ? Shade(col, 0.5f) : hi);
        if (s == "disc") c.Disc(32, 34, 4, {0, 0, 0, 0}), c.Disc(32, 34, 4, kEdge);
    } else if (s == "gem") {
        c.Polygon({{32, 12}, {52, 30}, {32, 54}, {12, 30}}, kEdge);
        c.Polygon({{32, 14}, {50, 30}, {32, 51}, {14, 30}}, col);
        c.Polygon({{32, 14}, {41, 30}, {32, 51}, {23, 30}}, hi);
    } else if (s == "bag") {
        c.Disc(32, 38, 18, kEdge);
        c.Disc(32, 38, 17, col);
        c.Polygon({{26, 14}, {38, 14}, {36, 24}, {28, 24}}, lo);
        c.Line(24, 28, 40, 28, 2, lo);
    } else if (s == "tool") {
        c.Line(14, 50, 42, 22, 6, kEdge);
        c.Line(14, 50, 42, 22, 4, {120, 80, 40, 255});
        c.Polygon({{34, 14}, {52, 14}, {52, 22}, {44, 30}, {38, 24}}, col);
    } else if (s == "vest") {
        c.Polygon({{16, 12}, {26, 12}, {32, 20}, {38, 12}, {48, 12}, {52, 54}, {12, 54}}, kEdge);
        c.Polygon({{17, 14}, {26, 14}, {32, 22}, {38, 14}, {47, 14}, {50, 52}, {14, 52}}, col);
        c.FillRect(19, 34, 10, 8, lo), c.FillRect(35, 34, 10, 8, lo);
    } else if (s == "helmet") {
        c.Disc(32, 38, 22, kEdge);
        c.Disc(32, 38, 21, col);
        c.FillRect(6, 38, 52, 20, {0, 0, 0, 0});
        for (int y = 38; y < 60; ++y)
            for (int x = 0; x < 64; ++x) c.Set(x, y, {0, 0, 0, 0});
        c.FillRect(8, 37, 48, 5, Shade(col, 0.7f));
        c.Disc(26, 26, 6, {255, 255, 255, 60});
    } else if (s == "boots") {
        for (int k = 0; k < 2; ++k) {
            const int x = 10 + 22 * k;
            c.Polygon({{float(x), 12}, {float(x + 12), 12}, {float(x + 12), 42}, {float(x + 20), 46}, {float(x + 20), 52}, {float(x), 52}}, kEdge);
            c.Polygon({{float(x + 1), 13}, {float(x + 11), 13}, {float(x + 11), 43}, {float(x + 19), 47}, {float(x + 19), 51}, {float(x + 1), 51}}, col);
        }
    } else if (s == "gloves") {
        for (int k = 0; k < 2; ++k) {
            const float x = 10.0f + 24.0f * float(k);
            c.Disc(x + 10, 38, 10, kEdge);
            c.Disc(x + 10, 38, 9, col);
            for (int f = 0; f < 4; ++f) c.Line(x + 3 + 4.5f * float(f), 30, x + 3 + 4.5f * float(f), 16, 3.5f, col);
        }
    } else if (s == "trousers") {
        c.Polygon({{18, 10}, {46, 10}, {50, 56}, {36, 56}, {32, 24}, {28, 56}, {14, 56}}, kEdge);
        c.Polygon({{19, 11}, {45, 11}, {48, 55}, {37, 55}, {32, 22}, {27, 55}, {16, 55}}, col);
    } else if (s == "mask") {
        c.Disc(32, 32, 20, kEdge);
        c.Disc(32, 32, 19, col);
        c.Disc(24, 28, 6, {160, 200, 220, 255});
        c.Disc(40, 28, 6, {160, 200, 220, 255});
        if (d.id.find("Maske") != std::string::npos) c.Disc(32, 44, 7, lo);
    } else if (s == "animal") {
        c.Disc(30, 38, 15, kEdge);
        c.Disc(30, 38, 14, col);
        c.Disc(44, 30, 8, col);
        c.Disc(47, 28, 1.5f, kEdge);
        c.Line(16, 40, 4, 52, 2, Shade(col, 0.8f));
    } else if (s == "rope" || s == "cable") {
        for (int k = 0; k < 3; ++k) c.Ring(32, 34, 8.0f + 5.0f * float(k), 11.0f + 5.0f * float(k), k % 2 ? lo : col);
    } else if (s == "wood") {
        for (int k = 0; k < 3; ++k) {
            const float y = 22.0f + 10.0f * float(k);
            c.Line(10, y + 6, 54, y, 9, kEdge);
            c.Line(10, y + 6, 54, y, 7, col);
            c.Disc(54, y, 4, hi);
        }
    } else if (s == "device") {
        box(12, 16, 40, 34);
        c.FillRect(16, 20, 20, 14, {30, 60, 50, 255});
        for (int k = 0; k < 3; ++k) c.Disc(44, 22.0f + 8.0f * float(k), 2.5f, hi);
    } else if (s == "tube") {
        c.Line(12, 48, 52, 18, 12, kEdge);
        c.Line(12, 48, 52, 18, 10, col);
        c.Line(14, 44, 50, 17, 2, hi);
    } else if (s == "card") {
        c.Polygon({{10, 22}, {50, 14}, {56, 42}, {16, 50}}, kEdge);
        c.Polygon({{11, 23}, {49, 15}, {55, 41}, {17, 49}}, col);
        c.Line(18, 32, 44, 26, 2, lo);
    } else if (s == "ring") {
        c.Ring(32, 34, 12, 18, kEdge);
        c.Ring(32, 34, 13, 17, col);
    } else if (s == "cross") {
        c.FillRect(28, 10, 8, 44, kEdge), c.FillRect(16, 20, 32, 8, kEdge);
        c.FillRect(29, 11, 6, 42, col), c.FillRect(17, 21, 30, 6, col);
    } else if (s == "food") {
        c.Disc(32, 36, 19, kEdge);
        c.Disc(32, 36, 18, col);
        c.Disc(26, 30, 7, hi);
    } else {
        box(14, 14, 36, 36);
    }
    // Broken things get a crack.
    if (d.id.find("kaputt") != std::string::npos) c.Line(20, 14, 44, 52, 3, {200, 30, 20, 230});
    return c;
}

// A model the size of a small thing on the floor (a cell is 10 units), textured with its icon.
XMesh BuildModel(const ItemDef& d, const std::string& texture) {
    XMesh m;
    const Rgba col = FromArgb(0xFF000000 | d.colour);
    const int mat = m.AddMaterial({float(col.r) / 255, float(col.g) / 255, float(col.b) / 255, 1, texture});
    const std::string& s = d.shape;
    if (s == "can" || s == "jar" || s == "bottle" || s == "canteen" || s == "coin" || s == "disc" || s == "ring" || s == "food") {
        const float r = s == "bottle" ? 1.0f : s == "coin" || s == "ring" ? 1.5f : s == "disc" ? 2.5f : 1.6f;
        const float h = s == "bottle" ? 4.0f : s == "coin" || s == "ring" || s == "disc" ? 0.3f : s == "food" ? 1.2f : 2.6f;
        m.AddCylinder(0, 0, r, 0, h, 12, mat);
        if (s == "bottle") m.AddCylinder(0, 0, 0.4f, h, h + 1.5f, 8, mat);
    } else if (s == "rifle" || s == "smg") {
        const float l = s == "rifle" ? 4.5f : 3.2f;
        m.AddBox({-l, 0, -0.35f}, {l, 0.8f, 0.35f}, mat);
        m.AddBox({-0.4f, 0, -0.3f}, {0.2f, 0.3f, 1.6f}, mat);
    } else if (s == "pistol" || s == "knife") {
        m.AddBox({-1.6f, 0, -0.25f}, {1.6f, 0.5f, 0.25f}, mat);
        m.AddBox({-1.6f, 0, 0.25f}, {-0.8f, 0.4f, 1.4f}, mat);
    } else if (s == "book" || s == "card" || s == "plate") {
        const float h = s == "book" ? 0.7f : 0.15f;
        m.AddBox({-1.6f, 0, -2.0f}, {1.6f, h, 2.0f}, mat);
    } else if (s == "vest" || s == "trousers" || s == "gloves" || s == "boots" || s == "mask" || s == "bag") {
        m.AddBox({-2.0f, 0, -2.0f}, {2.0f, 0.6f, 2.0f}, mat);
        m.AddBox({-1.2f, 0.6f, -1.2f}, {1.2f, 1.0f, 1.2f}, mat);
    } else if (s == "helmet") {
        m.AddCylinder(0, 0, 1.8f, 0, 1.4f, 12, mat);
        m.AddCylinder(0, 0, 1.2f, 1.4f, 2.0f, 12, mat);
    } else if (s == "tube" || s == "rope" || s == "cable" || s == "wood") {
        m.AddBox({-2.5f, 0, -0.5f}, {2.5f, 0.9f, 0.5f}, mat);
        if (s == "wood") m.AddBox({-2.5f, 0, 0.6f}, {2.5f, 0.9f, 1.6f}, mat);
    } else if (s == "animal") {
        m.AddBox({-1.4f, 0, -0.8f}, {1.4f, 1.2f, 0.8f}, mat);
        m.AddBox({1.4f, 0.2f, -0.5f}, {2.2f, 1.0f, 0.5f}, mat);
    } else if (s == "gem" || s == "cross") {
        m.AddBox({-0.7f, 0, -0.7f}, {0.7f, 1.4f, 0.7f}, mat);
    } else {
        m.AddBox({-1.5f, 0, -1.5f}, {1.5f, 1.8f, 1.5f}, mat);
    }
    return m;
}

std::string ItemFile(const char* prefix, int k, const char* ext) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%s_%03d.%s", prefix, k, ext);
    return buf;
}

}  // namespace

void MakeItems(Generator& g) {
    const std::vector<ItemDef> items = LoadItemDefs(g.dataDir + "/items.txt");
    if (items.size() != 192) throw std::runtime_error("items: 192 entries expected");
    std::string de = "[Load_Items]\n", ru = "[Load_Items]\n";
    for (size_t k = 0; k < items.size(); ++k) {
        const ItemDef& d = items[k];
        const std::string icon = ItemFile("icon", int(k), "png");
        const std::vector<uint8_t> png = PaintIcon(d).ToPng();
        g.Pack("Pack1.gzp").Add(icon, png);
        if (k > 0) {  // item 0 uses the crate in slot 1000
            const std::string tex = ItemFile("item", int(k), "png");
            const std::string mesh = ItemFile("item", int(k), "x");
            g.Pack("Pack10.gzp").Add(tex, png);
            g.Pack("Pack9.gzp").Add(mesh, BuildModel(d, tex).ToText());
            g.catalogue.meshes[1000 + int(k)] = mesh;
        }
        const std::string value = std::to_string(d.value);
        de += d.id + " NULL " + icon + " " + EncodeEntry(d.nameDe, false) + " " + EncodeEntry(d.textDe, false) + " " + value + "\n";
        ru += d.id + " NULL " + icon + " " + EncodeEntry(d.nameRu, true) + " " + EncodeEntry(d.textRu, true) + " " + value + "\n";
    }
    // The crate that stands for item 0 and for every item drawn on the floor by the shadow pass.
    XMesh crate;
    const int wood = crate.AddMaterial({0.6f, 0.45f, 0.25f, 1, "itemkiste.png"});
    crate.AddBox({-2.0f, 0, -2.0f}, {2.0f, 3.0f, 2.0f}, wood);
    Canvas planks(64, 64, {150, 110, 60, 255});
    for (int y = 0; y < 64; y += 16) planks.FillRect(0, y, 64, 2, {80, 55, 30, 255});
    planks.Outline(0, 0, 64, 64, {70, 45, 20, 255}, 4);
    planks.Line(4, 4, 60, 60, 4, {110, 80, 40, 255});
    planks.Noise(7, 0.08f);
    g.Pack("Pack10.gzp").Add("itemkiste.png", planks.ToPng());
    g.Pack("Pack9.gzp").Add("Itemkiste_000.x", crate.ToText());
    g.itemsList[0] = de;
    g.itemsList[1] = de;
    g.itemsList[2] = ru;
}

}  // namespace content
