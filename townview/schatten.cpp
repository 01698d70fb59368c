// Planar shadows: the casters flattened onto the floor along the sun into a layer cleared to white,
// which is then multiplied over the frame. Also the three render targets (shadow layer, portrait,
// model preview).
#include <algorithm>
#include <cmath>
#include <vector>

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

// One flattened caster: subset 0 of a slot with its world matrix and texture.
struct SchattenTeil {
    int slot;
    math3d::Matrix welt;
    gfx::Texture textur;
};

// Where a layer's casters drew.
Umriss UmrissVon(const std::vector<SchattenTeil>& teile)
{
    const math3d::Matrix sicht = SichtUndProjektion();
    Umriss u;
    for (const SchattenTeil& t : teile) ErweitereUmriss(u, t.slot, t.welt, sicht);
    return u;
}

// The layer is cleared to white and multiplied over the frame only where the casters drew: the rest
// of the frame would be multiplied by white, which leaves it as it is. The frame's part takes
// every pixel whose filtered sample reaches a drawn texel; the cleared part every texel those
// pixels sample.
void SchichtZeichnen(const std::vector<SchattenTeil>& teile)
{
    gfx::Device& g = *MyApp.m_pd3dDevice;
    int breite = 0, hoehe = 0;
    g.TextureSize(MyApp.SchattenTextur, breite, hoehe);
    const Umriss gezeichnet = UmrissVon(teile);
    const gfx::Rect imFrame = Pixel(gezeichnet, gfx::kScreenWidth, gfx::kScreenHeight,
                                    2 + 2 * (gfx::kScreenWidth + breite - 1) / std::max(breite, 1));
    Umriss gelesen = gezeichnet;
    if (imFrame.right > imFrame.left) {
        gelesen.x0 = float(imFrame.left) / gfx::kScreenWidth * 2 - 1;
        gelesen.x1 = float(imFrame.right) / gfx::kScreenWidth * 2 - 1;
        gelesen.y1 = 1 - float(imFrame.top) / gfx::kScreenHeight * 2;
        gelesen.y0 = 1 - float(imFrame.bottom) / gfx::kScreenHeight * 2;
    }
    g.SetRenderState(gfx::RenderState::Lighting, 0);
    g.SetRenderState(gfx::RenderState::AlphaBlendEnable, 1);
    g.SetRenderState(gfx::RenderState::SrcBlend, gfx::blend::SrcAlpha);
    g.SetRenderState(gfx::RenderState::DestBlend, gfx::blend::InvSrcAlpha);
    g.SetRenderState(gfx::RenderState::AlphaRef, 8);
    g.SetRenderState(gfx::RenderState::AlphaFunc, gfx::cmp::GreaterEqual);
    g.SetRenderState(gfx::RenderState::ZEnable, 0);
    g.SetRenderTarget(MyApp.SchattenTextur);
    g.SetRenderState(gfx::RenderState::ScissorTestEnable, 1);
    g.SetScissorRect(Pixel(gelesen, breite, hoehe, 2));
    g.Clear(gfx::clear::Target, 0xFFFFFFFFu, 1.0f);
    g.SetRenderState(gfx::RenderState::ScissorTestEnable, 0);
    for (const SchattenTeil& t : teile) ZeichneMeshSlot(t.slot, t.welt, t.textur);

    // The layer multiplied over the frame, then back to the 3D view.
    g.SetRenderState(gfx::RenderState::ZEnable, 1);
    g.SetRenderState(gfx::RenderState::AlphaBlendEnable, 0);
    g.SetRenderTarget(0);
    Szene.Setze2DModus();
    g.SetRenderState(gfx::RenderState::SrcBlend, gfx::blend::Zero);
    g.SetRenderState(gfx::RenderState::DestBlend, gfx::blend::SrcColor);
    g.SetTexture(MyApp.SchattenTextur);
    g.SetRenderState(gfx::RenderState::ScissorTestEnable, 1);
    g.SetScissorRect(imFrame);
    MyApp.Draw2D(0, 0, 1024, 768);
    g.SetRenderState(gfx::RenderState::ScissorTestEnable, 0);
    Szene.Setze3DKamera();
}

// The parts of figure i's shadow: the body's models, or the crate of an item on the floor.
void FigurSchattenTeile(int32_t i, std::vector<SchattenTeil>& teile)
{
    const FigurRecord& f = Figuren[i];
    const bool person = IstPerson(f.Typ);
    if ((person ? SetupWerte.SHADOW_ENTITY : SetupWerte.SHADOW_ITEM) == 0) return;
    if (IstEditorPlatzhalter(f.TeilModelle[0]) || f.Typ == 10001) return;
    const math3d::Matrix welt = math3d::Multiply(PlatzMatrix(f.Position, f.Drehung), SchattenMatrix());
    if (IstBodenItem(f.Typ)) {
        if (MeshGeladen(slot::Kiste)) teile.push_back({slot::Kiste, welt, MyApp.Texturen[132]});
        return;
    }
    const gfx::Texture textur = SchattenTexturVon(f.TeilModelle[0]);
    // Head and legs; hands, feet, worn pieces and the item in hand cast none. -1 is no slot: a mesh
    // the data puts in slot 0 is not cast in their place.
    const bool kopfUndBeine = person && f.TeilModelle[1] > 0 && f.TeilModelle[2] > 0;
    const int modelle[3] = {f.TeilModelle[0], kopfUndBeine ? f.TeilModelle[1] : -1, kopfUndBeine ? f.TeilModelle[2] : -1};
    for (int m : modelle)
        if (MeshGeladen(m)) teile.push_back({m, welt, textur});
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
    if (MyApp.SchattenTextur == 0) return;
    std::vector<SchattenTeil> teile;
    for (int i = 0; i < FIGUREN_ANZAHL; ++i) {
        const FigurRecord& f = Figuren[i];
        if (f.Aktiv != 1 || f.TeilModelle[0] <= 0) continue;
        if (!SichtPyramide.FrustumKugelSichtbar(f.Position[0], f.Position[1], f.Position[2], 30)) continue;
        FigurSchattenTeile(i, teile);
    }
    SchichtZeichnen(teile);
}

void Szene::RendereObjektSchatten()
{
    if (SetupWerte.SHADOW_OBJEKT == 0 || MyApp.SchattenTextur == 0) return;
    std::vector<SchattenTeil> teile;
    for (int k = 0; k < STADTOBJEKTE_ANZAHL; ++k) {
        const ObjektRecord& o = StadtObjekte[k];
        if (o.Aktiv != 1 || o.Modell <= 0 || o.Modell == slot::Blutfleck) continue;
        if (!SichtPyramide.FrustumKugelSichtbar(o.Position[0], o.Position[1], o.Position[2], 100)) continue;
        if (IstEditorPlatzhalter(o.Modell) || !MeshGeladen(o.Modell)) continue;
        teile.push_back({o.Modell, math3d::Multiply(PlatzMatrix(o.Position, o.Drehung), SchattenMatrix()),
                         SchattenTexturVon(o.Modell)});
    }
    SchichtZeichnen(teile);
}
