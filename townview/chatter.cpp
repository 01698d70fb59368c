// Townsfolk and hostiles now and then say a line that floats over their heads for 99 frames on screen.
#include <cstdio>

#include "framework/camera.h"
#include "framework/font.h"
#include "framework/geometry.h"
#include "framework/services_townview.h"
#include "framework/szene.h"
#include "framework/texte.h"
#include "platform/random.h"
#include "townview/hud_teile.h"
#include "world/figur_hilfen.h"
#include "world/records.h"

namespace {
constexpr int16_t kKeineZeile = KEINE_FIGUR;
constexpr int16_t kSprechDauer = 100;
}  // namespace

void StadtbewohnerSprueche(int32_t i)
{
    if (i < 0 || i >= FIGUREN_ANZAHL) return;
    FigurRecord& f = Figuren[i];
    if (f.Aktiv == 0 || !IstStadtvolkOderFeind(f.Typ)) return;
    // Line and timer come with a save: a line no table holds, or a timer that could never run out
    // as it should, ends the line.
    if (f.SpruchZeile != kKeineZeile &&
        (f.SpruchZeile < 0 || f.SpruchZeile >= SPRECH_ZEILEN || f.SpruchTimer <= 0 || f.SpruchTimer > kSprechDauer))
        f.SpruchZeile = kKeineZeile;
    if (f.SpruchZeile == kKeineZeile) {
        if (Zufall() % 1000 != 0 || ZufallZeilenZahl <= 0) return;
        f.SpruchZeile = static_cast<int16_t>(Zufall() % ZufallZeilenZahl);
        f.SpruchTimer = kSprechDauer;
    }
    if (!SichtPyramide.FrustumKugelSichtbar(f.Position[0], 0, f.Position[2], 1)) return;
    Szene.Setze2DModus();
    f.SpruchTimer -= 1;
    if (f.SpruchTimer <= 0) {
        f.SpruchZeile = kKeineZeile;
        return;
    }
    const BildschirmPunkt p = ProjiziereAufBildschirm(f.Position[0], f.Position[1] + 28, f.Position[2]);
    if (!p.vorAuge) return;
    const char* zeile = SprechTexte[f.ImKampf != 0 ? SPRECH_KAMPF : SPRECH_ZUFALL][f.SpruchZeile];
    char text[256];
    std::snprintf(text, sizeof text, "%s", zeile);
    const int32_t w = SchriftBreite(text, 3);
    ZeichneSchrift(text, static_cast<float>(p.x - w / 2 + 10), 768.0f - p.y, 2);
}
