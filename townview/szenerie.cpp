// What dresses the town beyond its own records: the land around it, the border band, the rows of
// turning sprites outside the map, rain with its splashes and the drifting cloud shadows, and the
// entrance icons shown while Alt or Shift is held.
#include "framework/camera.h"
#include "framework/frame.h"
#include "framework/geometry.h"
#include "framework/items.h"
#include "framework/keyboard.h"
#include "framework/myapp.h"
#include "framework/szene.h"
#include "framework/zeichnen.h"
#include "platform/os.h"
#include "platform/random.h"
#include "townview/szene_hilfen.h"
#include "townview/weather.h"
#include "world/figur_hilfen.h"
#include "world/records.h"
#include "world/sky.h"

namespace {


void Zustand(gfx::RenderState s, uint32_t v) { MyApp.m_pd3dDevice->SetRenderState(s, v); }

math3d::Matrix GedrehtBei(float winkel, float x, float z)
{
    return math3d::Multiply(math3d::RotationY(winkel), math3d::Translation(x, 0, z));
}

// One step of the border: the band tile, then the inner and the outer fading edge.
struct RandSeite {
    float testX, testZ;   // per step: test point = (testX + x, 0, testZ + z) with x or z the run
    bool laengsX;         // the run goes along x
    float band[2], innen[2], aussen[2];
    float innenDrehung, aussenDrehung;
};

void ZeichneRandSchritt(const RandSeite& s, float lauf)
{
    const float dx = s.laengsX ? lauf : 0, dz = s.laengsX ? 0 : lauf;
    if (!SichtPyramide.FrustumKugelSichtbar(s.testX + dx, 0, s.testZ + dz, 50)) return;
    AlphaSchalten(false);
    ZeichneMeshSlot(slot::BodenQuad, math3d::Translation(s.band[0] + dx, 0, s.band[1] + dz), MyApp.BodenTexturen[21]);
    AlphaSchalten(true);
    ZeichneMeshSlot(slot::BodenQuad, GedrehtBei(s.innenDrehung, s.innen[0] + dx, s.innen[1] + dz), MyApp.BodenTexturen[15]);
    ZeichneMeshSlot(slot::BodenQuad, GedrehtBei(s.aussenDrehung, s.aussen[0] + dx, s.aussen[1] + dz), MyApp.BodenTexturen[15]);
}

// The editor's marker on every cell in view: walkable or blocked, then entrance, sound and plant
// flag, the later winning.
void ZeichneEditorMarker()
{
    const gfx::Texture frei = ErsteMeshTextur(9001), gesperrt = ErsteMeshTextur(9000);
    for (int i = 0; i < GITTER_GROESSE; ++i)
        for (int j = 0; j < GITTER_GROESSE; ++j) {
            if (!SichtPyramide.FrustumKugelSichtbar(10.0f * i, 0, 10.0f * j, 30)) continue;
            const StadtFeld& f = StadtGitter[i][j];
            int mesh = 0;
            gfx::Texture tex = 0;
            if (BodenGitter[i][j] == 1) mesh = slot::MarkerFeld, tex = frei;
            if (f.Blockiert != 0 || f.Belegt != 0) mesh = slot::MarkerFeld, tex = gesperrt;
            if (f.Eingang != 0) mesh = slot::MarkerFlach, tex = frei;
            if (f.Sound != 0) mesh = slot::MarkerFlach, tex = MyApp.Texturen[169];
            if (f.VegetationErlaubt != 0) mesh = slot::MarkerFlach, tex = MyApp.Texturen[170];
            if (mesh != 0) ZeichneMeshSlot(mesh, math3d::Translation(10.0f * i, 0, 10.0f * j), tex);
        }
}

}  // namespace

