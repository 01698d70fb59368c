// The new-game screen (modes 6000 and 6001): the player name, the difficulty, three looks of the own
// figure with a lit walking preview, start and back. In 6001 the keyboard handler types the name.
#include <algorithm>
#include <cstdio>

#include "framework/font.h"
#include "framework/frame.h"
#include "framework/myapp.h"
#include "framework/services_frontend.h"
#include "framework/szene.h"
#include "framework/texte.h"
#include "frontend/new_game.h"
#include "frontend/screen_frame.h"
#include "platform/math3d.h"
#include "platform/random.h"
#include "townview/figur_texturen.h"
#include "world/animation.h"
#include "world/records.h"

namespace {

constexpr MenueKnopf kStartKnopf = {0, 712, 245, 715, 933, 247, 275, true};
constexpr MenueKnopf kZurueckKnopf = {1, 712, 295, 715, 933, 296, 325, true};

// The sliders take the pointer from x 90 on; their tracks start at x 81.
constexpr int kSchieberLinks = 90, kSchieberRechts = 427;

// The three look sliders from the top: which choice each sets, its label, its track's y.
struct AussehenZeile {
    int wahl, text;
    float y;
};
constexpr AussehenZeile kAussehen[3] = {{0, 74, 335}, {2, 75, 395}, {1, 76, 455}};

const char* Text(int eintrag) { return TextStandard[eintrag]; }

// Set by the start button's action in this frame.
bool gestartet = false;

void Zurueck()
{
    // Always to the main menu: a new game is never begun from the town.
    MausLinksGedrueckt = 0;
    SpielModus = 3000;
    MenueZaehlerNullen(true);
}

void SchwierigkeitsZeile()
{
    const int32_t stufe = std::clamp(Schwierigkeitsgrad, 0, 2);
    char label[2 * TEXT_LAENGE + 8];
    std::snprintf(label, sizeof label, "%s: %s", Text(48), Text(49 + stufe));
    ZeichneSchrift(label, 81, 255, 2);
    ZeichneBild(160, 81, 275, 512, 32);
    ZeichneBild(161, 91.0f + 150.0f * float(stufe), 275, 32, 32);
    if (SchieberGezogen(kSchieberLinks, kSchieberRechts, 280, 300))
        Schwierigkeitsgrad = DreiStufen(SchieberWert(kSchieberLinks));
}

void AussehenZeilen()
{
    for (const AussehenZeile& z : kAussehen) {
        int32_t& wahl = AussehenWahl[z.wahl];
        char label[TEXT_LAENGE + 16];
        std::snprintf(label, sizeof label, "%s: %i", Text(z.text), wahl + 1);
        ZeichneSchrift(label, 81, z.y - 20.0f, 2);
        ZeichneBild(160, 81, z.y, 512, 32);
        ZeichneBild(161, 91.0f + 32.0f * float(wahl), z.y, 32, 32);
        const int y0 = int(z.y) + 5;
        if (SchieberGezogen(kSchieberLinks, kSchieberRechts, y0, y0 + 20))
            wahl = SchieberWert(kSchieberLinks) / 306;
    }
}

// Figure record 0 walking in the shadow render target, shown beside the sliders. Without that
// target (its creation failed) only the frame is drawn: binding target 0 would clear the screen.
void Vorschau()
{
    gfx::Device& g = *MyApp.m_pd3dDevice;
    const gfx::Texture ziel = MyApp.SchattenTextur;
    if (ziel) {
        g.SetRenderTarget(ziel);
        // The target has a depth buffer of its own, which nothing else clears before this draw.
        g.Clear(gfx::clear::Target | gfx::clear::ZBuffer, 0xFF000000u, 1.0f);
        Szene.Setze3DKamera();
        FigurRecord& f = Figuren[0];
        f.Typ = 1;
        SetzeVorschauLichter(0xFF7F7F7Fu);
        MyApp.m_matView = math3d::LookAtLH({-10, 5, 25}, {0, 0, 0}, {Cam.Oben[0], Cam.Oben[1], Cam.Oben[2]});
        g.SetTransform(gfx::TransformType::View, MyApp.m_matView);
        g.SetRenderState(gfx::RenderState::ZEnable, 1);
        g.SetRenderState(gfx::RenderState::ZWriteEnable, 1);
        g.SetRenderState(gfx::RenderState::CullMode, gfx::cull::CCW);
        SetzeAlphaZustaende(g);
        const math3d::Matrix welt = math3d::Translation(-5, -10, 0);

        f.Zustand = 2;
        f.Befehl = 2;
        f.AnimLaenge = 12;
        FigurAnimieren(0);
        auto teil = [&](int k, int variante) {
            const int slot = FigurTexturSlot(variante);
            ZeichneMeshSlot(f.TeilModelle[k], welt, slot < 0 ? 0 : MyApp.Texturen[slot]);
        };
        teil(0, AussehenWahl[2]);
        teil(1, AussehenWahl[0]);
        teil(2, AussehenWahl[1]);
        teil(4, 0);
        teil(3, 0);

        for (uint32_t l = 0; l < 100; ++l) g.LightEnable(l, false);
        g.SetRenderTarget(0);
        g.SetRenderState(gfx::RenderState::CullMode, gfx::cull::CCW);
        Szene.Setze2DModus();
    }
    ZeichneBild(174, 699, 376, 248, 265);
    if (!ziel) return;
    // Added over the frame, so the black around the figure vanishes.
    g.SetRenderState(gfx::RenderState::AlphaTestEnable, 0);
    g.SetRenderState(gfx::RenderState::AlphaBlendEnable, 1);
    g.SetRenderState(gfx::RenderState::SrcBlend, gfx::blend::One);
    g.SetRenderState(gfx::RenderState::DestBlend, gfx::blend::One);
    g.SetTexture(ziel);
    MyApp.Draw2D(599, 376, 332.5f, 250);
}

}  // namespace

