// Small steps the draw passes share.
#include "townview/szene_hilfen.h"

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
