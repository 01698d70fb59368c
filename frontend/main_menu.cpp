// The main menu (mode 3000), the credits (2000) and the quit confirmation (4000).
#include <cstdio>
#include <cstring>

#include "framework/font.h"
#include "framework/frame.h"
#include "framework/myapp.h"
#include "framework/services_frontend.h"
#include "framework/setup.h"
#include "framework/sound.h"
#include "framework/szene.h"
#include "framework/texte.h"
#include "frontend/screen_frame.h"
#include "platform/math3d.h"
#include "platform/os.h"
#include "world/records.h"

namespace {

constexpr MenueKnopf kHauptKnoepfe[5] = {
    {0, 399, 295, 400, 620, 297, 325, true}, {1, 399, 345, 400, 620, 346, 375, true},
    {2, 399, 395, 400, 620, 396, 425, true}, {3, 399, 445, 400, 620, 446, 475, true},
    {4, 399, 495, 400, 620, 495, 525, true},
};
constexpr int kHauptTexte[5] = {18, 19, 21, 22, 23};

constexpr MenueKnopf kJaKnopf = {0, 399, 310, 400, 620, 311, 340, false};
constexpr MenueKnopf kNeinKnopf = {1, 399, 360, 400, 620, 361, 390, true};

void NachModus(int32_t modus)
{
    SpielModus = modus;
    MenueZaehlerNullen(true);
}

void NeuesSpiel()
{
    NachModus(6000);
    // The default name replaces whatever was typed before; Sprache 2 is CP1251.
    const char* name = nullptr;
    if (Sprache == 0 || Sprache == 1) name = "Quelvarn";
    else if (Sprache == 2) name = "\xCA\xE2\xE5\xEB\xFC\xE2\xE0\xF0\xED";
    if (name) std::snprintf(SpielerName, sizeof SpielerName, "%s", name);
}

void Label(int eintrag, int mitte, float y, int font)
{
    ZeichneZentriert(TextStandard[eintrag], mitte, y, font);
}

}  // namespace

void HauptmenueBildschirm()
{
    ZeigeLadebildschirm();
    ZeichneBild(150, 113, 35, 797, 184);
    ZeichneBanner();

    MenueKnoepfeZeichnen(kHauptKnoepfe, 5);
    MenueKnopfTesten(kHauptKnoepfe[0], NeuesSpiel);
    MenueKnopfTesten(kHauptKnoepfe[1], [] { NachModus(8000); });
    MenueKnopfTesten(kHauptKnoepfe[2], [] { NachModus(5000); });
    MenueKnopfTesten(kHauptKnoepfe[3], [] { NachModus(2000); });
    MenueKnopfTesten(kHauptKnoepfe[4], [] { NachModus(4000); });

    for (int i = 0; i < 5; ++i) Label(kHauptTexte[i], 512, 304.0f + 50.0f * i, 2);
}

void MitwirkendeBildschirm()
{
    ZeigeLadebildschirm();

    // A counter outside the cycle (a loaded game brings its own back) starts over.
    int32_t& scroll = MenueZaehler[0];
    scroll = scroll >= 0 && scroll < 1199 ? scroll + 1 : 0;

    if (MausLinksGedrueckt == 1 || MausRechtsGedrueckt != 0) {
        MausLinksGedrueckt = 0;
        MausRechtsGedrueckt = 0;
        MenueZaehlerNullen(true);
        ZurueckAusMenue();
    }

    // The small lit scene behind the credits.
    gfx::Device* g = MyApp.m_pd3dDevice.get();
    Szene.Setze3DKamera();
    gfx::Light licht{};
    licht.type = gfx::LightType::Point;
    licht.range = 150;
    licht.attenuation1 = 0.01f;
    licht.diffuse = {1.0f, 0.5f, 0.0f, 0.0f};
    licht.position = {0, 20, -80};
    g->SetLight(0, licht);
    g->LightEnable(0, true);
    licht.diffuse = {0.0f, 0.2f, 0.4f, 0.0f};
    licht.position = {20, 20, -20};
    g->SetLight(1, licht);
    g->LightEnable(1, true);
    g->SetRenderState(gfx::RenderState::Lighting, 1);
    g->SetRenderState(gfx::RenderState::Ambient, 0xFF191919);

    MyApp.m_matView = math3d::LookAtLH({0, 50, -200}, {0, 0, 0}, {Cam.Oben[0], Cam.Oben[1], Cam.Oben[2]});
    g->SetTransform(gfx::TransformType::View, MyApp.m_matView);

    g->SetRenderState(gfx::RenderState::ZEnable, 1);
    g->SetRenderState(gfx::RenderState::ZWriteEnable, 1);
    g->SetRenderState(gfx::RenderState::CullMode, gfx::cull::CCW);
    SetzeAlphaZustaende(*g);

    ZeichneMeshSlot(9010, math3d::Identity(), ErsteMeshTextur(9010));
    const float t = static_cast<float>(os::GetTickCount()) * 0.001f;
    using namespace math3d;
    ZeichneMeshSlot(9011, Multiply(Multiply(Multiply(RotationZ(t), RotationY(t)), RotationX(t)),
                                   Translation(0, 11, 0)),
                    ErsteMeshTextur(9011));
    ZeichneMeshSlot(9012, Multiply(RotationY(t), Translation(0, 30, 0)), ErsteMeshTextur(9012));

    Szene.Setze2DModus();
    ZeichneBild(212, 448, 345, 128, 128);

    for (int k = 0; k < 100; ++k) {
        ZeichneZentriert(Mitwirkende[k], 512, static_cast<float>(770 + 20 * k - 2 * scroll), 1);
    }
    ZeichneBanner();
}

void BeendenBildschirm()
{
    ZeigeLadebildschirm();
    Szene.Setze2DModus();
    ZeichneBanner();
    Label(24, 512, 260, 1);

    const MenueKnopf knoepfe[2] = {kJaKnopf, kNeinKnopf};
    MenueKnoepfeZeichnen(knoepfe, 2);
    MenueKnopfTesten(kJaKnopf, [] {
        // From the town, "yes" leaves the running game for the main menu; else the program ends.
        if (MenueAusStadt == 0) BeendenFlag = 1;
        else SpielModus = 3000;
        StoppeStadtSchleifen();
        MenueAusStadt = 0;
        MenueZaehlerNullen(false);
    });
    MenueKnopfTesten(kNeinKnopf, [] {
        ZurueckAusMenue();
        MenueZaehlerNullen(false);
    });

    Label(25, 512, 319, 2);
    Label(26, 512, 369, 2);
}
