// The hint panel: it opens like the slide-in panels, then types its seven lines out one after the
// other, five characters a frame, with the text-scroll sound.

#include <cstdio>

#include "framework/font.h"
#include "framework/myapp.h"
#include "framework/services_townview.h"
#include "framework/sound.h"
#include "framework/szene.h"
#include "framework/texte.h"
#include "framework/zeichnen.h"
#include "framework/frame.h"
#include "townview/hud_teile.h"
#include "townview/panel_rahmen.h"
#include "world/anzeige.h"

namespace {

constexpr int kZeileFertig = 255;
constexpr int kZeilenY[7] = {250, 286, 310, 346, 370, 406, 430};

// Types line L of hint n a step further and draws what is shown of it.
void Zeile(int n, int L)
{
    char puffer[256] = {};
    std::snprintf(puffer, sizeof puffer, "%s", TextStandard[191 + 7 * (n - 1) + L]);
    int32_t& zaehler = HinweisZeilenZaehler[L];
    if (zaehler < 0 || zaehler > kZeileFertig) zaehler = kZeileFertig;
    if (zaehler < kZeileFertig && (L == 0 || HinweisZeilenZaehler[L - 1] == kZeileFertig)) {
        zaehler += 5;
        if (SoundLaeuft(25) != 0) SpieleSound(25);
        // Past the end of the text the line runs on to the end of the buffer, and no further.
        while (zaehler < kZeileFertig && puffer[zaehler] == 0) zaehler += 1;
        if (zaehler > kZeileFertig) zaehler = kZeileFertig;
    }
    puffer[zaehler] = 0;
    ZeichneSchrift(puffer, 260, static_cast<float>(kZeilenY[L]), 2);
}

}  // namespace

void ZeichneHinweisPanel()
{
    if (TutorialSchritt != 0 || MeldungsPanelAktiv == 1 || EditorAktiv != 0) return;
    Szene.Setze2DModus();
    ZeichnePanelRahmen();
    ZeichnePanelKoerper();
    if (PanelWaechst()) return;
    ZeichneBild(269, 448, 508, 128, 128);
    ZeichneBild(257, 266, 508, 64, 24);
    ZeichneFormat(727, 202, 2, "(%i/10)", HinweisNummer);
    ZeichneFormat(260, 202, 3, "%s", TextStandard[189]);
    if (HinweisNummer >= 1 && HinweisNummer <= 10)
        for (int L = 0; L < 7; ++L) Zeile(HinweisNummer, L);
    ZeichneZentriert(TextStandard[188], 512, 512, MausIn(480, 544, 512, 524) ? 3 : 2);
}
