// The figures: persons assembled from their body parts with skin, clothing and worn items, floor
// items as crates, the move marker as a shrinking ring, and the editor's cursor.
#include <initializer_list>

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

struct Kleidung {
    int16_t item;
    int textur;
};

// The texture a worn item gives its place, -1 when the item is not one of the list.
int KleidungsTextur(const ItemSlot& s, std::initializer_list<Kleidung> liste)
{
    for (const Kleidung& k : liste)
        if (s.ItemId == k.item) return k.textur;
    return -1;
}

void Binde(int textur)
{
    if (textur >= 0) MyApp.m_pd3dDevice->SetTexture(MyApp.Texturen[textur]);
}

// Part p of the person with the texture of its variant, replaced by the worn item's when listed.
void Teil(const FigurRecord& f, int p, int variante, bool mitZehn, int kleidung)
{
    Binde(kleidung >= 0 ? kleidung : FigurTexturSlot(variante, mitZehn));
    ZeichneMeshSubset0(f.TeilModelle[p]);
}

// Parts 5 to 8 are drawn only for a listed item.
void Zusatzteil(const FigurRecord& f, int p, int textur)
{
    if (textur < 0) return;
    Binde(textur);
    ZeichneMeshSubset0(f.TeilModelle[p]);
}

}  // namespace

void ZeichnePersonTeile(const FigurRecord& f, bool nurKopf)
{
    const ItemSlot& koerper = Platz(f, Koerper);
    const ItemSlot& getragen = Platz(f, Getragen);
    Teil(f, 0, f.Aussehen[1], true, KleidungsTextur(koerper, {{1025, 13}, {1026, 14}, {1027, 18}, {1083, 191}}));
    Teil(f, 1, f.Aussehen[0], false, KleidungsTextur(getragen, {{1190, 18}}));
    if (!nurKopf) {
        Teil(f, 2, f.Aussehen[2], true,
             KleidungsTextur(Platz(f, Hose), {{1046, 18}, {1108, 18}, {1109, 18}, {1110, 18}, {1082, 191}}));
        Teil(f, 4, f.Aussehen[4], false,
             KleidungsTextur(Platz(f, Stiefel), {{1045, 18}, {1111, 18}, {1112, 18}, {1113, 18}, {1084, 191}}));
        Teil(f, 3, f.Aussehen[3], false,
             KleidungsTextur(Platz(f, Handschuhe), {{1047, 18}, {1114, 18}, {1115, 18}, {1116, 18}, {1085, 191}}));
    }
    Zusatzteil(f, 5, KleidungsTextur(Platz(f, Helm), {{1044, 130}, {1106, 130}, {1103, 246}, {1107, 246}}));
    Zusatzteil(f, 6, KleidungsTextur(getragen, {{1017, 131}}));
    Zusatzteil(f, 7, KleidungsTextur(getragen, {{1086, 221}}));
    if (nurKopf) return;
    const ItemSlot& hand = Platz(f, Hand);
    if (hand.ItemId == 1035) {
        // The knife's blade is cut out of its texture.
        SetzeAlphaZustaende(*MyApp.m_pd3dDevice);
        Zusatzteil(f, 8, 213);
        AlphaSchalten(false);
        return;
    }
    Zusatzteil(f, 8, KleidungsTextur(hand, {{1030, 264}, {1032, 264}, {1034, 264}, {1029, 268}, {1031, 268}, {1033, 268}}));
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
