// The figures: persons assembled from their body parts with skin, clothing and worn items, floor
// items as crates, the move marker as a shrinking ring, and the editor's cursor.
#include "framework/camera.h"
#include "framework/frame.h"
#include "framework/myapp.h"
#include "framework/szene.h"
#include "framework/zeichnen.h"
#include "townview/figur_texturen.h"
#include "townview/szene_hilfen.h"
#include "world/figur_hilfen.h"
#include "world/records.h"

namespace {

constexpr int kBewegungsMarke = 10001;
constexpr int kMesser = 1035;

void Binde(int textur)
{
    if (textur >= 0) MyApp.m_pd3dDevice->SetTexture(MyApp.Texturen[textur]);
}

// Part p of the person with the texture of its variant, replaced by the worn item's when listed.
void Teil(const FigurRecord& f, int p, int variante, bool mitZehn)
{
    const int kleidung = KleidungsTextur(f, p);
    Binde(kleidung >= 0 ? kleidung : FigurTexturSlot(variante, mitZehn));
    ZeichneMeshSubset0(f.TeilModelle[p]);
}

// Parts 5 to 8 are drawn only for a listed item.
void Zusatzteil(const FigurRecord& f, int p)
{
    const int textur = KleidungsTextur(f, p);
    if (textur < 0) return;
    Binde(textur);
    ZeichneMeshSubset0(f.TeilModelle[p]);
}

}  // namespace

void ZeichnePersonTeile(const FigurRecord& f, bool nurKopf)
{
    Teil(f, 0, f.Aussehen[1], true);
    Teil(f, 1, f.Aussehen[0], false);
    if (!nurKopf) {
        Teil(f, 2, f.Aussehen[2], true);
        Teil(f, 4, f.Aussehen[4], false);
        Teil(f, 3, f.Aussehen[3], false);
    }
    for (int p = 5; p <= 7; ++p) Zusatzteil(f, p);
    if (nurKopf) return;
    if (Platz(f, Hand).ItemId == kMesser) {
        // The knife's blade is cut out of its texture.
        SetzeAlphaZustaende(*MyApp.m_pd3dDevice);
        Zusatzteil(f, 8);
        AlphaSchalten(false);
        return;
    }
    Zusatzteil(f, 8);
}

namespace {

// What the editor is about to place, at the pick cell: a floor texture or a model.
void ZeichneEditorCursor()
{
    const math3d::Matrix welt = math3d::Multiply(math3d::RotationY(EditorDrehung * kPi / 4.0f),
                                                 math3d::Translation(MyApp.PickX * 10.0f, 0, MyApp.PickY * 10.0f));
    WaehleLichter(MyApp.PickX * 10.0f, MyApp.PickY * 10.0f);
    if (EditorWerkzeug == 0 || !MeshGeladen(EditorObjekt)) {
        const gfx::Texture tex =
            EditorObjekt >= 0 && EditorObjekt < MyApp::kBodenTexturen ? MyApp.BodenTexturen[EditorObjekt] : 0;
        ZeichneMeshSlot(slot::BodenQuad, welt, tex);
    } else {
        ZeichneMeshSlot(EditorObjekt, welt, ErsteMeshTextur(EditorObjekt));
    }
}

}  // namespace

void Szene::ZeichneFiguren()
{
    gfx::Device& g = *MyApp.m_pd3dDevice;
    SetzeAufrechteSicht();
    g.SetRenderState(gfx::RenderState::SrcBlend, gfx::blend::SrcAlpha);
    g.SetRenderState(gfx::RenderState::DestBlend, gfx::blend::InvSrcAlpha);
    g.SetRenderState(gfx::RenderState::AlphaRef, 8);
    g.SetRenderState(gfx::RenderState::AlphaFunc, gfx::cmp::GreaterEqual);
    for (int i = 0; i < FIGUREN_ANZAHL; ++i) {
        const FigurRecord& f = Figuren[i];
        if (f.Aktiv != 1) continue;
        if (!SichtPyramide.FrustumKugelSichtbar(f.Position[0], f.Position[1], f.Position[2], 20)) continue;
        // The editor's markers (a trader cell's fixed figure carries one) show only in the editor.
        if (IstEditorPlatzhalter(f.TeilModelle[0]) && !EditorAktiv) continue;
        WaehleLichter(f.Position[0], f.Position[2]);
        const int t0 = f.TeilModelle[0];
        const bool durchsichtig = (t0 >= 0 && t0 < MyApp::kMeshSlots && MyApp.SlotTexturen[t0] != 0) || f.Typ == kBewegungsMarke;
        AlphaSchalten(durchsichtig);
        ZeichneFigurModell(i);
    }
    if (EditorAktiv) ZeichneEditorCursor();
}

void Szene::ZeichneFigurModell(int32_t i)
{
    if (i < 0 || i >= FIGUREN_ANZAHL) return;
    gfx::Device& g = *MyApp.m_pd3dDevice;
    const FigurRecord& f = Figuren[i];
    g.SetRenderState(gfx::RenderState::Lighting, 1);
    g.SetRenderState(gfx::RenderState::ZEnable, 1);
    g.SetRenderState(gfx::RenderState::ZWriteEnable, 1);
    if (f.TeilModelle[0] <= 0) return;
    if (EditorAktiv && f.Position[0] == MyApp.PickX * 10.0f && f.Position[2] == MyApp.PickY * 10.0f) return;
    if (f.Typ == kBewegungsMarke) {
        g.SetRenderState(gfx::RenderState::Lighting, 0);
        const math3d::Matrix welt = math3d::Multiply(math3d::Scaling(1 - f.Phase, 0, 1 - f.Phase),
                                                     math3d::Translation(f.Position[0], f.Position[1], f.Position[2]));
        ZeichneMeshSlot(slot::Ring, welt, MyApp.Texturen[135]);
        g.SetRenderState(gfx::RenderState::Lighting, 1);
        return;
    }
    g.SetTransform(gfx::TransformType::World, PlatzMatrix(f.Position, f.Drehung));
    if (IstBodenItem(f.Typ)) {
        g.SetTexture(ErsteMeshTextur(slot::Kiste));
        ZeichneMeshSubset0(slot::Kiste);
    } else if (IstPerson(f.Typ)) {
        ZeichnePersonTeile(f, false);
    }
}
