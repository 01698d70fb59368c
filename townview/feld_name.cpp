// The name of the entrance under the mouse, next to the pointer.
#include <cstdio>

#include "framework/font.h"
#include "framework/myapp.h"
#include "framework/services_townview.h"
#include "framework/szene.h"
#include "framework/texte.h"
#include "townview/picking.h"
#include "world/records.h"

namespace {

// Text entry of an entrance kind; 0 for kinds without a name.
int NamensEintrag(int eingang)
{
    if (eingang >= 1 && eingang <= 7) return 4 + eingang;
    if (eingang >= 8 && eingang <= 10) return 5 + eingang;
    return 0;
}

}  // namespace

void ZeichneFeldName()
{
    // The first hit in scan order is named, not the nearest.
    for (int x = 0; x < GITTER_GROESSE; ++x)
        for (int z = 0; z < GITTER_GROESSE; ++z) {
            const int eingang = StadtGitter[x][z].Eingang;
            if (eingang <= 0 || !PickeFeld(x * 10, z * 10)) continue;
            const int eintrag = NamensEintrag(eingang);
            if (eintrag == 0) return;
            Szene.Setze2DModus();
            char text[256];
            std::snprintf(text, sizeof text, "%s", TextStandard[eintrag]);
            ZeichneSchrift(text, MyApp.MausX + 10.0f, MyApp.MausY - 16.0f, 2);
            return;
        }
}
