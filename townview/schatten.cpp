// Planar shadows: the casters flattened onto the floor along the sun into a layer cleared to white,
// which is then multiplied over the frame. Also the three render targets (shadow layer, portrait,
// model preview).
#include "framework/camera.h"
#include "framework/myapp.h"
#include "framework/services_townview.h"
#include "framework/szene.h"
#include "framework/zeichnen.h"
#include "platform/os.h"
#include "townview/szene_hilfen.h"
#include "world/figur_hilfen.h"
#include "world/records.h"

namespace {

// A target that cannot be made is reported once, here; the passes that would draw into it are
// skipped, since binding target 0 would mean the back buffer.
void ErstelleZiel(gfx::Texture& ziel, int breite, int hoehe, const char* routine, const char* name)
{
    gfx::Device& g = *MyApp.m_pd3dDevice;
    if (ziel != 0) g.ReleaseTexture(ziel);
    ziel = g.CreateRenderTarget(breite, hoehe, gfx::Format::R5G6B5);
    if (ziel == 0) os::MessageBox(routine, "Fehler!");
    g.Name(ziel, name);
}

// The cut-out texture of a see-through model keeps its holes in the shadow.
gfx::Texture SchattenTexturVon(int slot)
{
    if (slot >= 0 && slot < MyApp::kMeshSlots && MyApp.SlotTexturen[slot] != 0) return MyApp.SlotTexturen[slot];
    return MyApp.Texturen[132];
}

bool SchichtBeginnen()
{
    if (MyApp.SchattenTextur == 0) return false;
    gfx::Device& g = *MyApp.m_pd3dDevice;
    g.SetRenderState(gfx::RenderState::Lighting, 0);
    g.SetRenderState(gfx::RenderState::AlphaBlendEnable, 1);
    g.SetRenderState(gfx::RenderState::SrcBlend, gfx::blend::SrcAlpha);
    g.SetRenderState(gfx::RenderState::DestBlend, gfx::blend::InvSrcAlpha);
    g.SetRenderState(gfx::RenderState::AlphaRef, 8);
    g.SetRenderState(gfx::RenderState::AlphaFunc, gfx::cmp::GreaterEqual);
    g.SetRenderState(gfx::RenderState::ZEnable, 0);
    g.SetRenderTarget(MyApp.SchattenTextur);
    g.Clear(gfx::clear::Target, 0xFFFFFFFFu, 1.0f);
    return true;
}

// The layer multiplied over the whole frame, then back to the 3D view.
void SchichtAufFrame()
{
    gfx::Device& g = *MyApp.m_pd3dDevice;
    g.SetRenderState(gfx::RenderState::ZEnable, 1);
    g.SetRenderState(gfx::RenderState::AlphaBlendEnable, 0);
    g.SetRenderTarget(0);
    Szene.Setze2DModus();
    g.SetRenderState(gfx::RenderState::SrcBlend, gfx::blend::Zero);
    g.SetRenderState(gfx::RenderState::DestBlend, gfx::blend::SrcColor);
    g.SetTexture(MyApp.SchattenTextur);
    MyApp.Draw2D(0, 0, 1024, 768);
    Szene.Setze3DKamera();
}

}  // namespace

math3d::Matrix SchattenMatrix()
{
    const LichtRecord& sonne = LichtZustand[0];
    return math3d::Shadow({sonne.Position[0] / 1000.0f, -0.7f, sonne.Position[2] / 1000.0f, 0.0f}, {0, -1, 0, 0});
}

void ErstelleSchattenTexture()
{
    // A save can switch shadows on whatever SHADOW was at start-up, so the layer always exists;
    // its size follows the setting at start-up.
    int breite = 512, hoehe = 512;
    if (SetupWerte.SHADOW == 2) breite = hoehe = 768;
    if (SetupWerte.SHADOW == 3) {
        breite = 1024;
        hoehe = 768;
    }
    ErstelleZiel(MyApp.SchattenTextur, breite, hoehe, "ErstelleSchattenTexture()", "SchattenTextur");
}

void Szene::ErstelleVorschauTexturen()
{
    ErstelleZiel(MyApp.PortraitTextur, 128, 128, "ErstelleVorschauTexturen()", "PortraitTextur");
    ErstelleZiel(MyApp.VorschauTextur, 256, 256, "ErstelleVorschauTexturen()", "VorschauTextur");
}

void Szene::RendereFigurSchatten()
{
    if (!SchichtBeginnen()) return;
    for (int i = 0; i < FIGUREN_ANZAHL; ++i) {
        const FigurRecord& f = Figuren[i];
        if (f.Aktiv != 1 || f.TeilModelle[0] <= 0) continue;
        if (!SichtPyramide.FrustumKugelSichtbar(f.Position[0], f.Position[1], f.Position[2], 30)) continue;
        ZeichneFigurSchatten(i);
    }
    SchichtAufFrame();
}

void Szene::RendereObjektSchatten()
{
    if (SetupWerte.SHADOW_OBJEKT == 0 || !SchichtBeginnen()) return;
    for (int k = 0; k < STADTOBJEKTE_ANZAHL; ++k) {
        const ObjektRecord& o = StadtObjekte[k];
        if (o.Aktiv != 1 || o.Modell <= 0 || o.Modell == slot::Blutfleck) continue;
        if (!SichtPyramide.FrustumKugelSichtbar(o.Position[0], o.Position[1], o.Position[2], 100)) continue;
        ZeichneObjektSchatten(k);
    }
    SchichtAufFrame();
}

void ZeichneFigurSchatten(int32_t i)
{
    if (i < 0 || i >= FIGUREN_ANZAHL) return;
    const FigurRecord& f = Figuren[i];
    const bool person = IstPerson(f.Typ);
    if ((person ? SetupWerte.SHADOW_ENTITY : SetupWerte.SHADOW_ITEM) == 0) return;
    if (IstEditorPlatzhalter(f.TeilModelle[0]) || f.Typ == 10001) return;
    gfx::Device& g = *MyApp.m_pd3dDevice;
    g.SetTransform(gfx::TransformType::World, math3d::Multiply(PlatzMatrix(f.Position, f.Drehung), SchattenMatrix()));
    if (IstBodenItem(f.Typ)) {
        g.SetTexture(MyApp.Texturen[132]);
        ZeichneMeshSubset0(slot::Kiste);
        return;
    }
    g.SetTexture(SchattenTexturVon(f.TeilModelle[0]));
    ZeichneMeshSubset0(f.TeilModelle[0]);
    // Head and legs; hands, feet, worn pieces and the item in hand cast none.
    if (person && f.TeilModelle[1] > 0 && f.TeilModelle[2] > 0) {
        ZeichneMeshSubset0(f.TeilModelle[1]);
        ZeichneMeshSubset0(f.TeilModelle[2]);
    }
}

void ZeichneObjektSchatten(int32_t k)
{
    if (k < 0 || k >= STADTOBJEKTE_ANZAHL) return;
    const ObjektRecord& o = StadtObjekte[k];
    if (IstEditorPlatzhalter(o.Modell)) return;
    ZeichneMeshSlot(o.Modell, math3d::Multiply(PlatzMatrix(o.Position, o.Drehung), SchattenMatrix()),
                    SchattenTexturVon(o.Modell));
}
