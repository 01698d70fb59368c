#include "world/stadt.h"

#include "platform/random.h"
#include "world/item_regeln.h"

namespace {
constexpr int PFLANZEN_JE_FELD = 50;
constexpr uint8_t KEIN_BEHAELTER = 255;
}  // namespace

int NahrungsStapel(int nahrungsTier) {
    return NahrungsWerkzeug(nahrungsTier) != 0 ? StapelGrenze(nahrungsTier) : 0;
}

int NahrungsTierVon(int werkzeug) {
    for (const NahrungsQuelle& q : kNahrungsQuellen)
        if (q.werkzeug == werkzeug) return q.tier;
    return 0;
}

int NahrungsWerkzeug(int nahrungsTier) {
    for (const NahrungsQuelle& q : kNahrungsQuellen)
        if (q.tier == nahrungsTier) return q.werkzeug;
    return 0;
}

int PumpenZufluss(int pumpe) {
    return pumpe == 1042 ? 2 : pumpe == 1043 ? 4 : 0;
}

int SetzePflanze(int x, int z, int ab) {
    for (int i = ab < 0 ? 0 : ab; i < VEGETATION_ANZAHL; ++i) {
        ObjektRecord& pflanze = VegetationObjekte[i];
        if (pflanze.Aktiv != 0) continue;
        pflanze.Aktiv = 1;
        pflanze.Modell = Zufall() % 3 == 1 ? 5037 : 5036;
        pflanze.Position[0] = static_cast<float>(10 * x - 25 + Zufall() % 50);
        pflanze.Position[2] = static_cast<float>(10 * z - 25 + Zufall() % 50);
        pflanze.Drehung[1] = static_cast<float>(Zufall() % 1000);
        return i;
    }
    return -1;
}

void WachsePflanzen() {
    for (ObjektRecord& pflanze : VegetationObjekte) pflanze.Aktiv = 0;
    // Every record was just freed, so the next free one follows the last one used.
    int naechste = 0;
    for (int x = 0; x < GITTER_GROESSE; ++x)
        for (int z = 0; z < GITTER_GROESSE; ++z) {
            if (StadtGitter[x][z].VegetationErlaubt != 1) continue;
            for (int n = 0; n < PFLANZEN_JE_FELD && naechste >= 0; ++n) {
                naechste = SetzePflanze(x, z, naechste);
                if (naechste >= 0) ++naechste;
            }
        }
}

void StadtNachLaden() {
    WachsePflanzen();
    int behaelter = 0;
    for (int x = 0; x < GITTER_GROESSE; ++x) {
        for (int z = 0; z < GITTER_GROESSE; ++z) {
            StadtFeld& feld = StadtGitter[x][z];
            if (feld.Eingang > 0) {
                // A map with more entrances than containers: the extra cells get none.
                feld.BehaelterIndex = behaelter < BEHAELTER_ANZAHL ? static_cast<uint8_t>(behaelter) : KEIN_BEHAELTER;
                ++behaelter;
            }
        }
    }

    BodenKarte[19][0].AlphaTextur = 20;
    BodenKarte[20][0].AlphaTextur = 20;
}