void NeuesSpielBildschirm()
{
    // One draw every frame the screen is shown: how long the player stays here varies the game.
    Zufall();
    EditorAktiv = 0;
    ZeigeLadebildschirm();
    Szene.Setze2DModus();
    MenueSeitenVersatz = 576;

    ZeichneBild(252, 368, 100, 288, 52);
    ZeichneZentriert(Text(73), 512, 114, 1);
    ZeichneBanner();
    ZeichneBild(164, 81, 195, 256, 32);
    ZeichneSchrift(Text(46), 81, 175, 2);
    char name[sizeof SpielerName + 2];
    std::snprintf(name, sizeof name, SpielModus == 6001 ? "%s-" : "%s", SpielerName);
    ZeichneSchrift(name, 86, 199, 2);
    SchwierigkeitsZeile();
    AussehenZeilen();

    const MenueKnopf knoepfe[2] = {kStartKnopf, kZurueckKnopf};
    MenueKnoepfeZeichnen(knoepfe, 2);
    gestartet = false;
    MenueKnopfTesten(kStartKnopf, [] {
        StarteNeuesSpiel();
        gestartet = true;
    });
    // The start ends the frame: the game's first picture comes with the next one.
    if (gestartet) return;
    MenueKnopfTesten(kZurueckKnopf, Zurueck);
    ZeichneZentriert(Text(53), 824, 254, 2);
    ZeichneZentriert(Text(52), 824, 304, 2);

    if (MausLinksGedrueckt == 1 && MausIn(82, 329, 195, 217)) {
        SpielModus = 6001;
        MausLinksGedrueckt = 0;
    }
    if (MausIn(0, 1024, 120, 139)) {
        if (MausLinksGedrueckt == 1) {
            MausLinksGedrueckt = 0;
            Schwierigkeitsgrad += 1;
        }
        if (MausRechtsGedrueckt == 1) {
            MausRechtsGedrueckt = 0;
            Schwierigkeitsgrad -= 1;
        }
    }
    Schwierigkeitsgrad = std::clamp(Schwierigkeitsgrad, 0, 2);
    Vorschau();
}
