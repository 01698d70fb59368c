// The one definition of every global game record.
#include "world/records.h"

#include <cstring>

#include "framework/services_world.h"
#include "world/new_game.h"
#include "world/anzeige.h"
#include "world/sky.h"

FigurRecord Figuren[FIGUREN_ANZAHL];
FigurRecord ReiseFiguren[FIGUREN_ANZAHL];
FigurRecord BegegnungsFiguren[FIGUREN_ANZAHL];
FigurRecord AngriffsFiguren[FIGUREN_ANZAHL];

StadtRecord StadtTabelle[STADT_ANZAHL];
StadtFeld StadtGitter[GITTER_GROESSE][GITTER_GROESSE];
uint8_t BodenGitter[GITTER_GROESSE][GITTER_GROESSE];
BodenTile BodenKarte[BODENKARTE_GROESSE][BODENKARTE_GROESSE];
ObjektRecord StadtObjekte[STADTOBJEKTE_ANZAHL];
ObjektRecord VegetationObjekte[VEGETATION_ANZAHL];
ItemSlot Behaelter[BEHAELTER_ANZAHL][10][10];
WeltFeld WeltRaster[WELTRASTER_GROESSE][WELTRASTER_GROESSE];
LichtRecord LichtZustand[LICHTER_ANZAHL];

SpielGlobalsBlock SpielGlobals;

namespace {

// The camera's starting place.
constexpr Camera kStartKamera = {{0.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 5.0f}, {0.0f, 0.0f, 1.0f}};

// Set before anything else runs.
const bool kameraGesetzt = (SpielGlobals.Cam = kStartKamera, true);

template <typename T>
void Nullen(T& block)
{
    std::memset(&block, 0, sizeof block);
}

}  // namespace

void GrundzustandWelt()
{
    Nullen(Figuren);
    Nullen(ReiseFiguren);
    Nullen(BegegnungsFiguren);
    Nullen(AngriffsFiguren);
    Nullen(StadtTabelle);
    Nullen(StadtGitter);
    Nullen(BodenGitter);
    Nullen(BodenKarte);
    Nullen(StadtObjekte);
    Nullen(VegetationObjekte);
    Nullen(Behaelter);
    Nullen(WeltRaster);
    Nullen(LichtZustand);
    Nullen(SpielGlobals);
    Cam = kStartKamera;
    Nullen(DriftSchichtA);
    Nullen(DriftSchichtB);
    Nullen(Wolken);
    Nullen(AussehenWahl);
    // What the world shows through the view.
    HinweisNummer = 0;
    Nullen(HinweisGezeigt);
    Nullen(HinweisZeilenZaehler);
    HinweisPanelHoehe = 0;
    Nullen(Todesursachen);
    LoescheSchwebeAnzeigen();
    LieferAnimation = {0, 0};
    GespraechsPhase = 0;
}
