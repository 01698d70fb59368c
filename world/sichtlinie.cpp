#include "world/sichtlinie.h"

#include <algorithm>
#include <cmath>

#include "world/figur_hilfen.h"

// Every figure stands at height 0, on the bottom edge of the 20-unit-high wall boxes, so a test in
// 3D would decide by rounding. The walls stand from the floor up, which makes the test in x and z
// against the closed 10 x 10 square of the cell the same answer for every height the boxes cover.

namespace {

bool GueltigerIndex(int32_t i) { return i >= 0 && i < FIGUREN_ANZAHL; }

// Liang-Barsky clipping of the segment against the closed square.
bool StreckeTrifftQuadrat(float ax, float az, float bx, float bz, float minX, float maxX, float minZ,
                          float maxZ) {
    const float dx = bx - ax, dz = bz - az;
    float t0 = 0.0f, t1 = 1.0f;
    const float p[4] = {-dx, dx, -dz, dz};
    const float q[4] = {ax - minX, maxX - ax, az - minZ, maxZ - az};
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0.0f) {
            if (q[k] < 0.0f) return false;
            continue;
        }
        const float r = q[k] / p[k];
        if (p[k] < 0.0f) t0 = std::max(t0, r);
        else t1 = std::min(t1, r);
        if (t0 > t1) return false;
    }
    return true;
}

bool Endlich(const FigurRecord& f) { return std::isfinite(f.Position[0]) && std::isfinite(f.Position[2]); }

}  // namespace

bool StreckeTrifftZelle(float x, float z, int32_t a, int32_t b) {
    if (!GueltigerIndex(a) || !GueltigerIndex(b)) return false;
    const FigurRecord& fa = Figuren[a];
    const FigurRecord& fb = Figuren[b];
    return StreckeTrifftQuadrat(fa.Position[0], fa.Position[2], fb.Position[0], fb.Position[2], x - 5.0f,
                                x + 5.0f, z - 5.0f, z + 5.0f);
}

bool SichtLinieBlockiert(int32_t a, int32_t b) {
    if (!GueltigerIndex(a) || !GueltigerIndex(b)) return true;
    const FigurRecord& fa = Figuren[a];
    const FigurRecord& fb = Figuren[b];
    // A position no cell can hold gives no clear line.
    if (!Endlich(fa) || !Endlich(fb)) return true;

    // Only cells whose square can meet the segment's bounding box: cell c spans 10c - 5 .. 10c + 5.
    auto bereich = [](float u, float v, int& lo, int& hi) {
        const float mn = std::min(u, v), mx = std::max(u, v);
        lo = static_cast<int>(std::ceil(std::clamp((mn - 5.0f) / 10.0f, -1.0f, 200.0f)));
        hi = static_cast<int>(std::floor(std::clamp((mx + 5.0f) / 10.0f, -1.0f, 200.0f)));
        lo = std::max(lo - 1, 0);  // one cell of slack against rounding; the exact test decides
        hi = std::min(hi + 1, GITTER_GROESSE - 1);
    };
    int x0, x1, z0, z1;
    bereich(fa.Position[0], fb.Position[0], x0, x1);
    bereich(fa.Position[2], fb.Position[2], z0, z1);
    for (int x = x0; x <= x1; ++x)
        for (int z = z0; z <= z1; ++z)
            if (StadtGitter[x][z].Blockiert == 1 &&
                StreckeTrifftZelle(10.0f * static_cast<float>(x), 10.0f * static_cast<float>(z), a, b))
                return true;
    return false;
}
