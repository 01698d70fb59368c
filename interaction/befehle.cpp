// The 3 x 3 command grid in the bottom-left corner: the command modes, stationing a member as the
// town's garrison, the crafting, game-menu and town-stock panels, and the travel button, which
// opens the world map or, on an encounter map, brings the squad back to its town.
#include <cstdio>
#include <string>

#include "framework/frame.h"
#include "framework/myapp.h"
#include "framework/shell.h"
#include "framework/sound.h"
#include "framework/zeichnen.h"
#include "interaction/handler.h"
#include "interaction/reise.h"
#include "interaction/tutorial.h"
#include "platform/os.h"
#include "world/aufstellung.h"
#include "world/figur_hilfen.h"
#include "world/gamefiles.h"
#include "world/spawnen.h"

namespace {

constexpr int kSpalteX[3] = {7, 44, 81};
constexpr int kZeileY[3] = {654, 691, 728};

// Button of row r and column c (1-based, r1c1 top left).
bool Ueber(int r, int c) { return MausIn(kSpalteX[c - 1], kSpalteX[c - 1] + 32, kZeileY[r - 1], kZeileY[r - 1] + 32); }

bool NochJemandStationiert(const FigurRecord& ausser)
{
    for (const FigurRecord& f : Figuren)
        if (&f != &ausser && f.Aktiv == 1 && IstTrupp(f.Typ) && f.Stationiert == 1) return true;
    return false;
}

// The squad stands in rows of six before the town's gate.
void StelleTruppAuf(FigurRecord& f, int n)
{
    StelleBereit(f);
    if (n > 24) return;  // a member past the four rows keeps its place
    float platz[3];
    AnkunftsPlatz(n, platz);
    SetzePositionen(f, platz);
}

// A record set aside for the encounter goes back into the first free record, which keeps its id.
void HoleZurueck(const FigurRecord& b)
{
    const int k = FreieFigur();
    if (k < 0) return;
    FigurRecord& f = Figuren[k];
    UebertrageFigur(f, b);
    f.Stationiert = b.Stationiert;
    f.Anzahl = b.Anzahl;
}

// From an encounter map back to the town it lay on the way to. The town's map is read first: a
// map that cannot be read leaves the squad on the encounter map.
void ZurueckInDieStadt()
{
    BefehlsModus = 3;
    CursorIndex = 2;
    char pfad[64];
    std::snprintf(pfad, sizeof pfad, "DATA/Towns/Town%i.dat", AktuelleStadt);
    std::string fehler;
    if (!IstStadtId(AktuelleStadt) || !LeseStadtDatei(pfad, &fehler)) {
        os::MessageBox(fehler.empty() ? std::string(pfad) : fehler, "Datei nicht gefunden!");
        return;
    }
    ZeigeSchwarzbild();
    StadtNachLaden();
    ZeilenTimer[kAngriffZeile] = ZeilenTimer[kEinsiedlerZeile] = ZeilenTimer[kKarawaneZeile] = 0;
    SonderOrt = 0;
    for (int32_t& id : AuswahlSlots) id = KEINE_FIGUR;
    AuswahlIndex = KEINE_FIGUR;
    Cam.StadtStart();
    int n = 0;
    for (FigurRecord& f : Figuren) {
        if (f.Aktiv != 1) continue;
        if (!IstTrupp(f.Typ)) {
            f.Aktiv = 0;
            continue;
        }
        StelleTruppAuf(f, ++n);
    }
    for (const FigurRecord& b : BegegnungsFiguren)
        if (b.Aktiv == 1) HoleZurueck(b);
    StadtGitter[0][0].Blockiert = 1;
    MarkierePersonenFelder();
    const StadtRecord& stadt = AktuelleStadtRecord();
    ErzeugeFiguren(stadt.Bewohner, stadt.Besatzung[0]);
}

// The left release: true when it was consumed (the handler then ends for this frame).
bool Loslassen(int32_t aktiv)
{
    if (MausLinksLosgelassen == 0) return false;
    const bool mitglied = aktiv != 32000;
    const bool frei = CursorItem == 0;
    bool verbraucht = true;
    if (Ueber(3, 2) && frei && SonderOrt == 0 && TutorialSchritt == 0) {
        BefehlsModus = 3;
        CursorIndex = 2;
        KartenAnimation = 0.0f;
        SpielModus = 9000;
    } else if (BefehlsModus == 6 && SonderOrt == 0) {
        BefehlsModus = 3;
        CursorIndex = 2;
    } else if (((Ueber(1, 1) || Ueber(1, 2) || Ueber(1, 3) || Ueber(2, 1) || Ueber(2, 3)) && mitglied && frei) ||
               (Ueber(2, 2) && mitglied && frei && SonderOrt == 0) || (Ueber(3, 1) && frei)) {
        // Only consumed: the box selection after this must not see it.
    } else if (Ueber(3, 2) && frei && SonderOrt != 0) {
        MausLinksLosgelassen = 0;
        ZurueckInDieStadt();
    } else if (BefehlsModus == 6) {
        BefehlsModus = 3;
        CursorIndex = 2;
    } else if (Ueber(3, 3) && SonderOrt == 0) {
        if (AktuelleStadtRecord().Besitzer != 2) {
            BefehlsModus = BefehlsModus == 7 ? 3 : 7;
            CursorIndex = 2;
        }
    } else {
        verbraucht = false;
    }
    if (verbraucht) MausLinksLosgelassen = 0;
    return verbraucht;
}

// Hover sets the button's tooltip; a press acts (the action says whether it took the press).
void Knopf(int r, int c, bool bedingung, int32_t tooltip, bool (*aktion)(FigurRecord*), FigurRecord* mitglied)
{
    if (!bedingung || !Ueber(r, c)) return;
    TooltipNummer = tooltip;
    if (MausLinksGedrueckt == 0) return;
    if (!aktion(mitglied)) return;
    SpieleSound(6);
    MausLinksGedrueckt = 0;
}

bool Modus(int32_t modus, int32_t cursor)
{
    BefehlsModus = modus;
    CursorIndex = cursor;
    return true;
}

bool Umschalten(int32_t panel)
{
    BefehlsModus = BefehlsModus == panel ? 3 : panel;
    CursorIndex = 2;
    return true;
}

}  // namespace

