#include "content/town_models.h"

namespace content::modell {

std::vector<int> AlleObjektSlots() {
    std::vector<int> slots = {Pflanze, Blume, FeuerTonne, Lagerfeuer, WindradRotor, WindradTurm, Radar,
                              RadarMast, Wirtshausschild, Mauer, Zaun, Palisade, Torpfosten, Kiste, Fass,
                              Kistenstapel, Marktstand, Brunnen, Laterne, Bank, Karren, Wassertank, Sperre,
                              Tisch, Zelt, Planwagen, Huette, Anwerber, Busch2, Schilf, Gras, Strauch2, Hecke,
                              Busch3, Busch4};
    for (int s : Streumodelle) slots.push_back(s);
    for (int stil = 0; stil < HausStile; ++stil)
        for (int w : HausBreiten)
            for (int d : HausTiefen) slots.push_back(Haus(stil, w, d));
    return slots;
}

}  // namespace content::modell
