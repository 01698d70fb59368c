// Encounter maps on the way to a town: an attack, a hermit or a caravan on a small map of its own.
// The destination's own records wait in BegegnungsFiguren until the travel button brings the party
// back into the town.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "framework/frame.h"
#include "framework/items.h"
#include "framework/sound.h"
#include "frontend/travel.h"
#include "platform/random.h"
#include "world/anzeige.h"
#include "world/aufstellung.h"
#include "world/figur_hilfen.h"
#include "world/gamefiles.h"
#include "world/records.h"
#include "world/spawnen.h"

namespace {

constexpr float kPiHalbe = kPi / 2.0f;

// What lies in the caravan's wake: drawn by rand() % 42.
constexpr const char* kKarawanenItems[42] = {
    "O_Blech", "O_Draht", "O_Eisenstangen", "O_Foto", "O_Geld", "O_Kaffee", "O_Muttern", "O_Reifen",
    "O_Rohre", "O_Stahlfeder", "O_Streichhoelzer", "O_Zigaretten", "O_Messer", "O_Batterien",
    "O_Elektroteile", "O_Gluehbirne", "O_Gummiband", "O_Holz", "O_Kassette", "O_Schlauch", "O_Vase",
    "O_Seil", "O_Kabel", "O_Klebstoff", "O_Kerze", "O_Solarzelle", "O_Stoff", "O_Tabak", "O_Zahnbuerste",
    "O_Zahnpasta", "O_Seife", "O_Buch", "O_Zeitschrift", "O_Quillmarch", "O_Feuerzeug", "O_Kugelschreiber",
    "O_Schluessel", "O_Flaschenoeffner", "O_Spielkarten", "O_Pfanne", "O_Buch_2", "O_Buch_3"};

// The scenery scattered over the map.
constexpr int32_t kStreuModelle[29] = {5001, 5003, 5004, 5011, 5024, 5074, 5080, 5081, 5083, 5084,
                                       5107, 5108, 5109, 5110, 5111, 5113, 5114, 5116, 5119, 5125,
                                       5126, 5127, 5201, 5202, 5215, 5217, 5218, 5219, 5220};

// Everyone of the destination but the party waits aside; townsfolk, hostiles and fixed figures
// are spawned anew when the party comes back.
void StelleStadtBeiseite()
{
    for (int i = 0; i < FIGUREN_ANZAHL; ++i) {
        FigurRecord& f = Figuren[i];
        FigurRecord& b = BegegnungsFiguren[i];
        b.Aktiv = 0;
        if (IstStadtvolkOderFeind(f.Typ) || f.Typ == 9999) {
            f.Aktiv = 0;
            continue;
        }
        if (f.Aktiv != 1 || (IstTrupp(f.Typ) && f.Stationiert == 0)) continue;
        UebertrageFigur(b, f);
        b.Stationiert = f.Stationiert;
        b.Anzahl = f.Anzahl;
        f.Aktiv = 0;
    }
}

void LeseBegegnungsKarte(const char* art, int nummer)
{
    char pfad[48];
    std::snprintf(pfad, sizeof pfad, "Data/Towns/%s%03i.dat", art, nummer);
    // A missing map leaves the cleared one: the party stands on open ground.
    LeseStadtDatei(pfad);
}

void Boden()
{
    static constexpr int16_t kBoeden[5] = {0, 21, 22, 23, 24};
    const int16_t basis = kBoeden[Zufall() % 5];
    for (auto& reihe : BodenKarte) {
        for (BodenTile& t : reihe) {
            t.BasisTextur = basis;
            t.AlphaTextur = 0;
            t.AlphaDrehung = 0.0f;
            t.BasisDrehung = 0.0f;
            if (Zufall() % 3 == 0) t.BasisDrehung = kPiHalbe;
            if (Zufall() % 3 == 0) t.BasisDrehung = kPi;
            if (Zufall() % 3 == 0) t.BasisDrehung = -kPiHalbe;
        }
    }
}

void Streuen()
{
    for (ObjektRecord& o : StadtObjekte) {
        if (Zufall() % 15 != 0 || o.Aktiv != 0) continue;
        o.Modell = kStreuModelle[Zufall() % 29];
        const int x = Zufall() % 100 + 5;
        const int z = Zufall() % 100 + 5;
        if (StadtGitter[x][z].Blockiert != 0 || BodenGitter[x][z] != 0) continue;
        o.Aktiv = 1;
        o.Position[0] = float(10 * x);
        o.Position[1] = 0.0f;
        o.Position[2] = float(10 * z);
        StadtGitter[x][z].Blockiert = 1;
    }
}

void KarawanenItem()
{
    const int16_t item = int16_t(1000 + ItemIndex(kKarawanenItems[Zufall() % 42]));
    // With no record free the find is passed by: the map is full of the town's own things.
    LegeBodenItem(600.0f, 600.0f, item, 1);
}

}  // namespace

void BetreteBegegnung()
{
    SonderOrt = 1;
    const int art = Zufall() % 3;
    StelleStadtBeiseite();
    std::memset(StadtGitter, 0, sizeof StadtGitter);
    for (ObjektRecord& o : StadtObjekte) o.Aktiv = 0;

    if (art == 0) {
        LeseBegegnungsKarte("Angriff", Zufall() % 5);
        ZeigeHinweis(6);
    } else if (art == 1) {
        LeseBegegnungsKarte("Einsiedler", Zufall() % 5);
        ZeigeHinweis(7);
    } else {
        LeseBegegnungsKarte("Karawane", 0);
        ZeigeHinweis(8);
    }
    Boden();
    Streuen();
    BodenKarte[19][0].AlphaTextur = 20;
    BodenKarte[20][0].AlphaTextur = 20;

    if (art == 0) {
        // A difficulty from a save is kept within 0..2: the divisor stays positive.
        const int stufe = std::clamp(Schwierigkeitsgrad, 0, 2);
        ErzeugeFiguren(0, Zufall() % (stufe + 3) + 1);
        ZeilenTimer[kAngriffZeile] = kZeilenDauer;
    } else if (art == 1) {
        ErzeugeFiguren(Zufall() % 2 + 1, 0);
        ZeilenTimer[kEinsiedlerZeile] = kZeilenDauer;
    } else {
        KarawanenItem();
        ZeilenTimer[kKarawaneZeile] = kZeilenDauer;
    }
    SpieleSound(22);
    StadtGitter[0][0].Blockiert = 1;
}
