// Damage numbers and level-up texts rising over their figures, one world unit a frame from 20 to 40.

#include <cstdio>

#include "framework/font.h"
#include "framework/geometry.h"
#include "framework/services_townview.h"
#include "framework/szene.h"
#include "framework/texte.h"
#include "world/anzeige.h"
#include "world/figur_hilfen.h"
#include "world/records.h"

namespace {

constexpr float kStartHoehe = 20.0f, kEndHoehe = 40.0f;

// Draws a slot's text over its figure and lets it rise; true when the slot is to be freed (risen
// high enough, or its figure is gone: nothing would ever move it again).
template <typename Slot>
bool Schwebe(Slot& s, const char* text, int32_t fontTrupp, int32_t fontAndere)
{
    const int f = AktiveFigurMitId(s.FigurId);
    if (f < 0) return true;
    const FigurRecord& fig = Figuren[f];
    const BildschirmPunkt p = ProjiziereAufBildschirm(fig.Position[0], s.Hoehe, fig.Position[2]);
    if (p.vorAuge) {
        const int32_t x = static_cast<int32_t>(static_cast<float>(p.x) + s.VersatzX);
        const int32_t w = SchriftBreite(text, 0);
        ZeichneSchrift(text, static_cast<float>(x - w / 2), 768.0f - p.y, IstTrupp(fig.Typ) ? fontTrupp : fontAndere);
    }
    s.Hoehe += 1.0f;
    return s.Hoehe > kEndHoehe;
}

}  // namespace

void ZeichneSchwebeTexte()
{
    Szene.Setze2DModus();
    char text[256];
    std::snprintf(text, sizeof text, "%s", TextStandard[123]);
    for (SchwebeText& s : SchwebeTexte) {
        if (s.Aktiv != 1) continue;
        if (Schwebe(s, text, 2, 0)) {
            s.Aktiv = 0;
            s.Hoehe = 0;
        }
    }
}

void ZeichneSchwebeZahlen()
{
    Szene.Setze2DModus();
    for (SchwebeZahl& s : SchwebeZahlen) {
        if (s.Wert <= 0) continue;
        char text[16];
        std::snprintf(text, sizeof text, "%i", s.Wert);
        if (Schwebe(s, text, 2, 3)) {
            s.Wert = 0;
            s.Hoehe = 0;
        }
    }
}
