#include "world/new_game.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "framework/frame.h"
#include "framework/shell.h"
#include "platform/os.h"
#include "platform/random.h"
#include "world/anzeige.h"
#include "world/enemy_army.h"
#include "world/gamefiles.h"
#include "world/records.h"
#include "world/sky.h"
#include "world/spawnen.h"

namespace {

// The starting values of towns 0..19 (the water income is kBasisWasserZufluss).
struct StadtStart {
    uint8_t namenIndex, besitzer, verseuchung, bewohner;
    int16_t nahrungsTier, nahrung, wasser;
    uint8_t feinde;
};
constexpr StadtStart kStadtStart[20] = {
    {7, 0, 0, 8, 0, 0, 0, 0},   {2, 0, 0, 5, 0, 0, 0, 0},   {13, 0, 0, 4, 0, 0, 0, 0},  {3, 0, 0, 4, 0, 0, 0, 0},
    {4, 0, 0, 4, 0, 0, 0, 0},   {18, 0, 8, 8, 0, 0, 0, 0},  {12, 0, 0, 8, 0, 0, 0, 0},  {9, 0, 0, 8, 0, 0, 0, 0},
    {8, 0, 0, 8, 0, 0, 0, 0},   {0, 0, 0, 25, 0, 0, 0, 0},  {15, 0, 0, 8, 0, 0, 3, 0},  {11, 0, 47, 8, 0, 0, 0, 0},
    {1, 0, 32, 8, 0, 0, 0, 0},  {17, 0, 0, 4, 0, 0, 0, 0},  {6, 0, 63, 8, 0, 0, 0, 0},  {14, 0, 0, 8, 0, 0, 0, 0},
    {16, 0, 0, 8, 0, 0, 0, 0},  {5, 0, 0, 8, 0, 0, 0, 0},   {10, 0, 0, 8, 0, 0, 0, 0},  {19, 2, 0, 6, 1013, 3, 0, 1},
};

bool Misslungen(const std::string& fehler) {
    os::MessageBox(fehler, "Fehler!");
    return false;
}

void ErzeugeEigeneFigur(FigurRecord& f, const SpielStart& start) {
    f.Aktiv = 1;
    f.TeilModelle[0] = 2000;
    for (float* v : {f.Position, f.Ziel, f.Wegpunkt}) {
        v[0] = 600.0f;
        v[1] = 0.0f;
        v[2] = 0.0f;
    }
    f.Gesundheit = 100;
    f.Nahrung = 10;
    f.Wasser = 5;
    f.NamensIndex = 0;
    f.ZielId = KEINE_FIGUR;
    f.Typ = 1;
    f.Ausgewaehlt = 0;
    f.EigeneFigur = 1;
    f.Wartet = f.ImKampf = f.HeilAuftrag = f.SprechAuftrag = 0;
    f.Stationiert = 0;
    f.Anzahl = 1;
    f.Stufe = start.eigeneStufe;
    f.LabelAnzeigen = 0;
    f.Zustand = 1;
    f.Befehl = 1;
    f.AnimLaenge = 12;
    f.AnimBild = 0;
    f.SpruchZeile = KEINE_FIGUR;
    // The sliders are stored first, third, second, so slider n lands in body part n.
    f.Aussehen[0] = uint8_t(AussehenWahl[0]);
    f.Aussehen[1] = uint8_t(AussehenWahl[2]);
    f.Aussehen[2] = uint8_t(AussehenWahl[1]);
    f.Aussehen[3] = f.Aussehen[4] = 0;
    f.ABCSchutz = 0;
    f.Erfahrung = 0;
    std::memset(f.Inventar, 0, sizeof f.Inventar);
    for (int k = 0; k < 3; ++k) f.Inventar[0][k] = start.gepaeck[k];
    // It stands on its cell like every figure.
    StadtGitter[60][0].Belegt = 1;
}

// The game state of a fresh start. Besides what a start always clears, a conversation, a close-up
// scene and an item on the mouse of the game before are ended: a death in a conversation, back to
// the menu and a new game would otherwise start with orders and mouse-look off.
void SetzeSpielZurueck(uint8_t tutorialSchritt) {
    StadtBildGezeichnet = 0;
    LieferAnimation.Anzahl = 0;
    LoescheSchwebeAnzeigen();
    GespraechsPhase = 0;
    MeldungsPanelAktiv = 0;
    HinweisSichtbar = 0;
    HinweisNummer = 0;
    std::fill(std::begin(HinweisGezeigt), std::end(HinweisGezeigt), uint8_t(0));
    SpielEnde = 0;
    InteraktionsModus = 0;
    GespraechsPartner = 0;
    GespraechsFigur = 0;
    CursorItem = 0;
    CursorItemAnzahl = 0;

    FeindStaerke = 100;
    std::fill(std::begin(ZeilenTimer), std::end(ZeilenTimer), 0);
    InfoPanelZaehler = 0;
    std::fill(std::begin(MenueZaehler), std::end(MenueZaehler), 0);
    MenueSeitenVersatz = 0;
    SonderOrt = 0;
    RegenAktiv = 1;
    MausLinksGedrueckt = MausLinksDoppelklick = MausLinksLosgelassen = 0;
    MausRechtsGedrueckt = MausRechtsDoppelklick = MausRechtsLosgelassen = 0;
    AktuelleStadt = 0;
    TagZaehler = 0;
    TagRichtung = 0;
    std::fill(std::begin(HudSchieber), std::end(HudSchieber), 360);
    SpielModus = 1000;
    SetzeCursor(5);
    BefehlsModus = 3;
    TutorialSchritt = tutorialSchritt;
}

}  // namespace

