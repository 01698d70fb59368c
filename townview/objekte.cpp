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

// Plants, each with its model's first texture under the lights at its place, gathered into
// instanced draws: a plant joins the latest draw of its model and lights unless a draw gathered
// after that one may cover some of its pixels. What overlaps on the screen keeps the order it was
// given in, so blending gives the same picture. The view and projection in force are the ones
// drawn with.
class Stapler {
public:
    Stapler();
    void Dazu(int modell, const LichterAuswahl& lichter, const math3d::Matrix& welt);
    void Zeichnen();

private:
    struct Stapel {
        int modell;
        LichterAuswahl lichter;
        std::vector<math3d::Matrix> welten;
        gfx::Rect flaeche;  // the pixels its meshes may cover
    };
    math3d::Matrix sicht_;
    std::vector<Stapel> stapel_;
};

Stapler::Stapler() : sicht_(SichtUndProjektion()) {}

void Stapler::Dazu(int modell, const LichterAuswahl& lichter, const math3d::Matrix& welt)
{
    Umriss umriss;
    ErweitereUmriss(umriss, modell, welt, sicht_);
    // Two pixels more than the box: the half-pixel shift and the rounding at its edges.
    const gfx::Rect f = Pixel(umriss, gfx::kScreenWidth, gfx::kScreenHeight, 2);
    auto ueberlappen = [](const gfx::Rect& a, const gfx::Rect& b) {
        return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
    };
    Stapel* ziel = nullptr;
    for (size_t k = stapel_.size(); k-- > 0;) {
        if (stapel_[k].modell == modell && stapel_[k].lichter == lichter) {
            ziel = &stapel_[k];
            break;
        }
        if (ueberlappen(stapel_[k].flaeche, f)) break;
    }
    if (!ziel) {
        stapel_.push_back({modell, lichter, {}, f});
        ziel = &stapel_.back();
    }
    ziel->welten.push_back(welt);
    gfx::Rect& g = ziel->flaeche;
    g = {std::min(g.left, f.left), std::min(g.top, f.top), std::max(g.right, f.right), std::max(g.bottom, f.bottom)};
}

void Stapler::Zeichnen()
{
    for (const Stapel& s : stapel_) {
        SchalteLichter(s.lichter);
        MyApp.m_pd3dDevice->SetTexture(ErsteMeshTextur(s.modell));
        ZeichneMeshSubset0Mehrfach(s.modell, s.welten);
    }
    stapel_.clear();
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
        WaehleLichter(o.Position[0], o.Position[2]);
        ZeichneMeshSlot(o.Modell, PlatzMatrix(o.Position, o.Drehung), ErsteMeshTextur(o.Modell));
    }
}

void Szene::ZeichneVegetation()
{
    if (SetupWerte.VEGETATION == 0) return;
    gfx::Device& g = *MyApp.m_pd3dDevice;
    g.SetRenderState(gfx::RenderState::ZEnable, 1);
    g.SetRenderState(gfx::RenderState::ZWriteEnable, 1);
    ObjektZustaende(g);
    // Only plants in view sway and advance their phase.
    Stapler stapler;
    for (ObjektRecord& o : VegetationObjekte) {
        if (o.Aktiv != 1 || !SichtPyramide.FrustumKugelSichtbar(o.Position[0], o.Position[1], o.Position[2], 0)) continue;
        o.Drehung[2] = std::sin(o.Phase) / 10.0f;
        o.Drehung[0] = std::sin(o.Phase) / 15.0f;
        o.Phase += 0.04f;
        if (o.Phase >= kSchwankPeriode) o.Phase = std::fmod(o.Phase, kSchwankPeriode);
        stapler.Dazu(o.Modell, LichterBei(o.Position[0], o.Position[2]), PlatzMatrix(o.Position, o.Drehung));
    }
    stapler.Zeichnen();
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
