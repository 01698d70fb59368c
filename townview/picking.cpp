// The mouse ray against upright boxes: a town cell, a floor item, a person. One test serves all
// three; only the box differs.
#include "townview/picking.h"

#include "framework/geometry.h"
#include "framework/myapp.h"
#include "world/records.h"

namespace {

// The ray through the mouse pixel against the box of half width w round (cx, cz), from the floor to
// height h. The faces are split in a fixed order; a triangle is hit only from its front, so the sides
// and the top count from outside and the floor from inside (a ray from above passes through it).
bool StrahlTrifftBox(float cx, float cz, float w, float h)
{
    using math3d::Vec3;
    auto p = [&](float dx, float y, float dz) { return Vec3{cx + dx, y, cz + dz}; };
    const Vec3 dreiecke[12][3] = {
        {p(-w, 0, +w), p(+w, 0, +w), p(+w, 0, -w)}, {p(+w, 0, -w), p(-w, 0, -w), p(-w, 0, +w)},
        {p(-w, h, +w), p(+w, h, +w), p(+w, h, -w)}, {p(+w, h, -w), p(-w, h, -w), p(-w, h, +w)},
        {p(-w, 0, -w), p(-w, h, -w), p(+w, h, -w)}, {p(+w, h, -w), p(+w, 0, -w), p(-w, 0, -w)},
        {p(-w, 0, +w), p(+w, 0, +w), p(+w, h, +w)}, {p(+w, h, +w), p(-w, h, +w), p(-w, 0, +w)},
        {p(-w, 0, -w), p(-w, 0, +w), p(-w, h, +w)}, {p(-w, h, +w), p(-w, h, -w), p(-w, 0, -w)},
        {p(+w, 0, -w), p(+w, h, -w), p(+w, h, +w)}, {p(+w, h, +w), p(+w, 0, +w), p(+w, 0, -w)},
    };
    Vec3 ursprung, richtung;
    BerechneMausStrahl(static_cast<float>(MyApp.MausX), static_cast<float>(MyApp.MausY), ursprung, richtung);
    for (const auto& d : dreiecke)
        if (SchneideStrahlDreieck(ursprung, richtung, 0, d[0], d[1], d[2], nullptr)) return true;
    return false;
}

bool FigurTrifft(int32_t i, float w, float h)
{
    if (i < 0 || i >= FIGUREN_ANZAHL) return false;
    const FigurRecord& f = Figuren[i];
    return StrahlTrifftBox(f.Position[0], f.Position[2], w, h);
}

}  // namespace

uint8_t MausUeberFigur(int32_t i) { return FigurTrifft(i, 5, 10) ? 1 : 0; }

uint8_t PickeFigur(int32_t i) { return FigurTrifft(i, 4, 8) ? 1 : 0; }

uint8_t PickeFeld(int32_t x, int32_t z)
{
    return StrahlTrifftBox(static_cast<float>(x), static_cast<float>(z), 5, 20) ? 1 : 0;
}
