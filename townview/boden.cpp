// The floor: the 40 x 40 tiles of the town's floor map, and the detail floor laid over them.
#include "framework/camera.h"
#include "framework/frame.h"
#include "framework/myapp.h"
#include "framework/services_townview.h"
#include "framework/szene.h"
#include "framework/zeichnen.h"
#include "framework/frame.h"
#include "townview/szene_hilfen.h"
#include "world/records.h"

namespace {

// Floor texture n of the table; 0 (draw nothing) for an index a town file could hold but the
// table cannot.
gfx::Texture BodenTextur(int n) { return n >= 0 && n < MyApp::kBodenTexturen ? MyApp.BodenTexturen[n] : 0; }

}  // namespace

void Szene::ZeichneBoden()
{
    gfx::Device& g = *MyApp.m_pd3dDevice;
    g.SetRenderState(gfx::RenderState::ZEnable, 0);
    g.SetRenderState(gfx::RenderState::ZWriteEnable, 0);
    g.SetRenderState(gfx::RenderState::Lighting, 1);
    AlphaSchalten(false);
    for (int i = 0; i < BODENKARTE_GROESSE; ++i)
        for (int j = 0; j < BODENKARTE_GROESSE; ++j) {
            if (!SichtPyramide.FrustumKugelSichtbar(30.0f * i, 0, 30.0f * j, 17)) continue;
            WaehleLichter(30.0f * i, 30.0f * j);
            ZeichneBodenTile(i, j, 0);
        }
}

void Szene::ZeichneBodenTile(int32_t i, int32_t j, uint8_t nurAlpha)
{
    if (i < 0 || j < 0 || i >= BODENKARTE_GROESSE || j >= BODENKARTE_GROESSE) return;
    gfx::Device& g = *MyApp.m_pd3dDevice;
    const BodenTile& t = BodenKarte[i][j];
    const math3d::Matrix ort = math3d::Translation(30.0f * i, 0, 30.0f * j);
    const math3d::Matrix basis = math3d::Multiply(math3d::RotationY(t.BasisDrehung), ort);
    if (!nurAlpha) {
        const gfx::Texture tex = BodenTextur(t.BasisTextur);
        if (tex != 0) ZeichneMeshSlot(slot::BodenQuad, basis, tex);
    }
    if (t.AlphaTextur > 0) {
        const gfx::Texture tex = BodenTextur(t.AlphaTextur);
        if (tex != 0) {
            SetzeAlphaZustaende(g);
            ZeichneMeshSlot(slot::BodenQuad, math3d::Multiply(math3d::RotationY(t.AlphaDrehung), ort), tex);
            AlphaSchalten(false);
        }
    }
    if (EditorAktiv) {
        SetzeAlphaZustaende(g);
        ZeichneMeshSlot(slot::BodenQuad, basis, MyApp.Texturen[133]);
        AlphaSchalten(false);
    }
}

int32_t DetailTexturSatz()
{
    if (SonderOrt == 1) return 237;
    if (TutorialSchritt != 0) return 208;
    switch (AktuelleStadt) {
    case 1: return 226;
    case 3: return 230;
    case 4:
    case 15:
    case 16: return 237;
    case 10:
    case 14: return 241;
    default: return 208;
    }
}

void ZeichneDetailBoden()
{
    gfx::Device& g = *MyApp.m_pd3dDevice;
    const int t = DetailTexturSatz();
    g.SetRenderState(gfx::RenderState::ZEnable, 0);
    g.SetRenderState(gfx::RenderState::ZWriteEnable, 0);
    g.SetRenderState(gfx::RenderState::Lighting, 1);
    SetzeAlphaZustaende(g);
    const float stuecke[4][2] = {{305, 305}, {945, 305}, {305, 945}, {945, 945}};
    for (int k = 0; k < 4; ++k)
        ZeichneMeshSlot(slot::Gelaende, math3d::Translation(stuecke[k][0], 0, stuecke[k][1]), MyApp.Texturen[t + k]);
    // The entrance path of tiles (20, 0) and (19, 0) stays visible over the detail pieces.
    Szene.ZeichneBodenTile(20, 0, 1);
    Szene.ZeichneBodenTile(19, 0, 1);
}
