// The town's placed objects, its swaying plants and the pass that hands the figures' particles to
// the effects.
#include <algorithm>
#include <cmath>
#include <vector>

#include "framework/camera.h"
#include "framework/myapp.h"
#include "framework/szene.h"
#include "framework/zeichnen.h"
#include "townview/szene_hilfen.h"
#include "world/figur_hilfen.h"
#include "world/records.h"

namespace {

// 2048 whole turns of the sway. The phase is taken back by this before it grows to where a float
// loses its 0.04 steps (above 2^19 they round away); a plant needs over 300,000 frames in view
// to get here, and the sway goes on without a visible jump.
constexpr float kSchwankPeriode = float(2 * 3.14159265358979323846 * 2048);

// The see-through states of the object, plant and effect passes.
void ObjektZustaende(gfx::Device& g)
{
    SetzeAufrechteSicht();
    SetzeAlphaZustaende(g);
}

void ZeichneObjekt(const ObjektRecord& o)
{
    WaehleLichter(o.Position[0], o.Position[2]);
    ZeichneMeshSlot(o.Modell, PlatzMatrix(o.Position, o.Drehung), ErsteMeshTextur(o.Modell));
}

}  // namespace

void Szene::ZeichneStadtObjekte()
{
    gfx::Device& g = *MyApp.m_pd3dDevice;
    g.SetRenderState(gfx::RenderState::Lighting, 1);
    g.SetRenderState(gfx::RenderState::ZEnable, 1);
    g.SetRenderState(gfx::RenderState::ZWriteEnable, 1);
    ObjektZustaende(g);
    // The array is sorted farthest first, so see-through objects blend back to front.
    for (const ObjektRecord& o : StadtObjekte) {
        if (o.Aktiv != 1 || !SichtPyramide.FrustumKugelSichtbar(o.Position[0], o.Position[1], o.Position[2], 60)) continue;
        ZeichneObjekt(o);
    }
}

void Szene::ZeichneVegetation()
{
    if (SetupWerte.VEGETATION == 0) return;
    gfx::Device& g = *MyApp.m_pd3dDevice;
    g.SetRenderState(gfx::RenderState::ZEnable, 1);
    g.SetRenderState(gfx::RenderState::ZWriteEnable, 1);
    ObjektZustaende(g);
    // Only plants in view sway and advance their phase. Plants of one model under the same lights
    // are one draw: a plant joins the latest such draw unless a draw made after that one covers
    // pixels of its own, since blending needs the order only where plants overlap on the screen.
    struct Stapel {
        int modell;
        LichterAuswahl lichter;
        float x, z;  // where the lights were chosen
        std::vector<math3d::Matrix> welten;
        gfx::Rect flaeche;  // the pixels its plants may cover
    };
    const math3d::Matrix sicht =
        math3d::Multiply(g.GetTransform(gfx::TransformType::View), g.GetTransform(gfx::TransformType::Projection));
    auto ueberlappen = [](const gfx::Rect& a, const gfx::Rect& b) {
        return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
    };
    std::vector<Stapel> stapel;
    for (ObjektRecord& o : VegetationObjekte) {
        if (o.Aktiv != 1 || !SichtPyramide.FrustumKugelSichtbar(o.Position[0], o.Position[1], o.Position[2], 0)) continue;
        o.Drehung[2] = std::sin(o.Phase) / 10.0f;
        o.Drehung[0] = std::sin(o.Phase) / 15.0f;
        o.Phase += 0.04f;
        if (o.Phase >= kSchwankPeriode) o.Phase = std::fmod(o.Phase, kSchwankPeriode);
        const LichterAuswahl hier = LichterBei(o.Position[0], o.Position[2]);
        const math3d::Matrix welt = PlatzMatrix(o.Position, o.Drehung);
        Umriss umriss;
        ErweitereUmriss(umriss, o.Modell, welt, sicht);
        // Two pixels more than the box: the half-pixel shift and rounding at its edges.
        const gfx::Rect flaeche = Pixel(umriss, gfx::kScreenWidth, gfx::kScreenHeight, 2);
        Stapel* ziel = nullptr;
        for (size_t k = stapel.size(); k-- > 0;) {
            if (stapel[k].modell == o.Modell && stapel[k].lichter == hier) {
                ziel = &stapel[k];
                break;
            }
            if (ueberlappen(stapel[k].flaeche, flaeche)) break;
        }
        if (!ziel) {
            stapel.push_back({o.Modell, hier, o.Position[0], o.Position[2], {}, flaeche});
            ziel = &stapel.back();
        }
        ziel->welten.push_back(welt);
        ziel->flaeche = {std::min(ziel->flaeche.left, flaeche.left), std::min(ziel->flaeche.top, flaeche.top),
                         std::max(ziel->flaeche.right, flaeche.right), std::max(ziel->flaeche.bottom, flaeche.bottom)};
    }
    for (const Stapel& s : stapel) {
        WaehleLichter(s.x, s.z);
        g.SetTexture(ErsteMeshTextur(s.modell));
        ZeichneMeshSubset0Mehrfach(s.modell, s.welten);
    }
}

void Szene::ZeichneEffekte()
{
    if (SetupWerte.PARTIKEL == 0) return;
    gfx::Device& g = *MyApp.m_pd3dDevice;
    SetzeAufrechteSicht();
    g.SetRenderState(gfx::RenderState::ZEnable, 1);
    g.SetRenderState(gfx::RenderState::ZWriteEnable, 0);
    SetzeAlphaZustaende(g);
    for (int i = 0; i < FIGUREN_ANZAHL; ++i) {
        const FigurRecord& f = Figuren[i];
        if (f.Aktiv != 1) continue;
        if (f.Typ != 10000 && f.Typ != 10002 && f.Typ != 10007 && !IstPerson(f.Typ)) continue;
        if (!SichtPyramide.FrustumKugelSichtbar(f.Position[0], f.Position[1], f.Position[2], 60)) continue;
        WaehleLichter(f.Position[0], f.Position[2]);
        ZeichneFigurEffekte(i);
    }
    g.SetRenderState(gfx::RenderState::ZEnable, 1);
    g.SetRenderState(gfx::RenderState::ZWriteEnable, 1);
}
