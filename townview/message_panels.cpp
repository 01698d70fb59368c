// The three slide-in panels: the beaten enemy army, game over, and the end of the game.
#include <initializer_list>

#include "framework/services_townview.h"
#include "framework/szene.h"
#include "framework/texte.h"
#include "framework/zeichnen.h"
#include "townview/panel_rahmen.h"
#include "world/anzeige.h"

namespace {

void Knopftext(int eintrag, int mitte, int x0, int x1, int y0, int y1)
{
    ZeichneZentriert(TextStandard[eintrag], mitte, 512, MausIn(x0, x1, y0, y1) ? 3 : 2);
}

// The frame, the button plates once complete, the body and the growth; true when complete.
bool Panel(std::initializer_list<float> platten)
{
    Szene.Setze2DModus();
    ZeichnePanelRahmen();
    const bool voll = HinweisPanelHoehe == kPanelVoll;
    if (voll)
        for (float x : platten) ZeichneBild(269, x, 508, 128, 128);
    ZeichnePanelKoerper();
    return !PanelWaechst();
}

}  // namespace

void ZeichneInfoPanel()
{
    if (!Panel({448})) return;
    ZeichneZentriert(TextStandard[182], 512, 300, 1);
    Knopftext(188, 512, 480, 544, 512, 524);
}

void ZeichneMeldungsPanel()
{
    if (!Panel({448})) return;
    ZeichneZentriert(TextStandard[78], 512, 300, 1);
    int ursache = 0;
    if (Todesursachen[2])
        ursache = 262;
    else if (Todesursachen[3])
        ursache = 263;
    else if (Todesursachen[0])
        ursache = 264;
    else if (Todesursachen[1])
        ursache = 265;
    if (ursache) ZeichneZentriert(TextStandard[ursache], 512, 330, 1);
    Knopftext(188, 512, 480, 544, 512, 524);
}

void ZeichneMeldungsPanel2()
{
    if (!Panel({348, 548})) return;
    ZeichneZentriert(TextStandard[183], 512, 300, 1);
    ZeichneZentriert(TextStandard[261], 512, 330, 2);
    Knopftext(26, 412, 351, 472, 510, 531);
    Knopftext(25, 612, 551, 672, 510, 531);
}
