// The frame of every close-up scene: a lit backdrop model seen by a gently swaying camera, the
// scene's own 2D content over it and the HUD on top. The well scrolls three layers under its model.
#include <cmath>
#include <cstdio>

#include "framework/font.h"
#include "framework/myapp.h"
#include "framework/services_interaction.h"
#include "framework/services_townview.h"
#include "framework/shell.h"
#include "framework/szene.h"
#include "framework/texte.h"
#include "framework/zeichnen.h"
#include "interaction/gespraech_anzeige.h"
#include "interaction/szenen.h"
#include "world/records.h"

float SzenenSchwankPhase = 0.0f;

namespace {

struct SzenenArt {
    int backdrop;
    uint32_t ambient;
};

// By scene kind 1..7: container, trade, eat, doctor, well, drink, recruiter.
constexpr SzenenArt kArten[8] = {{0, 0},
                                 {9002, 0xFF191919}, {9004, 0xFF191919}, {9017, 0xFF7F7F7F}, {9018, 0xFF7F7F7F},
                                 {9019, 0xFF7F7F7F}, {9017, 0xFF7F7F7F}, {9004, 0xFF191919}};

// A scrolling offset: a saved value outside 0..1023 starts again at 0.
int32_t& Versatz(int k, int32_t schritt) {
    int32_t& v = SzenenSchieber[k];
    v += schritt;
    if (v < 0 || v >= 1024) v = 0;
    return v;
}

void Ebene(int textur, int32_t x, float y, float h) {
    ZeichneBild(textur, float(x), y, 1024, h);
    ZeichneBild(textur, float(x - 1024), y, 1024, h);
}

void BrunnenEbenen() {
    Szene.Setze2DModus();
    Ebene(154, Versatz(0, 0), 0, 606);
    Ebene(154, Versatz(0, 2), 0, 256);
    Ebene(153, Versatz(1, 3), 156, 256);
    Ebene(152, Versatz(2, 6), 380, 256);
    Ebene(149, SzenenSchieber[1], 0, 606);
    Szene.Setze3DKamera();
}

void Lichter(gfx::Device& g) {
    for (uint32_t k = 0; k < 100; ++k) g.LightEnable(k, false);
    gfx::Light licht{};
    licht.type = gfx::LightType::Point;
    licht.range = 150;
    licht.attenuation1 = 0.01f;
    licht.diffuse = {1.0f, 0.5f, 0.0f, 0.0f};
    licht.position = {0, 20, 80};
    g.SetLight(0, licht);
    licht.diffuse = {0.0f, 0.2f, 0.4f, 0.0f};
    licht.position = {80, 40, 0};
    g.SetLight(1, licht);
    g.LightEnable(0, true);
    g.LightEnable(1, true);
}

}  // namespace

bool SzenenWahl(int nummer, int eintrag, float y) {
    char text[300];
    std::snprintf(text, sizeof text, "%i. %s", nummer, TextStandard[eintrag]);
    return Antwortzeile(text, int32_t(y), true);
}

void ZeichneInteraktionsSzene() {
    if (InteraktionsModus < 1 || InteraktionsModus > 7) return;
    const int art = InteraktionsModus;
    gfx::Device& g = *MyApp.m_pd3dDevice;
    Szene.Setze3DKamera();
    HudSchieber[1] = 360;
    g.SetRenderState(gfx::RenderState::CullMode, gfx::cull::None);

    // Nobody walks into the scene again once it is over.
    const float zx = 10.0f * float(SzenenFeld[0]), zz = 10.0f * float(SzenenFeld[1]);
    for (FigurRecord& f : Figuren)
        if (f.EingangsZiel[0] == zx && f.EingangsZiel[2] == zz) f.EingangsZiel[0] = f.EingangsZiel[2] = 0.0f;
    BefehlsModus = 3;
    CursorIndex = 2;

    Lichter(g);
    g.SetRenderState(gfx::RenderState::Ambient, kArten[art].ambient);
    g.Clear(gfx::clear::Target | gfx::clear::ZBuffer, 0xFF000000, 1.0f);
    if (art == 5) BrunnenEbenen();

    g.SetRenderState(gfx::RenderState::ZEnable, 1);
    g.SetRenderState(gfx::RenderState::ZWriteEnable, 1);
    g.SetRenderState(gfx::RenderState::Lighting, 1);
    SetzeAlphaZustaende(g);
    SzenenSchwankPhase += 0.05f;
    if (SzenenSchwankPhase > 16000000.0f) SzenenSchwankPhase = 0.0f;
    Cam.Auge[0] = 38.0f + std::sin(SzenenSchwankPhase) / 4.0f;
    Cam.Auge[1] = 25.0f + std::sin(SzenenSchwankPhase) / 4.0f;
    MyApp.m_matView = math3d::LookAtLH({Cam.Auge[0], Cam.Auge[1], Cam.Auge[2]}, {Cam.Ziel[0], Cam.Ziel[1], Cam.Ziel[2]},
                                       {Cam.Oben[0], Cam.Oben[1], Cam.Oben[2]});
    g.SetTransform(gfx::TransformType::View, MyApp.m_matView);
    ZeichneMeshSlot(kArten[art].backdrop, math3d::Translation(0, 15, 0), ErsteMeshTextur(kArten[art].backdrop));
    Szene.Setze2DModus();

    switch (art) {
    case 3: EssenDialog(); break;
    case 4: DoktorDialog(); break;
    case 6: TrinkenDialog(); break;
    case 7: AnwerberDialog(); break;
    case 2:
        g.SetRenderState(gfx::RenderState::CullMode, gfx::cull::CCW);
        GespraechsBildschirm();
        ZeichneHud();
        return;
    default: ZeichneBehaelterFenster(); break;
    }
    if (art == 5 && MausIn(764, 817, 368, 405)) {
        TooltipNummer = 28;
        ZeichneBild(125, 758, 358, 64, 64);
    }
    if (MausIn(761, 822, 471, 492)) {
        TooltipNummer = 27;
        ZeichneBild(126, 743, 427, 128, 128);
    }
    g.SetRenderState(gfx::RenderState::CullMode, gfx::cull::CCW);
    ZeichneHud();
}
