// Pictures rendered into textures inside the frame's scene: a figure's head and shoulders for the
// squad bar and the conversation screens, a mesh slot for the editor's previews.
#include "townview/vorschau.h"

#include "framework/myapp.h"
#include "framework/szene.h"
#include "framework/zeichnen.h"
#include "townview/szene_hilfen.h"
#include "world/records.h"

namespace {

// The preview lights over a dim ambient, the target cleared to black.
// False when the target does not exist (its creation was reported at start-up): nothing is drawn,
// since target 0 would be the back buffer.
bool BeginneBild(gfx::Texture ziel, const math3d::Vec3& auge, const math3d::Vec3& punkt)
{
    if (ziel == 0) return false;
    gfx::Device& g = *MyApp.m_pd3dDevice;
    for (uint32_t k = 0; k < 100; ++k) g.LightEnable(k, false);
    SetzeVorschauLichter(0xFF191919u);
    g.SetRenderTarget(ziel);
    SetzeAlphaZustaende(g);
    g.Clear(gfx::clear::Target | gfx::clear::ZBuffer, 0xFF000000u, 1.0f);
    g.SetTransform(gfx::TransformType::View, math3d::LookAtLH(auge, punkt, {0, 1, 0}));
    g.SetRenderState(gfx::RenderState::ZEnable, 1);
    g.SetRenderState(gfx::RenderState::ZWriteEnable, 1);
    return true;
}

}  // namespace

void RenderePortrait(int32_t i)
{
    if (i < 0 || i >= FIGUREN_ANZAHL) return;
    if (!BeginneBild(MyApp.PortraitTextur, {0, 0, 3.8f}, {0, 0, 0})) return;
    gfx::Device& g = *MyApp.m_pd3dDevice;
    // A fixed figure has no body of its own and is shown with the default parts; the record keeps
    // its own models (a trader cell's figure stays the editor's marker).
    FigurRecord f = Figuren[i];
    if (f.Typ == 9999) {
        const int16_t standard[5] = {2000, 2012, 2024, 2036, 2048};
        for (int p = 0; p < 5; ++p) f.TeilModelle[p] = standard[p];
    }
    // The head of a standing figure is 16.7 up.
    g.SetTransform(gfx::TransformType::World, math3d::Translation(0, -16.7f, 0));
    ZeichnePersonTeile(f, true);
    g.SetRenderState(gfx::RenderState::AlphaBlendEnable, 0);
    Szene.Setze2DModus();
    // The side strips: the left and right eighths of the picture.
    ZeichneBild(10, 0, 0, 128, 768);
    ZeichneBild(10, 896, 0, 128, 768);
    g.SetRenderTarget(0);
}

void ZeichnePortrait(int32_t i, float x, float y)
{
    gfx::Device& g = *MyApp.m_pd3dDevice;
    Szene.Setze3DKamera();
    RenderePortrait(i);
    Szene.Setze2DModus();
    g.SetRenderState(gfx::RenderState::AlphaTestEnable, 0);
    g.SetRenderState(gfx::RenderState::AlphaBlendEnable, 1);
    g.SetRenderState(gfx::RenderState::SrcBlend, gfx::blend::One);
    g.SetRenderState(gfx::RenderState::DestBlend, gfx::blend::One);
    g.SetTexture(MyApp.PortraitTextur);
    MyApp.Draw2D(x, y, 90, 64);
    Szene.Setze2DModus();
}

void RendereModellVorschau(int32_t model)
{
    Szene.Setze3DKamera();
    if (!BeginneBild(MyApp.VorschauTextur, {0, 9, 40.00001f}, {0, 9, 0})) return;
    gfx::Device& g = *MyApp.m_pd3dDevice;
    ZeichneMeshSlot(model, math3d::Identity(), ErsteMeshTextur(model));
    g.SetRenderState(gfx::RenderState::AlphaBlendEnable, 0);
    g.SetRenderTarget(0);
}
