// Small steps the draw passes share.
#include "townview/szene_hilfen.h"

#include <algorithm>
#include <cmath>

#include "framework/myapp.h"
#include "world/records.h"

math3d::Matrix PlatzMatrix(const float position[3], const float drehung[3])
{
    using namespace math3d;
    const Matrix rot = Multiply(Multiply(RotationX(drehung[0]), RotationY(drehung[1])), RotationZ(drehung[2]));
    return Multiply(rot, Translation(position[0], position[1], position[2]));
}

void AlphaSchalten(bool an)
{
    gfx::Device& g = *MyApp.m_pd3dDevice;
    g.SetRenderState(gfx::RenderState::AlphaBlendEnable, an ? 1 : 0);
    g.SetRenderState(gfx::RenderState::AlphaTestEnable, an ? 1 : 0);
}

void SetzeAufrechteSicht()
{
    const math3d::Vec3 auge{Cam.Auge[0], Cam.Auge[1], Cam.Auge[2]};
    const math3d::Vec3 ziel{Cam.Ziel[0], Cam.Ziel[1], Cam.Ziel[2]};
    MyApp.m_pd3dDevice->SetTransform(gfx::TransformType::View, math3d::LookAtLH(auge, ziel, {0, 1, 0}));
}

math3d::Matrix SichtUndProjektion()
{
    const gfx::Device& g = *MyApp.m_pd3dDevice;
    return math3d::Multiply(g.GetTransform(gfx::TransformType::View), g.GetTransform(gfx::TransformType::Projection));
}

void ErweitereUmriss(Umriss& u, int slot, const math3d::Matrix& welt, const math3d::Matrix& sicht)
{
    if (u.ganz) return;
    if (slot < 0 || slot >= MyApp::kMeshSlots) {
        u.ganz = true;
        return;
    }
    const MyApp::MeshBox& b = MyApp.MeshBoxen[slot];
    if (!b.bekannt) {
        u.ganz = true;
        return;
    }
    const math3d::Matrix m = math3d::Multiply(welt, sicht);
    for (int k = 0; k < 8; ++k) {
        const math3d::Vec4 c =
            math3d::Transform({k & 1 ? b.max.x : b.min.x, k & 2 ? b.max.y : b.min.y, k & 4 ? b.max.z : b.min.z}, m);
        if (!(c.w > 1e-3f)) {
            u.ganz = true;
            return;
        }
        u.x0 = std::min(u.x0, c.x / c.w), u.x1 = std::max(u.x1, c.x / c.w);
        u.y0 = std::min(u.y0, c.y / c.w), u.y1 = std::max(u.y1, c.y / c.w);
    }
}

gfx::Rect Pixel(const Umriss& u, int breite, int hoehe, int rand)
{
    if (u.ganz) return {0, 0, breite, hoehe};
    if (u.x1 < u.x0) return {0, 0, 0, 0};
    auto spalte = [&](float x) { return std::clamp(x, -2.0f, 2.0f) * 0.5f * float(breite) + 0.5f * float(breite); };
    auto zeile = [&](float y) { return -std::clamp(y, -2.0f, 2.0f) * 0.5f * float(hoehe) + 0.5f * float(hoehe); };
    return {std::max(0, int(std::floor(spalte(u.x0))) - rand), std::max(0, int(std::floor(zeile(u.y1))) - rand),
            std::min(breite, int(std::ceil(spalte(u.x1))) + rand), std::min(hoehe, int(std::ceil(zeile(u.y0))) + rand)};
}
