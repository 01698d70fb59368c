// The scene object's render set-ups (the 3D view of the camera, the 2D screen space every screen
// draws in) and the mouse ray against one floor cell.
#include "framework/geometry.h"
#include "framework/myapp.h"
#include "framework/szene.h"
#include "platform/math3d.h"
#include "townview/szene_hilfen.h"
#include "world/records.h"

void Szene::Setze3DKamera()
{
    gfx::Device& g = *MyApp.m_pd3dDevice;
    MyApp.m_matProj = math3d::PerspectiveFovLH(3.14159265f / 4.0f, 4.0f / 3.0f, 1.0f, 9900.0f);
    g.SetTransform(gfx::TransformType::Projection, MyApp.m_matProj);
    const math3d::Vec3 auge{Cam.Auge[0], Cam.Auge[1], Cam.Auge[2]};
    const math3d::Vec3 ziel{Cam.Ziel[0], Cam.Ziel[1], Cam.Ziel[2]};
    MyApp.m_matView = math3d::LookAtLH(auge, ziel, {Cam.Oben[0], Cam.Oben[1], Cam.Oben[2]});
    g.SetTransform(gfx::TransformType::View, MyApp.m_matView);
}

void Szene::Setze2DModus()
{
    gfx::Device& g = *MyApp.m_pd3dDevice;
    g.SetTransform(gfx::TransformType::View, math3d::Identity());
    g.SetTransform(gfx::TransformType::Projection, math3d::OrthoLH(1024.0f, 768.0f, 0.0f, 1.0f));
    g.SetRenderState(gfx::RenderState::ZEnable, 0);
    g.SetRenderState(gfx::RenderState::ZWriteEnable, 0);
    g.SetRenderState(gfx::RenderState::Lighting, 0);
    SetzeAlphaZustaende(g);
}

uint8_t StrahlTrifftFeld(const math3d::Vec3& ursprung, const math3d::Vec3& richtung, float x, float z)
{
    // The cell is the floor square of side 10 around (10x, 0, 10z), split along the diagonal from
    // its (-x, +z) corner to its (+x, -z) corner.
    const float x0 = 10 * x - 5, x1 = 10 * x + 5, z0 = 10 * z - 5, z1 = 10 * z + 5;
    const math3d::Vec3 a[3] = {{x0, 0, z1}, {x1, 0, z1}, {x1, 0, z0}};
    const math3d::Vec3 b[3] = {{x1, 0, z0}, {x0, 0, z0}, {x0, 0, z1}};
    if (SchneideStrahlDreieck(ursprung, richtung, 0, a[0], a[1], a[2], nullptr)) return 1;
    return SchneideStrahlDreieck(ursprung, richtung, 0, b[0], b[1], b[2], nullptr) ? 1 : 0;
}

uint8_t Szene::MausTrifftFeld(float x, float z)
{
    math3d::Vec3 ursprung, richtung;
    BerechneMausStrahl(static_cast<float>(MyApp.MausX), static_cast<float>(MyApp.MausY), ursprung, richtung);
    return StrahlTrifftFeld(ursprung, richtung, x, z);
}
