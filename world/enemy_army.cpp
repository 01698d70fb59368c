#include "world/enemy_army.h"

#include <algorithm>

#include "platform/random.h"
#include "world/raid.h"
#include "world/saturate.h"

namespace {

// The town whose cell is (spalte, reihe) in the fixed road table; -1 when none.
int StrassenStadt(int32_t spalte, int32_t reihe) {
    for (int i = 0; i < 20; ++i)
        if (kStadtZellen[i].spalte == spalte && kStadtZellen[i].reihe == reihe) return i;
    return -1;
}

}  // namespace

int StadtAnWeltZelle(int32_t spalte, int32_t reihe) {
    if (spalte < 0 || spalte >= WELTRASTER_GROESSE || reihe < 0 || reihe >= WELTRASTER_GROESSE) return -1;
    const int32_t id = WeltRaster[spalte][reihe].StadtId;
    return IstStadtId(id) ? id : -1;
}

void ZieheFeindNahrung(StadtRecord& t) {
    t.NahrungsTier = 1013;  // O_Maden
    if (Zufall() % 10 == 0) t.NahrungsTier = 1036;  // O_Ratte
    if (Zufall() % 10 == 0) t.NahrungsTier = 1037;  // O_Schlange
    if (Zufall() % 10 == 0) t.NahrungsTier = 1008;  // O_Fleisch
    t.Nahrung = int16_t(NahrungsStapel(t.NahrungsTier));
}

void SetzeFeindWasser(StadtRecord& t, int stadt) {
    t.WasserZufluss = kBasisWasserZufluss[stadt];
    int16_t pumpe = 0;
    if (Zufall() % 10 == 0 || t.WasserZufluss == 0) {
        pumpe = 1042;  // O_Handpumpe
    } else if (Zufall() % 10 == 0) {
        pumpe = 1043;  // O_Elektropumpe
    }
    if (pumpe == 0) return;  // the record keeps the pump it has
    t.Pumpe = pumpe;
    t.WasserZufluss = int16_t(t.WasserZufluss + PumpenZufluss(pumpe));
}

void ZieheFeindBesatzung(StadtRecord& t) {
    // Both are at least 1 here: the food stock is 3..9, the water income at least 1.
    const int m = std::max<int>(1, std::min<int>(t.Nahrung, t.WasserZufluss));
    t.Besatzung[0] = uint8_t(Zufall() % m + 1);
}

void FeindBesetztStadt(int32_t spalte, int32_t reihe) {
    const int stadt = StadtAnWeltZelle(spalte, reihe);
    if (stadt < 0) return;
    StadtRecord& t = StadtTabelle[stadt];
    if (FeindStaerke < 81) FeindStaerke += 20;
    t.Besitzer = 2;
    std::fill(t.Besatzung + 1, t.Besatzung + 5, uint8_t(0));
    t.Stationiert = 0;
    t.Wasser = int16_t(Zufall() % 5);
    SetzeFeindWasser(t, stadt);
    ZieheFeindNahrung(t);
    ZieheFeindBesatzung(t);
}

void BewegeFeindArmee() {
    const int32_t spalte = FeindArmeePosition[0], reihe = FeindArmeePosition[1];
    // The army marches on one day in ten, on a different draw per difficulty.
    if (Zufall() % 10 != 1 + 3 * int64_t(Schwierigkeitsgrad)) return;
    const int hier = StrassenStadt(spalte, reihe);
    if (hier < 0) return;  // no army, or a cell off the roads
    const int ziel = kFeindStrassen[hier][Zufall() % 5];
    if (ziel < 0) return;
    const WeltZelle zelle = kStadtZellen[ziel];
    const int stadt = StadtAnWeltZelle(zelle.spalte, zelle.reihe);
    if (stadt < 0) return;
    const uint8_t besitzer = StadtTabelle[stadt].Besitzer;
    if (besitzer == 0 || besitzer == 2) {
        FeindArmeePosition[0] = zelle.spalte;
        FeindArmeePosition[1] = zelle.reihe;
        FeindBesetztStadt(zelle.spalte, zelle.reihe);
    } else if (besitzer == 1 && stadt != AktuelleStadt) {
        FeindArmeePosition[0] = zelle.spalte;
        FeindArmeePosition[1] = zelle.reihe;
        const int32_t staerke = SaettigeI32(int64_t(Zufall() % 200) * (int64_t(Schwierigkeitsgrad) + 1));
        FeindAngriff(zelle.spalte, zelle.reihe, staerke);
    }
}
