#include "framework/geometry.h"

#include <cmath>

#include "framework/myapp.h"

using math3d::Matrix;
using math3d::Vec3;

float BerechneWinkel(float x1, float y1, float x2, float y2)
{
    const float dx = x2 - x1;
    const float dy = y2 - y1;
    if (dx == 0.0f) return dy >= 0.0f ? 90.0f : 270.0f;
    float a = std::atan(dy / dx) * 57.29747f;  // the game's own factor, kept for identical headings
    if (dx < 0.0f)
        a += 180.0f;
    else if (dy < 0.0f)
        a += 360.0f;
    // A hair below 0 degrees rounds up to 360 in the addition; that heading is 0.
    if (a >= 360.0f) a -= 360.0f;
    return a;
}

void Kreuzprodukt(Vec3& out, const Vec3& a, const Vec3& b)
{
    out = {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

float VektorLaenge(const Vec3& v) { return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); }

void NormiereVektor(Vec3& out, const Vec3& v)
{
    const float len = VektorLaenge(v);
    if (len == 0.0f) {
        out = {0.0f, 0.0f, 0.0f};
        return;
    }
    out = {v.x / len, v.y / len, v.z / len};
}

void VektorDifferenz(Vec3& out, const Vec3& a, const Vec3& b) { out = {a.x - b.x, a.y - b.y, a.z - b.z}; }

float Skalarprodukt(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

void DreieckNormale(Vec3& out, const Vec3 triangle[3])
{
    Vec3 e1, e2, n;
    VektorDifferenz(e1, triangle[1], triangle[0]);
    VektorDifferenz(e2, triangle[2], triangle[0]);
    Kreuzprodukt(n, e1, e2);
    NormiereVektor(out, n);
}

float EbenenKonstante(const Vec3& normal, const Vec3& point) { return -Skalarprodukt(normal, point); }

bool StreckeKreuztEbene(const Vec3 triangle[3], const Vec3 segment[2], Vec3& normal, float& d)
{
    DreieckNormale(normal, triangle);
    d = EbenenKonstante(normal, triangle[0]);
    const float s0 = Skalarprodukt(normal, segment[0]) + d;
    const float s1 = Skalarprodukt(normal, segment[1]) + d;
    return s0 * s1 < 0.0f;
}

float VektorWinkel(const Vec3& a, const Vec3& b)
{
    const float w = std::acos(Skalarprodukt(a, b) / (VektorLaenge(a) * VektorLaenge(b)));
    return std::isnan(w) ? 0.0f : w;
}

void SchnittpunktEbene(Vec3& out, const Vec3& normal, const Vec3 segment[2], float d)
{
    Vec3 richtung, dir;
    VektorDifferenz(richtung, segment[1], segment[0]);
    NormiereVektor(dir, richtung);
    const float den = Skalarprodukt(normal, dir);
    if (den == 0.0f) {
        out = segment[0];
        return;
    }
    const float t = -(Skalarprodukt(normal, segment[0]) + d) / den;
    out = {segment[0].x + dir.x * t, segment[0].y + dir.y * t, segment[0].z + dir.z * t};
}

bool PunktInVieleck(const Vec3& point, const Vec3* corners, int n)
{
    float summe = 0.0f;
    for (int i = 0; i < n; ++i) {
        Vec3 a, b;
        VektorDifferenz(a, corners[i], point);
        VektorDifferenz(b, corners[(i + 1) % n], point);
        summe += VektorWinkel(a, b);
    }
    return summe >= 6.220353454107791f;  // 0.99 x 2 pi
}

bool StreckeTrifftDreieck(const Vec3* corners, const Vec3 segment[2], int n)
{
    Vec3 normal;
    float d = 0.0f;
    if (!StreckeKreuztEbene(corners, segment, normal, d)) return false;
    Vec3 punkt;
    SchnittpunktEbene(punkt, normal, segment, d);
    return PunktInVieleck(punkt, corners, n);
}

void TransponiereMatrix(Matrix& out, const Matrix& m)
{
    Matrix t;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) t.m[i][j] = m.m[j][i];
    out = t;
}

void InvertiereMatrix(const Matrix& m, Matrix& out)
{
    // Cofactors of m, transposed into the adjugate, divided by the determinant.
    auto minor3 = [&](int zeile, int spalte) {
        float a[3][3];
        for (int i = 0, r = 0; i < 4; ++i) {
            if (i == zeile) continue;
            for (int j = 0, c = 0; j < 4; ++j) {
                if (j == spalte) continue;
                a[r][c++] = m.m[i][j];
            }
            ++r;
        }
        return a[0][0] * (a[1][1] * a[2][2] - a[1][2] * a[2][1]) -
               a[0][1] * (a[1][0] * a[2][2] - a[1][2] * a[2][0]) +
               a[0][2] * (a[1][0] * a[2][1] - a[1][1] * a[2][0]);
    };
    Matrix cof;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) cof.m[i][j] = ((i + j) % 2 == 0 ? 1.0f : -1.0f) * minor3(i, j);
    float det = 0.0f;
    for (int j = 0; j < 4; ++j) det += m.m[0][j] * cof.m[0][j];
    Matrix adj;
    TransponiereMatrix(adj, cof);
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) out.m[i][j] = adj.m[i][j] / det;
}

