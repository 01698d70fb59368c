// What the town view draws over single figures: badges and health rings, the selection box, and the
// labels of persons and floor items under the mouse.
#include "townview/figur_overlays.h"

#include "framework/font.h"
#include "framework/frame.h"
#include "framework/geometry.h"
#include "framework/keyboard.h"
#include "framework/myapp.h"
#include "framework/services_townview.h"
#include "framework/szene.h"
#include "framework/zeichnen.h"
#include "townview/hud_teile.h"
#include "townview/picking.h"
#include "world/figur_hilfen.h"
#include "world/ids.h"
#include "world/records.h"

namespace {

// A 16 x 16 badge over the figure's head, drawn in 2D; the 3D camera is set again afterwards.
void Abzeichen(const FigurRecord& f, int32_t textur)
{
    gfx::Device& g = *MyApp.m_pd3dDevice;
    Szene.Setze2DModus();
    const BildschirmPunkt p = ProjiziereAufBildschirm(f.Position[0], f.Position[1] + 18, f.Position[2]);
    if (p.vorAuge) ZeichneBild(textur, p.x - 8.0f, 748.0f - p.y, 16, 16);
    Szene.Setze3DKamera();
    g.SetRenderState(gfx::RenderState::ZEnable, 1);
    g.SetRenderState(gfx::RenderState::ZWriteEnable, 1);
}

int32_t TypIcon(const FigurRecord& f)
{
    if (f.EigeneFigur == 1) return 180;
    switch (f.Typ) {
    case 1: case 10: case 13: return 177;
    case 2: case 11: case 14: return 178;
    case 3: case 12: case 15: return 179;
    case 4: case 17: return 247;
    case 5: case 18: return 254;
    case 16: return 181;
    default: return -1;
    }
}

void PersonenLabel(const FigurRecord& f)
{
    const BildschirmPunkt p = ProjiziereAufBildschirm(f.Position[0], f.Position[1] + 10, f.Position[2]);
    if (!p.vorAuge) return;
    const Name name = FigurName(f);
    ZeichneSchrift(name.text, static_cast<float>(p.x - SchriftBreite(name.text, 0) / 2), 753.0f - p.y, 0);
    ZeichneBild(19, p.x - 12.0f, 743.0f - p.y, 25, 4);
    ZeichneBild(9, p.x - 12.0f, 743.0f - p.y, static_cast<float>(f.Gesundheit / 4), 4);
    ZeichneBild(TypIcon(f), p.x - 20.0f, 768.0f - p.y, 16, 16);
    ZeichneFormatZentriert(p.x, 768.0f - p.y, 2, "           ( %i )", f.Stufe);
}

}  // namespace

int32_t EnergieRing(const FigurRecord& f)
{
    // Eight health bands of 12.5; above 100 counts as full.
    const int32_t h = f.Gesundheit;
    static const int32_t grenzen[8] = {12, 25, 37, 50, 62, 75, 87, 100};
    int32_t band = 7;
    for (int32_t b = 0; b < 8; ++b)
        if (h <= grenzen[b]) {
            band = b;
            break;
        }
    if (IstTrupp(f.Typ)) return 7 - band;
    if (IstStadtvolk(f.Typ)) return 10 + band;
    if (IstFeind(f.Typ)) return 19 + band;
    return -1;
}

void ZeichneEnergie(int32_t i)
{
    if (i < 0 || i >= FIGUREN_ANZAHL) return;
    const FigurRecord& f = Figuren[i];
    if (f.Gesundheit <= 0 || f.Aktiv != 1) return;
    if (IstTrupp(f.Typ)) Abzeichen(f, f.Stationiert == 1 ? 183 : (f.EigeneFigur == 1 ? 180 : 182));
    if (IstFeind(f.Typ) || (IstStadtvolk(f.Typ) && f.ImKampf == 1)) Abzeichen(f, 184);
    if (f.Ausgewaehlt == 1 || IstFeind(f.Typ)) {
        const int32_t ring = EnergieRing(f);
        if (ring < 0) return;
        gfx::Device& g = *MyApp.m_pd3dDevice;
        Szene.Setze3DKamera();
        g.SetRenderState(gfx::RenderState::ZEnable, 1);
        g.SetRenderState(gfx::RenderState::ZWriteEnable, 1);
        SetzeAlphaZustaende(g);
        ZeichneMeshSlot(9005, math3d::Translation(f.Position[0], 0, f.Position[2]), MyApp.EnergieTexturen[ring]);
    }
}

void ZeichneAuswahlRahmen()
{
    if (AuswahlRahmenAktiv != 1) return;
    gfx::Device& g = *MyApp.m_pd3dDevice;
    Szene.Setze2DModus();
    // Dragged up or left the size is negative: the quad is seen from behind.
    g.SetRenderState(gfx::RenderState::CullMode, gfx::cull::None);
    g.SetRenderState(gfx::RenderState::Lighting, 0);
    SetzeAlphaZustaende(g);
    const float x = static_cast<float>(AuswahlRahmenStart[0]), y = static_cast<float>(AuswahlRahmenStart[1]);
    ZeichneBild(0, x, y, MyApp.MausX - x, MyApp.MausY - y);
    g.SetRenderState(gfx::RenderState::CullMode, gfx::cull::CCW);
    Szene.Setze3DKamera();
}

int32_t ZeichneFigurLabel(int32_t i, int32_t y)
{
    if (i < 0 || i >= FIGUREN_ANZAHL) return 0;
    FigurRecord& f = Figuren[i];
    if (SpielModus == 10000 || f.Aktiv == 0) return 0;

    if (IstBodenItem(f.Typ)) {
        if (ItemListeGezeigt != 0 || !(f.LabelAnzeigen == 1 || PickeFigur(i))) return 0;
        Szene.Setze2DModus();
        if (LabelTasteGehalten()) {
            const BildschirmPunkt p = ProjiziereAufBildschirm(f.Position[0], f.Position[1] + 10, f.Position[2]);
            if (p.vorAuge) ZeichneBild(176, static_cast<float>(p.x), 768.0f - p.y, 16, 16);
            return 16;
        }
        // The whole stack lying on this spot, one name a line downwards from the mouse.
        for (const FigurRecord& k : Figuren) {
            if (k.Aktiv != 1 || !IstBodenItem(k.Typ) || k.Position[0] != f.Position[0] ||
                k.Position[1] != f.Position[1] || k.Position[2] != f.Position[2])
                continue;
            ZeichneFormat(MyApp.MausX + 10.0f, static_cast<float>(MyApp.MausY + y), 2, "%.255s", ItemName(k.Typ));
            y += 16;
            ItemListeGezeigt = 1;
        }
        return 16;
    }
    if (!IstPerson(f.Typ)) return 0;
    if (f.LabelAnzeigen == 1) {
        Szene.Setze2DModus();
        PersonenLabel(f);
        return 0;
    }
    if (FigurLabelGezeigt == 0 && MausUeberFigur(i)) {
        FigurLabelGezeigt = 1;
        // A person under the mouse ends its walk at the waypoint it is heading for.
        if (IstStadtvolkOderFeind(f.Typ) && f.ImKampf == 0)
            for (int k = 0; k < 3; ++k) f.Ziel[k] = f.Wegpunkt[k];
        Szene.Setze2DModus();
        PersonenLabel(f);
    }
    return 0;
}