void BefehlsKnoepfe(int32_t aktiv)
{
    if (Loslassen(aktiv)) return;
    FigurRecord* m = aktiv >= 0 && aktiv < FIGUREN_ANZAHL ? &Figuren[aktiv] : nullptr;
    const bool frei = CursorItem == 0;
    const bool stadt = SonderOrt == 0;
    // Both decided before either acts: stationing must not show the release's tooltip at once.
    const bool stationieren = m && m->Stationiert == 0 && m->EigeneFigur == 0 && stadt;
    const bool freigeben = m && m->Stationiert == 1 && m->EigeneFigur == 0 && stadt;
    Knopf(1, 1, m, 3, [](FigurRecord*) { return Modus(3, 2); }, m);
    Knopf(1, 2, m, 2, [](FigurRecord*) { return Modus(0, 4); }, m);
    Knopf(1, 3, m, 1, [](FigurRecord*) { return Modus(1, 3); }, m);
    Knopf(2, 1, m && m->Typ == 3, 4, [](FigurRecord*) { return Modus(2, 1); }, m);
    Knopf(2, 2, stationieren, 5,
          [](FigurRecord* f) {
              StadtRecord& s = AktuelleStadtRecord();
              if (s.Besitzer == 2) return false;
              f->Stationiert = 1;
              s.Besitzer = 1;
              return true;
          },
          m);
    Knopf(2, 2, freigeben, 6,
          [](FigurRecord* f) {
              f->Stationiert = 0;
              // Only the player's own town falls back to neutral, and only with its last guard gone.
              StadtRecord& s = AktuelleStadtRecord();
              if (s.Besitzer == 1 && !NochJemandStationiert(*f)) s.Besitzer = 0;
              return true;
          },
          m);
    Knopf(2, 3, m && m->Typ == 2, 7,
          [](FigurRecord*) {
              RezeptWahl = 0;
              return Umschalten(4);
          },
          m);
    Knopf(3, 1, frei, 8, [](FigurRecord*) { return Umschalten(5); }, m);
    Knopf(3, 2, frei, stadt ? 9 : 34, [](FigurRecord*) { return Modus(6, 2); }, m);
    Knopf(3, 3, frei && stadt, 10, [](FigurRecord*) { return true; }, m);
}