void BerechneMausStrahl(float mx, float my, const Matrix& view, const Matrix& proj, Vec3& origin,
                        Vec3& direction)
{
    const Vec3 v{(2.0f * mx / 1024.0f - 1.0f) / proj.m[0][0], -(2.0f * my / 768.0f - 1.0f) / proj.m[1][1], 1.0f};
    Matrix inv;
    InvertiereMatrix(view, inv);
    const Vec3 dir{v.x * inv.m[0][0] + v.y * inv.m[1][0] + v.z * inv.m[2][0],
                   v.x * inv.m[0][1] + v.y * inv.m[1][1] + v.z * inv.m[2][1],
                   v.x * inv.m[0][2] + v.y * inv.m[1][2] + v.z * inv.m[2][2]};
    origin = {inv.m[3][0], inv.m[3][1], inv.m[3][2]};
    NormiereVektor(direction, dir);
}

void BerechneMausStrahl(float mx, float my, Vec3& origin, Vec3& direction)
{
    BerechneMausStrahl(mx, my, MyApp.m_matView, MyApp.m_matProj, origin, direction);
}

bool SchneideStrahlDreieck(const Vec3& o, const Vec3& d, uint8_t cull, const Vec3& c0, const Vec3& c1,
                           const Vec3& c2, float* distance)
{
    Vec3 e1, e2, p, s, q;
    VektorDifferenz(e1, c1, c0);
    VektorDifferenz(e2, c2, c0);
    Kreuzprodukt(p, d, e2);
    const float det = Skalarprodukt(e1, p);
    if (cull && det < 0.0001f) return false;
    if (det > -0.0001f && det < 0.0001f) return false;
    VektorDifferenz(s, o, c0);
    const float u = Skalarprodukt(s, p);
    if (u < 0.0f || u > det) return false;
    Kreuzprodukt(q, s, e1);
    const float v = Skalarprodukt(d, q);
    if (v < 0.0f || u + v > det) return false;
    if (distance) *distance = Skalarprodukt(e2, q) / det;
    return true;
}

int RichteMatrixAus(Matrix& out, const Vec3& from, const Vec3& to, const Vec3& up)
{
    Vec3 richtung, z, y, x;
    VektorDifferenz(richtung, to, from);
    NormiereVektor(z, richtung);
    const float upz = Skalarprodukt(up, z);
    NormiereVektor(y, Vec3{up.x - upz * z.x, up.y - upz * z.y, up.z - upz * z.z});
    Kreuzprodukt(x, y, z);
    out = Matrix{{{x.x, x.y, x.z, 0.0f}, {y.x, y.y, y.z, 0.0f}, {z.x, z.y, z.z, 0.0f}, {from.x, from.y, from.z, 1.0f}}};
    return 1;
}

void MultipliziereMatrix(Matrix& out, const Matrix& a, const Matrix& b) { out = math3d::Multiply(a, b); }

BildschirmPunkt ProjiziereAufBildschirm(float x, float y, float z, const Matrix& view, const Matrix& proj)
{
    Matrix m;
    MultipliziereMatrix(m, view, proj);
    const float X = x * m.m[0][0] + y * m.m[1][0] + z * m.m[2][0] + m.m[3][0];
    const float Y = x * m.m[0][1] + y * m.m[1][1] + z * m.m[2][1] + m.m[3][1];
    const float W = x * m.m[0][3] + y * m.m[1][3] + z * m.m[2][3] + m.m[3][3];
    BildschirmPunkt p;
    // At or behind the eye the division has no meaning (and inf/NaN must not become an int).
    if (!(W > 0.0f)) return p;
    const float sx = (X / W + 1.0f) * 512.0f;
    const float sy = (Y / W + 1.0f) * 384.0f;
    // Far off-screen points are clamped so the conversion stays defined.
    constexpr float kGrenze = 1.0e9f;
    p.x = static_cast<int>(std::fmax(-kGrenze, std::fmin(kGrenze, sx)));
    p.y = static_cast<int>(std::fmax(-kGrenze, std::fmin(kGrenze, sy)));
    p.vorAuge = true;
    return p;
}

BildschirmPunkt ProjiziereAufBildschirm(float x, float y, float z)
{
    return ProjiziereAufBildschirm(x, y, z, MyApp.m_matView, MyApp.m_matProj);
}
