#include "world/stadt.h"

#include "platform/random.h"
#include "world/item_regeln.h"

namespace {
constexpr int PFLANZEN_JE_FELD = 50;
constexpr uint8_t KEIN_BEHAELTER = 255;
}  // namespace

int NahrungsStapel(int nahrungsTier) {
    // The four animals a town can breed (O_Maden, O_Ratte, O_Schlange, O_Fleisch) come in full stacks.
    switch (nahrungsTier) {
    case 1013: case 1036: case 1037: case 1008: return StapelGrenze(nahrungsTier);
    default: return 0;
    }
}

void StadtNachLaden() {
    for (ObjektRecord& pflanze : VegetationObjekte) pflanze.Aktiv = 0;

    // Every slot was just freed, so the first free slot is always the next one.
    int naechstePflanze = 0;
    int behaelter = 0;
    for (int x = 0; x < GITTER_GROESSE; ++x) {
        for (int z = 0; z < GITTER_GROESSE; ++z) {
            StadtFeld& feld = StadtGitter[x][z];
            if (feld.Eingang > 0) {
                // A map with more entrances than containers: the extra cells get none.
                feld.BehaelterIndex = behaelter < BEHAELTER_ANZAHL ? static_cast<uint8_t>(behaelter) : KEIN_BEHAELTER;
                ++behaelter;
            }
            if (feld.VegetationErlaubt != 1) continue;
            for (int n = 0; n < PFLANZEN_JE_FELD && naechstePflanze < VEGETATION_ANZAHL; ++n) {
                ObjektRecord& pflanze = VegetationObjekte[naechstePflanze++];
                pflanze.Aktiv = 1;
                pflanze.Modell = Zufall() % 3 == 1 ? 5037 : 5036;
                pflanze.Position[0] = static_cast<float>(10 * x - 25 + Zufall() % 50);
                pflanze.Position[2] = static_cast<float>(10 * z - 25 + Zufall() % 50);
                pflanze.Drehung[1] = static_cast<float>(Zufall() % 1000);
            }
        }
    }

    BodenKarte[19][0].AlphaTextur = 20;
    BodenKarte[20][0].AlphaTextur = 20;
}
