// Floor tiles (Pack2, "Boden.txt") and the fixed meshes the draw passes name by slot (flat quads,
// the marker ring, sprites, scenery), plus placeholders for models the town data adds later.
#include <cmath>
#include <cstdio>

#include "content/canvas.h"
#include "content/generator.h"
#include "content/xfile_writer.h"

namespace content {

namespace {

float Grain(int x, int y, int seed) {
    uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + uint32_t(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return float((h ^ (h >> 16)) & 0xffff) / 65535.0f;
}

enum class Ground { Sand, Earth, Grass, DryGrass, Cobble, Asphalt, Planks, Gravel, Mud, Tiles, Path, Edge, Corner };

struct Tile {
    Ground ground;
    uint32_t colour;
    const char* note;
};

// Tile n of the floor table. 0 and 21-24 are the bases of the encounter maps, 20 the overlay laid
// over the two tiles at a map's entrance. 21 is also the band round the town's edge, which 15 (its
// edges) and 17 (its corners) fade into the floor on either side.
const Tile kTiles[] = {
    {Ground::Sand, 0xC8B088, "sand"},          {Ground::Earth, 0x8A6A48, "earth"},
    {Ground::Grass, 0x5A8A3A, "grass"},        {Ground::DryGrass, 0x9A9050, "dry grass"},
    {Ground::Cobble, 0x8A8478, "cobbles"},     {Ground::Asphalt, 0x4A4A4C, "cracked asphalt"},
    {Ground::Planks, 0x8A6238, "planks"},      {Ground::Gravel, 0x9A948A, "gravel"},
    {Ground::Mud, 0x5A4A38, "mud"},            {Ground::Tiles, 0xA89078, "floor tiles"},
    {Ground::Sand, 0xB89C70, "dark sand"},     {Ground::Grass, 0x4A7A30, "dark grass"},
    {Ground::Earth, 0x7A5A3A, "dark earth"},   {Ground::Cobble, 0x7A746A, "old cobbles"},
    {Ground::Asphalt, 0x3A3A3C, "asphalt"},    {Ground::Edge, 0xD0B890, "border edge"},
    {Ground::DryGrass, 0xA8A060, "straw"},     {Ground::Corner, 0xD0B890, "border corner"},
    {Ground::Tiles, 0x907868, "red tiles"},    {Ground::Planks, 0x6A4A28, "dark planks"},
    {Ground::Path, 0xA08060, "entrance path overlay"},
    {Ground::Sand, 0xD0B890, "pale sand"},     {Ground::DryGrass, 0x8A8848, "steppe"},
    {Ground::Earth, 0x9A7A58, "dust"},         {Ground::Grass, 0x6A9048, "meadow"},
};

Canvas PaintTile(const Tile& t, int seed) {
    const Rgba col = FromArgb(0xFF000000 | t.colour);
    Canvas c(128, 128, col);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) {
            float f = 0.85f + 0.3f * Grain(x / 4, y / 4, seed) * 0.5f + 0.15f * Grain(x, y, seed + 1);
            Rgba p = Shade(col, f);
            switch (t.ground) {
            case Ground::Cobble:
            case Ground::Tiles: {
                const int s = t.ground == Ground::Tiles ? 32 : 21;
                const int off = ((y / s) % 2) * (s / 2);
                if ((y % s) < 2 || ((x + off) % s) < 2) p = Shade(col, 0.55f);
                break;
            }
            case Ground::Planks:
                if (y % 16 < 1) p = Shade(col, 0.5f);
                else p = Shade(p, 0.9f + 0.2f * std::sin(float(x) / 3.0f + float(y / 16)));
                break;
            case Ground::Asphalt:
                if (Grain(x / 2, y / 2, seed + 3) > 0.985f) p = Shade(col, 0.5f);
                break;
            case Ground::Grass:
            case Ground::DryGrass:
                if (Grain(x, y, seed + 4) > 0.8f) p = Shade(col, 1.3f);
                break;
            case Ground::Edge:
            case Ground::Corner: {
                // Opaque along the top edge (the border corner: the bottom right corner), fading out
                // over the tile. The border pass turns each piece to face the band.
                const float d = t.ground == Ground::Edge
                                    ? float(y) / 127.0f
                                    : std::sqrt(float((127 - x) * (127 - x) + (127 - y) * (127 - y))) / 127.0f;
                const float a = std::max(0.0f, 1.0f - d);
                p.a = uint8_t(230.0f * a * a * (3 - 2 * a));
                break;
            }
            case Ground::Path: {
                const float d = std::fabs(float(x) - 64.0f) / 64.0f;
                p = {col.r, col.g, col.b, uint8_t(d < 0.5f ? 230 : std::max(0.0f, 230 * (1 - (d - 0.5f) * 2)))};
                break;
            }
            default: break;
            }
            c.Set(x, y, p);
        }
    return c;
}

void AddMesh(Generator& g, int slot, const std::string& file, const XMesh& mesh) {
    g.Pack("Pack9.gzp").Add(file, mesh.ToText());
    g.catalogue.meshes[slot] = file;
}

int Textured(XMesh& m, Generator& g, const std::string& texture, const Canvas& picture) {
    g.Pack("Pack10.gzp").Add(texture, picture.ToPng());
    return m.AddMaterial({1, 1, 1, 1, texture});
}

// A flat square facing up, 2h wide.
XMesh FlatQuad(float h) {
    XMesh m;
    const int mat = m.AddMaterial({1, 1, 1, 1, ""});
    m.AddQuad({-h, 0, -h}, {-h, 0, h}, {h, 0, h}, {h, 0, -h}, mat);
    return m;
}

}  // namespace

void MakeFloor(Generator& g) {
    int n = 0;
    for (const Tile& t : kTiles) {
        char name[32];
        std::snprintf(name, sizeof name, "boden_%02d.png", n);
        g.Pack("Pack2.gzp").Add(name, PaintTile(t, n).ToPng());
        g.catalogue.boden.push_back(name);
        ++n;
    }

    // Fixed slots. The passes set their own textures on these where they name one.
    AddMesh(g, 9003, "flach_quad.x", FlatQuad(15));    // one floor tile of 30 x 30, centred on its point
    AddMesh(g, 9005, "ring_quad.x", FlatQuad(7));      // health ring, move marker, rain splash
    AddMesh(g, 9006, "sprite_flach.x", FlatQuad(60));  // drifting fog and cloud layers
    {
        // Detail floor piece and the surroundings beyond the town: 640 x 640 around its point.
        AddMesh(g, 9007, "gelaende_stueck.x", FlatQuad(320));
    }
    {
        // Effect sprite: three crossed quads so a puff looks round from every side.
        XMesh m;
        const int mat = m.AddMaterial({1, 1, 1, 1, ""});
        const float s = 10;
        m.AddQuad({-s, -s, 0}, {-s, s, 0}, {s, s, 0}, {s, -s, 0}, mat);
        m.AddQuad({s, -s, 0}, {s, s, 0}, {-s, s, 0}, {-s, -s, 0}, mat);
        m.AddQuad({0, -s, s}, {0, s, s}, {0, s, -s}, {0, -s, -s}, mat);
        m.AddQuad({0, -s, -s}, {0, s, -s}, {0, s, s}, {0, -s, s}, mat);
        AddMesh(g, 9008, "effekt_sprite.x", m);
    }
    {
        // Editor and trader signs (drawn only in the editor): a post with a plate.
        XMesh m;
        Canvas sign(32, 32, {200, 60, 40, 255});
        const int mat = Textured(m, g, "schild.png", sign);
        m.AddBox({-0.5f, 0, -0.5f}, {0.5f, 12, 0.5f}, mat);
        m.AddBox({-3, 10, -0.3f}, {3, 14, 0.3f}, mat);
        AddMesh(g, 9000, "schild_editor.x", m);
        AddMesh(g, 9001, "schild_haendler.x", m);
    }
    {
        // A rain drop: a thin streak, two crossed quads, with its own texture.
        XMesh m;
        Canvas streak(8, 64, {0, 0, 0, 0});
        streak.VerticalGradient(3, 0, 2, 64, {200, 220, 255, 0}, {220, 235, 255, 200});
        const int mat = Textured(m, g, "regentropfen.png", streak);
        m.AddQuad({-0.2f, 0, 0}, {-0.2f, 8, 0}, {0.2f, 8, 0}, {0.2f, 0, 0}, mat);
        m.AddQuad({0.2f, 0, 0}, {0.2f, 8, 0}, {-0.2f, 8, 0}, {-0.2f, 0, 0}, mat);
        m.AddQuad({0, 0, 0.2f}, {0, 8, 0.2f}, {0, 8, -0.2f}, {0, 0, -0.2f}, mat);
        m.AddQuad({0, 0, -0.2f}, {0, 8, -0.2f}, {0, 8, 0.2f}, {0, 0, 0.2f}, mat);
        AddMesh(g, 9009, "regentropfen.x", m);
    }
    // One level model so that the level's model section is never empty.
    {
        XMesh m;
        Canvas wall(64, 64, {120, 110, 95, 255});
        wall.Noise(3, 0.1f);
        const int mat = Textured(m, g, "platzhalter.png", wall);
        g.Pack("Pack11.gzp").Add("platzhalter.png", wall.ToPng());  // level-model skins; the town data adds its own
        m.AddBox({-20, 0, -20}, {20, 30, 20}, mat);
        g.Pack("Pack9.gzp").Add("objekt_platzhalter.x", m.ToText());
        g.catalogue.levelModels[8999] = {"objekt_platzhalter.x", "NULL"};
    }
}

}  // namespace content