void Szene::ZeichneHorizont()
{
    Zustand(gfx::RenderState::ZEnable, 1);
    Zustand(gfx::RenderState::ZWriteEnable, 1);
    Zustand(gfx::RenderState::Lighting, 0);
    static const float kStuecke[12][2] = {{-335, -335}, {-335, 305}, {-335, 945}, {-335, 1585},
                                          {305, 1505},  {945, 1505}, {1585, 1505}, {1505, 905},
                                          {1505, 265},  {1505, -375}, {870, -335}, {230, -335}};
    for (const auto& p : kStuecke) ZeichneMeshSlot(slot::Gelaende, math3d::Translation(p[0], 0, p[1]), MyApp.Texturen[267]);
}

void Szene::ZeichneRand()
{
    Zustand(gfx::RenderState::ZEnable, 0);
    Zustand(gfx::RenderState::ZWriteEnable, 0);
    Zustand(gfx::RenderState::Lighting, 1);
    Zustand(gfx::RenderState::SrcBlend, gfx::blend::SrcAlpha);
    Zustand(gfx::RenderState::DestBlend, gfx::blend::InvSrcAlpha);
    Zustand(gfx::RenderState::AlphaRef, 8);
    Zustand(gfx::RenderState::AlphaFunc, gfx::cmp::GreaterEqual);

    AlphaSchalten(true);
    const gfx::Texture ecke = MyApp.BodenTexturen[17];
    ZeichneMeshSlot(slot::BodenQuad, GedrehtBei(-kPi / 2, -60, -60), ecke);
    ZeichneMeshSlot(slot::BodenQuad, GedrehtBei(0, -60, 1230), ecke);
    ZeichneMeshSlot(slot::BodenQuad, GedrehtBei(kPi, 1230, -60), ecke);
    ZeichneMeshSlot(slot::BodenQuad, GedrehtBei(kPi / 2, 1230, 1230), ecke);

    static const RandSeite kSeiten[4] = {
        {0, 0, true, {0, -30}, {0, 0}, {0, -60}, kPi, 0},
        {0, 1200, true, {0, 1200}, {0, 1170}, {0, 1230}, 0, kPi},
        {0, 0, false, {-30, 0}, {0, 0}, {-60, 0}, -kPi / 2, kPi / 2},
        {1200, 0, false, {1200, 0}, {1170, 0}, {1230, 0}, kPi / 2, -kPi / 2},
    };
    for (int s = -1; s <= 40; ++s) ZeichneRandSchritt(kSeiten[0], 30.0f * s);
    for (int s = -1; s <= 40; ++s) ZeichneRandSchritt(kSeiten[1], 30.0f * s);
    for (int s = 0; s <= 41; ++s) ZeichneRandSchritt(kSeiten[2], 30.0f * s - 30);
    for (int s = 0; s <= 41; ++s) ZeichneRandSchritt(kSeiten[3], 30.0f * s - 30);
}

void Szene::ZeichneDrehobjekte()
{
    gfx::Device& g = *MyApp.m_pd3dDevice;
    Zustand(gfx::RenderState::ZEnable, 0);
    Zustand(gfx::RenderState::ZWriteEnable, 0);
    Zustand(gfx::RenderState::Lighting, 1);
    SetzeAlphaZustaende(g);
    g.SetTexture(MyApp.Texturen[17]);
    float winkel = static_cast<float>(os::GetTickCount()) * 0.0001f;
    bool gewendet = false;
    std::vector<math3d::Matrix> welten;
    // Sprites turn in pairs, two one way and the next two the other, the pattern running on
    // across the rows.
    auto sprite = [&](float x, float z) {
        if (!gewendet) winkel = -winkel;
        gewendet = !gewendet;
        if (SichtPyramide.FrustumKugelSichtbar(x, 0, z, 90)) welten.push_back(GedrehtBei(winkel, x, z));
    };
    for (int i = 0; i <= 39; ++i) sprite(30.0f * i, -120);
    for (int i = 0; i <= 39; ++i) sprite(30.0f * i, 1280);
    for (int i = -5; i <= 44; ++i) sprite(-120, 30.0f * i);
    for (int i = -5; i <= 44; ++i) sprite(1280, 30.0f * i);
    ZeichneMeshSubset0Mehrfach(slot::Sprite, welten);
    AlphaSchalten(false);
}