void FuelleWeltKarteUndStaedte(bool verseucht) {
    for (auto& spalte : WeltRaster) {
        for (WeltFeld& f : spalte) {
            f.Gelaende = 1;
            f.StadtId = KEINE_STADT;
            f.ParteiHier = 0;
            f.StadtZeichen = 0;
        }
    }
    for (int i = 0; i < STAEDTE_BENUTZT; ++i) WeltRaster[kStadtZellen[i].spalte][kStadtZellen[i].reihe].StadtId = i;
    WeltFeld& start = WeltRaster[kStadtZellen[0].spalte][kStadtZellen[0].reihe];
    start.ParteiHier = 1;
    start.StadtZeichen = 1;

    for (int i = 0; i < STAEDTE_BENUTZT; ++i) {
        const StadtStart& s = kStadtStart[i];
        StadtRecord& t = StadtTabelle[i];
        t.TageOffen = 0;
        t.NamenIndex = s.namenIndex;
        t.Besitzer = s.besitzer;
        t.Verseuchung = verseucht ? s.verseuchung : 0;
        t.Bewohner = s.bewohner;
        t.NahrungsTier = s.nahrungsTier;
        t.Stationiert = 0;
        t.Nahrung = s.nahrung;
        t.WasserZufluss = kBasisWasserZufluss[i];
        t.Wasser = s.wasser;
        t.Pumpe = 0;
        t.Besatzung[0] = s.feinde;
        std::fill(t.Besatzung + 1, t.Besatzung + 5, uint8_t(0));
        t.GitterBreite = GITTER_GROESSE;
        t.GitterHoehe = GITTER_GROESSE;
    }
}

bool PruefeSpielStart(const SpielStart& start) {
    std::vector<uint8_t> vorlage, karte;
    const std::string v = start.vorlage, k = start.karte;
    if (!os::ReadFile(v, vorlage)) return Misslungen("Datei nicht lesbar: " + v);
    if (vorlage.size() != STADTZUSTANDDATEI_GROESSE) return Misslungen("Datei beschaedigt: " + v);
    if (!os::ReadFile(k, karte)) return Misslungen("Datei nicht lesbar: " + k);
    if (karte.size() != STADTDATEI_GROESSE) return Misslungen("Datei beschaedigt: " + k);
    const size_t figuren = sizeof(Behaelter);
    for (int i = 0; i < FIGUREN_ANZAHL; ++i) {
        if (vorlage[figuren + size_t(i) * sizeof(FigurRecord) + offsetof(FigurRecord, Aktiv)] == 0) return true;
    }
    return Misslungen("Kein freier Platz fuer die eigene Figur: " + v);
}

void StarteSpiel(const SpielStart& start) {
    SetzeSpielZurueck(start.tutorialSchritt);

    for (FigurRecord& f : Figuren) {
        f.Aktiv = 0;
        f.TeilModelle[0] = 0;
        f.Typ = 0;
        std::memset(f.Inventar, 0, sizeof f.Inventar);
    }
    std::memset(BodenKarte, 0, sizeof BodenKarte);
    // Both files were checked by the caller.
    LeseStadtZustandDatei(start.vorlage);
    LeseStadtDatei(start.karte);
    StadtGitter[0][0].Blockiert = 1;
    StadtNachLaden();  // plants, container numbers, the two overlay tiles
    Cam.StadtStart();
    FuelleWeltKarteUndStaedte(start.verseucht);
    FeindArmeePosition[0] = kStadtZellen[19].spalte;
    FeindArmeePosition[1] = kStadtZellen[19].reihe;

    for (LichtRecord& l : LichtZustand) l.Aktiv = 0;
    LichtRecord& sonne = LichtZustand[0];
    sonne.Aktiv = 1;
    sonne.Index = 0;
    sonne.Farbe[0] = sonne.Farbe[1] = sonne.Farbe[2] = 1.0f;
    sonne.Position[0] = 640.0f;
    sonne.Position[1] = 500.0f;
    sonne.Position[2] = 640.0f;
    sonne.Reichweite = 1280.0f;
    sonne.Daempfung[0] = 0.0f;
    sonne.Daempfung[1] = 0.1f;
    sonne.Daempfung[2] = 0.0f;
    std::fill(std::begin(AuswahlSlots), std::end(AuswahlSlots), KEINE_FIGUR);
    VerteileWolken();

    // Ids are index + 1, as a journey numbers them, so no figure has the id 0 ("no partner").
    for (int i = 0; i < FIGUREN_ANZAHL; ++i) {
        FigurRecord& f = Figuren[i];
        f.Id = int16_t(i + 1);
        f.SpruchZeile = KEINE_FIGUR;
        f.Stufe = uint8_t(Zufall() % 10 + 1);
        f.ZielId = KEINE_FIGUR;
        f.Aussehen[1] = uint8_t(Zufall() % 3);
    }
    ErzeugeEigeneFigur(Figuren[FreieFigur()], start);
    if (start.bewohnerErzeugen) ErzeugeFiguren(StadtTabelle[0].Bewohner, 0);
    SetzeCursor(2);
}

bool StarteStadtNull() {
    const SpielStart start = {"Data/Player_Data/S_Town0.dat",
                              "Data/Towns/town0.dat",
                              0,
                              true,
                              1,
                              {{1008, 9, 0}, {1012, 2, 0}, {1035, 1, 0}},  // O_Fleisch, O_Leere_Flasche, O_Messer
                              true};
    if (!PruefeSpielStart(start)) return false;
    ZeigeSchwarzbild();
    StarteSpiel(start);
    return true;
}
