// The menu backdrop, the standard button, the loading bar and the two steps into the main menu.
#include "frontend/screen_frame.h"

#include <algorithm>

#include "framework/font.h"
#include "framework/frame.h"
#include "framework/myapp.h"
#include "framework/services_frontend.h"
#include "framework/sound.h"
#include "framework/szene.h"
#include "platform/os.h"
#include "world/records.h"

namespace {

constexpr int kKnopfBreite = 225, kKnopfHoehe = 34;
constexpr int kTexBackdrop = 258, kTexBanner = 148, kTexKnopf = 147, kTexKnopfHell = 173;
constexpr int kTexBalkenRahmen = 164, kTexBalkenFuellung = 9;
constexpr int kKlickSound = 6, kRegenSound = 13, kWindSound = 15;

}  // namespace



void StoppeStadtSchleifen()
{
    if (RegenSoundLaeuft == 1) {
        RegenSoundLaeuft = 0;
        StoppeSound(kRegenSound);
    }
    if (WindSoundLaeuft == 1) {
        WindSoundLaeuft = 0;
        StoppeSound(kWindSound);
    }
}

void ZeigeLadebildschirm()
{
    CursorIndex = 2;
    os::SetCursor(CursorTabelle[2]);
    Szene.Setze2DModus();
    ZeichneBild(kTexBackdrop, 0, 0, 1024, 768);
}

void ZeichneBanner()
{
    ZeichneBild(kTexBanner, 273, 715, 478, 54);
}

void ZeichneLadebalken(int32_t breite)
{
    // The save and load code also runs without a window (tests, tools): then there is nothing to show.
    gfx::Device* geraet = MyApp.m_pd3dDevice.get();
    if (!geraet) return;
    geraet->BeginScene();
    Szene.Setze2DModus();
    ZeichneBild(kTexBalkenRahmen, 387, 310, 256, 19);
    ZeichneBild(kTexBalkenFuellung, 389, 312, static_cast<float>(breite), 10);
    geraet->EndScene();
    geraet->Present();
}

void ZumHauptmenue()
{
    SpielModus = 3000;
}

void NachSequenzZumMenue()
{
    SpielModus = 3000;
}

void MenueKnoepfeZeichnen(const MenueKnopf* knoepfe, int anzahl)
{
    for (int i = 0; i < anzahl; ++i) {
        int32_t& c = MenueZaehler[knoepfe[i].slot];
        if (c < 500) c += 50;
        ZeichneBild(kTexKnopf, knoepfe[i].bx, knoepfe[i].by, kKnopfBreite, kKnopfHoehe);
    }
}

void MenueKnopfTesten(const MenueKnopf& k, void (*aktion)())
{
    // The counter is read again after the action: most actions set it to 0, which is why a click
    // in the first hovered frame of such a button plays no sound.
    int32_t& c = MenueZaehler[k.slot];
    const bool ueber = MausIn(k.x0, k.x1, k.y0, k.y1) && c >= 500;
    if (!ueber) {
        if (c > 500) c -= 20;
        return;
    }
    ZeichneBild(kTexKnopfHell, k.bx, k.by, kKnopfBreite, kKnopfHoehe);
    if (MausLinksGedrueckt == 1) {
        MausLinksGedrueckt = 0;
        aktion();
    }
    if (k.klang && c == 500) SpieleSound(kKlickSound);
    if (c >= 500 && c < 540) c += 20;
}

void MenueZaehlerNullen(bool alle)
{
    for (int32_t& c : MenueZaehler) c = 0;
    if (alle) MenueSeitenVersatz = 0;
}

bool SchieberGezogen(int x0, int x1, int y0, int y1)
{
    return MausLinksGedrueckt == 1 && MausIn(x0, x1, y0, y1);
}

int SchieberWert(int x0)
{
    return std::min(10 * (MyApp.MausX - x0), 3050);
}

int DreiStufen(int wert)
{
    return wert <= 1016 ? 0 : wert <= 2032 ? 1 : 2;
}

void ZurueckAusMenue()
{
    SpielModus = MenueAusStadt == 1 ? 1000 : 3000;
    MenueAusStadt = 0;
}



