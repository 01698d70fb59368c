#include "framework/services_world.h"

#include "framework/frame.h"
#include "framework/sound.h"
#include "world/anzeige.h"
#include "world/economy.h"
#include "world/enemy_army.h"
#include "world/records.h"
#include "world/saturate.h"

namespace {

constexpr int kHinweisHunger = 10;

bool AlleStaedteDesSpielers() {
    for (int i = 0; i < STAEDTE_BENUTZT; ++i)
        if (StadtTabelle[i].Besitzer != 1) return false;
    return true;
}

void HungerUndDurst() {
    for (FigurRecord& f : Figuren) {
        if (f.Aktiv != 1 || f.Typ < 1 || f.Typ > 5 || f.Stationiert != 0) continue;
        if (f.Nahrung == 0) {
            f.Gesundheit = SaettigeI32(int64_t(f.Gesundheit) - 10);
            if (SonderOrt == 0) ZeigeHinweis(kHinweisHunger);
        }
        if (f.Wasser == 0) {
            f.Gesundheit = SaettigeI32(int64_t(f.Gesundheit) - 10);
            if (SonderOrt == 0) ZeigeHinweis(kHinweisHunger);
        }
        if (f.Nahrung > 0) f.Nahrung -= 1;
        if (f.Wasser > 0) f.Wasser -= 1;
    }
}

void NeuerTag() {
    if (AlleStaedteDesSpielers() && FeindArmeePosition[0] == 0 && FeindArmeePosition[1] == 0 && SpielEnde == 0) {
        SpielEnde = 1;
        HinweisPanelHoehe = 0;
    }
    TaeglicheStadtWerte();
    TaeglicheProduktion();
    LieferAnimation.Countdown = 250;
    TagZaehler = SaettigeI32(int64_t(TagZaehler) + 1);
    ZeilenTimer[kNeuerTagZeile] = kZeilenDauer;
    SpieleSound(22);
    BewegeFeindArmee();
    TagRichtung = 1;
    HungerUndDurst();
}

}  // namespace

void AktualisiereTageslauf() {
    LichtRecord& sonne = LichtZustand[0];
    if (TagRichtung == 0) {
        sonne.Farbe[0] -= 0.0001f;
        sonne.Farbe[1] -= 0.0001f;
        sonne.Farbe[2] -= 0.00003f;
        sonne.Position[2] -= 0.13f;
    } else {  // growing (any other stored value grows too, so the cycle never stalls)
        sonne.Farbe[0] += 0.0001f;
        sonne.Farbe[1] += 0.0001f;
        sonne.Farbe[2] += 0.00003f;
        sonne.Position[2] += 0.13f;
    }
    sonne.Position[0] = 640.0f;
    sonne.Position[1] = 500.0f;
    sonne.Reichweite = 2000.0f;
    sonne.Daempfung[0] = 0.0f;
    sonne.Daempfung[1] = 0.001f;
    sonne.Daempfung[2] = 0.0f;

    if (sonne.Farbe[0] <= 0.3f) NeuerTag();
    if (sonne.Farbe[0] >= 1.0f) TagRichtung = 0;
}