void Szene::ZeichneWetter()
{
    gfx::Device& g = *MyApp.m_pd3dDevice;
    Zustand(gfx::RenderState::ZEnable, 1);
    Zustand(gfx::RenderState::ZWriteEnable, 0);
    SetzeAlphaZustaende(g);
    Zustand(gfx::RenderState::Lighting, 0);

    // A drop that reached the floor starts again 300 up, somewhere within 300 of the eye.
    auto neben = [](float mitte) {
        const bool minus = Zufall() % 30 < 16;
        const float weite = static_cast<float>(Zufall() % 30) * 10.0f;
        return minus ? mitte - weite : mitte + weite;
    };
    std::vector<math3d::Matrix> welten;
    welten.reserve(std::size(RegenTropfen));
    for (Regentropfen& t : RegenTropfen) {
        if (t.y > 0) {
            t.y -= 16.0f;
        } else {
            t.x = neben(Cam.Auge[0]);
            t.z = neben(Cam.Auge[2]);
            t.y = 300.0f;
        }
        welten.push_back(math3d::Translation(t.x, t.y, t.z));
    }
    g.SetTexture(ErsteMeshTextur(slot::Tropfen));
    ZeichneMeshSubset0Mehrfach(slot::Tropfen, welten);
    Zustand(gfx::RenderState::Lighting, 1);

    if (SetupWerte.PARTIKEL > 1) {
        g.SetTexture(MyApp.Texturen[137]);
        welten.clear();
        for (const Regentropfen& t : RegenTropfen) {
            const float s = (1.0f - t.y / 300.0f) / 2.0f;
            welten.push_back(math3d::Multiply(math3d::Scaling(s, 1, s), math3d::Translation(t.x, 0, t.z)));
        }
        ZeichneMeshSubset0Mehrfach(slot::Ring, welten);
    }

    Zustand(gfx::RenderState::ZEnable, 0);
    Zustand(gfx::RenderState::ZWriteEnable, 0);
    g.SetTexture(MyApp.Texturen[138]);
    if (SetupWerte.CLOUDS > 0) {
        welten.clear();
        for (int c = 0; c < 80; ++c) {
            DriftSprite& w = Wolken[c];
            if (w.x > 1600.0f) {
                w.x = -150.0f;
                w.z = static_cast<float>(Zufall() % 1180);
            }
            w.x += 1.0f;
            welten.push_back(GedrehtBei(static_cast<float>(c), w.x, w.z));
        }
        ZeichneMeshSubset0Mehrfach(slot::Sprite, welten);
    }
    Zustand(gfx::RenderState::ZEnable, 1);
    Zustand(gfx::RenderState::ZWriteEnable, 1);
    Zustand(gfx::RenderState::Lighting, 1);
}

void Szene::ZeichneFeldMarker()
{
    if (EditorAktiv) {
        ZeichneEditorMarker();
        return;
    }
    if (!LabelTasteGehalten()) return;
    Setze2DModus();
    for (int i = 0; i < GITTER_GROESSE; ++i)
        for (int j = 0; j < GITTER_GROESSE; ++j) {
            gfx::Texture tex = 0;
            float groesse = 24;
            switch (StadtGitter[i][j].Eingang) {
            case 1: tex = MyApp.Texturen[222]; break;
            case 2: tex = MyApp.Texturen[224]; break;
            case 3: tex = ItemIconTextur(8), groesse = 48; break;  // 1008 O_Fleisch
            case 4: tex = MyApp.Texturen[225]; break;
            case 5: tex = MyApp.Texturen[223]; break;
            case 6: tex = MyApp.Texturen[194], groesse = 48; break;
            case 7: tex = MyApp.Texturen[263]; break;  // the recruiter: found like every other entrance
            default: continue;
            }
            const BildschirmPunkt p = ProjiziereAufBildschirm(10.0f * i, 20, 10.0f * j);
            if (!p.vorAuge) continue;
            MyApp.m_pd3dDevice->SetTexture(tex);
            MyApp.Draw2D(static_cast<float>(p.x), static_cast<float>(768 - p.y), groesse, groesse);
        }
    Setze3DKamera();
}
